#include "engine/ServerCode.h"

#include "engine/scan/TextScan.h"

#include <cstring>
#include <initializer_list>

namespace engine {

namespace {

constexpr std::size_t npos = std::string_view::npos;

bool startsWithNoCase(std::string_view text, std::size_t at, std::string_view key) {
    if (text.size() - at < key.size())
        return false;
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (scan::upperAscii(text[at + i]) != scan::upperAscii(key[i]))
            return false;
    }
    return true;
}

bool identifierChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

// PHP's reading of its code from `at` (just past the opening tag): each helper
// gives where the construct at `at` ends, or npos where the text ends first.
class PhpCode {
public:
    explicit PhpCode(std::string_view text)
        : t(text) {}

    // Past the string, comment or heredoc that opens at `at`, or `at` itself when
    // none does; npos when it runs past the text's end. A line comment stops
    // before a "?>" that ends it.
    std::size_t skip(std::size_t at) const {
        const char c = t[at];
        const char next = at + 1 < t.size() ? t[at + 1] : '\0';
        if (c == '\'' || c == '"' || c == '`')
            return quoted(at);
        if (c == '/' && next == '*')
            return blockComment(at);
        if ((c == '/' && next == '/') || (c == '#' && next != '[')) {
            bool closes = false;
            const std::size_t end = lineComment(at, closes);
            return closes ? end - 2 : end;
        }
        if (c == '<' && t.compare(at, 3, "<<<") == 0)
            return heredoc(at);
        return at;
    }

    // Past the "?>" that closes the region, or npos.
    std::size_t end(std::size_t at) const {
        while (at < t.size()) {
            const char c = t[at];
            const char next = at + 1 < t.size() ? t[at + 1] : '\0';
            if (c == '?' && next == '>')
                return at + 2;
            if (c == '\'' || c == '"' || c == '`') {
                at = quoted(at);
            } else if (c == '/' && next == '*') {
                at = blockComment(at);
            } else if ((c == '/' && next == '/') || (c == '#' && next != '[')) {
                bool closes = false;
                at = lineComment(at, closes);
                // A line comment that ends at "?>" ends the region with it.
                if (closes)
                    return at;
            } else if (c == '<' && t.compare(at, 3, "<<<") == 0) {
                at = heredoc(at);
            } else {
                ++at;
            }
        }
        return npos;
    }

    std::size_t quoted(std::size_t at) const {
        const char quote = t[at];
        for (std::size_t i = at + 1; i < t.size(); ++i) {
            if (t[i] == '\\')
                ++i;
            else if (t[i] == quote)
                return i + 1;
        }
        return npos;
    }
    std::size_t blockComment(std::size_t at) const {
        const std::size_t close = t.find("*/", at + 2);
        return close == npos ? npos : close + 2;
    }
    // To the line's end, or past a "?>" on the line (`closes`).
    std::size_t lineComment(std::size_t at, bool& closes) const {
        for (std::size_t i = at; i < t.size(); ++i) {
            if (t[i] == '\n')
                return i;
            if (t[i] == '?' && i + 1 < t.size() && t[i + 1] == '>') {
                closes = true;
                return i + 2;
            }
        }
        return npos;
    }
    // "<<<ID", "<<<'ID'" or "<<<\"ID\"" and a line feed, to the line that holds ID
    // alone at its start (after spaces and tabs), not followed by a name's letter.
    std::size_t heredoc(std::size_t at) const {
        std::size_t i = at + 3;
        while (i < t.size() && (t[i] == ' ' || t[i] == '\t'))
            ++i;
        const bool quotedLabel = i < t.size() && (t[i] == '\'' || t[i] == '"');
        i += quotedLabel ? 1 : 0;
        const std::size_t labelAt = i;
        while (i < t.size() && identifierChar(t[i]))
            ++i;
        const std::string_view label = t.substr(labelAt, i - labelAt);
        i += quotedLabel ? 1 : 0;
        if (label.empty() || label[0] == '<' || (label[0] >= '0' && label[0] <= '9'))
            return at + 3; // a shift, not a heredoc
        for (std::size_t line = t.find('\n', i); line != npos; line = t.find('\n', line + 1)) {
            std::size_t j = line + 1;
            while (j < t.size() && (t[j] == ' ' || t[j] == '\t'))
                ++j;
            if (t.compare(j, label.size(), label) == 0 &&
                (j + label.size() >= t.size() || !identifierChar(t[j + label.size()])))
                return j + label.size();
        }
        return npos;
    }

private:
    std::string_view t;
};

// Past the "%>" (or "--%>" for a comment) that closes the region from `at`, or npos.
std::size_t aspEnd(std::string_view text, std::size_t at) {
    const bool comment = text.compare(at, 4, "<%--") == 0;
    const std::size_t close = text.find(comment ? "--%>" : "%>", at + (comment ? 4 : 2));
    return close == npos ? npos : close + (comment ? 4 : 2);
}

} // namespace

ServerCode findServerCode(std::string_view text, std::string_view fileName) {
    ServerCode code;
    const bool phpFile =
        scan::endsWithAny(fileName, {".PHP", ".PHP3", ".PHP4", ".PHP5", ".PHP6", ".PHP7", ".PHP8", ".PHTML"});
    const bool aspFile = scan::endsWithAny(fileName, {".ASP", ".ASPX", ".ASCX", ".ASHX", ".ASMX", ".MASTER",
                                                      ".JSP", ".JSPF", ".JSPX", ".ERB", ".RHTML", ".EJS"});
    const PhpCode php(text);
    std::size_t at = 0;
    while (at < text.size()) {
        // "<?" and "<%" are rare in pages: the scanning kernel finds them.
        at = scan::findLeadBytes(text.data(), at, text.size(), '<', {{1, '?', false}, {1, '%', false}});
        if (at == npos)
            break;
        const char next = at + 1 < text.size() ? text[at + 1] : '\0';
        std::size_t end = npos;
        bool region = false;
        if (next == '?') {
            const bool tagged = startsWithNoCase(text, at, "<?php") &&
                                (at + 5 == text.size() || std::strchr(" \t\r\n", text[at + 5]));
            region = tagged || text.compare(at, 3, "<?=") == 0 ||
                     (phpFile && !startsWithNoCase(text, at, "<?xml"));
            if (region)
                end = php.end(at + 2);
        } else if (next == '%') {
            const char kind = at + 2 < text.size() ? text[at + 2] : '\0';
            region = aspFile || kind == '=' || kind == '@' || kind == '#' || text.compare(at, 4, "<%--") == 0;
            if (region)
                end = aspEnd(text, at);
        }
        if (!region) {
            ++at;
            continue;
        }
        code.regions.push_back({at, end == npos ? text.size() : end});
        if (end == npos) {
            code.open = true;
            break;
        }
        at = end;
    }
    return code;
}

std::string_view withoutServerCode(std::string_view text, const ServerCode& code, std::string& storage) {
    if (code.empty())
        return text;
    storage.assign(text);
    // Spaces stay, so that the page's ends are trimmed alike with or without its code.
    for (const ServerCode::Region& region : code.regions) {
        for (std::size_t i = region.begin; i < region.end; ++i)
            storage[i] = storage[i] == ' ' ? ' ' : 'x';
    }
    return storage;
}

} // namespace engine

namespace engine {

namespace {

bool isPhpRegion(std::string_view text, const ServerCode::Region& region) {
    return text.compare(region.begin, 2, "<?") == 0;
}

std::size_t skipBlanks(std::string_view text, std::size_t at, std::size_t end) {
    while (at < end && std::strchr(" \t\r\n", text[at]) != nullptr)
        ++at;
    return at;
}

// The text of a PHP string literal without its quotes and escapes, when it holds
// no variable: a double-quoted string that interpolates is no literal path.
bool literalString(std::string_view quoted, std::string& value) {
    const char quote = quoted.front();
    const std::string_view inside = quoted.substr(1, quoted.size() - 2);
    if (quote == '`' || (quote == '"' && inside.find('$') != npos))
        return false;
    value.clear();
    for (std::size_t i = 0; i < inside.size(); ++i) {
        if (inside[i] == '\\' && i + 1 < inside.size() &&
            (inside[i + 1] == '\\' || inside[i + 1] == quote || (quote == '"' && inside[i + 1] == '$')))
            ++i;
        value.push_back(inside[i]);
    }
    return true;
}

// The argument of an include statement whose keyword ends at `at`: one quoted
// string, with or without parentheses, and then the statement's end.
PhpInclude includeArgument(std::string_view text, const PhpCode& php, std::size_t at, std::size_t end) {
    PhpInclude found;
    std::size_t p = skipBlanks(text, at, end);
    const bool paren = p < end && text[p] == '(';
    p = skipBlanks(text, p + (paren ? 1 : 0), end);
    if (p < end && (text[p] == '\'' || text[p] == '"' || text[p] == '`')) {
        const std::size_t close = php.quoted(p);
        if (close != npos && close <= end && literalString(text.substr(p, close - p), found.path)) {
            p = skipBlanks(text, close, end);
            if (paren && p < end && text[p] == ')')
                p = skipBlanks(text, p + 1, end);
            else if (paren)
                p = end + 1;
            found.literal = p == end || (p < end && (text[p] == ';' || text.compare(p, 2, "?>") == 0));
        }
    }
    // What the statement writes, for telling why it is not followed.
    std::size_t stop = at;
    while (stop < end && text[stop] != ';' && text.compare(stop, 2, "?>") != 0)
        ++stop;
    const std::size_t from = skipBlanks(text, at, stop);
    found.written = std::string(text.substr(from, std::min<std::size_t>(stop - from, 80)));
    while (!found.written.empty() && std::strchr(" \t\r\n", found.written.back()) != nullptr)
        found.written.pop_back();
    if (!found.literal)
        found.path.clear();
    return found;
}

} // namespace

std::vector<PhpInclude> phpIncludes(std::string_view text, const ServerCode& code) {
    std::vector<PhpInclude> found;
    const PhpCode php(text);
    for (const ServerCode::Region& region : code.regions) {
        if (!isPhpRegion(text, region))
            continue;
        std::size_t at = region.begin + 2;
        while (at < region.end) {
            const std::size_t skipped = php.skip(at);
            if (skipped != at) {
                at = skipped == npos ? region.end : skipped;
                continue;
            }
            if (!identifierChar(text[at])) {
                ++at;
                continue;
            }
            std::size_t word = at;
            while (word < region.end && identifierChar(text[word]))
                ++word;
            const std::string_view name = text.substr(at, word - at);
            // Not a method, property, constant of a class, or variable of that name.
            const char before = at > region.begin ? text[at - 1] : ' ';
            const bool member = before == '$' || before == '>' || before == ':' || before == '\\';
            for (const std::string_view keyword : {"include", "include_once", "require", "require_once"}) {
                if (!member && name.size() == keyword.size() && startsWithNoCase(name, 0, keyword))
                    found.push_back(includeArgument(text, php, word, region.end));
            }
            at = word;
        }
    }
    return found;
}

} // namespace engine
