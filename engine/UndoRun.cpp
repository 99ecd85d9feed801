#include "engine/BatchRun.h"
#include "engine/PageSteps.h"
#include "engine/ReportText.h"
#include "engine/RunSteps.h"

namespace engine {

namespace {

using namespace steps;

// Reads one page of a journal's record and, when it holds what the run wrote,
// stages its old text (see awaitsCommit()).
Result<Outcome> restoreOne(PageFiles& files, JournalRecord& record, const std::string& path,
                           const BatchOptions& options, Result<void>& journalFailure) {
    const Result<PageRead> read = readPage(files, path);
    if (!read) // the page was there after the run: whatever it is now, taking it back failed
        return failed(Failure::Kind::NotFound, read.reason());
    switch (record.compare(read->contents)) {
    case JournalRecord::Holds::WhatItHeldBefore:
        return Outcome::Unchanged;
    case JournalRecord::Holds::SomethingElse:
        return failed(Failure::Kind::ChangedSince, "changed since the run: left as it is");
    case JournalRecord::Holds::WhatTheRunWrote:
        break;
    }
    const Result<std::string> old = record.oldText(read->contents);
    if (!old)
        return old.failure();
    if (Result<void> may = replaceable(*read); !may)
        return may.failure();
    // Taking the page back writes its old text over what the run wrote.
    const Journal::Digests recorded = record.digests();
    const Journal::Digests known{recorded.newText, recorded.oldText};
    if (!options.dryRun) {
        if (Result<void> done =
                stageAndKeep(files, *read, path, {*old}, options.journal, journalFailure, &known);
            !done)
            return done.failure();
    }
    return Outcome::Restored;
}

} // namespace

Result<BatchResult> runUndo(const std::string& folder, FolderId listed, JournalRecord& record, RunSink& sink,
                            PageFiles& files, BatchOptions options) {
    const int total = static_cast<int>(record.pageCount());
    if (const Result<void> opened = files.open(folder, listed, runFilesFor(sink, options)); !opened) {
        sink.flush();
        return failed(opened.kind(), "The folder " + reportText(folder) +
                                         " cannot be used: " + opened.reason() + ". No page was changed.");
    }
    if (options.dryRun)
        options.journal = nullptr;
    BatchResult result;
    Groups groups(sink, files, result, options, total);
    int done = 0;
    for (JournalRecord::Page entry; record.nextPage(entry);) {
        if (sink.stopRequested()) {
            result.stopped = true;
            break;
        }
        const std::string path = joinPath(folder, entry.path);
        sink.pageStarting(path, done++, total);
        PageResult& page = groups.add(path);
        if (!entry.intact)
            page.outcome = entry.intact.failure();
        else if (!groups.journal())
            page.outcome = groups.journal().failure();
        else
            page.outcome = restoreOne(files, record, entry.path, options, groups.journal());
        groups.pageDone(awaitsCommit(page.outcome, options));
    }
    groups.tell();
    files.close();
    return result;
}

} // namespace engine
