#include "files/FolderListing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace files;

class TestFolderListing : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listsFilesOnlySortedWithoutRegardToCase() {
        QTemporaryDir dir;
        const QStringList files = {
            QStringLiteral("index.html"), QStringLiteral("Logo.GIF"),  QStringLiteral("news.Htm"),
            QStringLiteral("notes.txt"),  QStringLiteral("a.SHTML"),   QStringLiteral("b.shtm"),
            QStringLiteral("c.xhtml"),    QStringLiteral("d.htm.bak"), QStringLiteral(".hidden.htm")};
        for (const QString& name : files) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("images")));
        QFile::setPermissions(dir.filePath(QStringLiteral("notes.txt")), QFile::ReadOwner);

        const engine::Result<FolderListing> listing = listFolder(dir.path());
        QVERIFY(listing);
        QCOMPARE(listing->names, (QList<QByteArray>{"a.SHTML", "b.shtm", "c.xhtml", "d.htm.bak", "index.html",
                                                    "Logo.GIF", "news.Htm", "notes.txt"}));
    }

    void foldersThatCannotBeListed_data() {
        QTest::addColumn<QString>("sub");
        QTest::newRow("missing folder") << QStringLiteral("missing");
        QTest::newRow("a file, not a folder") << QStringLiteral("file.htm");
        QTest::newRow("empty path") << QString();
    }

    void foldersThatCannotBeListed() {
        QFETCH(QString, sub);
        QTemporaryDir dir;
        QFile f(dir.filePath(QStringLiteral("file.htm")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        const engine::Result<FolderListing> listing =
            listFolder(sub.isEmpty() ? QString() : dir.filePath(sub));
        QVERIFY(!listing);
        QVERIFY(!listing.reason().empty());
    }

    void emptyFolderListsNothing() {
        QTemporaryDir dir;
        const engine::Result<FolderListing> listing = listFolder(dir.path());
        QVERIFY(listing);
        QVERIFY(listing->names.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFolderListing)
#include "tst_FolderListing.moc"
