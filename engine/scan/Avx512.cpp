// The AVX-512 kernel: the text scans, and the skip over plain markup.
#include "engine/scan/SkipBlocks.h"
#include "engine/scan/TextKernels.h"

#include <initializer_list>
#include <utility>

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

namespace skipping {

namespace {

// With byte permutes, one look-up tells what a byte is: bits of a class byte,
// from a table by the byte's value (ASCII only; other bytes are zeroed first).
enum : unsigned char {
    // what a byte of the block is (table of 64: every class lies below 0x40)
    Lt = 0x01,
    Gt = 0x02,
    Dq = 0x04,
    Sq = 0x08,
    Eq = 0x10,
    Ws = 0x20,
    Slash = 0x40,
    NotName = 0x7F,
    // what the byte after a '<' is, and the one after that; the bits from 0x08 up
    // pair the first two letters of the names that need the tokenizer: s with c or
    // t, t with i or e, x or p with m or l, i with f, n with o; and '/' with b
    Letter = 0x01,
    SlashFirst = 0x02,
    BangOrQuery = 0x04,
    B = 0x02,
    NamePairs = 0xFA,
};

struct ClassTable {
    alignas(64) unsigned char bytes[128];
};

constexpr ClassTable BlockTable = [] {
    ClassTable t{};
    t.bytes[static_cast<unsigned char>('<')] = Lt;
    t.bytes[static_cast<unsigned char>('>')] = Gt;
    t.bytes[static_cast<unsigned char>('"')] = Dq;
    t.bytes[static_cast<unsigned char>('\'')] = Sq;
    t.bytes[static_cast<unsigned char>('=')] = Eq;
    t.bytes[static_cast<unsigned char>('/')] = Slash;
    for (const char c : {' ', '\t', '\n', '\f', '\r'})
        t.bytes[static_cast<unsigned char>(c)] = Ws;
    return t;
}();

constexpr ClassTable letters(std::initializer_list<std::pair<const char*, unsigned char>> marks) {
    ClassTable t{};
    for (unsigned char c = 'a'; c <= 'z'; ++c) {
        t.bytes[c] = Letter;
        t.bytes[c - 'a' + 'A'] = Letter;
    }
    for (const auto& [chars, bit] : marks) {
        for (const char* c = chars; *c != '\0'; ++c) {
            const auto u = static_cast<unsigned char>(*c);
            t.bytes[u] |= bit;
            if (u >= 'a' && u <= 'z')
                t.bytes[u - 'a' + 'A'] |= bit;
        }
    }
    return t;
}

constexpr ClassTable FirstTable = letters({{"/", SlashFirst},
                                           {"!?", BangOrQuery},
                                           {"s", 0x08},
                                           {"t", 0x10},
                                           {"xp", 0x20},
                                           {"i", 0x40},
                                           {"n", 0x80}});
constexpr ClassTable SecondTable =
    letters({{"b", B}, {"ct", 0x08}, {"ie", 0x10}, {"ml", 0x20}, {"f", 0x40}, {"o", 0x80}});

// The 64-byte classes with AVX-512 byte permutes; the tables stay in registers.
struct Wide512 {
    __m512i block, firstLow, firstHigh, secondLow, secondHigh;

    __attribute__((target("avx512bw,avx512vbmi"), always_inline)) Wide512()
        : block(_mm512_load_si512(BlockTable.bytes))
        , firstLow(_mm512_load_si512(FirstTable.bytes))
        , firstHigh(_mm512_load_si512(FirstTable.bytes + 64))
        , secondLow(_mm512_load_si512(SecondTable.bytes))
        , secondHigh(_mm512_load_si512(SecondTable.bytes + 64)) {}

    // The class bytes of bytes below 0x40; others are 0.
    __attribute__((target("avx512bw,avx512vbmi"), always_inline)) __m512i blockClass(__m512i v) const {
        return _mm512_maskz_permutexvar_epi8(_mm512_cmplt_epu8_mask(v, _mm512_set1_epi8(0x40)), v, block);
    }

    // The class bytes of ASCII bytes; others are 0.
    __attribute__((target("avx512bw,avx512vbmi"), always_inline)) static __m512i
    asciiClass(__m512i v, __m512i low, __m512i high) {
        return _mm512_maskz_permutex2var_epi8(_mm512_cmpge_epi8_mask(v, _mm512_setzero_si512()), low, v,
                                              high);
    }

    __attribute__((target("avx512bw,avx512vbmi"), always_inline)) static __mmask64 has(__m512i c,
                                                                                       unsigned char bits) {
        return _mm512_test_epi8_mask(c, _mm512_set1_epi8(static_cast<char>(bits)));
    }

    __attribute__((target("avx512bw,avx512vbmi"), always_inline)) Classes classify(const char* p) const {
        const __m512i bytes = _mm512_loadu_si512(p);
        const __m512i after = _mm512_loadu_si512(p + 1);
        const __m512i here = blockClass(bytes);
        const __m512i next1 = asciiClass(after, firstLow, firstHigh);
        const __m512i next2 = asciiClass(_mm512_loadu_si512(p + 2), secondLow, secondHigh);

        Classes k;
        const __mmask64 opens = has(next1, Letter | SlashFirst | BangOrQuery);
        k.opening = _mm512_mask_test_epi8_mask(opens, here, _mm512_set1_epi8(Lt));
        k.special = has(next1, BangOrQuery) | (has(next1, SlashFirst) & ~has(next2, Letter)) |
                    has(_mm512_and_si512(next1, next2), NamePairs);
        k.gt = has(here, Gt);
        k.dq = has(here, Dq);
        k.sq = has(here, Sq);
        k.name = _mm512_testn_epi8_mask(here, _mm512_set1_epi8(NotName));
        k.ws = has(here, Ws);
        k.eq = has(here, Eq);
        k.nulOrBang = _mm512_testn_epi8_mask(bytes, bytes) |
                      _mm512_mask_cmpeq_epi8_mask(has(here, Lt), after, _mm512_set1_epi8('!'));
        return k;
    }
};

} // namespace

__attribute__((target("avx512f,avx512bw,avx512dq,avx512vbmi,avx512vbmi2,vpclmulqdq,pclmul"))) std::size_t
skip512Blocks(const char* text, std::size_t size, std::size_t from, Blocks& blocks) {
    const Wide512 wide;
    Padded padded(text, size);
    // The first block, which may start part way, goes by itself; then groups of
    // eight while they lie inside the text; then the rest block by block.
    std::size_t b = from & ~std::size_t(63);
    Classes first = wide.classify(padded.at(b));
    first.nulOrBang &= padded.inside(b); // the padding holds no NUL byte
    if (const std::size_t stop = blocks.block(b, first); stop != Blocks::Next)
        return stop;
    b += 64;
    for (; b + 8 * 64 + After <= size; b += 8 * 64) {
        GroupClasses group;
        for (int j = 0; j < 8; ++j)
            group.set(j, wide.classify(text + b + 64 * static_cast<std::size_t>(j)));
        if (blocks.group(b, group))
            continue;
        for (int j = 0; j < 8; ++j) {
            if (const std::size_t stop = blocks.block(b + 64 * static_cast<std::size_t>(j), group.at(j));
                stop != Blocks::Next)
                return stop;
        }
    }
    for (; b < size; b += 64) {
        Classes k = wide.classify(padded.at(b));
        k.nulOrBang &= padded.inside(b);
        if (const std::size_t stop = blocks.block(b, k); stop != Blocks::Next)
            return stop;
    }
    return npos;
}

} // namespace skipping

} // namespace engine::scan

#endif
