#pragma once

#include "engine/RunSink.h"
#include "platform/Anchors.h"

#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace platform {
class Platform;
}

namespace wizard {

// The runs the journal holds, newest first, any of which can be taken back: the
// time, the command, the folder, the pages changed and whether it was undone.
// "Undo Run" undoes the selected run as the command-line tool does (pages
// changed since are left, and said), with the progress, then each page's
// outcome. Keyboard first: the list has the focus, Enter undoes, Escape closes;
// while an undo goes, closing asks whether to stop it.
class HistoryDialog final : public QDialog, private engine::RunSink {
    Q_OBJECT

public:
    HistoryDialog(platform::Platform& platform, const QString& mainCaption, QWidget* parent = nullptr);

    // Lists the journal's runs anew, the one named selected, else the newest.
    void listRuns(const QString& select = QString());
    // Takes the selected run back.
    void undoSelected();
    bool undoing() const { return m_undoing; }

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void showOutcome(const engine::Result<engine::BatchResult>& run, const QString& undone);

    // engine::RunSink
    void pageStarting(const std::string& path, int done, int total) override;
    bool stopRequested() override { return m_stopAsked; }

    platform::Platform& m_platform;
    QString m_caption;
    bool m_undoing = false;
    bool m_stopAsked = false;
    QElapsedTimer m_lastShown;

    QTreeWidget* m_runs;
    QLabel* m_status;
    QProgressBar* m_progress;
    QListWidget* m_outcome;
    QPushButton* m_undoButton;
    QPushButton* m_closeButton;
    platform::Anchors m_anchors;
};

} // namespace wizard
