#include "engine/RewriteCore.h"

#include "engine/TrackingBlock.h"
#include "engine/scan/HtmlScan.h"

#include <algorithm>
#include <cstring>

namespace engine::rewrite {

namespace {

// Pairs markers (positions in t, ascending) into blocks: each end marker with the
// start key nearest before it, back to the previous block; the block takes the line
// end it wrote after its end marker. Markers without a partner stay.
template <typename C>
std::vector<Range> pairBlocks(const Segmented<C>& t, const std::vector<std::size_t>& starts,
                              const std::vector<std::size_t>& ends) {
    std::vector<Range> blocks;
    std::size_t pos = 0;
    auto start = starts.begin();
    for (const std::size_t end : ends) {
        if (end < pos)
            continue;
        while (start != starts.end() && *start < pos)
            ++start;
        auto nearest = starts.end();
        while (start != starts.end() && *start < end)
            nearest = start++;
        std::size_t stop = end + EndMarker.size();
        if (nearest != starts.end()) {
            if (t.matchesAt(stop, "\r\n"))
                stop += 2;
            else if (t.matchesAt(stop, "\n"))
                stop += 1;
            blocks.push_back(Range{*nearest, stop});
        }
        pos = stop;
    }
    return blocks;
}

// The ranges of the page that t keeps once the blocks (positions in t, ascending,
// disjoint) are cut out.
template <typename C> std::vector<Range> cut(const Segmented<C>& t, const std::vector<Range>& blocks) {
    std::vector<Range> kept;
    auto block = blocks.begin();
    std::size_t logical = 0;
    for (const Range& r : t.kept()) {
        std::size_t from = logical;
        const std::size_t to = logical + r.size();
        while (from < to) {
            while (block != blocks.end() && block->end <= from)
                ++block;
            const std::size_t stop = block == blocks.end() ? to : std::min(to, std::max(from, block->begin));
            if (stop > from)
                kept.push_back(Range{r.begin + (from - logical), r.begin + (stop - logical)});
            from = block == blocks.end() ? to : std::max(stop, std::min(to, block->end));
        }
        logical = to;
    }
    return kept;
}

// Whether the text would open like another encoding once its leading spaces are
// gone: a byte text with what reads as a UTF-16 byte-order mark, or the text after
// a UTF-16 mark with a NUL, which would make "FF FE 00 00" read as UTF-32.
template <typename C> bool opensLikeUtf16(const Segmented<C>& t) {
    if constexpr (sizeof(C) == 1)
        return t.matchesAt(0, "\xFF\xFE") || t.matchesAt(0, "\xFE\xFF");
    return t.size() > 0 && t.matchesAt(0, std::string_view("\0", 1));
}

// Lays out what the page keeps with the block before the closing body tag at
// bodyAt (a page position; npos when there is none). Without one, the block is
// appended only where it would run: not inside an element, comment or tag that
// the text ends in (`endsInside`).
template <typename C>
void placeBlock(Core<C>& core, std::vector<Range> kept, std::size_t bodyAt, bool appendWithoutBody,
                std::string endsInside) {
    if (bodyAt == npos) {
        if (!appendWithoutBody) {
            core.noBody = true;
            return;
        }
        if (!endsInside.empty()) {
            core.endsInside = std::move(endsInside);
            return;
        }
        core.out = std::move(kept);
        core.out.push_back(BlockRange);
    } else {
        for (const Range& r : kept) {
            if (r.end <= bodyAt) {
                core.out.push_back(r);
            } else if (r.begin >= bodyAt) {
                if (r.begin == bodyAt)
                    core.out.push_back(BlockRange);
                core.out.push_back(r);
            } else {
                core.out.push_back(Range{r.begin, bodyAt});
                core.out.push_back(BlockRange);
                core.out.push_back(Range{bodyAt, r.end});
            }
        }
    }
    core.blockInserted = true;
}

bool isMarkerAt(std::string_view text, std::size_t at) {
    const Segmented<char> t(text, {Range{0, text.size()}});
    return t.matchesAt(at, SearchKey) || t.matchesAt(at, EndMarker);
}

// Every start key and end marker of the trimmed text, in one pass; for bytes the
// same pass finds a NUL, which makes the page no text at all (then false).
template <typename C>
bool findMarkers(std::basic_string_view<C> page, std::size_t lo, std::size_t hi,
                 std::vector<std::size_t>& starts, std::vector<std::size_t>& ends) {
    const Segmented<C> trimmed(page, {Range{lo, hi}});
    const auto marker = [&](std::size_t at) {
        if (trimmed.matchesAt(at, SearchKey))
            starts.push_back(at);
        else if (trimmed.matchesAt(at, EndMarker))
            ends.push_back(at);
    };
    if constexpr (sizeof(C) == 1) {
        for (std::size_t at = scan::findMarkupOrNul(page.data(), lo, hi); at != npos;
             at = scan::findMarkupOrNul(page.data(), at + 1, hi)) {
            if (page[at] == '\0')
                return false;
            marker(at - lo);
        }
    } else {
        for (std::size_t at = trimmed.findLead(C('<'), {{1, '!', false}}, 0); at != npos;
             at = trimmed.findLead(C('<'), {{1, '!', false}}, at + 1))
            marker(at);
    }
    return true;
}

// The text with every old block cut out, and the spaces around a block at either
// end trimmed as well, so that the next run finds nothing more to trim. Sets
// `tangled` when start markers are still left before end markers.
template <typename C>
std::vector<Range> withoutBlocks(std::basic_string_view<C> page, std::size_t lo, std::size_t hi,
                                 const std::vector<Range>& blocks, bool& tangled) {
    const Segmented<C> trimmed(page, {Range{lo, hi}});
    std::vector<Range> kept = cut(trimmed, blocks);
    // One pass takes out every block. A start marker still before an end marker
    // (left over, or formed where a block was cut out) means the markers were
    // nested or crossed: which text is the user's cannot be told, so the page is
    // left for its owner to tidy.
    const Segmented<C> rest(page, kept);
    const std::size_t firstStart = rest.findKey(SearchKey, 0);
    if (firstStart != npos && rest.findKey(EndMarker, firstStart) != npos) {
        tangled = true;
        return kept;
    }
    std::vector<Range> front = kept;
    while (!front.empty() && page[front.front().begin] == C(' ')) {
        if (++front.front().begin == front.front().end)
            front.erase(front.begin());
    }
    if (!opensLikeUtf16(Segmented<C>(page, front)))
        kept = std::move(front);
    while (!kept.empty() && page[kept.back().end - 1] == C(' ')) {
        if (--kept.back().end == kept.back().begin)
            kept.pop_back();
    }
    return kept;
}

// The closing body tag as HTML reads what is kept of the page, as a place in the page.
template <typename C>
std::size_t closingBodyOf(std::basic_string_view<C> page, const std::vector<Range>& kept,
                          std::string& endsInside) {
    ClosingBody found{npos, {}};
    std::size_t bodyAt = npos;
    if (kept.size() == 1) {
        found = findClosingBody(page.substr(kept.front().begin, kept.front().size()));
        bodyAt = found.at == npos ? npos : kept.front().begin + found.at;
    } else if (kept.size() > 1) {
        const Segmented<C> text(page, kept);
        std::basic_string<C> joined;
        joined.reserve(text.size());
        for (const Range& r : kept)
            joined.append(page.substr(r.begin, r.size()));
        found = findClosingBody(std::basic_string_view<C>(joined));
        bodyAt = found.at == npos ? npos : text.pagePos(found.at);
    }
    endsInside = std::move(found.endsInside);
    return bodyAt;
}

} // namespace

template <typename C> Core<C> rewriteCore(std::basic_string_view<C> page, Mode mode, bool appendWithoutBody) {
    Core<C> core;
    // Only spaces are trimmed; tabs and line ends at either end stay.
    std::size_t lo = 0;
    std::size_t hi = page.size();
    while (lo < hi && page[lo] == C(' '))
        ++lo;
    while (hi > lo && page[hi - 1] == C(' '))
        --hi;
    // Bytes that read as a UTF-16 byte-order mark once the spaces before them are
    // gone would make the next run take the page for UTF-16: keep those spaces.
    if (opensLikeUtf16(Segmented<C>(page, {Range{lo, hi}})))
        lo = 0;
    if constexpr (sizeof(C) == 1) {
        // Most pages hold no old block and no NUL: one pass reads such a page as
        // HTML and makes sure of that.
        if (mode == Mode::Insert && hi > lo) {
            BodyTagSweep sweep = sweepForClosingBodyTag(page.substr(lo, hi - lo), &isMarkerAt);
            if (sweep.clean) {
                core.kept = {Range{lo, hi}};
                placeBlock(core, {Range{lo, hi}}, sweep.body == npos ? npos : lo + sweep.body,
                           appendWithoutBody, std::move(sweep.endsInside));
                return core;
            }
        }
    }
    std::vector<std::size_t> starts;
    std::vector<std::size_t> ends;
    if (!findMarkers(page, lo, hi, starts, ends)) {
        core.binary = true;
        return core;
    }
    std::vector<Range> kept;
    if (hi > lo)
        kept.push_back(Range{lo, hi});
    const std::vector<Range> blocks = pairBlocks(Segmented<C>(page, {Range{lo, hi}}), starts, ends);
    core.blocksRemoved = blocks.size();
    if (!blocks.empty())
        kept = withoutBlocks(page, lo, hi, blocks, core.tangled);
    if (core.tangled)
        return core;
    if (mode == Mode::Remove) {
        core.out = std::move(kept);
        return core;
    }
    std::string endsInside;
    const std::size_t bodyAt = closingBodyOf(page, kept, endsInside);
    core.kept = kept;
    placeBlock(core, std::move(kept), bodyAt, appendWithoutBody, std::move(endsInside));
    return core;
}

template Core<char> rewriteCore<char>(std::string_view page, Mode mode, bool appendWithoutBody);
template Core<char16_t> rewriteCore<char16_t>(std::u16string_view page, Mode mode, bool appendWithoutBody);

} // namespace engine::rewrite
