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

// A run's journal read back, to take the run back page by page.
class JournalRecord {
public:
    virtual ~JournalRecord() = default;

    virtual std::size_t pageCount() const = 0;
    // The page's path beneath the run's folder, with '/' between folders.
    virtual std::string pagePath(std::size_t page) const = 0;

    enum class Holds { WhatTheRunWrote, WhatItHeldBefore, SomethingElse };
    virtual Holds compare(std::size_t page, std::string_view contents) const = 0;

    // The page's text before the run. Pages are asked for in order.
    virtual Result<std::string> oldText(std::size_t page) = 0;

    // The digests of the page's text before the run and of what the run wrote, as
    // `Journal::keep` takes them.
    virtual Journal::Digests digests(std::size_t page) const = 0;
};

} // namespace engine
