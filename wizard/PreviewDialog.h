#pragma once

#include "engine/BatchRun.h"
#include "platform/Anchors.h"
#include "platform/Platform.h"

#include <QDialog>

#include <atomic>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QTimer;

namespace wizard {

// What a preview run reads: the window's folder, ticked entries and settings as
// they were when it was asked for, so that it can run off the window's thread.
struct PreviewSource {
    std::string folder;
    engine::FolderId listed;
    std::vector<std::pair<std::string, std::string>> unlisted;
    std::vector<std::pair<std::string, std::string>> skipped;
    std::vector<std::string> names; // the ticked entries, in order
    engine::RunSettings settings;
};

// What a run would do, before it is made: each selected page with the outcome a
// dry run gives it, and beside the list the change to the page in focus as a
// unified diff. The dry run goes on a thread of its own, with page files of its
// own, and the list fills as it goes, with the counts by outcome above it and
// the progress, then the run's summary, below it; each page's outcome is kept, and a diff is made only for
// the page in focus. Keyboard first: the list has the focus; Enter or Escape closes.
class PreviewDialog final : public QDialog {
    Q_OBJECT

public:
    PreviewDialog(PreviewSource source, platform::Platform& platform, const QString& mainCaption,
                  QWidget* parent = nullptr);
    ~PreviewDialog() override;

    // Whether the dry run has told every page.
    bool finished() const;

    // Closes the dialog, keeping its size for the next preview.
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Told; // pages told by the run, not yet listed
    void buildControls();
    void takeTold();
    void showChange(int row);

    PreviewSource m_source;
    platform::Platform& m_platform;
    QListWidget* m_pages;
    QPlainTextEdit* m_diff;
    QLabel* m_progress;
    QLabel* m_counts;
    QTimer* m_poll;
    std::unique_ptr<Told> m_told;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
    bool m_finished = false;
    platform::Anchors m_anchors;
};

} // namespace wizard
