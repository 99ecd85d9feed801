#include "platform/QtPlatform.h"

#include "files/JournaledRun.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QSettings>
#include <QStorageInfo>

namespace platform {

Result<FolderListing> QtPlatform::listFolder(const QString& folder, bool subfolders) {
    return files::listFolder(folder, subfolders);
}

files::IgnoreRules QtPlatform::ignoreRules(const QString& folder) {
    return files::IgnoreRules::load(folder, {});
}

std::optional<files::Generator> QtPlatform::generatorOf(const QString& folder) {
    return files::generatorOf(folder);
}

Result<std::unique_ptr<JournalWriter>> QtPlatform::beginJournal(const JournalRun& header) {
    return files::journalIn(std::string())(header);
}

Result<std::unique_ptr<JournalReader>> QtPlatform::openForUndo(const QString& id) {
    return files::openForUndo(id);
}

Result<std::vector<JournalRun>> QtPlatform::journalRuns() {
    return files::journalRuns();
}

Result<void> QtPlatform::saveText(const QString& path, const QByteArray& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        return engine::Failure{engine::Failure::Kind::System, file.errorString().toStdString()};
    return {};
}

namespace {

// The wizard's settings: $XDG_CONFIG_HOME/trafalytic/code-inserter.conf (by
// default under ~/.config), the registry on Windows.
QSettings wizardSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("trafalytic"),
                     QStringLiteral("code-inserter"));
}

} // namespace

QVariant QtPlatform::kept(const QString& key) {
    return wizardSettings().value(key);
}

void QtPlatform::keep(const QString& key, const QVariant& value) {
    wizardSettings().setValue(key, value);
}

QList<Volume> QtPlatform::volumes() {
    QList<Volume> result;
    const QString rootPath = QDir::rootPath();
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        if (!storage.isValid())
            continue;
        Volume volume;
        volume.root = QDir::toNativeSeparators(storage.rootPath());
#ifdef Q_OS_WIN
        volume.entry = storage.rootPath().left(2).toLower();
#else
        volume.entry = volume.root;
#endif
        const QString label = storage.name();
        if (!label.isEmpty())
            volume.entry += QStringLiteral(" [%1]").arg(label);
        if (storage.rootPath() == rootPath)
            result.prepend(volume);
        else
            result.append(volume);
    }
    if (result.isEmpty() || QDir::fromNativeSeparators(result.front().root) != rootPath)
        result.prepend(Volume{QDir::toNativeSeparators(rootPath), QDir::toNativeSeparators(rootPath)});
    return result;
}

Result<Directory> QtPlatform::openDirectory(const QString& path) {
    using engine::Failure;
    const QFileInfo info(QDir::fromNativeSeparators(path));
    if (!info.exists() || !info.isDir())
        return Failure{Failure::Kind::NotFound,
                       QStringLiteral("The folder \"%1\" is not available.").arg(path).toStdString()};
    const QDir qdir(info.absoluteFilePath());
    if (!qdir.isReadable())
        return Failure{Failure::Kind::System,
                       QStringLiteral("The folder \"%1\" cannot be read.").arg(path).toStdString()};
    Directory dir;
    dir.path = QDir::toNativeSeparators(QDir::cleanPath(info.absoluteFilePath()));
    dir.subfolders = qdir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    return dir;
}

void QtPlatform::warn(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtPlatform::ask(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString QtPlatform::askSaveFile(QWidget* parent, const QString& title, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, title, suggested,
                                        QStringLiteral("Text files (*.txt);;All files (*)"));
}

void QtPlatform::showModal(QDialog& dialog) {
    dialog.exec();
}

void QtPlatform::processEvents() {
    QCoreApplication::processEvents();
}

void QtPlatform::quit() {
    // The event loop returns as soon as the calling handler does; no further event is handled.
    QCoreApplication::exit(0);
}

} // namespace platform
