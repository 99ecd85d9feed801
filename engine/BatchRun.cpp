#include "engine/BatchRun.h"

#include "engine/ReportText.h"
#include "engine/TextScan.h"
#include "engine/TrackingBlock.h"

#include <algorithm>
#include <filesystem>
#include <new>
#include <set>

namespace engine {

namespace {

bool isSeparator(char c) {
    return c == '/' || c == static_cast<char>(std::filesystem::path::preferred_separator);
}

struct PageSettings {
    std::string websiteNumber;
    std::string protocolText;
    Mode mode = Mode::Insert;
};

// Reads one entry; false when it cannot be read or was handled already, with the
// result saying why.
bool readEntry(PageFiles& files, const std::string& entryName, std::set<std::string>& seen,
               PageResult& result, PageRead& read, std::string& contents) {
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
    if (!seen.insert(read.identity).second) {
        result.outcome = Outcome::Skipped;
        result.reason = "the same file as a page already handled in this run";
        return false;
    }
    return true;
}

// The name the block gives the page: a link to a page of the folder stands for
// that page, under that page's own name.
std::string blockName(const std::string& entryName, const PageRead& read) {
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
        result.reason = "no closing body tag, and not a web page by its name";
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

// Reads, plans and stages one page. Returns true when its new text is staged and
// only the commit is left; the result then holds the outcome it will have.
bool rewriteOne(PageFiles& files, const std::string& entryName, const PageSettings& settings,
                BatchOptions options, std::set<std::string>& seen, PageResult& result) {
    const Mode mode = settings.mode;
    std::string contents;
    PageRead read;
    if (!readEntry(files, entryName, seen, result, read, contents))
        return false;
    const std::string name = blockName(entryName, read);
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
    if (!read.writable) {
        result.reason = "the page is read-only";
        return false;
    }
    if (read.links > 1) {
        result.reason = "the page has " + std::to_string(read.links - 1) +
                        " other hard link(s); rewriting it would split them";
        return false;
    }
    if (!options.dryRun) {
        const std::string failure = files.stage(read, plan.pieces(contents));
        if (!failure.empty()) {
            result.reason = failure;
            return false;
        }
    }
    if (mode == Mode::Remove)
        result.outcome = Outcome::Removed;
    else
        result.outcome = plan.blocksRemoved > 0 ? Outcome::Replaced : Outcome::Inserted;
    return !options.dryRun;
}

// The page's text with one byte a character, for reading the block: UTF-16 pages
// are narrowed, characters beyond ASCII read as '?'.
std::string narrowed(const std::string& contents) {
    const bool le = contents.size() >= 2 && contents[0] == '\xFF' && contents[1] == '\xFE';
    const bool be = contents.size() >= 2 && contents[0] == '\xFE' && contents[1] == '\xFF';
    if (!le && !be)
        return contents;
    std::string text;
    for (std::size_t i = 2; i + 1 < contents.size(); i += 2) {
        const auto lo = static_cast<unsigned char>(contents[le ? i : i + 1]);
        const auto hi = static_cast<unsigned char>(contents[le ? i + 1 : i]);
        text.push_back(hi == 0 && lo < 0x80 ? static_cast<char>(lo) : '?');
    }
    return text;
}

// The text between `before` and the first `after` that follows it, in [from, to).
std::string between(std::string_view text, std::string_view before, std::string_view after) {
    const std::size_t at = text.find(before);
    if (at == std::string_view::npos)
        return {};
    const std::size_t from = at + before.size();
    const std::size_t end = text.find(after, from);
    return end == std::string_view::npos ? std::string() : std::string(text.substr(from, end - from));
}

// What one entry carries, for a status run.
void inspectOne(PageFiles& files, const std::string& entryName, const StatusOptions& options,
                std::set<std::string>& seen, PageResult& result) {
    std::string contents;
    PageRead read;
    if (!readEntry(files, entryName, seen, result, read, contents))
        return;
    const std::string name = blockName(entryName, read);
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
        result.state = "none";
        result.reason = "the page ends inside " + insert.endsInside + ", where the code would not run";
        return;
    }
    if (insert.status != RewritePlan::Status::TangledMarkers &&
        refused(insert, Mode::Insert, name, contents, result))
        return;
    result.outcome = Outcome::Unchanged;

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
        result.state = "none";
    } else if (!oneBlock) {
        result.state = "broken";
        result.reason = "its markers form no single block (" + std::to_string(starts) + " start, " +
                        std::to_string(ends) + " end)";
    } else {
        const std::string_view blockText =
            std::string_view(text).substr(firstStart, all.findKey(EndMarker, firstStart) - firstStart);
        result.state = "code";
        result.website = between(blockText, "/script/", ".js");
        result.protocol = blockText.find("src=\"https://") != std::string_view::npos ? "secure" : "normal";
        if (options.compare) {
            if (!insert.changed) {
                result.state = "current";
            } else {
                result.state = "stale";
                std::vector<std::string> differs;
                if (result.website != siteNo(options.websiteNumber))
                    differs.emplace_back("website number");
                if ((result.protocol == "normal") != isNormalProtocol(options.protocolText))
                    differs.emplace_back("protocol");
                if (between(blockText, "&page=", "&javascript") != pageName(name))
                    differs.emplace_back("page name");
                if (differs.empty())
                    differs.emplace_back("the block's place");
                result.reason = "differs in ";
                for (std::size_t i = 0; i < differs.size(); ++i)
                    result.reason += (i == 0 ? "" : i + 1 == differs.size() ? " and " : ", ") + differs[i];
            }
        }
    }
}

// The selected entries of the host in order, with the folder opened: false (and
// the result's error set) when no page may be touched.
bool startRun(BatchHost& host, PageFiles& files, RunFiles how, BatchResult& result, int& total) {
    const int count = host.entryCount();
    total = 0;
    for (int i = 0; i < count; ++i)
        total += host.entrySelected(i) ? 1 : 0;
    const std::string folder = host.folder();
    for (const auto& [relative, reason] : host.unlistedFolders()) {
        result.pages.push_back(PageResult{joinPath(folder, relative),
                                          Outcome::Failed,
                                          "this folder cannot be listed: " + reason,
                                          {},
                                          {},
                                          {}});
        host.pageFinished(result.pages.back(), 0, total);
    }
    for (const auto& [relative, reason] : host.skippedFolders()) {
        result.pages.push_back(PageResult{joinPath(folder, relative), Outcome::Skipped, reason, {}, {}, {}});
        host.pageFinished(result.pages.back(), 0, total);
    }
    if (total == 0)
        return false;
    if (const std::string reason = files.open(folder, host.listedFolder(), how); !reason.empty()) {
        result.error =
            "The folder " + reportText(folder) + " cannot be used: " + reason + ". No page was changed.";
        return false;
    }
    return true;
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
    }
    return "failed";
}

std::size_t BatchResult::count(Outcome outcome) const {
    std::size_t n = 0;
    for (const auto& page : pages)
        n += page.outcome == outcome ? 1 : 0;
    return n;
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
    const int count = host.entryCount();

    // An overflowing website number would fail on every page: say so once, touch nothing.
    if (!serverDigit(host.websiteNumber())) {
        result.error = "The website number is too large to use: no page was changed.";
        return result;
    }

    if (host.mode() == Mode::Insert && !hasWebsiteNumber(host.websiteNumber())) {
        result.error = "No website number was given: no page was changed.";
        return result;
    }

    int total = 0;
    if (!startRun(host, files, RunFiles{options.dryRun, options.sync}, result, total))
        return result;
    const std::string folder = host.folder();

    // Pages are staged a group at a time and the group committed at once, so that
    // one wait for the disk serves many pages. Outcomes are told in list order once
    // the group in hand is committed.
    std::set<std::string> seen;
    std::vector<PageResult> pending;
    std::vector<std::size_t> staged; // indices into pending
    int done = 0;
    int told = 0;
    const auto tell = [&] {
        if (!staged.empty()) {
            const std::vector<std::string> reasons = files.commit();
            for (std::size_t k = 0; k < staged.size(); ++k) {
                const std::string reason = k < reasons.size() ? reasons[k] : "the new text was not saved";
                if (!reason.empty()) {
                    pending[staged[k]].outcome = Outcome::Failed;
                    pending[staged[k]].reason = reason;
                }
            }
        }
        for (PageResult& page : pending) {
            result.pages.push_back(std::move(page));
            host.pageFinished(result.pages.back(), ++told, total);
        }
        pending.clear();
        staged.clear();
    };
    for (int i = 0; i < count; ++i) {
        if (!host.entrySelected(i))
            continue;
        // A stop asked for at any time, even before the first page, ends the run
        // here, once the pages before are committed and told.
        if (host.stopRequested()) {
            result.stopped = true;
            break;
        }
        const std::string name = host.entryName(i);
        host.pageStarting(joinPath(folder, name), done, total);
        const PageSettings settings{host.websiteNumber(), host.protocolText(), host.mode()};
        pending.push_back(PageResult{joinPath(folder, name), Outcome::Failed, {}, {}, {}, {}});
        if (rewriteOne(files, name, settings, options, seen, pending.back()))
            staged.push_back(pending.size() - 1);
        ++done;
        if (staged.empty() || files.groupFull())
            tell();
    }
    tell();
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
    if (!startRun(host, files, RunFiles{true}, result, total))
        return result;
    const std::string folder = host.folder();
    std::set<std::string> seen;
    int done = 0;
    const int count = host.entryCount();
    for (int i = 0; i < count; ++i) {
        if (!host.entrySelected(i))
            continue;
        if (host.stopRequested()) {
            result.stopped = true;
            break;
        }
        const std::string name = host.entryName(i);
        const std::string path = joinPath(folder, name);
        host.pageStarting(path, done, total);
        PageResult page{path, Outcome::Failed, {}, {}, {}, {}};
        inspectOne(files, name, options, seen, page);
        result.pages.push_back(std::move(page));
        host.pageFinished(result.pages.back(), ++done, total);
    }
    files.close();
    return result;
}

std::size_t BatchResult::countState(const std::string& state) const {
    std::size_t n = 0;
    for (const auto& page : pages)
        n += page.state == state ? 1 : 0;
    return n;
}

std::string BatchResult::stateSummary(bool compared) const {
    std::string text;
    for (const char* state : {"code", "current", "stale", "none", "broken"}) {
        const bool wanted =
            compared ? std::string_view(state) != "code"
                     : (std::string_view(state) != "current" && std::string_view(state) != "stale");
        if (wanted)
            text += std::to_string(countState(state)) + " " + state + ", ";
    }
    // Pages without a state were skipped or failed.
    std::size_t skipped = 0;
    std::size_t failed = 0;
    for (const auto& page : pages) {
        skipped += page.state.empty() && page.outcome == Outcome::Skipped ? 1 : 0;
        failed += page.state.empty() && page.outcome == Outcome::Failed ? 1 : 0;
    }
    return text + std::to_string(skipped) + " skipped, " + std::to_string(failed) + " failed";
}

} // namespace engine
