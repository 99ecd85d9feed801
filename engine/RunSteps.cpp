#include "engine/RunSteps.h"

#include "engine/PageSteps.h"
#include "engine/ReportText.h"

namespace engine::steps {

bool awaitsCommit(const Result<Outcome>& outcome, const BatchOptions& options) {
    return !options.dryRun && outcome && *outcome != Outcome::Unchanged;
}

void Groups::tell() {
    if (!m_staged.empty())
        commitStaged();
    for (PageResult& page : m_pending) {
        m_sink.pageFinished(page, ++m_told, m_total);
        m_result.record(std::move(page), m_options.keepPages);
    }
    m_pending.clear();
    m_staged.clear();
    m_sink.flush();
}

void Groups::commitStaged() {
    if (m_journal && m_options.journal)
        m_journal = m_options.journal->seal();
    std::vector<Result<void>> committed;
    if (m_journal) {
        committed = m_files.commit();
    } else {
        m_files.discard();
        committed.assign(m_staged.size(), m_journal);
    }
    committed.resize(m_staged.size(), failed(Failure::Kind::System, "the new text was not saved"));
    for (std::size_t k = 0; k < m_staged.size(); ++k) {
        if (!committed[k]) {
            PageResult& page = m_pending[m_staged[k]];
            page.outcome = committed[k].failure();
            page.diff.clear();
        }
    }
}

// Opens the folder for the source's selected entries, after telling the folders
// beneath it that could not be listed or were not entered. Gives the number of
// entries selected; with none, the folder is not opened.
Result<int> startRun(PageSource& source, RunSink& sink, PageFiles& files, RunFiles how, bool keep,
                     BatchResult& result) {
    const int total = source.selectedCount();
    const std::string folder = source.folder();
    const auto tell = [&](const std::string& relative, Result<Outcome> outcome) {
        PageResult page{joinPath(folder, relative), std::move(outcome)};
        sink.pageFinished(page, 0, total);
        result.record(std::move(page), keep);
    };
    for (const auto& [relative, reason] : source.unlistedFolders())
        tell(relative, failed(Failure::Kind::System, "this folder cannot be listed: " + reason));
    for (const auto& [relative, reason] : source.skippedFolders())
        tell(relative, failed(Failure::Kind::Excluded, reason));
    if (total == 0)
        return 0;
    if (const Result<void> opened = files.open(folder, source.listedFolder(), std::move(how)); !opened)
        return failed(opened.kind(), "The folder " + reportText(folder) +
                                         " cannot be used: " + opened.reason() + ". No page was changed.");
    source.startEntries();
    return total;
}

// A folder found unlistable while the run went, told as the listing would have.
PageResult unlistedResult(const std::string& folder, const Entry& entry) {
    // A file the source leaves out is told with its own reason.
    if (entry.listed.kind() == Failure::Kind::Excluded)
        return PageResult{joinPath(folder, entry.name), entry.listed.failure()};
    return PageResult{
        joinPath(folder, entry.name),
        failed(Failure::Kind::System, "this folder cannot be listed: " + entry.listed.reason())};
}

// How a run that changes pages uses the files: the sink shows what it has so far
// before the run waits for another run's lock.
RunFiles runFilesFor(RunSink& sink, const BatchOptions& options) {
    RunFiles how;
    how.dryRun = options.dryRun;
    how.sync = options.sync;
    how.beforeWait = [&sink] {
        sink.flush();
    };
    return how;
}

bool takeEntries(PageSource& source, RunSink& sink, const std::function<void(const std::string&)>& take,
                 const std::function<void(PageResult)>& unlisted) {
    const std::string folder = source.folder();
    for (Entry entry; source.nextEntry(entry);) {
        // A stop asked for at any time, even before the first page, ends the run
        // here, once the pages before are committed and told.
        if (sink.stopRequested())
            return true;
        if (entry.listed)
            take(entry.name);
        else
            unlisted(unlistedResult(folder, entry));
    }
    return false;
}

bool takeDeferred(const std::vector<std::string>& names, RunSink& sink,
                  const std::function<void(const std::string&)>& take) {
    for (std::size_t k = 0; k < names.size(); ++k) {
        if (sink.stopRequested())
            return true;
        take(names[k]);
    }
    return false;
}

} // namespace engine::steps
