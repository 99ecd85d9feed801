#include "FaultKit.h"

#include "engine/PageRewriter.h"
#include "engine/ReportText.h"
#include "engine/TrackingBlock.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <csignal>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace faultkit {

Snapshot snapshot(const QByteArray& folder) {
    Snapshot shot;
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return shot;
    while (dirent* d = ::readdir(dir)) {
        const QByteArray name(d->d_name);
        if (name == "." || name == "..")
            continue;
        const QByteArray path = folder + '/' + name;
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0)
            continue;
        Entry e;
        e.mode = st.st_mode;
        e.uid = st.st_uid;
        e.gid = st.st_gid;
        e.inode = st.st_ino;
        e.links = st.st_nlink;
        e.link = S_ISLNK(st.st_mode);
        e.regular = S_ISREG(st.st_mode);
        if (e.link) {
            char target[4096];
            const ssize_t n = ::readlink(path.constData(), target, sizeof target);
            e.linkTarget = QByteArray(target, n > 0 ? int(n) : 0);
        } else if (e.regular) {
            e.bytes = readFile(path);
        }
        shot.insert(name, e);
    }
    ::closedir(dir);
    return shot;
}

QByteArray readFile(const QByteArray& path) {
    QFile f(QFile::decodeName(path));
    // Names that do not decode are read below Qt.
    if (QFile::encodeName(QFile::decodeName(path)) != path) {
        QByteArray bytes;
        if (FILE* fp = std::fopen(path.constData(), "rb")) {
            char buffer[65536];
            size_t n;
            while ((n = std::fread(buffer, 1, sizeof buffer, fp)) > 0)
                bytes.append(buffer, qsizetype(n));
            std::fclose(fp);
        }
        return bytes;
    }
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QByteArray& path, const QByteArray& bytes) {
    if (FILE* fp = std::fopen(path.constData(), "wb")) {
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), fp);
        std::fclose(fp);
    }
}

QByteArray makePage(int size, int seed) {
    QByteArray page =
        "<html>\r\n<head><title>Page " + QByteArray::number(seed) + "</title></head>\r\n<body>\r\n";
    while (page.size() + 40 < size)
        page += "<p>Lorem ipsum " + QByteArray::number(seed) + " dolor sit amet.</p>\r\n";
    return page + "</body>\r\n</html>\r\n";
}

Run runCli(const QStringList& arguments, const QStringList& wrapper, int killAfterMs, int timeoutMs) {
    Run run;
    QProcess process;
    QStringList all = wrapper;
    all << QStringLiteral(INSERTER_CLI) << arguments;
    // Another account keeps its journal in a folder of its own, which it makes
    // in one it may write.
    QTemporaryDir state;
    if (wrapper.contains(QStringLiteral("setpriv"))) {
        ::chmod(QFile::encodeName(state.path()).constData(), 01777);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_STATE_HOME"), state.filePath(QStringLiteral("state")));
        process.setProcessEnvironment(environment);
    }
    process.start(all.front(), all.mid(1));
    if (!process.waitForStarted(10000))
        return run;
    if (killAfterMs >= 0) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < killAfterMs && process.state() == QProcess::Running)
            process.waitForFinished(1);
        if (process.state() == QProcess::Running) {
            ::kill(pid_t(process.processId()), SIGKILL);
            run.killed = true;
        }
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        run.killed = true;
    }
    if (process.exitStatus() == QProcess::CrashExit)
        run.killed = true;
    run.status = run.killed ? -1 : process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    static const QRegularExpression lineShape(
        QStringLiteral("^(would be )?(inserted|replaced|removed|unchanged|skipped|failed) +(.*?)(: (.*))?$"));
    for (const QByteArray& line : run.out.split('\n')) {
        const auto m = lineShape.match(QString::fromUtf8(line));
        if (m.hasMatch())
            run.outcomes.insert(m.captured(3), m.captured(2));
    }
    return run;
}

QByteArray expectedText(const QByteArray& old, const QByteArray& name, bool insert, const QString& site,
                        bool secure) {
    const std::string text = old.toStdString();
    const auto block = engine::buildTrackingBlock(
        engine::Site::parse(site.toStdString()), secure ? engine::Protocol::Secure : engine::Protocol::Normal,
        name.toStdString());
    const engine::Result<engine::RewritePlan> plan = engine::planRewrite(
        text, insert ? engine::Mode::Insert : engine::Mode::Remove, *block, name.toStdString());
    if (!plan || !plan->changed || (!insert && plan->blocksRemoved == 0))
        return old;
    return QByteArray::fromStdString(plan->text(text));
}

namespace {

// The page line for a file: the tool prints the path as the listing decoded it.
QString outcomeFor(const Run& run, const QByteArray& folder, const QByteArray& name) {
    const auto shown = [](const QByteArray& bytes) {
        return QString::fromStdString(engine::reportText(bytes.toStdString()));
    };
    const QString decoded = shown(folder + '/' + name);
    for (auto it = run.outcomes.begin(); it != run.outcomes.end(); ++it) {
        if (it.key() == decoded || it.key().endsWith(QLatin1Char('/') + shown(name)))
            return it.value();
    }
    return {};
}

} // namespace

QStringList check(const QByteArray& folder, const Snapshot& before, const Snapshot& after, const Run& run,
                  const Promise& promise) {
    QStringList broken;
    const auto say = [&](const QByteArray& name, const QString& what) {
        broken << QStringLiteral("%1: %2").arg(QString::fromUtf8(name.toPercentEncoding("/ ")), what);
    };
    bool anyFailed = false;

    for (auto it = before.begin(); it != before.end(); ++it) {
        const QByteArray& name = it.key();
        const Entry& old = it.value();
        if (!after.contains(name)) {
            say(name, QStringLiteral("missing afterwards"));
            continue;
        }
        const Entry& now = after[name];
        if (old.link != now.link || old.linkTarget != now.linkTarget) {
            say(name, QStringLiteral("link changed"));
            continue;
        }
        const bool chosen = promise.chosen.contains(name);
        if (!chosen) {
            if (old.regular && (now.bytes != old.bytes || now.inode != old.inode))
                say(name, QStringLiteral("not chosen, yet changed"));
            continue;
        }
        if (!old.regular || old.link)
            continue; // links and special files are judged through their targets
        const QByteArray should = expectedText(old.bytes, name, promise.insert, promise.site);
        const QString outcome = outcomeFor(run, folder, name);
        anyFailed = anyFailed || outcome == QLatin1String("failed");
        if (now.bytes != old.bytes && now.bytes != should) {
            say(name, QStringLiteral("neither old nor new (%1 bytes, old %2, new %3)")
                          .arg(now.bytes.size())
                          .arg(old.bytes.size())
                          .arg(should.size()));
            continue;
        }
        if ((now.mode & 07777) != (old.mode & 07777) || now.uid != old.uid || now.gid != old.gid)
            say(name, QStringLiteral("mode or owner changed"));
        if (promise.killed)
            continue;
        // A page reached through a link earlier in the run is named as already handled.
        const bool throughLink =
            outcome == QLatin1String("skipped") &&
            run.out.contains(QByteArray(folder + '/' + name + ": the same file as a page already handled"));
        if (now.bytes != old.bytes && !throughLink &&
            !QStringList{QStringLiteral("inserted"), QStringLiteral("replaced"), QStringLiteral("removed")}
                 .contains(outcome))
            say(name, QStringLiteral("changed but reported as \"%1\"").arg(outcome));
        if (now.bytes == old.bytes && should != old.bytes && outcome != QLatin1String("failed") &&
            outcome != QLatin1String("skipped"))
            say(name, QStringLiteral("not changed but reported as \"%1\"").arg(outcome));
    }

    for (auto it = after.begin(); it != after.end(); ++it) {
        if (before.contains(it.key()))
            continue;
        // A kill between the link of the new text and its rename leaves it under a
        // temporary name: whole, never partial.
        bool whole = false;
        if (promise.strayTempAllowed) {
            for (const QByteArray& name : promise.chosen) {
                if (it.key().startsWith(".code-inserter-") &&
                    it->bytes == expectedText(before.value(name).bytes, name, promise.insert, promise.site))
                    whole = true;
            }
        }
        if (!whole)
            say(it.key(), QStringLiteral("left behind"));
    }

    if (!promise.killed && run.status != (anyFailed ? 1 : 0))
        broken << QStringLiteral("exit status %1 with%2 failed pages")
                      .arg(run.status)
                      .arg(anyFailed ? QString() : QStringLiteral("out"));
    return broken;
}

bool haveTool(const char* name) {
    return !QStandardPaths::findExecutable(QLatin1String(name)).isEmpty();
}

QString toolRefusal(const char* name) {
    if (!haveTool(name))
        return QStringLiteral("needs %1").arg(QLatin1String(name));
    // Present is not enough: strace needs ptrace, which containers may forbid;
    // prlimit and setpriv need the kernel's leave.
    static QMap<QString, QString> known;
    const QString tool = QLatin1String(name);
    if (known.contains(tool))
        return known[tool];
    QStringList trial;
    if (tool == QLatin1String("strace"))
        trial = {QStringLiteral("strace"), QStringLiteral("-o"), QStringLiteral("/dev/null"),
                 QStringLiteral("true")};
    else if (tool == QLatin1String("prlimit"))
        trial = {QStringLiteral("prlimit"), QStringLiteral("--nofile=256:256"), QStringLiteral("true")};
    else if (tool == QLatin1String("setpriv"))
        trial = {QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                 QStringLiteral("--clear-groups"), QStringLiteral("true")};
    QString refusal;
    if (!trial.isEmpty()) {
        QProcess process;
        process.start(trial.front(), trial.mid(1));
        if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0)
            refusal = QStringLiteral("%1 is present but not allowed here: %2")
                          .arg(tool, QString::fromLocal8Bit(process.readAllStandardError()).trimmed());
    }
    known[tool] = refusal;
    return refusal;
}

bool isRoot() {
    return ::geteuid() == 0;
}

QList<QByteArray> syscallTargets(const QStringList& arguments, const char* syscall) {
    QTemporaryFile log;
    log.open();
    QProcess process;
    QStringList all{
        QStringLiteral("-f"),        QStringLiteral("-qq"),
        QStringLiteral("-o"),        log.fileName(),
        QStringLiteral("-e"),        QStringLiteral("trace=openat,close,%1").arg(QLatin1String(syscall)),
        QStringLiteral(INSERTER_CLI)};
    all << arguments;
    process.start(QStringLiteral("strace"), all);
    process.waitForFinished(120000);

    QList<QByteArray> targets;
    QMap<int, QByteArray> open;
    static const QRegularExpression openat(QStringLiteral("openat\\(([^,]+), \"([^\"]*)\",.*\\) = (\\d+)"));
    static const QRegularExpression close(QStringLiteral("close\\((\\d+)\\)"));
    const QRegularExpression call(QStringLiteral("%1\\((\\d+)[,)]").arg(QLatin1String(syscall)));
    for (const QByteArray& raw : log.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw);
        if (auto m = openat.match(line); m.hasMatch()) {
            // A name opened in a folder's handle stands for a path in that folder.
            const QByteArray name = m.captured(2).toUtf8();
            const QByteArray in = open.value(m.captured(1).toInt());
            open[m.captured(3).toInt()] = name.startsWith('/') || in.isEmpty() ? name : in + '/' + name;
        } else if (auto called = call.match(line); called.hasMatch()) {
            targets << open.value(called.captured(1).toInt());
        } else if (auto closed = close.match(line); closed.hasMatch()) {
            open.remove(closed.captured(1).toInt());
        }
    }
    return targets;
}

} // namespace faultkit
