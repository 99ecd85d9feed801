#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// The regions of a page that the server runs before it sends the page, read by
// their language's own rules, so that nothing inside them is taken for markup:
// - PHP: from "<?php" or "<?=" in any page, and from a bare "<?" (never "<?xml")
//   in a file named .php, .php3 to .php8 or .phtml, to the "?>" that stands
//   outside string literals, heredoc, nowdoc and block comments (a "//" or "#"
//   comment ends at "?>", as PHP reads it); to the end of the text when there is
//   none.
// - ASP, JSP and ERB: "<%" to "%>" ("<%--" to "--%>"): from "<%=", "<%@", "<%#"
//   and "<%--" in any page, and from any "<%" in a file named for one of them.
struct ServerCode {
    struct Region {
        std::size_t begin;
        std::size_t end; // past its closing tag, or the text's end
    };
    std::vector<Region> regions;
    bool open = false; // the last region runs to the end of the text

    bool empty() const { return regions.empty(); }
};

ServerCode findServerCode(std::string_view text, std::string_view fileName);

// The text with each region written over, byte for byte, with a letter that
// markup reads as text (its spaces kept, so that the ends trim alike): the text
// itself when it has no server code, else `storage`. Places in the one are
// places in the other.
std::string_view withoutServerCode(std::string_view text, const ServerCode& code, std::string& storage);

// An include statement of PHP code: "include", "include_once", "require" or
// "require_once" with one quoted string (`literal`, its text in `path`), or with
// anything else; `written` is what the statement writes, for reports.
struct PhpInclude {
    std::string path;
    bool literal = false;
    std::string written;
};

// The include statements of the PHP regions of the text, in order.
std::vector<PhpInclude> phpIncludes(std::string_view text, const ServerCode& code);

} // namespace engine
