#include "engine/scan/MarkupSkip.h"

#include "engine/scan/Kernels.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <utility>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define INSERTER_X86_VECTORS 1
#endif

namespace engine::scan {

#ifdef INSERTER_X86_VECTORS

namespace {

constexpr std::size_t npos = static_cast<std::size_t>(-1);

// What the bytes of one 64-byte block are: bit i of each mask tells of byte i.
struct Classes {
    std::uint64_t opening; // '<' before a letter, '/', '!' or '?': it opens something
    std::uint64_t special; // the bytes after may open what the tokenizer reads for itself
    std::uint64_t gt, dq, sq;
    std::uint64_t name; // a byte an attribute name may hold: no white space, '/', '>', '=', quote or '<'
    std::uint64_t ws, eq;
    std::uint64_t nulOrBang; // a NUL byte, or "<!"
};

// The classes of eight blocks in a row, one array a class: loaded as vectors,
// they let eight blocks be worked out at once, one in each 64-bit lane.
struct GroupClasses {
    alignas(64) std::uint64_t opening[8], special[8], gt[8], dq[8], sq[8], name[8], ws[8], eq[8],
        nulOrBang[8];

    void set(int j, const Classes& k) {
        opening[j] = k.opening;
        special[j] = k.special;
        gt[j] = k.gt;
        dq[j] = k.dq;
        sq[j] = k.sq;
        name[j] = k.name;
        ws[j] = k.ws;
        eq[j] = k.eq;
        nulOrBang[j] = k.nulOrBang;
    }

    Classes at(int j) const {
        return {opening[j], special[j], gt[j], dq[j], sq[j], name[j], ws[j], eq[j], nulOrBang[j]};
    }
};

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

// A block's classes read the two bytes after it.
constexpr std::size_t After = 2;

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

// Bit i set where an odd number of bits at or below i are set.
__attribute__((target("pclmul"), always_inline)) inline std::uint64_t prefixXor(std::uint64_t bits) {
    const __m128i product = _mm_clmulepi64_si128(_mm_cvtsi64_si128(static_cast<long long>(bits)),
                                                 _mm_set1_epi8(static_cast<char>(0xFF)), 0);
    return static_cast<std::uint64_t>(_mm_cvtsi128_si64(product));
}

// a + b + carry; the carry out goes back into `carry`.
inline std::uint64_t addWithCarry(std::uint64_t a, std::uint64_t b, std::uint64_t& carry) {
    asm("neg %[c]\n\tadc %[b], %[a]\n\tsbb %[c], %[c]\n\tneg %[c]"
        : [a] "+r"(a), [c] "+r"(carry)
        : [b] "r"(b)
        : "cc");
    return a;
}

// All ones when the top bit is set, else zero.
inline std::uint64_t spreadTop(std::uint64_t bits) {
    return static_cast<std::uint64_t>(static_cast<std::int64_t>(bits) >> 63);
}

// ~a & b. (The masked forms of these intrinsics keep GCC 12 from warning about
// the undefined vectors inside the plain ones.)
__attribute__((target("avx512f"), always_inline)) inline __m512i andNot512(__m512i a, __m512i b) {
    return _mm512_maskz_andnot_epi64(0xFF, a, b);
}

// The tokenizer's state from block to block, and what one block does to it. Runs
// of bytes are followed by adding: adding a run's first bit to the run carries
// through it, and the carry out of bit 63 goes on into the next block.
class Blocks {
public:
    static constexpr std::size_t Next = npos - 1;

    explicit Blocks(std::size_t from)
        : m_from(~std::uint64_t(0) << (from & 63)) {}

    // Whether the bytes passed over held a NUL or "<!" (or may have: a tag the
    // tokenizer is sent back to may count).
    bool passedNulOrBang() const { return m_nulOrBang != 0; }
    // Where the tag begins that the last block ran out in; npos when it ended in text.
    std::size_t unfinishedTag() const { return m_inTag != 0 ? m_tagStart : npos; }

    // Where the tokenizer must take over in the block at b; Next when the whole
    // block was plain.
    __attribute__((target("pclmul"), always_inline)) std::size_t block(std::size_t b, Classes k) {
        // The masks are worked on as plain integers: kept out of the vector unit's
        // mask registers, whose round trips would lengthen every block's chain.
        asm(""
            : "+r"(k.opening), "+r"(k.special), "+r"(k.gt), "+r"(k.dq), "+r"(k.sq), "+r"(k.name), "+r"(k.ws),
              "+r"(k.eq));
        const std::uint64_t opening = k.opening & m_from;
        const std::uint64_t nulOrBang = k.nulOrBang & m_from;
        m_from = ~std::uint64_t(0);

        // A tag runs from an opening '<' to the next '>'; a '<' inside a tag is part
        // of it. Carries run from each opening through the bytes that are not '>'.
        const std::uint64_t wasInTag = m_inTag;
        const std::uint64_t sum = addWithCarry(~k.gt, opening, m_inTag);
        const std::uint64_t inTag = (~k.gt & ~sum) | opening;
        const std::uint64_t tags = opening & ~sum;
        const std::uint64_t tagEnds = k.gt & sum;

        // Quoted values, each kind of quote paired in its own run of tags.
        const std::uint64_t dq = k.dq & inTag;
        const std::uint64_t sq = k.sq & inTag;
        const std::uint64_t inDq = prefixXor(dq) ^ m_inDq;
        const std::uint64_t inSq = prefixXor(sq) ^ m_inSq;
        m_inDq = spreadTop(inDq);
        m_inSq = spreadTop(inSq);

        // A quote opens a value when it follows "=" right after a name that starts
        // after white space, unless that white space follows "=" (the name would
        // be an unquoted value). Names that start otherwise are left to the
        // tokenizer.
        const std::uint64_t wsBefore1 = (k.ws << 1) | (m_ws >> 63);
        const std::uint64_t wsBefore2 = (k.ws << 2) | (m_ws >> 62);
        const std::uint64_t eqBefore1 = (k.eq << 1) | (m_eq >> 63);
        const std::uint64_t eqBefore2 = (k.eq << 2) | (m_eq >> 62);
        m_ws = k.ws;
        m_eq = k.eq;
        const std::uint64_t nameStart = k.name & wsBefore1 & ~wsBefore2 & ~eqBefore2;
        const std::uint64_t goodName = k.name & ~addWithCarry(k.name, nameStart, m_inGoodName);
        const std::uint64_t valueOpeners = eqBefore1 & ((goodName << 2) | m_goodNameTop);
        m_goodNameTop = goodName >> 62;

        // Not plain: a '>' inside quotes (the tag ends elsewhere), a quote of one
        // kind inside a value quoted by the other, a quote that may open no value.
        const std::uint64_t unsure = (tagEnds & (inDq | inSq)) | (dq & inSq) | (sq & inDq) |
                                     (((dq & inDq) | (sq & inSq)) & ~valueOpeners);
        const std::uint64_t special = tags & k.special;
        if ((unsure | special) == 0) {
            if (m_inTag != 0 && tags != 0)
                m_tagStart = b + 63 - static_cast<std::size_t>(__builtin_clzll(tags));
            m_nulOrBang |= nulOrBang;
            return Next;
        }
        // Everything before the first tag of the block (or before the tag that runs
        // into it) is text, so the tokenizer can take over there.
        if (unsure != 0 && wasInTag != 0)
            return m_tagStart;
        const std::size_t stop = static_cast<std::size_t>(__builtin_ctzll(unsure != 0 ? tags : special));
        m_nulOrBang |= nulOrBang & ((std::uint64_t(1) << stop) - 1);
        return b + stop;
    }

    // Eight blocks from g at once, for a skip that started before them; false,
    // with nothing changed, when one of them is not plain (the caller then goes
    // block by block to find where).
    __attribute__((target("avx512f,avx512bw,avx512dq,avx512vbmi2,vpclmulqdq"), always_inline)) bool
    group(std::size_t g, const GroupClasses& c) {
        const __m512i ones = _mm512_set1_epi64(-1);
        const __m512i opening = _mm512_load_si512(c.opening);
        const __m512i gt = _mm512_load_si512(c.gt);
        const __m512i notGt = _mm512_xor_si512(gt, ones);

        std::uint64_t inTagOut = m_inTag;
        const __m512i sum = laneAdd(notGt, opening, inTagOut);
        const __m512i inTag = _mm512_ternarylogic_epi64(notGt, sum, opening, 0xF2); // (a & ~b) | c
        const __m512i tags = andNot512(sum, opening);
        const __m512i tagEnds = _mm512_and_si512(gt, sum);

        const __m512i dq = _mm512_and_si512(_mm512_load_si512(c.dq), inTag);
        const __m512i sq = _mm512_and_si512(_mm512_load_si512(c.sq), inTag);
        std::uint64_t inDqOut = m_inDq;
        std::uint64_t inSqOut = m_inSq;
        const __m512i inDq = lanePrefixXor(dq, inDqOut);
        const __m512i inSq = lanePrefixXor(sq, inSqOut);

        std::uint64_t inGoodNameOut = m_inGoodName;
        __m512i goodName;
        const __m512i valueOpeners = valueOpenersOf(c, goodName, inGoodNameOut);

        const __m512i opensValue = _mm512_or_si512(_mm512_and_si512(dq, inDq), _mm512_and_si512(sq, inSq));
        const __m512i crossed = _mm512_or_si512(_mm512_and_si512(dq, inSq), _mm512_and_si512(sq, inDq));
        const __m512i gtInQuotes = _mm512_ternarylogic_epi64(tagEnds, inDq, inSq, 0xE0); // a & (b | c)
        const __m512i unsure =
            _mm512_ternarylogic_epi64(gtInQuotes, crossed, andNot512(valueOpeners, opensValue), 0xFE);
        const __m512i special = _mm512_and_si512(tags, _mm512_load_si512(c.special));
        if (_mm512_test_epi64_mask(_mm512_or_si512(unsure, special), ones) != 0)
            return false;

        if (inTagOut != 0) {
            if (const unsigned lanes = _mm512_test_epi64_mask(tags, tags); lanes != 0) {
                alignas(64) std::uint64_t each[8];
                _mm512_store_si512(each, tags);
                const unsigned last = 31 - static_cast<unsigned>(__builtin_clz(lanes));
                m_tagStart = g + 64 * last + 63 - static_cast<std::size_t>(__builtin_clzll(each[last]));
            }
        }
        m_inTag = inTagOut;
        m_inDq = inDqOut;
        m_inSq = inSqOut;
        m_inGoodName = inGoodNameOut;
        passedGroup(c, goodName);
        return true;
    }

    // Where a quote may open a value in eight blocks: just after an '=' that
    // follows a name begun after white space. `goodName` gets those names' bits,
    // `carry` the carry through them.
    __attribute__((target("avx512f,avx512bw,avx512dq,avx512vbmi2"), always_inline)) __m512i
    valueOpenersOf(const GroupClasses& c, __m512i& goodName, std::uint64_t& carry) const {
        // Each lane's bits one and two places up, with the lane before's top bits
        // below: what the bytes one and two before are.
        const __m512i ws = _mm512_load_si512(c.ws);
        const __m512i eq = _mm512_load_si512(c.eq);
        const __m512i wsBefore =
            _mm512_maskz_alignr_epi64(0xFF, ws, _mm512_set1_epi64(static_cast<long long>(m_ws)), 7);
        const __m512i eqBefore =
            _mm512_maskz_alignr_epi64(0xFF, eq, _mm512_set1_epi64(static_cast<long long>(m_eq)), 7);
        const __m512i wsBefore1 = _mm512_shldi_epi64(ws, wsBefore, 1);
        const __m512i wsBefore2 = _mm512_shldi_epi64(ws, wsBefore, 2);
        const __m512i eqBefore1 = _mm512_shldi_epi64(eq, eqBefore, 1);
        const __m512i eqBefore2 = _mm512_shldi_epi64(eq, eqBefore, 2);
        const __m512i name = _mm512_load_si512(c.name);
        const __m512i nameStart =
            andNot512(_mm512_or_si512(wsBefore2, eqBefore2), _mm512_and_si512(name, wsBefore1));
        goodName = andNot512(laneAdd(name, nameStart, carry), name);
        // Each lane's name bits two places up, with the lane before's top two below.
        const __m512i before = _mm512_maskz_alignr_epi64(
            0xFF, goodName, _mm512_set1_epi64(static_cast<long long>(m_goodNameTop << 62)), 7);
        return _mm512_and_si512(eqBefore1, _mm512_shldi_epi64(goodName, before, 2));
    }

    // What the next group needs of eight blocks passed over.
    __attribute__((target("avx512f,avx512bw,avx512dq"), always_inline)) void
    passedGroup(const GroupClasses& c, __m512i goodName) {
        m_ws = c.ws[7];
        m_eq = c.eq[7];
        const __m512i nulOrBang = _mm512_load_si512(c.nulOrBang);
        m_nulOrBang |= _mm512_test_epi64_mask(nulOrBang, nulOrBang);
        m_goodNameTop = static_cast<std::uint64_t>(
                            _mm256_extract_epi64(_mm512_maskz_extracti64x4_epi64(0xF, goodName, 1), 3)) >>
                        62;
    }

private:
    // a + b in each lane, the carries running from lane to lane as from one block
    // to the next; `carry` is the carry into the first lane, then out of the last.
    __attribute__((target("avx512f,avx512bw,avx512dq"), always_inline)) static __m512i
    laneAdd(__m512i a, __m512i b, std::uint64_t& carry) {
        const __m512i sum = _mm512_add_epi64(a, b);
        // A lane makes a carry, or passes one on when its sum is all ones; the
        // carries into the lanes then come of adding, eight bits for eight lanes.
        const unsigned makes = _mm512_cmplt_epu64_mask(sum, a);
        const unsigned passes = _mm512_cmpeq_epi64_mask(sum, _mm512_set1_epi64(-1));
        const unsigned total = (makes | passes) + makes + static_cast<unsigned>(carry);
        const unsigned into = (total ^ (makes | passes) ^ makes) & 0xFF;
        carry = (total >> 8) & 1;
        return _mm512_mask_add_epi64(sum, static_cast<__mmask8>(into), sum, _mm512_set1_epi64(1));
    }

    // Bit i of each lane set where an odd number of bits at or below i are set,
    // counting the lanes before and `inside` (all ones when the group starts
    // inside); `inside` then tells of the end of the last lane.
    __attribute__((target("avx512f,avx512bw,avx512dq,vpclmulqdq"), always_inline)) static __m512i
    lanePrefixXor(__m512i bits, std::uint64_t& inside) {
        const __m512i ones = _mm512_set1_epi64(-1);
        const __m512i even = _mm512_clmulepi64_epi128(bits, ones, 0x00);
        const __m512i odd = _mm512_clmulepi64_epi128(bits, ones, 0x01);
        const __m512i own = _mm512_maskz_unpacklo_epi64(0xFF, even, odd);
        unsigned parity = _mm512_movepi64_mask(own); // of each lane alone
        parity ^= parity << 1;
        parity ^= parity << 2;
        parity ^= parity << 4; // of the lanes up to each
        const unsigned flip = ((parity << 1) ^ static_cast<unsigned>(inside)) & 0xFF;
        inside ^= 0 - static_cast<std::uint64_t>((parity >> 7) & 1);
        return _mm512_mask_xor_epi64(own, static_cast<__mmask8>(flip), own, ones);
    }

    std::uint64_t m_from;
    std::size_t m_tagStart = npos;
    std::uint64_t m_inTag = 0;
    std::uint64_t m_inGoodName = 0;
    std::uint64_t m_inDq = 0;
    std::uint64_t m_inSq = 0;
    std::uint64_t m_goodNameTop = 0;
    std::uint64_t m_ws = 0; // of the block before
    std::uint64_t m_eq = 0;
    std::uint64_t m_nulOrBang = 0;
};

// Blocks whose classes would read past the end of the text go through a copy
// padded with NULs (which open, name or end nothing).
class Padded {
public:
    Padded(const char* text, std::size_t size)
        : m_text(text)
        , m_size(size) {}

    // The bits of the block at b that stand for bytes of the text.
    std::uint64_t inside(std::size_t b) const {
        return m_size - b >= 64 ? ~std::uint64_t(0) : (std::uint64_t(1) << (m_size - b)) - 1;
    }

    const char* at(std::size_t b) {
        if (b + 64 + After <= m_size)
            return m_text + b;
        std::memset(m_bytes, 0, sizeof m_bytes);
        std::memcpy(m_bytes, m_text + b, m_size - b);
        return m_bytes;
    }

private:
    const char* m_text;
    std::size_t m_size;
    alignas(64) char m_bytes[128];
};

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
#ifdef INSERTER_X86_VECTORS
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
