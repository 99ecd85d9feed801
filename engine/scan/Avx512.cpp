// The AVX-512 kernel of the text scans.
#include "engine/scan/TextKernels.h"

#if INSERTER_X86_KERNELS
#include <immintrin.h>
#include <string_view>

namespace engine::scan {

namespace {
constexpr std::size_t npos = std::string_view::npos;
} // namespace

__attribute__((target("avx512bw"))) std::size_t findMarkupOrNulAvx512(const char* data, std::size_t from,
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

} // namespace engine::scan

#endif
