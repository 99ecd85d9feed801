// Sites as people run them, checked with the real tools: PHP pages read back by
// PHP itself, and a Hugo site built by Hugo.
#include "TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status = -1;
    QByteArray out;
};

Run run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Run result;
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit)
        result.status = process.exitCode();
    result.out = process.readAll();
    return result;
}

Run cli(const QStringList& arguments) {
    return run(QStringLiteral(INSERTER_CLI), arguments);
}

// What PHP's own tokenizer makes of the place where the block begins.
const QString TokenAtBlock = QStringLiteral(
    "$s = file_get_contents($argv[1]); $at = strpos($s, '<!-- START OF TRAFALYTIC CODE'); $o = 0;"
    "foreach (token_get_all($s) as $t) { $x = is_array($t) ? $t[1] : $t;"
    "  if ($at >= $o && $at < $o + strlen($x)) { echo is_array($t) ? token_name($t[0]) : 'CHAR'; exit; }"
    "  $o += strlen($x); }");

} // namespace

class TestSites : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every PHP file stays valid PHP after insert, and the block lands where PHP
    // sends markup (inline HTML); a page whose closing body tag PHP writes fails.
    void phpPagesStayPhp() {
        if (QStandardPaths::findExecutable(QStringLiteral("php")).isEmpty())
            QSKIP("php is not installed (tools/setup.sh test installs php-cli)");
        QTemporaryDir dir;
        const QDir samples(QStringLiteral(INSERTER_TEST_DATA "/php"));
        for (const QString& name : samples.entryList(QDir::Files))
            QVERIFY(QFile::copy(samples.filePath(name), dir.filePath(name)));
        const Run insert = cli({QStringLiteral("insert"), QStringLiteral("--site=5"), QStringLiteral("--all"),
                                QStringLiteral("--no-journal"), dir.path()});
        QCOMPARE(insert.status, 1);
        QVERIFY2(
            insert.out.contains("echoed.php: the closing body tag is written by server code; put the code "
                                "there by hand"),
            insert.out.constData());
        int placed = 0;
        for (const QString& name : samples.entryList(QDir::Files)) {
            const QString path = dir.filePath(name);
            const Run lint = run(QStringLiteral("php"), {QStringLiteral("-l"), path});
            QVERIFY2(lint.status == 0, qPrintable(name + QLatin1String(": ") + QString::fromUtf8(lint.out)));
            if (!contents(path).contains("START OF TRAFALYTIC CODE"))
                continue;
            ++placed;
            QCOMPARE(contents(path).count("START OF TRAFALYTIC CODE"), 1);
            const Run token = run(QStringLiteral("php"), {QStringLiteral("-r"), TokenAtBlock, path});
            QVERIFY2(token.out == "T_INLINE_HTML",
                     qPrintable(name + QLatin1String(": ") + QString::fromUtf8(token.out)));
        }
        QCOMPARE(placed, samples.entryList(QDir::Files).size() - 1);
    }

    // A Hugo site: its source is refused, its built pages each get one block, and
    // the status gate then passes.
    void hugoSiteAfterBuild() {
        if (QStandardPaths::findExecutable(QStringLiteral("hugo")).isEmpty())
            QSKIP("hugo is not installed (tools/setup.sh test installs it)");
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("src"));
        const QList<QPair<QString, QByteArray>> files{
            {QStringLiteral("hugo.toml"), "baseURL = 'http://example.org/'\ntitle = 'Test'\n"
                                          "disableKinds = ['RSS', 'sitemap', 'taxonomy', 'term']\n"},
            {QStringLiteral("layouts/_default/baseof.html"),
             "<!DOCTYPE html>\n<html><head><title>{{ .Title }}</title></head>\n<body>\n"
             "{{ block \"main\" . }}{{ end }}\n</body>\n</html>\n"},
            {QStringLiteral("layouts/_default/single.html"),
             "{{ define \"main\" }}<article>{{ .Content }}</article>{{ end }}\n"},
            {QStringLiteral("layouts/_default/list.html"),
             "{{ define \"main\" }}<ul>{{ range .Pages }}<li>{{ .Title }}</li>{{ end }}</ul>{{ end }}\n"},
            {QStringLiteral("content/posts/first.md"), "---\ntitle: First\n---\nOne.\n"},
            {QStringLiteral("content/posts/second.md"), "---\ntitle: Second\n---\nTwo.\n"},
        };
        for (const auto& [name, text] : files) {
            QVERIFY(QDir(source).mkpath(QFileInfo(name).path()));
            write(source + QLatin1Char('/') + name, text);
        }
        const Run build =
            run(QStringLiteral("hugo"), {QStringLiteral("--source"), source, QStringLiteral("--quiet")});
        QVERIFY2(build.status == 0, build.out.constData());
        const Run refused =
            cli({QStringLiteral("insert"), QStringLiteral("--site=5"), QStringLiteral("-r"), source});
        QVERIFY2(refused.status == 1 &&
                     refused.out.contains("is the source of a Hugo site: its pages are built "
                                          "into public/; run this on public/ after each build"),
                 refused.out.constData());
        const QString built = source + QStringLiteral("/public");
        QCOMPARE(cli({QStringLiteral("insert"), QStringLiteral("--site=5"), QStringLiteral("-r"),
                      QStringLiteral("--no-journal"), built})
                     .status,
                 0);
        int pages = 0;
        for (QDirIterator it(built, {QStringLiteral("*.html")}, QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();) {
            const QString page = it.next();
            QVERIFY2(contents(page).count("START OF TRAFALYTIC CODE") == 1, qPrintable(page));
            ++pages;
        }
        QVERIFY(pages >= 4); // the home page, the section and the two posts
        QCOMPARE(
            cli({QStringLiteral("status"), QStringLiteral("--site=5"), QStringLiteral("-r"), built}).status,
            0);
        // No template of the source took a block.
        QVERIFY(!contents(source + QStringLiteral("/layouts/_default/baseof.html")).contains("TRAFALYTIC"));
    }
};

QTEST_GUILESS_MAIN(TestSites)
#include "tst_Sites.moc"
