#pragma once

#include <string>
#include <string_view>

namespace engine {

// How a page's bytes begin: with a byte-order mark of UTF-16 (either order) or
// of UTF-32 (little-endian, which starts like UTF-16's), or with none.
enum class ByteOrderMark { None, Utf16LE, Utf16BE, Utf32LE };
ByteOrderMark byteOrderMark(std::string_view bytes);

// The code units of UTF-16 bytes (without their mark); an odd last byte is left out.
std::u16string decodeUtf16(std::string_view bytes, bool bigEndian);
// Appends one code unit in the given byte order.
void appendUtf16(std::string& out, char16_t unit, bool bigEndian);
// Code units as UTF-8; a lone surrogate reads as U+FFFD.
std::string utf8Of(std::u16string_view units);

} // namespace engine
