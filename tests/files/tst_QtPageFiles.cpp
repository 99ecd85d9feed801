#include "TestFiles.h"
#include "engine/BatchRun.h"
#include "files/QtPageFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

using namespace files;
using engine::Outcome;
using engine::PageRead;

// What the generic file layer (QDir and QSaveFile) does not promise: races with
// other programs, and hard links, which Qt cannot count.
#ifdef INSERTER_FILES_GENERIC
#define NOT_PROMISED_BY_GENERIC_FILES() QSKIP("not a promise of the generic file layer")
#else
#define NOT_PROMISED_BY_GENERIC_FILES()
#endif

namespace {

const QByteArray Page = "<html><body>x</body></html>\r\n";

std::string local(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// Runs the real batch over the named entries of a folder, all selected.
class Host final : public engine::TickedList, public engine::RunSink {
public:
    Host(QString folder, QStringList names)
        : m_folder(std::move(folder))
        , m_names(std::move(names)) {}
    std::string folder() const override { return local(m_folder); }
    int entryCount() const override { return int(m_names.size()); }
    std::string entryName(int i) const override { return local(m_names.at(i)); }
    bool entrySelected(int) const override { return true; }
    void pageStarting(const std::string& path, int, int) override {
        if (onPage)
            onPage(path);
    }
    std::function<void(const std::string&)> onPage;

    // Website 12345, http, by file name.
    engine::Result<engine::BatchResult> run(engine::PageFiles& files) {
        return engine::runBatch(
            *this, engine::RunSettings{engine::Mode::Insert, engine::Site::parse("12345")}, *this, files);
    }

private:
    QString m_folder;
    QStringList m_names;
};

engine::BatchResult runOn(const QString& folder, const QStringList& names) {
    Host host(folder, names);
    files::QtPageFiles files;
    return *host.run(files);
}

} // namespace

class TestQtPageFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The folder above the pages in hand is renamed part way, and a decoy put where
    // it stood: the pages are reached through their folder's handle, never by
    // their old path, and the run reports them rather than write elsewhere.
    void parentRenamedDuringTheRun() {
        NOT_PROMISED_BY_GENERIC_FILES();
        QTemporaryDir dir;
        QDir site(dir.path());
        const QStringList names{QStringLiteral("a/b/p1.html"), QStringLiteral("a/b/p2.html"),
                                QStringLiteral("a/b/p3.html")};
        site.mkpath(QStringLiteral("a/b"));
        for (const QString& name : names)
            write(site.filePath(name), Page);
        Host host(dir.path(), names);
        host.onPage = [&](const std::string& path) {
            if (!QString::fromStdString(path).endsWith(QLatin1String("p2.html")) ||
                site.exists(QStringLiteral("moved")))
                return;
            QVERIFY(site.rename(QStringLiteral("a"), QStringLiteral("moved")));
            site.mkpath(QStringLiteral("a/b"));
            for (const QString& name : names)
                write(site.filePath(name), "decoy");
        };
        files::QtPageFiles files;
        const engine::BatchResult result = *host.run(files);
        QCOMPARE(result.pages.size(), std::size_t(3));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(contents(site.filePath(names[i])), QByteArray("decoy"));
            const QByteArray moved = contents(dir.filePath(QStringLiteral("moved/b/p%1.html").arg(i + 1)));
            QVERIFY(result.pages[i].reported() == Outcome::Failed ? moved == Page : moved != Page);
        }
    }

    void rewritesAPageAndLeavesNoTemporaryFile() {
        QTemporaryDir dir;
        write(dir.filePath(QStringLiteral("a.htm")), Page);
        const auto result = runOn(dir.path(), {QStringLiteral("a.htm")});
        QCOMPARE(result.pages.at(0).reported(), Outcome::Inserted);
        QVERIFY(contents(dir.filePath(QStringLiteral("a.htm"))).contains("TRAFALYTIC"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("a.htm")});
    }

    void keepsPermissionBits() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.htm"));
        write(path, Page);
        QVERIFY(::chmod(local(path).c_str(), 0640) == 0);
        runOn(dir.path(), {QStringLiteral("a.htm")});
        struct stat st {};
        QVERIFY(::stat(local(path).c_str(), &st) == 0);
        QCOMPARE(st.st_mode & 07777, mode_t(0640));
    }

    void unchangedPageIsNotWritten() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.htm"));
        write(path, Page);
        runOn(dir.path(), {QStringLiteral("a.htm")});
        struct stat before {};
        ::stat(local(path).c_str(), &before);
        QTest::qSleep(20);
        QCOMPARE(runOn(dir.path(), {QStringLiteral("a.htm")}).pages.at(0).reported(), Outcome::Unchanged);
        struct stat after {};
        ::stat(local(path).c_str(), &after);
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    }

    void readOnlyPageIsReportedNotChanged() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.htm"));
        write(path, Page);
        QVERIFY(::chmod(local(path).c_str(), 0444) == 0);
        const auto result = runOn(dir.path(), {QStringLiteral("a.htm")});
        QCOMPARE(result.pages.at(0).reported(), Outcome::Failed);
        QVERIFY(QString::fromStdString(result.pages.at(0).reason()).contains(QStringLiteral("read-only")));
        QCOMPARE(contents(path), Page);
    }

    void hardLinkedPageIsNotSplit() {
        NOT_PROMISED_BY_GENERIC_FILES();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.htm"));
        write(path, Page);
        QVERIFY(::link(local(path).c_str(), local(dir.filePath(QStringLiteral("b.htm"))).c_str()) == 0);
        const auto result = runOn(dir.path(), {QStringLiteral("a.htm")});
        QCOMPARE(result.pages.at(0).reported(), Outcome::Failed);
        QCOMPARE(contents(path), Page);
    }

    void symbolicLinks() {
        QTemporaryDir outside;
        QTemporaryDir dir;
        write(dir.filePath(QStringLiteral("real.htm")), Page);
        write(outside.filePath(QStringLiteral("other.htm")), Page);
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("real.htm")),
                            dir.filePath(QStringLiteral("inside.htm"))));
        QVERIFY(QFile::link(outside.filePath(QStringLiteral("other.htm")),
                            dir.filePath(QStringLiteral("out.htm"))));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone.htm")),
                            dir.filePath(QStringLiteral("dangling.htm"))));

        const auto result = runOn(dir.path(), {QStringLiteral("inside.htm"), QStringLiteral("real.htm"),
                                               QStringLiteral("out.htm"), QStringLiteral("dangling.htm")});
        QCOMPARE(result.pages.at(0).reported(), Outcome::Inserted);
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("inside.htm"))).isSymLink());
        QVERIFY(contents(dir.filePath(QStringLiteral("real.htm"))).contains("TRAFALYTIC"));
        QCOMPARE(result.pages.at(1).reported(), Outcome::Skipped); // the same file, already done
        QCOMPARE(contents(dir.filePath(QStringLiteral("real.htm"))).count("START OF"), 1);
        QCOMPARE(result.pages.at(2).reported(), Outcome::Skipped);
        QCOMPARE(contents(outside.filePath(QStringLiteral("other.htm"))), Page);
        QCOMPARE(result.pages.at(3).reported(), Outcome::Failed);
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("gone.htm"))));
    }

    // Where a name beneath the folder leads, walked a name at a time through
    // folders and links, and what reading it gives when it leads to no page.
    void namesAreWalkedWithinTheFolder_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind"); // -1: read, else the Failure::Kind
        using K = engine::Failure::Kind;
        QTest::newRow("in a subfolder") << QStringLiteral("sub/p.htm") << -1;
        QTest::newRow("down and up again") << QStringLiteral("sub/../top.htm") << -1;
        QTest::newRow("through a link to a folder") << QStringLiteral("linkdir/p.htm") << -1;
        QTest::newRow("an absolute link into the folder") << QStringLiteral("abs.htm") << -1;
        QTest::newRow("up out of the folder") << QStringLiteral("../top.htm") << int(K::OutsideFolder);
        QTest::newRow("a link that climbs out") << QStringLiteral("up.htm") << int(K::OutsideFolder);
        QTest::newRow("a file taken for a folder") << QStringLiteral("top.htm/p.htm") << int(K::NotFound);
        QTest::newRow("a loop of links") << QStringLiteral("loop.htm") << int(K::System);
        QTest::newRow("a folder") << QStringLiteral("sub") << int(K::NotRegular);
    }

    void namesAreWalkedWithinTheFolder() {
        NOT_PROMISED_BY_GENERIC_FILES();
        QFETCH(QString, name);
        QFETCH(int, kind);
        QTemporaryDir dir;
        QDir site(dir.filePath(QStringLiteral("site")));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("site/sub")));
        write(site.filePath(QStringLiteral("sub/p.htm")), Page);
        write(site.filePath(QStringLiteral("top.htm")), Page);
        write(dir.filePath(QStringLiteral("outside.htm")), Page);
        QVERIFY(QFile::link(QStringLiteral("sub"), site.filePath(QStringLiteral("linkdir"))));
        QVERIFY(
            QFile::link(site.filePath(QStringLiteral("top.htm")), site.filePath(QStringLiteral("abs.htm"))));
        QVERIFY(QFile::link(QStringLiteral("../outside.htm"), site.filePath(QStringLiteral("up.htm"))));
        QVERIFY(QFile::link(QStringLiteral("loop2.htm"), site.filePath(QStringLiteral("loop.htm"))));
        QVERIFY(QFile::link(QStringLiteral("loop.htm"), site.filePath(QStringLiteral("loop2.htm"))));
        files::QtPageFiles files;
        QVERIFY(files.open(local(site.path()), {}, {}));
        const engine::Result<PageRead> read = files.read(local(name));
        if (kind < 0) {
            QVERIFY2(read, read ? "" : read.reason().c_str());
            QCOMPARE(QByteArray::fromStdString(read->contents), Page);
        } else {
            QVERIFY(!read);
            QCOMPARE(int(read.kind()), kind);
            QVERIFY(!read.reason().empty());
        }
        files.close();
    }

    void specialFilesAreSkippedWithoutHanging() {
        QTemporaryDir dir;
        QVERIFY(::mkfifo(local(dir.filePath(QStringLiteral("pipe.htm"))).c_str(), 0644) == 0);
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.htm")));
        const auto result = runOn(dir.path(), {QStringLiteral("pipe.htm"), QStringLiteral("folder.htm")});
        QCOMPARE(result.pages.at(0).reported(), Outcome::Skipped);
        QCOMPARE(result.pages.at(1).reported(), Outcome::Skipped);
    }

    void pageDeletedAfterListingFailsAndIsNotRecreated() {
        QTemporaryDir dir;
        write(dir.filePath(QStringLiteral("b.htm")), Page);
        const auto result = runOn(dir.path(), {QStringLiteral("a.htm"), QStringLiteral("b.htm")});
        QCOMPARE(result.pages.at(0).reported(), Outcome::Failed);
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("a.htm"))));
        QCOMPARE(result.pages.at(1).reported(), Outcome::Inserted);
    }

    void pageChangedBetweenReadAndReplaceIsLeftAlone() {
        NOT_PROMISED_BY_GENERIC_FILES();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.htm"));
        write(path, Page);
        files::QtPageFiles files;
        QVERIFY(files.open(local(dir.path()), {}, {}));
        const engine::Result<PageRead> read = files.read("a.htm");
        QVERIFY(read);
        // Staged and synced, then changed just before the rename.
        QVERIFY(files.stage(*read, {std::string_view("stale")}));
        QTest::qSleep(20);
        write(path, "<body>someone else's</body>");
        const std::vector<engine::Result<void>> results = files.commit();
        QCOMPARE(results.size(), std::size_t(1));
        QVERIFY(!results.front());
        QCOMPARE(contents(path), QByteArray("<body>someone else's</body>"));
        files.close();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("a.htm")});
    }

    void binaryFileIsNeverChanged() {
        QTemporaryDir dir;
        const QByteArray gif("GIF89a\0\0</body>", 15);
        write(dir.filePath(QStringLiteral("logo.gif")), gif);
        const auto result = runOn(dir.path(), {QStringLiteral("logo.gif")});
        QCOMPARE(result.pages.at(0).reported(), Outcome::Skipped);
        QCOMPARE(contents(dir.filePath(QStringLiteral("logo.gif"))), gif);
    }

    void folderWithoutWritePermissionFailsCleanly() {
        if (::geteuid() == 0)
            QSKIP("root may write into any folder");
        QTemporaryDir dir;
        write(dir.filePath(QStringLiteral("a.htm")), Page);
        QVERIFY(::chmod(local(dir.path()).c_str(), 0555) == 0);
        const auto result = runOn(dir.path(), {QStringLiteral("a.htm")});
        ::chmod(local(dir.path()).c_str(), 0755);
        QCOMPARE(result.pages.at(0).reported(), Outcome::Failed);
        QCOMPARE(contents(dir.filePath(QStringLiteral("a.htm"))), Page);
    }
};

QTEST_GUILESS_MAIN(TestQtPageFiles)
#include "tst_QtPageFiles.moc"
