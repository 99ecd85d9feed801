#pragma once

// Case-insensitive scanning of page text, without making an upper-cased copy.
// Text may be a single run of the page or the page with some ranges cut out
// ("segments"); positions are logical positions in the text as it reads.

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace engine::scan {

template <typename C> constexpr C upperAscii(C c) {
    return (c >= C('a') && c <= C('z')) ? C(c - C('a') + C('A')) : c;
}

// Whether the name ends in one of the extensions (upper case ASCII, with their
// dot), in any letter case.
inline bool endsWithAny(std::string_view name, std::initializer_list<std::string_view> extensions) {
    for (const std::string_view ext : extensions) {
        if (name.size() < ext.size())
            continue;
        bool same = true;
        for (std::size_t i = 0; i < ext.size() && same; ++i)
            same = upperAscii(name[name.size() - ext.size() + i]) == ext[i];
        if (same)
            return true;
    }
    return false;
}

// A second character that must stand `offset` places after a lead character;
// `folded` compares letters without regard to case (value is lower case then).
struct Follower {
    std::size_t offset;
    char value;
    bool folded;
};

// First position in [from, end) of the byte text that holds lead followed by one
// of the followers, or that holds lead so near end that its followers cannot be
// seen; npos when none. A coarse filter: callers check what they find.
std::size_t findLeadBytes(const char* data, std::size_t from, std::size_t end, char lead,
                          std::initializer_list<Follower> followers);

// First position in [from, end) of a NUL byte or of "<!" (or of a '<' that ends
// the range); npos when none. One pass finds both what makes a page binary and
// the candidates for markers.
std::size_t findMarkupOrNul(const char* data, std::size_t from, std::size_t end);

// The same for any text; bytes take the vectorised path.
template <typename C>
std::size_t findLead(const C* data, std::size_t from, std::size_t end, C lead,
                     std::initializer_list<Follower> followers) {
    if constexpr (sizeof(C) == 1) {
        return findLeadBytes(reinterpret_cast<const char*>(data), from, end, static_cast<char>(lead),
                             followers);
    } else {
        std::size_t reach = 0;
        for (const Follower& f : followers)
            reach = std::max(reach, f.offset);
        for (std::size_t at = from; at < end; ++at) {
            if (data[at] != lead)
                continue;
            if (at + reach >= end)
                return at;
            for (const Follower& f : followers) {
                C c = data[at + f.offset];
                if (f.folded && c >= C('A') && c <= C('Z'))
                    c = C(c - C('A') + C('a'));
                if (c == static_cast<C>(static_cast<unsigned char>(f.value)))
                    return at;
            }
        }
        return std::string_view::npos;
    }
}

// A half-open range [begin, end) of positions in the page.
struct Range {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t size() const { return end - begin; }
};

// The page text read through a list of kept ranges, as if they were one text.
template <typename C> class Segmented {
public:
    Segmented(std::basic_string_view<C> page, std::vector<Range> kept)
        : m_page(page)
        , m_kept(std::move(kept)) {
        std::size_t at = 0;
        m_starts.reserve(m_kept.size());
        for (const auto& r : m_kept) {
            m_starts.push_back(at);
            at += r.size();
        }
        m_size = at;
    }

    std::size_t size() const { return m_size; }
    const std::vector<Range>& kept() const { return m_kept; }

    // Logical position -> position in the page (size() maps past the last range).
    std::size_t pagePos(std::size_t pos) const {
        const std::size_t seg = segmentOf(pos);
        if (seg == m_kept.size())
            return m_kept.empty() ? 0 : m_kept.back().end;
        return m_kept[seg].begin + (pos - m_starts[seg]);
    }

    // First occurrence of the character c at or after pos; npos when absent.
    std::size_t find(C c, std::size_t pos) const {
        for (std::size_t seg = segmentOf(pos); seg < m_kept.size(); ++seg) {
            const Range& r = m_kept[seg];
            const std::size_t from = r.begin + (pos > m_starts[seg] ? pos - m_starts[seg] : 0);
            const auto run = m_page.substr(from, r.end - from);
            const auto hit = run.find(c);
            if (hit != std::basic_string_view<C>::npos)
                return m_starts[seg] + (from - r.begin) + hit;
        }
        return npos;
    }

    // First candidate for a lead character with followers at or after pos (see
    // the free findLead); npos when none.
    std::size_t findLead(C lead, std::initializer_list<Follower> followers, std::size_t pos,
                         std::size_t limit = npos) const {
        for (std::size_t seg = segmentOf(pos); seg < m_kept.size() && m_starts[seg] < limit; ++seg) {
            const Range& r = m_kept[seg];
            const std::size_t from = r.begin + (pos > m_starts[seg] ? pos - m_starts[seg] : 0);
            // A candidate near limit is still a candidate: its followers may lie beyond.
            const std::size_t end =
                limit - m_starts[seg] < r.size() ? r.begin + (limit - m_starts[seg]) : r.end;
            const std::size_t hit = scan::findLead(m_page.data(), from, end, lead, followers);
            if (hit != npos)
                return m_starts[seg] + (hit - r.begin);
        }
        return npos;
    }

    // Whether the text at pos reads key, letters compared without regard to case.
    // key must be upper case ASCII.
    bool matchesAt(std::size_t pos, std::string_view key) const {
        if (pos + key.size() > m_size)
            return false;
        std::size_t seg = segmentOf(pos);
        std::size_t at = m_kept[seg].begin + (pos - m_starts[seg]);
        if (at + key.size() <= m_kept[seg].end) {
            for (std::size_t i = 0; i < key.size(); ++i) {
                if (upperAscii(m_page[at + i]) != static_cast<C>(static_cast<unsigned char>(key[i])))
                    return false;
            }
            return true;
        }
        for (const char k : key) {
            while (at == m_kept[seg].end) {
                ++seg;
                at = m_kept[seg].begin;
            }
            if (upperAscii(m_page[at]) != static_cast<C>(static_cast<unsigned char>(k)))
                return false;
            ++at;
        }
        return true;
    }

    // First occurrence of key (upper case ASCII, starting with a non-letter) at or
    // after pos, letters compared without regard to case; npos when absent.
    std::size_t findKey(std::string_view key, std::size_t pos) const {
        if (key.size() >= 2 && key[0] == '<' && key[1] == '!') {
            // Comment openers are rare in pages: look for "<!" and check from there.
            for (std::size_t at = findLead(C('<'), {{1, '!', false}}, pos); at != npos;
                 at = findLead(C('<'), {{1, '!', false}}, at + 1)) {
                if (matchesAt(at, key))
                    return at;
            }
            return npos;
        }
        if (key.size() < 6) {
            const C first = static_cast<C>(static_cast<unsigned char>(key.front()));
            for (std::size_t at = find(first, pos); at != npos; at = find(first, at + 1)) {
                if (matchesAt(at, key))
                    return at;
            }
            return npos;
        }
        // Longer keys: Horspool's skip search inside each range, and a check of the
        // few places where a match would run across the end of a range.
        const Skips skips(key);
        for (std::size_t seg = segmentOf(pos); seg < m_kept.size(); ++seg) {
            const Range& r = m_kept[seg];
            const std::size_t from = r.begin + (pos > m_starts[seg] ? pos - m_starts[seg] : 0);
            const std::size_t hit = skips.search(m_page, from, r.end, key);
            if (hit != npos)
                return m_starts[seg] + (hit - r.begin);
            if (seg + 1 < m_kept.size()) {
                const std::size_t tail = r.end - from < key.size() ? from : r.end - key.size() + 1;
                for (std::size_t at = tail; at < r.end; ++at) {
                    if (matchesAt(m_starts[seg] + (at - r.begin), key))
                        return m_starts[seg] + (at - r.begin);
                }
            }
        }
        return npos;
    }

    static constexpr std::size_t npos = std::string_view::npos;

private:
    // Case-insensitive skip table of Horspool's search, indexed by a unit's low byte
    // (a shared low byte only shortens a skip, so wide units stay correct).
    struct Skips {
        explicit Skips(std::string_view key) {
            for (auto& s : table)
                s = key.size();
            for (std::size_t i = 0; i + 1 < key.size(); ++i) {
                const auto c = static_cast<unsigned char>(key[i]);
                table[c] = key.size() - 1 - i;
                if (c >= 'A' && c <= 'Z')
                    table[c - 'A' + 'a'] = key.size() - 1 - i;
            }
        }
        std::size_t search(std::basic_string_view<C> text, std::size_t from, std::size_t end,
                           std::string_view key) const {
            const std::size_t m = key.size();
            const C* data = text.data();
            for (std::size_t at = from; at + m <= end;) {
                const C last = data[at + m - 1];
                std::size_t i = m;
                while (i > 0 &&
                       upperAscii(data[at + i - 1]) == static_cast<C>(static_cast<unsigned char>(key[i - 1])))
                    --i;
                if (i == 0)
                    return at;
                at += table[static_cast<std::size_t>(last) & 0xFF];
            }
            return npos;
        }
        std::size_t table[256];
    };

    std::size_t segmentOf(std::size_t pos) const {
        // Scans move forward, so the range of the last question is the likely answer.
        std::size_t seg = m_hint;
        if (seg >= m_kept.size() || pos < m_starts[seg]) {
            const auto it = std::upper_bound(m_starts.begin(), m_starts.end(), pos);
            seg = static_cast<std::size_t>(it - m_starts.begin());
            seg = seg == 0 ? 0 : seg - 1;
        }
        // Skip empty ranges and step past the end of a range onto the next one.
        while (seg < m_kept.size() && pos >= m_starts[seg] + m_kept[seg].size())
            ++seg;
        m_hint = seg;
        return seg;
    }

    std::basic_string_view<C> m_page;
    std::vector<Range> m_kept;
    std::vector<std::size_t> m_starts;
    std::size_t m_size = 0;
    mutable std::size_t m_hint = 0;
};

} // namespace engine::scan
