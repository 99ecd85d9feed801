#include "platform/FolderListing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace platform {

FolderListing listFolder(const QString& folder) {
    FolderListing listing;
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.exists()) {
        listing.reason = QStringLiteral("The folder \"%1\" does not exist.").arg(folder);
        return listing;
    }
    if (!info.isDir()) {
        listing.reason = QStringLiteral("\"%1\" is not a folder.").arg(folder);
        return listing;
    }
    if (!info.isReadable()) {
        listing.reason = QStringLiteral("The folder \"%1\" cannot be read.").arg(folder);
        return listing;
    }
    const QDir dir(folder);
    // Without QDir::Hidden and QDir::System, dot-files and special files stay out.
    listing.names = dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    listing.ok = true;
#ifdef Q_OS_UNIX
    // QDir passes over names that do not decode; find them so they can be reported.
    const QByteArray path = QFile::encodeName(folder);
    if (DIR* d = ::opendir(path.constData())) {
        while (const dirent* entry = ::readdir(d)) {
            const QByteArray name(entry->d_name);
            if (name.startsWith('.') || QFile::encodeName(QFile::decodeName(name)) == name)
                continue;
            struct stat st {};
            if (::stat(QByteArray(path + '/' + name).constData(), &st) == 0 && S_ISREG(st.st_mode))
                listing.undecodable.append(name);
        }
        ::closedir(d);
    }
#endif
    return listing;
}

} // namespace platform
