#include "engine/BatchRun.h"

#include "engine/PageSteps.h"
#include "engine/ReportText.h"
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

bool isSeparator(char c) {
    return c == '/' || c == static_cast<char>(std::filesystem::path::preferred_separator);
}

// What became of one entry of a run that changes pages: told now, put off to
// the run's end (a fragment that may turn out to be the footer other pages
// include), or told already (a footer handled for the pages that include it).
enum class Step { Told, Deferred, Silent };

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
    const Result<PageRead> again = readNamed(files, entryName);
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
                               const Carrier& carrier, const PageSettings& settings, PageResult& result,
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
Result<Outcome> rewriteOne(RunState& run, const std::string& entryName, const PageSettings& settings,
                           bool mayDefer, Step& step, PageResult& result, SharedIncludes::Handled& handled,
                           Result<void>& journalFailure) {
    const BatchOptions& options = run.options;
    Result<PageRead> read = readNamed(run.files, entryName);
    if (!read)
        return read.failure();
    if (run.shared.carries(read->identity)) {
        step = Step::Silent;
        return Outcome::Unchanged;
    }
    if (run.seen.contains(read->identity))
        return failed(Failure::Kind::HandledBefore, "the same file as a page already handled in this run");
    const std::string name = blockName(entryName, *read, settings.pageNameByPath);
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
        read = readNamed(run.files, entryName);
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

// Whether a page with this outcome has its new text staged, waiting for its
// group's commit: a page to be changed, unless the run is dry.
bool awaitsCommit(const Result<Outcome>& outcome, const BatchOptions& options) {
    return !options.dryRun && outcome && *outcome != Outcome::Unchanged;
}

// The pages of a run that changes them, a group at a time: pages are staged and
// the group committed at once, so that one wait for the disk serves many pages,
// with the journal made durable before. Outcomes are told in order once the
// group in hand is committed.
class Groups {
public:
    Groups(BatchHost& host, PageFiles& files, BatchResult& result, const BatchOptions& options, int total)
        : m_host(host)
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

    void tell() {
        if (!m_staged.empty())
            commitStaged();
        for (PageResult& page : m_pending) {
            m_host.pageFinished(page, ++m_told, m_total);
            m_result.record(std::move(page), m_options.keepPages);
        }
        m_pending.clear();
        m_staged.clear();
        m_host.flush();
    }

private:
    void commitStaged() {
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

    BatchHost& m_host;
    PageFiles& m_files;
    BatchResult& m_result;
    const BatchOptions& m_options;
    int m_total;
    int m_told = 0;
    std::vector<PageResult> m_pending;
    std::vector<std::size_t> m_staged; // indices into m_pending
    Result<void> m_journal;
};

// The page's text with one byte a character, for reading the block: UTF-16 pages
// are narrowed, characters beyond ASCII read as '?'.
std::string narrowed(const std::string& contents) {
    const ByteOrderMark mark = byteOrderMark(contents);
    if (mark == ByteOrderMark::None)
        return contents;
    std::string text;
    for (const char16_t unit :
         decodeUtf16(std::string_view(contents).substr(2), mark == ByteOrderMark::Utf16BE))
        text.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
    return text;
}

// What differs between the page's one block and the block insert would write.
std::string whatDiffers(const PageResult& result, const BlockFields& carried, const StatusOptions& options,
                        const std::string& pageField) {
    std::vector<std::string> differs;
    if (result.website != siteNo(options.websiteNumber))
        differs.emplace_back("website number");
    if ((result.protocol == "normal") != isNormalProtocol(options.protocolText))
        differs.emplace_back("protocol");
    if (carried.pageName != pageField)
        differs.emplace_back("page name");
    if (differs.empty())
        differs.emplace_back("the block's place");
    std::string reason = "differs in ";
    for (std::size_t i = 0; i < differs.size(); ++i)
        reason += (i == 0 ? "" : i + 1 == differs.size() ? " and " : ", ") + differs[i];
    return reason;
}

// What the page's markers make of it: none, one block (compared when asked), or
// markers that form no block.
void readMarkers(const std::string& contents, const Result<RewritePlan>& insert, const StatusOptions& options,
                 const std::string& pageField, PageResult& result) {
    const std::string text = narrowed(contents);
    const scan::Segmented<char> all(text, {scan::Range{0, text.size()}});
    std::size_t starts = 0;
    std::size_t ends = 0;
    std::size_t firstStart = std::string::npos;
    for (std::size_t at = all.findKey(SearchKey, 0); at != std::string::npos;
         at = all.findKey(SearchKey, at + 1)) {
        firstStart = std::min(firstStart, at);
        ++starts;
    }
    for (std::size_t at = all.findKey(EndMarker, 0); at != std::string::npos;
         at = all.findKey(EndMarker, at + 1))
        ++ends;
    const bool oneBlock = starts == 1 && ends == 1 && insert && insert->blocksRemoved == 1;
    if (starts == 0 && ends == 0) {
        result.state = PageState::None;
        return;
    }
    if (!oneBlock) {
        result.state = PageState::Broken;
        result.note = "its markers form no single block (" + std::to_string(starts) + " start, " +
                      std::to_string(ends) + " end)";
        return;
    }
    const std::string_view blockText =
        std::string_view(text).substr(firstStart, all.findKey(EndMarker, firstStart) - firstStart);
    const BlockFields carried = readTrackingBlock(blockText);
    result.state = PageState::Code;
    result.website = carried.website;
    result.protocol = carried.secure ? "secure" : "normal";
    if (options.compare) {
        result.state = insert->changed ? PageState::Stale : PageState::Current;
        if (insert->changed)
            result.note = whatDiffers(result, carried, options, pageField);
    }
}

// The settings a status run compares pages with, as a run that changes them has them.
PageSettings comparedWith(const StatusOptions& options) {
    return PageSettings{options.compare ? options.websiteNumber : "1",
                        options.compare ? options.protocolText : std::string(NormalProtocol), Mode::Insert,
                        options.pageNameByPath};
}

// What the page carries, read as its own: `name` is the name its block gives it,
// and a file that carries a block for the pages that include it is compared
// with such a block.
Result<Outcome> inspectRead(const PageRead& read, const std::string& entryName, const std::string& name,
                            const StatusOptions& options, PageResult& result) {
    const Result<RewritePlan> insert = plan(read, Mode::Insert, name, comparedWith(options));
    if (!insert && insert.kind() == Failure::Kind::EndsInside) {
        // No block can run there, whatever markers the page holds.
        result.state = PageState::None;
        result.note = insert.reason();
        return Outcome::Unchanged;
    }
    // Tangled markers are told as markers that form no block.
    if (!insert && insert.kind() != Failure::Kind::TangledMarkers)
        return insert.failure();
    // Markers inside server code are the code's, not a block.
    const ServerCode code = findServerCode(read.contents, entryName);
    std::string withoutCode;
    (void)withoutServerCode(read.contents, code, withoutCode);
    const auto shared = sharedBlockIn(read.contents);
    readMarkers(code.empty() ? read.contents : withoutCode, insert, options,
                shared ? servedPageName(*shared, options.pageNameByPath) : pageName(name), result);
    return Outcome::Unchanged;
}

// What a status run keeps besides the pages.
struct StatusState {
    PageFiles& files;
    const StatusOptions& options;
    SeenPages& seen;
    std::set<std::string> parts; // the files the pages include, by their paths
};

// What one entry carries, for a status run: a page without a closing body tag
// of its own is read by the block of the file it includes that holds one. A
// page that has neither a closing body tag nor an include may be a part of
// other pages: it is put off to the run's end (`step`).
Result<Outcome> inspectOne(StatusState& run, const std::string& entryName, bool mayDefer, Step& step,
                           PageResult& result) {
    const Result<PageRead> read = readNamed(run.files, entryName);
    if (!read)
        return read.failure();
    if (run.seen.contains(read->identity))
        return failed(Failure::Kind::HandledBefore, "the same file as a page already handled in this run");
    const std::string name = blockName(entryName, *read, run.options.pageNameByPath);
    const Result<Outcome> own = inspectRead(*read, entryName, name, run.options, result);
    const bool noBody =
        own ? result.state == PageState::None
            : own.kind() == Failure::Kind::NoClosingBody || own.kind() == Failure::Kind::ServerWritten;
    if (!noBody || holdsClosingBody(read->contents, entryName)) {
        run.seen.insert(read->identity);
        return own;
    }
    const bool includes = !findIncludes(read->contents, entryName).empty();
    // A page that ends inside a script or comment is no part: it is told in order.
    const bool endsInside = own && !result.note.empty();
    if (mayDefer && !includes && !endsInside) {
        step = Step::Deferred;
        return own;
    }
    run.seen.insert(read->identity);
    if (!includes) {
        if (run.parts.count(pathOf(entryName, *read)) == 0)
            return own;
        result.state = PageState::Unknown;
        result.note.clear();
        return failed(Failure::Kind::NotWebPage, PartOfPages);
    }
    const IncludeRoute route = followIncludes(run.files, pathOf(entryName, *read), read->contents, run.parts);
    if (!route.carrier) {
        result.note = route.notFollowed;
        return own;
    }
    const Carrier& carrier = *route.carrier;
    PageResult carried{result.path};
    const Result<Outcome> outcome =
        inspectRead(carrier.read, carrier.path, carrier.path.substr(carrier.path.find_last_of('/') + 1),
                    run.options, carried);
    carried.via = carrier.path;
    result = std::move(carried);
    return outcome;
}

// The entries of a run that changes pages, one at a time: each told now, or
// put off to the run's end.
struct ChangeRun {
    BatchHost& host;
    RunState& run;
    Groups& groups;
    const std::string& folder;
    int total;
    int done = 0;
    std::vector<std::string> deferred;

    void rewrite(const std::string& name, bool mayDefer) {
        const std::string path = joinPath(folder, name);
        host.pageStarting(path, done, total);
        PageResult page{path};
        Step step = Step::Told;
        SharedIncludes::Handled carrier;
        run.staged = false;
        if (!groups.journal()) {
            page.outcome = groups.journal().failure(); // left as it is
        } else {
            const PageSettings settings{host.websiteNumber(), host.protocolText(), host.mode(),
                                        host.pageNameByPath()};
            page.outcome = rewriteOne(run, name, settings, mayDefer, step, page, carrier, groups.journal());
        }
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

// Opens the folder for the host's selected entries, after telling the folders
// beneath it that could not be listed or were not entered. Gives the number of
// entries selected; with none, the folder is not opened.
Result<int> startRun(BatchHost& host, PageFiles& files, RunFiles how, bool keep, BatchResult& result) {
    const int total = host.selectedCount();
    const std::string folder = host.folder();
    const auto tell = [&](const std::string& relative, Result<Outcome> outcome) {
        PageResult page{joinPath(folder, relative), std::move(outcome)};
        host.pageFinished(page, 0, total);
        result.record(std::move(page), keep);
    };
    for (const auto& [relative, reason] : host.unlistedFolders())
        tell(relative, failed(Failure::Kind::System, "this folder cannot be listed: " + reason));
    for (const auto& [relative, reason] : host.skippedFolders())
        tell(relative, failed(Failure::Kind::Excluded, reason));
    if (total == 0)
        return 0;
    if (const Result<void> opened = files.open(folder, host.listedFolder(), std::move(how)); !opened)
        return failed(opened.kind(), "The folder " + reportText(folder) +
                                         " cannot be used: " + opened.reason() + ". No page was changed.");
    host.startEntries();
    return total;
}

// A folder found unlistable while the run went, told as the listing would have.
PageResult unlistedResult(const std::string& folder, const Entry& entry) {
    // A file the host leaves out is told with its own reason.
    if (entry.listed.kind() == Failure::Kind::Excluded)
        return PageResult{joinPath(folder, entry.name), entry.listed.failure()};
    return PageResult{
        joinPath(folder, entry.name),
        failed(Failure::Kind::System, "this folder cannot be listed: " + entry.listed.reason())};
}

// How a run that changes pages uses the files: the host shows what it has so far
// before the run waits for another run's lock.
RunFiles runFilesFor(BatchHost& host, const BatchOptions& options) {
    RunFiles how;
    how.dryRun = options.dryRun;
    how.sync = options.sync;
    how.beforeWait = [&host] {
        host.flush();
    };
    return how;
}

// Whether pages may be changed with these settings: an overflowing website number
// would fail on every page, a missing one would write blocks that never work.
// With nothing selected there is nothing to judge.
Result<void> settingsUsable(BatchHost& host) {
    if (host.selectedCount() == 0)
        return {};
    if (!serverDigit(host.websiteNumber()))
        return failed(Failure::Kind::Settings,
                      "The website number is too large to use: no page was changed.");
    if (host.mode() == Mode::Insert && !hasWebsiteNumber(host.websiteNumber()))
        return failed(Failure::Kind::Settings, "No website number was given: no page was changed.");
    return {};
}

} // namespace

const char* outcomeWord(Outcome outcome) {
    switch (outcome) {
    case Outcome::Inserted:
        return "inserted";
    case Outcome::Replaced:
        return "replaced";
    case Outcome::Removed:
        return "removed";
    case Outcome::Unchanged:
        return "unchanged";
    case Outcome::Skipped:
        return "skipped";
    case Outcome::Failed:
        return "failed";
    case Outcome::Restored:
        return "restored";
    }
    return "failed";
}

std::size_t BatchResult::count(Outcome outcome) const {
    return m_outcomes[static_cast<int>(outcome)];
}

std::string BatchResult::summary() const {
    std::string text;
    for (const auto outcome : {Outcome::Inserted, Outcome::Replaced, Outcome::Removed, Outcome::Unchanged,
                               Outcome::Skipped, Outcome::Failed}) {
        if (!text.empty())
            text += ", ";
        text += std::to_string(count(outcome)) + " " + outcomeWord(outcome);
    }
    return text;
}

std::string BatchResult::undoSummary() const {
    std::string text;
    for (const auto outcome : {Outcome::Restored, Outcome::Unchanged, Outcome::Skipped, Outcome::Failed})
        text += (text.empty() ? "" : ", ") + std::to_string(count(outcome)) + " " + outcomeWord(outcome);
    return text;
}

std::size_t BatchResult::changed() const {
    return count(Outcome::Inserted) + count(Outcome::Replaced) + count(Outcome::Removed) +
           count(Outcome::Restored);
}

bool BatchResult::allHandled() const {
    return count(Outcome::Failed) == 0;
}

Outcome PageResult::reported() const {
    if (outcome)
        return *outcome;
    return outcome.failure().skipped() ? Outcome::Skipped : Outcome::Failed;
}

const std::string& PageResult::reason() const {
    return outcome ? note : outcome.reason();
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && isSeparator(folder.back()))
        return folder + name;
    return folder + static_cast<char>(std::filesystem::path::preferred_separator) + name;
}

Result<BatchResult> runBatch(BatchHost& host, PageFiles& files, BatchOptions options) {
    if (Result<void> usable = settingsUsable(host); !usable)
        return usable.failure();
    BatchResult result;
    const Result<int> started = startRun(host, files, runFilesFor(host, options), options.keepPages, result);
    if (!started || *started == 0) {
        host.flush();
        return started ? Result<BatchResult>(std::move(result)) : started.failure();
    }
    const int total = *started;
    const std::string folder = host.folder();
    if (options.dryRun)
        options.journal = nullptr;
    SeenPages seen(total);
    SharedIncludes shared(files, options, seen, folder);
    RunState run{files, options, seen, shared};
    Groups groups(host, files, result, options, total);
    ChangeRun pages{host, run, groups, folder, total, 0, {}};
    for (Entry entry; host.nextEntry(entry);) {
        // A stop asked for at any time, even before the first page, ends the run
        // here, once the pages before are committed and told.
        if (host.stopRequested()) {
            result.stopped = true;
            break;
        }
        if (!entry.listed) {
            groups.addDone(unlistedResult(folder, entry));
            continue;
        }
        pages.rewrite(entry.name, true);
    }
    for (std::size_t k = 0; k < pages.deferred.size() && !result.stopped; ++k) {
        result.stopped = host.stopRequested();
        if (!result.stopped)
            pages.rewrite(pages.deferred[k], false);
    }
    groups.tell();
    files.close();
    return result;
}

Result<BatchResult> runUndo(BatchHost& host, PageFiles& files, JournalRecord& record, BatchOptions options) {
    const int total = static_cast<int>(record.pageCount());
    const std::string folder = host.folder();
    if (const Result<void> opened = files.open(folder, host.listedFolder(), runFilesFor(host, options));
        !opened) {
        host.flush();
        return failed(opened.kind(), "The folder " + reportText(folder) +
                                         " cannot be used: " + opened.reason() + ". No page was changed.");
    }
    if (options.dryRun)
        options.journal = nullptr;
    BatchResult result;
    Groups groups(host, files, result, options, total);
    int done = 0;
    for (JournalRecord::Page entry; record.nextPage(entry);) {
        if (host.stopRequested()) {
            result.stopped = true;
            break;
        }
        const std::string path = joinPath(folder, entry.path);
        host.pageStarting(path, done++, total);
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

Result<BatchResult> runStatus(BatchHost& host, PageFiles& files, const StatusOptions& options) {
    if (options.compare && (!hasWebsiteNumber(options.websiteNumber) || !serverDigit(options.websiteNumber)))
        return failed(Failure::Kind::Settings, "The website number cannot be used.");
    BatchResult result;
    RunFiles how;
    how.dryRun = true;
    how.readOnly = true;
    const Result<int> started = startRun(host, files, std::move(how), options.keepPages, result);
    if (!started || *started == 0) {
        host.flush();
        return started ? Result<BatchResult>(std::move(result)) : started.failure();
    }
    const int total = *started;
    const std::string folder = host.folder();
    SeenPages seen(total);
    StatusState run{files, options, seen, {}};
    std::vector<std::string> deferred;
    int done = 0;
    const auto tell = [&](PageResult page) {
        host.pageFinished(page, ++done, total);
        result.record(std::move(page), options.keepPages);
        // What is told is written out now and then: the report stays live.
        if (done % 256 == 0)
            host.flush();
    };
    const auto inspect = [&](const std::string& name, bool mayDefer) {
        const std::string path = joinPath(folder, name);
        host.pageStarting(path, done, total);
        PageResult page{path};
        Step step = Step::Told;
        page.outcome = inspectOne(run, name, mayDefer, step, page);
        if (step == Step::Deferred)
            deferred.push_back(name);
        else
            tell(std::move(page));
    };
    for (Entry entry; host.nextEntry(entry);) {
        if (host.stopRequested()) {
            result.stopped = true;
            break;
        }
        if (!entry.listed) {
            PageResult page = unlistedResult(folder, entry);
            host.pageFinished(page, done, total);
            result.record(std::move(page), options.keepPages);
            continue;
        }
        inspect(entry.name, true);
    }
    for (const std::string& name : deferred) {
        if (result.stopped || host.stopRequested()) {
            result.stopped = true;
            break;
        }
        inspect(name, false);
    }
    host.flush();
    files.close();
    return result;
}

const char* stateWord(PageState state) {
    switch (state) {
    case PageState::Unknown:
        return "";
    case PageState::Code:
        return "code";
    case PageState::Current:
        return "current";
    case PageState::Stale:
        return "stale";
    case PageState::None:
        return "none";
    case PageState::Broken:
        return "broken";
    }
    return "";
}

void BatchResult::record(PageResult page, bool keep) {
    const Outcome outcome = page.reported();
    ++m_outcomes[static_cast<int>(outcome)];
    ++m_states[static_cast<int>(page.state)];
    if (page.state == PageState::Unknown) {
        m_skippedWithoutState += outcome == Outcome::Skipped ? 1 : 0;
        m_failedWithoutState += outcome == Outcome::Failed ? 1 : 0;
    }
    if (keep)
        pages.push_back(std::move(page));
}

std::size_t BatchResult::countState(PageState state) const {
    return m_states[static_cast<int>(state)];
}

std::string BatchResult::stateSummary(bool compared) const {
    std::string text;
    for (const PageState state :
         {PageState::Code, PageState::Current, PageState::Stale, PageState::None, PageState::Broken}) {
        const bool wanted =
            compared ? state != PageState::Code : (state != PageState::Current && state != PageState::Stale);
        if (wanted)
            text += std::to_string(countState(state)) + " " + stateWord(state) + ", ";
    }
    // Pages without a state were skipped or failed.
    return text + std::to_string(m_skippedWithoutState) + " skipped, " +
           std::to_string(m_failedWithoutState) + " failed";
}

int BatchHost::selectedCount() {
    const int count = entryCount();
    int selected = 0;
    for (int i = 0; i < count; ++i)
        selected += entrySelected(i) ? 1 : 0;
    return selected;
}

void BatchHost::startEntries() {
    m_listCount = entryCount();
    m_listNext = 0;
}

bool BatchHost::nextEntry(Entry& entry) {
    while (m_listNext < m_listCount) {
        const int index = m_listNext++;
        if (entrySelected(index)) {
            entry = Entry{entryName(index), {}};
            return true;
        }
    }
    return false;
}

} // namespace engine
