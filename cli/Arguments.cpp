#include "cli/Arguments.h"

#include "files/Names.h"

#include <QCommandLineParser>

namespace cli {

namespace {

using files::localName;

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

engine::Failure argumentFault(const QString& words) {
    return engine::Failure{engine::Failure::Kind::Settings, words.toStdString()};
}

// `runs` and `undo`: whether their arguments go together.
engine::Result<void> journalArguments(const QCommandLineParser& parser, const Options& options) {
    const QStringList positional = parser.positionalArguments();
    const QString command = positional.front();
    for (const QCommandLineOption* option :
         {&options.site, &options.protocol, &options.pageName, &options.all, &options.recursive,
          &options.diff, &options.source}) {
        if (parser.isSet(*option))
            return argumentFault(
                QStringLiteral("--%1 does not go with %2").arg(option->names().constLast(), command));
    }
    const bool runs = command == QLatin1String("runs");
    if (positional.size() > (runs ? 1 : 2))
        return argumentFault(runs ? QStringLiteral("runs takes no FOLDER")
                                  : QStringLiteral("undo takes one RUN"));
    if (runs && (parser.isSet(options.dryRun) || parser.isSet(options.noJournal)))
        return argumentFault(QStringLiteral("runs changes nothing: it takes --json alone"));
    if (!runs && positional.size() > 1 && positional.at(1).isEmpty())
        return argumentFault(QStringLiteral("undo takes a RUN that is not empty"));
    return {};
}

// The website number and protocol of insert, or of status with --site.
engine::Result<void> readSite(const QCommandLineParser& parser, const Options& options, Settings& settings) {
    const QString command = parser.positionalArguments().front();
    settings.compare = settings.command == Command::Status && parser.isSet(options.site);
    if (settings.command == Command::Insert || settings.compare) {
        // The one reading of the number: everything after goes by what it gave.
        settings.run.site = engine::Site::parse(localName(parser.value(options.site)));
        if (!parser.isSet(options.site) || !settings.run.site.given())
            return argumentFault(QStringLiteral("%1 needs --site NUMBER").arg(command));
        const std::optional<engine::Protocol> protocol =
            engine::protocolNamed(parser.value(options.protocol).toLower().toStdString());
        if (!protocol)
            return argumentFault(QStringLiteral("--protocol takes normal or secure"));
        settings.run.protocol = *protocol;
    } else if (parser.isSet(options.site) || parser.isSet(options.protocol)) {
        return argumentFault(QStringLiteral("--site and --protocol go with insert and status only"));
    }
    return {};
}

// Whether the options of insert, remove and status go together.
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

// The settings of insert, remove and status.
engine::Result<void> readPageSettings(const QCommandLineParser& parser, const Options& options,
                                      Settings& settings) {
    if (parser.positionalArguments().size() < 2)
        return argumentFault(QStringLiteral("missing FOLDER"));
    if (const engine::Result<void> site = readSite(parser, options, settings); !site)
        return site;
    if (const engine::Result<void> agree = optionsAgree(parser, options, settings.command); !agree)
        return agree;
    settings.run.mode = settings.command == Command::Remove ? engine::Mode::Remove : engine::Mode::Insert;
    settings.run.naming = parser.value(options.pageName) == QLatin1String("path") ? engine::PageNaming::Path
                                                                                  : engine::PageNaming::File;
    settings.folder = parser.positionalArguments().at(1);
    settings.names = parser.positionalArguments().mid(2);
    settings.exclude = parser.values(options.exclude);
    settings.all = parser.isSet(options.all);
    settings.recursive = parser.isSet(options.recursive);
    settings.diff = parser.isSet(options.diff);
    settings.source = parser.isSet(options.source);
    if (parser.isSet(options.benchSync)) {
        const QString how = parser.value(options.benchSync);
        settings.sync = how == QLatin1String("none")   ? engine::RunFiles::Sync::None
                        : how == QLatin1String("each") ? engine::RunFiles::Sync::EachFile
                                                       : engine::RunFiles::Sync::FileSystem;
    }
    return {};
}

// The command the first positional argument names.
engine::Result<Command> commandNamed(const QStringList& positional) {
    if (positional.isEmpty())
        return argumentFault(QStringLiteral("missing command: insert, remove or status"));
    const QString& word = positional.front();
    const std::pair<const char*, Command> commands[] = {{"insert", Command::Insert},
                                                        {"remove", Command::Remove},
                                                        {"status", Command::Status},
                                                        {"undo", Command::Undo},
                                                        {"runs", Command::Runs}};
    for (const auto& [name, command] : commands) {
        if (word == QLatin1String(name))
            return command;
    }
    return argumentFault(
        QStringLiteral("unknown command \"%1\": use insert, remove, status, undo or runs").arg(word));
}

} // namespace

engine::Result<Settings> readArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    const Options options(parser);
    if (!parser.parse(arguments))
        return argumentFault(parser.errorText());
    Settings settings;
    // --help-all, which the parser offers beside --help, shows the same: the tool has
    // no options of Qt's own.
    if (parser.isSet(options.help) || parser.isSet(QStringLiteral("help-all"))) {
        settings.command = Command::Help;
        settings.helpText = parser.helpText();
        return settings;
    }
    if (parser.isSet(options.version)) {
        settings.command = Command::Version;
        return settings;
    }
    const engine::Result<Command> command = commandNamed(parser.positionalArguments());
    if (!command)
        return command.failure();
    settings.command = *command;
    settings.dryRun = parser.isSet(options.dryRun);
    settings.json = parser.isSet(options.json);
    settings.journal = !parser.isSet(options.noJournal);
    if (settings.command == Command::Undo || settings.command == Command::Runs) {
        if (const engine::Result<void> agree = journalArguments(parser, options); !agree)
            return agree.failure();
        settings.runId = parser.positionalArguments().value(1);
        return settings;
    }
    if (const engine::Result<void> read = readPageSettings(parser, options, settings); !read)
        return read.failure();
    return settings;
}

} // namespace cli
