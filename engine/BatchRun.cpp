#include "engine/BatchRun.h"

#include "engine/PageSteps.h"
#include "engine/ReportText.h"
#include "engine/RunSteps.h"
#include "engine/ServerCode.h"
#include "engine/SharedIncludes.h"
#include "engine/TrackingBlock.h"
#include "engine/UnifiedDiff.h"
#include "engine/Utf16.h"
#include "engine/scan/TextScan.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <new>
#include <set>

namespace engine {

namespace {

using namespace steps;

// What one entry of a run that changes pages needs besides the page.
struct RunState {
    PageFiles& files;
    const BatchOptions& options;
    SeenPages& seen;
    SharedIncludes& shared;
    bool staged = false; // the page in hand has its new text staged
};

// The page's own old blocks go once the file it includes carries its block.
Result<Outcome> withoutOwnBlocks(PageFiles& files, const PageRead& read, const std::string& entryName,
                                 Outcome carried, Mode mode, const BatchOptions& options, PageResult& result,
                                 Result<void>& journalFailure, bool& staged) {
    const Result<RewritePlan> first = planWith(read, Mode::Remove, entryName, std::string());
    if (!first || first->blocksRemoved == 0 || !first->changed)
        return carried;
    // Its includes were read since: the page is read again to be written.
    const Result<PageRead> again = readPage(files, entryName);
    if (!again)
        return again.failure();
    const Result<RewritePlan> own = planWith(*again, Mode::Remove, entryName, std::string());
    if (!own)
        return own.failure();
    if (Result<void> may = replaceable(*again); !may)
        return may.failure();
    if (options.diff)
        result.diff = unifiedDiff(entryName, again->contents, *own, options.escapeDiff);
    if (!options.dryRun) {
        if (Result<void> done = stageAndKeep(files, *again, pathOf(entryName, *again),
                                             own->pieces(again->contents), options.journal, journalFailure);
            !done)
            return done.failure();
        staged = true;
    }
    return mode == Mode::Insert ? Outcome::Replaced : Outcome::Removed;
}

// A page carried by the file it includes: that file is changed (once a run),
// and the page takes its outcome.
Result<Outcome> throughInclude(RunState& run, const PageRead& read, const std::string& entryName,
                               const Carrier& carrier, const RunSettings& settings, PageResult& result,
                               Result<void>& journalFailure, SharedIncludes::Handled& handled) {
    handled = run.shared.handle(carrier, settings, journalFailure);
    result.via = carrier.path;
    if (!handled.outcome)
        return failed(handled.outcome.kind(),
                      "its include " + carrier.path + " was not changed: " + handled.outcome.reason());
    return withoutOwnBlocks(run.files, read, entryName, *handled.outcome, settings.mode, run.options, result,
                            journalFailure, run.staged);
}

// Whether the page may be a part that other pages include, to be handled at the
// run's end: a closing body tag without an opening one, or with server code (a
// footer); or no closing body tag and no include (a header).
bool mayBePart(const Result<RewritePlan>& planned, const PageRead& read, const std::string& entryName) {
    if (planned && planned->blockInserted && !planned->appended)
        return planned->serverCode || !holdsOpeningBody(read.contents);
    const bool noBody = planned ? planned->appended : planned.kind() == Failure::Kind::NoClosingBody;
    return noBody && findIncludes(read.contents, entryName).empty();
}

// Reads, plans and stages one page: the outcome it has, or will have once its
// group is committed (see awaitsCommit()).
Result<Outcome> rewriteOne(RunState& run, const std::string& entryName, const RunSettings& settings,
                           bool mayDefer, Step& step, PageResult& result, SharedIncludes::Handled& handled,
                           Result<void>& journalFailure) {
    const BatchOptions& options = run.options;
    Result<PageRead> read = readPage(run.files, entryName);
    if (!read)
        return read.failure();
    if (run.shared.carries(read->identity)) {
        step = Step::Silent;
        return Outcome::Unchanged;
    }
    if (run.seen.contains(read->identity))
        return failed(Failure::Kind::HandledBefore, "the same file as a page already handled in this run");
    const std::string name = blockName(entryName, *read, settings.naming);
    Result<RewritePlan> planned = plan(*read, settings.mode, name, settings);
    if (mayDefer && settings.mode == Mode::Insert && mayBePart(planned, *read, entryName)) {
        step = Step::Deferred;
        return Outcome::Unchanged;
    }
    run.seen.insert(read->identity);
    if (!mayDefer && run.shared.parts().count(pathOf(entryName, *read)) > 0)
        return failed(Failure::Kind::NotWebPage, PartOfPages);
    if (mayHaveCarrier(planned, settings.mode, read->contents, entryName)) {
        const IncludeRoute route =
            followIncludes(run.files, pathOf(entryName, *read), read->contents, run.shared.parts());
        if (route.carrier)
            return throughInclude(run, *read, entryName, *route.carrier, settings, result, journalFailure,
                                  handled);
        result.note = route.notFollowed;
        // Its includes were read since: the page is read again to be written.
        read = readPage(run.files, entryName);
        if (!read)
            return read.failure();
        planned = plan(*read, settings.mode, name, settings);
    }
    if (!planned && !result.note.empty())
        return failed(planned.kind(), planned.reason() + "; " + result.note);
    if (!planned)
        return planned.failure();
    // A page without tracking code has nothing to remove and is left as it is.
    if (!planned->changed || (settings.mode == Mode::Remove && planned->blocksRemoved == 0))
        return Outcome::Unchanged;
    if (Result<void> may = replaceable(*read); !may)
        return may.failure();
    if (options.diff)
        result.diff = unifiedDiff(entryName, read->contents, *planned, options.escapeDiff);
    if (!options.dryRun) {
        if (Result<void> done =
                stageAndKeep(run.files, *read, pathOf(entryName, *read), planned->pieces(read->contents),
                             options.journal, journalFailure);
            !done)
            return done.failure();
        run.staged = true;
    }
    // A run that removes blocks takes footers as they come: the pages that
    // include one are told what became of it.
    if (settings.mode == Mode::Remove && (sharedBlockIn(read->contents) || !holdsOpeningBody(read->contents)))
        run.shared.handledAsPage(read->identity, changeOf(*planned, settings.mode));
    return changeOf(*planned, settings.mode);
}

// The entries of a run that changes pages, one at a time: each told now, or
// put off to the run's end.
struct ChangeRun {
    RunSink& sink;
    const RunSettings& settings;
    RunState& run;
    Groups& groups;
    const std::string& folder;
    int total;
    int done = 0;
    std::vector<std::string> deferred;

    void rewrite(const std::string& name, bool mayDefer) {
        const std::string path = joinPath(folder, name);
        sink.pageStarting(path, done, total);
        PageResult page{path};
        Step step = Step::Told;
        SharedIncludes::Handled carrier;
        run.staged = false;
        if (!groups.journal())
            page.outcome = groups.journal().failure(); // left as it is
        else
            page.outcome = rewriteOne(run, name, settings, mayDefer, step, page, carrier, groups.journal());
        if (step == Step::Deferred) {
            deferred.push_back(name);
            return;
        }
        ++done;
        if (step == Step::Silent)
            return;
        if (carrier.line)
            groups.addBefore(std::move(*carrier.line), carrier.staged);
        groups.addDone(std::move(page));
        groups.pageDone(run.staged);
    }
};

} // namespace

Result<BatchResult> runBatch(PageSource& source, const RunSettings& settings, RunSink& sink, PageFiles& files,
                             BatchOptions options) {
    // With nothing selected there is nothing to judge the settings by.
    if (source.selectedCount() > 0) {
        if (Result<void> usable = settings.usable(); !usable)
            return usable.failure();
    }
    BatchResult result;
    const Result<int> started =
        startRun(source, sink, files, runFilesFor(sink, options), options.keepPages, result);
    if (!started || *started == 0) {
        sink.flush();
        return started ? Result<BatchResult>(std::move(result)) : started.failure();
    }
    const int total = *started;
    const std::string folder = source.folder();
    if (options.dryRun)
        options.journal = nullptr;
    SeenPages seen(total);
    SharedIncludes shared(files, options, seen, folder);
    RunState run{files, options, seen, shared};
    Groups groups(sink, files, result, options, total);
    ChangeRun pages{sink, settings, run, groups, folder, total, 0, {}};
    result.stopped = takeEntries(
        source, sink, [&](const std::string& name) { pages.rewrite(name, true); },
        [&](PageResult page) { groups.addDone(std::move(page)); });
    if (!result.stopped)
        result.stopped =
            takeDeferred(pages.deferred, sink, [&](const std::string& name) { pages.rewrite(name, false); });
    groups.tell();
    files.close();
    return result;
}

} // namespace engine
