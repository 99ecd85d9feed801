#pragma once

#include "engine/PageFiles.h"
#include "engine/Result.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <memory>

namespace files {

// The files of a folder as the page list shows them: files only (links to
// files included), no hidden or system files, read-only files listed, sorted
// without regard to letter case.
struct FolderListing {
    // The names as the file system holds them (bytes, which need not be valid
    // UTF-8), in the list's order; beneath subfolders, paths relative to the
    // folder with '/'.
    QList<QByteArray> names;
    engine::FolderId id; // the folder that was listed
    // Subfolders (relative paths) that could not be listed, with the reason.
    QList<QPair<QByteArray, QString>> unlisted;
    // Subfolders that were not entered, with the reason: the kernel's own file
    // systems (proc, sysfs, ...) mounted inside the tree.
    QList<QPair<QByteArray, QString>> skipped;
};

// Lists the folder; with `subfolders`, every folder beneath it too, depth first:
// a folder's own files, then each of its subfolders in the same order. Hidden
// folders are not entered, links to folders are not followed, and neither are
// mounts of the kernel's own file systems. Fails, with a sentence that names
// the folder, when it cannot be listed.
engine::Result<FolderListing> listFolder(const QString& folder, bool subfolders = false);

// The same listing a folder at a time, for a tree too large to hold whole: each
// call of next() gives the files of the next folder (the chosen one first), in
// the listing's order. opened() tells whether the folder could be listed;
// listing() its identity, and the folders beneath not listed or not entered so
// far; its names stay empty.
class FolderWalk {
public:
    FolderWalk(const QString& folder, bool subfolders);
    ~FolderWalk();
    FolderWalk(const FolderWalk&) = delete;
    FolderWalk& operator=(const FolderWalk&) = delete;

    const engine::Result<void>& opened() const { return m_opened; }
    const FolderListing& listing() const { return m_listing; }
    bool next(QList<QByteArray>& names);

    struct State;

private:
    engine::Result<void> m_opened;
    FolderListing m_listing;
    std::unique_ptr<State> m_state; // each system's own walk
};

// A name as lists and reports show it: one line, control characters, bytes
// that are not UTF-8 and bidirectional controls escaped.
QString shownName(const QByteArray& name);

} // namespace files
