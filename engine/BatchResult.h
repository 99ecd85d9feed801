#pragma once

// What a run tells of each page, and counts of the whole run.

#include "engine/Result.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace engine {

enum class Outcome { Inserted, Replaced, Removed, Unchanged, Skipped, Failed, Restored };

// The word for an outcome, as reports print it ("inserted", "skipped", ...).
const char* outcomeWord(Outcome outcome);

// What a status run finds a page to carry: one block (compared with what insert
// would write: current or stale), no markers, or markers that form no block.
// Unknown where the outcome says it: skipped or failed.
enum class PageState { Unknown, Code, Current, Stale, None, Broken };

// The word for a state, as reports print it ("code", "stale", ...); empty for Unknown.
const char* stateWord(PageState state);

struct PageResult {
    PageResult() = default;
    explicit PageResult(std::string pagePath, Result<Outcome> what = Failure{})
        : path(std::move(pagePath))
        , outcome(std::move(what)) {}

    std::string path;
    // What became of the page (inserted, replaced, removed, unchanged, restored),
    // or why it was left as it is: a failure that is skipped() names a page the
    // run does not change, any other one a page that could not be handled.
    Result<Outcome> outcome = Failure{};
    // Status runs only: what the page carries, and for a block its website number
    // and protocol ("normal" or "secure"), and why it is stale, why its markers
    // form no block, or what it ends inside.
    PageState state = PageState::Unknown;
    std::string website;
    std::string protocol;
    std::string note;
    // With BatchOptions::diff: the page's change as a unified diff, for pages
    // inserted, replaced or removed (or that would be, in a dry run).
    std::string diff;
    // A page whose own markup has no closing body tag, carried by a file it
    // includes: that file's path beneath the folder. The outcome and state are
    // the include's.
    std::string via;
    // Status runs: the whole blocks a run would replace with one (several for a
    // page that carries the code more than once; its state is then Broken, as
    // its markers form no single block).
    std::size_t blocks = 0;

    // The outcome as reports count it: skipped or failed for a failure.
    Outcome reported() const;
    // Why the page was skipped or failed, or the note; empty when there is none.
    const std::string& reason() const;
};

struct BatchResult {
    // Every page's result, in order, when the run was asked to keep them (the
    // wizard lists them); the counts below are kept in any case.
    std::vector<PageResult> pages;
    bool stopped = false; // the host asked to stop before every page was done

    // Counts the page and, when asked, keeps it.
    void record(PageResult page, bool keep);
    std::size_t count(Outcome outcome) const;
    bool allHandled() const; // no failed page
    // "3 inserted, 0 replaced, 0 removed, 1 unchanged, 2 skipped, 0 failed"
    std::string summary() const;
    // Runs that take a run back: "3 restored, 1 unchanged, 0 skipped, 0 failed"
    std::string undoSummary() const;
    // Pages that were (or in a dry run would be) changed.
    std::size_t changed() const;
    // Status runs: "2 code, 1 none, 0 broken, 1 skipped, 0 failed" (with current
    // and stale in place of code where pages were compared).
    std::string stateSummary(bool compared) const;
    std::size_t countState(PageState state) const;

private:
    std::size_t m_outcomes[7] = {};
    std::size_t m_states[6] = {}; // by PageState
    std::size_t m_skippedWithoutState = 0;
    std::size_t m_failedWithoutState = 0;
};

// A page's line in a report, as the command-line tool prints it and the wizard
// saves it: the outcome's word (or, for a status run, the state's) in a column
// of its own, the path, the include that carries its block, what a block
// carries, and why; names and reasons escaped. A dry run's changes read
// "would be inserted".
std::string reportLine(const PageResult& page, bool dryRun, bool status);

// Folder and file name joined with the native separator, unless the folder
// already ends in one.
std::string joinPath(const std::string& folder, const std::string& name);

} // namespace engine
