#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray Page = "<html><body>x</body></html>\n";

// Two hosts on this machine, each with a site folder of its own, and the
// collection as Ansible finds it.
struct Servers {
    QTemporaryDir dir;
    QString site(const QString& host) const { return dir.filePath(host); }

    Servers() {
        QDir(dir.path()).mkpath(QStringLiteral("collections/ansible_collections/trafalytic"));
        QFile::link(QStringLiteral(INSERTER_ANSIBLE),
                    dir.filePath(QStringLiteral("collections/ansible_collections/trafalytic/code_inserter")));
        for (const QString& host : {QStringLiteral("one"), QStringLiteral("two")}) {
            QDir(dir.path()).mkpath(host + QStringLiteral("/blog"));
            write(site(host) + QStringLiteral("/index.html"), Page);
            write(site(host) + QStringLiteral("/blog/post.html"), Page);
        }
        write(
            dir.filePath(QStringLiteral("hosts")),
            "[web]\none ansible_connection=local site_dir=" + QFile::encodeName(site(QStringLiteral("one"))) +
                "\ntwo ansible_connection=local site_dir=" + QFile::encodeName(site(QStringLiteral("two"))) +
                "\n");
    }

    // Runs one task with these module options on both hosts; what each host
    // reported of it (changed, failed, msg, diff, ...), from the JSON callback.
    QJsonObject play(const QByteArray& options, const QStringList& extra = {}) {
        write(dir.filePath(QStringLiteral("play.yml")),
              "- hosts: web\n  gather_facts: false\n  tasks:\n    - trafalytic.code_inserter.code_inserter:\n"
              "        path: \"{{ site_dir }}\"\n        executable: " INSERTER_CLI "\n" +
                  options);
        QProcess ansible;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ANSIBLE_STDOUT_CALLBACK"), QStringLiteral("json"));
        environment.insert(QStringLiteral("ANSIBLE_CALLBACK_PLUGINS"),
                           QStringLiteral(INSERTER_TESTS_DIR "/ansible/callbacks"));
        environment.insert(QStringLiteral("ANSIBLE_COLLECTIONS_PATH"),
                           dir.filePath(QStringLiteral("collections")));
        environment.insert(QStringLiteral("ANSIBLE_LOCAL_TEMP"), dir.filePath(QStringLiteral("tmp")));
        environment.insert(QStringLiteral("ANSIBLE_NOCOLOR"), QStringLiteral("1"));
        ansible.setProcessEnvironment(environment);
        ansible.start(QStringLiteral("ansible-playbook"),
                      QStringList{QStringLiteral("-i"), dir.filePath(QStringLiteral("hosts")),
                                  dir.filePath(QStringLiteral("play.yml"))} +
                          extra);
        if (!ansible.waitForFinished(120000))
            return {};
        const QByteArray out = ansible.readAllStandardOutput();
        const QJsonObject report = QJsonDocument::fromJson(out).object();
        if (report.isEmpty())
            qWarning("%s\n%s", out.constData(), ansible.readAllStandardError().constData());
        return report[QStringLiteral("plays")][0][QStringLiteral("tasks")][0][QStringLiteral("hosts")]
            .toObject();
    }

    QByteArray page(const QString& host, const char* name = "index.html") const {
        return contents(site(host) + QLatin1Char('/') + QLatin1String(name));
    }
};

bool changed(const QJsonObject& hosts, const char* host) {
    return hosts[QLatin1String(host)][QStringLiteral("changed")].toBool();
}
bool failed(const QJsonObject& hosts, const char* host) {
    return hosts[QLatin1String(host)][QStringLiteral("failed")].toBool();
}

} // namespace

// The collection's module in real plays on two hosts of this machine.
class TestAnsible : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("ansible-playbook")).isEmpty())
            QSKIP("ansible-playbook is not installed (tools/setup.sh test installs ansible-core)");
    }

    void insertCheckDiffRemove() {
        Servers servers;
        const QByteArray insert = "        site: \"12345\"\n        recursive: true\n";
        // Check mode with diff: what would change, and no byte written.
        QJsonObject hosts = servers.play(insert, {QStringLiteral("--check"), QStringLiteral("--diff")});
        QVERIFY(changed(hosts, "one") && changed(hosts, "two"));
        QCOMPARE(servers.page(QStringLiteral("one")), Page);
        const QJsonArray diffs = hosts[QStringLiteral("one")][QStringLiteral("diff")].toArray();
        QCOMPARE(diffs.size(), 2);
        QVERIFY(diffs[0][QStringLiteral("prepared")].toString().contains(
            QStringLiteral("+<!-- END OF TRAFALYTIC CODE -->")));
        // The run, then the same play again.
        hosts = servers.play(insert);
        QVERIFY(changed(hosts, "one") && changed(hosts, "two") && !failed(hosts, "one"));
        QCOMPARE(servers.page(QStringLiteral("two"), "blog/post.html").count("START OF TRAFALYTIC CODE"), 1);
        hosts = servers.play(insert);
        QVERIFY(!changed(hosts, "one") && !changed(hosts, "two") && !failed(hosts, "two"));
        // Excluded folders are left out; an empty folder fails the task with the tool's words.
        hosts =
            servers.play("        state: absent\n        recursive: true\n        exclude: [\"blog/\"]\n");
        QVERIFY(changed(hosts, "one") && !failed(hosts, "one"));
        QCOMPARE(servers.page(QStringLiteral("one"), "blog/post.html").count("START OF TRAFALYTIC CODE"), 1);
        hosts =
            servers.play("        state: current\n        site: \"12345\"\n        exclude: [\"*.html\"]\n");
        QVERIFY(failed(hosts, "one") &&
                hosts[QStringLiteral("one")][QStringLiteral("msg")].toString().contains(
                    QStringLiteral("no web pages in ")));
        // Absent gives the pages back.
        hosts = servers.play("        state: absent\n        recursive: true\n");
        QVERIFY(changed(hosts, "one") && changed(hosts, "two"));
        QCOMPARE(servers.page(QStringLiteral("one"), "blog/post.html"), Page);
    }

    void failuresStayOnTheirHost() {
        Servers servers;
        QFile::setPermissions(servers.site(QStringLiteral("two")) + QStringLiteral("/index.html"),
                              QFile::ReadOwner);
        QJsonObject hosts = servers.play("        site: \"12345\"\n");
        QVERIFY(!failed(hosts, "one") && failed(hosts, "two"));
        QVERIFY(hosts[QStringLiteral("two")][QStringLiteral("msg")].toString().contains(
            QStringLiteral("index.html: the page is read-only")));
        // A deploy gate: the host with a page left behind fails, the other passes, nothing changes.
        hosts = servers.play("        state: current\n        site: \"12345\"\n");
        QVERIFY(!failed(hosts, "one") && failed(hosts, "two"));
        QVERIFY(!changed(hosts, "one") && !changed(hosts, "two"));
        // A missing tool says which package to install.
        hosts = servers.play("        site: \"12345\"\n        executable: no-such-code-inserter-cli\n");
        QVERIFY(hosts[QStringLiteral("one")][QStringLiteral("msg")].toString().contains(
            QStringLiteral("install the Debian package code-inserter-cli")));
    }

    // ansible-doc knows every option, each with its description.
    void documented() {
        QProcess doc;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("ansible_collections/trafalytic"));
        QFile::link(QStringLiteral(INSERTER_ANSIBLE),
                    dir.filePath(QStringLiteral("ansible_collections/trafalytic/code_inserter")));
        environment.insert(QStringLiteral("ANSIBLE_COLLECTIONS_PATH"), dir.path());
        doc.setProcessEnvironment(environment);
        doc.start(QStringLiteral("ansible-doc"),
                  {QStringLiteral("--json"), QStringLiteral("trafalytic.code_inserter.code_inserter")});
        QVERIFY(doc.waitForFinished(60000));
        const QJsonObject options = QJsonDocument::fromJson(doc.readAllStandardOutput())
                                        .object()[QStringLiteral("trafalytic.code_inserter.code_inserter")]
                                                 [QStringLiteral("doc")][QStringLiteral("options")]
                                        .toObject();
        const QStringList expected{QStringLiteral("exclude"),  QStringLiteral("executable"),
                                   QStringLiteral("journal"),  QStringLiteral("page_name"),
                                   QStringLiteral("pages"),    QStringLiteral("path"),
                                   QStringLiteral("protocol"), QStringLiteral("recursive"),
                                   QStringLiteral("site"),     QStringLiteral("state")};
        QCOMPARE(options.keys(), expected);
        for (const QString& option : expected)
            QVERIFY2(!options[option][QStringLiteral("description")].toArray().isEmpty(), qPrintable(option));
    }
};

QTEST_GUILESS_MAIN(TestAnsible)
#include "tst_Ansible.moc"
