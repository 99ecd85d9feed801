#include "engine/BatchRun.h"
#include "engine/PageSteps.h"
#include "engine/RunSteps.h"
#include "engine/ServerCode.h"
#include "engine/SharedIncludes.h"
#include "engine/TrackingBlock.h"
#include "engine/Utf16.h"
#include "engine/scan/TextScan.h"

#include <algorithm>
#include <set>

namespace engine {

namespace {

using namespace steps;

// What a status run compares each page with: the block insert would write with
// the run's settings, or when it only reads them, any block.
struct Compared {
    bool compare = false;
    RunSettings against;
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
std::string whatDiffers(const PageResult& result, const BlockFields& carried, const Compared& options,
                        const std::string& pageField) {
    std::vector<std::string> differs;
    if (result.website != options.against.site.text())
        differs.emplace_back("website number");
    if (result.protocol != protocolWord(options.against.protocol))
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
void readMarkers(const std::string& contents, const Result<RewritePlan>& insert, const Compared& options,
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
        // Every marker in a whole block: a run replaces them with one.
        if (insert && starts == ends && insert->blocksRemoved == starts)
            result.blocks = starts;
        result.note = "its markers form no single block (" + std::to_string(starts) + " start, " +
                      std::to_string(ends) + " end)";
        return;
    }
    const std::string_view blockText =
        std::string_view(text).substr(firstStart, all.findKey(EndMarker, firstStart) - firstStart);
    const BlockFields carried = readTrackingBlock(blockText);
    result.state = PageState::Code;
    result.blocks = 1;
    result.website = carried.website;
    result.protocol = protocolWord(carried.secure ? Protocol::Secure : Protocol::Normal);
    if (options.compare) {
        result.state = insert->changed ? PageState::Stale : PageState::Current;
        if (insert->changed)
            result.note = whatDiffers(result, carried, options, pageField);
    }
}

// What the page carries, read as its own: `name` is the name its block gives it,
// and a file that carries a block for the pages that include it is compared
// with such a block.
Result<Outcome> inspectRead(const PageRead& read, const std::string& entryName, const std::string& name,
                            const Compared& options, PageResult& result) {
    const Result<RewritePlan> insert = plan(read, Mode::Insert, name, options.against);
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
                shared ? servedPageName(*shared, options.against.naming == PageNaming::Path) : pageName(name),
                result);
    return Outcome::Unchanged;
}

// What a status run keeps besides the pages.
struct StatusState {
    PageFiles& files;
    const Compared& options;
    SeenPages& seen;
    std::set<std::string> parts; // the files the pages include, by their paths
};

// What one entry carries, for a status run: a page without a closing body tag
// of its own is read by the block of the file it includes that holds one. A
// page that has neither a closing body tag nor an include may be a part of
// other pages: it is put off to the run's end (`step`).
Result<Outcome> inspectOne(StatusState& run, const std::string& entryName, bool mayDefer, Step& step,
                           PageResult& result) {
    const Result<PageRead> read = readPage(run.files, entryName);
    if (!read)
        return read.failure();
    if (run.seen.contains(read->identity))
        return failed(Failure::Kind::HandledBefore, "the same file as a page already handled in this run");
    const std::string name = blockName(entryName, *read, run.options.against.naming);
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

} // namespace

Result<BatchResult> runStatus(PageSource& source, const RunSettings& settings, RunSink& sink,
                              PageFiles& files, StatusOptions options) {
    if (options.compare && (!settings.site.given() || !settings.site.digit()))
        return failed(Failure::Kind::Settings, "The website number cannot be used.");
    // A run that only reads blocks plans them against any block it may write.
    const Compared compared{options.compare, options.compare
                                                 ? settings
                                                 : RunSettings{Mode::Insert, Site::parse("1"),
                                                               Protocol::Normal, settings.naming}};
    BatchResult result;
    RunFiles how;
    how.dryRun = true;
    how.readOnly = true;
    const Result<int> started = startRun(source, sink, files, std::move(how), options.keepPages, result);
    if (!started || *started == 0) {
        sink.flush();
        return started ? Result<BatchResult>(std::move(result)) : started.failure();
    }
    const int total = *started;
    const std::string folder = source.folder();
    SeenPages seen(total);
    StatusState run{files, compared, seen, {}};
    std::vector<std::string> deferred;
    int done = 0;
    const auto tell = [&](PageResult page) {
        sink.pageFinished(page, ++done, total);
        result.record(std::move(page), options.keepPages);
        // What is told is written out now and then: the report stays live.
        if (done % 256 == 0)
            sink.flush();
    };
    const auto inspect = [&](const std::string& name, bool mayDefer) {
        sink.pageStarting(joinPath(folder, name), done, total);
        PageResult page{joinPath(folder, name)};
        Step step = Step::Told;
        page.outcome = inspectOne(run, name, mayDefer, step, page);
        if (step == Step::Deferred)
            deferred.push_back(name);
        else
            tell(std::move(page));
    };
    result.stopped = takeEntries(
        source, sink, [&](const std::string& name) { inspect(name, true); },
        [&](PageResult page) {
            sink.pageFinished(page, done, total);
            result.record(std::move(page), options.keepPages);
        });
    if (!result.stopped)
        result.stopped = takeDeferred(deferred, sink, [&](const std::string& name) { inspect(name, false); });
    sink.flush();
    files.close();
    return result;
}

} // namespace engine
