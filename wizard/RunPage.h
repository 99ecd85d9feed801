#pragma once

#include "engine/BatchRun.h"
#include "files/JournaledRun.h"
#include "wizard/Controls.h"

#include <QElapsedTimer>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace platform {
class Platform;
}

namespace wizard {

// Page 3: a run as it goes (the page in hand and the bar), then its outcome: the
// heading, the counts, the pages not changed with why, "Save Report..." and
// "Undo Changes" for the run just made. Runs are kept in the journal.
class RunPage final : public WizardPage, private engine::RunSink {
    Q_OBJECT

public:
    RunPage(platform::Platform& platform, const QString& caption, QWidget* parent);

    // Rewrites the pages the source selects with the settings, in the folder
    // as the journal keeps it.
    void changePages(engine::TickedList& pages, const engine::RunSettings& settings,
                     const files::RunFolder& folder);
    // Takes the run just made back.
    void undoLastRun();

    bool running() const { return m_running; }
    // Asked to stop: the run ends after the pages in hand.
    bool stopAsked() const { return m_stopAsked; }
    void askStop() { m_stopAsked = true; }
    const engine::Result<engine::BatchResult>& lastRun() const { return m_lastRun; }
    QList<QWidget*> tabOrder() const;

Q_SIGNALS:
    void runStarted();
    void runEnded();

private:
    void startRunView();
    void endRun(files::JournaledResult done);
    void showRunOutcome();
    QString outcomeHeading() const;
    void listPagesNotChanged();
    void showProgress();
    void saveReport();
    files::BeginJournal journalBegin();

    // engine::RunSink
    void pageStarting(const std::string& path, int done, int total) override;
    bool stopRequested() override { return m_stopAsked; }

    platform::Platform& m_platform;
    QString m_caption;
    bool m_running = false;
    bool m_stopAsked = false;
    engine::Result<engine::BatchResult> m_lastRun = engine::BatchResult();
    QString m_lastJournal; // the journal's name of the run just made, when it changed pages
    bool m_lastWasUndo = false;
    // The run's pages, for those a stop left undone, and the folder lines told before them.
    const engine::TickedList* m_pages = nullptr;
    int m_foldersTold = 0;
    // The page in hand and the count done, shown at the screen's pace.
    QString m_pageInHand;
    int m_pagesDone = 0;
    int m_pagesTotal = 0;
    QElapsedTimer m_lastShown;

    QLabel* m_applyingText;
    QLabel* m_runHeading;
    QLabel* m_pageInHandLabel;
    QProgressBar* m_progress;
    QLabel* m_runSummary;
    QListWidget* m_notChangedList; // pages not changed, with their reasons
    QPushButton* m_saveReportButton;
    QPushButton* m_undoButton; // undo the run just made
    QLabel* m_closeHint;
};

} // namespace wizard
