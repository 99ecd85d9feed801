#pragma once

// Pages that share a footer: a page whose own markup has no closing body tag
// gets its block through the file it includes that holds one. That file carries
// one block for every page that includes it, written so that the server names
// each page, and is changed once a run.

#include "engine/PageSteps.h"

#include <map>
#include <optional>
#include <set>
#include <string>

namespace engine::steps {

// The file that holds the closing body tag for a page that includes it.
struct Carrier {
    std::string path; // beneath the folder
    IncludeServer server = IncludeServer::Ssi;
    PageRead read;
};

// Where following a page's includes led: to the carrier, or to nothing, with
// why the includes that could not be followed were not.
struct IncludeRoute {
    std::optional<Carrier> carrier;
    std::string notFollowed;
};

// Follows the includes of the page at `pagePath` (beneath the folder), through
// includes of includes, to the first file that holds a closing body tag: only
// within the folder, only through literal paths, never twice to one file.
// Every file looked at on the way is added to `parts` (by its path beneath the folder).
IncludeRoute followIncludes(PageFiles& files, const std::string& pagePath, std::string_view text,
                            std::set<std::string>& parts);

// Whether a page's includes should be followed: its own markup has none of the
// closing body tag a block goes before, and it includes something.
bool mayHaveCarrier(const Result<RewritePlan>& planned, Mode mode, std::string_view text,
                    std::string_view fileName);

// Why a page that other pages include is not changed as a page of its own.
inline constexpr const char* PartOfPages = "a part that other pages include, not a page of its own";

// Whether the page includes something and has no closing body tag of its own.
bool includesWithoutBody(std::string_view text, std::string_view fileName);

// The carriers a run has handled, each once.
class SharedIncludes {
public:
    SharedIncludes(PageFiles& files, const BatchOptions& options, SeenPages& seen, std::string folder)
        : m_files(files)
        , m_options(options)
        , m_seen(seen)
        , m_folder(std::move(folder)) {}

    // Whether the file (by its identity) was handled as a carrier in this run.
    bool carries(const std::string& identity) const { return m_done.count(identity) > 0; }
    // A file that may carry blocks for other pages, changed as a page of its own.
    void handledAsPage(const std::string& identity, Outcome outcome) { m_done.emplace(identity, outcome); }
    // The files that the pages of this run include, by their paths beneath the folder.
    std::set<std::string>& parts() { return m_parts; }

    // What became of the carrier: the first time in a run it is planned and,
    // unless the run is dry, staged, and its own line is given in `line`.
    struct Handled {
        Result<Outcome> outcome = Outcome::Unchanged;
        std::optional<PageResult> line;
        bool staged = false;
    };
    Handled handle(const Carrier& carrier, const RunSettings& settings, Result<void>& journalFailure);

private:
    Result<Outcome> change(const Carrier& carrier, const RunSettings& settings, PageResult& line,
                           Result<void>& journalFailure);

    PageFiles& m_files;
    const BatchOptions& m_options;
    SeenPages& m_seen;
    std::string m_folder;
    std::map<std::string, Result<Outcome>> m_done; // by identity
    std::set<std::string> m_parts;
};

} // namespace engine::steps
