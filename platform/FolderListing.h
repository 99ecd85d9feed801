#pragma once

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
};

FolderListing listFolder(const QString& folder);

} // namespace platform
