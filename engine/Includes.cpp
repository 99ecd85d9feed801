#include "engine/Includes.h"

#include "engine/ServerCode.h"
#include "engine/scan/HtmlScan.h"
#include "engine/scan/TextScan.h"

#include <cstring>

namespace engine {

namespace {

constexpr std::size_t npos = std::string_view::npos;

bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool sameNoCase(std::string_view text, std::size_t at, std::string_view key) {
    if (at > text.size() || text.size() - at < key.size())
        return false;
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (scan::upperAscii(text[at + i]) != scan::upperAscii(key[i]))
            return false;
    }
    return true;
}

// The attributes of one SSI include directive, from past "<!--#include" to "-->".
void ssiAttributes(std::string_view directive, std::vector<PageInclude>& found) {
    std::size_t at = 0;
    while (at < directive.size()) {
        while (at < directive.size() && blank(directive[at]))
            ++at;
        const std::size_t nameAt = at;
        while (at < directive.size() && directive[at] != '=' && !blank(directive[at]))
            ++at;
        const std::string_view name = directive.substr(nameAt, at - nameAt);
        if (at >= directive.size() || directive[at] != '=')
            break;
        ++at;
        std::string value;
        const char quote = at < directive.size() ? directive[at] : '\0';
        if (quote == '"' || quote == '\'' || quote == '`') {
            const std::size_t close = directive.find(quote, at + 1);
            value = std::string(directive.substr(at + 1, close == npos ? npos : close - at - 1));
            at = close == npos ? directive.size() : close + 1;
        } else {
            const std::size_t from = at;
            while (at < directive.size() && !blank(directive[at]))
                ++at;
            value = std::string(directive.substr(from, at - from));
        }
        const bool isVirtual = sameNoCase(name, 0, "virtual") && name.size() == 7;
        const bool isFile = sameNoCase(name, 0, "file") && name.size() == 4;
        if (!isVirtual && !isFile)
            continue;
        PageInclude include;
        include.kind = isVirtual ? PageInclude::Kind::SsiVirtual : PageInclude::Kind::SsiFile;
        // A variable in the path is the server's to fill in.
        include.literal = value.find('$') == std::string::npos && !value.empty();
        include.written = std::string(name) + "=\"" + value + "\"";
        if (include.literal)
            include.path = std::move(value);
        found.push_back(std::move(include));
    }
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = scan::upperAscii(c);
    return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

// A URL path with its %XX escapes decoded, its query left off.
std::string urlPath(std::string_view url) {
    url = url.substr(0, url.find_first_of("?#"));
    std::string path;
    for (std::size_t i = 0; i < url.size(); ++i) {
        if (url[i] == '%' && i + 2 < url.size() && hexValue(url[i + 1]) >= 0 && hexValue(url[i + 2]) >= 0) {
            path.push_back(static_cast<char>(hexValue(url[i + 1]) * 16 + hexValue(url[i + 2])));
            i += 2;
        } else {
            path.push_back(url[i]);
        }
    }
    return path;
}

} // namespace

std::vector<PageInclude> findIncludes(std::string_view text, std::string_view fileName) {
    std::vector<PageInclude> found;
    const ServerCode code = findServerCode(text, fileName);
    std::string storage;
    const std::string_view markup = withoutServerCode(text, code, storage);
    for (std::size_t at = markup.find("<!--#"); at != npos; at = markup.find("<!--#", at + 5)) {
        if (!sameNoCase(markup, at + 5, "include") || at + 12 >= markup.size() || !blank(markup[at + 12]))
            continue;
        const std::size_t close = markup.find("-->", at + 12);
        ssiAttributes(markup.substr(at + 12, close == npos ? npos : close - at - 12), found);
    }
    for (PhpInclude& php : phpIncludes(text, code))
        found.push_back(
            PageInclude{PageInclude::Kind::Php, std::move(php.path), php.literal, std::move(php.written)});
    return found;
}

Result<std::string> resolveInclude(const PageInclude& include, std::string_view pagePath) {
    const auto notFollowed = [&](const std::string& why) {
        return Failure{Failure::Kind::NotFound, why};
    };
    if (!include.literal)
        return notFollowed("its path is computed by the server");
    const std::string path =
        include.kind == PageInclude::Kind::SsiVirtual ? urlPath(include.path) : include.path;
    const bool fromRoot = !path.empty() && path.front() == '/';
    if (fromRoot && include.kind != PageInclude::Kind::SsiVirtual)
        return notFollowed("its path is absolute");
    if (include.kind == PageInclude::Kind::Php && path.find("://") != std::string::npos)
        return notFollowed("it is fetched from the network");
    // The server refuses "..' in an SSI file path.
    if (include.kind == PageInclude::Kind::SsiFile && (path == ".." || path.find("../") != std::string::npos))
        return notFollowed("the server does not include a file= path that goes up");
    std::vector<std::string> names;
    if (!fromRoot) {
        std::string_view folder = pagePath.substr(0, pagePath.find_last_of('/') + 1);
        while (!folder.empty()) {
            const std::size_t slash = folder.find('/');
            names.emplace_back(folder.substr(0, slash));
            folder.remove_prefix(slash + 1);
        }
    }
    std::string_view rest = path;
    while (!rest.empty()) {
        const std::size_t slash = rest.find('/');
        const std::string_view name = rest.substr(0, slash);
        rest.remove_prefix(slash == npos ? rest.size() : slash + 1);
        if (name.empty() || name == ".")
            continue;
        if (name == "..") {
            if (names.empty())
                return notFollowed("it lies outside the folder");
            names.pop_back();
            continue;
        }
        names.emplace_back(name);
    }
    if (names.empty())
        return notFollowed("it names a folder");
    std::string joined;
    for (const std::string& name : names)
        joined += (joined.empty() ? "" : "/") + name;
    return joined;
}

bool holdsClosingBody(std::string_view text, std::string_view fileName) {
    const ServerCode code = findServerCode(text, fileName);
    std::string storage;
    return findClosingBodyTag(withoutServerCode(text, code, storage)) != npos;
}

bool holdsOpeningBody(std::string_view text) {
    for (std::size_t at = text.find('<'); at != npos; at = text.find('<', at + 1)) {
        if (sameNoCase(text, at + 1, "body") &&
            (at + 5 >= text.size() || blank(text[at + 5]) || text[at + 5] == '>' || text[at + 5] == '/'))
            return true;
    }
    return false;
}

std::string servedPageName(IncludeServer server, bool byPath) {
    if (server == IncludeServer::Ssi)
        return byPath ? R"(<!--#echo encoding="url" var="DOCUMENT_URI" -->)"
                      : R"(<!--#echo encoding="url" var="DOCUMENT_NAME" -->)";
    return byPath
               ? R"(<?php echo str_replace('%2F', '/', rawurlencode(ltrim($_SERVER['SCRIPT_NAME'], '/'))); ?>)"
               : R"(<?php echo rawurlencode(basename($_SERVER['SCRIPT_NAME'])); ?>)";
}

} // namespace engine
