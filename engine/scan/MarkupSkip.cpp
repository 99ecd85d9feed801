#include "engine/scan/MarkupSkip.h"

#include "engine/scan/Kernels.h"
#include "engine/scan/SkipBlocks.h"

namespace engine::scan {

#if INSERTER_SKIP_KERNELS

namespace {

using namespace skipping;

template <std::size_t (*run)(const char*, std::size_t, std::size_t, Blocks&)>
std::size_t skip(const char* text, std::size_t size, std::size_t from, bool& nulOrBang) {
    Blocks blocks(from);
    std::size_t stop = run(text, size, from, blocks);
    nulOrBang = blocks.passedNulOrBang();
    // A text that ends inside a tag is left to the tokenizer from that tag on.
    return stop == npos ? blocks.unfinishedTag() : stop;
}

} // namespace

std::vector<MarkupSkip> markupSkips() {
    std::vector<MarkupSkip> skips;
    if (runs(Kernel::Avx512))
        skips.push_back(&skip<skip512Blocks>);
    if (runs(Kernel::Avx2))
        skips.push_back(&skip<skip256Blocks>);
    return skips;
}

#else

std::vector<MarkupSkip> markupSkips() {
    return {};
}

#endif

MarkupSkip markupSkip() {
#if INSERTER_SKIP_KERNELS
    switch (activeKernel()) {
    case Kernel::Avx512:
        return &skip<skip512Blocks>;
    case Kernel::Avx2:
        return &skip<skip256Blocks>;
    case Kernel::Sse2:
    case Kernel::Plain:
        break;
    }
#endif
    return nullptr;
}

} // namespace engine::scan
