#include "files/FolderListing.h"

#include "engine/ReportText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace files {

QString shownName(const QByteArray& name) {
    return QString::fromStdString(engine::reportText(std::string_view(name.constData(), name.size())));
}

namespace {

void listInto(const QDir& dir, const QByteArray& prefix, bool subfolders, FolderListing& listing) {
    // Without QDir::Hidden and QDir::System, hidden and system files stay out.
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase))
        listing.names.append(prefix + QFile::encodeName(name));
    if (!subfolders)
        return;
    for (const QFileInfo& sub :
         dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        // Links are not followed; FrontPage's metadata folders hold no pages.
        if (sub.isSymLink() || sub.fileName().startsWith(QLatin1String("_vti_")))
            continue;
        const QDir inner(sub.filePath());
        if (!inner.isReadable())
            listing.unlisted.append(
                {prefix + QFile::encodeName(sub.fileName()), QStringLiteral("permission denied")});
        else
            listInto(inner, prefix + QFile::encodeName(sub.fileName()) + '/', true, listing);
    }
}

} // namespace

engine::Result<FolderListing> listFolder(const QString& folder, bool subfolders) {
    using engine::Failure;
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.exists())
        return Failure{Failure::Kind::NotFound,
                       QStringLiteral("The folder \"%1\" does not exist.").arg(folder).toStdString()};
    if (!info.isDir() || !info.isReadable())
        return Failure{Failure::Kind::System,
                       QStringLiteral("\"%1\" is not a folder that can be read.").arg(folder).toStdString()};
    FolderListing listing;
    listInto(QDir(folder), QByteArray(), subfolders, listing);
    return listing;
}

// Without folder handles the walk lists the whole tree at once, then gives it as
// one folder.
struct FolderWalk::State {
    bool given = false;
};

FolderWalk::FolderWalk(const QString& folder, bool subfolders)
    : m_state(std::make_unique<State>()) {
    engine::Result<FolderListing> listed = listFolder(folder, subfolders);
    if (listed)
        m_listing = std::move(*listed);
    else
        m_opened = listed.failure();
}

FolderWalk::~FolderWalk() = default;

bool FolderWalk::next(QList<QByteArray>& names) {
    names.clear();
    if (m_state->given || !m_opened)
        return false;
    m_state->given = true;
    names = std::move(m_listing.names);
    m_listing.names.clear();
    return true;
}

} // namespace files
