// The SSE2 kernel of the text scans: every x86-64 processor runs it.
#include "engine/scan/TextKernels.h"

#if INSERTER_X86_KERNELS
#include <immintrin.h>

namespace engine::scan {

std::size_t findLeadSse2(const char* data, std::size_t from, std::size_t end, char lead,
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
    return findLeadPlain(data, at, end, lead, followers, reach);
}

} // namespace engine::scan

#endif
