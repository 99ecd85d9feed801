#pragma once

#include <string>
#include <string_view>

namespace engine {

// Whether the bytes are valid UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view bytes);

// File names and reasons as a report shows them, one line each whatever they
// hold: the backslash, bytes that are not valid UTF-8, and every character of
// the Unicode categories Cc, Cf, Zl and Zp (controls, direction marks,
// zero-width and other format characters, line and paragraph separators) are
// written as escapes (\n, \t, \r, \\, \x1b, \u202e, \U000e0001); nothing else
// changes.
std::string reportText(std::string_view bytes);

} // namespace engine
