// The journal as an adversary tries it: folders planted or opened up by another
// account, undo during a run, damaged journals, a moved clock, the first format,
// and diffs on a terminal. Every case runs the real command-line tool.
#include "TestFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>
#include <zstd.h>

namespace {

constexpr uid_t Other = 65534; // nobody

const QString NoLeakCheck = QStringLiteral("ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=0");

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run finished(QProcess& process) {
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

Run cli(const QStringList& arguments, const QStringList& before = {}) {
    QProcess process;
    const QStringList all = before + QStringList{QStringLiteral(INSERTER_CLI)} + arguments;
    process.start(all.front(), all.mid(1));
    return finished(process);
}

// A site of `count` pages and a journal of its own, for as long as it lives.
struct Site {
    QTemporaryDir state;
    QTemporaryDir dir;
    explicit Site(int count = 3) {
        qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
        for (int i = 0; i < count; ++i)
            write(page(i), "<html><body>page " + QByteArray::number(i) + "</body></html>\n");
    }
    QString page(int i) const { return dir.filePath(QStringLiteral("p%1.html").arg(i)); }
    QString journal() const { return state.filePath(QStringLiteral("code-inserter/journal")); }
    QString run(int index) const {
        QStringList runs = QDir(journal()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        return journal() + QLatin1Char('/') + runs.value(index);
    }
    Run insert(const QString& site = QStringLiteral("5")) const {
        return cli({QStringLiteral("insert"), QStringLiteral("--site"), site, dir.path()});
    }
};

void chownTree(const QString& path, uid_t owner) {
    QVERIFY(::lchown(QFile::encodeName(path).constData(), owner, owner) == 0);
    for (const QFileInfo& entry :
         QDir(path).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System))
        entry.isDir() && !entry.isSymLink()
            ? chownTree(entry.filePath(), owner)
            : (void)::lchown(QFile::encodeName(entry.filePath()).constData(), owner, owner);
}

// Swaps a folder of the journal for a link to a copy of it.
void linkInstead(const QString& path) {
    const QString copy = path + QStringLiteral(".real");
    QVERIFY(QDir().rename(path, copy));
    QVERIFY(QFile::link(copy, path));
}

// The tool run by the shell in `where`, with FOLDER last given as bytes (which a
// QString cannot carry when they are not UTF-8 text).
Run cliOnBytes(const QStringList& arguments, const QString& where, const QByteArray& folder) {
    QByteArray format;
    for (const char c : folder)
        format +=
            QByteArray("\\") + QByteArray::number(static_cast<unsigned char>(c), 8).rightJustified(3, '0');
    QProcess process;
    process.setWorkingDirectory(where);
    process.start(QStringLiteral("sh"),
                  QStringList{QStringLiteral("-c"),
                              QStringLiteral("f=$(printf \"$1\"); shift; exec \"$0\" \"$@\" \"$f\""),
                              QStringLiteral(INSERTER_CLI), QString::fromLatin1(format)} +
                      arguments);
    return finished(process);
}

QByteArray rawRead(const QByteArray& path) {
    QByteArray bytes;
    if (std::FILE* f = std::fopen(path.constData(), "rb")) {
        char block[4096];
        for (std::size_t got; (got = std::fread(block, 1, sizeof block, f)) > 0;)
            bytes.append(block, qsizetype(got));
        std::fclose(f);
    }
    return bytes;
}

void rawWrite(const QByteArray& path, const QByteArray& bytes) {
    std::FILE* f = std::fopen(path.constData(), "wb");
    QVERIFY(f);
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), f);
    std::fclose(f);
}

QByteArray lineCheck(const QByteArray& body) {
    return QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex().left(16);
}

} // namespace

class TestJournal : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A journal whose folders another account planted, links to, or may write:
    // no run starts, no planted run is undone, and nothing advises going without.
    void unsafeJournalRefused_data() {
        QTest::addColumn<QString>("what");   // the folder beneath the state folder, "" for it
        QTest::addColumn<QString>("change"); // link, other, group, others
        QTest::addColumn<QString>("reason");
        QTest::newRow("state folder a link")
            << QStringLiteral("") << QStringLiteral("link") << QStringLiteral("a link");
        QTest::newRow("code-inserter a link")
            << QStringLiteral("code-inserter") << QStringLiteral("link") << QStringLiteral("a link");
        QTest::newRow("journal a link")
            << QStringLiteral("code-inserter/journal") << QStringLiteral("link") << QStringLiteral("a link");
        QTest::newRow("state folder another's")
            << QStringLiteral("") << QStringLiteral("other") << QStringLiteral("owned by nobody");
        QTest::newRow("journal another's, with its run")
            << QStringLiteral("code-inserter/journal") << QStringLiteral("other")
            << QStringLiteral("owned by nobody");
        QTest::newRow("code-inserter writable by its group")
            << QStringLiteral("code-inserter") << QStringLiteral("group")
            << QStringLiteral("writable by others");
        QTest::newRow("state folder writable by all")
            << QStringLiteral("") << QStringLiteral("others") << QStringLiteral("writable by others");
    }
    void unsafeJournalRefused() {
        QFETCH(QString, what);
        QFETCH(QString, change);
        QFETCH(QString, reason);
        if ((change == QLatin1String("other") || change == QLatin1String("group")) && ::geteuid() != 0)
            QSKIP("another account's folder or group needs root");
        const Site site;
        QCOMPARE(site.insert().status, 0);
        const QByteArray written = contents(site.page(0));
        const QString folder = what.isEmpty() ? site.state.path() : site.state.filePath(what);
        if (change == QLatin1String("link"))
            linkInstead(folder);
        else if (change == QLatin1String("other"))
            chownTree(folder, Other);
        else if (change == QLatin1String("group"))
            QVERIFY(::chown(QFile::encodeName(folder).constData(), uid_t(-1), Other) == 0 &&
                    ::chmod(QFile::encodeName(folder).constData(), 0770) == 0);
        else
            QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0777) == 0);
        for (const QStringList& arguments :
             {QStringList{QStringLiteral("insert"), QStringLiteral("--site=6"), site.dir.path()},
              QStringList{QStringLiteral("undo")},
              QStringList{QStringLiteral("undo"), QStringLiteral("--no-journal")},
              QStringList{QStringLiteral("runs")}}) {
            const Run run = cli(arguments);
            QVERIFY2(run.status == 1 &&
                         run.err.contains(QByteArray(QByteArray("is not safe: ") + reason.toUtf8())) &&
                         !run.err.contains("--no-journal"),
                     qPrintable(arguments.join(QLatin1Char(' ')) + QLatin1String(": ") +
                                QString::fromUtf8(run.err)));
            QCOMPARE(contents(site.page(0)), written);
        }
    }

    // A run folder or manifest that is not the account's own is no run.
    void forgedRunIgnored_data() {
        QTest::addColumn<bool>("linkManifest");
        QTest::newRow("run folder another's") << false;
        QTest::newRow("manifest a link") << true;
    }
    void forgedRunIgnored() {
        QFETCH(bool, linkManifest);
        if (!linkManifest && ::geteuid() != 0)
            QSKIP("another account's folder needs root");
        const Site site;
        QCOMPARE(site.insert().status, 0);
        const QByteArray written = contents(site.page(0));
        if (linkManifest)
            linkInstead(site.run(0) + QStringLiteral("/manifest"));
        else
            chownTree(site.run(0), Other);
        const Run undo = cli({QStringLiteral("undo")});
        QVERIFY2(undo.status == 1 && undo.err.contains("nothing to undo"), undo.err.constData());
        QVERIFY(cli({QStringLiteral("runs")}).out.isEmpty());
        QCOMPARE(contents(site.page(0)), written);
    }

    // A run is undone only while it is not going: a run slowed between its
    // renames is refused, and undone whole once it has ended.
    void runningRunNotUndone() {
        if (QStandardPaths::findExecutable(QStringLiteral("strace")).isEmpty())
            QSKIP("strace is not installed");
        const Site site(12);
        QProcess slow;
        // A sanitizer's leak check cannot work under ptrace, nor its runtime come
        // first behind a preloaded library: both are left out for these runs.
        slow.start(QStringLiteral("env"),
                   {NoLeakCheck, QStringLiteral("strace"), QStringLiteral("-f"), QStringLiteral("-o"),
                    QStringLiteral("/dev/null"), QStringLiteral("-e"),
                    QStringLiteral("inject=rename,renameat,renameat2:delay_exit=400000"),
                    QStringLiteral(INSERTER_CLI), QStringLiteral("insert"), QStringLiteral("--site=6"),
                    site.dir.path()});
        QVERIFY(slow.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(contents(site.page(0)).contains("6.js"), 20000);
        const Run early = cli({QStringLiteral("undo")});
        QVERIFY2(early.status == 1 && early.err.contains(" is still running; undo it when it has ended"),
                 early.err.constData());
        QVERIFY(cli({QStringLiteral("runs")}).out.contains("(running)"));
        QCOMPARE(finished(slow).status, 0);
        const Run undo = cli({QStringLiteral("undo")});
        QVERIFY2(undo.status == 0 && undo.out.contains("12 restored"), undo.out.constData());
        for (int i = 0; i < 12; ++i)
            QVERIFY(!contents(site.page(i)).contains("6.js"));
    }

    // Undone only when every page holds its old text: else partly undone, with
    // the pages left, and offered to the next undo.
    void undoneMark_data() {
        QTest::addColumn<int>("changedSince");
        QTest::addColumn<int>("gone");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("mark");
        QTest::newRow("every page back") << 0 << 0 << 0 << QStringLiteral("(undone by ");
        QTest::newRow("one changed since") << 1 << 0 << 0 << QStringLiteral("(partly undone (1 pages left))");
        QTest::newRow("every page gone") << 0 << 3 << 1 << QStringLiteral("(partly undone (3 pages left))");
    }
    void undoneMark() {
        QFETCH(int, changedSince);
        QFETCH(int, gone);
        QFETCH(int, status);
        QFETCH(QString, mark);
        const Site site;
        QCOMPARE(site.insert().status, 0);
        for (int i = 0; i < changedSince; ++i)
            write(site.page(i), "changed by hand");
        for (int i = 0; i < gone; ++i)
            QVERIFY(QFile::remove(site.page(i)));
        QCOMPARE(cli({QStringLiteral("undo")}).status, status);
        const QByteArray runs = cli({QStringLiteral("runs")}).out;
        QVERIFY2(runs.split('\n').front().contains(mark.toUtf8()), runs.constData());
        const Run again = cli({QStringLiteral("undo")});
        if (changedSince + gone == 0)
            QVERIFY(again.err.contains("nothing to undo"));
        else
            QVERIFY2(again.out.contains(
                         QByteArray(QByteArray("undo of ") + QFileInfo(site.run(0)).fileName().toUtf8())),
                     again.out.constData());
    }

    // Names that are not UTF-8 text (a site unpacked from an archive made on an
    // older system) keep their bytes through the run, the journal and undo; a page
    // is named in its block by its bytes, percent-encoded, as a browser's address has it.
    void namesKeepTheirBytes_data() {
        QTest::addColumn<QByteArray>("subfolder");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("naming");
        QTest::addColumn<QByteArray>("named");
        QTest::newRow("a page in a Latin-1 folder")
            << QByteArray() << QByteArray("a.html") << QStringLiteral("file") << QByteArray("a.html");
        QTest::newRow("a page in a Latin-1 subfolder")
            << QByteArray("\xDC"
                          "ber")
            << QByteArray("b.html") << QStringLiteral("file") << QByteArray("b.html");
        QTest::newRow("the same named by its path")
            << QByteArray("\xDC"
                          "ber")
            << QByteArray("b.html") << QStringLiteral("path") << QByteArray("%DCber/b.html");
        QTest::newRow("a page named in Latin-1") << QByteArray()
                                                 << QByteArray("\xFC"
                                                               "ber.html")
                                                 << QStringLiteral("file") << QByteArray("%FCber.html");
    }

    void namesKeepTheirBytes() {
#ifdef INSERTER_FILES_GENERIC
        QSKIP("the generic file layer goes by QFile's names, which are text");
#endif
        QFETCH(QByteArray, subfolder);
        QFETCH(QByteArray, file);
        QFETCH(QString, naming);
        QFETCH(QByteArray, named);
        const Site site(0);
        const QByteArray folder = QFile::encodeName(site.dir.path()) + "/site-\xFF\xFE-x";
        QVERIFY(::mkdir(folder.constData(), 0755) == 0);
        const QByteArray beneath = subfolder.isEmpty() ? folder : folder + '/' + subfolder;
        if (!subfolder.isEmpty())
            QVERIFY(::mkdir(beneath.constData(), 0755) == 0);
        const QByteArray page = beneath + '/' + file;
        const QByteArray text = "<html><body>x</body></html>\n";
        rawWrite(page, text);
        // The folder's own exclusions are read too.
        rawWrite(folder + "/.code-inserter-ignore", "left.html\n");
        rawWrite(folder + "/left.html", text);
        // Qt cannot remove names it cannot read as text: they go by their bytes.
        const auto cleanUp = qScopeGuard([&] {
            for (const char* name : {"/.code-inserter-ignore", "/left.html"})
                ::unlink(QByteArray(folder + name).constData());
            ::unlink(page.constData());
            ::rmdir(beneath.constData());
            ::rmdir(folder.constData());
        });

        const Run insert =
            cliOnBytes({QStringLiteral("insert"), QStringLiteral("-r"), QStringLiteral("--site"),
                        QStringLiteral("5"), QStringLiteral("--page-name"), naming},
                       site.dir.path(), QByteArray("site-\xFF\xFE-x")); // as typed, relative
        QVERIFY2(insert.status == 0, insert.err.constData());
        QVERIFY2(rawRead(page).contains(QByteArray("&page=" + named + "&")), rawRead(page).constData());
        QCOMPARE(rawRead(folder + "/left.html"), text);
        const Run runs = cli({QStringLiteral("runs")});
        QVERIFY2(runs.out.contains("site-\\xff\\xfe-x"), runs.out.constData());
        const Run undo = cli({QStringLiteral("undo")});
        QVERIFY2(undo.status == 0, undo.err.constData());
        QCOMPARE(rawRead(page), text);
    }

    // An undo whose mark cannot be written says so and fails; the run is still
    // taken as undone by it, and not offered for undo again.
    void anUnwrittenUndoMarkIsTold() {
        const Site site;
        QCOMPARE(site.insert().status, 0);
        QVERIFY(QDir().mkdir(site.run(0) + QStringLiteral("/undone"))); // no file can take its place
        const Run undo = cli({QStringLiteral("undo")});
        QCOMPARE(undo.status, 1);
        QVERIFY2(undo.err.contains("cannot be marked undone"), undo.err.constData());
        QVERIFY(!contents(site.page(0)).contains("TRAFALYTIC"));
        const Run runs = cli({QStringLiteral("runs")});
        QVERIFY2(runs.out.split('\n').front().contains("(undone by "), runs.out.constData());
        QVERIFY(cli({QStringLiteral("undo")}).err.contains("nothing to undo"));
    }

    // A damaged journal gives no page a text it cannot vouch for: the pages it
    // cannot vouch for fail with the reason, the rest are restored.
    void damagedJournal_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("restored");
        QTest::addColumn<QByteArray>("reason");
        QTest::newRow("line cut short")
            << QStringLiteral("cut") << 2 << QByteArray("the journal's copy of this page is damaged");
        QTest::newRow("copies swapped, lines rechecked")
            << QStringLiteral("swap") << 1 << QByteArray("the journal's copy of this page is damaged");
        QTest::newRow("byte flipped in old.zst")
            << QStringLiteral("flip") << 2 << QByteArray("the journal's copy of this page is damaged");
        QTest::newRow("old.zst missing")
            << QStringLiteral("missing") << 0 << QByteArray("the journal's copy of this page is missing");
        QTest::newRow("manifest's last line gone")
            << QStringLiteral("short") << 2 << QByteArray("the journal lacks 1 page(s) of this run");
    }
    void damagedJournal() {
        QFETCH(QString, damage);
        QFETCH(int, restored);
        QFETCH(QByteArray, reason);
        const Site site;
        QList<QByteArray> before;
        for (int i = 0; i < 3; ++i)
            before << contents(site.page(i));
        QCOMPARE(site.insert().status, 0);
        QList<QByteArray> after;
        for (int i = 0; i < 3; ++i)
            after << contents(site.page(i));
        const QString manifestPath = site.run(0) + QStringLiteral("/manifest");
        QList<QByteArray> lines = contents(manifestPath).split('\n');
        if (damage == QLatin1String("cut")) {
            lines[1] = lines[1].left(lines[1].size() / 2);
        } else if (damage == QLatin1String("swap")) {
            // The offsets of two pages swapped, and each line's checksum made anew.
            const QRegularExpression offset(QStringLiteral("\"offset\":\\d+"));
            const QByteArray first = offset.match(QString::fromUtf8(lines[1])).captured().toUtf8();
            const QByteArray second = offset.match(QString::fromUtf8(lines[2])).captured().toUtf8();
            lines[1].replace(first, second);
            lines[2].replace(second, first);
            for (int i : {1, 2}) {
                const QByteArray body = lines[i].left(lines[i].indexOf(",\"check\":\""));
                lines[i] = body + ",\"check\":\"" + lineCheck(body) + "\"}";
            }
        } else if (damage == QLatin1String("short")) {
            lines.removeAt(3);
        } else if (damage == QLatin1String("missing")) {
            QVERIFY(QFile::remove(site.run(0) + QStringLiteral("/old.zst")));
        } else {
            QByteArray old = contents(site.run(0) + QStringLiteral("/old.zst"));
            old[old.size() - 6] = char(old[old.size() - 6] ^ 0x55);
            write(site.run(0) + QStringLiteral("/old.zst"), old);
        }
        write(manifestPath, lines.join('\n'));
        const Run undo = cli({QStringLiteral("undo")});
        QCOMPARE(undo.status, 1);
        QVERIFY2(undo.out.contains(reason) &&
                     undo.out.contains(QByteArray(QByteArray::number(restored) + " restored")),
                 undo.out.constData());
        QVERIFY(!undo.err.contains("QFileDevice"));
        for (int i = 0; i < 3; ++i) {
            const QByteArray now = contents(site.page(i));
            QVERIFY2(now == before[i] || now == after[i], qPrintable(site.page(i)));
        }
    }

    // Runs are ordered as they were made, whatever the clock said.
    void orderedAsMade() {
        if (QStandardPaths::findExecutable(QStringLiteral("faketime")).isEmpty())
            QSKIP("faketime is not installed");
        const Site first;
        const Site second;
        qputenv("XDG_STATE_HOME", QFile::encodeName(first.state.path()));
        QCOMPARE(cli({QStringLiteral("insert"), QStringLiteral("--site=5"), first.dir.path()},
                     // The files' own times stay true: only the clock is moved.
                     {QStringLiteral("env"), NoLeakCheck, QStringLiteral("NO_FAKE_STAT=1"),
                      QStringLiteral("faketime"), QStringLiteral("2031-01-01 12:00:00")})
                     .status,
                 0);
        QCOMPARE(cli({QStringLiteral("insert"), QStringLiteral("--site=6"), second.dir.path()}).status, 0);
        const Run undo = cli({QStringLiteral("undo")});
        QVERIFY2(undo.status == 0 && undo.out.contains(second.dir.path().toUtf8()), undo.out.constData());
        QVERIFY(contents(first.page(0)).contains("5.js"));
        QVERIFY(!contents(second.page(0)).contains("6.js"));
        const Run empty = cli({QStringLiteral("undo"), QString()});
        QCOMPARE(empty.status, 2);
    }

    // A run kept in the journal's first format (no checksums, plain frames) is
    // still undone.
    void firstFormatUndone() {
        const Site site(2);
        QList<QByteArray> old;
        for (int i = 0; i < 2; ++i)
            old << contents(site.page(i));
        const QString run = site.journal() + QStringLiteral("/20200101-000000");
        QVERIFY(QDir().mkpath(run));
        for (const QString& folder :
             {site.state.filePath(QStringLiteral("code-inserter")), site.journal(), run})
            QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0700) == 0);
        struct stat info {};
        QVERIFY(::stat(QFile::encodeName(site.dir.path()).constData(), &info) == 0);
        QByteArray manifest = "{\"format\":1,\"id\":\"20200101-000000\",\"time\":\"2020-01-01T00:00:00Z\","
                              "\"command\":\"insert\",\"folder\":\"" +
                              QFile::encodeName(site.dir.path()) +
                              "\",\"device\":" + QByteArray::number(qulonglong(info.st_dev)) +
                              ",\"inode\":" + QByteArray::number(qulonglong(info.st_ino)) + "}\n";
        QByteArray frames;
        for (int i = 0; i < 2; ++i) {
            const QByteArray now = old[i] + "<!-- written -->";
            write(site.page(i), now);
            QByteArray frame(int(ZSTD_compressBound(std::size_t(old[i].size()))), '\0');
            frame.resize(int(ZSTD_compress(frame.data(), std::size_t(frame.size()), old[i].constData(),
                                           std::size_t(old[i].size()), 1)));
            manifest += "{\"path\":\"p" + QByteArray::number(i) +
                        ".html\",\"offset\":" + QByteArray::number(frames.size()) +
                        ",\"length\":" + QByteArray::number(old[i].size()) + ",\"old_sha256\":\"" +
                        QCryptographicHash::hash(old[i], QCryptographicHash::Sha256).toHex() +
                        "\",\"new_sha256\":\"" +
                        QCryptographicHash::hash(now, QCryptographicHash::Sha256).toHex() + "\"}\n";
            frames += frame;
        }
        write(run + QStringLiteral("/manifest"), manifest);
        write(run + QStringLiteral("/old.zst"), frames);
        for (const char* name : {"/manifest", "/old.zst"})
            QVERIFY(::chmod(QFile::encodeName(run + QLatin1String(name)).constData(), 0600) == 0);
        const Run undo = cli({QStringLiteral("undo")});
        QVERIFY2(undo.status == 0 && undo.out.contains("2 restored"),
                 QByteArray(undo.out + undo.err).constData());
        for (int i = 0; i < 2; ++i)
            QCOMPARE(contents(site.page(i)), old[i]);
    }

    // On a terminal a diff's header shows a hostile name escaped; elsewhere a
    // name with a line feed is quoted, so that no name splits its header.
    void diffNamesOnATerminal() {
        if (QStandardPaths::findExecutable(QStringLiteral("script")).isEmpty())
            QSKIP("script (util-linux) is not installed");
        const Site site(0);
        for (const char* name : {"up\x1b[1A.html", "rtl\u202Etxt.html", "line\nfeed.html"})
            write(site.dir.filePath(QString::fromUtf8(name)), "<html><body>x</body></html>\n");
        const QStringList arguments{QStringLiteral("insert"),    QStringLiteral("--site=5"),
                                    QStringLiteral("--dry-run"), QStringLiteral("--diff"),
                                    QStringLiteral("--all"),     site.dir.path()};
        QString command = QStringLiteral(INSERTER_CLI);
        for (const QString& argument : arguments)
            command += QLatin1Char(' ') + argument;
        QProcess script;
        script.start(QStringLiteral("script"),
                     {QStringLiteral("-qec"), command, QStringLiteral("/dev/null")});
        const Run terminal = finished(script);
        QVERIFY(!terminal.out.contains('\x1b') && !terminal.out.contains("\u202E"));
        QVERIFY2(terminal.out.contains("--- a/up\\x1b[1A.html") &&
                     terminal.out.contains("+++ b/line\\nfeed.html"),
                 terminal.out.constData());
        const Run piped = cli(arguments);
        QVERIFY2(piped.out.contains("--- \"a/line\\nfeed.html\"\n+++ \"b/line\\nfeed.html\"\n"),
                 piped.out.constData());
    }
};

QTEST_GUILESS_MAIN(TestJournal)
#include "tst_Journal.moc"
