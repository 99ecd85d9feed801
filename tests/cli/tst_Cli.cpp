#include "TestFiles.h"
#include "engine/scan/Kernels.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <utility>

namespace {

const QByteArray Page = "<html><body>x</body></html>";

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run cli(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(INSERTER_CLI), arguments);
    Run run;
    if (!process.waitForFinished(30000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// A folder with three pages, a style sheet and an image.
void makeSite(const QTemporaryDir& dir) {
    for (const char* name : {"index.html", "about.HTM", "news.shtml"})
        write(dir.filePath(QString::fromLatin1(name)), Page);
    write(dir.filePath(QStringLiteral("style.css")), "p { }");
    write(dir.filePath(QStringLiteral("logo.gif")), QByteArray("GIF89a\0", 7));
}

// A block of another site, in an older layout, between spaces the runs trim.
const QByteArray OldBlockPage = "\r\n  <html><body>x\r\n<!-- START OF TRAFALYTIC CODE -->\r\n<script "
                                "src=\"http://db2.trafalytic.com/script/99.js\"></script>\r\n<!-- END OF "
                                "TRAFALYTIC CODE -->\r\n</body></html>  \r\n";

QByteArray utf16(const QByteArray& text) {
    QByteArray bytes("\xFF\xFE", 2);
    for (const char c : text)
        bytes += QByteArray(1, c) + QByteArray(1, '\0');
    return bytes;
}

// Points the tool at a journal of the test's own for as long as it lives.
struct JournalHome {
    QTemporaryDir state;
    JournalHome() { qputenv("XDG_STATE_HOME", QFile::encodeName(state.path())); }
    QString journal() const { return state.filePath(QStringLiteral("code-inserter/journal")); }
    QStringList runs() const { return QDir(journal()).entryList(QDir::Dirs | QDir::NoDotAndDotDot); }
};

QMap<QString, QByteArray> pagesOf(const QTemporaryDir& dir, const QStringList& names) {
    QMap<QString, QByteArray> pages;
    for (const QString& name : names)
        pages[name] = contents(dir.filePath(name));
    return pages;
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void insertTakesThePagesByDefault() {
        QTemporaryDir dir;
        makeSite(dir);
        const Run run =
            cli({QStringLiteral("insert"), QStringLiteral("--site"), QStringLiteral("12345"), dir.path()});
        QCOMPARE(run.status, 0);
        const QList<QByteArray> lines = run.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines[0].startsWith("inserted "));
        QVERIFY(lines[0].endsWith(QFile::encodeName(dir.filePath(QStringLiteral("about.HTM")))));
        QCOMPARE(lines[3], QByteArray("3 inserted, 0 replaced, 0 removed, 0 unchanged, 0 skipped, 0 failed"));
        QVERIFY(contents(dir.filePath(QStringLiteral("index.html")))
                    .contains("http://db2.trafalytic.com/script/12345.js"));
        QCOMPARE(contents(dir.filePath(QStringLiteral("style.css"))), QByteArray("p { }"));

        const Run again = cli({QStringLiteral("insert"), QStringLiteral("--site"), QStringLiteral("12345"),
                               QStringLiteral("--protocol"), QStringLiteral("secure"), dir.path()});
        QCOMPARE(again.status, 0);
        QVERIFY(again.out.contains("3 replaced"));
        QVERIFY(contents(dir.filePath(QStringLiteral("index.html"))).contains("https://www.trafalytic.com"));

        const Run removed = cli({QStringLiteral("remove"), dir.path()});
        QCOMPARE(removed.status, 0);
        QVERIFY(removed.out.contains("3 removed"));
        QCOMPARE(contents(dir.filePath(QStringLiteral("index.html"))), Page);
    }

    void allTakesEveryFileAndSkipsWhatIsNoPage() {
        QTemporaryDir dir;
        makeSite(dir);
        const Run run =
            cli({QStringLiteral("insert"), QStringLiteral("--site=7"), QStringLiteral("--all"), dir.path()});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.contains("3 inserted, 0 replaced, 0 removed, 0 unchanged, 2 skipped, 0 failed"));
        QVERIFY(run.out.contains("logo.gif: a binary file"));
        QVERIFY(run.out.contains("style.css: no closing body tag"));
    }

    void namesPickPagesAndUnknownNamesTouchNothing() {
        QTemporaryDir dir;
        makeSite(dir);
        const Run run = cli(
            {QStringLiteral("insert"), QStringLiteral("--site=7"), dir.path(), QStringLiteral("news.shtml")});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.contains("1 inserted"));
        QCOMPARE(contents(dir.filePath(QStringLiteral("index.html"))), Page);

        const Run unknown = cli({QStringLiteral("insert"), QStringLiteral("--site=7"), dir.path(),
                                 QStringLiteral("index.html"), QStringLiteral("missing.htm")});
        QCOMPARE(unknown.status, 2);
        QVERIFY(unknown.err.contains("missing.htm"));
        QCOMPARE(contents(dir.filePath(QStringLiteral("index.html"))), Page);
    }

    void dryRunWritesNothing() {
        QTemporaryDir dir;
        makeSite(dir);
        const Run run = cli(
            {QStringLiteral("insert"), QStringLiteral("--site=7"), QStringLiteral("--dry-run"), dir.path()});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.contains("would be inserted"));
        QVERIFY(run.out.contains("dry run: 3 inserted"));
        QCOMPARE(contents(dir.filePath(QStringLiteral("index.html"))), Page);
    }

    void usageErrors_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no command") << QStringList{};
        QTest::newRow("unknown command") << QStringList{QStringLiteral("add"), QStringLiteral("FOLDER")};
        QTest::newRow("insert without --site")
            << QStringList{QStringLiteral("insert"), QStringLiteral("FOLDER")};
        QTest::newRow("insert with an empty --site")
            << QStringList{QStringLiteral("insert"), QStringLiteral("--site="), QStringLiteral("FOLDER")};
        QTest::newRow("insert with a --site of blanks, tabs and line feeds") << QStringList{
            QStringLiteral("insert"), QStringLiteral("--site= \t\n "), QStringLiteral("FOLDER")};
        QTest::newRow("unknown protocol")
            << QStringList{QStringLiteral("insert"), QStringLiteral("--site=1"),
                           QStringLiteral("--protocol=ftp"), QStringLiteral("FOLDER")};
        QTest::newRow("remove with --site")
            << QStringList{QStringLiteral("remove"), QStringLiteral("--site=1"), QStringLiteral("FOLDER")};
        QTest::newRow("status with --diff")
            << QStringList{QStringLiteral("status"), QStringLiteral("--diff"), QStringLiteral("FOLDER")};
        QTest::newRow("remove with --page-name") << QStringList{
            QStringLiteral("remove"), QStringLiteral("--page-name=path"), QStringLiteral("FOLDER")};
        QTest::newRow("unknown --page-name")
            << QStringList{QStringLiteral("insert"), QStringLiteral("--site=1"),
                           QStringLiteral("--page-name=url"), QStringLiteral("FOLDER")};
        QTest::newRow("no folder") << QStringList{QStringLiteral("remove")};
        QTest::newRow("--all with names")
            << QStringList{QStringLiteral("remove"), QStringLiteral("--all"), QStringLiteral("FOLDER"),
                           QStringLiteral("index.html")};
        QTest::newRow("runs with a folder") << QStringList{QStringLiteral("runs"), QStringLiteral("FOLDER")};
        QTest::newRow("undo with --site") << QStringList{QStringLiteral("undo"), QStringLiteral("--site=1")};
        QTest::newRow("undo of no such run")
            << QStringList{QStringLiteral("undo"), QStringLiteral("19990101-000000")};
        QTest::newRow("unknown option")
            << QStringList{QStringLiteral("remove"), QStringLiteral("--force"), QStringLiteral("FOLDER")};
    }

    void usageErrors() {
        QFETCH(QStringList, arguments);
        QTemporaryDir dir;
        makeSite(dir);
        arguments.replaceInStrings(QStringLiteral("FOLDER"), dir.path());
        const Run run = cli(arguments);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(contents(dir.filePath(QStringLiteral("index.html"))), Page);
    }

    void nothingCanBeDone_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("folder that cannot be listed")
            << QStringList{QStringLiteral("remove"), QStringLiteral("FOLDER/missing")};
        QTest::newRow("overflowing website number") << QStringList{
            QStringLiteral("insert"), QStringLiteral("--site=99999999999999"), QStringLiteral("FOLDER")};
    }

    void nothingCanBeDone() {
        QFETCH(QStringList, arguments);
        QTemporaryDir dir;
        makeSite(dir);
        arguments.replaceInStrings(QStringLiteral("FOLDER"), dir.path());
        const Run run = cli(arguments);
        QCOMPARE(run.status, 1);
        QVERIFY(!run.err.isEmpty());
        QCOMPARE(contents(dir.filePath(QStringLiteral("index.html"))), Page);
    }

    // A run that would take no page, or that would write into a site generator's
    // source, says so and fails: a gate never passes with nothing checked.
    void gatesTellTheTruth_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("said");
        const QString hugo =
            QStringLiteral("is the source of a Hugo site: its pages are built into public/; run "
                           "this on public/ after each build");
        QTest::newRow("empty folder") << QStringList() << QStringLiteral("no web pages in ");
        QTest::newRow("pages beneath only")
            << QStringList{QStringLiteral("sub/a.html"), QStringLiteral("sub/b.htm")}
            << QStringLiteral("; its subfolders hold 2; add -r");
        QTest::newRow("Hugo, hugo.toml")
            << QStringList{QStringLiteral("hugo.toml"), QStringLiteral("content/a.md"),
                           QStringLiteral("index.html")}
            << hugo;
        QTest::newRow("Hugo, config.yaml")
            << QStringList{QStringLiteral("config.yaml"), QStringLiteral("layouts/index.html")} << hugo;
        QTest::newRow("Jekyll") << QStringList{QStringLiteral("_config.yml"),
                                               QStringLiteral("_layouts/a.html"),
                                               QStringLiteral("index.html")}
                                << QStringLiteral("source of a Jekyll site: its pages are built into _site/");
        QTest::newRow("Eleventy") << QStringList{QStringLiteral("eleventy.config.mjs"),
                                                 QStringLiteral("index.html")}
                                  << QStringLiteral("source of an Eleventy site");
        QTest::newRow("Eleventy, .eleventy.js")
            << QStringList{QStringLiteral(".eleventy.js"), QStringLiteral("index.html")}
            << QStringLiteral("source of an Eleventy site");
        QTest::newRow("MkDocs") << QStringList{QStringLiteral("mkdocs.yml"), QStringLiteral("index.html")}
                                << QStringLiteral("built into site/");
        QTest::newRow("Pelican") << QStringList{QStringLiteral("pelicanconf.py"),
                                                QStringLiteral("index.html")}
                                 << QStringLiteral("built into output/");
    }
    void gatesTellTheTruth() {
        QFETCH(QStringList, files);
        QFETCH(QString, said);
        const JournalHome home;
        QTemporaryDir dir;
        for (const QString& file : files) {
            QVERIFY(QDir(dir.path()).mkpath(QFileInfo(file).path()));
            write(dir.filePath(file), Page);
        }
        for (const QStringList& command :
             {QStringList{QStringLiteral("insert"), QStringLiteral("--site=5")},
              QStringList{QStringLiteral("status")}, QStringList{QStringLiteral("remove")}}) {
            const Run run = cli(command + QStringList{dir.path()});
            QVERIFY2(run.status == 1 && run.err.contains(said.toUtf8()), run.err.constData());
        }
        QVERIFY(home.runs().isEmpty());
        if (said.contains(QLatin1String("source of"))) {
            const Run anyway = cli({QStringLiteral("insert"), QStringLiteral("--site=5"),
                                    QStringLiteral("--source"), QStringLiteral("-r"), dir.path()});
            QCOMPARE(anyway.status, 0);
        }
    }

    // Files left out by the ignore file or --exclude are told where they were
    // taken by --all or named; FrontPage's folders and verification files are
    // left without any pattern.
    void onlyPages() {
        const JournalHome home;
        QTemporaryDir dir;
        for (const char* name : {"index.html", "drafts/a.html", "_vti_cnf/index.html", "blog/old.html"}) {
            QVERIFY(QDir(dir.path()).mkpath(QFileInfo(QString::fromLatin1(name)).path()));
            write(dir.filePath(QLatin1String(name)), Page);
        }
        write(dir.filePath(QStringLiteral("google1234abcd.html")),
              "google-site-verification: google1234abcd.html\n");
        write(dir.filePath(QStringLiteral(".code-inserter-ignore")), "# not yet\ndrafts/\n");
        const QStringList run{QStringLiteral("insert"), QStringLiteral("--site=5"), QStringLiteral("-r"),
                              QStringLiteral("--exclude"), QStringLiteral("**/old.*")};
        const Run plain = cli(run + QStringList{dir.path()});
        const QByteArray verification = "skipped   " + QFile::encodeName(dir.path()) +
                                        "/google1234abcd.html: a search engine's verification file";
        QVERIFY2(plain.status == 0 && plain.out.contains(verification), plain.out.constData());
        QVERIFY(!plain.out.contains("drafts") && !plain.out.contains("_vti_") &&
                !plain.out.contains("old.html"));
        QVERIFY(contents(dir.filePath(QStringLiteral("index.html"))) != Page);
        const Run all =
            cli(run + QStringList{QStringLiteral("--all"), QStringLiteral("--dry-run"), dir.path()});
        QVERIFY2(all.out.contains("/drafts/a.html: excluded by .code-inserter-ignore line 2\n") &&
                     all.out.contains("/blog/old.html: excluded by --exclude\n") &&
                     !all.out.contains("_vti_"),
                 all.out.constData());
        for (const char* name :
             {"drafts/a.html", "_vti_cnf/index.html", "blog/old.html", "google1234abcd.html"})
            QVERIFY(!contents(dir.filePath(QLatin1String(name))).contains("TRAFALYTIC"));
        // A run clears its own leftovers from the folder, never the site's ignore file.
        QCOMPARE(contents(dir.filePath(QStringLiteral(".code-inserter-ignore"))),
                 QByteArray("# not yet\ndrafts/\n"));
    }

    // The journal keeps a run's folder whole: its undo works from anywhere.
    void undoFromAnotherFolder() {
        const JournalHome home;
        QTemporaryDir dir;
        makeSite(dir);
        QProcess insert;
        insert.setWorkingDirectory(dir.path());
        insert.start(QStringLiteral(INSERTER_CLI),
                     {QStringLiteral("insert"), QStringLiteral("--site=5"), QStringLiteral(".")});
        QVERIFY(insert.waitForFinished() && insert.exitCode() == 0);
        QVERIFY(contents(dir.filePath(QStringLiteral("index.html"))) != Page);
        QProcess undo;
        undo.setWorkingDirectory(QDir::rootPath());
        undo.start(QStringLiteral(INSERTER_CLI), {QStringLiteral("undo")});
        QVERIFY(undo.waitForFinished());
        QCOMPARE(undo.exitCode(), 0);
        QCOMPARE(contents(dir.filePath(QStringLiteral("index.html"))), Page);
    }

    void aFailingPageGivesStatusOneAndTheRunGoesOn() {
        QTemporaryDir dir;
        makeSite(dir);
        QFile::setPermissions(dir.filePath(QStringLiteral("about.HTM")), QFile::ReadOwner);
        const Run run = cli({QStringLiteral("insert"), QStringLiteral("--site=7"), dir.path()});
        QCOMPARE(run.status, 1);
        QVERIFY(run.out.contains("about.HTM: the page is read-only"));
        QVERIFY(run.out.contains("2 inserted, 0 replaced, 0 removed, 0 unchanged, 0 skipped, 1 failed"));
    }

    // Sample pages the run must refuse: failed, exit status 1, the page as it was.
    void refusedSamples_data() {
        QTest::addColumn<QString>("sample");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("state"); // what status reads
        QTest::newRow("nested markers") << QStringLiteral("nested-markers.html")
                                        << QStringLiteral("nested or crossed") << QStringLiteral("broken");
        QTest::newRow("ends in a script")
            << QStringLiteral("unclosed-script.html")
            << QStringLiteral("ends inside a <script> element, where the code would not run")
            << QStringLiteral("none");
        QTest::newRow("ends in a comment")
            << QStringLiteral("unclosed-comment.html") << QStringLiteral("ends inside a comment")
            << QStringLiteral("none");
    }

    void refusedSamples() {
        QFETCH(QString, sample);
        QFETCH(QString, reason);
        QFETCH(QString, state);
        QTemporaryDir dir;
        const QString page = dir.filePath(sample);
        QVERIFY(QFile::copy(QStringLiteral(INSERTER_TEST_DATA "/pages/") + sample, page));
        QFile::setPermissions(page, QFile::ReadOwner | QFile::WriteOwner);
        const QByteArray before = contents(page);
        const Run run = cli({QStringLiteral("insert"), QStringLiteral("--site=7"), dir.path()});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.out.startsWith("failed ") && run.out.contains(reason.toUtf8()), run.out.constData());
        QCOMPARE(contents(page), before);
        const Run status = cli({QStringLiteral("status"), QStringLiteral("--site=7"), dir.path()});
        QCOMPARE(status.status, 1);
        QVERIFY2(status.out.startsWith(QByteArray(state.toUtf8() + ' ')), status.out.constData());
    }

    // The folder named through a symbolic link: an absolute link written with that
    // same path leads inside, to a page of the folder.
    void folderNamedThroughALink() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("real")));
        const QString named = dir.filePath(QStringLiteral("www"));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("real")), named));
        write(dir.filePath(QStringLiteral("real/a.html")), Page);
        QVERIFY(QFile::link(named + QStringLiteral("/a.html"), dir.filePath(QStringLiteral("real/b.html"))));
        const Run run = cli({QStringLiteral("insert"), QStringLiteral("--site=7"), named});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains("b.html: the same file as a page already handled"), run.out.constData());
    }

    // The report of a run over a tree, line for line and in order, as it was
    // recorded (INSERTER_WRITE_GOLDEN=1 records it anew); the folder reads SITE.
    void treeReports_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("json");
        QTest::addColumn<bool>("names");
        for (const char* command : {"insert", "status", "remove"})
            for (const bool json : {false, true})
                for (const bool names : {false, true})
                    QTest::addRow("%s%s%s", command, json ? "-json" : "", names ? "-names" : "")
                        << QString::fromLatin1(command) << json << names;
    }

    void treeReports() {
        QFETCH(QString, command);
        QFETCH(bool, json);
        QFETCH(bool, names);
        QTemporaryDir dir;
        const QDir site(dir.path());
        for (const char* folder : {"about", "blog/2024", "blog/old", "z", ".hidden"})
            site.mkpath(QLatin1String(folder));
        for (const char* page : {"index.html", "about/index.html", "about/Team.HTM", "blog/2024/a.html",
                                 "blog/2024/B.shtml", "blog/old/c.htm", "z/end.html", ".hidden/x.html"})
            write(site.filePath(QLatin1String(page)), Page);
        write(site.filePath(QStringLiteral("blog/2024/img.gif")), QByteArray("GIF89a\0", 7));
        write(site.filePath(QStringLiteral("blog/notes.txt")), "notes");
        write(site.filePath(QStringLiteral("blog/old/c.htm")), "<p>no body<script>x");
        QVERIFY(QFile::link(QStringLiteral("about/index.html"), site.filePath(QStringLiteral("link.html"))));
        QStringList arguments{command, QStringLiteral("-r"), dir.path()};
        if (command != QLatin1String("remove"))
            arguments << QStringLiteral("--site=7");
        if (json)
            arguments << QStringLiteral("--json");
        if (names)
            arguments << QStringLiteral("blog/2024/a.html") << QStringLiteral("about/index.html")
                      << QStringLiteral("link.html");
        if (command != QLatin1String("insert"))
            cli({QStringLiteral("insert"), QStringLiteral("-r"), QStringLiteral("--site=7"),
                 QStringLiteral("--all"), dir.path()});
        const Run run = cli(arguments);
        const QByteArray report =
            QByteArray::number(run.status) + '\n' + QByteArray(run.out).replace(dir.path().toUtf8(), "SITE");
        const QString golden = QStringLiteral(INSERTER_TEST_DATA "/tree-reports/%1.txt")
                                   .arg(QString::fromLatin1(QTest::currentDataTag()));
        if (qEnvironmentVariableIsSet("INSERTER_WRITE_GOLDEN"))
            write(golden, report);
        QCOMPARE(report, contents(golden));
    }

    // Each changed page's diff, applied to its old text by patch, gives exactly the
    // page the run wrote; for a plain insert it is what diff -u writes.
    void diffsPatchTheOldPageIntoTheNew_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("insert") << QStringLiteral("insert");
        QTest::newRow("insert over another website's block") << QStringLiteral("replace");
        QTest::newRow("remove") << QStringLiteral("remove");
    }

    void diffsPatchTheOldPageIntoTheNew() {
        QFETCH(QString, command);
        QTemporaryDir dir;
        const QDir samples(QStringLiteral(INSERTER_TEST_DATA "/pages"));
        for (const QString& name : samples.entryList(QDir::Files))
            QVERIFY(QFile::copy(samples.filePath(name), dir.filePath(name)));
        write(dir.filePath(QStringLiteral("no-line-end.html")), "  <p>x</p>  ");
        if (command != QLatin1String("insert"))
            cli({QStringLiteral("insert"), QStringLiteral("--all"), QStringLiteral("--site=99"), dir.path()});
        QMap<QString, QByteArray> old;
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
            old[name] = contents(dir.filePath(name));
        QStringList arguments{command == QLatin1String("remove") ? command : QStringLiteral("insert"),
                              QStringLiteral("--all"), QStringLiteral("--diff"), dir.path()};
        if (command != QLatin1String("remove"))
            arguments << QStringLiteral("--site=7");
        const Run json =
            cli(QStringList(arguments) << QStringLiteral("--json") << QStringLiteral("--dry-run"));
        const Run run = cli(arguments);
        // Each report line, with the diff lines that follow it (which never start with a letter).
        QMap<QString, QByteArray> diffs;
        QString page;
        for (const QByteArray& line : run.out.split('\n')) {
            if (!line.isEmpty() && QChar::fromLatin1(line[0]).isLetter())
                page = QFileInfo(QString::fromUtf8(line.mid(line.indexOf(' ')).trimmed())).fileName();
            else if (!line.isEmpty() && !QChar::fromLatin1(line[0]).isDigit())
                diffs[page] += line + '\n';
        }
        int patched = 0;
        for (auto it = diffs.cbegin(); it != diffs.cend(); ++it) {
            const QString& name = it.key();
            const QString patchedFile = dir.filePath(QStringLiteral("patched"));
            write(patchedFile, old[name]);
            QProcess patch;
            patch.start(QStringLiteral("patch"), {QStringLiteral("-s"), patchedFile});
            patch.write(it.value());
            patch.closeWriteChannel();
            QVERIFY(patch.waitForFinished());
            if (!name.startsWith(QLatin1String("utf16"))) {
                QVERIFY2(patch.exitCode() == 0, qPrintable(name + QString::fromUtf8(patch.readAll())));
                QVERIFY2(contents(patchedFile) == contents(dir.filePath(name)), qPrintable(name));
                ++patched;
            } else { // shown as UTF-8 for a person: patch takes nothing from it
                QVERIFY2(it.value().startsWith("# UTF-16 page ") && !it.value().contains("\n@@"),
                         it.value().constData());
                QVERIFY(patch.exitCode() != 0);
                QCOMPARE(contents(patchedFile), old[name]);
            }
            if (command == QLatin1String("insert") && name.startsWith(QLatin1String("plain"))) {
                write(dir.filePath(QStringLiteral("old")), old[name]);
                QProcess diff;
                diff.start(QStringLiteral("diff"),
                           {QStringLiteral("-u"), QStringLiteral("--label"), QStringLiteral("a/") + name,
                            QStringLiteral("--label"), QStringLiteral("b/") + name,
                            dir.filePath(QStringLiteral("old")), dir.filePath(name)});
                QVERIFY(diff.waitForFinished());
                QCOMPARE(diff.readAllStandardOutput(), it.value());
            }
        }
        // A dry run in JSON carried a diff for the same pages.
        // (in base64 where it is not UTF-8 text, as for a page in Latin-1).
        QCOMPARE(json.out.count("\"diff\":") + json.out.count("\"diff_base64\":"), diffs.size());
        QVERIFY(json.out.contains("\"diff_base64\":"));
        QVERIFY(patched >= 10);
    }

    // A recursive run gives every file the bytes a run in its own folder gives it.
    // Undo gives every page the run changed its bytes back, and leaves alone a
    // page changed since; undoing the undo does the run again.
    void undoGivesEveryPageBack_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("insert over another site's block") << QStringList{
            QStringLiteral("insert"), QStringLiteral("--site=12345"), QStringLiteral("--protocol=secure")};
        QTest::newRow("remove") << QStringList{QStringLiteral("remove")};
    }

    void undoGivesEveryPageBack() {
        QFETCH(QStringList, arguments);
        const JournalHome home;
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        const QStringList names{QStringLiteral("a.html"), QStringLiteral("sub/b.html"),
                                QStringLiteral("c.html"), QStringLiteral("d.html")};
        write(dir.filePath(names[0]), OldBlockPage);
        write(dir.filePath(names[1]), "\n<html><body>y</body></html>\n\n");
        write(dir.filePath(names[2]), utf16(OldBlockPage));
        write(dir.filePath(names[3]), OldBlockPage);
        const QMap<QString, QByteArray> before = pagesOf(dir, names);
        QCOMPARE(cli(arguments + QStringList{QStringLiteral("-r"), dir.path()}).status, 0);
        const QMap<QString, QByteArray> after = pagesOf(dir, names);
        write(dir.filePath(names[3]), "changed by hand");

        const Run undo = cli({QStringLiteral("undo")});
        QCOMPARE(undo.status, 0);
        QVERIFY2(undo.out.contains("d.html: changed since the run: left as it is\n"), undo.out.constData());
        QCOMPARE(contents(dir.filePath(names[3])), QByteArray("changed by hand"));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(contents(dir.filePath(names[i])), before[names[i]]);

        const QStringList runs = home.runs();
        QCOMPARE(runs.size(), 2);
        QCOMPARE(cli({QStringLiteral("undo"), runs.last()}).status, 0);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(contents(dir.filePath(names[i])), after[names[i]]);
        QCOMPARE(cli({QStringLiteral("undo")}).status, 0); // the first run is done again: undone again
        QCOMPARE(contents(dir.filePath(names[0])), before[names[0]]);
        // A page left changed keeps the run partly undone and offered; once it
        // holds what the run wrote again, the next undo finishes the run.
        QVERIFY(cli({QStringLiteral("runs")}).out.contains("(partly undone (1 pages left))"));
        write(dir.filePath(names[3]), after[names[3]]);
        const Run rest = cli({QStringLiteral("undo")});
        QVERIFY2(rest.out.contains(": 1 restored, ") &&
                     rest.out.endsWith(" unchanged, 0 skipped, 0 failed\n"),
                 rest.out.constData());
        QCOMPARE(contents(dir.filePath(names[3])), before[names[3]]);
        const Run nothing = cli({QStringLiteral("undo")});
        QCOMPARE(nothing.status, 1);
        QVERIFY(nothing.err.contains("nothing to undo"));
    }

    // A journal damaged on disk never gives a page a wrong text: that page fails.
    void damagedJournalRestoresNothingWrong() {
        const JournalHome home;
        QTemporaryDir dir;
        makeSite(dir);
        QCOMPARE(cli({QStringLiteral("insert"), QStringLiteral("--site=1"), dir.path()}).status, 0);
        QFile old(home.journal() + QLatin1Char('/') + home.runs().first() + QStringLiteral("/old.zst"));
        QVERIFY(old.open(QIODevice::ReadWrite));
        QByteArray bytes = old.readAll();
        bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x55);
        QVERIFY(old.seek(0) && old.write(bytes) == bytes.size());
        old.close();
        const Run undo = cli({QStringLiteral("undo")});
        QCOMPARE(undo.status, 1);
        QVERIFY2(undo.out.contains("the journal's copy of this page is damaged") &&
                     undo.out.contains("2 restored"),
                 undo.out.constData());
    }

    // The journal is its owner's alone, keeps the newest runs, and a run that
    // cannot keep one changes nothing.
    void journalRules() {
        JournalHome home;
        QTemporaryDir dir;
        makeSite(dir);
        const QStringList insert{QStringLiteral("insert"), QStringLiteral("--site=1"), dir.path()};
        QCOMPARE(cli(insert).status, 0);
        const QString run = home.journal() + QLatin1Char('/') + home.runs().first();
        QCOMPARE(QFileInfo(run).permissions() & 0x0FFF, QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
        for (const QFileInfo& file : QDir(run).entryInfoList(QDir::Files))
            QCOMPARE(file.permissions() & 0x0FFF, QFile::ReadUser | QFile::WriteUser);
        for (int i = 2; i <= 22; ++i)
            QCOMPARE(cli({QStringLiteral("insert"), QStringLiteral("--site=%1").arg(i), dir.path()}).status,
                     0);
        QCOMPARE(home.runs().size(), 20);
        QVERIFY(!home.runs().contains(QFileInfo(run).fileName()));
        QCOMPARE(cli({QStringLiteral("runs"), QStringLiteral("--json")}).out.count('\n'), 20);

        const QByteArray page = contents(dir.filePath(QStringLiteral("index.html")));
        write(home.state.filePath(QStringLiteral("file")), "x");
        qputenv("XDG_STATE_HOME", QFile::encodeName(home.state.filePath(QStringLiteral("file"))));
        const Run cannot = cli(insert);
        QCOMPARE(cannot.status, 1);
        QVERIFY(cannot.err.contains("No page was changed") && cannot.err.contains("--no-journal"));
        qputenv("XDG_STATE_HOME", QFile::encodeName(dir.filePath(QStringLiteral("state"))));
        const Run inside = cli(insert);
        QCOMPARE(inside.status, 1);
        QVERIFY(inside.err.contains("XDG_STATE_HOME") && inside.err.contains("--no-journal"));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("state"))));
        QCOMPARE(contents(dir.filePath(QStringLiteral("index.html"))), page);
        QCOMPARE(cli(insert + QStringList{QStringLiteral("--no-journal")}).status, 0);
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("state"))));
    }

    void recursiveEqualsOneRunPerFolder() {
        QTemporaryDir tree;
        QTemporaryDir separate;
        const QStringList folders{QString(), QStringLiteral("about"), QStringLiteral("blog/2024")};
        for (const QTemporaryDir* dir : {&tree, &separate}) {
            for (const QString& folder : folders) {
                QDir(dir->path()).mkpath(folder);
                for (const char* name : {"index.html", "Page Two.HTM"})
                    write(QDir(dir->path() + QLatin1Char('/') + folder).filePath(QLatin1String(name)), Page);
            }
            QDir(dir->path()).mkpath(QStringLiteral(".hidden"));
            write(dir->filePath(QStringLiteral(".hidden/skip.html")), Page);
        }
        QCOMPARE(
            cli({QStringLiteral("insert"), QStringLiteral("-r"), QStringLiteral("--site=7"), tree.path()})
                .status,
            0);
        for (const QString& folder : folders)
            cli({QStringLiteral("insert"), QStringLiteral("--site=7"),
                 QDir(separate.path()).filePath(folder)});
        for (const QString& folder : folders) {
            for (const char* name : {"index.html", "Page Two.HTM"}) {
                const QString relative =
                    (folder.isEmpty() ? QString() : folder + QLatin1Char('/')) + QLatin1String(name);
                QVERIFY(contents(QDir(tree.path()).filePath(relative)).contains("page=page two.htm") ||
                        QLatin1String(name) == QLatin1String("index.html"));
                QCOMPARE(contents(QDir(tree.path()).filePath(relative)),
                         contents(QDir(separate.path()).filePath(relative)));
            }
        }
        QCOMPARE(contents(tree.filePath(QStringLiteral(".hidden/skip.html"))), Page);
        // Relative names pick pages beneath.
        const Run named = cli({QStringLiteral("remove"), QStringLiteral("-r"), tree.path(),
                               QStringLiteral("blog/2024/index.html")});
        QCOMPARE(named.status, 0);
        QCOMPARE(contents(tree.filePath(QStringLiteral("blog/2024/index.html"))), Page);
    }

    // status: every state, as text and as JSON read back; with --site it gates.
    void statusTellsEveryState() {
        QTemporaryDir dir;
        write(dir.filePath(QStringLiteral("current.html")), Page);
        write(dir.filePath(QStringLiteral("stale.html")), Page);
        write(dir.filePath(QStringLiteral("none.html")), Page);
        write(dir.filePath(QStringLiteral("script.js")), "var a = 1;");
        cli({QStringLiteral("insert"), QStringLiteral("--site=5"), dir.path(),
             QStringLiteral("current.html")});
        cli({QStringLiteral("insert"), QStringLiteral("--site=6"), dir.path(), QStringLiteral("stale.html")});
        write(dir.filePath(QStringLiteral("broken.html")),
              contents(dir.filePath(QStringLiteral("current.html"))) + "<!-- END OF TRAFALYTIC CODE -->");
        const Run text = cli({QStringLiteral("status"), QStringLiteral("--all"), dir.path()});
        QCOMPARE(text.status, 0);
        QVERIFY(text.out.endsWith("2 code, 1 none, 1 broken, 1 skipped, 0 failed\n"));

        const Run json = cli({QStringLiteral("status"), QStringLiteral("--all"), QStringLiteral("--json"),
                              QStringLiteral("--site=5"), dir.path()});
        QCOMPARE(json.status, 1);
        QMap<QString, QJsonObject> pages;
        const QList<QByteArray> lines = json.out.trimmed().split('\n');
        for (const QByteArray& line : lines) {
            QJsonParseError error;
            const QJsonObject object = QJsonDocument::fromJson(line, &error).object();
            QCOMPARE(error.error, QJsonParseError::NoError);
            pages[QFileInfo(object.value(QStringLiteral("path")).toString()).fileName()] = object;
        }
        for (const auto& [page, state] :
             {std::pair{"current.html", "current"}, std::pair{"stale.html", "stale"},
              std::pair{"none.html", "none"}, std::pair{"broken.html", "broken"},
              std::pair{"script.js", "skipped"}})
            QCOMPARE(pages[QString::fromLatin1(page)][QStringLiteral("state")].toString(),
                     QString::fromLatin1(state));
        QCOMPARE(pages[QStringLiteral("stale.html")][QStringLiteral("website")].toString(),
                 QStringLiteral("6"));
        QVERIFY(pages[QStringLiteral("stale.html")][QStringLiteral("reason")].toString().contains(
            QStringLiteral("website number")));
        const QJsonObject summary =
            QJsonDocument::fromJson(lines.last()).object()[QStringLiteral("summary")].toObject();
        QCOMPARE(summary[QStringLiteral("current")].toInt(), 1);
        QCOMPARE(summary[QStringLiteral("stale")].toInt(), 1);

        const Run gate = cli({QStringLiteral("status"), QStringLiteral("--site=5"), dir.path(),
                              QStringLiteral("current.html")});
        QCOMPARE(gate.status, 0);
    }

    // A scanning kernel asked for is used when the processor runs it; any other
    // is refused before anything is read.
    void scanningKernels_data() {
        QTest::addColumn<QString>("kernel");
        QTest::addColumn<bool>("usable");
        for (const auto kernel : {engine::scan::Kernel::Plain, engine::scan::Kernel::Sse2,
                                  engine::scan::Kernel::Avx2, engine::scan::Kernel::Avx512})
            QTest::newRow(engine::scan::kernelName(kernel))
                << QString::fromLatin1(engine::scan::kernelName(kernel)) << engine::scan::runs(kernel);
        QTest::newRow("unknown") << QStringLiteral("sse9") << false;
    }

    void scanningKernels() {
        QFETCH(QString, kernel);
        QFETCH(bool, usable);
        QTemporaryDir dir;
        makeSite(dir);
        qputenv("CODE_INSERTER_KERNEL", kernel.toLatin1());
        const Run run = cli({QStringLiteral("status"), dir.path()});
        qunsetenv("CODE_INSERTER_KERNEL");
        QCOMPARE(run.status, usable ? 0 : 2);
        const QByteArray named = "CODE_INSERTER_KERNEL=" + kernel.toLatin1();
        QCOMPARE(run.err.contains(named), !usable);
        if (usable)
            QVERIFY(run.out.contains("3 none, 0 broken"));
    }

    void version() {
        const Run run = cli({QStringLiteral("--version")});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.trimmed(), QByteArray("code-inserter-cli 2.0.4"));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_Cli.moc"
