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

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

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

// A port on 127.0.0.1 that nothing listens on now.
quint16 freePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    quint16 port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0)
        port = ntohs(address.sin_port);
    ::close(fd);
    return port;
}

// The body a GET of the path on 127.0.0.1 answers with; empty when nothing answers.
QByteArray fetch(quint16 port, const QByteArray& path) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    QByteArray answer;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        const QByteArray request = "GET " + path + " HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n";
        if (::write(fd, request.constData(), static_cast<size_t>(request.size())) == request.size()) {
            char buffer[4096];
            for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
                answer.append(buffer, n);
        }
    }
    ::close(fd);
    const qsizetype body = answer.indexOf("\r\n\r\n");
    return body < 0 ? QByteArray() : answer.mid(body + 4);
}

// A server started for a test, stopped with it.
struct Server {
    QProcess process;
    quint16 port = 0;

    bool start(const QString& program, const QStringList& arguments) {
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        for (int tries = 0; tries < 100; ++tries) {
            if (!fetch(port, "/").isNull() || process.state() == QProcess::NotRunning)
                break;
            QTest::qWait(100);
        }
        return process.state() == QProcess::Running;
    }
    ~Server() {
        process.terminate();
        if (!process.waitForFinished(5000))
            process.kill();
        process.waitForFinished();
    }
};

// Apache with server-side includes for .shtml and .html files, serving `root`.
QByteArray apacheConfig(const QString& run, const QString& root, quint16 port) {
    const QByteArray modules = "/usr/lib/apache2/modules/";
    QByteArray config = "ServerRoot " + run.toUtf8() + "\nPidFile " + run.toUtf8() + "/httpd.pid\nErrorLog " +
                        run.toUtf8() + "/error.log\nServerName localhost\n" +
                        "Listen 127.0.0.1:" + QByteArray::number(port) + "\n";
    for (const char* module : {"mpm_event", "authz_core", "mime", "include", "dir"})
        config += "LoadModule " + QByteArray(module) + "_module " + modules + "mod_" + module + ".so\n";
    config += "TypesConfig /etc/mime.types\nDocumentRoot " + root.toUtf8() + "\n<Directory " + root.toUtf8() +
              ">\n  Options +Includes\n  Require all granted\n</Directory>\n"
              "AddType text/html .shtml\nAddOutputFilter INCLUDES .shtml .html\n";
    return config;
}

// The page name in each block of the text.
QByteArrayList pageNames(const QByteArray& text) {
    QByteArrayList names;
    for (qsizetype at = text.indexOf("&page="); at >= 0; at = text.indexOf("&page=", at + 1))
        names << text.mid(at + 6, text.indexOf("&javascript", at) - at - 6);
    return names;
}

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

    // A site as its servers send it: static pages, SSI pages that share a header
    // and footer (Apache with mod_include), PHP pages that share them (PHP's own
    // server), one of them building an HTML mail in a string. After insert every
    // page sent carries one block that names it, and every PHP file is still PHP;
    // after remove no page sent carries one.
    void servedPagesCarryOneBlockEach_data() {
        QTest::addColumn<bool>("byPath");
        QTest::newRow("page names") << false;
        QTest::newRow("page paths") << true;
    }
    void servedPagesCarryOneBlockEach() {
        QFETCH(bool, byPath);
        const QString apache = QStringLiteral("/usr/sbin/apache2");
        if (!QFileInfo::exists(apache) || QStandardPaths::findExecutable(QStringLiteral("php")).isEmpty())
            QSKIP("apache2 and php are not installed (tools/setup.sh test installs them)");
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("site"));
        const QString state = dir.filePath(QStringLiteral("apache"));
        QVERIFY(QDir().mkpath(state));
        for (QDirIterator it(QStringLiteral(INSERTER_TEST_DATA "/served"), QDir::Files,
                             QDirIterator::Subdirectories);
             it.hasNext();) {
            const QString from = it.next();
            const QString to = root + from.mid(from.indexOf(QLatin1String("/served/")) + 7);
            QVERIFY(QDir().mkpath(QFileInfo(to).path()));
            QVERIFY(QFile::copy(from, to));
            QFile(to).setPermissions(QFile::permissions(to) | QFile::WriteOwner);
        }
        Server ssi;
        ssi.port = freePort();
        write(state + QStringLiteral("/httpd.conf"), apacheConfig(state, root, ssi.port));
        QVERIFY2(ssi.start(apache, {QStringLiteral("-f"), state + QStringLiteral("/httpd.conf"),
                                    QStringLiteral("-DFOREGROUND")}),
                 ssi.process.readAll().constData());
        Server php;
        php.port = freePort();
        QVERIFY(php.start(QStringLiteral("php"),
                          {QStringLiteral("-S"), QStringLiteral("127.0.0.1:%1").arg(php.port),
                           QStringLiteral("-t"), root}));
        const QList<QPair<Server*, QByteArray>> pages{
            {&ssi, "/index.html"},       {&ssi, "/about.shtml"},    {&ssi, "/news/today.shtml"},
            {&ssi, "/news/local.shtml"}, {&php, "/shop/index.php"}, {&php, "/shop/order.php"}};
        QStringList insert{QStringLiteral("insert"), QStringLiteral("--site=5"),     QStringLiteral("-r"),
                           QStringLiteral("--all"),  QStringLiteral("--no-journal"), root};
        if (byPath)
            insert << QStringLiteral("--page-name=path");
        const Run inserted = cli(insert);
        QVERIFY2(inserted.status == 0, inserted.out.constData());
        QVERIFY2(inserted.out.contains("(in inc/footer.html)") &&
                     inserted.out.contains("(in shop/footer.php)"),
                 inserted.out.constData());
        for (const auto& [server, path] : pages) {
            const QByteArray body = fetch(server->port, path);
            // SSI names a page by its path from the site's root, with its slash.
            const QByteArray served = path.endsWith(".shtml") ? path : path.mid(1);
            const QByteArray expected = byPath ? served : path.mid(path.lastIndexOf('/') + 1);
            QVERIFY2(pageNames(body) == QByteArrayList{expected}, body.constData());
        }
        for (QDirIterator it(root, {QStringLiteral("*.php")}, QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();) {
            const Run lint = run(QStringLiteral("php"), {QStringLiteral("-l"), it.next()});
            QVERIFY2(lint.status == 0, lint.out.constData());
        }
        const Run token = run(QStringLiteral("php"), {QStringLiteral("-r"), TokenAtBlock,
                                                      root + QStringLiteral("/shop/footer.php")});
        QCOMPARE(token.out, QByteArray("T_INLINE_HTML"));
        QCOMPARE(cli({QStringLiteral("remove"), QStringLiteral("-r"), QStringLiteral("--all"),
                      QStringLiteral("--no-journal"), root})
                     .status,
                 0);
        for (const auto& [server, path] : pages) {
            const QByteArray body = fetch(server->port, path);
            QVERIFY2(!body.isEmpty() && pageNames(body).isEmpty(), body.constData());
        }
    }

    // Includes followed through every command: `files` are "path=text" (a text
    // "->target" makes a link), `lines` what insert tells, `carrier` the file that
    // carries the block for the pages that include it (none: no block is shared).
    void includesAreFollowed_data() {
        QTest::addColumn<QByteArrayList>("files");
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<QByteArray>("carrier");
        const QByteArray foot = "<footer>f</footer>\n</body>\n</html>\n";
        QTest::newRow("pages in several folders share one footer")
            << QByteArrayList{"a.shtml=<html><body>A\n<!--#include virtual=\"/inc/foot.html\" -->\n",
                              "x/b.shtml=<html><body>B\n<!--#include virtual=\"../inc/foot.html\" -->\n",
                              "x/y/c.shtml=<html><body>C\n<!--#include virtual=\"/inc/foot.html\" -->\n",
                              "inc/foot.html=" + foot}
            << QByteArrayList{"inserted  SITE/a.shtml (in inc/foot.html)",
                              "inserted  SITE/x/y/c.shtml (in inc/foot.html)"}
            << QByteArray("inc/foot.html");
        QTest::newRow("nested includes")
            << QByteArrayList{"p.shtml=<html><body>P\n<!--#include virtual=\"/inc/end.shtml\" -->\n",
                              "inc/end.shtml=<p>end</p>\n<!--#include file=\"closing.html\" -->\n",
                              "inc/closing.html=" + foot}
            << QByteArrayList{"inserted  SITE/p.shtml (in inc/closing.html)"}
            << QByteArray("inc/closing.html");
        QTest::newRow("php include forms")
            << QByteArrayList{"p.php=<html><body><?php $t = 1; require_once('parts/end.php') ?>\n",
                              "q.php=<html><body><?php\ninclude \"parts/end.php\";\n",
                              "parts/end.php=<?php $y = date('Y'); ?>" + foot}
            << QByteArrayList{"inserted  SITE/p.php (in parts/end.php)",
                              "inserted  SITE/q.php (in parts/end.php)"}
            << QByteArray("parts/end.php");
        QTest::newRow("a cycle")
            << QByteArrayList{"a.shtml=<html><body>A<!--#include virtual=\"/b.shtml\" -->",
                              "b.shtml=<p>B<!--#include virtual=\"/a.shtml\" -->"}
            << QByteArrayList{"inserted  SITE/a.shtml\n"} << QByteArray();
        QTest::newRow("an include outside the folder")
            << QByteArrayList{"a.shtml=<html><body>A<!--#include virtual=\"../../out.html\" -->"}
            << QByteArrayList{"inserted  SITE/a.shtml: its include virtual=\"../../out.html\" was not "
                              "followed: it "
                              "lies outside the folder"}
            << QByteArray();
        QTest::newRow("through a link that leaves the folder")
            << QByteArrayList{"a.shtml=<html><body>A<!--#include virtual=\"/l.html\" -->",
                              "l.html=->../outside.html"}
            << QByteArrayList{"inserted  SITE/a.shtml: its include virtual=\"/l.html\" was not followed: "}
            << QByteArray();
        QTest::newRow("an expression path")
            << QByteArrayList{"p.php=<html><body><?php include $footer; ?>"}
            << QByteArrayList{"skipped   SITE/p.php: no closing body tag",
                              "its include $footer was not followed: its path is computed by the server"}
            << QByteArray();
    }
    void includesAreFollowed() {
        QFETCH(QByteArrayList, files);
        QFETCH(QByteArrayList, lines);
        QFETCH(QByteArray, carrier);
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("site"));
        write(dir.filePath(QStringLiteral("outside.html")), "<html><body>out</body></html>");
        QMap<QString, QByteArray> before;
        for (const QByteArray& file : files) {
            const qsizetype cut = file.indexOf('=');
            const QString path = root + QLatin1Char('/') + QString::fromUtf8(file.left(cut));
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            if (file.mid(cut + 1).startsWith("->")) {
                QVERIFY(QFile::link(QString::fromUtf8(file.mid(cut + 3)), path));
                continue;
            }
            write(path, file.mid(cut + 1));
            before.insert(path, file.mid(cut + 1));
        }
        const auto inSite = [&](const Run& run) {
            return QByteArray(run.out).replace(root.toUtf8(), "SITE");
        };
        const QStringList all{QStringLiteral("-r"), QStringLiteral("--all"), root};
        const QByteArray inserted =
            inSite(cli(QStringList{QStringLiteral("insert"), QStringLiteral("--site=5")} + all));
        for (const QByteArray& line : lines)
            QVERIFY2(inserted.contains(line), inserted.constData());
        if (!carrier.isEmpty()) {
            // The carrier is changed once, carries one block naming no file, and no includer carries one.
            QCOMPARE(inserted.count(QByteArray("inserted  SITE/" + carrier + "\n")) +
                         inserted.count(QByteArray("inserted  SITE/" + carrier + ":")),
                     1);
            for (auto page = before.cbegin(); page != before.cend(); ++page) {
                const QByteArrayList names = pageNames(contents(page.key()));
                if (page.key().endsWith(QString::fromUtf8(carrier)))
                    QVERIFY(names.size() == 1 && names.front().startsWith("<"));
                else if (!page.key().endsWith(QLatin1String(".html")))
                    QVERIFY2(names.isEmpty(), qPrintable(page.key()));
            }
            const QByteArray status =
                inSite(cli(QStringList{QStringLiteral("status"), QStringLiteral("--site=5")} + all));
            QVERIFY2(status.contains(QByteArray("current, in " + carrier)) &&
                         status.contains(" 0 stale, 0 none,"),
                     status.constData());
            const QByteArray diff = inSite(cli(
                QStringList{QStringLiteral("remove"), QStringLiteral("--dry-run"), QStringLiteral("--diff")} +
                all));
            QCOMPARE(diff.count(QByteArray("--- a/" + carrier + "\n")), 1);
        }
        const Run undone = cli({QStringLiteral("undo")});
        QVERIFY2(undone.status == 0 || !inserted.contains("inserted  "), undone.out.constData());
        for (auto page = before.cbegin(); page != before.cend(); ++page)
            QCOMPARE(contents(page.key()), page.value());
        cli(QStringList{QStringLiteral("insert"), QStringLiteral("--site=5")} + all);
        cli(QStringList{QStringLiteral("remove")} + all);
        for (auto page = before.cbegin(); page != before.cend(); ++page)
            QVERIFY2(!contents(page.key()).contains("TRAFALYTIC"), qPrintable(page.key()));
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
