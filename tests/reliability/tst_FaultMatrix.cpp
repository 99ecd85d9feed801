#include "FaultKit.h"
#include "engine/BatchRun.h"
#include "files/QtPageFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace faultkit;

namespace {

// A folder of pages for one scenario, removed afterwards (unmounted first if need be).
struct Site {
    QTemporaryDir dir;
    QByteArray path = QFile::encodeName(dir.path());
    bool mounted = false;

    ~Site() {
        if (mounted)
            ::umount2(path.constData(), MNT_DETACH);
        // Make sure the folder can be cleaned whatever the scenario did to it.
        QProcess chattr;
        chattr.setStandardErrorFile(QProcess::nullDevice());
        chattr.start(QStringLiteral("chattr"), {QStringLiteral("-R"), QStringLiteral("-i"), dir.path()});
        chattr.waitForFinished();
        ::chmod(path.constData(), 0755);
        // Names that do not decode are beyond QDir: remove everything below Qt.
        QProcess::execute(QStringLiteral("rm"), {QStringLiteral("-rf"), dir.path()});
    }

    QByteArray file(const QByteArray& name) const { return path + '/' + name; }
    void page(const QByteArray& name, int size = 4096, int seed = 1) {
        writeFile(file(name), makePage(size, seed));
    }
    QStringList insert(const QString& site = QStringLiteral("12345")) const {
        return {QStringLiteral("insert"), QStringLiteral("--site"), site, QStringLiteral("--all"),
                dir.path()};
    }
};

QList<QByteArray> namesOf(const Snapshot& shot) {
    return shot.keys();
}

#define KEEPS_PROMISE(folder, before, run, promise)                                                          \
    do {                                                                                                     \
        const QStringList broken = check(folder, before, snapshot(folder), run, promise);                    \
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QStringLiteral("; ")) +                            \
                                              QStringLiteral("\nout: ") + QString::fromUtf8(run.out) +       \
                                              QStringLiteral("err: ") + QString::fromUtf8(run.err)));        \
    } while (false)

#define NEED_ROOT()                                                                                          \
    if (!isRoot())                                                                                           \
    QSKIP("needs root")
#define NEED_TOOL(tool)                                                                                      \
    if (const QString refusal = toolRefusal(tool); !refusal.isEmpty())                                       \
    QSKIP(qPrintable(refusal))

// The n-th (1-based) call of a system call that goes to a file of the folder.
int nthCallOn(const QList<QByteArray>& targets, const QByteArray& folder, int n) {
    for (int i = 0; i < targets.size(); ++i) {
        if (targets[i].startsWith(folder) && --n == 0)
            return i + 1;
    }
    return -1;
}

// The tool run under strace with a fault injected (strace's -e inject=...); no
// leak check under ptrace, where the sanitizer's cannot work.
QStringList straced(const QString& inject) {
    return {QStringLiteral("env"),
            QStringLiteral("ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=0"),
            QStringLiteral("strace"),
            QStringLiteral("-f"),
            QStringLiteral("-qq"),
            QStringLiteral("-o"),
            QStringLiteral("/dev/null"),
            QStringLiteral("-e"),
            inject};
}

const QStringList AsNobody{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                           QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups")};

// An unprivileged process swapping pairs of names in a folder for `seconds`.
// setpriv replaces itself with the attacker, so the process is the attacker.
void startAttacker(QProcess& attacker, const QByteArray& folder, const QList<QByteArray>& pairs,
                   int seconds) {
    QStringList arguments = AsNobody.mid(1);
    arguments << QStringLiteral(FAULT_ATTACKER) << QString::number(seconds) << QFile::decodeName(folder);
    for (const QByteArray& name : pairs)
        arguments << QFile::decodeName(name);
    attacker.start(AsNobody.front(), arguments);
    QVERIFY(attacker.waitForStarted());
}

// A memory control group of its own with the limit given (v1 or v2), for the
// runs started behind the wrapper it returns; removed when it goes. Empty wrapper
// where this machine lets no such group be made.
struct MemoryGroup {
    QString dir;
    QStringList wrapper;

    explicit MemoryGroup(qint64 limit) {
        QFile self(QStringLiteral("/proc/self/cgroup"));
        if (!self.open(QIODevice::ReadOnly))
            return;
        for (const QByteArray& line : self.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split(':');
            if (fields.size() < 3)
                continue;
            const bool v2 = fields[0] == "0" && fields[1].isEmpty() &&
                            QFile::exists(QStringLiteral("/sys/fs/cgroup/cgroup.controllers"));
            if (!v2 && !fields[1].split(',').contains("memory"))
                continue;
            const QString base =
                (v2 ? QStringLiteral("/sys/fs/cgroup") : QStringLiteral("/sys/fs/cgroup/memory")) +
                QString::fromUtf8(fields[2] == "/" ? QByteArray() : fields[2]);
            const QString group = base + QStringLiteral("/fault-%1").arg(QCoreApplication::applicationPid());
            if (v2)
                write(base + QStringLiteral("/cgroup.subtree_control"), "+memory");
            if (!QDir().mkdir(group))
                continue;
            dir = group;
            const bool limited =
                v2 ? write(group + QStringLiteral("/memory.max"), QByteArray::number(limit)) &&
                         (write(group + QStringLiteral("/memory.swap.max"), "0") || true)
                   : write(group + QStringLiteral("/memory.limit_in_bytes"), QByteArray::number(limit)) &&
                         (write(group + QStringLiteral("/memory.memsw.limit_in_bytes"),
                                QByteArray::number(limit)) ||
                          true);
            if (limited)
                wrapper = {QStringLiteral("sh"), QStringLiteral("-c"),
                           QStringLiteral("echo $$ > '%1/cgroup.procs' && exec \"$@\"").arg(group),
                           QStringLiteral("sh")};
            return;
        }
    }
    ~MemoryGroup() {
        if (!dir.isEmpty())
            QDir().rmdir(dir);
    }
    static bool write(const QString& path, const QByteArray& value) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(value) == value.size() && file.flush();
    }
};

// Whether an account of the uid and gid may open the file for reading.
bool readableBy(const QByteArray& path, int uid, int gid) {
    QProcess cat;
    cat.start(QStringLiteral("setpriv"),
              {QStringLiteral("--reuid=%1").arg(uid), QStringLiteral("--regid=%1").arg(gid),
               QStringLiteral("--clear-groups"), QStringLiteral("cat"), QFile::decodeName(path)});
    cat.waitForFinished();
    return cat.exitStatus() == QProcess::NormalExit && cat.exitCode() == 0;
}

// The preload that takes unnamed temporary files away, as on NFS, SMB, vfat and most FUSE.
QStringList withoutTmpfile(const QString& log = QStringLiteral("/dev/null")) {
    return {QStringLiteral("env"), QStringLiteral("LD_PRELOAD=" NOTMPFILE_SHIM),
            QStringLiteral("NOTMPFILE_LOG=") + log,
            QStringLiteral("ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=0")};
}

// The site's pages and what a run said of them, line by line.
int linesSaying(const QByteArray& out, const QByteArray& words) {
    int n = 0;
    for (const QByteArray& line : out.split('\n'))
        n += line.contains(words) ? 1 : 0;
    return n;
}

// Runs insert and remove in turn for three seconds while an unprivileged process
// swaps the pairs of names; the number of runs, or 0 when the attacker swapped nothing.
int raceRuns(const QByteArray& folder, const QString& folderName, const QList<QByteArray>& pairs) {
    QProcess attacker;
    startAttacker(attacker, folder, pairs, 4);
    QElapsedTimer clock;
    clock.start();
    int runs = 0;
    while (clock.elapsed() < 3000) {
        runCli(runs % 2 ? QStringList{QStringLiteral("insert"), QStringLiteral("--site"),
                                      QString::number(1000 + runs), QStringLiteral("--all"), folderName}
                        : QStringList{QStringLiteral("remove"), QStringLiteral("--all"), folderName});
        ++runs;
    }
    attacker.waitForFinished(10000);
    return attacker.readAllStandardOutput().toLong() > 0 ? runs : 0;
}

QByteArray attribute(const QByteArray& path, const char* name) {
    QByteArray value(4096, '\0');
    const ssize_t n = ::getxattr(path.constData(), name, value.data(), std::size_t(value.size()));
    return n < 0 ? QByteArray() : value.left(n);
}

// The engine run directly over named entries, with hooks where the file system
// can be changed under it.
class Host final : public engine::TickedList, public engine::RunSink {
public:
    QByteArray folderPath;
    QList<QByteArray> entries;
    std::function<void(int)> beforePage;
    int turn = 0;
    std::string folder() const override { return folderPath.toStdString(); }
    int entryCount() const override { return int(entries.size()); }
    std::string entryName(int i) const override { return entries[i].toStdString(); }
    bool entrySelected(int) const override { return true; }
    void pageStarting(const std::string&, int, int) override {
        if (beforePage)
            beforePage(turn);
        ++turn;
    }
    // Website 12345, http, by file name.
    engine::Result<engine::BatchResult> run(engine::PageFiles& files) {
        return engine::runBatch(
            *this, engine::RunSettings{engine::Mode::Insert, engine::Site::parse("12345")}, *this, files);
    }
};

class HookedFiles final : public engine::PageFiles {
public:
    files::QtPageFiles real;
    std::function<void(const std::string& name)> betweenReadAndReplace;
    std::string lastName;
    engine::Result<void> open(const std::string& folder, engine::FolderId listed,
                              engine::RunFiles how) override {
        return real.open(folder, listed, how);
    }
    engine::Result<engine::PageRead> read(const std::string& name) override {
        lastName = name;
        return real.read(name);
    }
    engine::Result<void> stage(const engine::PageRead& read,
                               const std::vector<std::string_view>& pieces) override {
        if (betweenReadAndReplace)
            betweenReadAndReplace(lastName);
        return real.stage(read, pieces);
    }
    std::vector<engine::Result<void>> commit() override { return real.commit(); }
    void discard() override { real.discard(); }
    void close() override { real.close(); }
};

} // namespace

class TestFaultMatrix : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // 1. A disk too small for some of the new texts.
    void diskFull() {
        NEED_ROOT();
        Site site;
        if (::mount("tmpfs", site.path.constData(), "tmpfs", 0, "size=256k") != 0)
            QSKIP("cannot mount a tmpfs here");
        site.mounted = true;
        site.page("a.html", 20000, 1);
        site.page("b.html", 30000, 2);
        site.page("c.html", 80000, 3);
        site.page("d.html", 80000, 4);
        const Snapshot before = snapshot(site.path);
        const Run run = runCli(site.insert());
        QCOMPARE(run.status, 1);
        QVERIFY(run.outcomes.values().contains(QStringLiteral("failed")));
        QVERIFY(run.outcomes.values().contains(QStringLiteral("inserted")));
        KEEPS_PROMISE(site.path, before, run, (Promise{namesOf(before)}));
    }

    // 1. A write that fails part way, at several points of the run.
    void writeFailure_data() {
        QTest::addColumn<int>("nth");
        QTest::newRow("first write of a page") << 1;
        QTest::newRow("second write") << 2;
        QTest::newRow("last page's write") << 4;
    }

    void writeFailure() {
        NEED_TOOL("strace");
        QFETCH(int, nth);
        Site site;
        for (int i = 0; i < 4; ++i)
            site.page("p" + QByteArray::number(i) + ".html", 40000, i);
        // Where the writes go is found on an identical folder, so that the fault hits a page.
        Site probe;
        for (int i = 0; i < 4; ++i)
            probe.page("p" + QByteArray::number(i) + ".html", 40000, i);
        const int call = nthCallOn(syscallTargets(probe.insert(), "writev"), probe.path, nth);
        QVERIFY(call > 0);
        const Snapshot before = snapshot(site.path);
        const Run run =
            runCli(site.insert(), straced(QStringLiteral("inject=writev:error=ENOSPC:when=%1").arg(call)));
        QCOMPARE(run.status, 1);
        QCOMPARE(run.outcomes.values().count(QStringLiteral("failed")), 1);
        KEEPS_PROMISE(site.path, before, run, (Promise{namesOf(before)}));
    }

    // 2. Syncing each file (the benchmark's other way), one sync fails: that page
    // alone must not be replaced.
    void syncFailure_data() {
        QTest::addColumn<int>("nth");
        QTest::newRow("first page") << 1;
        QTest::newRow("third page") << 3;
    }

    void syncFailure() {
        NEED_TOOL("strace");
        QFETCH(int, nth);
        Site site;
        for (int i = 0; i < 4; ++i)
            site.page("p" + QByteArray::number(i) + ".html", 8000, i);
        const Snapshot before = snapshot(site.path);
        // The page syncs alone are counted: no journal.
        const Run run = runCli(
            QStringList{QStringLiteral("--bench-sync=each"), QStringLiteral("--no-journal")} + site.insert(),
            straced(QStringLiteral("inject=fsync:error=EIO:when=%1").arg(nth)));
        QCOMPARE(run.status, 1);
        const QByteArray failed = "p" + QByteArray::number(nth - 1) + ".html";
        QCOMPARE(readFile(site.file(failed)), before[failed].bytes);
        QCOMPARE(run.outcomes.values().count(QStringLiteral("failed")), 1);
        KEEPS_PROMISE(site.path, before, run, (Promise{namesOf(before)}));
    }

    // 3. Killed at many moments of a long batch (at chosen renames, so that every
    // kill lands part way, the same on every run): every page is old or new, and
    // a second run completes the work with one block a page.
    void killedAtRandom() {
        NEED_TOOL("strace");
        Site site;
        for (int i = 0; i < 1000; ++i)
            site.page("page" + QByteArray::number(i) + ".html", 6000, i);
        QCOMPARE(runCli(site.insert(QStringLiteral("1000"))).status, 0);
        int strays = 0;
        int round = 0;
        for (const int when : {2, 50, 161, 170, 333, 500, 640, 777, 950, 999}) {
            const QString number = QString::number(2000 + 1000 * round++);
            const Snapshot before = snapshot(site.path);
            const Run run = runCli(site.insert(number),
                                   straced(QStringLiteral("inject=renameat:signal=KILL:when=%1").arg(when)));
            QVERIFY(run.killed);
            Promise promise{namesOf(before), true, number, true, true};
            KEEPS_PROMISE(site.path, before, run, promise);
            // Clear away what a kill at a rename left, as a person would, and finish the work.
            const Snapshot now = snapshot(site.path);
            int changed = 0;
            for (auto it = before.begin(); it != before.end(); ++it)
                changed += now.value(it.key()).bytes != it->bytes ? 1 : 0;
            QVERIFY2(changed == when - 1, qPrintable(QString::number(changed)));
            for (auto it = now.begin(); it != now.end(); ++it) {
                if (!before.contains(it.key())) {
                    ++strays;
                    ::unlink(site.file(it.key()).constData());
                }
            }
            const Run second = runCli(site.insert(number));
            QCOMPARE(second.status, 0);
            const Snapshot done = snapshot(site.path);
            for (auto it = done.begin(); it != done.end(); ++it) {
                QCOMPARE(it->bytes.count("START OF TRAFALYTIC"), 1);
                QVERIFY(it->bytes.contains(QByteArray("/script/" + number.toLatin1() + ".js")));
            }
            QCOMPARE(done.size(), before.size());
        }
        qInfo("10 kills survived, each part way through the pages; %d temporary files left by a kill",
              strays);
    }

    // 3. Killed at exact points: just before and just after a rename.
    void killedAtRename_data() {
        QTest::addColumn<QString>("inject");
        QTest::addColumn<bool>("strayPossible");
        QTest::newRow("before the first rename")
            << QStringLiteral("inject=renameat:signal=KILL:when=1") << true;
        QTest::newRow("before the third rename")
            << QStringLiteral("inject=renameat:signal=KILL:when=3") << true;
        QTest::newRow("after the first rename")
            << QStringLiteral("inject=renameat:signal=KILL:when=2") << true;
    }

    void killedAtRename() {
        NEED_TOOL("strace");
        QFETCH(QString, inject);
        QFETCH(bool, strayPossible);
        Site site;
        for (int i = 0; i < 5; ++i)
            site.page("p" + QByteArray::number(i) + ".html", 5000, i);
        const Snapshot before = snapshot(site.path);
        const Run run = runCli(site.insert(), straced(inject));
        QVERIFY(run.status != 0);
        Promise promise{namesOf(before), true, QStringLiteral("12345"), true, strayPossible};
        KEEPS_PROMISE(site.path, before, run, promise);
        const Run second = runCli(site.insert());
        QCOMPARE(second.status, 0);
        for (const QByteArray& name : namesOf(before))
            QCOMPARE(readFile(site.file(name)).count("START OF TRAFALYTIC"), 1);
    }

    // 4. Pages and folders the run may not write.
    void readOnly_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("page without write permission") << QStringLiteral("mode");
        QTest::newRow("page without write permission, ordinary user") << QStringLiteral("mode-user");
        QTest::newRow("immutable page") << QStringLiteral("immutable");
        QTest::newRow("folder without write permission, ordinary user") << QStringLiteral("folder-user");
    }

    void readOnly() {
        QFETCH(QString, kind);
        const bool asUser = kind.endsWith(QLatin1String("-user"));
        if (asUser || kind == QLatin1String("immutable"))
            NEED_ROOT();
        if (asUser)
            NEED_TOOL("setpriv");
        Site site;
        site.page("a.html");
        site.page("b.html");
        site.page("c.html");
        const uid_t nobody = 65534;
        if (asUser) {
            ::chmod(site.path.constData(), 0777);
            for (const char* n : {"a.html", "b.html", "c.html"})
                QVERIFY(::chown(site.file(n).constData(), nobody, nobody) == 0);
        }
        if (kind.startsWith(QLatin1String("mode")))
            ::chmod(site.file("b.html").constData(), 0444);
        if (kind == QLatin1String("immutable") &&
            QProcess::execute(QStringLiteral("chattr"),
                              {QStringLiteral("+i"), QFile::decodeName(site.file("b.html"))}) != 0)
            QSKIP("chattr +i is not supported here");
        if (kind == QLatin1String("folder-user")) {
            ::chown(site.path.constData(), 0, 0);
            ::chmod(site.path.constData(), 0755);
        }
        const Snapshot before = snapshot(site.path);
        const QStringList wrapper =
            asUser ? QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                                 QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups")}
                   : QStringList{};
        const Run run = runCli(site.insert(), wrapper);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.outcomes.values().contains(QStringLiteral("failed")), run.out.constData());
        KEEPS_PROMISE(site.path, before, run, (Promise{namesOf(before)}));
    }

    // 5. Symbolic links: the link stays a link, a target is rewritten at most once,
    // and a link out of the folder is skipped.
    void symbolicLinks() {
        Site site;
        QTemporaryDir outside;
        const QByteArray elsewhere = QFile::encodeName(outside.filePath(QStringLiteral("other.html")));
        writeFile(elsewhere, makePage(3000, 9));
        site.page("real.html");
        QVERIFY(::symlink("real.html", site.file("inside.html").constData()) == 0);
        QVERIFY(::symlink("real.html", site.file("second.html").constData()) == 0);
        QVERIFY(::symlink(elsewhere.constData(), site.file("out.html").constData()) == 0);
        QVERIFY(::symlink("gone.html", site.file("dangling.html").constData()) == 0);
        QVERIFY(::symlink("loop2.html", site.file("loop1.html").constData()) == 0);
        QVERIFY(::symlink("loop1.html", site.file("loop2.html").constData()) == 0);
        const QByteArray outsideBefore = readFile(elsewhere);
        const Snapshot before = snapshot(site.path);
        const Run run = runCli(site.insert());
        KEEPS_PROMISE(site.path, before, run, (Promise{namesOf(before)}));
        QCOMPARE(readFile(site.file("real.html")).count("START OF TRAFALYTIC"), 1);
        QCOMPARE(readFile(elsewhere), outsideBefore);
        QVERIFY(run.out.contains("out.html: a symbolic link to"));
        const Run again = runCli(site.insert());
        QCOMPARE(again.status, 0);
        QCOMPARE(readFile(site.file("real.html")).count("START OF TRAFALYTIC"), 1);
    }

    // 6. Hard links are not split.
    void hardLinks() {
        Site site;
        site.page("a.html");
        QVERIFY(::link(site.file("a.html").constData(), site.file("b.html").constData()) == 0);
        site.page("c.html");
        const Snapshot before = snapshot(site.path);
        const Run run = runCli(site.insert());
        QCOMPARE(run.status, 1);
        KEEPS_PROMISE(site.path, before, run, (Promise{namesOf(before)}));
        const Snapshot after = snapshot(site.path);
        QCOMPARE(after["a.html"].inode, after["b.html"].inode);
    }

    // 7. A page of another owner keeps owner, group and mode.
    void ownershipKept() {
        NEED_ROOT();
        Site site;
        site.page("a.html");
        QVERIFY(::chown(site.file("a.html").constData(), 1001, 33) == 0);
        QVERIFY(::chmod(site.file("a.html").constData(), 0640) == 0);
        const Snapshot before = snapshot(site.path);
        const Run run = runCli(site.insert());
        QCOMPARE(run.status, 0);
        KEEPS_PROMISE(site.path, before, run, (Promise{namesOf(before)}));
        const Snapshot after = snapshot(site.path);
        QCOMPARE(after["a.html"].uid, uid_t(1001));
        QCOMPARE(after["a.html"].gid, gid_t(33));
        QCOMPARE(after["a.html"].mode & 07777, mode_t(0640));
        QVERIFY(after["a.html"].bytes != before["a.html"].bytes);
    }

    // 8. Pages changed by someone else while the run is under way.
    void changedUnderUs_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("outcome");
        QTest::newRow("deleted before its turn") << QStringLiteral("delete") << int(engine::Outcome::Failed);
        QTest::newRow("replaced by a folder before its turn")
            << QStringLiteral("folder") << int(engine::Outcome::Skipped);
        QTest::newRow("rewritten before its turn")
            << QStringLiteral("rewrite") << int(engine::Outcome::Inserted);
        QTest::newRow("rewritten between read and replacement")
            << QStringLiteral("race") << int(engine::Outcome::Failed);
        QTest::newRow("deleted between read and replacement")
            << QStringLiteral("race-delete") << int(engine::Outcome::Failed);
    }

    void changedUnderUs() {
        QFETCH(QString, change);
        QFETCH(int, outcome);
        Site site;
        site.page("a.html");
        site.page("b.html");
        Host host;
        host.folderPath = site.path;
        host.entries = {"a.html", "b.html"};
        HookedFiles files;
        const QByteArray b = site.file("b.html");
        const QByteArray theirs = "<html><body>their own</body></html>";
        if (change == QLatin1String("delete") || change == QLatin1String("folder") ||
            change == QLatin1String("rewrite")) {
            host.beforePage = [&](int turn) {
                if (turn != 1)
                    return;
                ::unlink(b.constData());
                if (change == QLatin1String("folder"))
                    ::mkdir(b.constData(), 0755);
                if (change == QLatin1String("rewrite"))
                    writeFile(b, theirs);
            };
        } else {
            files.betweenReadAndReplace = [&](const std::string& name) {
                if (name != "b.html")
                    return;
                ::usleep(20000);
                if (change == QLatin1String("race"))
                    writeFile(b, theirs);
                else
                    ::unlink(b.constData());
            };
        }
        const engine::BatchResult result = *host.run(files);
        QCOMPARE(int(result.pages.at(1).reported()), outcome);
        QCOMPARE(result.pages.at(0).reported(), engine::Outcome::Inserted);
        if (outcome != int(engine::Outcome::Inserted))
            QVERIFY(!result.pages.at(1).reason().empty());
        struct stat st {};
        const bool exists = ::lstat(b.constData(), &st) == 0;
        if (change == QLatin1String("delete") || change == QLatin1String("race-delete"))
            QVERIFY2(!exists, "a deleted page was recreated");
        if (change == QLatin1String("folder"))
            QVERIFY(S_ISDIR(st.st_mode));
        if (change == QLatin1String("race"))
            QCOMPARE(readFile(b), theirs);
        if (change == QLatin1String("rewrite"))
            QCOMPARE(readFile(b), expectedText(theirs, "b.html", true, QStringLiteral("12345")));
        QCOMPARE(
            QDir(site.dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
            exists ? 2 : 1);
    }

    // 9. Pipes, sockets and devices named like pages never block a run.
    void specialFiles() {
        Site site;
        site.page("a.html");
        QVERIFY(::mkfifo(site.file("pipe.html").constData(), 0644) == 0);
        const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray socketPath = site.file("socket.html");
        std::strncpy(address.sun_path, socketPath.constData(), sizeof address.sun_path - 1);
        QVERIFY(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
        QList<QByteArray> entries{"a.html", "pipe.html", "socket.html"};
        if (isRoot() && ::mknod(site.file("device.html").constData(), S_IFCHR | 0644, makedev(1, 3)) == 0)
            entries << "device.html";

        const Snapshot before = snapshot(site.path);
        const Run run = runCli(site.insert(), {}, -1, 20000);
        QVERIFY2(!run.killed, "the run hung");
        KEEPS_PROMISE(site.path, before, run, (Promise{namesOf(before)}));

        // Handed to the engine by name, they are skipped with a reason.
        Host host;
        host.folderPath = site.path;
        host.entries = entries;
        files::QtPageFiles files;
        const engine::BatchResult result = *host.run(files);
        for (std::size_t i = 1; i < result.pages.size(); ++i) {
            QCOMPARE(result.pages[i].reported(), engine::Outcome::Skipped);
            QVERIFY(!result.pages[i].reason().empty());
        }
        ::close(sock);
    }

    // 10. Awkward names: handled like any other page; a name that is not UTF-8
    // text is named in its block by its bytes, percent-encoded.
    void names() {
        Site site;
        const QList<QByteArray> awkward = {
            QByteArray(245, 'n') + ".html", "with spaces.html", "quote\"s'.html",      "a&b.html",
            "-leading-dash.html",           "caf\xC3\xA9.html", "bad\xFF\xFEname.html"};
        for (const QByteArray& name : awkward)
            site.page(name);
        const Snapshot before = snapshot(site.path);
        const Run run = runCli(site.insert());
        KEEPS_PROMISE(site.path, before, run, (Promise{namesOf(before)}));
        QCOMPARE(run.status, 0);
        QCOMPARE(run.outcomes.values().count(QStringLiteral("inserted")), awkward.size());
        QVERIFY(readFile(site.file("bad\xFF\xFEname.html")).contains("&page=bad%FF%FEname.html&"));
        // A name with a leading dash can be given after "--".
        const Run named = runCli({QStringLiteral("remove"), QStringLiteral("--"), site.dir.path(),
                                  QStringLiteral("-leading-dash.html")});
        QCOMPARE(named.status, 0);
        QCOMPARE(readFile(site.file("-leading-dash.html")), before["-leading-dash.html"].bytes);
    }

    // 11. A read that fails part way through a page writes nothing from it.
    void readFailure() {
        NEED_TOOL("strace");
        Site site;
        site.page("a.html", 300000, 1);
        site.page("b.html", 300000, 2);
        Site probe;
        probe.page("a.html", 300000, 1);
        probe.page("b.html", 300000, 2);
        // The read of page a.
        const int call = nthCallOn(syscallTargets(probe.insert(), "pread64"), probe.path, 1);
        QVERIFY(call > 0);
        const Snapshot before = snapshot(site.path);
        const Run run =
            runCli(site.insert(), straced(QStringLiteral("inject=pread64:error=EIO:when=%1").arg(call)));
        QCOMPARE(run.status, 1);
        QCOMPARE(run.outcomes.values().count(QStringLiteral("failed")), 1);
        KEEPS_PROMISE(site.path, before, run, (Promise{namesOf(before)}));
    }

    // 12. A page of 1 GB works, where the machine has room for it.
    void hugePage() {
        const QStorageInfo disk(QDir::tempPath());
        if (disk.bytesAvailable() < (3LL << 30))
            QSKIP("needs 3 GB free in the temporary folder");
        if (::sysconf(_SC_AVPHYS_PAGES) * ::sysconf(_SC_PAGESIZE) < (3LL << 30))
            QSKIP("needs 3 GB of free memory");
        runOnOneGigabyte(false);
    }

    // 12. A page larger than the memory allowed is refused with a clear reason.
    void memoryLimit() {
        NEED_TOOL("prlimit");
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("AddressSanitizer needs more address space than the limit allows");
#endif
        runOnOneGigabyte(true);
    }

    // 13. An account that may write the folder swaps a page for a link to a file it
    // cannot read, over and over, while root runs: the file's text never lands in
    // the folder, and the file is never touched.
    void raceLinkSwap() {
        NEED_ROOT();
        NEED_TOOL("setpriv");
        Site site;
        QTemporaryDir vault;
        const QByteArray secret = QFile::encodeName(vault.filePath(QStringLiteral("secret.html")));
        writeFile(secret, "<html><body>SECRET-TEXT</body></html>\r\n");
        QVERIFY(::chmod(secret.constData(), 0600) == 0);
        QVERIFY(::chmod(QFile::encodeName(vault.path()).constData(), 0711) == 0);
        QList<QByteArray> pairs;
        for (int i = 0; i < 40; ++i) {
            const QByteArray page = "p" + QByteArray::number(i) + ".html";
            const QByteArray link = "l" + QByteArray::number(i) + ".html";
            site.page(page, 2000, i);
            QVERIFY(::symlink(secret.constData(), site.file(link).constData()) == 0);
            QVERIFY(::lchown(site.file(page).constData(), 65534, 65534) == 0);
            QVERIFY(::lchown(site.file(link).constData(), 65534, 65534) == 0);
            pairs << page << link;
        }
        QVERIFY(::chown(site.path.constData(), 65534, 65534) == 0);
        struct stat secretBefore {};
        ::stat(secret.constData(), &secretBefore);
        const int runs = raceRuns(site.path, site.dir.path(), pairs);
        QVERIFY(runs > 0);
        for (const auto& [name, entry] : snapshot(site.path).asKeyValueRange())
            QVERIFY2(!entry.regular || entry.link || !entry.bytes.contains("SECRET-TEXT"), name.constData());
        struct stat secretAfter {};
        ::stat(secret.constData(), &secretAfter);
        QCOMPARE(readFile(secret), QByteArray("<html><body>SECRET-TEXT</body></html>\r\n"));
        QCOMPARE(secretAfter.st_ino, secretBefore.st_ino);
        QCOMPARE(secretAfter.st_mode, secretBefore.st_mode);
        qInfo("%d runs raced", runs);
    }

    // 13. A folder beneath the chosen one is swapped for a link to a folder outside
    // while links to its pages are handled: nothing outside is ever written.
    void raceFolderSwap() {
        NEED_ROOT();
        NEED_TOOL("setpriv");
        Site site;
        QTemporaryDir outside;
        const QByteArray out = QFile::encodeName(outside.path());
        QVERIFY(::mkdir(site.file("sub").constData(), 0755) == 0);
        QVERIFY(::symlink(out.constData(), site.file("evil").constData()) == 0);
        QVERIFY(::lchown(site.file("evil").constData(), 65534, 65534) == 0);
        QVERIFY(::chown(site.file("sub").constData(), 65534, 65534) == 0);
        for (int i = 0; i < 30; ++i) {
            const QByteArray name = "x" + QByteArray::number(i) + ".html";
            writeFile(out + '/' + name, makePage(2000, i));
            site.page("sub/" + name, 2000, i);
            QVERIFY(::symlink(QByteArray("sub/" + name).constData(),
                              site.file("l" + QByteArray::number(i) + ".html").constData()) == 0);
        }
        QVERIFY(::chown(site.path.constData(), 65534, 65534) == 0);
        const Snapshot outsideBefore = snapshot(out);
        const int runs = raceRuns(site.path, site.dir.path(), {"sub", "evil"});
        QVERIFY(runs > 0);
        const Snapshot outsideAfter = snapshot(out);
        QCOMPARE(outsideAfter.keys(), outsideBefore.keys());
        for (const auto& [name, entry] : outsideBefore.asKeyValueRange()) {
            QVERIFY2(outsideAfter[name].bytes == entry.bytes, name.constData());
            QCOMPARE(outsideAfter[name].inode, entry.inode);
        }
        qInfo("%d runs raced", runs);
    }

    // 14. ACLs and extended attributes are kept exactly; a folder's default ACL is
    // not given to a page that had none.
    void attributesKept() {
        NEED_ROOT();
        NEED_TOOL("setfacl");
        Site site;
        site.page("acl.html");
        site.page("plain.html");
        const QString folder = site.dir.path();
        const auto run = [](const QString& tool, const QStringList& arguments) {
            return QProcess::execute(tool, arguments) == 0;
        };
        QVERIFY(run(QStringLiteral("setfacl"),
                    {QStringLiteral("-d"), QStringLiteral("-m"), QStringLiteral("u:nobody:rw"), folder}));
        QVERIFY(::chmod(site.file("acl.html").constData(), 0600) == 0);
        if (!run(QStringLiteral("setfacl"),
                 {QStringLiteral("-m"), QStringLiteral("u:33:r"), QFile::decodeName(site.file("acl.html"))}))
            QSKIP("this file system has no ACLs");
        QVERIFY(::setxattr(site.file("acl.html").constData(), "user.origin", "cms", 3, 0) == 0);
        QVERIFY(::setxattr(site.file("plain.html").constData(), "trusted.note", "kept", 4, 0) == 0);
        const QByteArray acl = attribute(site.file("acl.html"), "system.posix_acl_access");
        QVERIFY(!acl.isEmpty());
        const Snapshot before = snapshot(site.path);
        const Run result = runCli(site.insert());
        QCOMPARE(result.status, 0);
        KEEPS_PROMISE(site.path, before, result, (Promise{namesOf(before)}));
        const Snapshot after = snapshot(site.path);
        QVERIFY(after["acl.html"].inode != before["acl.html"].inode);
        QCOMPARE(attribute(site.file("acl.html"), "system.posix_acl_access"), acl);
        QCOMPARE(attribute(site.file("acl.html"), "user.origin"), QByteArray("cms"));
        QCOMPARE(attribute(site.file("plain.html"), "system.posix_acl_access"), QByteArray());
        QCOMPARE(attribute(site.file("plain.html"), "trusted.note"), QByteArray("kept"));
    }

    // 14. A run by an ordinary user never lets more users at a page: a group it
    // cannot give the new text leaves the page as it is.
    void notWidened() {
        NEED_ROOT();
        NEED_TOOL("setpriv");
        Site site;
        site.page("theirs.html");
        site.page("mine.html");
        QVERIFY(::chmod(site.path.constData(), 0777) == 0);
        QVERIFY(::chown(site.file("theirs.html").constData(), 65534, 0) == 0);
        QVERIFY(::chmod(site.file("theirs.html").constData(), 0640) == 0);
        QVERIFY(::chown(site.file("mine.html").constData(), 65534, 65534) == 0);
        const Snapshot before = snapshot(site.path);
        const Run run = runCli(site.insert(), AsNobody);
        QCOMPARE(run.status, 1);
        KEEPS_PROMISE(site.path, before, run, (Promise{namesOf(before)}));
        QCOMPARE(run.outcomes.value(QFile::decodeName(site.file("theirs.html"))), QStringLiteral("failed"));
        QCOMPARE(run.outcomes.value(QFile::decodeName(site.file("mine.html"))), QStringLiteral("inserted"));
    }

    // 15. Without unnamed temporary files, a killed run leaves at most files that
    // nobody may open, and the next run clears them away.
    void noUnnamedTempFiles_data() {
        QTest::addColumn<QString>("inject");
        QTest::newRow("killed before the new text gets its permissions")
            << QStringLiteral("inject=fchmod:signal=KILL:when=1");
        QTest::newRow("killed before the rename") << QStringLiteral("inject=renameat:signal=KILL:when=2");
    }

    void noUnnamedTempFiles() {
        NEED_TOOL("strace");
        QFETCH(QString, inject);
        Site site;
        for (int i = 0; i < 5; ++i)
            site.page("p" + QByteArray::number(i) + ".html", 30000, i);
        QTemporaryDir logs;
        const QString log = logs.filePath(QStringLiteral("shim.log"));
        const QStringList shim{QStringLiteral("env"), QStringLiteral("LD_PRELOAD=" NOTMPFILE_SHIM),
                               QStringLiteral("NOTMPFILE_LOG=") + log,
                               QStringLiteral("ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=0")};
        const Snapshot before = snapshot(site.path);
        const Run killed = runCli(site.insert(), shim + straced(inject));
        QVERIFY(killed.status != 0);
        QVERIFY2(QFileInfo::exists(log), "the shim was not called");
        int leftovers = 0;
        for (const auto& [name, entry] : snapshot(site.path).asKeyValueRange()) {
            if (before.contains(name))
                continue;
            ++leftovers;
            QVERIFY2(name.startsWith(".code-inserter-"), name.constData());
            // Only a whole new text may carry the page's permissions.
            bool whole = false;
            for (const auto& [page, old] : before.asKeyValueRange())
                whole = whole || entry.bytes == expectedText(old.bytes, page, true, QStringLiteral("12345"));
            QVERIFY2(whole || (entry.mode & 07777) == 0, qPrintable(QString::number(entry.mode, 8)));
        }
        QVERIFY(leftovers >= 1); // the pages of the group in hand not yet renamed
        const Run second = runCli(site.insert(), shim);
        QCOMPARE(second.status, 0);
        const Snapshot done = snapshot(site.path);
        QCOMPARE(done.keys(), before.keys());
        for (const auto& [name, entry] : done.asKeyValueRange())
            QCOMPARE(entry.bytes.count("START OF TRAFALYTIC"), 1);
    }

    // 16. Two runs on one folder: the second waits for the first; a folder locked
    // for longer is reported, page by page, and left alone.
    void twoRuns() {
        NEED_TOOL("flock");
        Site site;
        for (int i = 0; i < 300; ++i)
            site.page("p" + QByteArray::number(i) + ".html", 20000, i);
        QProcess first;
        QProcess second;
        first.start(QStringLiteral(INSERTER_CLI), site.insert(QStringLiteral("1111")));
        second.start(QStringLiteral(INSERTER_CLI), site.insert(QStringLiteral("2222")));
        QVERIFY(first.waitForFinished(60000) && second.waitForFinished(60000));
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);
        QSet<QByteArray> numbers;
        for (const auto& [name, entry] : snapshot(site.path).asKeyValueRange()) {
            QCOMPARE(entry.bytes.count("START OF TRAFALYTIC"), 1);
            numbers.insert(entry.bytes.contains("/script/1111.js") ? "1111" : "2222");
        }
        QCOMPARE(numbers.size(), 1); // one run after the other, never interleaved

        QProcess holder;
        holder.start(QStringLiteral("flock"),
                     {site.dir.path(), QStringLiteral("sleep"), QStringLiteral("14")});
        QVERIFY(holder.waitForStarted());
        QTest::qWait(300);
        const Snapshot before = snapshot(site.path);
        QElapsedTimer clock;
        clock.start();
        const Run locked = runCli(site.insert(QStringLiteral("3333")));
        QVERIFY(clock.elapsed() >= 9000);
        QCOMPARE(locked.status, 1);
        QCOMPARE(locked.outcomes.values().count(QStringLiteral("failed")), 300);
        QVERIFY(locked.out.contains("another run is changing this folder"));
        KEEPS_PROMISE(site.path, before, locked, (Promise{namesOf(before), true, QStringLiteral("3333")}));
        holder.kill();
        holder.waitForFinished();
    }

    // 17. One report line per page, whatever its name holds.
    void lineBreakNames() {
        Site site;
        const QList<QByteArray> names{"forged\nfailed    passwd.html", "clear\x1b[2J.html",
                                      "bidi\xE2\x80\xAElmth.exe.html", "back\\slash.html", "tab\tname.html"};
        for (const QByteArray& name : names)
            site.page(name);
        const Run run = runCli(site.insert());
        QCOMPARE(run.status, 0);
        const QList<QByteArray> lines = run.out.trimmed().split('\n');
        QVERIFY2(lines.size() == names.size() + 1, run.out.constData());
        for (const QByteArray& expected :
             {QByteArray("forged\\nfailed"), QByteArray("clear\\x1b[2J"), QByteArray("bidi\\u202elmth"),
              QByteArray("back\\\\slash"), QByteArray("tab\\tname")})
            QVERIFY2(run.out.contains(expected), expected.constData());
        for (const QByteArray& line : lines.mid(0, names.size()))
            QVERIFY2(line.startsWith("inserted  "), line.constData());
    }

    // 18. From the one open of the chosen folder to the end, the run names files
    // only by single names in folder handles.
    void handlesOnly() {
        NEED_TOOL("strace");
        Site site;
        site.page("a.html");
        QVERIFY(::mkdir(site.file("sub").constData(), 0755) == 0);
        site.page("sub/x.html");
        QVERIFY(::symlink("sub/x.html", site.file("link.html").constData()) == 0);
        QVERIFY(::symlink(site.file("a.html").constData(), site.file("absolute.html").constData()) == 0);
        QTemporaryFile log;
        QVERIFY(log.open());
        QProcess strace;
        auto environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ASAN_OPTIONS"),
                           QStringLiteral("detect_leaks=0")); // no leak check under ptrace
        strace.setProcessEnvironment(environment);
        strace.start(QStringLiteral("strace"),
                     QStringList{QStringLiteral("-f"), QStringLiteral("-qq"), QStringLiteral("-o"),
                                 log.fileName(), QStringLiteral("-e"), QStringLiteral("trace=%file"),
                                 QStringLiteral(INSERTER_CLI), QStringLiteral("--no-journal")} +
                         site.insert());
        QVERIFY(strace.waitForFinished(60000));
        QCOMPARE(strace.exitCode(), 0);
        const QList<QByteArray> calls = log.readAll().split('\n');
        const QByteArray folderOpen = "\"" +
                                      QFile::encodeName(QFileInfo(site.dir.path()).canonicalFilePath()) +
                                      "\", O_RDONLY|O_CLOEXEC|O_DIRECTORY";
        qsizetype start = -1;
        for (qsizetype i = 0; i < calls.size(); ++i)
            start = calls[i].contains(folderOpen) ? i : start;
        QVERIFY(start >= 0);
        static const QRegularExpression handleCall(QStringLiteral("^\\w+\\((\\d+), \"([^\"/]*)\""));
        int checked = 0;
        for (qsizetype i = start + 1; i < calls.size(); ++i) {
            const QByteArray call = calls[i].mid(calls[i].indexOf(' ') + 1).trimmed();
            if (call.isEmpty() || call.startsWith("+++"))
                continue;
            QVERIFY2(handleCall.match(QString::fromUtf8(call)).hasMatch(), call.constData());
            ++checked;
        }
        QVERIFY(checked > 10);
        QCOMPARE(readFile(site.file("sub/x.html")).count("START OF TRAFALYTIC"), 1);
        QCOMPARE(readFile(site.file("a.html")).count("START OF TRAFALYTIC"), 1);
    }

    // 19. A subfolder that cannot be listed is a failed line; the rest of the tree is done.
    void unlistableSubfolder() {
        NEED_ROOT();
        NEED_TOOL("setpriv");
        Site site;
        QVERIFY(::mkdir(site.file("open").constData(), 0777) == 0);
        QVERIFY(::mkdir(site.file("closed").constData(), 0700) == 0);
        site.page("open/a.html");
        site.page("closed/b.html");
        site.page("top.html");
        for (const char* name : {"", "/open", "/open/a.html", "/top.html"})
            QVERIFY(::chown(QByteArray(site.path + name).constData(), 65534, 65534) == 0);
        const Run run = runCli(
            {QStringLiteral("insert"), QStringLiteral("-r"), QStringLiteral("--site=1"), site.dir.path()},
            AsNobody);
        QCOMPARE(run.status, 1);
        QCOMPARE(run.outcomes.value(QFile::decodeName(site.file("closed"))), QStringLiteral("failed"));
        QVERIFY(run.out.contains("this folder cannot be listed"));
        QCOMPARE(readFile(site.file("open/a.html")).count("START OF TRAFALYTIC"), 1);
        QCOMPARE(readFile(site.file("top.html")).count("START OF TRAFALYTIC"), 1);
    }

    // 20. Groups: a kill between a group's sync and its renames, and a sync that
    // fails for a whole group, leave every page of the group as it was.
    void groupFaults_data() {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("inject");
        QTest::newRow("killed between the sync and the renames")
            << QStringList{} << QStringLiteral("inject=linkat:signal=KILL:when=1");
        QTest::newRow("the file system's sync fails")
            << QStringList{} << QStringLiteral("inject=syncfs:error=EIO");
        QTest::newRow("every file's sync fails, syncing each file")
            << QStringList{QStringLiteral("--bench-sync=each")} << QStringLiteral("inject=fsync:error=EIO");
    }

    void groupFaults() {
        NEED_TOOL("strace");
        QFETCH(QStringList, extra);
        QFETCH(QString, inject);
        Site site;
        for (int i = 0; i < 20; ++i)
            site.page("p" + QByteArray::number(i) + ".html", 4000, i);
        const Snapshot before = snapshot(site.path);
        const Run run = runCli(extra + site.insert(), straced(inject));
        QVERIFY(run.status != 0);
        const Snapshot after = snapshot(site.path);
        QCOMPARE(after.keys(), before.keys()); // nothing left behind
        for (const auto& [name, entry] : before.asKeyValueRange())
            QVERIFY2(after[name].bytes == entry.bytes, name.constData());
        if (!run.killed)
            QCOMPARE(run.outcomes.values().count(QStringLiteral("failed")), 20);
        QCOMPARE(runCli(site.insert()).status, 0);
    }

    // 20. A tree of 1,200 pages in 300 folders under a limit of 256 open handles.
    void fewHandles() {
        NEED_TOOL("prlimit");
        Site site;
        for (int f = 0; f < 300; ++f) {
            const QByteArray folder = "f" + QByteArray::number(f);
            QVERIFY(::mkdir(site.file(folder).constData(), 0755) == 0);
            for (int i = 0; i < 4; ++i)
                site.page(folder + "/p" + QByteArray::number(i) + ".html", 2000, i);
        }
        const Run run = runCli(
            {QStringLiteral("insert"), QStringLiteral("-r"), QStringLiteral("--site=3"), site.dir.path()},
            {QStringLiteral("prlimit"), QStringLiteral("--nofile=256:256")});
        QVERIFY2(run.status == 0, run.out.right(400).constData());
        QVERIFY(run.out.contains("1200 inserted"));
    }

    // 20. SIGTERM part way: the group in hand is committed, the pages done are told,
    // the exit status is 143, and every page is old or new.
    void terminated() {
        Site site;
        for (int i = 0; i < 3000; ++i)
            site.page("p" + QByteArray::number(i) + ".html", 6000, i);
        const Snapshot before = snapshot(site.path);
        QProcess cli;
        cli.start(QStringLiteral(INSERTER_CLI), site.insert());
        QVERIFY(cli.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(cli.bytesAvailable() > 0 || cli.state() != QProcess::Running, 30000);
        ::kill(pid_t(cli.processId()), SIGTERM);
        QVERIFY(cli.waitForFinished(60000));
        const QByteArray out = cli.readAllStandardOutput();
        // Only a run that did every page and says so ended before the signal.
        const QByteArray summary = out.trimmed().split('\n').last();
        if (cli.exitCode() == 0 && summary.startsWith("3000 inserted"))
            QSKIP("the run ended before the signal came");
        QCOMPARE(cli.exitCode(), 143);
        QVERIFY2(summary.startsWith("stopped: "), summary.constData());
        const Snapshot after = snapshot(site.path);
        QCOMPARE(after.keys(), before.keys());
        int told = 0;
        for (const auto& [name, entry] : before.asKeyValueRange()) {
            const bool reported = out.contains(QByteArray("inserted  " + site.file(name) + "\n"));
            told += reported ? 1 : 0;
            QCOMPARE(after[name].bytes,
                     reported ? expectedText(entry.bytes, name, true, QStringLiteral("12345")) : entry.bytes);
        }
        QVERIFY(told > 0 && told < 3000);
    }

    // 21. A tree of one-page folders seven deep, under ordinary limits on open
    // handles and a tight one: no page fails for want of handles.
    void deepTreeFewHandles_data() {
        QTest::addColumn<int>("limit");
        QTest::newRow("1024 handles") << 1024;
        QTest::newRow("256 handles") << 256;
        QTest::newRow("64 handles") << 64;
    }

    void deepTreeFewHandles() {
        NEED_TOOL("prlimit");
        QFETCH(int, limit);
        Site site;
        for (int n = 0; n < 30; ++n) {
            for (int m = 0; m < 10; ++m) {
                const QByteArray folder =
                    "docs/en/v2/api/ref/" + QByteArray::number(n) + "/mod-" + QByteArray::number(m);
                QVERIFY(QDir().mkpath(QFile::decodeName(site.file(folder))));
                site.page(folder + "/index.html", 2000, n * 10 + m);
            }
        }
        const Run run = runCli(
            {QStringLiteral("insert"), QStringLiteral("-r"), QStringLiteral("--site=3"), site.dir.path()},
            {QStringLiteral("prlimit"), QStringLiteral("--nofile=%1:%1").arg(limit)});
        QVERIFY2(run.status == 0, run.out.right(600).constData());
        QVERIFY(run.out.contains("300 inserted"));
    }

    // 22. Where temporary files must have names, none grants more than its page at
    // any moment: killed at each step of giving it the page's attributes, what is
    // left cannot be read by an account the page keeps out (its group, with
    // group::--- in the ACL; another account, through the folder's default ACL).
    void temporariesGrantNoMore_data() {
        QTest::addColumn<bool>("defaultAcl");
        QTest::addColumn<QString>("inject");
        for (const bool defaultAcl : {false, true}) {
            for (const char* call : {"fchown", "fchmod", "fsetxattr", "fremovexattr", "renameat"}) {
                for (const int when : {1, 2}) {
                    const QString inject =
                        QStringLiteral("inject=%1:signal=KILL:when=%2").arg(QLatin1String(call)).arg(when);
                    QTest::addRow("%s, killed at %s %d", defaultAcl ? "default ACL" : "page ACL", call, when)
                        << defaultAcl << inject;
                }
            }
        }
    }

    void temporariesGrantNoMore() {
        NEED_ROOT();
        NEED_TOOL("strace");
        NEED_TOOL("setpriv");
        NEED_TOOL("setfacl");
        QFETCH(bool, defaultAcl);
        QFETCH(QString, inject);
        Site site;
        QVERIFY(::chmod(site.path.constData(), 0755) == 0);
        for (int i = 0; i < 3; ++i) {
            const QByteArray page = "p" + QByteArray::number(i) + ".html";
            site.page(page, 20000, i);
            QVERIFY(::chown(site.file(page).constData(), 0, defaultAcl ? 0 : 65534) == 0);
            QVERIFY(::chmod(site.file(page).constData(), 0640) == 0);
            if (!defaultAcl &&
                QProcess::execute(QStringLiteral("setfacl"),
                                  {QStringLiteral("-m"), QStringLiteral("g::-,u:daemon:r,m::r"),
                                   QFile::decodeName(site.file(page))}) != 0)
                QSKIP("this file system has no ACLs");
            QVERIFY(!readableBy(site.file(page), 65534, 65534));
        }
        // The folder's default ACL names an account the pages keep out.
        if (defaultAcl && QProcess::execute(QStringLiteral("setfacl"),
                                            {QStringLiteral("-d"), QStringLiteral("-m"),
                                             QStringLiteral("u:65534:rw"), site.dir.path()}) != 0)
            QSKIP("this file system has no ACLs");
        const Run run = runCli(site.insert(), withoutTmpfile() + straced(inject));
        int temporaries = 0;
        for (const auto& [name, entry] : snapshot(site.path).asKeyValueRange()) {
            if (!name.startsWith(".code-inserter-"))
                continue;
            ++temporaries;
            QVERIFY2(!readableBy(site.file(name), 65534, 65534), name.constData());
        }
        qInfo("%d temporary files left by the kill", temporaries);
        QCOMPARE(runCli(site.insert()).status, 0);
        QCOMPARE(snapshot(site.path).size(), 3);
    }

    // 23. Reads are bounded: in a run held to 1 GiB of memory, a sparse 8 GB page
    // and a page another account keeps growing are reported at once, and the other
    // pages are done.
    void boundedReads() {
        NEED_ROOT();
        NEED_TOOL("setpriv");
        MemoryGroup group(1LL << 30);
        if (group.wrapper.isEmpty())
            QSKIP("cannot make a memory control group here");
        Site site;
        QVERIFY(::chmod(site.path.constData(), 0755) == 0);
        for (int i = 0; i < 5; ++i)
            site.page("p" + QByteArray::number(i) + ".html", 4000, i);
        for (const QByteArray& name : {QByteArray("sparse.html"), QByteArray("growing.html")}) {
            site.page(name, 100000, 9);
            QVERIFY(::chown(site.file(name).constData(), 65534, 65534) == 0);
        }
        QVERIFY(::truncate(site.file("sparse.html").constData(), 8LL << 30) == 0);
        QProcess grower;
        grower.start(AsNobody.front(),
                     AsNobody.mid(1) + QStringList{QStringLiteral(FAULT_ATTACKER), QStringLiteral("grow"),
                                                   QStringLiteral("20"),
                                                   QFile::decodeName(site.file("growing.html"))});
        QVERIFY(grower.waitForStarted());
        QTest::qWait(200);
        const Run run = runCli(site.insert(), group.wrapper, -1, 60000);
        grower.kill();
        grower.waitForFinished();
        QVERIFY2(!run.killed, run.err.constData());
        QCOMPARE(run.outcomes.value(QFile::decodeName(site.file("sparse.html"))), QStringLiteral("skipped"));
        QVERIFY(run.outcomes.value(QFile::decodeName(site.file("growing.html"))) !=
                QStringLiteral("inserted"));
        QCOMPARE(run.outcomes.values().count(QStringLiteral("inserted")), 5);
    }

    // 24. A chain of 20,000 nested folders, the limit on handles raised to the hard
    // limit: every page is listed, nothing crashes.
    void deepChain() {
        NEED_TOOL("prlimit");
        Site site;
        site.page("top.html");
        int fd = ::open(site.path.constData(), O_RDONLY | O_DIRECTORY);
        for (int i = 0; i < 20000 && fd >= 0; ++i) {
            QVERIFY(::mkdirat(fd, "d", 0755) == 0);
            const int next = ::openat(fd, "d", O_RDONLY | O_DIRECTORY);
            ::close(fd);
            fd = next;
        }
        QVERIFY(fd >= 0);
        const int page = ::openat(fd, "index.html", O_WRONLY | O_CREAT, 0644);
        QVERIFY(page >= 0 && ::write(page, "<html><body>x</body></html>", 27) == 27);
        ::close(page);
        ::close(fd);
        struct rlimit handles {};
        QVERIFY(::getrlimit(RLIMIT_NOFILE, &handles) == 0);
        const QString hardLimit = handles.rlim_max == RLIM_INFINITY ? QStringLiteral("unlimited")
                                                                    : QString::number(handles.rlim_max);
        const Run run =
            runCli({QStringLiteral("status"), QStringLiteral("-r"), site.dir.path()},
                   {QStringLiteral("prlimit"), QStringLiteral("--nofile=%1:%1").arg(hardLimit)}, -1, 300000);
        QVERIFY2(!run.killed, run.err.constData());
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.endsWith("0 code, 2 none, 0 broken, 0 skipped, 0 failed\n"));
        QCOMPARE(linesSaying(run.out, "/d/d/d/d/d/index.html"), 1);
    }

    // 25. Status stopped by either signal, in text or JSON: the pages judged are
    // told, the summary says it stopped, and the exit status names the signal.
    void statusStopped_data() {
        QTest::addColumn<QString>("signal");
        QTest::addColumn<bool>("json");
        QTest::newRow("SIGTERM") << QStringLiteral("TERM") << false;
        QTest::newRow("SIGINT") << QStringLiteral("INT") << false;
        QTest::newRow("SIGTERM, JSON") << QStringLiteral("TERM") << true;
        QTest::newRow("SIGINT, JSON") << QStringLiteral("INT") << true;
    }

    void statusStopped() {
        NEED_TOOL("strace");
        QFETCH(QString, signal);
        QFETCH(bool, json);
        Site site;
        for (int i = 0; i < 1000; ++i)
            site.page("p" + QByteArray::number(i) + ".html", 500, i);
        QStringList arguments{QStringLiteral("status"), QStringLiteral("--site=12345"), site.dir.path()};
        if (json)
            arguments << QStringLiteral("--json");
        // The signal comes at the 600th file opened: with the pages well under way.
        const Run run =
            runCli(arguments, straced(QStringLiteral("inject=openat:signal=%1:when=600").arg(signal)));
        QCOMPARE(run.status, signal == QLatin1String("TERM") ? 143 : 130);
        const QList<QByteArray> lines = run.out.trimmed().split('\n');
        QVERIFY(lines.size() > 1 && lines.size() < 1001);
        QVERIFY2(json ? lines.last().contains("\"stopped\":true") : lines.last().startsWith("stopped: "),
                 lines.last().constData());
    }

    // 26. A run killed once its temporaries had names and their pages' owner (an
    // account other than the runner's): the next run clears them away. Files of
    // that name that are links or hard-linked are not ours, and stay.
    void leftoversOfAnyOwner() {
        NEED_ROOT();
        NEED_TOOL("strace");
        Site site;
        for (int i = 0; i < 5; ++i) {
            const QByteArray page = "p" + QByteArray::number(i) + ".html";
            site.page(page, 30000, i);
            QVERIFY(::chown(site.file(page).constData(), 65534, 65534) == 0);
        }
        writeFile(site.file("kept.txt"), "not ours");
        QVERIFY(::link(site.file("kept.txt").constData(), site.file(".code-inserter-linked").constData()) ==
                0);
        QVERIFY(::symlink("kept.txt", site.file(".code-inserter-symlnk").constData()) == 0);
        const Run killed = runCli(
            site.insert(), withoutTmpfile() + straced(QStringLiteral("inject=renameat:signal=KILL:when=2")));
        QVERIFY(killed.killed);
        int left = 0;
        for (const auto& [name, entry] : snapshot(site.path).asKeyValueRange())
            left += name.startsWith(".code-inserter-") && entry.uid == 65534 ? 1 : 0;
        QVERIFY(left >= 1);
        QCOMPARE(runCli(site.insert()).status, 0);
        QStringList names;
        for (const QByteArray& name : snapshot(site.path).keys())
            names << QString::fromUtf8(name);
        QCOMPARE(
            names,
            (QStringList{QStringLiteral(".code-inserter-linked"), QStringLiteral(".code-inserter-symlnk"),
                         QStringLiteral("kept.txt"), QStringLiteral("p0.html"), QStringLiteral("p1.html"),
                         QStringLiteral("p2.html"), QStringLiteral("p3.html"), QStringLiteral("p4.html")}));
    }

    // 27. Four subfolders locked by another run: their pages are reported at once
    // once the run's one wait is spent, and the run ends in well under a minute.
    void lockWaitsBounded() {
        NEED_TOOL("flock");
        Site site;
        std::vector<std::unique_ptr<QProcess>> holders;
        for (int f = 0; f < 4; ++f) {
            const QByteArray folder = "locked" + QByteArray::number(f);
            QVERIFY(::mkdir(site.file(folder).constData(), 0755) == 0);
            for (int i = 0; i < 3; ++i)
                site.page(folder + "/p" + QByteArray::number(i) + ".html", 2000, i);
            holders.push_back(std::make_unique<QProcess>());
            holders.back()->start(QStringLiteral("flock"), {QFile::decodeName(site.file(folder)),
                                                            QStringLiteral("sleep"), QStringLiteral("60")});
            QVERIFY(holders.back()->waitForStarted());
        }
        site.page("free.html");
        QTest::qWait(300);
        QElapsedTimer clock;
        clock.start();
        const Run run = runCli(
            {QStringLiteral("insert"), QStringLiteral("-r"), QStringLiteral("--site=4"), site.dir.path()});
        const qint64 took = clock.elapsed();
        for (auto& holder : holders) {
            holder->kill();
            holder->waitForFinished();
        }
        QCOMPARE(run.status, 1);
        QCOMPARE(linesSaying(run.out, "another run is changing this folder"), 12);
        QCOMPARE(run.outcomes.value(QFile::decodeName(site.file("free.html"))), QStringLiteral("inserted"));
        QVERIFY2(took < 30000, qPrintable(QString::number(took)));
    }

    // 28. A system file system mounted inside the tree is reported once and not entered.
    void systemFileSystemInTree() {
        NEED_ROOT();
        Site site;
        site.page("index.html");
        QVERIFY(::mkdir(site.file("sys").constData(), 0755) == 0);
        if (::mount("sysfs", site.file("sys").constData(), "sysfs", MS_RDONLY, nullptr) != 0)
            QSKIP("cannot mount a sysfs here");
        const Run run =
            runCli({QStringLiteral("status"), QStringLiteral("-r"), QStringLiteral("--all"), site.dir.path()},
                   {}, -1, 60000);
        ::umount2(site.file("sys").constData(), MNT_DETACH);
        QVERIFY2(!run.killed, "the walk went into the system file system");
        QCOMPARE(run.status, 0);
        QCOMPARE(linesSaying(run.out, "not a web folder: a system file system"), 1);
        QCOMPARE(run.out.count('\n'), 3); // the folder, the page, the summary
    }

    // A run killed between a group's journal entry and its renames, then undone:
    // every page is as it was before the run, and nothing is left beside them.
    void journalKilledThenUndone() {
        NEED_TOOL("strace");
        Site site;
        for (int i = 0; i < 400; ++i)
            site.page("page" + QByteArray::number(i) + ".html", 6000, i);
        const Snapshot before = snapshot(site.path);
        for (const int when : {1, 170}) {
            const Run run = runCli(site.insert(QString::number(when)),
                                   straced(QStringLiteral("inject=renameat:signal=KILL:when=%1").arg(when)));
            QVERIFY(run.killed);
            const Run undo = runCli({QStringLiteral("undo")});
            QCOMPARE(undo.status, 0);
            QVERIFY(undo.out.contains(when == 1 ? "0 restored" : "169 restored"));
            const Snapshot after = snapshot(site.path);
            QCOMPARE(after.keys(), before.keys());
            for (auto it = before.begin(); it != before.end(); ++it)
                QVERIFY2(after.value(it.key()).bytes == it->bytes, it.key().constData());
        }
    }

    // A journal disk that fills part way: that group and every later page fail,
    // each as it was; the pages before are changed and can be undone.
    void journalDiskFull() {
        NEED_ROOT();
        Site site;
        QTemporaryDir state;
        const QByteArray statePath = QFile::encodeName(state.path());
        if (::mount("tmpfs", statePath.constData(), "tmpfs", 0, "size=1200k,mode=0700") != 0)
            QSKIP("cannot mount a tmpfs here");
        const auto unmount = qScopeGuard([&] { ::umount2(statePath.constData(), MNT_DETACH); });
        // The journal keeps each old text against the new one, a few bytes a page:
        // the disk is filled up to what about a group of pages takes.
        const qint64 room = QStorageInfo(state.path()).bytesAvailable() - 64 * 1024;
        writeFile(QFile::encodeName(state.filePath(QStringLiteral("fill"))), QByteArray(int(room), 'x'));
        for (int i = 0; i < 300; ++i) {
            QByteArray noise(6000, '\0');
            QRandomGenerator(quint32(i))
                .fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
            writeFile(site.file("p" + QByteArray::number(1000 + i) + ".html"),
                      "<html><body><p>" + noise.toBase64() + "</p></body></html>");
        }
        const Snapshot before = snapshot(site.path);
        const QByteArray saved = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", statePath);
        const Run run = runCli(site.insert());
        qputenv("XDG_STATE_HOME", saved);
        QCOMPARE(run.status, 1);
        int inserted = 0;
        int refused = 0;
        for (const QByteArray& line : run.out.split('\n')) {
            const QByteArray name = line.mid(line.lastIndexOf('/') + 1).split(':').front();
            if (line.startsWith("inserted")) {
                QVERIFY2(refused == 0, line.constData());
                ++inserted;
            } else if (line.startsWith("failed")) {
                QVERIFY2(line.contains("the journal cannot be written: ") &&
                             line.endsWith("; use --no-journal"),
                         line.constData());
                QCOMPARE(snapshot(site.path).value(name).bytes, before.value(name).bytes);
                ++refused;
            }
        }
        QVERIFY2(inserted > 0 && refused > 0, run.out.constData());
        qputenv("XDG_STATE_HOME", statePath);
        // The journal's disk is full: the undo keeps none of its own, restores
        // every page, and says that the run cannot be marked undone.
        const Run undo = runCli({QStringLiteral("undo"), QStringLiteral("--no-journal")});
        qputenv("XDG_STATE_HOME", saved);
        QCOMPARE(undo.status, 1);
        QVERIFY2(undo.err.contains("cannot be marked undone: no space left on the journal's disk"),
                 undo.err.constData());
        const Snapshot after = snapshot(site.path);
        for (auto it = before.begin(); it != before.end(); ++it)
            QVERIFY2(after.value(it.key()).bytes == it->bytes, it.key().constData());
    }

private:
    void runOnOneGigabyte(bool limited) {
        Site site;
        {
            const QByteArray chunk = makePage(1 << 20, 7);
            const qsizetype body = chunk.indexOf("<body>") + 8;
            const QByteArray middle = chunk.mid(body, chunk.indexOf("</body>") - body);
            QFile f(QFile::decodeName(site.file("big.html")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(chunk.left(chunk.indexOf("</body>")));
            for (int i = 1; i < 1024; ++i)
                f.write(middle);
            f.write("</body>\r\n</html>\r\n");
        }
        const qint64 size = QFileInfo(QFile::decodeName(site.file("big.html"))).size();
        const QStringList wrapper =
            limited ? QStringList{QStringLiteral("prlimit"), QStringLiteral("--as=%1").arg(512LL << 20)}
                    : QStringList{};
        const Run run = runCli(site.insert(), wrapper, -1, 600000);
        QVERIFY2(!run.killed, run.err.constData());
        QFile f(QFile::decodeName(site.file("big.html")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        if (limited) {
            QCOMPARE(run.status, 1);
            QVERIFY2(run.out.contains("too large"), run.out.constData());
            QCOMPARE(f.size(), size);
        } else {
            QCOMPARE(run.status, 0);
            QVERIFY(f.size() > size);
            f.seek(f.size() - 1000);
            const QByteArray tail = f.read(1000);
            QVERIFY(tail.contains("<!-- END OF TRAFALYTIC CODE -->\r\n</body>\r\n</html>\r\n"));
        }
        QCOMPARE(QDir(site.dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestFaultMatrix)
#include "tst_FaultMatrix.moc"
