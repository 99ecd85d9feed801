#pragma once

#include "platform/Anchors.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace platform {
class Platform;
} // namespace platform

namespace picker {

class DirListBox;
class DriveListBox;

// The folder picker "Select Folder": a drive list, a directory list and a path
// label. "&OK" and "&Cancel" only hide it, so that it keeps its drive, directory
// and label for the next opening; its close box destroys it.
class Form2 final : public QDialog {
    Q_OBJECT

public:
    // mainCaption titles the dialog's message box, as the main window's caption.
    Form2(platform::Platform& platform, const QString& mainCaption, QWidget* parent = nullptr);

    // Shows the dialog modally, opened at `near` when that is a folder; returns
    // the open directory after "&OK", or a null string after "&Cancel" or the
    // close box.
    QString showModal(const QString& near = QString());
    // What the last closing chose: the folder after "&OK", else a null string.
    QString chosenFolder() const { return m_chosen; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildButtons();
    void followTheSize();
    void openDriveC();
    void openNear(const QString& folder);
    void openChosenDrive();
    void showOpenFolder();
    void closeChoosing(bool chosen);

    platform::Platform& m_platform;
    QString m_mainCaption;
    QString m_chosen;

    picker::DriveListBox* m_driveList = nullptr;
    picker::DirListBox* m_folderList = nullptr;
    QLabel* m_pathLabel = nullptr;
    std::array<QPushButton*, 2> m_buttons{}; // Cancel, OK
    platform::Anchors m_anchors;
    bool m_placing = false; // the drive list follows the folder opened
};

} // namespace picker
