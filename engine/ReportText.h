#pragma once

#include <string>
#include <string_view>

namespace engine {

// Whether the bytes are valid UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view bytes);

// File names and reasons as a report shows them, one line each whatever they
// hold: control characters (C0, DEL, C1), the backslash, bytes that are not
// valid UTF-8 and the bidirectional controls U+202A..U+202E and U+2066..U+2069
// are written as escapes (\n, \t, \r, \\, \x1b, \u202e); nothing else changes.
std::string reportText(std::string_view bytes);

} // namespace engine
