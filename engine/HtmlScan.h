#pragma once

#include <cstddef>
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
std::size_t findClosingBodyTag(std::u16string_view text);

} // namespace engine
