#pragma once

#include "files/QtPageFiles.h"
#include "platform/Platform.h"

namespace platform {

class QtPlatform : public Platform {
public:
    engine::PageFiles& pageFiles() override { return m_files; }
    std::unique_ptr<engine::PageFiles> newPageFiles() override {
        return std::make_unique<files::QtPageFiles>();
    }
    Result<FolderListing> listFolder(const QString& folder, bool subfolders) override;
    files::IgnoreRules ignoreRules(const QString& folder) override;
    std::optional<files::Generator> generatorOf(const QString& folder) override;
    Result<std::unique_ptr<JournalWriter>> beginJournal(const JournalRun& header) override;
    Result<std::unique_ptr<JournalReader>> openForUndo(const QString& id) override;
    Result<std::vector<JournalRun>> journalRuns() override;
    QList<Volume> volumes() override;
    Result<Directory> openDirectory(const QString& path) override;
    void warn(QWidget* parent, const QString& title, const QString& text) override;
    bool ask(QWidget* parent, const QString& title, const QString& text) override;
    QString askSaveFile(QWidget* parent, const QString& title, const QString& suggested) override;
    Result<void> saveText(const QString& path, const QByteArray& text) override;
    void showModal(QDialog& dialog) override;
    QVariant kept(const QString& key) override;
    void keep(const QString& key, const QVariant& value) override;
    void processEvents() override;
    void quit() override;

private:
    files::QtPageFiles m_files;
};

} // namespace platform
