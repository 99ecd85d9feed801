#include "engine/PageSteps.h"

#include "engine/ReportText.h"
#include "engine/TrackingBlock.h"

#include <new>

namespace engine::steps {

Failure failed(Failure::Kind kind, std::string reason) {
    return Failure{kind, std::move(reason)};
}

Result<PageRead> readPage(PageFiles& files, const std::string& name) {
    try {
        return files.read(name);
    } catch (const std::bad_alloc&) {
        return failed(Failure::Kind::TooLarge, "the page is too large to hold in memory");
    }
}

std::string blockName(const std::string& entryName, const PageRead& read, PageNaming naming) {
    if (naming == PageNaming::Path)
        return read.pagePath.empty() ? entryName : read.pagePath;
    return read.pageName.empty() ? entryName.substr(entryName.find_last_of('/') + 1) : read.pageName;
}

std::string pathOf(const std::string& entryName, const PageRead& read) {
    return read.pagePath.empty() ? entryName : read.pagePath;
}

std::optional<IncludeServer> sharedBlockIn(std::string_view contents) {
    // Either naming, by file name or by path, opens alike.
    for (std::size_t at = contents.find("&page=<"); at != std::string_view::npos;
         at = contents.find("&page=<", at + 1)) {
        for (const IncludeServer server : {IncludeServer::Ssi, IncludeServer::Php}) {
            if (contents.compare(at + 6, 10, servedPageName(server, false), 0, 10) == 0)
                return server;
        }
    }
    return std::nullopt;
}

Result<RewritePlan> planWith(const PageRead& read, Mode mode, const std::string& name,
                             const Result<std::string>& block) {
    if (!block)
        return block.failure();
    try {
        return planRewrite(read.contents, mode, *block, name);
    } catch (const std::bad_alloc&) {
        return failed(Failure::Kind::TooLarge, "the page is too large to rewrite in memory");
    }
}

Result<RewritePlan> plan(const PageRead& read, Mode mode, const std::string& name,
                         const RunSettings& settings) {
    if (const auto server = sharedBlockIn(read.contents))
        return planWith(read, mode, name,
                        buildBlockNaming(settings.site, settings.protocol,
                                         servedPageName(*server, settings.naming == PageNaming::Path)));
    return planWith(read, mode, name, buildTrackingBlock(settings.site, settings.protocol, name));
}

Result<void> replaceable(const PageRead& read) {
    if (!read.writable)
        return failed(Failure::Kind::NotReplaceable, "the page is read-only");
    if (read.links > 1)
        return failed(Failure::Kind::NotReplaceable,
                      "the page has " + std::to_string(read.links - 1) +
                          " other hard link(s); rewriting it would split them");
    return {};
}

Result<void> stageAndKeep(PageFiles& files, const PageRead& read, const std::string& path,
                          const std::vector<std::string_view>& pieces, Journal* journal,
                          Result<void>& journalFailure, const Journal::Digests* known) {
    if (Result<void> staged = files.stage(read, pieces); !staged)
        return staged;
    if (journal)
        journalFailure = journal->keep(path, read.contents, pieces, known);
    return {};
}

Outcome changeOf(const RewritePlan& plan, Mode mode) {
    if (mode == Mode::Remove)
        return Outcome::Removed;
    return plan.blocksRemoved > 0 ? Outcome::Replaced : Outcome::Inserted;
}

} // namespace engine::steps
