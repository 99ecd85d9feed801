#include "cli/CliRun.h"

#include "engine/BatchRun.h"
#include "engine/ReportText.h"
#include "engine/TrackingBlock.h"
#include "engine/scan/Kernels.h"
#include "files/FolderListing.h"
#include "files/IgnoreRules.h"
#include "files/Names.h"
#include "files/QtPageFiles.h"
#include "files/RunJournal.h"
#include "files/SiteSource.h"
#include "version/Version.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QSet>

#include <algorithm>
#include <csignal>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>

namespace cli {

namespace {

using files::localName;
using files::shownText;

enum class Command { Insert, Remove, Status, Undo };

void line(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

// SIGINT or SIGTERM: the run stops once the group of pages in hand is committed.
volatile std::sig_atomic_t stopSignal = 0;

extern "C" void askToStop(int signal) {
    stopSignal = signal;
}

// Catches the two signals for as long as it lives.
class StopOnSignals {
public:
    StopOnSignals() {
        stopSignal = 0;
        m_int = std::signal(SIGINT, askToStop);
        m_term = std::signal(SIGTERM, askToStop);
    }
    ~StopOnSignals() {
        std::signal(SIGINT, m_int);
        std::signal(SIGTERM, m_term);
    }
    StopOnSignals(const StopOnSignals&) = delete;
    StopOnSignals& operator=(const StopOnSignals&) = delete;

private:
    void (*m_int)(int);
    void (*m_term)(int);
};

std::vector<std::pair<std::string, std::string>>
folderLines(const QList<QPair<QByteArray, QString>>& folders) {
    std::vector<std::pair<std::string, std::string>> lines;
    for (const auto& [path, reason] : folders)
        lines.emplace_back(path.toStdString(), localName(reason));
    return lines;
}

void jsonLine(std::FILE* stream, const QJsonObject& object) {
    line(stream, QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString());
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

// The batch host of the command line: a fixed folder and settings; the tree is
// listed a folder at a time as the run reaches it, so that no tree is ever held
// whole, and each page's line is written out a group at a time.
class CliHost final : public engine::BatchHost {
public:
    struct Settings {
        Command command = Command::Insert;
        std::string site;
        std::string protocol;
        bool dryRun = false;
        bool json = false;
        bool recursive = false;
        bool pageNameByPath = false;
        bool diff = false;
    };

    // `listing` is what a first walk of the tree found (the folders it could not
    // list or did not enter), `selected` how many entries it selected.
    CliHost(QString folder, files::FolderListing listing, Selection selection, int selected,
            Settings settings, std::FILE* out)
        : m_folderName(std::move(folder))
        , m_folder(localName(m_folderName))
        , m_listing(std::move(listing))
        , m_selection(std::move(selection))
        , m_selected(selected)
        , m_settings(std::move(settings))
        , m_out(out) {}

    std::string folder() override { return m_folder; }
    engine::FolderId listedFolder() override { return m_listing.id; }
    std::vector<std::pair<std::string, std::string>> unlistedFolders() override {
        return folderLines(m_listing.unlisted);
    }
    std::vector<std::pair<std::string, std::string>> skippedFolders() override {
        return folderLines(m_listing.skipped);
    }
    int entryCount() override { return 0; }
    std::string entryName(int) override { return {}; }
    bool entrySelected(int) override { return false; }
    int selectedCount() override { return m_selected; }
    void startEntries() override {
        m_walk = std::make_unique<files::FolderWalk>(m_folderName, m_settings.recursive);
        m_names.clear();
        m_next = 0;
        m_unlistedTold = 0;
    }
    bool nextEntry(engine::Entry& entry) override {
        while (true) {
            // A folder that the first walk listed and this one cannot is told in its place.
            const auto& unlisted = m_walk->listing().unlisted;
            while (m_unlistedTold < unlisted.size()) {
                const auto& [path, reason] = unlisted.at(m_unlistedTold++);
                if (!m_listing.unlisted.contains({path, reason})) {
                    entry = engine::Entry{path.toStdString(),
                                          engine::Failure{engine::Failure::Kind::System, localName(reason)}};
                    return true;
                }
            }
            while (m_next < m_names.size()) {
                const QByteArray& name = m_names.at(m_next++);
                if (m_selection(name)) {
                    const std::optional<QString> excluded = m_selection.excluded(name);
                    entry = engine::Entry{name.toStdString(), {}};
                    if (excluded)
                        entry.listed = engine::Failure{engine::Failure::Kind::Excluded, localName(*excluded)};
                    return true;
                }
            }
            m_next = 0;
            if (!m_walk->next(m_names))
                return false;
        }
    }
    std::string websiteNumber() override { return m_settings.site; }
    std::string protocolText() override { return m_settings.protocol; }
    engine::Mode mode() override {
        return m_settings.command == Command::Remove ? engine::Mode::Remove : engine::Mode::Insert;
    }
    void pageStarting(const std::string&, int, int) override {}
    bool stopRequested() override { return stopSignal != 0; }
    bool pageNameByPath() override { return m_settings.pageNameByPath; }

    void flush() override {
        std::fwrite(m_pending.data(), 1, m_pending.size(), m_out);
        std::fflush(m_out);
        m_pending.clear();
    }

    void pageFinished(const engine::PageResult& page, int, int) override {
        const bool status = m_settings.command == Command::Status;
        const std::string word = status && page.state != engine::PageState::Unknown
                                     ? engine::stateWord(page.state)
                                     : engine::outcomeWord(page.reported());
        const bool would = m_settings.dryRun && page.outcome && *page.outcome != engine::Outcome::Unchanged;
        if (m_settings.json) {
            QJsonObject object{{QStringLiteral("path"), shownText(page.path)}};
            object.insert(status ? QStringLiteral("state") : QStringLiteral("outcome"),
                          QString::fromStdString(word));
            if (m_settings.dryRun)
                object.insert(QStringLiteral("dry_run"), true);
            if (!page.reason().empty())
                object.insert(QStringLiteral("reason"), shownText(page.reason()));
            if (!page.via.empty())
                object.insert(QStringLiteral("via"), shownText(page.via));
            if (!page.website.empty()) {
                object.insert(QStringLiteral("website"), shownText(page.website));
                object.insert(QStringLiteral("protocol"), QString::fromStdString(page.protocol));
            }
            // A diff of bytes that are not UTF-8 text goes whole, in base64.
            const QByteArray diff = QByteArray::fromStdString(page.diff);
            if (!diff.isEmpty() && engine::isValidUtf8(page.diff))
                object.insert(QStringLiteral("diff"), QString::fromUtf8(diff));
            else if (!diff.isEmpty())
                object.insert(QStringLiteral("diff_base64"), QString::fromLatin1(diff.toBase64()));
            m_pending += QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString() + '\n';
            return;
        }
        // One column for the words, as wide as the longest a run can print. A
        // page carried by its include: its state is the include's.
        std::string text = (would ? "would be " : "") + word;
        if (status && !page.via.empty() && page.state != engine::PageState::Unknown)
            text += ", in " + engine::reportText(page.via);
        text.resize(std::max<std::size_t>(text.size() + 1, m_settings.dryRun ? 19 : 10), ' ');
        text += engine::reportText(page.path);
        if (!status && !page.via.empty())
            text += " (in " + engine::reportText(page.via) + ")";
        if (!page.website.empty())
            text += " (website " + engine::reportText(page.website) + ", " + page.protocol + ")";
        if (!page.reason().empty())
            text += ": " + engine::reportText(page.reason());
        m_pending += text + '\n';
        // The page's own bytes, so that patch gives exactly the page the run writes.
        m_pending += page.diff;
    }

private:
    QString m_folderName;
    std::string m_folder;
    files::FolderListing m_listing;
    Selection m_selection;
    int m_selected;
    Settings m_settings;
    std::FILE* m_out;
    std::string m_pending; // lines told, not yet written
    std::unique_ptr<files::FolderWalk> m_walk;
    QList<QByteArray> m_names; // the files of the folder in hand
    qsizetype m_next = 0;
    qsizetype m_unlistedTold = 0;
};

int usage(std::FILE* err, const QString& message) {
    line(err, "code-inserter-cli: " + localName(message) + " (see --help)");
    return UsageError;
}

// A failure that ends the command, told on standard error, and its exit status:
// a usage error where the arguments are at fault (Settings), else a run that
// could not be made.
int stopWith(std::FILE* err, const engine::Failure& failure) {
    if (failure.kind == engine::Failure::Kind::Settings)
        return usage(err, QString::fromStdString(failure.reason));
    line(err, "code-inserter-cli: " + failure.reason);
    return PageFailed;
}

engine::Failure argumentFault(const QString& words) {
    return engine::Failure{engine::Failure::Kind::Settings, words.toStdString()};
}

// The exit status of a run that changes pages, once its summary is written.
int batchStatus(const engine::BatchResult& result) {
    // Stopped by a signal: the pages done so far are told; the status says which signal.
    if (result.stopped && stopSignal != 0)
        return 128 + static_cast<int>(stopSignal);
    return result.allHandled() ? Success : PageFailed;
}

QJsonObject outcomeCounts(const engine::BatchResult& result,
                          std::initializer_list<engine::Outcome> outcomes) {
    QJsonObject summary;
    for (const auto outcome : outcomes)
        summary.insert(QLatin1String(engine::outcomeWord(outcome)),
                       static_cast<qint64>(result.count(outcome)));
    if (result.stopped)
        summary.insert(QStringLiteral("stopped"), true);
    return summary;
}

QString sizeText(std::uint64_t bytes) {
    return QLocale::c().formattedDataSize(qint64(bytes), 1, QLocale::DataSizeSIFormat);
}

// What `runs` says of a run's undoing, if anything.
QString undoneText(const files::JournalRun& run) {
    if (!run.undoneBy.isEmpty())
        return QStringLiteral("undone by %1").arg(run.undoneBy);
    if (!run.partlyBy.isEmpty())
        return QStringLiteral("partly undone (%1 pages left)").arg(run.left);
    if (run.running)
        return QStringLiteral("running");
    return run.finished ? QString() : QStringLiteral("ended without finishing");
}

QJsonObject runObject(const files::JournalRun& run) {
    QJsonObject object{{QStringLiteral("id"), run.id},
                       {QStringLiteral("sequence"), qint64(run.sequence)},
                       {QStringLiteral("time"), run.time},
                       {QStringLiteral("command"), run.command},
                       {QStringLiteral("folder"), shownText(run.folder.toStdString())},
                       {QStringLiteral("pages"), qint64(run.changed)},
                       {QStringLiteral("bytes"), qint64(run.bytes)},
                       {QStringLiteral("undone"), !run.undoneBy.isEmpty()},
                       {QStringLiteral("finished"), run.finished},
                       {QStringLiteral("running"), run.running}};
    if (!run.undoneBy.isEmpty())
        object.insert(QStringLiteral("undone_by"), run.undoneBy);
    if (!run.partlyBy.isEmpty()) {
        object.insert(QStringLiteral("partly_undone_by"), run.partlyBy);
        object.insert(QStringLiteral("pages_left"), qint64(run.left));
    }
    if (!run.undoes.isEmpty())
        object.insert(QStringLiteral("undoes"), run.undoes);
    return object;
}

// `runs`: the journal's runs, in the order they were made.
int listRuns(bool json, std::FILE* out, std::FILE* err) {
    const engine::Result<std::vector<files::JournalRun>> runs = files::journalRuns();
    if (!runs)
        return stopWith(err, runs.failure());
    for (const files::JournalRun& run : *runs) {
        if (json) {
            jsonLine(out, runObject(run));
            continue;
        }
        // Each column is followed by a space at least, however wide its text grows.
        QString text;
        const auto column = [&text](const QString& words, int width) {
            text += words.leftJustified(width - 1);
            text += QLatin1Char(' ');
        };
        column(run.id, 18);
        column(run.time, 21);
        column(run.command, 7);
        column(QStringLiteral("%1 page(s)").arg(run.changed), 12);
        column(sizeText(run.bytes), 10);
        text += shownText((run.typed.isEmpty() ? run.folder : run.typed).toStdString());
        if (!run.undoes.isEmpty())
            text += QStringLiteral(" (undoes %1)").arg(run.undoes);
        if (const QString undone = undoneText(run); !undone.isEmpty())
            text += QStringLiteral(" (%1)").arg(undone);
        line(out, localName(text));
    }
    return Success;
}

// The journal of a run that changes pages, begun before any page is touched: a
// run that cannot keep one does not start.
engine::Result<std::unique_ptr<files::JournalWriter>> beginJournal(const files::JournalRun& header) {
    auto journal = std::make_unique<files::JournalWriter>("use --no-journal");
    if (const engine::Result<void> begun = journal->begin(header); !begun)
        return begun.failure();
    return journal;
}

// `undo [RUN]`: the run's pages get their old texts back where they still hold
// what it wrote; the run is then marked undone.
int undoRun(const QString& runId, CliHost::Settings settings, bool journaled, engine::BatchOptions options,
            std::FILE* out, std::FILE* err) {
    engine::Result<std::unique_ptr<files::JournalReader>> chosen = files::openForUndo(runId);
    if (!chosen && chosen.kind() == engine::Failure::Kind::NotFound && !runId.isEmpty())
        return usage(err, QString::fromStdString(chosen.reason()) +
                              QStringLiteral(" (see code-inserter-cli runs)"));
    if (!chosen)
        return stopWith(err, chosen.failure());
    files::JournalReader& record = **chosen;
    const files::JournalRun& run = record.run();
    const StopOnSignals stopOnSignals;
    std::unique_ptr<files::JournalWriter> journal;
    if (journaled && !settings.dryRun) {
        files::JournalRun header;
        header.command = QStringLiteral("undo");
        header.folder = run.folder;
        header.typed = run.typed;
        header.root = run.root;
        header.undoes = run.id;
        engine::Result<std::unique_ptr<files::JournalWriter>> begun = beginJournal(header);
        if (!begun)
            return stopWith(err, begun.failure());
        journal = std::move(*begun);
        options.journal = journal.get();
    }
    files::FolderListing listing;
    listing.id = run.root;
    settings.command = Command::Undo;
    CliHost host(QFile::decodeName(run.folder), std::move(listing), {}, 0, settings, out);
    files::QtPageFiles files;
    const engine::Result<engine::BatchResult> undone = engine::runUndo(host, files, record, options);
    if (journal)
        journal->finish();
    if (!undone) {
        line(err, "code-inserter-cli: " + undone.reason());
        return PageFailed;
    }
    const engine::BatchResult& result = *undone;
    engine::Result<void> marked;
    if (!settings.dryRun)
        marked = record.markTakenBack(
            journal && journal->pagesKept() > 0 ? journal->id() : QStringLiteral("-"), result);
    if (settings.json) {
        QJsonObject summary = outcomeCounts(result, {engine::Outcome::Restored, engine::Outcome::Unchanged,
                                                     engine::Outcome::Skipped, engine::Outcome::Failed});
        summary.insert(QStringLiteral("run"), run.id);
        summary.insert(QStringLiteral("dry_run"), settings.dryRun);
        jsonLine(out, QJsonObject{{QStringLiteral("summary"), summary}});
    } else {
        line(out, (settings.dryRun ? "dry run: " : "") + std::string(result.stopped ? "stopped: " : "") +
                      "undo of " + localName(run.id) + ": " + result.undoSummary());
    }
    // The run stays offered for undo when it cannot be marked: said, and a failure.
    if (!marked) {
        line(err, "code-inserter-cli: " + marked.reason());
        return PageFailed;
    }
    return batchStatus(result);
}

// The tool's options, made once.
struct Options {
    const QCommandLineOption site{
        QStringLiteral("site"),
        QStringLiteral("The website number Trafalytic assigned (insert; status compares with it)."),
        QStringLiteral("NUMBER")};
    const QCommandLineOption protocol{QStringLiteral("protocol"),
                                      QStringLiteral("normal (http, the default) or secure (https)."),
                                      QStringLiteral("normal|secure"), QStringLiteral("normal")};
    const QCommandLineOption all{QStringLiteral("all"), QStringLiteral("Take every file of FOLDER.")};
    const QCommandLineOption recursive{{QStringLiteral("r"), QStringLiteral("recursive")},
                                       QStringLiteral("Take the folders beneath FOLDER too.")};
    const QCommandLineOption dryRun{QStringLiteral("dry-run"),
                                    QStringLiteral("Report what would happen to each page; write nothing.")};
    const QCommandLineOption pageName{
        QStringLiteral("page-name"),
        QStringLiteral("How the code names each page to the service: file (its file name, the default) or\n"
                       "path (its path beneath FOLDER, so that pages of the same name in other folders\n"
                       "are told apart)."),
        QStringLiteral("file|path"), QStringLiteral("file")};
    const QCommandLineOption diff{
        QStringLiteral("diff"),
        QStringLiteral("After each changed page's line, its change as a unified diff (insert and remove).")};
    const QCommandLineOption noJournal{
        QStringLiteral("no-journal"),
        QStringLiteral("Keep no journal of this run's changes (it cannot be undone).")};
    const QCommandLineOption json{QStringLiteral("json"),
                                  QStringLiteral("One JSON object a line for each page, then the summary.")};
    const QCommandLineOption exclude{
        QStringLiteral("exclude"),
        QStringLiteral("Leave out the files and folders that PATTERN matches (gitignore's syntax, on paths\n"
                       "beneath FOLDER; may be given again). FOLDER/.code-inserter-ignore holds more."),
        QStringLiteral("PATTERN")};
    const QCommandLineOption source{
        QStringLiteral("source"),
        QStringLiteral("Take FOLDER even where it is the source of a static site generator (whose\n"
                       "builds would lose the code: run on its output folder after each build instead).")};
    // For the benchmark only: how the new texts are made durable ("none" gives it up).
    QCommandLineOption benchSync{QStringLiteral("bench-sync"), QStringLiteral("each|filesystem|none"),
                                 QStringLiteral("HOW")};
    QCommandLineOption help{QStringLiteral("help")};
    QCommandLineOption version{QStringLiteral("version")};

    explicit Options(QCommandLineParser& parser) {
        parser.setApplicationDescription(QStringLiteral(
            "Inserts the Trafalytic tracking code into the web pages of a folder, removes it, or tells "
            "which\n"
            "pages carry it. Each run that changes pages is kept in a journal, from which undo takes it "
            "back.\n\n"
            "  code-inserter-cli insert|remove|status [options] FOLDER [NAME...]\n"
            "  code-inserter-cli undo [--dry-run] [--json] [RUN]\n"
            "  code-inserter-cli runs [--json]\n\n"
            "Without NAMEs the .htm, .html, .shtm and .shtml files of FOLDER are taken; with --all every "
            "file.\n"
            "Exit status: 0 when no page failed, 1 when a page failed or nothing could be done (status with\n"
            "--site: when a page is not current), 2 for a usage error."));
        parser.addPositionalArgument(
            QStringLiteral("command"),
            QStringLiteral("insert, remove, status, undo (the newest run not undone, or\n"
                           "RUN) or runs (the journal's runs)"));
        parser.addPositionalArgument(QStringLiteral("FOLDER"),
                                     QStringLiteral("The folder that holds the web pages."));
        parser.addPositionalArgument(
            QStringLiteral("NAME"), QStringLiteral("Files in FOLDER to take (paths relative to it with -r)."),
            QStringLiteral("[NAME...]"));
        benchSync.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOptions({site, protocol, pageName, all, recursive, dryRun, diff, noJournal, json, exclude,
                           source, benchSync});
        help = parser.addHelpOption();
        version = parser.addVersionOption();
    }
};

// `runs` and `undo`: the arguments checked, then the command.
int journalCommand(const QCommandLineParser& parser, const Options& options, std::FILE* out, std::FILE* err) {
    const QStringList positional = parser.positionalArguments();
    const QString command = positional.front();
    for (const QCommandLineOption* option :
         {&options.site, &options.protocol, &options.pageName, &options.all, &options.recursive,
          &options.diff, &options.source}) {
        if (parser.isSet(*option))
            return usage(
                err, QStringLiteral("--%1 does not go with %2").arg(option->names().constLast(), command));
    }
    const bool runs = command == QLatin1String("runs");
    if (positional.size() > (runs ? 1 : 2))
        return usage(err,
                     runs ? QStringLiteral("runs takes no FOLDER") : QStringLiteral("undo takes one RUN"));
    if (runs && (parser.isSet(options.dryRun) || parser.isSet(options.noJournal)))
        return usage(err, QStringLiteral("runs changes nothing: it takes --json alone"));
    if (runs)
        return listRuns(parser.isSet(options.json), out, err);
    if (positional.size() > 1 && positional.at(1).isEmpty())
        return usage(err, QStringLiteral("undo takes a RUN that is not empty"));
    CliHost::Settings settings;
    settings.dryRun = parser.isSet(options.dryRun);
    settings.json = parser.isSet(options.json);
    engine::BatchOptions batch{settings.dryRun};
    batch.keepPages = false;
    return undoRun(positional.size() > 1 ? positional.at(1) : QString(), settings,
                   !parser.isSet(options.noJournal), batch, out, err);
}

// The website number and protocol of insert, or of status with --site; fails
// with a usage error's words.
engine::Result<void> readSite(const QCommandLineParser& parser, const Options& options,
                              CliHost::Settings& settings) {
    const QString command = parser.positionalArguments().front();
    settings.protocol = engine::NormalProtocol;
    const bool compare = settings.command == Command::Status && parser.isSet(options.site);
    if (settings.command == Command::Insert || compare) {
        if (!parser.isSet(options.site) || !engine::hasWebsiteNumber(localName(parser.value(options.site))))
            return argumentFault(QStringLiteral("%1 needs --site NUMBER").arg(command));
        settings.site = localName(parser.value(options.site));
        const QString choice = parser.value(options.protocol).toLower();
        if (choice == QLatin1String("secure"))
            settings.protocol = engine::SecureProtocol;
        else if (choice != QLatin1String("normal"))
            return argumentFault(QStringLiteral("--protocol takes normal or secure"));
    } else if (parser.isSet(options.site) || parser.isSet(options.protocol)) {
        return argumentFault(QStringLiteral("--site and --protocol go with insert and status only"));
    }
    return {};
}

// Whether the options of insert, remove and status go together; fails with a
// usage error's words.
engine::Result<void> optionsAgree(const QCommandLineParser& parser, const Options& options, Command command) {
    const bool status = command == Command::Status;
    if (status && parser.isSet(options.noJournal))
        return argumentFault(QStringLiteral("status changes nothing: --no-journal does not go with it"));
    if (status && parser.isSet(options.dryRun))
        return argumentFault(QStringLiteral("status writes nothing: --dry-run does not go with it"));
    if (status && parser.isSet(options.diff))
        return argumentFault(QStringLiteral("status changes nothing: --diff goes with insert and remove"));
    const QString pageName = parser.value(options.pageName);
    if (pageName != QLatin1String("file") && pageName != QLatin1String("path"))
        return argumentFault(QStringLiteral("--page-name takes file or path"));
    if (parser.isSet(options.pageName) && command == Command::Remove)
        return argumentFault(QStringLiteral("--page-name goes with insert and status only"));
    if (parser.isSet(options.all) && parser.positionalArguments().size() > 2)
        return argumentFault(QStringLiteral("give either --all or NAMEs, not both"));
    return {};
}

// The settings of insert, remove and status; fails with a usage error's words.
engine::Result<CliHost::Settings> readSettings(const QCommandLineParser& parser, const Options& options) {
    CliHost::Settings settings;
    const QString command = parser.positionalArguments().front();
    settings.command = command == QLatin1String("insert")   ? Command::Insert
                       : command == QLatin1String("remove") ? Command::Remove
                                                            : Command::Status;
    if (parser.positionalArguments().size() < 2)
        return argumentFault(QStringLiteral("missing FOLDER"));
    if (const engine::Result<void> site = readSite(parser, options, settings); !site)
        return site.failure();
    if (const engine::Result<void> agree = optionsAgree(parser, options, settings.command); !agree)
        return agree.failure();
    const QString pageName = parser.value(options.pageName);
    settings.dryRun = parser.isSet(options.dryRun);
    settings.diff = parser.isSet(options.diff);
    settings.pageNameByPath = pageName == QLatin1String("path");
    settings.json = parser.isSet(options.json);
    settings.recursive = parser.isSet(options.recursive);
    return settings;
}

// A first walk of the tree: that the folder can be listed, which NAMEs stand in
// it, and how many entries the run takes. No name is kept.
engine::Result<int> firstWalk(files::FolderWalk& walk, const QString& folder, const QStringList& names,
                              const Selection& selection) {
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
    for (const QString& name : names) {
        if (!found.contains(QFile::encodeName(name)))
            return argumentFault(QStringLiteral("\"%1\" is not a file listed in %2")
                                     .arg(files::shownName(QFile::encodeName(name)),
                                          files::shownName(QFile::encodeName(folder))));
    }
    return selected;
}

// "no web pages in FOLDER", with how many its subfolders hold when -r was not given.
engine::Failure noPagesIn(const QString& folder, bool recursive, const Selection& selection) {
    QString text = QStringLiteral("no web pages in %1").arg(files::shownName(QFile::encodeName(folder)));
    if (!recursive) {
        int beneath = 0;
        files::FolderWalk tree(folder, true);
        for (QList<QByteArray> names; tree.next(names);) {
            for (const QByteArray& name : names)
                beneath += name.contains('/') && selection(name.mid(name.lastIndexOf('/') + 1)) ? 1 : 0;
        }
        if (beneath > 0)
            text += QStringLiteral("; its subfolders hold %1; add -r").arg(beneath);
    }
    return engine::Failure{engine::Failure::Kind::NotFound, localName(text)};
}

// What the journal of insert or remove says of the run.
files::JournalRun journalHeader(const CliHost::Settings& settings, const QString& folder,
                                engine::FolderId root) {
    files::JournalRun header;
    header.command =
        settings.command == Command::Insert ? QStringLiteral("insert") : QStringLiteral("remove");
    // Where the run was, from anywhere; and as it was typed, for display.
    header.folder = QFile::encodeName(QFileInfo(folder).absoluteFilePath());
    header.typed = QFile::encodeName(folder);
    header.root = root;
    if (settings.command == Command::Insert) {
        header.website = QString::fromStdString(settings.site);
        header.protocol =
            settings.protocol == engine::SecureProtocol ? QStringLiteral("secure") : QStringLiteral("normal");
    }
    return header;
}

// The summary of a status run, and its exit status.
int statusSummary(const engine::BatchResult& result, bool compare, bool json, std::FILE* out) {
    std::size_t judged = 0; // every page told but the skipped ones
    for (const auto outcome : {engine::Outcome::Inserted, engine::Outcome::Replaced, engine::Outcome::Removed,
                               engine::Outcome::Unchanged, engine::Outcome::Failed})
        judged += result.count(outcome);
    if (json) {
        QJsonObject summary;
        for (const auto state :
             {engine::PageState::Code, engine::PageState::Current, engine::PageState::Stale,
              engine::PageState::None, engine::PageState::Broken})
            summary.insert(QLatin1String(engine::stateWord(state)),
                           static_cast<qint64>(result.countState(state)));
        summary.insert(QStringLiteral("skipped"),
                       static_cast<qint64>(result.count(engine::Outcome::Skipped)));
        summary.insert(QStringLiteral("failed"), static_cast<qint64>(result.count(engine::Outcome::Failed)));
        if (result.stopped)
            summary.insert(QStringLiteral("stopped"), true);
        jsonLine(out, QJsonObject{{QStringLiteral("summary"), summary}});
    } else {
        line(out, (result.stopped ? "stopped: " : std::string()) + result.stateSummary(compare));
    }
    if (result.stopped && stopSignal != 0)
        return 128 + static_cast<int>(stopSignal);
    if (compare)
        return result.countState(engine::PageState::Current) == judged ? Success : PageFailed;
    return result.count(engine::Outcome::Failed) > 0 ? PageFailed : Success;
}

// The summary of insert or remove, and its exit status.
int batchSummary(const engine::BatchResult& result, bool dryRun, bool json, std::FILE* out) {
    if (json) {
        QJsonObject summary = outcomeCounts(result, {engine::Outcome::Inserted, engine::Outcome::Replaced,
                                                     engine::Outcome::Removed, engine::Outcome::Unchanged,
                                                     engine::Outcome::Skipped, engine::Outcome::Failed});
        summary.insert(QStringLiteral("dry_run"), dryRun);
        jsonLine(out, QJsonObject{{QStringLiteral("summary"), summary}});
    } else {
        line(out,
             (dryRun ? "dry run: " : "") + (result.stopped ? "stopped: " : std::string()) + result.summary());
    }
    return batchStatus(result);
}

engine::BatchOptions batchOptions(const QCommandLineParser& parser, const Options& options,
                                  const CliHost::Settings& settings, std::FILE* out) {
    engine::BatchOptions batch{settings.dryRun};
    batch.keepPages = false;
    batch.diff = settings.diff;
    // Controls in a diff are shown escaped only to a person at a terminal.
    batch.escapeDiff = ::isatty(::fileno(out)) != 0;
    if (parser.isSet(options.benchSync)) {
        const QString how = parser.value(options.benchSync);
        batch.sync = how == QLatin1String("none")   ? engine::RunFiles::Sync::None
                     : how == QLatin1String("each") ? engine::RunFiles::Sync::EachFile
                                                    : engine::RunFiles::Sync::FileSystem;
    }
    return batch;
}

// insert, remove and status: the arguments checked, the tree walked once to
// check them, then the run with each page's line and the summary.
int pageCommand(const QCommandLineParser& parser, const Options& options, std::FILE* out, std::FILE* err) {
    const engine::Result<CliHost::Settings> read = readSettings(parser, options);
    if (!read)
        return stopWith(err, read.failure());
    const CliHost::Settings& settings = *read;
    const QString folder = parser.positionalArguments().at(1);
    const QStringList names = parser.positionalArguments().mid(2);
    // From here on a stop is told truthfully, however early it comes.
    const StopOnSignals stopOnSignals;
    Selection selection;
    selection.all = parser.isSet(options.all);
    for (const QString& name : names)
        selection.names.insert(QFile::encodeName(name));
    selection.rules = files::IgnoreRules::load(folder, parser.values(options.exclude));
    if (const std::optional<files::Generator> generator = files::generatorOf(folder);
        generator && !parser.isSet(options.source))
        return stopWith(err, engine::Failure{engine::Failure::Kind::NotFound,
                                             localName(files::generatorWarning(folder, *generator))});
    files::FolderWalk walk(folder, settings.recursive);
    const engine::Result<int> selected = firstWalk(walk, folder, names, selection);
    if (!selected)
        return stopWith(err, selected.failure());
    // A run that takes no file is no success: a gate that checked nothing says so.
    if (*selected == 0)
        return stopWith(err, noPagesIn(folder, settings.recursive, selection));

    engine::BatchOptions batch = batchOptions(parser, options, settings, out);
    const bool status = settings.command == Command::Status;
    std::unique_ptr<files::JournalWriter> journal;
    if (!status && !settings.dryRun && !parser.isSet(options.noJournal)) {
        engine::Result<std::unique_ptr<files::JournalWriter>> begun =
            beginJournal(journalHeader(settings, folder, walk.listing().id));
        if (!begun)
            return stopWith(err, begun.failure());
        journal = std::move(*begun);
        batch.journal = journal.get();
    }
    const bool compare = status && parser.isSet(options.site);
    CliHost host(folder, walk.listing(), std::move(selection), *selected, settings, out);
    files::QtPageFiles files;
    const engine::Result<engine::BatchResult> result =
        status ? engine::runStatus(host, files,
                                   engine::StatusOptions{compare, settings.site, settings.protocol, false,
                                                         settings.pageNameByPath})
               : engine::runBatch(host, files, batch);
    if (journal)
        journal->finish();
    if (!result) {
        line(err, "code-inserter-cli: " + result.reason());
        return PageFailed;
    }
    return status ? statusSummary(*result, compare, settings.json, out)
                  : batchSummary(*result, settings.dryRun, settings.json, out);
}

} // namespace

int run(const QStringList& arguments, std::FILE* out, std::FILE* err) {
    // A scanning kernel asked for that cannot be used is said at once.
    if (const engine::Result<void> kernel = engine::scan::kernelUsable(); !kernel) {
        line(err, "code-inserter-cli: " + kernel.reason());
        return UsageError;
    }
    QCommandLineParser parser;
    const Options options(parser);
    if (!parser.parse(arguments))
        return usage(err, parser.errorText());
    // --help-all, which the parser offers beside --help, shows the same: the tool has
    // no options of Qt's own.
    if (parser.isSet(options.help) || parser.isSet(QStringLiteral("help-all"))) {
        line(out, localName(parser.helpText()));
        return Success;
    }
    if (parser.isSet(options.version)) {
        line(out, std::string("code-inserter-cli ") + version::text());
        return Success;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usage(err, QStringLiteral("missing command: insert, remove or status"));
    const QString command = positional.front();
    if (command == QLatin1String("runs") || command == QLatin1String("undo"))
        return journalCommand(parser, options, out, err);
    if (command == QLatin1String("insert") || command == QLatin1String("remove") ||
        command == QLatin1String("status"))
        return pageCommand(parser, options, out, err);
    return usage(
        err, QStringLiteral("unknown command \"%1\": use insert, remove, status, undo or runs").arg(command));
}

} // namespace cli
