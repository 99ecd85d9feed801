#include "engine/scan/TextScan.h"

#include "engine/scan/Kernels.h"
#include "engine/scan/TextKernels.h"

#include <algorithm>
#include <cstring>

namespace engine::scan {

namespace {

constexpr std::size_t npos = std::string_view::npos;

std::size_t reachOf(std::initializer_list<Follower> followers) {
    std::size_t reach = 0;
    for (const Follower& f : followers)
        reach = std::max(reach, f.offset);
    return reach;
}

} // namespace

std::size_t findLeadPlain(const char* data, std::size_t at, std::size_t end, char lead,
                          std::initializer_list<Follower> followers, std::size_t reach) {
    for (; at < end; ++at) {
        const void* found = std::memchr(data + at, lead, end - at);
        if (!found)
            return npos;
        at = static_cast<std::size_t>(static_cast<const char*>(found) - data);
        if (at + reach >= end)
            return at;
        for (const Follower& f : followers) {
            char c = data[at + f.offset];
            if (f.folded && c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
            if (c == f.value)
                return at;
        }
    }
    return npos;
}

std::size_t findMarkupOrNul(const char* data, std::size_t from, std::size_t end) {
#if INSERTER_X86_KERNELS
    if (activeKernel() == Kernel::Avx512)
        return findMarkupOrNulAvx512(data, from, end);
#endif
    for (std::size_t at = from; at < end;) {
        // Bytes at a time with the library's own searches, then the nearer of the two.
        const std::size_t chunk = std::min(end - at, std::size_t(4096));
        const void* nul = std::memchr(data + at, 0, chunk);
        const std::size_t stop =
            nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - data) : at + chunk;
        const std::size_t lead = findLeadBytes(data, at, std::min(end, stop + 1), '<', {{1, '!', false}});
        if (lead != npos && lead < stop)
            return lead;
        if (nul)
            return stop;
        at = stop;
    }
    return npos;
}

std::size_t findLeadBytes(const char* data, std::size_t from, std::size_t end, char lead,
                          std::initializer_list<Follower> followers) {
    const std::size_t reach = reachOf(followers);
#if INSERTER_X86_KERNELS
    switch (activeKernel()) {
    case Kernel::Avx512:
    case Kernel::Avx2:
        return findLeadAvx2(data, from, end, lead, followers, reach);
    case Kernel::Sse2:
        return findLeadSse2(data, from, end, lead, followers, reach);
    case Kernel::Plain:
        break;
    }
#endif
    return findLeadPlain(data, from, end, lead, followers, reach);
}

} // namespace engine::scan
