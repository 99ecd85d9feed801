#pragma once

#include "wizard/Controls.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace platform {
class Platform;
}
namespace picker {
class Form2;
}

namespace wizard {

// Page 0: the folder that holds the pages, typed or picked, and whether its
// subfolders are taken and pages named by their path in the site.
class FolderPage final : public WizardPage {
    Q_OBJECT

public:
    FolderPage(platform::Platform& platform, const QString& caption, QWidget* parent);
    ~FolderPage() override;

    QString check() override;
    QWidget* firstControl() override;

    QString folder() const;
    bool includeSubfolders() const;
    // Names by path are offered only with subfolders.
    bool namesByPath() const;
    // Fills the page as the last run left it: the folder only while it is one.
    void restore(platform::Platform& platform);
    // Keeps what the page holds for the next start.
    void keep(platform::Platform& platform) const;
    // The controls in the order they are read, for Tab.
    QList<QWidget*> tabOrder() const;

private:
    void pickFolder();
    void showHistory();
    void showSourceWarning(const QString& folder);

    platform::Platform& m_platform;
    QString m_caption;
    QLabel* m_welcomeText;
    QLabel* m_folderPrompt;
    QLineEdit* m_folderEdit;
    QPushButton* m_browseButton;
    QCheckBox* m_subfoldersCheck;
    QCheckBox* m_pathNamesCheck;
    QPushButton* m_historyButton;
    QLabel* m_folderNextHint;
    QLabel* m_sourceWarning; // in the hint's place: a site generator's source folder
    picker::Form2* m_picker = nullptr;
};

} // namespace wizard
