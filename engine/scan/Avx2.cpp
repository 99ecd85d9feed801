// The AVX2 kernel: the text scans, and the skip over plain markup.
#include "engine/scan/SkipBlocks.h"
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

namespace skipping {

namespace {

// For AVX2: tables for the byte shuffles, by the low or high half of a byte.
// White space: the one white-space byte with that low half, or 0 (which no byte
// with a nonzero low half equals; the only byte with low half 0 that matches is
// ' ').
alignas(16) constexpr unsigned char WsTable[16] = {0x20, 0,    0,    0, 0,    0,    0, 0,
                                                   0,    0x09, 0x0a, 0, 0x0c, 0x0d, 0, 0};
// The names that need the tokenizer, by their first two letters (folded to lower
// case), one bit each: sc(ript), st(yle), xm(p) or /b(ody), if(rame), no(embed,
// frames, script), ti(tle), te(xtarea, mplate), pl(aintext). A byte stands for bit
// k when both its halves do; the tables let through "(" and DEL besides, which
// only costs a stop.
alignas(16) constexpr unsigned char FirstLow[16] = {0x80, 0,    0, 0x03, 0x60, 0, 0,    0,
                                                    0x04, 0x08, 0, 0,    0,    0, 0x10, 0x04};
alignas(16) constexpr unsigned char FirstHigh[16] = {0, 0, 0x04, 0, 0, 0, 0x18, 0xE7, 0, 0, 0, 0, 0, 0, 0, 0};
alignas(16) constexpr unsigned char SecondLow[16] = {0, 0,    0x04, 0x01, 0x02, 0x40, 0x08, 0,
                                                     0, 0x20, 0,    0,    0x80, 0x04, 0,    0x10};
alignas(16) constexpr unsigned char SecondHigh[16] = {0, 0, 0, 0, 0, 0, 0xFD, 0x02, 0, 0, 0, 0, 0, 0, 0, 0};

inline __m128i table(const unsigned char* bytes) {
    return _mm_load_si128(reinterpret_cast<const __m128i*>(bytes));
}

// The same in two halves of 32 bytes.
__attribute__((target("avx2"), always_inline)) inline std::uint64_t bits256(const __m256i (&v)[2]) {
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(v[0])) |
           (static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm256_movemask_epi8(v[1]))) << 32);
}

__attribute__((target("avx2"), always_inline)) inline std::uint64_t is256(const __m256i (&v)[2], char c) {
    const __m256i cs = _mm256_set1_epi8(c);
    const __m256i both[2] = {_mm256_cmpeq_epi8(v[0], cs), _mm256_cmpeq_epi8(v[1], cs)};
    return bits256(both);
}

__attribute__((target("avx2"), always_inline)) inline std::uint64_t isSpace256(const __m256i (&v)[2]) {
    const __m256i ws = _mm256_broadcastsi128_si256(table(WsTable));
    const __m256i both[2] = {_mm256_cmpeq_epi8(_mm256_shuffle_epi8(ws, v[0]), v[0]),
                             _mm256_cmpeq_epi8(_mm256_shuffle_epi8(ws, v[1]), v[1])};
    return bits256(both);
}

__attribute__((target("avx2"), always_inline)) inline std::uint64_t isLetter256(const __m256i (&folded)[2]) {
    __m256i both[2];
    for (int h = 0; h < 2; ++h) {
        const __m256i offset = _mm256_sub_epi8(folded[h], _mm256_set1_epi8('a'));
        both[h] = _mm256_cmpeq_epi8(_mm256_min_epu8(offset, _mm256_set1_epi8('z' - 'a')), offset);
    }
    return bits256(both);
}

__attribute__((target("avx2"), always_inline)) inline __m256i lookUp256(__m256i v, const unsigned char* low,
                                                                        const unsigned char* high) {
    const __m256i nibble = _mm256_set1_epi8(0x0f);
    return _mm256_and_si256(
        _mm256_shuffle_epi8(_mm256_broadcastsi128_si256(table(low)), _mm256_and_si256(v, nibble)),
        _mm256_shuffle_epi8(_mm256_broadcastsi128_si256(table(high)),
                            _mm256_and_si256(_mm256_srli_epi16(v, 4), nibble)));
}

__attribute__((target("avx2"), always_inline)) inline Classes classify256(const char* p) {
    __m256i v[2], next1[2], next2[2], folded1[2], folded2[2], pair[2];
    for (int h = 0; h < 2; ++h) {
        const char* at = p + 32 * h;
        v[h] = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
        next1[h] = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + 1));
        next2[h] = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + 2));
        folded1[h] = _mm256_or_si256(next1[h], _mm256_set1_epi8(0x20));
        folded2[h] = _mm256_or_si256(next2[h], _mm256_set1_epi8(0x20));
        pair[h] = _mm256_cmpeq_epi8(_mm256_and_si256(lookUp256(folded1[h], FirstLow, FirstHigh),
                                                     lookUp256(folded2[h], SecondLow, SecondHigh)),
                                    _mm256_setzero_si256());
    }
    Classes k;
    const std::uint64_t slash1 = is256(next1, '/');
    const std::uint64_t bangOrQuery1 = is256(next1, '!') | is256(next1, '?');
    k.opening = is256(v, '<') & (isLetter256(folded1) | slash1 | bangOrQuery1);
    k.special = bangOrQuery1 | (slash1 & ~isLetter256(folded2)) | ~bits256(pair);
    k.gt = is256(v, '>');
    k.dq = is256(v, '"');
    k.sq = is256(v, '\'');
    k.ws = isSpace256(v);
    k.eq = is256(v, '=');
    k.nulOrBang = is256(v, '\0') | (is256(v, '<') & is256(next1, '!'));
    k.name = ~(k.ws | k.gt | is256(v, '/') | k.eq | k.dq | k.sq | is256(v, '<'));
    return k;
}

} // namespace

__attribute__((target("avx2,pclmul"))) std::size_t skip256Blocks(const char* text, std::size_t size,
                                                                 std::size_t from, Blocks& blocks) {
    Padded padded(text, size);
    std::size_t stop = npos;
    for (std::size_t b = from & ~std::size_t(63); b < size; b += 64) {
        Classes k = classify256(padded.at(b));
        k.nulOrBang &= padded.inside(b); // the padding holds no NUL byte
        if (stop = blocks.block(b, k); stop != Blocks::Next)
            break;
        stop = npos;
    }
    // Plain code follows: leave the wide registers clean.
    _mm256_zeroupper();
    return stop;
}

} // namespace skipping

} // namespace engine::scan

#endif
