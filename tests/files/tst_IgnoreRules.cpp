// Exclusion patterns as gitignore reads them, on paths beneath the chosen folder.
#include "TestFiles.h"
#include "files/IgnoreRules.h"

#include <QTemporaryDir>
#include <QTest>

class TestIgnoreRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void gitignoreSyntax_data() {
        QTest::addColumn<QByteArray>("file"); // .code-inserter-ignore
        QTest::addColumn<QString>("exclude"); // one --exclude, or none
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QString>("why"); // empty: taken
        const QString line1 = QStringLiteral("excluded by .code-inserter-ignore line 1");
        const QString line2 = QStringLiteral("excluded by .code-inserter-ignore line 2");
        QTest::newRow("a name at any depth")
            << QByteArray("old.html") << QString() << QByteArray("a/b/old.html") << line1;
        QTest::newRow("* stays within a name")
            << QByteArray("a/*.html") << QString() << QByteArray("a/b/c.html") << QString();
        QTest::newRow("? is one letter")
            << QByteArray("p?.html") << QString() << QByteArray("p1.html") << line1;
        QTest::newRow("? is not two")
            << QByteArray("p?.html") << QString() << QByteArray("p12.html") << QString();
        QTest::newRow("a set") << QByteArray("p[0-4].html") << QString() << QByteArray("p3.html") << line1;
        QTest::newRow("a set taken back")
            << QByteArray("p[!0-4].html") << QString() << QByteArray("p3.html") << QString();
        QTest::newRow("a leading / ties to the folder")
            << QByteArray("/about.html") << QString() << QByteArray("blog/about.html") << QString();
        QTest::newRow("a middle / ties to the folder")
            << QByteArray("doc/frotz.html") << QString() << QByteArray("a/doc/frotz.html") << QString();
        QTest::newRow("a trailing / for folders")
            << QByteArray("drafts/") << QString() << QByteArray("drafts/a.html") << line1;
        QTest::newRow("a trailing / is no file")
            << QByteArray("drafts/") << QString() << QByteArray("drafts") << QString();
        QTest::newRow("leading **") << QByteArray("**/foo/bar.html") << QString()
                                    << QByteArray("x/y/foo/bar.html") << line1;
        QTest::newRow("leading ** at the top")
            << QByteArray("**/foo/bar.html") << QString() << QByteArray("foo/bar.html") << line1;
        QTest::newRow("trailing **") << QByteArray("abc/**") << QString() << QByteArray("abc/d/e.html")
                                     << line1;
        QTest::newRow("middle **") << QByteArray("a/**/b.html") << QString() << QByteArray("a/x/y/b.html")
                                   << line1;
        QTest::newRow("middle ** for no folder")
            << QByteArray("a/**/b.html") << QString() << QByteArray("a/b.html") << line1;
        QTest::newRow("! takes back")
            << QByteArray("*.html\n!index.html") << QString() << QByteArray("index.html") << QString();
        QTest::newRow("the last pattern decides")
            << QByteArray("!index.html\n*.html") << QString() << QByteArray("index.html") << line2;
        QTest::newRow("no file back from a folder left out")
            << QByteArray("drafts/\n!drafts/a.html") << QString() << QByteArray("drafts/a.html") << line1;
        QTest::newRow("comments and blank lines")
            << QByteArray("# a.html\n\n") << QString() << QByteArray("a.html") << QString();
        QTest::newRow("an escaped #")
            << QByteArray("\\#a.html") << QString() << QByteArray("#a.html") << line1;
        QTest::newRow("--exclude") << QByteArray() << QStringLiteral("blog/") << QByteArray("blog/x.html")
                                   << QStringLiteral("excluded by --exclude");
        QTest::newRow("the file's folder with an --exclude")
            << QByteArray("# not yet\ndrafts/\n") << QStringLiteral("**/old.*") << QByteArray("drafts/a.html")
            << line2;
        QTest::newRow("--exclude after the file")
            << QByteArray("!x.html") << QStringLiteral("x.html") << QByteArray("x.html")
            << QStringLiteral("excluded by --exclude");
    }
    void gitignoreSyntax() {
        QFETCH(QByteArray, file);
        QFETCH(QString, exclude);
        QFETCH(QByteArray, path);
        QFETCH(QString, why);
        QTemporaryDir dir;
        if (!file.isEmpty())
            write(dir.filePath(QStringLiteral(".code-inserter-ignore")), file);
        const files::IgnoreRules rules =
            files::IgnoreRules::load(dir.path(), exclude.isEmpty() ? QStringList() : QStringList{exclude});
        QCOMPARE(rules.excluded(path).value_or(QString()), why);
    }
};

QTEST_GUILESS_MAIN(TestIgnoreRules)
#include "tst_IgnoreRules.moc"
