#include "engine/ReportText.h"

#include <cstdint>

namespace engine {

namespace {

// Length of the valid UTF-8 sequence at the start of `s` and its code point;
// 0 when the first byte does not begin one.
std::size_t decodeOne(std::string_view s, char32_t& cp) {
    const auto byte = [&](std::size_t i) {
        return static_cast<std::uint8_t>(s[i]);
    };
    const std::uint8_t b0 = byte(0);
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    }
    std::size_t n = 0;
    char32_t min = 0;
    if ((b0 & 0xE0) == 0xC0) {
        n = 2;
        cp = b0 & 0x1F;
        min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3;
        cp = b0 & 0x0F;
        min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4;
        cp = b0 & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (s.size() < n)
        return 0;
    for (std::size_t i = 1; i < n; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (byte(i) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return n;
}

void appendHex(std::string& out, const char* prefix, unsigned value, int digits) {
    static constexpr char Hex[] = "0123456789abcdef";
    out += prefix;
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out += Hex[(value >> shift) & 0xF];
}

// The characters no report shows as they are: the Unicode categories Cc
// (controls), Cf (format characters: direction marks and isolates, zero-width
// characters, the soft hyphen, the byte-order mark, tag characters, ...), Zl and
// Zp (the line and paragraph separators), as of Unicode 15.
struct CodeRange {
    char32_t first;
    char32_t last;
};
constexpr CodeRange Invisible[] = {
    {0x0, 0x1F},        {0x7F, 0x9F},       {0xAD, 0xAD},       {0x600, 0x605},     {0x61C, 0x61C},
    {0x6DD, 0x6DD},     {0x70F, 0x70F},     {0x890, 0x891},     {0x8E2, 0x8E2},     {0x180E, 0x180E},
    {0x200B, 0x200F},   {0x2028, 0x202E},   {0x2060, 0x2064},   {0x2066, 0x206F},   {0xFEFF, 0xFEFF},
    {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD}, {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3},
    {0x1D173, 0x1D17A}, {0xE0001, 0xE0001}, {0xE0020, 0xE007F},
};

bool isInvisible(char32_t cp) {
    for (const CodeRange& range : Invisible) {
        if (cp < range.first)
            return false;
        if (cp <= range.last)
            return true;
    }
    return false;
}

} // namespace

bool isValidUtf8(std::string_view bytes) {
    while (!bytes.empty()) {
        char32_t cp = 0;
        const std::size_t n = decodeOne(bytes, cp);
        if (n == 0)
            return false;
        bytes.remove_prefix(n);
    }
    return true;
}

std::string reportText(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        char32_t cp = 0;
        const std::size_t n = decodeOne(bytes, cp);
        if (n == 0) {
            appendHex(out, "\\x", static_cast<std::uint8_t>(bytes.front()), 2);
            bytes.remove_prefix(1);
            continue;
        }
        if (cp == '\n')
            out += "\\n";
        else if (cp == '\t')
            out += "\\t";
        else if (cp == '\r')
            out += "\\r";
        else if (cp == '\\')
            out += "\\\\";
        else if (cp < 0x20 || cp == 0x7F)
            appendHex(out, "\\x", static_cast<unsigned>(cp), 2);
        else if (cp > 0xFFFF && isInvisible(cp))
            appendHex(out, "\\U", static_cast<unsigned>(cp), 8);
        else if (isInvisible(cp))
            appendHex(out, "\\u", static_cast<unsigned>(cp), 4);
        else
            out.append(bytes.substr(0, n));
        bytes.remove_prefix(n);
    }
    return out;
}

} // namespace engine
