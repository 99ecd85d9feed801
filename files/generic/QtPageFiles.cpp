#include "files/QtPageFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <memory>

// Systems without POSIX folder handles: pages are reached by path and replaced
// through QSaveFile, which writes a temporary file beside the page and renames it.

namespace files {

namespace {

using engine::Failure;
using engine::Result;

QString fromLocal(const std::string& text) {
    return QFile::decodeName(QByteArray::fromStdString(text));
}

Failure failure(std::string reason, Failure::Kind kind = Failure::Kind::System) {
    return Failure{kind, std::move(reason)};
}

} // namespace

struct QtPageFiles::State {
    QDir root;
    bool open = false;
    std::uint64_t nextToken = 1;
    std::uint64_t lastToken = 0;
    QString lastPath;
    std::vector<std::unique_ptr<QSaveFile>> staged;
};

QtPageFiles::QtPageFiles()
    : m_state(std::make_unique<State>()) {}

QtPageFiles::~QtPageFiles() {
    close();
}

Result<void> QtPageFiles::open(const std::string& folder, engine::FolderId, engine::RunFiles) {
    close();
    const QFileInfo info(fromLocal(folder));
    if (!info.isDir())
        return failure(info.exists() ? "it is not a folder" : "it does not exist", Failure::Kind::NotFound);
    m_state->root = QDir(info.absoluteFilePath());
    m_state->open = true;
    return {};
}

Result<engine::PageRead> QtPageFiles::read(const std::string& name) {
    State& s = *m_state;
    engine::PageRead result;
    const QString path = s.root.filePath(fromLocal(name));
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.canonicalFilePath();
        const QString root = s.root.canonicalPath() + QLatin1Char('/');
        if (target.isEmpty())
            return failure("a symbolic link that leads to no file", Failure::Kind::NotFound);
        if (!target.startsWith(root))
            return failure("a symbolic link to " + QFile::encodeName(target).toStdString() +
                               ", outside the chosen folder",
                           Failure::Kind::OutsideFolder);
        result.pageName = QFile::encodeName(QFileInfo(target).fileName()).toStdString();
    }
    if (!info.exists())
        return failure("the page no longer exists", Failure::Kind::NotFound);
    if (!info.isFile())
        return failure("not a regular file, not a web page", Failure::Kind::NotRegular);
    QFile file(info.canonicalFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return failure(file.errorString().toStdString());
    const QByteArray bytes = file.readAll();
    result.contents.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    result.stamp.size = static_cast<std::uint64_t>(info.size());
    result.stamp.modifiedNs = info.lastModified().toMSecsSinceEpoch() * 1000000;
    // A page its owner may not write is read-only, also to an account that could.
    result.writable = info.isWritable() && info.permission(QFileDevice::WriteOwner);
    result.identity = QFile::encodeName(info.canonicalFilePath()).toStdString();
    result.token = s.nextToken++;
    s.lastToken = result.token;
    s.lastPath = info.canonicalFilePath();
    return result;
}

Result<void> QtPageFiles::stage(const engine::PageRead& read, const std::vector<std::string_view>& pieces) {
    State& s = *m_state;
    if (read.token == 0 || read.token != s.lastToken)
        return failure("the page was not read just before it was to be written");
    auto file = std::make_unique<QSaveFile>(s.lastPath);
    if (!file->open(QIODevice::WriteOnly))
        return failure("cannot create a temporary file beside the page: " +
                       file->errorString().toStdString());
    for (const auto piece : pieces) {
        if (file->write(piece.data(), static_cast<qint64>(piece.size())) !=
            static_cast<qint64>(piece.size())) {
            const Failure failed = failure("writing failed: " + file->errorString().toStdString());
            file->cancelWriting();
            return failed;
        }
    }
    s.staged.push_back(std::move(file));
    return {};
}

bool QtPageFiles::groupFull() const {
    return true;
}

std::vector<Result<void>> QtPageFiles::commit() {
    std::vector<Result<void>> results;
    for (auto& file : m_state->staged)
        results.push_back(file->commit()
                              ? Result<void>()
                              : failure("replacing the page failed: " + file->errorString().toStdString()));
    m_state->staged.clear();
    return results;
}

void QtPageFiles::discard() {
    for (auto& file : m_state->staged)
        file->cancelWriting();
    m_state->staged.clear();
}

void QtPageFiles::close() {
    discard();
    m_state->open = false;
}

} // namespace files
