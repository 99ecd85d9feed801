#pragma once

#include "engine/Result.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

namespace files {

// One folder of the journal, opened so that nobody else can have put it there:
// every folder from the state folder down is opened by handle without following
// links, and is used only when the account running owns it and nobody else may
// write to it (a group that is the account's own private group aside); the
// folders the journal makes for itself must also still have the mode it gave
// them (owner only). A folder that fails says why:
// "the journal's folder X is not safe: owned by Y" / "writable by others" / "a link".
class JournalFolder {
public:
    virtual ~JournalFolder() = default;

    // The journal's own folder beneath the state folder; `create` makes what is
    // missing. Without `create`, a journal that does not exist yet fails NotFound.
    static engine::Result<std::unique_ptr<JournalFolder>> open(const QString& stateFolder, bool create);

    virtual QString path() const = 0;

    // A run's folder beneath this one: made new (failing when the name is
    // taken), or opened and checked.
    virtual engine::Result<std::unique_ptr<JournalFolder>> makeFolder(const QString& name) const = 0;
    virtual engine::Result<std::unique_ptr<JournalFolder>> folder(const QString& name) const = 0;
    // The names of the folders in it.
    virtual QStringList folders() const = 0;

    // A file of this folder, opened without following a link. Read: it must be a
    // regular file the account owns that nobody else may write. Write: made new
    // (or, with `replace`, replaced), owner only.
    enum class Open { Read, Create, Replace, Append };
    virtual engine::Result<std::unique_ptr<QFile>> file(const char* name, Open how) const = 0;
    virtual bool exists(const char* name) const = 0;
    // Removes a file; true when it is gone (or was never there).
    virtual bool remove(const char* name) const = 0;
    // Removes a folder in it, with the files it holds.
    virtual void removeFolder(const QString& name) const = 0;
    // The bytes its files take.
    virtual std::uint64_t bytes() const = 0;
    // Its entries reach the disk; false when the system says they may not have.
    virtual bool sync() const = 0;

    // The folder's lock, held until released or the folder is closed: `wait`
    // waits for another holder, else a lock held elsewhere fails at once.
    virtual bool lock(bool wait) = 0;
    virtual void unlock() = 0;
};

// The reason a failed write gives: "no space left on the journal's disk" where
// that is why, else the system's words.
QString writeFailure(const QFile& file);

} // namespace files
