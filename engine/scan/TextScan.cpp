#include "engine/scan/TextScan.h"

#include "engine/scan/Kernels.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define INSERTER_X86_VECTORS 1
#endif

namespace engine::scan {

namespace {

constexpr std::size_t npos = std::string_view::npos;

std::size_t reachOf(std::initializer_list<Follower> followers) {
    std::size_t reach = 0;
    for (const Follower& f : followers)
        reach = std::max(reach, f.offset);
    return reach;
}

std::size_t scalarFrom(const char* data, std::size_t at, std::size_t end, char lead,
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

#ifdef INSERTER_X86_VECTORS

// 32 bytes a step. With a single follower that follower is tested first: the
// followers used ('!') are rarer in pages than the lead ('<').
__attribute__((target("avx2"))) std::size_t findAvx2(const char* data, std::size_t from, std::size_t end,
                                                     char lead, std::initializer_list<Follower> followers,
                                                     std::size_t reach) {
    const __m256i leads = _mm256_set1_epi8(lead);
    const __m256i caseBit = _mm256_set1_epi8(0x20);
    const bool single = followers.size() == 1;
    std::size_t at = from;
    while (at + 32 + reach <= end) {
        const char* p = data + at;
        unsigned mask;
        if (single) {
            const Follower& f = *followers.begin();
            __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + f.offset));
            if (f.folded)
                v = _mm256_or_si256(v, caseBit);
            mask =
                static_cast<unsigned>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(v, _mm256_set1_epi8(f.value))));
            if (mask != 0)
                mask &= static_cast<unsigned>(_mm256_movemask_epi8(
                    _mm256_cmpeq_epi8(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)), leads)));
        } else {
            mask = static_cast<unsigned>(_mm256_movemask_epi8(
                _mm256_cmpeq_epi8(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)), leads)));
            if (mask != 0) {
                unsigned second = 0;
                for (const Follower& f : followers) {
                    __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + f.offset));
                    if (f.folded)
                        v = _mm256_or_si256(v, caseBit);
                    second |= static_cast<unsigned>(
                        _mm256_movemask_epi8(_mm256_cmpeq_epi8(v, _mm256_set1_epi8(f.value))));
                }
                mask &= second;
            }
        }
        if (mask != 0)
            return at + static_cast<std::size_t>(__builtin_ctz(mask));
        at += 32;
    }
    // The tail below is plain code: leave the wide registers clean, or every SSE
    // instruction after this call pays for their dirty upper halves.
    _mm256_zeroupper();
    return scalarFrom(data, at, end, lead, followers, reach);
}

std::size_t findSse2(const char* data, std::size_t from, std::size_t end, char lead,
                     std::initializer_list<Follower> followers, std::size_t reach) {
    const __m128i leads = _mm_set1_epi8(lead);
    const __m128i caseBit = _mm_set1_epi8(0x20);
    std::size_t at = from;
    while (at + 16 + reach <= end) {
        const char* p = data + at;
        int mask =
            _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), leads));
        if (mask != 0) {
            int second = 0;
            for (const Follower& f : followers) {
                __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + f.offset));
                if (f.folded)
                    v = _mm_or_si128(v, caseBit);
                second |= _mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8(f.value)));
            }
            mask &= second;
            if (mask != 0)
                return at + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
        }
        at += 16;
    }
    return scalarFrom(data, at, end, lead, followers, reach);
}

__attribute__((target("avx512bw"))) std::size_t markupOrNul512(const char* data, std::size_t from,
                                                               std::size_t end) {
    std::size_t at = from;
    for (; at + 65 <= end; at += 64) {
        const __m512i v = _mm512_loadu_si512(data + at);
        const __m512i next = _mm512_loadu_si512(data + at + 1);
        const __mmask64 hits =
            _mm512_testn_epi8_mask(v, v) | (_mm512_cmpeq_epi8_mask(v, _mm512_set1_epi8('<')) &
                                            _mm512_cmpeq_epi8_mask(next, _mm512_set1_epi8('!')));
        if (hits != 0)
            return at + static_cast<std::size_t>(__builtin_ctzll(hits));
    }
    _mm256_zeroupper();
    for (; at < end; ++at) {
        if (data[at] == '\0' || (data[at] == '<' && (at + 1 == end || data[at + 1] == '!')))
            return at;
    }
    return npos;
}

#endif

} // namespace

std::size_t findMarkupOrNul(const char* data, std::size_t from, std::size_t end) {
#ifdef INSERTER_X86_VECTORS
    if (activeKernel() == Kernel::Avx512)
        return markupOrNul512(data, from, end);
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
#ifdef INSERTER_X86_VECTORS
    switch (activeKernel()) {
    case Kernel::Avx512:
    case Kernel::Avx2:
        return findAvx2(data, from, end, lead, followers, reach);
    case Kernel::Sse2:
        return findSse2(data, from, end, lead, followers, reach);
    case Kernel::Plain:
        break;
    }
#endif
    return scalarFrom(data, from, end, lead, followers, reach);
}

} // namespace engine::scan
