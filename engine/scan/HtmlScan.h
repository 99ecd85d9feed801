#pragma once

#include "engine/scan/MarkupSkip.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace engine {

// Finds the closing body tag as an HTML tokenizer reads the text: the first end
// tag named "body" (any letter case; white space, '/' or attributes may stand
// before its '>') that is markup. Not markup: comments (ended by "-->" or
// "--!>"; "<!-->" and "<!--->" are empty), bogus comments ("<!...>", "<?...>",
// "</" not followed by a letter), attribute values, the text of script, style,
// xmp, iframe, noembed, noframes, noscript, title and textarea elements, the
// content of template elements, and everything after <plaintext>. Foreign
// content and the script escape states are not modelled. Returns the position of
// its '<', or npos.
std::size_t findClosingBodyTag(std::string_view text);
// The same with the given skip over plain markup (nullptr: none).
std::size_t findClosingBodyTag(std::string_view text, scan::MarkupSkip skip);
std::size_t findClosingBodyTag(std::u16string_view text);

// The closing body tag, and where the text ends when there is none: `endsInside`
// is empty when the tokenizer ends in the data state outside template content
// (after text or a complete tag), else names what the text ends inside ("a
// <script> element", "a <template> element", "a comment", "an unfinished tag").
struct ClosingBody {
    std::size_t at;
    std::string endsInside;
};
ClosingBody findClosingBody(std::string_view text);
ClosingBody findClosingBody(std::u16string_view text);

// The closing body tag of a byte text, read in the same pass that looks for NUL
// bytes and for "<!": `clean` is false when the text holds a NUL byte or a "<!"
// for which `isMarker` (given the text and the position of its '<') says yes, or
// may hold one (a "<!" that the vector skip passed over counts without asking).
struct BodyTagSweep {
    std::size_t body;
    bool clean;
    std::string endsInside; // as in ClosingBody
};
BodyTagSweep sweepForClosingBodyTag(std::string_view text, bool (*isMarker)(std::string_view, std::size_t));

} // namespace engine
