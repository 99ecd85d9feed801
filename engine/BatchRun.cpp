#include "engine/BatchRun.h"

#include "engine/ReportText.h"
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

// Reads, plans and stages one page. Returns true when its new text is staged and
// only the commit is left; the result then holds the outcome it will have.
bool rewriteOne(PageFiles& files, const std::string& entryName, const PageSettings& settings,
                BatchOptions options, std::set<std::string>& seen, PageResult& result) {
    const Mode mode = settings.mode;
    if (!isValidUtf8(entryName)) {
        result.reason =
            "its name is not valid UTF-8 text, so the tracking code cannot name it; rename the file";
        return false;
    }
    std::string contents;
    PageRead read;
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

    // A link to a page of the folder stands for that page, under that page's own name.
    const std::string entryFile = entryName.substr(entryName.find_last_of('/') + 1);
    const std::string name = read.pageName.empty() ? entryFile : read.pageName;
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
    switch (plan.status) {
    case RewritePlan::Status::Rewritten:
        break;
    case RewritePlan::Status::Binary:
        result.outcome = Outcome::Skipped;
        result.reason = "a binary file, not a web page";
        return false;
    case RewritePlan::Status::NoClosingBody:
        result.outcome = Outcome::Skipped;
        result.reason = "no closing body tag, and not a web page by its name";
        return false;
    case RewritePlan::Status::BadUtf16:
        result.outcome = Outcome::Skipped;
        result.reason = "marked as UTF-16 but has an odd number of bytes";
        return false;
    case RewritePlan::Status::WouldTurnUtf16:
        result.outcome = Outcome::Skipped;
        result.reason = "once changed, its first bytes would read as a UTF-16 byte-order mark";
        return false;
    case RewritePlan::Status::Utf32:
        result.outcome = Outcome::Skipped;
        result.reason = "UTF-32 text, which this program does not rewrite";
        return false;
    case RewritePlan::Status::TangledMarkers:
        result.reason = "its tracking code markers are nested or crossed, so it was left as it is; tidy them "
                        "by hand, then run again";
        return false;
    }
    // A script, style sheet, feed or text file that mentions a body tag is no page.
    if (mode == Mode::Insert && !isWebPage(name, contents)) {
        result.outcome = Outcome::Skipped;
        result.reason = "not a web page, by its name or by its first bytes";
        return false;
    }

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
    for (int i = 0; i < count; ++i)
        total += host.entrySelected(i) ? 1 : 0;
    if (total == 0)
        return result;

    const std::string folder = host.folder();
    if (const std::string reason = files.open(folder, host.listedFolder(), RunFiles{options.dryRun});
        !reason.empty()) {
        result.error =
            "The folder " + reportText(folder) + " cannot be used: " + reason + ". No page was changed.";
        return result;
    }

    std::set<std::string> seen;
    int done = 0;
    for (int i = 0; i < count; ++i) {
        if (!host.entrySelected(i))
            continue;
        const std::string name = host.entryName(i);
        const std::string path = joinPath(folder, name);
        host.pageStarting(path, done, total);

        const PageSettings settings{host.websiteNumber(), host.protocolText(), host.mode()};
        PageResult page{path, Outcome::Failed, {}};
        if (rewriteOne(files, name, settings, options, seen, page)) {
            const std::vector<std::string> reasons = files.commit();
            if (reasons.empty() || !reasons.front().empty()) {
                page.outcome = Outcome::Failed;
                page.reason = reasons.empty() ? "the new text was not saved" : reasons.front();
            }
        }
        result.pages.push_back(std::move(page));
        ++done;
        host.pageFinished(result.pages.back(), done, std::max(total, done));
        if (host.stopRequested() && i + 1 < count) {
            result.stopped = true;
            break;
        }
    }
    files.close();
    return result;
}

} // namespace engine
