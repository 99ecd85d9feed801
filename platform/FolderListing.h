#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace platform {

// The file names of a folder as the page list shows them: files only (links to
// files included), no hidden or system files, read-only files listed, sorted
// without regard to letter case.
struct FolderListing {
    bool ok = false;
    QStringList names;
    QString reason; // when !ok: why the folder could not be listed
    // Files the listing above cannot name: their names are not valid in the
    // system's encoding (raw bytes). They are reported, never rewritten.
    QList<QByteArray> undecodable;
};

FolderListing listFolder(const QString& folder);

} // namespace platform
