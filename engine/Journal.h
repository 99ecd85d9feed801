#pragma once

#include "engine/Result.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// Where a run keeps what each page held before it, so that the run can be taken
// back. Implemented beside the file layer; the engine only feeds it.
class Journal {
public:
    virtual ~Journal() = default;

    // Keeps the old text of the page at `path` (beneath the run's folder) and
    // what the run is about to write there, once the new text is staged.
    // `known` holds the texts' digests when they are known already (as the
    // journal's own `JournalRecord` gives them), so that they are not worked out again.
    struct Digests {
        std::string oldText;
        std::string newText;
    };
    virtual Result<void> keep(const std::string& path, std::string_view oldText,
                              const std::vector<std::string_view>& newText,
                              const Digests* known = nullptr) = 0;

    // Makes everything kept so far durable. Called before the pages kept since the
    // last call take their new texts; on failure none of them may.
    virtual Result<void> seal() = 0;
};

// A run's journal read back, to take the run back page by page, in order.
class JournalRecord {
public:
    virtual ~JournalRecord() = default;

    // How many pages the run changed, as far as the journal tells: for progress.
    virtual std::size_t pageCount() const = 0;

    // The next page: its path beneath the run's folder, with '/' between
    // folders, or why the journal cannot vouch for it (then the rest is unusable
    // for that page alone). False at the end.
    struct Page {
        std::string path;
        Result<void> intact;
    };
    virtual bool nextPage(Page& page) = 0;

    // What the page in hand holds now.
    enum class Holds { WhatTheRunWrote, WhatItHeldBefore, SomethingElse };
    virtual Holds compare(std::string_view contents) const = 0;

    // The page in hand's text before the run, checked against its digest;
    // `current` is what the run wrote, which it may be kept against.
    virtual Result<std::string> oldText(std::string_view current) = 0;

    // The digests of the page in hand's text before the run and of what the run
    // wrote, as `Journal::keep` takes them.
    virtual Journal::Digests digests() const = 0;
};

} // namespace engine
