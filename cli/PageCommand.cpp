#include "cli/Commands.h"
#include "cli/Report.h"
#include "engine/PageRewriter.h"
#include "files/FolderListing.h"
#include "files/IgnoreRules.h"
#include "files/JournaledRun.h"
#include "files/Names.h"
#include "files/QtPageFiles.h"
#include "files/SiteSource.h"

#include <QSet>

#include <optional>
#include <unistd.h>

namespace cli {

namespace {

using files::encodeName;
using files::localName;

std::vector<std::pair<std::string, std::string>>
folderLines(const QList<QPair<QByteArray, QString>>& folders) {
    std::vector<std::pair<std::string, std::string>> lines;
    for (const auto& [path, reason] : folders)
        lines.emplace_back(path.toStdString(), localName(reason));
    return lines;
}

// Which files of the listing a run takes: every file, the NAMEs given, or the
// pages by their names; less those the ignore rules leave out, which are told as
// skipped where they were named or taken by --all.
struct Selection {
    bool all = false;
    QSet<QByteArray> names;
    files::IgnoreRules rules;
    bool operator()(const QByteArray& name) const {
        const bool wanted =
            all || (names.isEmpty() ? engine::hasPageExtension(name.toStdString()) : names.contains(name));
        return wanted && (all || !names.isEmpty() || !rules.excluded(name));
    }
    // Why a file taken is left out, if it is.
    std::optional<QString> excluded(const QByteArray& name) const { return rules.excluded(name); }
};

// The pages of the command line: the tree is listed a folder at a time as the
// run reaches it, so that no tree is ever held whole.
class TreePages final : public engine::PageSource {
public:
    // `listing` is what a first walk of the tree found (the folders it could not
    // list or did not enter), `selected` how many entries it selected.
    TreePages(QString folder, files::FolderListing listing, Selection selection, int selected, bool recursive)
        : m_folderName(std::move(folder))
        , m_listing(std::move(listing))
        , m_selection(std::move(selection))
        , m_selected(selected)
        , m_recursive(recursive) {}

    std::string folder() const override { return localName(m_folderName); }
    engine::FolderId listedFolder() const override { return m_listing.id; }
    std::vector<std::pair<std::string, std::string>> unlistedFolders() const override {
        return folderLines(m_listing.unlisted);
    }
    std::vector<std::pair<std::string, std::string>> skippedFolders() const override {
        return folderLines(m_listing.skipped);
    }
    int selectedCount() override { return m_selected; }
    void startEntries() override {
        m_walk = std::make_unique<files::FolderWalk>(m_folderName, m_recursive);
        m_names.clear();
        m_next = 0;
        m_unlistedTold = 0;
    }
    bool nextEntry(engine::Entry& entry) override {
        while (true) {
            if (newlyUnlisted(entry) || nextSelected(entry))
                return true;
            m_next = 0;
            if (!m_walk->next(m_names))
                return false;
        }
    }

private:
    // A folder that the first walk listed and this one cannot is told in its place.
    bool newlyUnlisted(engine::Entry& entry) {
        const auto& unlisted = m_walk->listing().unlisted;
        while (m_unlistedTold < unlisted.size()) {
            const auto& [path, reason] = unlisted.at(m_unlistedTold++);
            if (!m_listing.unlisted.contains({path, reason})) {
                entry = engine::Entry{path.toStdString(),
                                      engine::Failure{engine::Failure::Kind::System, localName(reason)}};
                return true;
            }
        }
        return false;
    }

    bool nextSelected(engine::Entry& entry) {
        while (m_next < m_names.size()) {
            const QByteArray& name = m_names.at(m_next++);
            if (m_selection(name)) {
                entry = engine::Entry{name.toStdString(), {}};
                if (const std::optional<QString> excluded = m_selection.excluded(name))
                    entry.listed = engine::Failure{engine::Failure::Kind::Excluded, localName(*excluded)};
                return true;
            }
        }
        return false;
    }

    QString m_folderName;
    files::FolderListing m_listing;
    Selection m_selection;
    int m_selected;
    bool m_recursive;
    std::unique_ptr<files::FolderWalk> m_walk;
    QList<QByteArray> m_names; // the files of the folder in hand
    qsizetype m_next = 0;
    qsizetype m_unlistedTold = 0;
};

engine::Failure argumentFault(const QString& words) {
    return engine::Failure{engine::Failure::Kind::Settings, words.toStdString()};
}

// A first walk of the tree: that the folder can be listed, which NAMEs stand in
// it, and how many entries the run takes. No name is kept.
engine::Result<int> firstWalk(files::FolderWalk& walk, const Settings& settings, const Selection& selection) {
    if (!walk.opened())
        return walk.opened().failure();
    int selected = 0;
    QSet<QByteArray> found;
    for (QList<QByteArray> files; walk.next(files);) {
        for (const QByteArray& name : files) {
            selected += selection(name) ? 1 : 0;
            if (selection.names.contains(name))
                found.insert(name);
        }
    }
    for (const QString& name : settings.names) {
        if (!found.contains(encodeName(name)))
            return argumentFault(
                QStringLiteral("\"%1\" is not a file listed in %2")
                    .arg(files::shownName(encodeName(name)), files::shownName(encodeName(settings.folder))));
    }
    return selected;
}

// "no web pages in FOLDER", with how many its subfolders hold when -r was not given.
engine::Failure noPagesIn(const Settings& settings, const Selection& selection) {
    QString text = QStringLiteral("no web pages in %1").arg(files::shownName(encodeName(settings.folder)));
    if (!settings.recursive) {
        int beneath = 0;
        files::FolderWalk tree(settings.folder, true);
        for (QList<QByteArray> names; tree.next(names);) {
            for (const QByteArray& name : names)
                beneath += name.contains('/') && selection(name.mid(name.lastIndexOf('/') + 1)) ? 1 : 0;
        }
        if (beneath > 0)
            text += QStringLiteral("; its subfolders hold %1; add -r").arg(beneath);
    }
    return engine::Failure{engine::Failure::Kind::NotFound, localName(text)};
}

engine::BatchOptions batchOptions(const Settings& settings, std::FILE* out) {
    engine::BatchOptions batch{settings.dryRun};
    batch.keepPages = false;
    batch.diff = settings.diff;
    // Controls in a diff are shown escaped only to a person at a terminal.
    batch.escapeDiff = ::isatty(::fileno(out)) != 0;
    batch.sync = settings.sync;
    return batch;
}

// Where the run is, from anywhere; and as it was typed, for display.
files::RunFolder runFolder(const Settings& settings, engine::FolderId root) {
    return files::RunFolder{files::absoluteName(settings.folder), encodeName(settings.folder), root};
}

} // namespace

int pageCommand(const Settings& settings, std::FILE* out, std::FILE* err) {
    // From here on a stop is told truthfully, however early it comes.
    const StopOnSignals stopOnSignals;
    Selection selection;
    selection.all = settings.all;
    for (const QString& name : settings.names)
        selection.names.insert(encodeName(name));
    selection.rules = files::IgnoreRules::load(settings.folder, settings.exclude);
    if (const std::optional<files::Generator> generator = files::generatorOf(settings.folder);
        generator && !settings.source)
        return stopWith(err,
                        engine::Failure{engine::Failure::Kind::NotFound,
                                        localName(files::generatorWarning(settings.folder, *generator))});
    files::FolderWalk walk(settings.folder, settings.recursive);
    const engine::Result<int> selected = firstWalk(walk, settings, selection);
    if (!selected)
        return stopWith(err, selected.failure());
    // A run that takes no file is no success: a gate that checked nothing says so.
    if (*selected == 0)
        return stopWith(err, noPagesIn(settings, selection));

    TreePages pages(settings.folder, walk.listing(), std::move(selection), *selected, settings.recursive);
    const std::unique_ptr<Report> report = Report::to(out, settings);
    files::QtPageFiles files;
    if (settings.command == Command::Status) {
        const engine::Result<engine::BatchResult> result = engine::runStatus(
            pages, settings.run, *report, files, engine::StatusOptions{settings.compare, false});
        if (!result)
            return stopWith(err, result.failure().kind == engine::Failure::Kind::Settings
                                     ? engine::Failure{engine::Failure::Kind::System, result.reason()}
                                     : result.failure());
        return report->statusSummary(*result);
    }
    const files::JournaledResult run =
        files::changePages(pages, settings.run, *report, files, batchOptions(settings, out),
                           runFolder(settings, walk.listing().id),
                           settings.journal ? files::journalIn("use --no-journal") : files::BeginJournal());
    if (!run.run)
        return stopWith(err, engine::Failure{engine::Failure::Kind::System, run.run.reason()});
    const int status = report->batchSummary(*run.run);
    // The pages keep their changes; the journal's record of them is at fault.
    if (!run.recorded) {
        line(err, "code-inserter-cli: " + run.recorded.reason());
        return status == Success ? PageFailed : status;
    }
    return status;
}

} // namespace cli
