#include "platform/FolderListing.h"

#include <QDir>
#include <QFileInfo>

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
    return listing;
}

} // namespace platform
