#include "cli/CliRun.h"

#include "engine/BatchRun.h"
#include "engine/ReportText.h"
#include "engine/TrackingBlock.h"
#include "platform/FolderListing.h"
#include "platform/QtPageFiles.h"

#include <QCommandLineParser>
#include <QFile>
#include <QSet>

#include <string>

namespace cli {

namespace {

std::string local(const QString& text) {
    return QFile::encodeName(text).toStdString();
}

void line(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

// The batch host of the command line: a fixed folder, list and settings, and a
// line per page as it finishes.
class CliHost final : public engine::BatchHost {
public:
    CliHost(std::string folder, engine::FolderId listed, QList<QByteArray> names, QList<bool> selected,
            std::string site, std::string protocol, engine::Mode mode, bool dryRun, std::FILE* out)
        : m_folder(std::move(folder))
        , m_listed(listed)
        , m_names(std::move(names))
        , m_selected(std::move(selected))
        , m_site(std::move(site))
        , m_protocol(std::move(protocol))
        , m_mode(mode)
        , m_dryRun(dryRun)
        , m_out(out) {}

    std::string folder() override { return m_folder; }
    engine::FolderId listedFolder() override { return m_listed; }
    int entryCount() override { return static_cast<int>(m_names.size()); }
    std::string entryName(int index) override { return m_names.at(index).toStdString(); }
    bool entrySelected(int index) override { return m_selected.at(index); }
    std::string websiteNumber() override { return m_site; }
    std::string protocolText() override { return m_protocol; }
    engine::Mode mode() override { return m_mode; }
    void pageStarting(const std::string&, int, int) override {}
    void pageFinished(const engine::PageResult& page, int, int) override {
        std::string text = engine::outcomeWord(page.outcome);
        if (m_dryRun && page.outcome != engine::Outcome::Skipped && page.outcome != engine::Outcome::Failed &&
            page.outcome != engine::Outcome::Unchanged)
            text = "would be " + text;
        text.resize(std::max<std::size_t>(text.size() + 1, 10), ' ');
        // Escaped, so that no file name can break a line or forge another.
        text += engine::reportText(page.path);
        if (!page.reason.empty())
            text += ": " + engine::reportText(page.reason);
        line(m_out, text);
    }

private:
    std::string m_folder;
    engine::FolderId m_listed;
    QList<QByteArray> m_names;
    QList<bool> m_selected;
    std::string m_site;
    std::string m_protocol;
    engine::Mode m_mode;
    bool m_dryRun;
    std::FILE* m_out;
};

int usage(std::FILE* err, const QString& message) {
    line(err, "code-inserter-cli: " + local(message) + " (see --help)");
    return UsageError;
}

} // namespace

int run(const QStringList& arguments, std::FILE* out, std::FILE* err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Inserts the Trafalytic tracking code into the web pages of a folder, or removes it.\n\n"
        "Without NAMEs the .htm, .html, .shtm and .shtml files of FOLDER are taken; with --all every file.\n"
        "Exit status: 0 when no page failed, 1 when a page failed or nothing could be done, 2 for a usage "
        "error."));
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("insert or remove"));
    parser.addPositionalArgument(QStringLiteral("FOLDER"),
                                 QStringLiteral("The folder that holds the web pages."));
    parser.addPositionalArgument(QStringLiteral("NAME"), QStringLiteral("File names in FOLDER to change."),
                                 QStringLiteral("[NAME...]"));
    const QCommandLineOption siteOption(QStringLiteral("site"),
                                        QStringLiteral("The website number Trafalytic assigned (insert)."),
                                        QStringLiteral("NUMBER"));
    const QCommandLineOption protocolOption(QStringLiteral("protocol"),
                                            QStringLiteral("normal (http, the default) or secure (https)."),
                                            QStringLiteral("normal|secure"), QStringLiteral("normal"));
    const QCommandLineOption allOption(QStringLiteral("all"), QStringLiteral("Take every file of FOLDER."));
    const QCommandLineOption dryRunOption(
        QStringLiteral("dry-run"), QStringLiteral("Report what would happen to each page; write nothing."));
    parser.addOptions({siteOption, protocolOption, allOption, dryRunOption});
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();

    if (!parser.parse(arguments))
        return usage(err, parser.errorText());
    if (parser.isSet(helpOption)) {
        line(out, local(parser.helpText()));
        return Success;
    }
    if (parser.isSet(versionOption)) {
        line(out, "code-inserter-cli " INSERTER_VERSION_TEXT);
        return Success;
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usage(err, QStringLiteral("missing command: insert or remove"));
    const QString command = positional.front();
    engine::Mode mode;
    if (command == QLatin1String("insert"))
        mode = engine::Mode::Insert;
    else if (command == QLatin1String("remove"))
        mode = engine::Mode::Remove;
    else
        return usage(err, QStringLiteral("unknown command \"%1\": use insert or remove").arg(command));
    if (positional.size() < 2)
        return usage(err, QStringLiteral("missing FOLDER"));

    std::string site;
    std::string protocol(engine::NormalProtocol);
    if (mode == engine::Mode::Insert) {
        if (!parser.isSet(siteOption) || !engine::hasWebsiteNumber(local(parser.value(siteOption))))
            return usage(err, QStringLiteral("insert needs --site NUMBER"));
        site = local(parser.value(siteOption));
        const QString choice = parser.value(protocolOption).toLower();
        if (choice == QLatin1String("secure"))
            protocol = engine::SecureProtocol;
        else if (choice != QLatin1String("normal"))
            return usage(err, QStringLiteral("--protocol takes normal or secure"));
    } else if (parser.isSet(siteOption) || parser.isSet(protocolOption)) {
        return usage(err, QStringLiteral("--site and --protocol go with insert only"));
    }

    const QString folder = positional.at(1);
    const QStringList names = positional.mid(2);
    if (parser.isSet(allOption) && !names.isEmpty())
        return usage(err, QStringLiteral("give either --all or NAMEs, not both"));

    const platform::FolderListing listing = platform::listFolder(folder);
    if (!listing.ok) {
        line(err, "code-inserter-cli: " + local(listing.reason));
        return PageFailed;
    }
    const QSet<QByteArray> listed(listing.names.begin(), listing.names.end());
    QSet<QByteArray> wanted;
    for (const QString& name : names) {
        const QByteArray bytes = QFile::encodeName(name);
        if (!listed.contains(bytes))
            return usage(
                err, QStringLiteral("\"%1\" is not a file listed in %2")
                         .arg(platform::shownName(bytes), platform::shownName(QFile::encodeName(folder))));
        wanted.insert(bytes);
    }

    QList<bool> selected;
    selected.reserve(listing.names.size());
    for (const QByteArray& name : listing.names) {
        if (parser.isSet(allOption))
            selected.append(true);
        else if (!names.isEmpty())
            selected.append(wanted.contains(name));
        else
            selected.append(engine::hasPageExtension(name.toStdString()));
    }

    const bool dryRun = parser.isSet(dryRunOption);
    CliHost host(local(folder), listing.id, listing.names, selected, site, protocol, mode, dryRun, out);
    platform::QtPageFiles files;
    engine::BatchResult result = engine::runBatch(host, files, engine::BatchOptions{dryRun});
    if (!result.error.empty()) {
        line(err, "code-inserter-cli: " + result.error);
        return PageFailed;
    }

    line(out, (dryRun ? "dry run: " : "") + result.summary());
    return result.allHandled() ? Success : PageFailed;
}

} // namespace cli
