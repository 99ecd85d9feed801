#include "files/JournalFolder.h"

#include <QDir>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

using engine::Failure;

constexpr mode_t FolderMode = 0700;
constexpr mode_t FileMode = 0600;

QString accountName(uid_t uid) {
    if (const passwd* entry = ::getpwuid(uid); entry && entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    return QString::number(uid);
}

// A group that holds the account alone: its own private group, as many systems
// give each account.
bool privateGroup(gid_t gid) {
    const group* entry = ::getgrgid(gid);
    const passwd* account = ::getpwuid(::geteuid());
    return gid == ::getegid() && entry && account && entry->gr_name && account->pw_name &&
           std::strcmp(entry->gr_name, account->pw_name) == 0 && (!entry->gr_mem || !entry->gr_mem[0]);
}

Failure unsafe(const QString& what, const QString& path, const QString& why) {
    return Failure{Failure::Kind::Journal, QStringLiteral("the journal's %1 %2 is not safe: %3")
                                               .arg(what, QDir::toNativeSeparators(path), why)
                                               .toStdString()};
}

// What makes an opened folder or file one the account cannot trust, if anything.
QString distrust(const struct stat& info, bool ownMode) {
    if (info.st_uid != ::geteuid())
        return QStringLiteral("owned by %1").arg(accountName(info.st_uid));
    if ((info.st_mode & S_IWOTH) || ((info.st_mode & S_IWGRP) && !privateGroup(info.st_gid)))
        return QStringLiteral("writable by others");
    if (ownMode && (info.st_mode & 077))
        return QStringLiteral("readable by others");
    return {};
}

// Why opening a name without following links failed.
QString openFailure(int dir, const QByteArray& name, int error) {
    struct stat info {};
    if ((error == ELOOP || error == ENOTDIR || error == EMLINK) &&
        ::fstatat(dir, name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(info.st_mode))
        return QStringLiteral("a link");
    if (error == ENOTDIR)
        return QStringLiteral("not a folder");
    return QString::fromLocal8Bit(std::strerror(error));
}

class PosixFolder final : public JournalFolder {
public:
    PosixFolder(int fd, QString path)
        : m_fd(fd)
        , m_path(std::move(path)) {}
    ~PosixFolder() override { ::close(m_fd); }
    PosixFolder(const PosixFolder&) = delete;
    PosixFolder& operator=(const PosixFolder&) = delete;

    // The folder `name` beneath `dir` (AT_FDCWD with a path for the first),
    // opened without following a link and checked.
    static engine::Result<std::unique_ptr<JournalFolder>> openChecked(int dir, const QString& shown,
                                                                      const QByteArray& name, bool ownMode) {
        const int fd = ::openat(dir, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            const int error = errno;
            if (error == ENOENT)
                return Failure{Failure::Kind::NotFound, "there is no folder " + shown.toStdString()};
            const QString why = openFailure(dir, name, error);
            if (why != QLatin1String("a link"))
                return Failure{Failure::Kind::Journal, QStringLiteral("%1 cannot be opened: %2")
                                                           .arg(QDir::toNativeSeparators(shown), why)
                                                           .toStdString()};
            return unsafe(QStringLiteral("folder"), shown, why);
        }
        auto folder = std::make_unique<PosixFolder>(fd, shown);
        struct stat info {};
        if (::fstat(fd, &info) != 0)
            return unsafe(QStringLiteral("folder"), shown, QString::fromLocal8Bit(std::strerror(errno)));
        if (const QString why = distrust(info, ownMode); !why.isEmpty())
            return unsafe(QStringLiteral("folder"), shown, why);
        return engine::Result<std::unique_ptr<JournalFolder>>(std::move(folder));
    }

    // `name` beneath this folder, made first when `create` and missing.
    engine::Result<std::unique_ptr<JournalFolder>> child(const QString& name, bool create, bool fresh) const {
        const QByteArray local = QFile::encodeName(name);
        if (create && ::mkdirat(m_fd, local.constData(), FolderMode) != 0 && (fresh || errno != EEXIST)) {
            const int error = errno;
            return Failure{error == EEXIST ? Failure::Kind::System : Failure::Kind::Journal,
                           QStringLiteral("the folder %1 cannot be created: %2")
                               .arg(QDir::toNativeSeparators(m_path + QLatin1Char('/') + name),
                                    error == ENOSPC ? QStringLiteral("no space left on the journal's disk")
                                                    : QString::fromLocal8Bit(std::strerror(error)))
                               .toStdString()};
        }
        return openChecked(m_fd, m_path + QLatin1Char('/') + name, local, true);
    }

    QString path() const override { return m_path; }

    engine::Result<std::unique_ptr<JournalFolder>> makeFolder(const QString& name) const override {
        return child(name, true, true);
    }
    engine::Result<std::unique_ptr<JournalFolder>> folder(const QString& name) const override {
        return child(name, false, false);
    }
    engine::Result<std::unique_ptr<JournalFolder>> folderMade(const QString& name) const {
        return child(name, true, false);
    }

    QStringList folders() const override { return entries(true); }

    engine::Result<std::unique_ptr<QFile>> file(const char* name, Open how) const override {
        int flags = O_CLOEXEC | O_NOFOLLOW;
        flags |= how == Open::Read     ? O_RDONLY
                 : how == Open::Create ? O_WRONLY | O_CREAT | O_EXCL
                 : how == Open::Append ? O_WRONLY | O_APPEND
                                       : O_WRONLY | O_CREAT | O_TRUNC;
        const QString shown = m_path + QLatin1Char('/') + QLatin1String(name);
        const int fd = ::openat(m_fd, name, flags, FileMode);
        if (fd < 0) {
            const int error = errno;
            if (error == ENOENT)
                return Failure{Failure::Kind::NotFound, "there is no file " + shown.toStdString()};
            if (error == ENOSPC)
                return Failure{Failure::Kind::Journal, "no space left on the journal's disk"};
            return unsafe(QStringLiteral("file"), shown, openFailure(m_fd, name, error));
        }
        auto file = std::make_unique<QFile>();
        struct stat info {};
        QString why = ::fstat(fd, &info) != 0  ? QString::fromLocal8Bit(std::strerror(errno))
                      : !S_ISREG(info.st_mode) ? QStringLiteral("not a file")
                                               : distrust(info, false);
        const auto mode =
            how == Open::Read ? QIODevice::ReadOnly : QIODevice::WriteOnly | QIODevice::Unbuffered;
        if (why.isEmpty() &&
            !file->open(fd, mode | (how == Open::Append ? QIODevice::Append : QIODevice::NotOpen),
                        QFileDevice::AutoCloseHandle))
            why = file->errorString();
        if (!why.isEmpty()) {
            if (!file->isOpen())
                ::close(fd);
            return unsafe(QStringLiteral("file"), shown, why);
        }
        return file;
    }

    bool exists(const char* name) const override {
        struct stat info {};
        return ::fstatat(m_fd, name, &info, AT_SYMLINK_NOFOLLOW) == 0;
    }

    bool remove(const char* name) const override {
        // Gone already is as good as removed.
        return ::unlinkat(m_fd, name, 0) == 0 || errno == ENOENT;
    }

    void removeFolder(const QString& name) const override {
        const QByteArray local = QFile::encodeName(name);
        const int fd = ::openat(m_fd, local.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            return;
        const PosixFolder run(fd, m_path + QLatin1Char('/') + name);
        // A run's folder holds files alone; what cannot be removed stays, and so
        // does the folder then.
        for (const QString& file : run.entries(false))
            (void)::unlinkat(fd, QFile::encodeName(file).constData(), 0);
        (void)::unlinkat(m_fd, local.constData(), AT_REMOVEDIR);
    }

    std::uint64_t bytes() const override {
        std::uint64_t total = 0;
        for (const QString& name : entries(false)) {
            struct stat info {};
            if (::fstatat(m_fd, QFile::encodeName(name).constData(), &info, AT_SYMLINK_NOFOLLOW) == 0)
                total += std::uint64_t(info.st_size);
        }
        return total;
    }

    bool sync() const override { return ::fsync(m_fd) == 0; }

    bool lock(bool wait) override {
        int result = 0;
        do {
            result = ::flock(m_fd, LOCK_EX | (wait ? 0 : LOCK_NB));
        } while (result != 0 && errno == EINTR);
        return result == 0;
    }
    void unlock() override { (void)::flock(m_fd, LOCK_UN); }

private:
    // The names of its folders, or of everything else.
    QStringList entries(bool wantFolders) const {
        QStringList names;
        const int fd = ::openat(m_fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        DIR* dir = fd < 0 ? nullptr : ::fdopendir(fd);
        if (!dir) {
            if (fd >= 0)
                ::close(fd);
            return names;
        }
        while (const dirent* entry = ::readdir(dir)) {
            if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
                continue;
            struct stat info {};
            if (::fstatat(m_fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            if (S_ISDIR(info.st_mode) == wantFolders)
                names.push_back(QFile::decodeName(entry->d_name));
        }
        ::closedir(dir);
        return names;
    }

    int m_fd;
    QString m_path;
};

// Makes the state folder and those above it that are missing, owner only.
void makeStateFolder(const QByteArray& path) {
    if (path.isEmpty() || ::mkdir(path.constData(), FolderMode) == 0 || errno != ENOENT)
        return;
    const qsizetype slash = path.lastIndexOf('/');
    if (slash <= 0)
        return;
    makeStateFolder(path.left(slash));
    (void)::mkdir(path.constData(), FolderMode);
}

} // namespace

engine::Result<std::unique_ptr<JournalFolder>> JournalFolder::open(const QString& stateFolder, bool create) {
    const QString state = QDir::cleanPath(stateFolder);
    const QByteArray local = QFile::encodeName(state);
    if (create)
        makeStateFolder(local);
    // The folders above the state folder are the system's and the account's own:
    // only the state folder and those beneath it must be the account's alone.
    engine::Result<std::unique_ptr<JournalFolder>> top =
        PosixFolder::openChecked(AT_FDCWD, state, local, false);
    if (!top)
        return top;
    const auto& opened = static_cast<const PosixFolder&>(**top);
    engine::Result<std::unique_ptr<JournalFolder>> program =
        create ? opened.folderMade(QStringLiteral("code-inserter"))
               : opened.folder(QStringLiteral("code-inserter"));
    if (!program)
        return program;
    const auto& inner = static_cast<const PosixFolder&>(**program);
    return create ? inner.folderMade(QStringLiteral("journal")) : inner.folder(QStringLiteral("journal"));
}

QString writeFailure(const QFile& file) {
    // The system's own words, when Qt has none ("Unknown error").
    const int error = errno;
    if (error == ENOSPC || error == EDQUOT)
        return QStringLiteral("no space left on the journal's disk");
    if (file.error() == QFileDevice::NoError || file.errorString() == QLatin1String("Unknown error"))
        return QString::fromLocal8Bit(std::strerror(error));
    return file.errorString();
}

} // namespace files
