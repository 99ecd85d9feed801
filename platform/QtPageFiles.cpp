#include "platform/QtPageFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

#ifdef Q_OS_UNIX

engine::FileStamp stampOf(const struct stat& st) {
    engine::FileStamp stamp;
    stamp.device = static_cast<std::uint64_t>(st.st_dev);
    stamp.inode = static_cast<std::uint64_t>(st.st_ino);
    stamp.size = static_cast<std::uint64_t>(st.st_size);
    stamp.modifiedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    stamp.changedNs = static_cast<std::int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    return stamp;
}

bool sameStamp(const engine::FileStamp& a, const engine::FileStamp& b) {
    return a.device == b.device && a.inode == b.inode && a.size == b.size && a.modifiedNs == b.modifiedNs &&
           a.changedNs == b.changedNs;
}

std::string kindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a named pipe";
    if (S_ISSOCK(mode))
        return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    return "a special file";
}

std::string errnoReason(int error) {
    if (error == ENOENT)
        return "the page no longer exists";
    if (error == EACCES || error == EPERM)
        return "permission denied";
    return std::strerror(error);
}

std::string folderOf(const std::string& file) {
    return localPath(QFileInfo(QFile::decodeName(QByteArray::fromStdString(file))).absolutePath());
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

#endif

} // namespace

engine::PageRead QtPageFiles::read(const std::string& folder, const std::string& path,
                                   std::string& contents) {
    using Status = engine::PageRead::Status;
    engine::PageRead result;
    const QString qpath = QFile::decodeName(QByteArray::fromStdString(path));
    const QFileInfo info(qpath);

    result.target = path;
    if (info.isSymLink()) {
        const QString target = info.canonicalFilePath();
        if (target.isEmpty()) {
            result.reason = "a symbolic link that leads to no file";
            return result;
        }
        const QString root = QDir(QFile::decodeName(QByteArray::fromStdString(folder))).canonicalPath();
        if (root.isEmpty() ||
            !target.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'))) {
            result.status = Status::OutsideFolder;
            result.reason = "a symbolic link to " + localPath(target) + ", outside the chosen folder";
            return result;
        }
        result.target = localPath(target);
        result.pageName = localPath(QFileInfo(target).fileName());
    }

#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(result.target.c_str(), &st) != 0) {
        const int error = errno;
        // A name that is not valid UTF-8 reaches us already altered by the listing.
        result.reason = error == ENOENT && qpath.contains(QChar::ReplacementCharacter)
                            ? "its name is not valid UTF-8 text, so it cannot be opened; rename the file"
                            : errnoReason(error);
        return result;
    }
    if (!S_ISREG(st.st_mode)) {
        result.status = Status::NotRegular;
        result.reason = kindOf(st.st_mode) + ", not a web page";
        return result;
    }
    // O_NONBLOCK: should the name have turned into a pipe since, opening must not hang.
    const int fd = ::open(result.target.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        result.reason = errnoReason(errno);
        return result;
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || opened.st_dev != st.st_dev || opened.st_ino != st.st_ino ||
        !S_ISREG(opened.st_mode)) {
        ::close(fd);
        result.reason = "the page changed while it was being read";
        return result;
    }
    try {
        contents.resize(static_cast<std::size_t>(opened.st_size));
        std::size_t have = 0;
        char probe[4096];
        while (true) {
            // Read straight into the page buffer; once it is full, probe for growth
            // before enlarging it, so that a page is never held twice.
            const bool full = have == contents.size();
            char* into = full ? probe : contents.data() + have;
            const std::size_t room = full ? sizeof probe : contents.size() - have;
            const ssize_t n = ::read(fd, into, room);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                const int error = errno;
                ::close(fd);
                contents.clear();
                result.reason = "reading failed: " + errnoReason(error);
                return result;
            }
            if (n == 0)
                break;
            if (full)
                contents.append(probe, static_cast<std::size_t>(n)); // it grew since fstat
            have += static_cast<std::size_t>(n);
        }
        contents.resize(have);
    } catch (...) {
        ::close(fd);
        contents.clear();
        contents.shrink_to_fit();
        throw;
    }
    struct stat after {};
    ::fstat(fd, &after);
    ::close(fd);
    if (static_cast<std::uint64_t>(after.st_size) != contents.size()) {
        result.reason = "the page changed while it was being read";
        return result;
    }
    result.stamp = stampOf(after);
    result.links = static_cast<std::uint64_t>(after.st_nlink);
    result.writable = (after.st_mode & S_IWUSR) != 0 && ::access(result.target.c_str(), W_OK) == 0;
#else
    if (!info.isFile()) {
        result.status = Status::NotRegular;
        result.reason = "not a regular file, not a web page";
        return result;
    }
    QFile file(QFile::decodeName(QByteArray::fromStdString(result.target)));
    if (!file.open(QIODevice::ReadOnly)) {
        result.reason = file.errorString().toStdString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    contents.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const QFileInfo targetInfo(file.fileName());
    result.stamp.size = static_cast<std::uint64_t>(targetInfo.size());
    result.stamp.modifiedNs = targetInfo.lastModified().toMSecsSinceEpoch() * 1000000;
    result.writable = targetInfo.isWritable();
#endif
    result.identity =
        localPath(QFileInfo(QFile::decodeName(QByteArray::fromStdString(result.target))).canonicalFilePath());
    result.status = Status::Ok;
    return result;
}

namespace {

// Writes the pieces in order; empty on success, else the reason.
std::string writePieces(QFileDevice& file, const std::vector<std::string_view>& pieces) {
    for (const auto piece : pieces) {
        qint64 written = 0;
        while (written < static_cast<qint64>(piece.size())) {
            const qint64 n = file.write(piece.data() + written, static_cast<qint64>(piece.size()) - written);
            if (n <= 0)
                return "writing failed: " + file.errorString().toStdString();
            written += n;
        }
    }
    if (!file.flush())
        return "writing failed: " + file.errorString().toStdString();
    return {};
}

} // namespace

#ifdef Q_OS_UNIX

std::string QtPageFiles::replace(const engine::PageRead& read, const std::vector<std::string_view>& pieces) {
    const auto unchanged = [&]() {
        struct stat now {};
        return ::stat(read.target.c_str(), &now) == 0 && sameStamp(stampOf(now), read.stamp);
    };
    const std::string changedReason =
        "the page changed on disk while it was being rewritten; it was left as it is";
    struct stat st {};
    if (::stat(read.target.c_str(), &st) != 0 || !sameStamp(stampOf(st), read.stamp))
        return changedReason;

    // The new text goes to a hidden temporary file beside the page: short enough for
    // any page name, never listed as a page, and removed again on every failure.
    const std::string folder = folderOf(read.target);
    QTemporaryFile temp(QFile::decodeName(QByteArray::fromStdString(folder)) +
                        QStringLiteral("/.code-inserter-XXXXXX"));
    if (!temp.open())
        return "cannot create a temporary file beside the page: " + temp.errorString().toStdString();
    if (std::string reason = writePieces(temp, pieces); !reason.empty())
        return reason;
    // Keep owner, group and mode; chown is allowed only to some users, which is fine.
    if (::fchown(temp.handle(), st.st_uid, st.st_gid) != 0)
        (void)::fchown(temp.handle(), static_cast<uid_t>(-1), st.st_gid);
    (void)::fchmod(temp.handle(), st.st_mode & 07777);
    // The new text must be on disk before it takes the page's name.
    if (::fsync(temp.handle()) != 0)
        return std::string("saving to disk failed: ") + std::strerror(errno);
    if (!unchanged())
        return changedReason;
    const QByteArray tempName = QFile::encodeName(temp.fileName());
    if (::rename(tempName.constData(), read.target.c_str()) != 0)
        return std::string("replacing the page failed: ") + std::strerror(errno);
    temp.setAutoRemove(false); // it is the page now
    m_foldersToSync.insert(folder);
    return {};
}

#else

std::string QtPageFiles::replace(const engine::PageRead& read, const std::vector<std::string_view>& pieces) {
    QSaveFile file(QFile::decodeName(QByteArray::fromStdString(read.target)));
    if (!file.open(QIODevice::WriteOnly))
        return "cannot create a temporary file beside the page: " + file.errorString().toStdString();
    if (std::string reason = writePieces(file, pieces); !reason.empty()) {
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return "replacing the page failed: " + file.errorString().toStdString();
    return {};
}

#endif

void QtPageFiles::finish() {
#ifdef Q_OS_UNIX
    for (const std::string& folder : m_foldersToSync)
        syncFolder(folder);
#endif
    m_foldersToSync.clear();
}

QtPageFiles::~QtPageFiles() {
    finish();
}

} // namespace platform
