#pragma once

// What the skip over plain markup does per block of 64 bytes and per group of
// eight, written once; each instruction set's way of classifying the bytes, and
// its loop over the blocks, is in a file of its own (Avx2.cpp, Avx512.cpp).
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define INSERTER_SKIP_KERNELS 1
#else
#define INSERTER_SKIP_KERNELS 0
#endif

#if INSERTER_SKIP_KERNELS

namespace engine::scan::skipping {

inline constexpr std::size_t npos = static_cast<std::size_t>(-1);

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

// A block's classes read the two bytes after it.
inline constexpr std::size_t After = 2;

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

// The blocks from `from` on, classified with each instruction set.
std::size_t skip512Blocks(const char* text, std::size_t size, std::size_t from, Blocks& blocks);
std::size_t skip256Blocks(const char* text, std::size_t size, std::size_t from, Blocks& blocks);

} // namespace engine::scan::skipping

#endif
