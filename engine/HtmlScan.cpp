#include "engine/HtmlScan.h"

#include <cstring>

namespace engine {

namespace {

constexpr std::size_t npos = std::string_view::npos;

template <typename C> constexpr bool isSpace(C c) {
    return c == C(' ') || c == C('\t') || c == C('\n') || c == C('\f') || c == C('\r');
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

template <typename C> class Tokenizer {
public:
    explicit Tokenizer(std::basic_string_view<C> text)
        : t(text)
        , n(text.size()) {}

    std::size_t closingBody() {
        std::size_t pos = 0;
        int templateDepth = 0;
        while (true) {
            const std::size_t lt = find(C('<'), pos);
            if (lt == npos || lt + 1 >= n)
                return npos;
            const C next = t[lt + 1];
            std::size_t gt = npos; // the '>' that ends what opened at lt
            if (next == C('!')) {
                gt = startsWith(lt + 2, "--") ? commentEnd(lt + 4) : find(C('>'), lt + 2);
            } else if (next == C('?')) {
                gt = find(C('>'), lt + 2);
            } else if (next == C('/')) {
                if (lt + 2 >= n)
                    return npos;
                if (!isLetter(t[lt + 2])) {
                    // "</>" is dropped; anything else is a bogus comment up to '>'.
                    gt = t[lt + 2] == C('>') ? lt + 2 : find(C('>'), lt + 2);
                } else {
                    const std::size_t nameEnd = endOfName(lt + 2);
                    gt = tagEnd(nameEnd);
                    if (gt != npos && templateDepth == 0 && nameEnd - lt == 6 &&
                        nameIs(lt + 2, nameEnd, "body"))
                        return lt;
                    if (templateDepth > 0 && nameIs(lt + 2, nameEnd, "template"))
                        --templateDepth;
                }
            } else if (isLetter(next)) {
                const std::size_t nameEnd = endOfName(lt + 1);
                gt = tagEnd(nameEnd);
                const std::size_t length = nameEnd - lt - 1;
                const C first = lower(next);
                if (gt == npos || (length == 9 && first == C('p') && nameIs(lt + 1, nameEnd, "plaintext")))
                    return npos;
                // Most tags are none of the special ones: tell by length and first letter.
                if (length < 3 || length > 9 ||
                    (first != C('s') && first != C('x') && first != C('i') && first != C('n') &&
                     first != C('t') && first != C('p'))) {
                    pos = gt + 1;
                    continue;
                }
                if (nameIs(lt + 1, nameEnd, "template"))
                    ++templateDepth;
                bool raw = false;
                for (const std::string_view element : RawTextElements) {
                    if (length == element.size() && first == C(element[0]) &&
                        nameIs(lt + 1, nameEnd, element)) {
                        pos = rawTextEnd(gt + 1, element);
                        raw = true;
                        break;
                    }
                }
                if (raw) {
                    if (pos == npos)
                        return npos;
                    continue;
                }
            } else {
                pos = lt + 1; // a '<' that opens nothing is text
                continue;
            }
            if (gt == npos)
                return npos;
            pos = gt + 1;
        }
    }

private:
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
    std::size_t tagEnd(std::size_t at) const {
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
    std::size_t rawTextEnd(std::size_t at, std::string_view element) const {
        for (std::size_t lt = find(C('<'), at); lt != npos; lt = find(C('<'), lt + 1)) {
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
};

} // namespace

std::size_t findClosingBodyTag(std::string_view text) {
    return Tokenizer<char>(text).closingBody();
}

std::size_t findClosingBodyTag(std::u16string_view text) {
    return Tokenizer<char16_t>(text).closingBody();
}

} // namespace engine
