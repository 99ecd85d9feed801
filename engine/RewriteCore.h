#pragma once

// The heart of a rewrite, for byte and UTF-16 text alike: the page's old blocks
// found and cut out, and the place of the new block, as ranges of the page.

#include "engine/PageRewriter.h"
#include "engine/scan/TextScan.h"

#include <string>
#include <string_view>
#include <vector>

namespace engine::rewrite {

using scan::Range;
using scan::Segmented;
constexpr std::size_t npos = std::string_view::npos;

template <typename C> struct Core {
    std::vector<Range> out; // ranges of the page in output order; a range with begin == npos is the block
    std::size_t blocksRemoved = 0;
    bool blockInserted = false;
    bool noBody = false;
    bool tangled = false;    // markers that do not pair into blocks: nested or crossed
    bool binary = false;     // a byte text with a NUL byte
    std::string endsInside;  // without a closing body tag: what the text ends inside, if anything
    std::vector<Range> kept; // insert mode: what the page keeps, before the block is placed
};

constexpr Range BlockRange{npos, npos};

// The page (without the spaces at either end, which stay) laid out for the mode:
// its blocks cut out and, for insert, the block placed before the closing body
// tag or, where `appendWithoutBody`, at the end. Made for char and char16_t.
template <typename C> Core<C> rewriteCore(std::basic_string_view<C> page, Mode mode, bool appendWithoutBody);

} // namespace engine::rewrite
