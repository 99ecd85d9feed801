#pragma once

#include <cstddef>
#include <vector>

namespace engine::scan {

// Passes over plain markup 64 bytes at a time. From a position where an HTML
// tokenizer is in its data state, returns the first '<' at or after it from which
// the tokenizer must read for itself, or npos when the text ends in text. What it
// passes over is text and tags whose attribute values are quoted right after
// "name=" (the name after white space). It stops at a '<' that opens a comment, a
// declaration, a processing instruction, "</" not followed by a letter, a tag whose
// name may be body, script, style, xmp, iframe, noembed, noframes, noscript,
// title, textarea, template or plaintext, and at any tag less plain than that; a
// stop is a place where the tokenizer is in its data state. `nulOrBang` tells
// whether what it passed over held a NUL byte or "<!" (it may tell so of a few
// bytes past the stop too).
using MarkupSkip = std::size_t (*)(const char* text, std::size_t size, std::size_t from, bool& nulOrBang);

// The widest skip this processor runs; nullptr where there is none.
MarkupSkip markupSkip();

// Every skip this processor runs, widest first.
std::vector<MarkupSkip> markupSkips();

} // namespace engine::scan
