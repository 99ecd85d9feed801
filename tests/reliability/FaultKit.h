#pragma once

// Tools of the fault matrix: snapshots of a folder taken below Qt (raw names, inode
// data), runs of the real command-line tool with or without a fault injected, and
// the check of the promise: every chosen page is afterwards exactly as it was or
// exactly as it should be, nothing else changed, nothing left behind, and every
// page not changed is named with a reason.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <sys/types.h>

namespace faultkit {

struct Entry {
    QByteArray bytes; // file contents (regular files and link targets that are files)
    mode_t mode = 0;
    uid_t uid = 0;
    gid_t gid = 0;
    ino_t inode = 0;
    nlink_t links = 0;
    bool link = false;
    QByteArray linkTarget;
    bool regular = false;
};

// Every name of a folder (raw bytes), with what lstat and a read say of it.
using Snapshot = QMap<QByteArray, Entry>;
Snapshot snapshot(const QByteArray& folder);

struct Run {
    int status = -1; // exit status; -1 when killed or not started
    bool killed = false;
    QByteArray out;
    QByteArray err;
    // outcome word by path (decoded), from the tool's page lines
    QMap<QString, QString> outcomes;
};

// Runs code-inserter-cli with arguments, behind an optional wrapper command
// (strace, setpriv, prlimit, ...). killAfterMs >= 0 sends SIGKILL after that time.
Run runCli(const QStringList& arguments, const QStringList& wrapper = {}, int killAfterMs = -1,
           int timeoutMs = 120000);

// What the page should read after a run: the engine's own rewrite of its old text.
// Empty optional-like: returns old bytes when the page would not change.
QByteArray expectedText(const QByteArray& old, const QByteArray& name, bool insert, const QString& site,
                        bool secure = false);

struct Promise {
    QList<QByteArray> chosen; // names the run was asked to change
    bool insert = true;
    QString site = QStringLiteral("12345");
    bool killed = false;           // no output to hold against the files
    bool strayTempAllowed = false; // a kill at a rename may leave the new text under a temporary name
};

// Checks the promise; returns a list of broken promises (empty when kept).
QStringList check(const QByteArray& folder, const Snapshot& before, const Snapshot& after, const Run& run,
                  const Promise& promise);

bool haveTool(const char* name);
// Why a scenario cannot use the tool here (missing, or present but not allowed to
// work); empty when it can.
QString toolRefusal(const char* name);
bool isRoot();
QByteArray makePage(int size, int seed);
void writeFile(const QByteArray& path, const QByteArray& bytes);
QByteArray readFile(const QByteArray& path);

// Runs the tool once under strace and returns, for each call of `syscall` in
// order, the path of the file its descriptor was opened from (empty for others).
QList<QByteArray> syscallTargets(const QStringList& arguments, const char* syscall);

} // namespace faultkit
