#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

enum class Mode { Insert, Remove };

enum class PageEncoding { Bytes, Utf16LE, Utf16BE };

// What rewriting one page's text comes to. The new text is kept as pieces of the
// old text and of the new block, so that a large page is never copied whole.
class RewritePlan {
public:
    enum class Status {
        Rewritten,      // pieces() is the new text (which may equal the old one)
        Binary,         // a NUL byte without a UTF-16 byte-order mark: never touched
        NoClosingBody,  // insert mode, no closing body tag, and not a page by its name
        BadUtf16,       // a UTF-16 byte-order mark but an odd number of bytes
        WouldTurnUtf16, // the new text of a byte page would open with a UTF-16 byte-order mark
        TangledMarkers, // markers nested or crossed: which text is the user's cannot be told
        Utf32,          // a UTF-32 byte-order mark: not rewritten
        EndsInside      // insert mode, no closing body tag, and the text ends where the block would not run
    };

    Status status = Status::Rewritten;
    PageEncoding encoding = PageEncoding::Bytes;
    std::size_t blocksRemoved = 0;
    bool blockInserted = false;
    bool changed = false;   // the new text differs from the old
    std::string endsInside; // EndsInside: what the text ends inside ("a <script> element")

    // The new page text in order. Views into `page` (the text the plan was made
    // from, which must outlive the views) and into the plan itself.
    std::vector<std::string_view> pieces(std::string_view page) const;
    std::size_t size() const;
    // The new page text in one string; for tests and small pages.
    std::string text(std::string_view page) const;

    struct Piece {
        bool owned = false; // in the plan's own storage rather than the page
        std::size_t begin = 0;
        std::size_t size = 0;
    };
    std::vector<Piece> m_pieces;
    std::string m_owned;
};

// Whether a file name ends in .htm, .html, .shtm or .shtml, in any letter case.
bool hasPageExtension(std::string_view fileName);

// Whether a file is a web page or a page template, which insert mode may change:
// its name ends in a page or template extension (any letter case), or its text,
// after a byte-order mark and white space, opens with "<!doctype html" or "<html".
bool isWebPage(std::string_view fileName, std::string_view contents);

// Plans the rewrite of one page: spaces trimmed from both ends; every old block
// (start marker through the nearest end marker after it, with the line end the
// block wrote) removed in one pass, and the page refused when markers are left
// that still pair (nested or crossed); in insert mode the new block put in front
// of the first closing body tag that is markup (see findClosingBodyTag), or
// appended when there is none and appendWithoutBody is set, unless the text ends
// inside an element, comment or tag where the block would not run (EndsInside).
// `block` is ASCII.
RewritePlan planRewrite(std::string_view page, Mode mode, std::string_view block, bool appendWithoutBody);

} // namespace engine
