#pragma once

#include "engine/BatchRun.h"
#include "files/RunJournal.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace platform {
class Platform;
}
namespace picker {
class Form2;
}

namespace wizard {

class LineControl;
class PageListModel;
class PageMarks;

// The wizard window: four pages moved into and out of view, three navigation
// buttons, the page list with its selection commands, and the batch run on the
// last page. Controls carry the names the layout gives them, as object names.
class Form1 final : public QWidget, private engine::BatchHost {
    Q_OBJECT

public:
    explicit Form1(platform::Platform& platform, QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up: size, version text, protocol list, page 0, show, focus on "&Next".
    void Form_Load();

    // Brings page FrNo into view and every other page out of view.
    void LoadFrame(int FrNo);
    // Refills the page list from the folder typed in m_folderEdit.
    void LoadList();
    // Rewrites every selected page; page 3 shows each path and then the outcome.
    void DoMods();
    // Takes the run just made back (page 3's "Undo Changes").
    void undoRun();

    int CurFrNo() const { return m_curFrNo; }
    // The folder of the last fill of the page list; empty when it could not be listed.
    QString File1Path() const { return m_file1Path; }
    const engine::Result<engine::BatchResult>& lastRun() const { return m_lastRun; }

    // The version text for the banner: major.minor.revision in plain decimal.
    static QString versionText(int major, int minor, int revision);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildBanner();
    void buildNavigation();
    void buildFolderPage(QWidget* page);
    void buildPagesPage(QWidget* page);
    void buildSettingsPage(QWidget* page);
    void buildRunPage(QWidget* page);
    void Command1_Click(int Index);
    void Command2_Click();
    void Command3_Click(int Index);
    void Form_Resize();
    void focusPage();
    void showRunOutcome();
    QString outcomeHeading() const;
    void listPagesNotChanged();
    void showMark(int round, int index, bool tangled, const QString& website, const QString& protocol,
                  const QString& via);
    void showTickedCount();
    void showProgress();
    void saveReport();
    void showPreview();
    void showSourceWarning(const QString& folder);
    void startRunView();
    engine::BatchOptions journaled(std::unique_ptr<files::JournalWriter>& journal, files::JournalRun header);
    bool askToStop();

    // engine::BatchHost: the settings are read from the controls afresh each time.
    std::string folder() override;
    engine::FolderId listedFolder() override;
    std::vector<std::pair<std::string, std::string>> unlistedFolders() override;
    std::vector<std::pair<std::string, std::string>> skippedFolders() override;
    int entryCount() override;
    std::string entryName(int index) override;
    bool entrySelected(int index) override;
    std::string websiteNumber() override;
    std::string protocolText() override;
    engine::Mode mode() override;
    void pageStarting(const std::string& path, int done, int total) override;
    void pageFinished(const engine::PageResult& result, int done, int total) override;
    bool stopRequested() override;
    bool pageNameByPath() override;

    platform::Platform& m_platform;
    int m_curFrNo = 0;
    QString m_file1Path;
    QList<QByteArray> m_file1Names; // as the file system holds them
    engine::FolderId m_file1Id;
    engine::Result<void> m_file1Listed; // whether the folder of the last fill could be listed
    QList<QPair<QByteArray, QString>> m_file1Unlisted;
    QList<QPair<QByteArray, QString>> m_file1Skipped;
    PageMarks* m_marks = nullptr;
    bool m_running = false;
    bool m_closeRequested = false;
    engine::Result<engine::BatchResult> m_lastRun = engine::BatchResult();
    // The page in hand and the count done, shown at the screen's pace.
    QString m_pageInHand;
    int m_pagesDone = 0;
    int m_pagesTotal = 0;
    QElapsedTimer m_lastShown;

    QWidget* m_banner = nullptr;
    QLabel* m_bannerPicture = nullptr;
    QLabel* m_versionLabel = nullptr;
    LineControl* m_darkLine = nullptr;
    LineControl* m_lightLine = nullptr;
    std::array<QPushButton*, 3> m_navigation{};
    std::array<QWidget*, 4> m_pages{};

    QLabel* m_welcomeText = nullptr;
    QLabel* m_folderPrompt = nullptr;
    QLineEdit* m_folderEdit = nullptr;
    QPushButton* m_browseButton = nullptr;
    QCheckBox* m_subfoldersCheck = nullptr; // include subfolders
    QCheckBox* m_pathNamesCheck = nullptr;  // name pages by their path in the site
    QLabel* m_folderNextHint = nullptr;
    QLabel* m_sourceWarning = nullptr; // page 0: a site generator's source folder

    QLabel* m_pagesPrompt = nullptr;
    QListView* m_pageView = nullptr;
    PageListModel* m_pageList = nullptr;
    std::array<QPushButton*, 3> m_selectButtons{};
    QLabel* m_tickedCount = nullptr; // how many pages are ticked
    QLabel* m_pagesNextHint = nullptr;

    QLabel* m_websitePrompt = nullptr;
    QLabel* m_websiteLabel = nullptr;
    QLineEdit* m_websiteNumber = nullptr;
    QLabel* m_protocolPrompt = nullptr;
    QLabel* m_protocolLabel = nullptr;
    QComboBox* m_protocol = nullptr;
    QLabel* m_modePrompt = nullptr;
    QRadioButton* m_insertOption = nullptr;
    QRadioButton* m_removeOption = nullptr;
    QPushButton* m_previewButton = nullptr; // preview

    QLabel* m_applyingText = nullptr;
    QLabel* m_runHeading = nullptr;
    QLabel* m_pageInHandLabel = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_runSummary = nullptr;            // the run's summary
    QListWidget* m_notChangedList = nullptr;   // pages not changed, with their reasons
    QPushButton* m_saveReportButton = nullptr; // save the report
    QPushButton* m_undoButton = nullptr;       // undo the run just made
    QString m_lastJournal; // the journal's name of the run just made, when it changed pages
    bool m_lastWasUndo = false;
    QLabel* m_closeHint = nullptr;

    picker::Form2* m_form2 = nullptr;
};

} // namespace wizard
