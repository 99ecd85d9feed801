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
    // Refills the page list from the folder typed in Text1.
    void LoadList();
    // Rewrites every selected page; page 3 shows each path and then the outcome.
    void DoMods();
    // Takes the run just made back (page 3's "Undo Changes").
    void undoRun();

    int CurFrNo() const { return m_curFrNo; }
    // The folder of the last fill of the page list; empty when it could not be listed.
    QString File1Path() const { return m_file1Path; }
    const engine::BatchResult& lastRun() const { return m_lastRun; }

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
    void showMark(int round, int index, bool tangled, const QString& website, const QString& protocol);
    void showTickedCount();
    void showProgress();
    void saveReport();
    void showPreview();
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
    QString m_file1Failure; // why the folder of the last fill could not be listed
    QList<QPair<QByteArray, QString>> m_file1Unlisted;
    QList<QPair<QByteArray, QString>> m_file1Skipped;
    PageMarks* m_marks = nullptr;
    bool m_running = false;
    bool m_closeRequested = false;
    engine::BatchResult m_lastRun;
    // The page in hand and the count done, shown at the screen's pace.
    QString m_pageInHand;
    int m_pagesDone = 0;
    int m_pagesTotal = 0;
    QElapsedTimer m_lastShown;

    QWidget* Shape1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label15 = nullptr;
    LineControl* Line1 = nullptr;
    LineControl* Line2 = nullptr;
    std::array<QPushButton*, 3> Command1{};
    std::array<QWidget*, 4> Frame1{};

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Command2 = nullptr;
    QCheckBox* Check1 = nullptr; // include subfolders
    QCheckBox* Check2 = nullptr; // name pages by their path in the site
    QLabel* Label3 = nullptr;

    QLabel* Label4 = nullptr;
    QListView* List1 = nullptr;
    PageListModel* m_pageList = nullptr;
    std::array<QPushButton*, 3> Command3{};
    QLabel* Label17 = nullptr; // how many pages are ticked
    QLabel* Label5 = nullptr;

    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLabel* Label10 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QPushButton* Command5 = nullptr; // preview
    bool m_previewing = false;       // a dry run for the preview: page 3 is not touched

    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* Label16 = nullptr;       // the run's summary
    QListWidget* List2 = nullptr;    // pages not changed, with their reasons
    QPushButton* Command4 = nullptr; // save the report
    QPushButton* Command7 = nullptr; // undo the run just made
    QString m_lastJournal;           // the journal's name of the run just made, when it changed pages
    bool m_lastWasUndo = false;
    QLabel* Label14 = nullptr;

    picker::Form2* m_form2 = nullptr;
};

} // namespace wizard
