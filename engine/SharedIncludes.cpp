#include "engine/SharedIncludes.h"

#include "engine/ReportText.h"
#include "engine/TrackingBlock.h"
#include "engine/UnifiedDiff.h"
#include "engine/Utf16.h"
#include "engine/scan/TextScan.h"

#include <set>

namespace engine::steps {

namespace {

// Includes of includes are followed this deep, and no deeper.
constexpr int MaxDepth = 16;

class IncludeWalk {
public:
    IncludeWalk(PageFiles& files, std::set<std::string>& parts)
        : m_files(files)
        , m_parts(parts) {}

    std::optional<Carrier> from(const std::string& pagePath, std::string_view text, int depth) {
        m_visited.insert(pagePath);
        for (const PageInclude& include : findIncludes(text, pagePath)) {
            const Result<std::string> path = resolveInclude(include, pagePath);
            if (!path) {
                notFollowed(include, path.reason());
                continue;
            }
            if (!m_visited.insert(*path).second)
                continue; // a cycle, or a file already looked at
            m_parts.insert(*path);
            if (std::optional<Carrier> found = look(include, *path, depth))
                return found;
        }
        return std::nullopt;
    }

    std::string why() const { return m_why; }

private:
    std::optional<Carrier> look(const PageInclude& include, const std::string& path, int depth) {
        Result<PageRead> read = readPage(m_files, path);
        if (!read) {
            notFollowed(include,
                        read.kind() == Failure::Kind::NotFound ? "there is no such file" : read.reason());
            return std::nullopt;
        }
        if (byteOrderMark(read->contents) != ByteOrderMark::None) {
            notFollowed(include, "it is not text of one byte a character");
            return std::nullopt;
        }
        if (holdsClosingBody(read->contents, path)) {
            if (!isWebPage(path, read->contents)) {
                notFollowed(include, "it is not a web page by its name");
                return std::nullopt;
            }
            const IncludeServer server =
                include.kind == PageInclude::Kind::Php ? IncludeServer::Php : IncludeServer::Ssi;
            return Carrier{path, server, std::move(*read)};
        }
        if (depth + 1 >= MaxDepth)
            return std::nullopt;
        return from(path, read->contents, depth + 1);
    }

    void notFollowed(const PageInclude& include, const std::string& why) {
        m_why += (m_why.empty() ? "" : "; ") + std::string("its include ") + include.written +
                 " was not followed: " + why;
    }

    PageFiles& m_files;
    std::set<std::string>& m_parts;
    std::set<std::string> m_visited;
    std::string m_why;
};

// Some servers parse SSI in .shtml pages only; an include of another name
// names no page unless the server parses it too.
bool parsedForSsiByDefault(std::string_view path) {
    return scan::endsWithAny(path, {".SHTML", ".SHTM", ".STM"});
}

} // namespace

IncludeRoute followIncludes(PageFiles& files, const std::string& pagePath, std::string_view text,
                            std::set<std::string>& parts) {
    IncludeWalk walk(files, parts);
    IncludeRoute route;
    route.carrier = walk.from(pagePath, text, 0);
    if (!route.carrier)
        route.notFollowed = walk.why();
    return route;
}

bool mayHaveCarrier(const Result<RewritePlan>& planned, Mode mode, std::string_view text,
                    std::string_view fileName) {
    if (mode == Mode::Insert) {
        // A closing body tag that only server code writes is none of the page's markup.
        const bool noBody = planned ? planned->appended
                                    : planned.kind() == Failure::Kind::NoClosingBody ||
                                          planned.kind() == Failure::Kind::EndsInside ||
                                          planned.kind() == Failure::Kind::ServerWritten;
        return noBody && !findIncludes(text, fileName).empty();
    }
    return planned && includesWithoutBody(text, fileName);
}

bool includesWithoutBody(std::string_view text, std::string_view fileName) {
    return !findIncludes(text, fileName).empty() && !holdsClosingBody(text, fileName);
}

SharedIncludes::Handled SharedIncludes::handle(const Carrier& carrier, const RunSettings& settings,
                                               Result<void>& journalFailure) {
    const std::string& identity = carrier.read.identity;
    if (const auto done = m_done.find(identity); done != m_done.end())
        return Handled{done->second, std::nullopt, false};
    if (m_seen.contains(identity) && settings.mode == Mode::Remove)
        return Handled{Outcome::Unchanged, std::nullopt, false}; // it was a page of its own, with no block
    if (m_seen.contains(identity)) {
        // Handled as a page of its own before any page that includes it was reached.
        Result<Outcome> refused =
            failed(Failure::Kind::TangledMarkers,
                   "it holds an opening body tag and was given tracking code of its own earlier in this run");
        m_done.emplace(identity, refused);
        return Handled{refused, std::nullopt, false};
    }
    m_seen.insert(identity);
    PageResult line{joinPath(m_folder, carrier.path)};
    line.outcome = change(carrier, settings, line, journalFailure);
    const bool staged = !m_options.dryRun && line.outcome && *line.outcome != Outcome::Unchanged;
    if (line.outcome && *line.outcome != Outcome::Unchanged && settings.mode == Mode::Insert &&
        carrier.server == IncludeServer::Ssi && !parsedForSsiByDefault(carrier.path))
        line.note = "the server must parse this file for SSI, as it does .shtml pages, to name each page";
    m_done.emplace(identity, line.outcome);
    return Handled{line.outcome, std::move(line), staged};
}

Result<Outcome> SharedIncludes::change(const Carrier& carrier, const RunSettings& settings, PageResult& line,
                                       Result<void>& journalFailure) {
    const std::string name = carrier.path.substr(carrier.path.find_last_of('/') + 1);
    const Result<RewritePlan> planned =
        planWith(carrier.read, settings.mode, name,
                 buildBlockNaming(settings.site, settings.protocol,
                                  servedPageName(carrier.server, settings.naming == PageNaming::Path)));
    if (!planned)
        return planned.failure();
    if (!planned->changed || (settings.mode == Mode::Remove && planned->blocksRemoved == 0))
        return Outcome::Unchanged;
    if (Result<void> may = replaceable(carrier.read); !may)
        return may.failure();
    if (m_options.diff)
        line.diff = unifiedDiff(carrier.path, carrier.read.contents, *planned, m_options.escapeDiff);
    if (!m_options.dryRun) {
        if (Result<void> done =
                stageAndKeep(m_files, carrier.read, carrier.path, planned->pieces(carrier.read.contents),
                             m_options.journal, journalFailure);
            !done)
            return done.failure();
    }
    return changeOf(*planned, settings.mode);
}

} // namespace engine::steps
