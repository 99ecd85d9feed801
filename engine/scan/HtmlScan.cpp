#include "engine/scan/HtmlScan.h"

#include "engine/scan/Kernels.h"
#include "engine/scan/TextScan.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace engine {

namespace {

constexpr std::size_t npos = std::string_view::npos;

// What a byte is to the tokenizer inside a tag: white space, or a character
// that ends a name there.
enum : unsigned char { Space = 1, EndsName = 2 };
constexpr auto ByteKinds = [] {
    std::array<unsigned char, 256> kinds{};
    for (const unsigned char c : {' ', '\t', '\n', '\f', '\r'})
        kinds[c] = Space | EndsName;
    for (const unsigned char c : {'/', '>', '='})
        kinds[c] = EndsName;
    return kinds;
}();

template <typename C> constexpr unsigned char kindOf(C c) {
    return static_cast<std::make_unsigned_t<C>>(c) < 256 ? ByteKinds[static_cast<std::make_unsigned_t<C>>(c)]
                                                         : 0;
}

template <typename C> constexpr bool isSpace(C c) {
    return (kindOf(c) & Space) != 0;
}

template <typename C> constexpr bool isLetter(C c) {
    return (c >= C('a') && c <= C('z')) || (c >= C('A') && c <= C('Z'));
}

template <typename C> constexpr C lower(C c) {
    return c >= C('A') && c <= C('Z') ? C(c + ('a' - 'A')) : c;
}

// The text of these elements is not markup, up to their own end tag.
constexpr std::string_view RawTextElements[] = {"script",   "style",    "xmp",   "iframe",  "noembed",
                                                "noframes", "noscript", "title", "textarea"};

// Where the characters that shape markup stand in a byte text: '<', and '>' or a
// quote, found 64 bytes at a time (with SSE2 where there is SSE2). Most of a page
// is text or tags without quoted values, and these are passed over here.
class ByteMarks {
public:
    ByteMarks(const char* data, std::size_t size)
        : m_data(data)
        , m_size(size)
        , m_vector(scan::activeKernel() != scan::Kernel::Plain) {}

    std::size_t nextLt(std::size_t from) { return next(from, false); }
    std::size_t nextGtOrQuote(std::size_t from) { return next(from, true); }

private:
    std::size_t next(std::size_t from, bool gtOrQuote) {
        while (from < m_size) {
            const std::size_t chunk = from & ~std::size_t(63);
            if (chunk != m_base)
                load(chunk);
            const std::uint64_t mask =
                (gtOrQuote ? m_gtOrQuote : m_lt) & (~std::uint64_t(0) << (from - chunk));
            if (mask != 0)
                return chunk + static_cast<std::size_t>(__builtin_ctzll(mask));
            from = chunk + 64;
        }
        return npos;
    }

    void load(std::size_t chunk) {
        m_base = chunk;
        m_lt = 0;
        m_gtOrQuote = 0;
#if defined(__SSE2__)
        if (m_vector && chunk + 64 <= m_size) {
            for (int part = 0; part < 4; ++part) {
                const __m128i v = _mm_loadu_si128(
                    reinterpret_cast<const __m128i*>(m_data + chunk + 16 * static_cast<std::size_t>(part)));
                const auto bits = [&](char c) {
                    return static_cast<std::uint64_t>(
                        static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8(c)))));
                };
                m_lt |= bits('<') << (16 * part);
                m_gtOrQuote |= (bits('>') | bits('"') | bits('\'')) << (16 * part);
            }
            return;
        }
#endif
        for (std::size_t i = chunk; i < m_size && i < chunk + 64; ++i) {
            const char c = m_data[i];
            m_lt |= std::uint64_t(c == '<') << (i - chunk);
            m_gtOrQuote |= std::uint64_t(c == '>' || c == '"' || c == '\'') << (i - chunk);
        }
    }

    const char* m_data;
    std::size_t m_size;
    bool m_vector; // SSE2 unless the plain kernel is asked for
    std::size_t m_base = npos;
    std::uint64_t m_lt = 0;
    std::uint64_t m_gtOrQuote = 0;
};

// Wide texts take the plain path.
class NoMarks {
public:
    NoMarks(const char16_t*, std::size_t) {}
};

template <typename C> class Tokenizer {
public:
    Tokenizer(std::basic_string_view<C> text, scan::MarkupSkip markupSkip)
        : t(text)
        , n(text.size())
        , marks(text.data(), text.size())
        , skip(markupSkip) {}

    // What the skip passed over, in order (noted when notePassed is set), and
    // whether any of it held a NUL byte or "<!".
    bool notePassed = false;
    std::vector<std::pair<std::size_t, std::size_t>> passed;
    bool passedNulOrBang = false;

    // Where the text ends when there is no closing body tag: empty in the data
    // state outside template content, else what it ends inside ("a comment").
    std::string endsInside;

    std::size_t closingBody() {
        std::size_t pos = 0;
        int templateDepth = 0;
        while (true) {
            const std::size_t lt = templateDepth == 0 ? nextMarkup(pos) : nextLt(pos);
            if (lt == npos || lt + 1 >= n)
                return endsIn(templateDepth > 0 ? "a <template> element" : "");
            const C next = t[lt + 1];
            std::size_t gt = npos;                     // the '>' that ends what opened at lt
            const char* unended = "an unfinished tag"; // what stays open when the '>' is not found
            if (next == C('!')) {
                gt = startsWith(lt + 2, "--") ? commentEnd(lt + 4) : find(C('>'), lt + 2);
                unended = "a comment";
            } else if (next == C('?')) {
                gt = find(C('>'), lt + 2);
                unended = "a comment";
            } else if (next == C('/')) {
                if (lt + 2 >= n)
                    return endsIn(unended);
                bool body = false;
                gt = endTagEnd(lt, templateDepth, unended, body);
                if (body)
                    return lt;
            } else if (const C first = lower(next); isLetter(next) && first != C('s') && first != C('x') &&
                                                    first != C('i') && first != C('n') && first != C('t') &&
                                                    first != C('p')) {
                gt = tagEnd(endOfName(lt + 2)); // no element whose content is text starts with this letter
            } else if (isLetter(next)) {
                if (!startTag(lt, first, templateDepth, pos))
                    return npos;
                continue;
            } else {
                pos = lt + 1; // a '<' that opens nothing is text
                continue;
            }
            if (gt == npos)
                return endsIn(unended);
            pos = gt + 1;
        }
    }

private:
    // "</" and more at lt: where it ends; `body` when it is the closing body tag
    // outside template content.
    std::size_t endTagEnd(std::size_t lt, int& templateDepth, const char*& unended, bool& body) {
        if (!isLetter(t[lt + 2])) {
            unended = "a comment";
            // "</>" is dropped; anything else is a bogus comment up to '>'.
            return t[lt + 2] == C('>') ? lt + 2 : find(C('>'), lt + 2);
        }
        if (const C first = lower(t[lt + 2]); first != C('b') && first != C('t'))
            return tagEnd(endOfName(lt + 3)); // neither body nor template: only where it ends counts
        const std::size_t nameEnd = endOfName(lt + 2);
        const std::size_t gt = tagEnd(nameEnd);
        body = gt != npos && templateDepth == 0 && nameEnd - lt == 6 && nameIs(lt + 2, nameEnd, "body");
        if (!body && templateDepth > 0 && nameIs(lt + 2, nameEnd, "template"))
            --templateDepth;
        return gt;
    }

    // A start tag at lt that may open an element whose content is text, or template
    // content: `pos` where the reading goes on. False when the text ends inside it.
    bool startTag(std::size_t lt, C first, int& templateDepth, std::size_t& pos) {
        const std::size_t nameEnd = endOfName(lt + 1);
        const std::size_t gt = tagEnd(nameEnd);
        const std::size_t length = nameEnd - lt - 1;
        if (gt == npos) {
            endsIn("an unfinished tag");
            return false;
        }
        if (length == 9 && first == C('p') && nameIs(lt + 1, nameEnd, "plaintext")) {
            endsIn("a <plaintext> element");
            return false;
        }
        pos = gt + 1;
        // Most tags are none of the special ones: tell by length.
        if (length < 3 || length > 9)
            return true;
        if (nameIs(lt + 1, nameEnd, "template"))
            ++templateDepth;
        for (const std::string_view element : RawTextElements) {
            if (length == element.size() && first == C(element[0]) && nameIs(lt + 1, nameEnd, element)) {
                pos = rawTextEnd(gt + 1, element);
                if (pos == npos) {
                    endsIn("a <" + lowered(lt + 1, nameEnd) + "> element");
                    return false;
                }
                return true;
            }
        }
        return true;
    }

    std::size_t endsIn(std::string what) {
        endsInside = std::move(what);
        return npos;
    }

    std::string lowered(std::size_t begin, std::size_t end) const {
        std::string name;
        for (std::size_t i = begin; i < end; ++i)
            name += static_cast<char>(lower(t[i]));
        return name;
    }

    // The next '<' to read from a place in the data state: plain markup is passed
    // over by the vector skip where there is one.
    std::size_t nextMarkup(std::size_t from) {
        if constexpr (sizeof(C) == 1) {
            if (skip != nullptr) {
                if (from >= n)
                    return npos;
                bool nulOrBang = false;
                const std::size_t stop = skip(t.data(), n, from, nulOrBang);
                passedNulOrBang |= nulOrBang;
                if (notePassed)
                    passed.push_back({from, stop == npos ? n : stop});
                return stop;
            }
        }
        return nextLt(from);
    }

    std::size_t nextLt(std::size_t from) {
        if constexpr (sizeof(C) == 1)
            return marks.nextLt(from);
        else
            return find(C('<'), from);
    }

    // The '>' that ends a tag whose name ends at `at`. The marks carry the scan from
    // quote to quote: a '>' before any quote ends the tag, since no quoted value can
    // hide it; a quote right after "name=" opens a value, and the value's own quote
    // closes it. Anything less plain is read character by character.
    std::size_t tagEnd(std::size_t at) {
        if constexpr (sizeof(C) == 1) {
            // `at` is where the tokenizer stands before an attribute name (or after a
            // quoted value, which reads the same from here).
            while (true) {
                const std::size_t mark = marks.nextGtOrQuote(at);
                if (mark == npos)
                    return npos;
                if (t[mark] == '>')
                    return mark;
                if (!opensValue(at, mark))
                    return tagEndWithValues(at);
                std::size_t close = marks.nextGtOrQuote(mark + 1);
                while (close != npos && t[close] != t[mark])
                    close = marks.nextGtOrQuote(close + 1);
                if (close == npos)
                    return npos;
                at = close + 1;
            }
        }
        return tagEndWithValues(at);
    }

    // Whether the quote at q opens an attribute value, for text from `from` (where
    // the tokenizer stands before an attribute name) to q that holds no '>' and no
    // quote: it must follow "=" right after an attribute name, and that name must
    // follow white space that itself follows no '=' (or the start).
    bool opensValue(std::size_t from, std::size_t q) const {
        if (q < from + 2 || t[q - 1] != C('='))
            return false;
        std::size_t j = q - 1; // the '='; then the start of the name before it
        while (j > from && (kindOf(t[j - 1]) & EndsName) == 0) // '>' cannot stand here
            --j;
        if (j == q - 1)
            return false; // no name before the '='
        if (j == from)
            return true; // the name starts where the tokenizer stands before a name
        if (!isSpace(t[j - 1]))
            return false; // after '/' or '=': not plain
        std::size_t k = j - 1;
        while (k > from && isSpace(t[k - 1]))
            --k;
        return k == from || t[k - 1] != C('=');
    }

    std::size_t find(C c, std::size_t from) const {
        if (from >= n)
            return npos;
        if constexpr (sizeof(C) == 1) {
            const void* hit = std::memchr(t.data() + from, c, n - from);
            return hit ? static_cast<std::size_t>(static_cast<const C*>(hit) - t.data()) : npos;
        } else {
            return t.find(c, from);
        }
    }

    bool startsWith(std::size_t at, std::string_view key) const {
        if (at + key.size() > n)
            return false;
        for (std::size_t i = 0; i < key.size(); ++i) {
            if (t[at + i] != C(key[i]))
                return false;
        }
        return true;
    }

    std::size_t endOfName(std::size_t at) const {
        while (at < n && !isSpace(t[at]) && t[at] != C('/') && t[at] != C('>'))
            ++at;
        return at;
    }

    bool nameIs(std::size_t begin, std::size_t end, std::string_view name) const {
        if (end - begin != name.size())
            return false;
        for (std::size_t i = 0; i < name.size(); ++i) {
            if (lower(t[begin + i]) != C(name[i]))
                return false;
        }
        return true;
    }

    // From just after "<!--": the position of the '>' that ends the comment.
    std::size_t commentEnd(std::size_t at) const {
        if (at < n && t[at] == C('>'))
            return at; // <!-->
        if (startsWith(at, "->"))
            return at + 1; // <!--->
        for (std::size_t dash = find(C('-'), at); dash != npos; dash = find(C('-'), dash + 1)) {
            if (startsWith(dash, "-->"))
                return dash + 2;
            if (startsWith(dash, "--!>"))
                return dash + 3;
        }
        return npos;
    }

    // From the end of a tag's name: the position of the '>' that ends the tag,
    // past its attributes and their values; npos when the text ends first.
    std::size_t tagEndWithValues(std::size_t at) const {
        while (true) {
            while (at < n && (isSpace(t[at]) || t[at] == C('/')))
                ++at;
            if (at >= n)
                return npos;
            if (t[at] == C('>'))
                return at;
            // A name: its first character may be anything else, even '='.
            ++at;
            while (at < n && !isSpace(t[at]) && t[at] != C('/') && t[at] != C('>') && t[at] != C('='))
                ++at;
            while (at < n && isSpace(t[at]))
                ++at;
            if (at >= n || t[at] != C('='))
                continue;
            ++at;
            while (at < n && isSpace(t[at]))
                ++at;
            if (at >= n)
                return npos;
            if (t[at] == C('"') || t[at] == C('\'')) {
                const std::size_t close = find(t[at], at + 1);
                if (close == npos)
                    return npos;
                at = close + 1;
            } else {
                while (at < n && !isSpace(t[at]) && t[at] != C('>'))
                    ++at;
            }
        }
    }

    // From just after a raw-text element's start tag: where its end tag begins.
    std::size_t rawTextEnd(std::size_t at, std::string_view element) {
        for (std::size_t lt = nextLt(at); lt != npos; lt = nextLt(lt + 1)) {
            if (lt + 2 + element.size() >= n)
                return npos;
            if (t[lt + 1] == C('/') && nameIs(lt + 2, lt + 2 + element.size(), element)) {
                const C after = t[lt + 2 + element.size()];
                if (isSpace(after) || after == C('/') || after == C('>'))
                    return lt;
            }
        }
        return npos;
    }

    std::basic_string_view<C> t;
    std::size_t n;
    std::conditional_t<sizeof(C) == 1, ByteMarks, NoMarks> marks;
    const scan::MarkupSkip skip;
};

} // namespace

std::size_t findClosingBodyTag(std::string_view text) {
    return Tokenizer<char>(text, scan::markupSkip()).closingBody();
}

ClosingBody findClosingBody(std::string_view text) {
    Tokenizer<char> tokenizer(text, scan::markupSkip());
    const std::size_t at = tokenizer.closingBody();
    return {at, std::move(tokenizer.endsInside)};
}

ClosingBody findClosingBody(std::u16string_view text) {
    Tokenizer<char16_t> tokenizer(text, nullptr);
    const std::size_t at = tokenizer.closingBody();
    return {at, std::move(tokenizer.endsInside)};
}

std::size_t findClosingBodyTag(std::string_view text, scan::MarkupSkip skip) {
    return Tokenizer<char>(text, skip).closingBody();
}

BodyTagSweep sweepForClosingBodyTag(std::string_view text, bool (*isMarker)(std::string_view, std::size_t)) {
    Tokenizer<char> tokenizer(text, scan::markupSkip());
    tokenizer.notePassed = true;
    BodyTagSweep sweep{tokenizer.closingBody(), false, {}};
    sweep.endsInside = std::move(tokenizer.endsInside);
    if (tokenizer.passedNulOrBang)
        return sweep;
    // What the skip did not pass over is searched here.
    const auto clean = [&](std::size_t from, std::size_t to) {
        for (std::size_t at = scan::findMarkupOrNul(text.data(), from, to); at != npos;
             at = scan::findMarkupOrNul(text.data(), at + 1, to)) {
            if (text[at] == '\0' || isMarker(text, at))
                return false;
        }
        return true;
    };
    std::size_t at = 0;
    for (const auto& [from, to] : tokenizer.passed) {
        if (!clean(at, from))
            return sweep;
        at = to;
    }
    sweep.clean = clean(at, text.size());
    return sweep;
}

std::size_t findClosingBodyTag(std::u16string_view text) {
    return Tokenizer<char16_t>(text, nullptr).closingBody();
}

} // namespace engine
