#pragma once

#include "platform/QtPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QMap>
#include <QSet>

#include <functional>

// The real platform, except that message boxes and ending the program are only
// recorded, events are processed with a hook, and volumes can be made unready.
class FakePlatform final : public platform::Platform {
public:
    struct Message {
        QString title;
        QString text;
    };

    QList<Message> messages;
    int quits = 0;
    int eventRounds = 0;
    std::function<void()> onProcessEvents;
    QList<platform::Volume> fakeVolumes;
    QSet<QString> notReady; // roots (native form) whose volume is not ready

    engine::PageFiles& pageFiles() override { return m_real.pageFiles(); }
    std::unique_ptr<engine::PageFiles> newPageFiles() override { return m_real.newPageFiles(); }
    platform::Result<std::unique_ptr<files::JournalWriter>>
    beginJournal(const files::JournalRun& header) override {
        return m_real.beginJournal(header);
    }
    platform::Result<std::unique_ptr<files::JournalReader>> openForUndo(const QString& id) override {
        return m_real.openForUndo(id);
    }
    platform::Result<std::vector<files::JournalRun>> journalRuns() override { return m_real.journalRuns(); }
    platform::Result<files::FolderListing> listFolder(const QString& folder, bool subfolders) override {
        return m_real.listFolder(folder, subfolders);
    }
    files::IgnoreRules ignoreRules(const QString& folder) override { return m_real.ignoreRules(folder); }
    std::optional<files::Generator> generatorOf(const QString& folder) override {
        return m_real.generatorOf(folder);
    }

    QList<platform::Volume> volumes() override {
        return fakeVolumes.isEmpty() ? m_real.volumes() : fakeVolumes;
    }

    platform::Result<platform::Directory> openDirectory(const QString& path) override {
        for (const QString& root : notReady) {
            if (path == root ||
                path.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/')))
                return engine::Failure{engine::Failure::Kind::System, "not ready"};
        }
        return m_real.openDirectory(path);
    }

    void warn(QWidget*, const QString& title, const QString& text) override {
        messages.append({title, text});
    }

    QList<Message> questions;
    bool answer = true;
    QString savePath; // what the save dialog answers; empty: cancelled
    QString suggested;
    bool ask(QWidget*, const QString& title, const QString& text) override {
        questions.append({title, text});
        return answer;
    }
    std::function<void(QDialog&)> onModal; // looks at a modal dialog instead of running it
    void showModal(QDialog& dialog) override {
        if (onModal)
            onModal(dialog);
    }
    QString askSaveFile(QWidget*, const QString&, const QString& offered) override {
        suggested = offered;
        return savePath;
    }
    QMap<QString, QVariant> keptValues; // what the wizard keeps between starts, here in memory
    QVariant kept(const QString& key) override { return keptValues.value(key); }
    void keep(const QString& key, const QVariant& value) override { keptValues.insert(key, value); }
    platform::Result<void> saveText(const QString& path, const QByteArray& text) override {
        return m_real.saveText(path, text);
    }

    void processEvents() override {
        ++eventRounds;
        if (onProcessEvents)
            onProcessEvents();
        QCoreApplication::processEvents();
    }

    void quit() override { ++quits; }

private:
    platform::QtPlatform m_real;
};
