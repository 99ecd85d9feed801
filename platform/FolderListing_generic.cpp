#include "engine/ReportText.h"
#include "platform/FolderListing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace platform {

QString shownName(const QByteArray& name) {
    return QString::fromStdString(engine::reportText(std::string_view(name.constData(), name.size())));
}

FolderListing listFolder(const QString& folder) {
    FolderListing listing;
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.exists()) {
        listing.reason = QStringLiteral("The folder \"%1\" does not exist.").arg(folder);
        return listing;
    }
    if (!info.isDir() || !info.isReadable()) {
        listing.reason = QStringLiteral("\"%1\" is not a folder that can be read.").arg(folder);
        return listing;
    }
    // Without QDir::Hidden and QDir::System, hidden and system files stay out.
    for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase))
        listing.names.append(QFile::encodeName(name));
    listing.ok = true;
    return listing;
}

} // namespace platform
