#pragma once

#include "engine/PageFiles.h"
#include "files/FolderListing.h"
#include "files/IgnoreRules.h"
#include "files/RunJournal.h"
#include "files/SiteSource.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <string>

class QDialog;
class QWidget;

namespace platform {

// What the file layer gives the windows, by the names they use.
using engine::Result;
using files::FolderListing;
using files::JournalReader;
using files::JournalRun;
using files::JournalWriter;

// A mounted volume as the drive list offers it.
struct Volume {
    QString entry; // what the list shows: "C:" or "/media/usb", then the label if any
    QString root;  // the volume's root folder, native form: "C:\" or "/media/usb"
};

// An opened directory as the directory list shows it.
struct Directory {
    QString path;           // absolute, native separators; a root keeps its separator
    QStringList subfolders; // names, sorted without regard to letter case
};

// The window-system and file-system operations the windows and the engine use.
// One implementation runs on Qt; tests hand the windows a fake where they must
// provoke what a real machine cannot (a drive that is not ready).
class Platform {
public:
    virtual ~Platform() = default;

    virtual engine::PageFiles& pageFiles() = 0;
    // Page files of their own, for a run on another thread.
    virtual std::unique_ptr<engine::PageFiles> newPageFiles() = 0;
    virtual Result<FolderListing> listFolder(const QString& folder, bool subfolders) = 0;
    // What the folder's ignore file leaves out, and the site generator whose
    // source the folder is, if any.
    virtual files::IgnoreRules ignoreRules(const QString& folder) = 0;
    virtual std::optional<files::Generator> generatorOf(const QString& folder) = 0;

    // The journal of a run that changes pages, begun before any page is touched;
    // fails when it cannot be kept.
    virtual Result<std::unique_ptr<JournalWriter>> beginJournal(const JournalRun& header) = 0;
    // A run of the journal read back for undo, held until the reader is gone;
    // fails when it is not there, still running, or the journal is not safe.
    virtual Result<std::unique_ptr<JournalReader>> openForUndo(const QString& id) = 0;
    // The runs the journal holds, oldest first.
    virtual Result<std::vector<JournalRun>> journalRuns() = 0;

    // The machine's volumes; the first entry is the root volume, which stands
    // for drive C.
    virtual QList<Volume> volumes() = 0;
    // Opens a directory: fails when its volume is unavailable, not ready or unreadable.
    virtual Result<Directory> openDirectory(const QString& path) = 0;

    // A modal message box with the exclamation icon and a single OK button.
    virtual void warn(QWidget* parent, const QString& title, const QString& text) = 0;
    // A modal question with the exclamation icon, Yes and No; true for Yes.
    virtual bool ask(QWidget* parent, const QString& title, const QString& text) = 0;
    // Shows a dialog modally; returns when it is closed.
    virtual void showModal(QDialog& dialog) = 0;
    // A file dialog for saving, opened on `suggested`; the chosen path, or empty.
    virtual QString askSaveFile(QWidget* parent, const QString& title, const QString& suggested) = 0;
    // Writes a file whole, replacing what the path held only once it is complete.
    virtual Result<void> saveText(const QString& path, const QByteArray& text) = 0;
    // What the wizard keeps between its starts (under the user's configuration
    // folder), by key: an invalid value where nothing is kept.
    virtual QVariant kept(const QString& key) = 0;
    virtual void keep(const QString& key, const QVariant& value) = 0;

    // Handles the window events queued so far, then returns.
    virtual void processEvents() = 0;
    // Ends the program: no question, no further handler of the caller runs.
    virtual void quit() = 0;
};

} // namespace platform
