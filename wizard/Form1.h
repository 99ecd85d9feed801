#pragma once

#include "platform/Anchors.h"

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;

namespace platform {
class Platform;
}

namespace wizard {

class FolderPage;
class LineControl;
class PagesPage;
class RunPage;
class SettingsPage;
class WizardPage;

// The wizard window: the banner, four pages moved into and out of view (the
// folder, the pages, the settings, the run) and three navigation buttons.
// Controls carry the names the layout gives them, as object names.
class Form1 final : public QWidget {
    Q_OBJECT

public:
    explicit Form1(platform::Platform& platform, QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up: size, version text, protocol list, page 0, show, focus on "&Next".
    void start();

    // The page in view: 0 to 3.
    int currentPage() const { return m_currentPage; }
    // The folder of the last listing of the pages; empty when it could not be listed.
    QString listedFolder() const;

    // The version text for the banner: major.minor.revision in plain decimal.
    static QString versionText(int major, int minor, int revision);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildBanner();
    void buildNavigation();
    // Brings the page into view and every other page out of view.
    void showPage(int page);
    void focusPage();
    void goBack();
    void goNext();
    void startRun();
    void cancel();
    void stretchBanner();
    void showPreview();
    bool askToStop();

    platform::Platform& m_platform;
    int m_currentPage = 0;

    QWidget* m_banner = nullptr;
    QLabel* m_bannerPicture = nullptr;
    QLabel* m_versionLabel = nullptr;
    LineControl* m_darkLine = nullptr;
    LineControl* m_lightLine = nullptr;
    std::array<QPushButton*, 3> m_navigation{}; // Prev, Next, Cancel (Close on the last page)

    FolderPage* m_folderPage = nullptr;
    PagesPage* m_pagesPage = nullptr;
    SettingsPage* m_settingsPage = nullptr;
    RunPage* m_runPage = nullptr;
    std::array<WizardPage*, 4> m_pages{};
    platform::Anchors m_anchors;
};

} // namespace wizard
