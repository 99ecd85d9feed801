#include "engine/PageRewriter.h"

#include "engine/TextScan.h"
#include "engine/TrackingBlock.h"

#include <cstring>

namespace engine {

namespace {

using scan::Range;
using scan::Segmented;
constexpr std::size_t npos = std::string_view::npos;

// The first closing body tag that is markup: not inside a comment, nor inside a
// script or style element, whose content is text to the browser.
template <typename C> std::size_t findClosingBody(const Segmented<C>& t)
{
    static constexpr std::string_view rawText[] = {"<SCRIPT", "<STYLE"};
    static constexpr std::string_view rawTextEnd[] = {"</SCRIPT", "</STYLE"};
    std::size_t pos = 0;
    while (true) {
        const std::size_t lt = t.find(C('<'), pos);
        if (lt == npos)
            return npos;
        if (t.matchesAt(lt, "<!--")) {
            const std::size_t close = t.findKey("-->", lt + 4);
            if (close == npos)
                return npos;
            pos = close + 3;
            continue;
        }
        if (t.matchesAt(lt, "</BODY>"))
            return lt;
        bool skipped = false;
        for (int k = 0; k < 2 && !skipped; ++k) {
            if (!t.matchesAt(lt, rawText[k]))
                continue;
            const std::size_t after = lt + rawText[k].size();
            // "<scripts>" or "<styles" are other tags; a name ends at a blank, '>' or '/'.
            const bool nameEnds = after >= t.size() || t.matchesAt(after, ">") || t.matchesAt(after, "/") ||
                                  t.matchesAt(after, " ") || t.matchesAt(after, "\t") ||
                                  t.matchesAt(after, "\r") || t.matchesAt(after, "\n") ||
                                  t.matchesAt(after, "\f");
            if (!nameEnds)
                continue;
            const std::size_t close = t.findKey(rawTextEnd[k], after);
            if (close == npos)
                return npos;
            pos = close + rawTextEnd[k].size();
            skipped = true;
        }
        if (!skipped)
            pos = lt + 1;
    }
}

template <typename C> struct Core {
    std::vector<Range> out; // ranges of the page in output order; a range with begin == npos is the block
    std::size_t blocksRemoved = 0;
    bool blockInserted = false;
    bool noBody = false;
};

constexpr Range BlockRange{npos, npos};

template <typename C> Core<C> rewriteCore(std::basic_string_view<C> page, Mode mode, bool appendWithoutBody)
{
    Core<C> core;

    // Only spaces are trimmed; tabs and line ends at either end stay.
    std::size_t lo = 0;
    std::size_t hi = page.size();
    while (lo < hi && page[lo] == C(' '))
        ++lo;
    while (hi > lo && page[hi - 1] == C(' '))
        --hi;

    // Old blocks, each from the start marker nearest before an end marker to that end marker.
    const Segmented<C> trimmed(page, {Range{lo, hi}});
    std::vector<Range> removed;
    std::size_t pos = 0;
    std::size_t nextStart = trimmed.findKey(SearchKey, 0);
    while (nextStart != npos) {
        const std::size_t end = trimmed.findKey(EndMarker, pos);
        if (end == npos)
            break;
        std::size_t start = npos;
        while (nextStart != npos && nextStart < end) {
            start = nextStart;
            nextStart = trimmed.findKey(SearchKey, nextStart + 1);
        }
        std::size_t stop = end + EndMarker.size();
        if (start != npos) {
            if (trimmed.matchesAt(stop, "\r\n"))
                stop += 2;
            else if (trimmed.matchesAt(stop, "\n"))
                stop += 1;
            removed.push_back(Range{lo + start, lo + stop});
            if (nextStart != npos && nextStart < stop)
                nextStart = trimmed.findKey(SearchKey, stop);
        }
        pos = stop;
    }
    core.blocksRemoved = removed.size();

    std::vector<Range> kept;
    std::size_t from = lo;
    for (const Range& r : removed) {
        if (r.begin > from)
            kept.push_back(Range{from, r.begin});
        from = r.end;
    }
    if (hi > from)
        kept.push_back(Range{from, hi});

    if (mode == Mode::Remove) {
        core.out = std::move(kept);
        return core;
    }

    const Segmented<C> text(page, kept);
    const std::size_t body = findClosingBody(text);
    if (body == npos) {
        if (!appendWithoutBody) {
            core.noBody = true;
            return core;
        }
        core.out = std::move(kept);
        core.out.push_back(BlockRange);
    } else {
        const std::size_t at = text.pagePos(body);
        for (const Range& r : kept) {
            if (r.end <= at) {
                core.out.push_back(r);
            } else if (r.begin >= at) {
                if (r.begin == at)
                    core.out.push_back(BlockRange);
                core.out.push_back(r);
            } else {
                core.out.push_back(Range{r.begin, at});
                core.out.push_back(BlockRange);
                core.out.push_back(Range{at, r.end});
            }
        }
    }
    core.blockInserted = true;
    return core;
}

std::u16string decodeUtf16(std::string_view bytes, bool bigEndian)
{
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        const auto b0 = static_cast<unsigned char>(bytes[2 * i]);
        const auto b1 = static_cast<unsigned char>(bytes[2 * i + 1]);
        units[i] = static_cast<char16_t>(bigEndian ? (b0 << 8) | b1 : (b1 << 8) | b0);
    }
    return units;
}

void appendUtf16(std::string& out, char16_t unit, bool bigEndian)
{
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    out.push_back(bigEndian ? high : low);
    out.push_back(bigEndian ? low : high);
}

} // namespace

bool hasPageExtension(std::string_view fileName)
{
    static constexpr std::string_view extensions[] = {".HTM", ".HTML", ".SHTM", ".SHTML"};
    for (const auto ext : extensions) {
        if (fileName.size() < ext.size())
            continue;
        const auto tail = fileName.substr(fileName.size() - ext.size());
        bool same = true;
        for (std::size_t i = 0; i < ext.size() && same; ++i)
            same = scan::upperAscii(tail[i]) == ext[i];
        if (same)
            return true;
    }
    return false;
}

std::vector<std::string_view> RewritePlan::pieces(std::string_view page) const
{
    std::vector<std::string_view> views;
    views.reserve(m_pieces.size());
    for (const Piece& p : m_pieces)
        views.push_back((p.owned ? std::string_view(m_owned) : page).substr(p.begin, p.size));
    return views;
}

std::size_t RewritePlan::size() const
{
    std::size_t total = 0;
    for (const Piece& p : m_pieces)
        total += p.size;
    return total;
}

std::string RewritePlan::text(std::string_view page) const
{
    std::string out;
    out.reserve(size());
    for (const auto view : pieces(page))
        out += view;
    return out;
}

RewritePlan planRewrite(std::string_view page, Mode mode, std::string_view block, bool appendWithoutBody)
{
    RewritePlan plan;
    const bool le = page.size() >= 2 && page[0] == '\xFF' && page[1] == '\xFE';
    const bool be = page.size() >= 2 && page[0] == '\xFE' && page[1] == '\xFF';

    if (!le && !be) {
        if (std::memchr(page.data(), 0, page.size()) != nullptr) {
            plan.status = RewritePlan::Status::Binary;
            return plan;
        }
        const Core<char> core = rewriteCore<char>(page, mode, appendWithoutBody);
        if (core.noBody) {
            plan.status = RewritePlan::Status::NoClosingBody;
            return plan;
        }
        plan.blocksRemoved = core.blocksRemoved;
        plan.blockInserted = core.blockInserted;
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
        return plan;
    }

    plan.encoding = be ? PageEncoding::Utf16BE : PageEncoding::Utf16LE;
    if (page.size() % 2 != 0) {
        plan.status = RewritePlan::Status::BadUtf16;
        return plan;
    }
    // The byte-order mark is no part of the text: it is kept, and the text after it rewritten.
    const std::u16string units = decodeUtf16(page.substr(2), be);
    const Core<char16_t> core = rewriteCore<char16_t>(units, mode, appendWithoutBody);
    if (core.noBody) {
        plan.status = RewritePlan::Status::NoClosingBody;
        return plan;
    }
    plan.blocksRemoved = core.blocksRemoved;
    plan.blockInserted = core.blockInserted;
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

} // namespace engine
