#pragma once

// The steps the runs share for the run as a whole: starting it, taking its
// entries, and committing and telling its pages a group at a time.

#include "engine/BatchRun.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace engine::steps {

// What became of one entry of a run that changes pages: told now, put off to
// the run's end (a fragment that may turn out to be the footer other pages
// include), or told already (a footer handled for the pages that include it).
enum class Step { Told, Deferred, Silent };

// Whether a page with this outcome has its new text staged, waiting for its
// group's commit: a page to be changed, unless the run is dry.
bool awaitsCommit(const Result<Outcome>& outcome, const BatchOptions& options);

// The pages of a run that changes them, a group at a time: pages are staged and
// the group committed at once, so that one wait for the disk serves many pages,
// with the journal made durable before. Outcomes are told in order once the
// group in hand is committed.
class Groups {
public:
    Groups(RunSink& sink, PageFiles& files, BatchResult& result, const BatchOptions& options, int total)
        : m_sink(sink)
        , m_files(files)
        , m_result(result)
        , m_options(options)
        , m_total(total) {}

    PageResult& add(const std::string& path) {
        m_pending.push_back(PageResult{path});
        return m_pending.back();
    }
    void addDone(PageResult page) { m_pending.push_back(std::move(page)); }
    // A page told before the one in hand, staged with it: committed with its group.
    void addBefore(PageResult page, bool staged) {
        m_pending.push_back(std::move(page));
        if (staged)
            m_staged.push_back(m_pending.size() - 1);
    }

    // The journal's state: once it failed, no page takes a new text any more.
    Result<void>& journal() { return m_journal; }

    // The page added last was staged (or not); commits when the group is full.
    void pageDone(bool staged) {
        if (staged)
            m_staged.push_back(m_pending.size() - 1);
        if (m_staged.empty() || !m_journal || m_files.groupFull())
            tell();
    }

    // Commits the pages staged and tells every page added, in order.
    void tell();

private:
    void commitStaged();

    RunSink& m_sink;
    PageFiles& m_files;
    BatchResult& m_result;
    const BatchOptions& m_options;
    int m_total;
    int m_told = 0;
    std::vector<PageResult> m_pending;
    std::vector<std::size_t> m_staged; // indices into m_pending
    Result<void> m_journal;
};

// Opens the folder for the source's selected entries, after telling the folders
// beneath it that could not be listed or were not entered. Gives the number of
// entries selected; with none, the folder is not opened.
Result<int> startRun(PageSource& source, RunSink& sink, PageFiles& files, RunFiles how, bool keep,
                     BatchResult& result);

// A folder found unlistable while the run went, told as the listing would have.
PageResult unlistedResult(const std::string& folder, const Entry& entry);

// How a run that changes pages uses the files: the sink shows what it has so far
// before the run waits for another run's lock.
RunFiles runFilesFor(RunSink& sink, const BatchOptions& options);

// Takes the source's entries in order, each listed one to `take` and each found
// unlistable to `unlisted`, until they end or a stop is asked (asked before
// each, even the first). True when the run was stopped.
bool takeEntries(PageSource& source, RunSink& sink, const std::function<void(const std::string&)>& take,
                 const std::function<void(PageResult)>& unlisted);

// Takes the entries put off to the run's end the same way.
bool takeDeferred(const std::vector<std::string>& names, RunSink& sink,
                  const std::function<void(const std::string&)>& take);

} // namespace engine::steps
