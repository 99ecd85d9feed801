#pragma once

#include "engine/Result.h"
#include "engine/RunSettings.h"

#include <string>
#include <string_view>

namespace engine {

// The marker lines that open and close every tracking block. Pages already in
// use carry them, so they must never change.
inline constexpr std::string_view StartMarker =
    "<!-- START OF TRAFALYTIC CODE, COPYRIGHT 2003 VORNIQUE LLC -->";
inline constexpr std::string_view EndMarker = "<!-- END OF TRAFALYTIC CODE -->";
// Blocks are found by the start marker's first 29 characters only, so blocks
// written with another notice after "CODE" are found too.
inline constexpr std::string_view SearchKey = StartMarker.substr(0, 29);
inline constexpr std::string_view ServiceDomain = ".trafalytic.com";

// Numeric value of text read leniently: blanks, tabs and line feeds are skipped
// anywhere; then an optional sign, digits, a decimal point and an exponent
// (E or D) are read up to the first character that cannot continue a number.
// Text that does not start with a number gives 0.
double lenientValue(std::string_view text);

// The digit that picks the statistics server: floor(value / 1000) as a signed
// 32-bit integer, remainder 10 with the sign of the dividend. Fails (Settings)
// when the floor does not fit 32 bits.
Result<int> serverDigit(std::string_view websiteNumber);

// Percent-encodes with upper-case hex the bytes that would break an HTML
// attribute or a URL: " # % & ' < >, control characters and bytes above 0x7E.
std::string percentEncode(std::string_view text);

// Whether the text holds anything but blanks, tabs and line ends: a website
// number of nothing else would write a block that never works.
bool hasWebsiteNumber(std::string_view websiteNumber);

// The website number as written into addresses: spaces trimmed, encoded.
std::string siteNo(std::string_view websiteNumber);
// The page name as written into addresses: ASCII letters lowered, spaces
// trimmed, encoded.
std::string pageName(std::string_view fileName);
// The four-line block, every line ending in CR LF. Fails when the website
// number's value overflows (see serverDigit); nothing may be written then.
Result<std::string> buildTrackingBlock(const Site& site, Protocol protocol, std::string_view fileName);

// The block with its page field as given, unencoded: for a block in a file that
// many pages include, where the server writes each page's name.
Result<std::string> buildBlockNaming(const Site& site, Protocol protocol, std::string_view pageField);

// What a block in a page names, read back from its text (from its start marker
// up to its end marker): the website number and page name as written into its
// addresses, and whether they go by https.
struct BlockFields {
    std::string website;
    std::string pageName;
    bool secure = false;
};
BlockFields readTrackingBlock(std::string_view blockText);

} // namespace engine
