#pragma once

#include "engine/Journal.h"
#include "engine/PageFiles.h"
#include "engine/PageRewriter.h"
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

// One entry a run takes: a name in the folder (a relative path beneath it), or a
// folder beneath it that could not be listed while the run went (`listed` fails),
// or a file the host leaves out (`listed` fails with Excluded and the reason).
struct Entry {
    std::string name;
    Result<void> listed;
};

// What the batch run reads and tells while it works: the wizard window, or the
// command-line tool. Settings are asked for afresh for every page.
class BatchHost {
public:
    virtual ~BatchHost() = default;

    virtual std::string folder() = 0;
    // Folders beneath it (relative paths) that could not be listed, with the reason:
    // each is reported as a failed line before the pages.
    virtual std::vector<std::pair<std::string, std::string>> unlistedFolders() { return {}; }
    // Folders beneath it that were not entered, with the reason: each is reported
    // as a skipped line before the pages.
    virtual std::vector<std::pair<std::string, std::string>> skippedFolders() { return {}; }
    // The folder as it was listed, so that the run changes no other one.
    virtual FolderId listedFolder() { return {}; }
    virtual int entryCount() = 0;
    virtual std::string entryName(int index) = 0;
    virtual bool entrySelected(int index) = 0;
    // The selected entries in order, one at a time, and how many there are. By
    // default the list above: its length read once, each flag read when the run
    // reaches it (the wizard). A host may give them as it finds them instead (the
    // command-line tool, folder by folder), never holding a whole tree.
    virtual int selectedCount();
    virtual void startEntries();
    virtual bool nextEntry(Entry& entry);
    virtual std::string websiteNumber() = 0;
    virtual std::string protocolText() = 0;
    virtual Mode mode() = 0;
    // Whether a page's name in its block is its path beneath the folder
    // ("blog/index.html") rather than its file name (as the service has always had).
    virtual bool pageNameByPath() { return false; }

    // The page at path is next; called before it is read or written. `done` of
    // `total` selected pages are finished.
    virtual void pageStarting(const std::string& path, int done, int total) = 0;
    virtual void pageFinished(const PageResult& result, int done, int total) {
        (void)result;
        (void)done;
        (void)total;
    }
    // Asked before each page; true ends the run there.
    virtual bool stopRequested() { return false; }
    // The pages told so far are complete (after each group, and at the end).
    virtual void flush() {}

private:
    int m_listCount = 0;
    int m_listNext = 0;
};

struct BatchOptions {
    bool dryRun = false; // decide every page's outcome but write nothing
    RunFiles::Sync sync = RunFiles::Sync::FileSystem;
    bool keepPages = true;   // keep every page's result in BatchResult::pages
    bool diff = false;       // give each changed page's unified diff (PageResult::diff)
    bool escapeDiff = false; // with controls escaped, for a terminal
    // Where each changed page's old text is kept before the page takes its new
    // one; none keeps no journal. Not used by dry runs.
    Journal* journal = nullptr;
};

// A run that could not start at all (an overflowing website number, a folder
// that is gone or no longer the one listed) fails with a sentence that says so;
// then no file was touched.

// Rewrites every selected entry of the host's list in the host's folder.
Result<BatchResult> runBatch(BatchHost& host, PageFiles& files, BatchOptions options = {});

// Takes a run back: each page of the record that holds what the run wrote gets
// its old text again ("restored"); one that holds its old text already is left
// ("unchanged"), as is one changed since the run ("skipped"). The host gives the
// folder and hears the outcomes; its entries and settings are not asked.
Result<BatchResult> runUndo(BatchHost& host, PageFiles& files, JournalRecord& record,
                            BatchOptions options = {});

// What a status run compares each page with: the block insert would write.
struct StatusOptions {
    bool compare = false;
    std::string websiteNumber;
    std::string protocolText;
    bool keepPages = true;
    bool pageNameByPath = false; // as BatchHost::pageNameByPath
};

// Tells for every selected entry what tracking code it carries, writing nothing.
Result<BatchResult> runStatus(BatchHost& host, PageFiles& files, const StatusOptions& options);

// Folder and file name joined with the native separator, unless the folder
// already ends in one.
std::string joinPath(const std::string& folder, const std::string& name);

} // namespace engine
