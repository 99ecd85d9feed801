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

bool isBidiControl(char32_t cp) {
    return (cp >= 0x202A && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069);
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
        else if ((cp >= 0x80 && cp <= 0x9F) || isBidiControl(cp))
            appendHex(out, "\\u", static_cast<unsigned>(cp), 4);
        else
            out.append(bytes.substr(0, n));
        bytes.remove_prefix(n);
    }
    return out;
}

} // namespace engine
