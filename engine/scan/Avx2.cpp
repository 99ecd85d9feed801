// The AVX2 kernel of the text scans.
#include "engine/scan/TextKernels.h"

#if INSERTER_X86_KERNELS
#include <immintrin.h>

namespace engine::scan {

// 32 bytes a step. With a single follower that follower is tested first: the
// followers used ('!') are rarer in pages than the lead ('<').
__attribute__((target("avx2"))) std::size_t findLeadAvx2(const char* data, std::size_t from, std::size_t end,
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
    return findLeadPlain(data, at, end, lead, followers, reach);
}

} // namespace engine::scan

#endif
