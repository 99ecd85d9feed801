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

namespace {

bool byName(const QPair<QString, QByteArray>& a, const QPair<QString, QByteArray>& b) {
    const int order = a.first.compare(b.first, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a.second < b.second;
}

QString errorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Lists the folder open as `fd` (which it closes) into the listing, its files
// under `prefix`; then, when asked, its subfolders.
void listInto(int fd, const QByteArray& prefix, bool subfolders, FolderListing& listing) {
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        listing.unlisted.append({prefix.isEmpty() ? prefix : prefix.chopped(1), errorText(errno)});
        ::close(fd);
        return;
    }
    QList<QPair<QString, QByteArray>> files;
    QList<QPair<QString, QByteArray>> folders;
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.') // hidden files and folders, and the folder and its parent
            continue;
        const QByteArray name(entry->d_name);
        unsigned char type = entry->d_type;
        struct stat st {};
        if (type == DT_UNKNOWN || type == DT_LNK) {
            // Links count as files when they lead to one; they are never entered as folders.
            if (::fstatat(fd, entry->d_name, &st, type == DT_LNK ? 0 : AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            type = S_ISREG(st.st_mode) ? DT_REG : S_ISDIR(st.st_mode) && type != DT_LNK ? DT_DIR : DT_UNKNOWN;
        }
        if (type == DT_REG)
            files.append({QString::fromUtf8(name), name});
        else if (type == DT_DIR && subfolders)
            folders.append({QString::fromUtf8(name), name});
    }
    std::sort(files.begin(), files.end(), byName);
    for (const auto& file : files)
        listing.names.append(prefix + file.second);
    std::sort(folders.begin(), folders.end(), byName);
    for (const auto& folder : folders) {
        const int sub =
            ::openat(fd, folder.second.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (sub < 0)
            listing.unlisted.append({prefix + folder.second, errorText(errno)});
        else
            listInto(sub, prefix + folder.second + '/', true, listing);
    }
    ::closedir(dir);
}

} // namespace

FolderListing listFolder(const QString& folder, bool subfolders) {
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
            listing.reason =
                QStringLiteral("The folder \"%1\" cannot be read: %2.").arg(shown, errorText(error));
        return listing;
    }
    struct stat self {};
    ::fstat(fd, &self);
    listing.id = {static_cast<std::uint64_t>(self.st_dev), static_cast<std::uint64_t>(self.st_ino)};
    listInto(fd, QByteArray(), subfolders, listing);
    if (!listing.unlisted.isEmpty() && listing.unlisted.front().first.isEmpty()) {
        listing.reason = QStringLiteral("The folder \"%1\" cannot be read: %2.")
                             .arg(shown, listing.unlisted.front().second);
        listing.unlisted.clear();
        return listing;
    }
    listing.ok = true;
    return listing;
}

} // namespace platform
