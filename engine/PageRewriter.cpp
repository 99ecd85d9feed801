#include "engine/PageRewriter.h"

#include "engine/RewriteCore.h"
#include "engine/ServerCode.h"
#include "engine/TrackingBlock.h"
#include "engine/Utf16.h"
#include "engine/scan/HtmlScan.h"
#include "engine/scan/TextScan.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <optional>

namespace engine {

namespace {

using rewrite::Core;
using rewrite::npos;
using rewrite::Range;
using rewrite::rewriteCore;

} // namespace

namespace {

// Whether the text (ASCII-compatible units) opens, after white space, with `key`
// in any letter case.
template <typename C> bool opensWith(std::basic_string_view<C> text, std::string_view key) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == C(' ') || text[at] == C('\t') || text[at] == C('\n') ||
                                text[at] == C('\r') || text[at] == C('\f')))
        ++at;
    if (text.size() - at < key.size())
        return false;
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (scan::upperAscii(text[at + i]) != C(scan::upperAscii(key[i])))
            return false;
    }
    return true;
}

} // namespace

bool hasPageExtension(std::string_view fileName) {
    return scan::endsWithAny(fileName, {".HTM", ".HTML", ".SHTM", ".SHTML"});
}

bool isWebPage(std::string_view fileName, std::string_view contents) {
    if (hasPageExtension(fileName) ||
        scan::endsWithAny(fileName,
                          {".XHTML", ".XHT", ".PHP", ".PHTML", ".ASP", ".ASPX", ".JSP", ".CFM", ".INC",
                           ".SSI", ".TPL", ".TWIG", ".ERB", ".EJS", ".HBS", ".MUSTACHE", ".NJK", ".LIQUID"}))
        return true;
    const std::string_view head = contents.substr(0, 4096);
    const ByteOrderMark mark = byteOrderMark(head);
    if (mark == ByteOrderMark::Utf16LE || mark == ByteOrderMark::Utf16BE || mark == ByteOrderMark::Utf32LE) {
        const std::u16string units = decodeUtf16(head.substr(2), mark == ByteOrderMark::Utf16BE);
        return opensWith<char16_t>(units, "<!doctype html") || opensWith<char16_t>(units, "<html");
    }
    const std::string_view text = head.substr(0, 3) == "\xEF\xBB\xBF" ? head.substr(3) : head;
    return opensWith(text, "<!doctype html") || opensWith(text, "<html");
}

std::vector<std::string_view> RewritePlan::pieces(std::string_view page) const {
    std::vector<std::string_view> views;
    views.reserve(m_pieces.size());
    for (const Piece& p : m_pieces)
        views.push_back((p.owned ? std::string_view(m_owned) : page).substr(p.begin, p.size));
    return views;
}

std::size_t RewritePlan::size() const {
    std::size_t total = 0;
    for (const Piece& p : m_pieces)
        total += p.size;
    return total;
}

std::string RewritePlan::text(std::string_view page) const {
    std::string out;
    out.reserve(size());
    for (const auto view : pieces(page))
        out += view;
    return out;
}

namespace {

Failure refusal(Failure::Kind kind, std::string reason) {
    return Failure{kind, std::move(reason)};
}

// Why the core found the page not to be rewritten, if it did.
template <typename C>
Result<void> refusedByCore(const Core<C>& core, std::string_view fileName, std::string_view page) {
    if (core.tangled)
        return refusal(Failure::Kind::TangledMarkers,
                       "its tracking code markers are nested or crossed, so it was left as it is; tidy them "
                       "by hand, then run again");
    if (core.noBody)
        return refusal(
            Failure::Kind::NoClosingBody,
            isWebPage(fileName, page)
                ? "no closing body tag (only .htm, .html, .shtm and .shtml pages get the code at their end)"
                : "no closing body tag, and not a web page by its name");
    if (!core.endsInside.empty())
        return refusal(Failure::Kind::EndsInside,
                       "the page ends inside " + core.endsInside + ", where the code would not run");
    return {};
}

// Whether taking the old blocks out would join a '<' and a '?' or '%' into the
// opening of server code that the page did not have: the next run would read the
// page otherwise. Such a page is left for tidying by hand.
template <typename C> Result<void> refusedForJoins(const Core<C>& core, std::basic_string_view<C> page) {
    const Range* before = nullptr;
    for (const Range& r : core.out) {
        if (r.begin == npos || r.begin == r.end)
            continue;
        if (before && before->end != r.begin && page[before->end - 1] == C('<') &&
            (page[r.begin] == C('?') || page[r.begin] == C('%')))
            return refusal(
                Failure::Kind::TangledMarkers,
                "taking its old tracking code out would open server code, so it was left as it is; "
                "tidy it by hand, then run again");
        before = &r;
    }
    return {};
}

// UTF-16 units as bytes, one for one: ASCII as it is, anything else a byte
// beyond ASCII, as a page of bytes has them.
std::string narrowedUnits(std::u16string_view units) {
    std::string narrow(units.size(), '\x80');
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (units[i] < 0x80)
            narrow[i] = static_cast<char>(units[i]);
    }
    return narrow;
}

// Where the server code of a page leaves no place for the block that runs: its
// only closing body tag written by the code, or the text ending inside code.
template <typename C>
Result<void> refusedForServerCode(const Core<C>& core, const ServerCode& code,
                                  std::basic_string_view<C> page) {
    const bool appended = core.blockInserted && !core.out.empty() && core.out.back().begin == npos;
    if (!core.noBody && !appended)
        return {};
    // The page as markup reads it with its code and without its old blocks.
    std::basic_string<C> kept;
    for (const Range& r : core.kept)
        kept.append(page.substr(r.begin, r.size()));
    if (findClosingBodyTag(std::basic_string_view<C>(kept)) != npos)
        return refusal(Failure::Kind::ServerWritten,
                       "the closing body tag is written by server code; put the code there by hand");
    if (appended && code.open)
        return refusal(Failure::Kind::EndsInside,
                       "the page ends inside server code, where the code would not run");
    return {};
}

// A page of bytes: its new text as pieces of the old one and the block. Server
// code is read as its language reads it and never searched for markup.
Result<RewritePlan> planBytes(std::string_view page, Mode mode, std::string_view block,
                              std::string_view fileName) {
    RewritePlan plan;
    const ServerCode code = findServerCode(page, fileName);
    // A NUL byte makes the file no text, inside server code too.
    if (!code.empty() && std::memchr(page.data(), 0, page.size()) != nullptr)
        return refusal(Failure::Kind::Binary, "a binary file, not a web page");
    std::string storage;
    const Core<char> core =
        rewriteCore<char>(withoutServerCode(page, code, storage), mode, hasPageExtension(fileName));
    if (core.binary)
        return refusal(Failure::Kind::Binary, "a binary file, not a web page");
    if (!code.empty() && mode == Mode::Insert) {
        if (const Result<void> refused = refusedForServerCode<char>(core, code, page); !refused)
            return refused.failure();
    }
    if (const Result<void> refused = refusedByCore(core, fileName, page); !refused)
        return refused.failure();
    if (const Result<void> refused = refusedForJoins<char>(core, page); !refused)
        return refused.failure();
    plan.blocksRemoved = core.blocksRemoved;
    plan.blockInserted = core.blockInserted;
    plan.appended = core.blockInserted && !core.out.empty() && core.out.back().begin == npos;
    plan.serverCode = !code.empty();
    plan.m_owned = std::string(block);
    std::size_t compared = 0;
    bool same = true;
    for (const Range& r : core.out) {
        const bool isBlock = r.begin == npos;
        const RewritePlan::Piece piece{isBlock, isBlock ? 0 : r.begin, isBlock ? block.size() : r.size()};
        if (piece.size == 0)
            continue;
        plan.m_pieces.push_back(piece);
        if (same) {
            // Pieces taken from where they stood are equal by construction.
            if (compared + piece.size > page.size())
                same = false;
            else if (isBlock || r.begin != compared)
                same = page.substr(compared, piece.size) ==
                       (isBlock ? block : page.substr(piece.begin, piece.size));
            compared += piece.size;
        }
    }
    plan.changed = !(same && compared == page.size());
    // Never turn a page of bytes into one that the next run would read as UTF-16.
    const auto views = plan.pieces(page);
    std::string opening;
    for (auto v = views.begin(); v != views.end() && opening.size() < 2; ++v)
        opening += v->substr(0, 2 - opening.size());
    if (opening == "\xFF\xFE" || opening == "\xFE\xFF")
        return refusal(Failure::Kind::WouldTurnUtf16,
                       "once changed, its first bytes would read as a UTF-16 byte-order mark");
    return plan;
}

// A UTF-16 page: its byte-order mark kept, the text after it rewritten, the new
// text held whole in the plan.
Result<RewritePlan> planUtf16(std::string_view page, Mode mode, std::string_view block,
                              std::string_view fileName, bool be) {
    RewritePlan plan;
    plan.encoding = be ? PageEncoding::Utf16BE : PageEncoding::Utf16LE;
    if (page.size() % 2 != 0)
        return refusal(Failure::Kind::BadUtf16, "marked as UTF-16 but has an odd number of bytes");
    const std::u16string units = decodeUtf16(page.substr(2), be);
    // Server code is found as in a page of bytes, on the units narrowed one to one.
    const ServerCode code = findServerCode(narrowedUnits(units), fileName);
    std::u16string masked;
    if (!code.empty()) {
        masked = units;
        for (const ServerCode::Region& region : code.regions)
            std::replace_if(
                masked.begin() + std::ptrdiff_t(region.begin), masked.begin() + std::ptrdiff_t(region.end),
                [](char16_t unit) { return unit != u' '; }, u'x');
    }
    const Core<char16_t> core =
        rewriteCore<char16_t>(code.empty() ? units : masked, mode, hasPageExtension(fileName));
    if (!code.empty() && mode == Mode::Insert) {
        if (const Result<void> refused = refusedForServerCode<char16_t>(core, code, units); !refused)
            return refused.failure();
    }
    if (const Result<void> refused = refusedByCore(core, fileName, page); !refused)
        return refused.failure();
    if (const Result<void> refused = refusedForJoins<char16_t>(core, units); !refused)
        return refused.failure();
    plan.blocksRemoved = core.blocksRemoved;
    plan.blockInserted = core.blockInserted;
    plan.appended = core.blockInserted && !core.out.empty() && core.out.back().begin == npos;
    plan.serverCode = !code.empty();
    std::string& out = plan.m_owned;
    out.reserve(page.size() + 2 * block.size());
    out.append(page.substr(0, 2));
    for (const Range& r : core.out) {
        if (r.begin == npos) {
            for (const char c : block)
                appendUtf16(out, static_cast<char16_t>(static_cast<unsigned char>(c)), be);
        } else {
            for (std::size_t i = r.begin; i < r.end; ++i)
                appendUtf16(out, units[i], be);
        }
    }
    if (!out.empty())
        plan.m_pieces.push_back(RewritePlan::Piece{true, 0, out.size()});
    plan.changed = std::string_view(out) != page;
    return plan;
}

} // namespace

namespace {

Result<RewritePlan> planText(std::string_view page, Mode mode, std::string_view block,
                             std::string_view fileName) {
    switch (byteOrderMark(page)) {
    case ByteOrderMark::Utf32LE:
        return refusal(Failure::Kind::Utf32, "UTF-32 text, which this program does not rewrite");
    case ByteOrderMark::Utf16LE:
        return planUtf16(page, mode, block, fileName, false);
    case ByteOrderMark::Utf16BE:
        return planUtf16(page, mode, block, fileName, true);
    case ByteOrderMark::None:
        break;
    }
    return planBytes(page, mode, block, fileName);
}

} // namespace

bool isVerificationFile(std::string_view fileName, std::string_view contents) {
    std::size_t lo = 0;
    std::size_t hi = contents.size();
    while (lo < hi && std::strchr(" \t\r\n", contents[lo]))
        ++lo;
    while (hi > lo && std::strchr(" \t\r\n", contents[hi - 1]))
        --hi;
    const std::string_view text = contents.substr(lo, hi - lo);
    if (text.empty() || text.size() > 512)
        return false;
    const std::string_view name = fileName.substr(fileName.find_last_of("/\\") + 1);
    // "google-site-verification: google1234abcd.html", and the like of other engines.
    const std::size_t colon = text.find("-site-verification: ");
    if (colon != std::string_view::npos && text.find('\n') == std::string_view::npos &&
        std::all_of(text.begin(), text.begin() + colon,
                    [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-'; }))
        return true;
    const auto named = [&](std::string_view prefix) {
        return name.size() > prefix.size() && name.substr(0, prefix.size()) == prefix;
    };
    return (named("yandex_") && text.find("Verification: ") != std::string_view::npos) ||
           (named("baidu_verify_") && text.find('<') == std::string_view::npos);
}

Result<RewritePlan> planRewrite(std::string_view page, Mode mode, std::string_view block,
                                std::string_view fileName) {
    Result<RewritePlan> plan = planText(page, mode, block, fileName);
    // A page that could be planned may still be a search engine's proof, in either encoding.
    if (plan && mode == Mode::Insert) {
        const ByteOrderMark mark = byteOrderMark(page);
        const bool wide = mark == ByteOrderMark::Utf16LE || mark == ByteOrderMark::Utf16BE;
        // A proof is a line: a large UTF-16 page is none, and is not decoded again for it.
        const bool proof =
            wide ? page.size() <= (std::size_t(1) << 20) &&
                       isVerificationFile(fileName, narrowedUnits(decodeUtf16(
                                                        page.substr(2), mark == ByteOrderMark::Utf16BE)))
                 : isVerificationFile(fileName, page);
        if (proof)
            return refusal(Failure::Kind::NotWebPage, "a search engine's verification file");
    }
    // A script, style sheet, feed or text file that mentions a body tag is no page.
    if (plan && mode == Mode::Insert && !isWebPage(fileName, page))
        return refusal(Failure::Kind::NotWebPage, "not a web page, by its name or by its first bytes");
    return plan;
}

} // namespace engine
