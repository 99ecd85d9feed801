#include "engine/BatchRun.h"

#include "engine/ReportText.h"
#include "engine/TrackingBlock.h"
#include "engine/UnifiedDiff.h"
#include "engine/Utf16.h"
#include "engine/scan/TextScan.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <new>

namespace engine {

namespace {

bool isSeparator(char c) {
    return c == '/' || c == static_cast<char>(std::filesystem::path::preferred_separator);
}

// The pages a run has handled, by the identity the file layer gives them, so
// that a page reached a second way (a link, a folder mounted twice) is handled
// once. Held as 64-bit hashes in one open-addressed table sized once for the
// pages the run takes: 10 bytes a page, so that a run over a million pages stays
// small.
class SeenPages {
public:
    explicit SeenPages(int expected)
        : m_slots(slotsFor(static_cast<std::size_t>(std::max(expected, 0))), 0) {}

    // False when the identity was seen before.
    bool insert(const std::string& identity) {
        std::uint64_t key = std::hash<std::string>{}(identity);
        key += key == 0 ? 1 : 0; // zero marks an empty slot
        if ((m_size + 1) * 10 > m_slots.size() * 9)
            rehash(m_slots.size() * 2); // more pages than the run expected
        if (!place(m_slots, key))
            return false;
        ++m_size;
        return true;
    }

private:
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

struct PageSettings {
    std::string websiteNumber;
    std::string protocolText;
    Mode mode = Mode::Insert;
    bool pageNameByPath = false;
};

// Reads one entry; false when it cannot be read or was handled already, with the
// result saying why.
bool readEntry(PageFiles& files, const std::string& entryName, SeenPages& seen, PageResult& result,
               PageRead& read, std::string& contents) {
    if (!isValidUtf8(entryName)) {
        result.reason =
            "its name is not valid UTF-8 text, so the tracking code cannot name it; rename the file";
        return false;
    }
    try {
        read = files.read(entryName, contents);
    } catch (const std::bad_alloc&) {
        result.reason = "the page is too large to hold in memory";
        return false;
    }
    switch (read.status) {
    case PageRead::Status::Ok:
        break;
    case PageRead::Status::NotRegular:
    case PageRead::Status::OutsideFolder:
    case PageRead::Status::Binary:
        result.outcome = Outcome::Skipped;
        result.reason = read.reason;
        return false;
    case PageRead::Status::Failed:
        result.reason = read.reason;
        return false;
    }
    if (!seen.insert(read.identity)) {
        result.outcome = Outcome::Skipped;
        result.reason = "the same file as a page already handled in this run";
        return false;
    }
    return true;
}

// The name the block gives the page: a link to a page of the folder stands for
// that page, under that page's own name.
std::string blockName(const std::string& entryName, const PageRead& read, bool byPath) {
    if (byPath)
        return read.pagePath.empty() ? entryName : read.pagePath;
    return read.pageName.empty() ? entryName.substr(entryName.find_last_of('/') + 1) : read.pageName;
}

// Whether a plan leaves the page alone for a reason of its own (skipped or
// failed, as the result then says); insert mode changes only web pages.
bool refused(const RewritePlan& plan, Mode mode, const std::string& name, std::string_view contents,
             PageResult& result) {
    result.outcome = Outcome::Skipped;
    switch (plan.status) {
    case RewritePlan::Status::Rewritten:
        break;
    case RewritePlan::Status::Binary:
        result.reason = "a binary file, not a web page";
        return true;
    case RewritePlan::Status::NoClosingBody:
        result.reason =
            isWebPage(name, contents)
                ? "no closing body tag (only .htm, .html, .shtm and .shtml pages get the code at their end)"
                : "no closing body tag, and not a web page by its name";
        return true;
    case RewritePlan::Status::BadUtf16:
        result.reason = "marked as UTF-16 but has an odd number of bytes";
        return true;
    case RewritePlan::Status::WouldTurnUtf16:
        result.reason = "once changed, its first bytes would read as a UTF-16 byte-order mark";
        return true;
    case RewritePlan::Status::Utf32:
        result.reason = "UTF-32 text, which this program does not rewrite";
        return true;
    case RewritePlan::Status::TangledMarkers:
        result.outcome = Outcome::Failed;
        result.reason = "its tracking code markers are nested or crossed, so it was left as it is; tidy them "
                        "by hand, then run again";
        return true;
    case RewritePlan::Status::EndsInside:
        result.outcome = Outcome::Failed;
        result.reason = "the page ends inside " + plan.endsInside + ", where the code would not run";
        return true;
    }
    // A script, style sheet, feed or text file that mentions a body tag is no page.
    if (mode == Mode::Insert && !isWebPage(name, contents)) {
        result.reason = "not a web page, by its name or by its first bytes";
        return true;
    }
    result.outcome = Outcome::Failed;
    return false;
}

// Whether a page that a run means to change may be replaced: false with the
// result saying why not.
bool replaceable(const PageRead& read, PageResult& result) {
    if (!read.writable) {
        result.reason = "the page is read-only";
        return false;
    }
    if (read.links > 1) {
        result.reason = "the page has " + std::to_string(read.links - 1) +
                        " other hard link(s); rewriting it would split them";
        return false;
    }
    return true;
}

// Stages the page's new text and keeps its old one in the journal. Returns
// whether the text is staged; a journal that failed is told in `journalFailure`
// (the text is staged, and its group must not be committed).
bool stageAndKeep(PageFiles& files, const PageRead& read, const std::string& path, std::string_view oldText,
                  const std::vector<std::string_view>& pieces, Journal* journal, PageResult& result,
                  std::string& journalFailure, const Journal::Digests* known = nullptr) {
    if (const std::string failure = files.stage(read, pieces); !failure.empty()) {
        result.reason = failure;
        return false;
    }
    if (journal)
        journalFailure = journal->keep(path, oldText, pieces, known);
    return true;
}

// The page's path beneath the folder: a link to a page of the folder stands for that page.
std::string pathOf(const std::string& entryName, const PageRead& read) {
    return read.pagePath.empty() ? entryName : read.pagePath;
}

// Reads, plans and stages one page. Returns true when its new text is staged and
// only the commit is left; the result then holds the outcome it will have.
bool rewriteOne(PageFiles& files, const std::string& entryName, const PageSettings& settings,
                BatchOptions options, SeenPages& seen, PageResult& result, std::string& journalFailure) {
    const Mode mode = settings.mode;
    std::string contents;
    PageRead read;
    if (!readEntry(files, entryName, seen, result, read, contents))
        return false;
    const std::string name = blockName(entryName, read, settings.pageNameByPath);
    const auto block = buildTrackingBlock(settings.websiteNumber, settings.protocolText, name);
    if (!block) {
        result.reason = "the website number is too large to use";
        return false;
    }

    RewritePlan plan;
    try {
        plan = planRewrite(contents, mode, *block, hasPageExtension(name));
    } catch (const std::bad_alloc&) {
        result.reason = "the page is too large to rewrite in memory";
        return false;
    }
    if (refused(plan, mode, name, contents, result))
        return false;

    // A page without tracking code has nothing to remove and is left as it is.
    if (!plan.changed || (mode == Mode::Remove && plan.blocksRemoved == 0)) {
        result.outcome = Outcome::Unchanged;
        return false;
    }
    if (!replaceable(read, result))
        return false;
    if (options.diff)
        result.diff = unifiedDiff(entryName, contents, plan, options.escapeDiff);
    if (!options.dryRun && !stageAndKeep(files, read, pathOf(entryName, read), contents,
                                         plan.pieces(contents), options.journal, result, journalFailure))
        return false;
    if (mode == Mode::Remove)
        result.outcome = Outcome::Removed;
    else
        result.outcome = plan.blocksRemoved > 0 ? Outcome::Replaced : Outcome::Inserted;
    return !options.dryRun;
}

// Reads one page of a journal's record and, when it holds what the run wrote,
// stages its old text. Returns true when it is staged.
bool restoreOne(PageFiles& files, JournalRecord& record, std::size_t index, const BatchOptions& options,
                PageResult& result, std::string& journalFailure) {
    const std::string path = record.pagePath(index);
    std::string contents;
    PageRead read;
    try {
        read = files.read(path, contents);
    } catch (const std::bad_alloc&) {
        result.reason = "the page is too large to hold in memory";
        return false;
    }
    if (read.status != PageRead::Status::Ok) {
        result.reason = read.reason;
        return false;
    }
    switch (record.compare(index, contents)) {
    case JournalRecord::Holds::WhatItHeldBefore:
        result.outcome = Outcome::Unchanged;
        return false;
    case JournalRecord::Holds::SomethingElse:
        result.outcome = Outcome::Skipped;
        result.reason = "changed since the run: left as it is";
        return false;
    case JournalRecord::Holds::WhatTheRunWrote:
        break;
    }
    std::string old;
    if (const std::string failure = record.oldText(index, old); !failure.empty()) {
        result.reason = "its old text cannot be read from the journal: " + failure;
        return false;
    }
    if (!replaceable(read, result))
        return false;
    // Taking the page back writes its old text over what the run wrote.
    const Journal::Digests recorded = record.digests(index);
    const Journal::Digests known{recorded.newText, recorded.oldText};
    if (!options.dryRun &&
        !stageAndKeep(files, read, path, contents, {old}, options.journal, result, journalFailure, &known))
        return false;
    result.outcome = Outcome::Restored;
    return !options.dryRun;
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
        m_pending.push_back(PageResult{path, Outcome::Failed, {}, PageState::Unknown, {}, {}, {}});
        return m_pending.back();
    }
    void addDone(PageResult page) { m_pending.push_back(std::move(page)); }

    // Once the journal failed, no page takes a new text any more.
    const std::string& journalFailure() const { return m_journalFailure; }
    std::string& journalFailureToSet() { return m_journalFailure; }

    // The page added last was staged (or not); commits when the group is full.
    void pageDone(bool staged) {
        if (staged)
            m_staged.push_back(m_pending.size() - 1);
        if (m_staged.empty() || !m_journalFailure.empty() || m_files.groupFull())
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
        if (m_journalFailure.empty() && m_options.journal)
            m_journalFailure = m_options.journal->seal();
        std::vector<std::string> reasons;
        if (m_journalFailure.empty()) {
            reasons = m_files.commit();
        } else {
            m_files.discard();
            reasons.assign(m_staged.size(), m_journalFailure);
        }
        for (std::size_t k = 0; k < m_staged.size(); ++k) {
            const std::string reason = k < reasons.size() ? reasons[k] : "the new text was not saved";
            if (!reason.empty()) {
                PageResult& page = m_pending[m_staged[k]];
                page.outcome = Outcome::Failed;
                page.reason = reason;
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
    std::string m_journalFailure;
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
                        const std::string& name) {
    std::vector<std::string> differs;
    if (result.website != siteNo(options.websiteNumber))
        differs.emplace_back("website number");
    if ((result.protocol == "normal") != isNormalProtocol(options.protocolText))
        differs.emplace_back("protocol");
    if (carried.pageName != pageName(name))
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
void readMarkers(const std::string& contents, const RewritePlan& insert, const StatusOptions& options,
                 const std::string& name, PageResult& result) {
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
    const bool oneBlock = starts == 1 && ends == 1 && insert.status == RewritePlan::Status::Rewritten &&
                          insert.blocksRemoved == 1;
    if (starts == 0 && ends == 0) {
        result.state = PageState::None;
        return;
    }
    if (!oneBlock) {
        result.state = PageState::Broken;
        result.reason = "its markers form no single block (" + std::to_string(starts) + " start, " +
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
        result.state = insert.changed ? PageState::Stale : PageState::Current;
        if (insert.changed)
            result.reason = whatDiffers(result, carried, options, name);
    }
}

// What one entry carries, for a status run.
void inspectOne(PageFiles& files, const std::string& entryName, const StatusOptions& options, SeenPages& seen,
                PageResult& result) {
    std::string contents;
    PageRead read;
    if (!readEntry(files, entryName, seen, result, read, contents))
        return;
    const std::string name = blockName(entryName, read, options.pageNameByPath);
    const auto block = buildTrackingBlock(options.compare ? options.websiteNumber : "1",
                                          options.compare ? options.protocolText : NormalProtocol, name);
    if (!block) {
        result.reason = "the website number is too large to use";
        return;
    }
    const RewritePlan insert = planRewrite(contents, Mode::Insert, *block, hasPageExtension(name));
    if (insert.status == RewritePlan::Status::EndsInside) {
        // No block can run there, whatever markers the page holds.
        result.outcome = Outcome::Unchanged;
        result.state = PageState::None;
        result.reason = "the page ends inside " + insert.endsInside + ", where the code would not run";
        return;
    }
    if (insert.status != RewritePlan::Status::TangledMarkers &&
        refused(insert, Mode::Insert, name, contents, result))
        return;
    result.outcome = Outcome::Unchanged;
    readMarkers(contents, insert, options, name, result);
}

// Opens the folder for the host's selected entries, after telling the folders
// beneath it that could not be listed or were not entered: false (and the
// result's error set) when no page may be touched.
bool startRun(BatchHost& host, PageFiles& files, RunFiles how, bool keep, BatchResult& result, int& total) {
    total = host.selectedCount();
    const std::string folder = host.folder();
    const auto tell = [&](const std::string& relative, Outcome outcome, const std::string& reason) {
        PageResult page{joinPath(folder, relative), outcome, reason, {}, {}, {}, {}};
        host.pageFinished(page, 0, total);
        result.record(std::move(page), keep);
    };
    for (const auto& [relative, reason] : host.unlistedFolders())
        tell(relative, Outcome::Failed, "this folder cannot be listed: " + reason);
    for (const auto& [relative, reason] : host.skippedFolders())
        tell(relative, Outcome::Skipped, reason);
    if (total == 0)
        return false;
    if (const std::string reason = files.open(folder, host.listedFolder(), std::move(how)); !reason.empty()) {
        result.error =
            "The folder " + reportText(folder) + " cannot be used: " + reason + ". No page was changed.";
        return false;
    }
    host.startEntries();
    return true;
}

// A folder found unlistable while the run went, told as the listing would have.
PageResult unlistedResult(const std::string& folder, const Entry& entry) {
    return PageResult{joinPath(folder, entry.name),
                      Outcome::Failed,
                      "this folder cannot be listed: " + entry.unlistedReason,
                      {},
                      {},
                      {},
                      {}};
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

// Why no page may be changed with these settings: an overflowing website number
// would fail on every page, a missing one would write blocks that never work.
// Empty when they may; with nothing selected there is nothing to judge.
std::string settingsRefused(BatchHost& host) {
    if (host.selectedCount() == 0)
        return {};
    if (!serverDigit(host.websiteNumber()))
        return "The website number is too large to use: no page was changed.";
    if (host.mode() == Mode::Insert && !hasWebsiteNumber(host.websiteNumber()))
        return "No website number was given: no page was changed.";
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
    return error.empty() && count(Outcome::Failed) == 0;
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && isSeparator(folder.back()))
        return folder + name;
    return folder + static_cast<char>(std::filesystem::path::preferred_separator) + name;
}

BatchResult runBatch(BatchHost& host, PageFiles& files, BatchOptions options) {
    BatchResult result;
    result.error = settingsRefused(host);
    if (!result.error.empty())
        return result;
    int total = 0;
    if (!startRun(host, files, runFilesFor(host, options), options.keepPages, result, total)) {
        host.flush();
        return result;
    }
    const std::string folder = host.folder();
    if (options.dryRun)
        options.journal = nullptr;
    SeenPages seen(total);
    Groups groups(host, files, result, options, total);
    int done = 0;
    for (Entry entry; host.nextEntry(entry);) {
        // A stop asked for at any time, even before the first page, ends the run
        // here, once the pages before are committed and told.
        if (host.stopRequested()) {
            result.stopped = true;
            break;
        }
        if (!entry.unlistedReason.empty()) {
            groups.addDone(unlistedResult(folder, entry));
            continue;
        }
        const std::string path = joinPath(folder, entry.name);
        host.pageStarting(path, done++, total);
        PageResult& page = groups.add(path);
        if (!groups.journalFailure().empty()) {
            page.reason = groups.journalFailure(); // left as it is
            groups.pageDone(false);
            continue;
        }
        const PageSettings settings{host.websiteNumber(), host.protocolText(), host.mode(),
                                    host.pageNameByPath()};
        groups.pageDone(
            rewriteOne(files, entry.name, settings, options, seen, page, groups.journalFailureToSet()));
    }
    groups.tell();
    files.close();
    return result;
}

BatchResult runUndo(BatchHost& host, PageFiles& files, JournalRecord& record, BatchOptions options) {
    BatchResult result;
    const int total = static_cast<int>(record.pageCount());
    const std::string folder = host.folder();
    if (const std::string reason = files.open(folder, host.listedFolder(), runFilesFor(host, options));
        !reason.empty()) {
        result.error =
            "The folder " + reportText(folder) + " cannot be used: " + reason + ". No page was changed.";
        host.flush();
        return result;
    }
    if (options.dryRun)
        options.journal = nullptr;
    Groups groups(host, files, result, options, total);
    for (std::size_t index = 0; index < record.pageCount(); ++index) {
        if (host.stopRequested()) {
            result.stopped = true;
            break;
        }
        const std::string path = joinPath(folder, record.pagePath(index));
        host.pageStarting(path, static_cast<int>(index), total);
        PageResult& page = groups.add(path);
        if (!groups.journalFailure().empty()) {
            page.reason = groups.journalFailure();
            groups.pageDone(false);
            continue;
        }
        groups.pageDone(restoreOne(files, record, index, options, page, groups.journalFailureToSet()));
    }
    groups.tell();
    files.close();
    return result;
}

BatchResult runStatus(BatchHost& host, PageFiles& files, const StatusOptions& options) {
    BatchResult result;
    if (options.compare &&
        (!hasWebsiteNumber(options.websiteNumber) || !serverDigit(options.websiteNumber))) {
        result.error = "The website number cannot be used.";
        return result;
    }
    int total = 0;
    RunFiles how;
    how.dryRun = true;
    how.readOnly = true;
    if (!startRun(host, files, std::move(how), options.keepPages, result, total)) {
        host.flush();
        return result;
    }
    const std::string folder = host.folder();
    SeenPages seen(total);
    int done = 0;
    for (Entry entry; host.nextEntry(entry);) {
        if (host.stopRequested()) {
            result.stopped = true;
            break;
        }
        if (!entry.unlistedReason.empty()) {
            PageResult page = unlistedResult(folder, entry);
            host.pageFinished(page, done, total);
            result.record(std::move(page), options.keepPages);
            continue;
        }
        const std::string path = joinPath(folder, entry.name);
        host.pageStarting(path, done, total);
        PageResult page{path, Outcome::Failed, {}, {}, {}, {}, {}};
        inspectOne(files, entry.name, options, seen, page);
        host.pageFinished(page, ++done, total);
        result.record(std::move(page), options.keepPages);
        // What is told is written out now and then: the report stays live.
        if (done % 256 == 0)
            host.flush();
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
    ++m_outcomes[static_cast<int>(page.outcome)];
    ++m_states[static_cast<int>(page.state)];
    if (page.state == PageState::Unknown) {
        m_skippedWithoutState += page.outcome == Outcome::Skipped ? 1 : 0;
        m_failedWithoutState += page.outcome == Outcome::Failed ? 1 : 0;
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
