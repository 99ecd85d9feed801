#include "engine/ReportText.h"
#include "platform/FolderListing.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

QString shownName(const QByteArray& name) {
    return QString::fromStdString(engine::reportText(std::string_view(name.constData(), name.size())));
}

FolderListing listFolder(const QString& folder) {
    FolderListing listing;
    const QByteArray path = QFile::encodeName(folder);
    const QString shown = shownName(path);
    if (folder.isEmpty()) {
        listing.reason = QStringLiteral("No folder was given.");
        return listing;
    }
    // The folder is opened once; its entries are looked at through that handle.
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT)
            listing.reason = QStringLiteral("The folder \"%1\" does not exist.").arg(shown);
        else if (error == ENOTDIR)
            listing.reason = QStringLiteral("\"%1\" is not a folder.").arg(shown);
        else
            listing.reason = QStringLiteral("The folder \"%1\" cannot be read: %2.")
                                 .arg(shown, QString::fromLocal8Bit(std::strerror(error)));
        return listing;
    }
    struct stat self {};
    ::fstat(fd, &self);
    const int readFd = ::openat(fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = readFd >= 0 ? ::fdopendir(readFd) : nullptr;
    if (!dir) {
        const int error = errno;
        if (readFd >= 0)
            ::close(readFd);
        ::close(fd);
        listing.reason = QStringLiteral("The folder \"%1\" cannot be read: %2.")
                             .arg(shown, QString::fromLocal8Bit(std::strerror(error)));
        return listing;
    }
    QList<QPair<QString, QByteArray>> found;
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.') // hidden files, and the folder and its parent
            continue;
        // Links count as files when they lead to one; pipes, sockets, devices and
        // links that lead nowhere are system files and stay out.
        struct stat st {};
        if (::fstatat(fd, entry->d_name, &st, 0) != 0 || !S_ISREG(st.st_mode))
            continue;
        const QByteArray name(entry->d_name);
        found.append({QString::fromUtf8(name), name});
    }
    ::closedir(dir);
    ::close(fd);
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        const int order = a.first.compare(b.first, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.second < b.second;
    });
    for (const auto& entry : found)
        listing.names.append(entry.second);
    listing.id = {static_cast<std::uint64_t>(self.st_dev), static_cast<std::uint64_t>(self.st_ino)};
    listing.ok = true;
    return listing;
}

} // namespace platform
