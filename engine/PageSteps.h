#pragma once

// The steps a run takes with one page, shared by the runs that change pages,
// take them back, tell what they carry, and follow their includes.

#include "engine/BatchRun.h"
#include "engine/Includes.h"
#include "engine/Journal.h"
#include "engine/PageFiles.h"
#include "engine/PageRewriter.h"
#include "engine/Result.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace engine::steps {

// The pages a run has handled, by the identity the file layer gives them, so
// that a page reached a second way (a link, a folder mounted twice) is handled
// once. Held as 64-bit hashes in one open-addressed table sized once for the
// pages the run takes: 10 bytes a page, so that a run over a million pages stays
// small.
class SeenPages {
public:
    explicit SeenPages(int expected)
        : m_slots(slotsFor(static_cast<std::size_t>(std::max(expected, 0))), 0) {}

    // Whether the identity was seen.
    bool contains(const std::string& identity) const {
        const std::uint64_t key = keyOf(identity);
        for (std::size_t at = static_cast<std::size_t>(key % m_slots.size());;
             at = at + 1 == m_slots.size() ? 0 : at + 1) {
            if (m_slots[at] == key)
                return true;
            if (m_slots[at] == 0)
                return false;
        }
    }

    // False when the identity was seen before.
    bool insert(const std::string& identity) {
        const std::uint64_t key = keyOf(identity);
        if ((m_size + 1) * 10 > m_slots.size() * 9)
            rehash(m_slots.size() * 2); // more pages than the run expected
        if (!place(m_slots, key))
            return false;
        ++m_size;
        return true;
    }

private:
    static std::uint64_t keyOf(const std::string& identity) {
        const std::uint64_t key = std::hash<std::string>{}(identity);
        return key == 0 ? 1 : key; // zero marks an empty slot
    }
    static std::size_t slotsFor(std::size_t pages) { return pages + pages / 4 + 64; }

    // Puts the key in its place; false when it is there already.
    static bool place(std::vector<std::uint64_t>& slots, std::uint64_t key) {
        const auto home = static_cast<std::size_t>(key % slots.size());
        for (std::size_t at = home;; at = at + 1 == slots.size() ? 0 : at + 1) {
            if (slots[at] == key)
                return false;
            if (slots[at] == 0) {
                slots[at] = key;
                return true;
            }
        }
    }

    void rehash(std::size_t size) {
        std::vector<std::uint64_t> slots(size, 0);
        for (const std::uint64_t key : m_slots) {
            if (key != 0)
                place(slots, key);
        }
        m_slots.swap(slots);
    }

    std::vector<std::uint64_t> m_slots;
    std::size_t m_size = 0;
};

Failure failed(Failure::Kind kind, std::string reason);

// Reads one page; bad_alloc is a page too large to hold.
Result<PageRead> readPage(PageFiles& files, const std::string& name);

// The name the block gives the page: a link to a page of the folder stands for
// that page, under that page's own name.
std::string blockName(const std::string& entryName, const PageRead& read, PageNaming naming);

// The page's path beneath the folder: a link to a page of the folder stands for that page.
std::string pathOf(const std::string& entryName, const PageRead& read);

// Which server names the pages in the block a file carries for the pages that
// include it, if it carries one so written.
std::optional<IncludeServer> sharedBlockIn(std::string_view contents);

// Plans the page's rewrite with the block the settings give: a file that
// carries a block for the pages that include it keeps the server's naming.
// bad_alloc is a page too large to rewrite.
Result<RewritePlan> plan(const PageRead& read, Mode mode, const std::string& name,
                         const RunSettings& settings);
// The same with the block given.
Result<RewritePlan> planWith(const PageRead& read, Mode mode, const std::string& name,
                             const Result<std::string>& block);

// Whether a page that a run means to change may be replaced.
Result<void> replaceable(const PageRead& read);

// Stages the page's new text and keeps its old one in the journal. A journal that
// failed is told in `journalFailure` (the text is staged, and its group must not
// be committed).
Result<void> stageAndKeep(PageFiles& files, const PageRead& read, const std::string& path,
                          const std::vector<std::string_view>& pieces, Journal* journal,
                          Result<void>& journalFailure, const Journal::Digests* known = nullptr);

Outcome changeOf(const RewritePlan& plan, Mode mode);

} // namespace engine::steps
