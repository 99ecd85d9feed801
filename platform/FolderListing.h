#pragma once

#include "engine/PageFiles.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace platform {

// The files of a folder as the page list shows them: files only (links to
// files included), no hidden or system files, read-only files listed, sorted
// without regard to letter case.
struct FolderListing {
    bool ok = false;
    QString reason; // when !ok: why the folder could not be listed
    // The names as the file system holds them (bytes, which need not be valid
    // UTF-8), in the list's order.
    QList<QByteArray> names;
    engine::FolderId id; // the folder that was listed
};

FolderListing listFolder(const QString& folder);

// A name as lists and reports show it: one line, control characters, bytes
// that are not UTF-8 and bidirectional controls escaped.
QString shownName(const QByteArray& name);

} // namespace platform
