#include "engine/TrackingBlock.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace engine {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

} // namespace

double lenientValue(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            compact.push_back(c);
    }

    // Collect the longest prefix that forms a number, normalised for from_chars.
    std::string number;
    std::size_t i = 0;
    bool negative = false;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) {
        negative = compact[i] == '-';
        ++i;
    }
    bool digits = false;
    while (i < compact.size() && isDigit(compact[i])) {
        number.push_back(compact[i++]);
        digits = true;
    }
    if (i < compact.size() && compact[i] == '.') {
        ++i;
        std::string fraction;
        while (i < compact.size() && isDigit(compact[i]))
            fraction.push_back(compact[i++]);
        if (!fraction.empty()) {
            number += '.';
            number += fraction;
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    if (i < compact.size() &&
        (compact[i] == 'e' || compact[i] == 'E' || compact[i] == 'd' || compact[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < compact.size() && (compact[j] == '+' || compact[j] == '-'))
            exponent.push_back(compact[j++]);
        bool expDigits = false;
        while (j < compact.size() && isDigit(compact[j])) {
            exponent.push_back(compact[j++]);
            expDigits = true;
        }
        if (expDigits)
            number += exponent;
    }

    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone on overflow and underflow; decide which.
        const bool underflow = number.find("e-") != std::string::npos;
        value = underflow ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

Result<int> serverDigit(std::string_view websiteNumber) {
    const double floored = std::floor(lenientValue(websiteNumber) / 1000.0);
    if (!(floored >= static_cast<double>(std::numeric_limits<std::int32_t>::min()) &&
          floored <= static_cast<double>(std::numeric_limits<std::int32_t>::max())))
        return Failure{Failure::Kind::Settings,
                       "the website number is too large to use"}; // also NaN and infinities
    return static_cast<std::int32_t>(floored) % 10;
}

std::string percentEncode(std::string_view text) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        const bool special =
            c == '"' || c == '#' || c == '%' || c == '&' || c == '\'' || c == '<' || c == '>';
        if (special || c < 0x20 || c > 0x7E) {
            out.push_back('%');
            out.push_back(hex[c >> 4]);
            out.push_back(hex[c & 0x0F]);
        } else {
            out.push_back(ch);
        }
    }
    return out;
}

std::string siteNo(std::string_view websiteNumber) {
    return percentEncode(trimSpaces(websiteNumber));
}

std::string pageName(std::string_view fileName) {
    std::string lowered(fileName);
    for (char& c : lowered) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return percentEncode(trimSpaces(lowered));
}

Result<std::string> buildTrackingBlock(const Site& site, Protocol protocol, std::string_view fileName) {
    return buildBlockNaming(site, protocol, pageName(fileName));
}

Result<std::string> buildBlockNaming(const Site& siteNumber, Protocol protocol, std::string_view pageField) {
    const Result<int>& digit = siteNumber.digit();
    if (!digit)
        return digit.failure();

    const bool normal = protocol == Protocol::Normal;
    const std::string scheme = normal ? "http://" : "https://";
    const std::string host = normal ? "db" + std::to_string(*digit) : "www";
    const std::string server = scheme + host + std::string(ServiceDomain);
    const std::string& site = siteNumber.text();

    std::string block;
    block.reserve(StartMarker.size() + EndMarker.size() + 3 * site.size() + 256);
    block += StartMarker;
    block += "\r\n";
    block += "<script language=\"JavaScript\" src=\"" + server + "/script/" + site +
             ".js\" type=\"text/javascript\"></script>";
    block += "\r\n";
    block += "<noscript><img src=\"" + server + "/db.php?id=" + site + "&page=" + std::string(pageField) +
             "&javascript=no\" alt=\"\" /></noscript>";
    block += "\r\n";
    block += EndMarker;
    block += "\r\n";
    return block;
}

bool hasWebsiteNumber(std::string_view websiteNumber) {
    return websiteNumber.find_first_not_of(" \t\n\r") != std::string_view::npos;
}

namespace {

// The text between `before` and the first `after` that follows it.
std::string between(std::string_view text, std::string_view before, std::string_view after) {
    const std::size_t at = text.find(before);
    if (at == std::string_view::npos)
        return {};
    const std::size_t from = at + before.size();
    const std::size_t end = text.find(after, from);
    return end == std::string_view::npos ? std::string() : std::string(text.substr(from, end - from));
}

} // namespace

BlockFields readTrackingBlock(std::string_view blockText) {
    return BlockFields{between(blockText, "/script/", ".js"), between(blockText, "&page=", "&javascript"),
                       blockText.find("src=\"https://") != std::string_view::npos};
}

} // namespace engine
