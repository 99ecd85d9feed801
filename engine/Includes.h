#pragma once

#include "engine/Result.h"

#include <string>
#include <string_view>
#include <vector>

namespace engine {

// A file that a page has the server put in its place.
struct PageInclude {
    enum class Kind {
        SsiVirtual, // <!--#include virtual="..." -->: a URL path, from the site's root when it opens with '/'
        SsiFile,    // <!--#include file="..." -->: a path from the page's own folder
        Php,        // include, include_once, require, require_once: a path from the page's own folder
    };
    Kind kind = Kind::SsiVirtual;
    std::string path;    // as the page writes it, when it is a literal path
    bool literal = true; // false: the page computes the path (a variable, an expression)
    std::string written; // what the page writes, for reports
};

// The includes of a page, in order: SSI directives in its markup (outside server
// code), and PHP include statements in its PHP code.
std::vector<PageInclude> findIncludes(std::string_view text, std::string_view fileName);

// The include's file as a path beneath the folder ('/' between names, no "." or
// ".."), from the path beneath the folder of the page that includes it; fails
// with why it is not followed (an expression, a path that leaves the folder).
Result<std::string> resolveInclude(const PageInclude& include, std::string_view pagePath);

// Whether the page's own markup, outside server code, holds a closing body tag.
bool holdsClosingBody(std::string_view text, std::string_view fileName);

// Whether the page's own markup holds an opening body tag: a page that holds a
// closing one without it is a fragment, such as a footer that pages include.
bool holdsOpeningBody(std::string_view text);

// What the page name of a block becomes where the block lies in an include: the
// server writes the name of the page it sends (its path beneath the site's root,
// `byPath`), in the include's own language.
enum class IncludeServer { Ssi, Php };
std::string servedPageName(IncludeServer server, bool byPath);

} // namespace engine
