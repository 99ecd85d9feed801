#pragma once

#include "engine/Result.h"

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
    PageEncoding encoding = PageEncoding::Bytes;
    std::size_t blocksRemoved = 0;
    bool blockInserted = false;
    bool changed = false;    // the new text differs from the old
    bool appended = false;   // the block goes at the end: the page has no closing body tag
    bool serverCode = false; // the page holds server code (PHP, ASP and the like)

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

// Whether the text is a search engine's proof that the site is its owner's: one
// line "google-site-verification: NAME.html" (and the like of other engines), or
// the short proofs of Yandex and Baidu in files named for them. Insert leaves it.
bool isVerificationFile(std::string_view fileName, std::string_view contents);

// Plans the rewrite of one page: spaces trimmed from both ends; every old block
// (start marker through the nearest end marker after it, with the line end the
// block wrote) removed in one pass, and the page refused when markers are left
// that still pair (nested or crossed); in insert mode the new block put in front
// of the first closing body tag that is markup (see findClosingBodyTag), or
// appended when there is none and the file name has a page extension, unless the
// text ends inside an element, comment or tag where the block would not run
// (EndsInside). Insert mode changes web pages only (see isWebPage). Fails, with
// the reason, for a page that is not rewritten: binary, UTF-32 or broken UTF-16
// text, tangled markers, and the refusals above. `block` is ASCII.
Result<RewritePlan> planRewrite(std::string_view page, Mode mode, std::string_view block,
                                std::string_view fileName);

} // namespace engine
