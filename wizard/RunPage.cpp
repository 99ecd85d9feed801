#include "wizard/RunPage.h"

#include "files/Names.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "wizard/JournalQuestion.h"
#include "wizard/Outcomes.h"
#include "wizard/TextFit.h"

#include <QClipboard>
#include <QDir>
#include <QKeyEvent>
#include <QListWidget>
#include <QProgressBar>
#include <QSet>

namespace wizard {

using files::shownText;
using platform::twips;
using platform::twipsRect;

namespace {

// The lines of a report list: Ctrl+C copies the selected lines together.
class ReportList final : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Copy)) {
            QStringList lines;
            for (int i = 0; i < count(); ++i) {
                if (item(i)->isSelected())
                    lines << item(i)->text();
            }
            QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
            return;
        }
        QListWidget::keyPressEvent(event);
    }
};

} // namespace

RunPage::RunPage(platform::Platform& platform, const QString& caption, QWidget* parent)
    : WizardPage(parent)
    , m_platform(platform)
    , m_caption(caption) {
    m_applyingText = label(
        this, "Label11", tr("The Trafalytic Code Inserter Wizard is now applying your changes, please wait."),
        twipsRect(240, 360, 5175, 495), true);
    m_runHeading = label(this, "Label12", tr("Now modifying web page:"), twipsRect(240, 1080, 5175, 255));
    m_pageInHandLabel = label(this, "Label13", tr("WEB PAGE NAME"), twipsRect(240, 1440, 5175, 495), true);
    m_pageInHandLabel->setTextInteractionFlags(Qt::NoTextInteraction);
    m_progress = placed(new QProgressBar(this), QStringLiteral("ProgressBar1"),
                        twipsRect(240, 1995, 5175, 285), tr("Progress"));
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    m_progress->setFormat(QStringLiteral("%v of %m"));
    m_runSummary = label(this, "Label16", QString(), twipsRect(240, 1380, 5175, 255), true);
    m_runSummary->setFont(m_runHeading->font());
    m_runSummary->hide();
    m_notChangedList = placed(new ReportList(this), QStringLiteral("List2"), twipsRect(240, 1650, 3735, 690),
                              tr("Pages not changed"));
    m_notChangedList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_notChangedList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_notChangedList->setWordWrap(true); // each line whole: the page and why
    m_notChangedList->setTextElideMode(Qt::ElideNone);
    m_notChangedList->hide();
    m_saveReportButton =
        button(this, QStringLiteral("Command4"), tr("Save &Report..."), twipsRect(4095, 1650, 1320, 315));
    connect(m_saveReportButton, &QPushButton::clicked, this, [this] { saveReport(); });
    fitCaption(m_saveReportButton);
    m_saveReportButton->hide();
    m_undoButton =
        button(this, QStringLiteral("Command7"), tr("&Undo Changes"), twipsRect(4095, 2025, 1320, 315));
    connect(m_undoButton, &QPushButton::clicked, this, [this] { undoLastRun(); });
    fitCaption(m_undoButton);
    m_undoButton->hide();
    m_closeHint = label(this, "Label14", tr("Click on 'Close' to finish. Thank you For using Trafalytic."),
                        twipsRect(240, 2400, 5175, 255));
    for (QLabel* l : {m_applyingText, m_runHeading, m_closeHint})
        fitText(l);
    // A larger window shows longer paths and more of the pages not changed.
    using platform::Anchors;
    for (QWidget* w : std::initializer_list<QWidget*>{m_applyingText, m_runHeading, m_pageInHandLabel,
                                                      m_progress, m_runSummary})
        m_anchors.add(w, Anchors::Widens);
    m_anchors.add(m_notChangedList, Anchors::Widens | Anchors::Deepens);
    m_anchors.add(m_saveReportButton, Anchors::MovesRight);
    m_anchors.add(m_undoButton, Anchors::MovesRight);
    m_anchors.add(m_closeHint, Anchors::MovesDown);
    m_anchors.addRest(this);
}

QList<QWidget*> RunPage::tabOrder() const {
    return {m_notChangedList, m_saveReportButton, m_undoButton};
}

// The page as a run starts: the path in hand and the bar, nothing of the last outcome.
void RunPage::startRunView() {
    m_closeHint->hide();
    m_runSummary->hide();
    m_notChangedList->hide();
    m_saveReportButton->hide();
    m_undoButton->hide();
    m_runHeading->setText(tr("Now modifying web page:"));
    fitText(m_runHeading);
    m_pageInHandLabel->show();
    m_progress->show();
    m_lastShown.invalidate();
    m_lastRun = engine::BatchResult();
    // A stop asked of the run before is no stop of this one.
    m_stopAsked = false;
    m_running = true;
    Q_EMIT runStarted();
}

files::BeginJournal RunPage::journalBegin() {
    return journalOrAsk(m_platform, this, m_caption);
}

void RunPage::changePages(engine::TickedList& pages, const engine::RunSettings& settings,
                          const files::RunFolder& folder) {
    m_pages = &pages;
    m_foldersTold = int(pages.unlistedFolders().size() + pages.skippedFolders().size());
    m_lastWasUndo = false;
    startRunView();
    endRun(files::changePages(pages, settings, *this, m_platform.pageFiles(), engine::BatchOptions{}, folder,
                              journalBegin()));
}

void RunPage::undoLastRun() {
    m_undoButton->setEnabled(false);
    platform::Result<std::unique_ptr<files::JournalReader>> found = m_platform.openForUndo(m_lastJournal);
    if (!found) {
        m_platform.warn(this, m_caption,
                        found.kind() == engine::Failure::Kind::NotFound
                            ? tr("The journal of this run is gone: its changes cannot be undone.")
                            : sentence(found.reason()));
        return;
    }
    const std::unique_ptr<files::JournalReader> record = std::move(*found);
    m_lastWasUndo = true;
    // An undo is a run: the buttons wait for it, and closing asks the stop question.
    startRunView();
    endRun(files::undoRun(*record, *this, m_platform.pageFiles(), engine::BatchOptions{}, journalBegin()));
}

// The outcome of a run or an undo, shown; a journal that could not record it is said.
void RunPage::endRun(files::JournaledResult done) {
    m_lastRun = std::move(done.run);
    if (!m_lastWasUndo)
        m_lastJournal = done.journalId;
    m_running = false;
    showRunOutcome();
    if (!done.recorded)
        m_platform.warn(this, m_caption, sentence(done.recorded.reason()));
    Q_EMIT runEnded();
}

// The heading once a run has ended: its error, a stop, success, or how many pages
// the list below holds.
QString RunPage::outcomeHeading() const {
    if (!m_lastRun)
        return QString::fromStdString(m_lastRun.reason());
    const engine::BatchResult& run = *m_lastRun;
    const auto failed = static_cast<int>(run.count(engine::Outcome::Failed));
    const auto skipped = static_cast<int>(run.count(engine::Outcome::Skipped));
    if (run.stopped) {
        const int done = static_cast<int>(run.pages.size()) - (m_lastWasUndo ? 0 : m_foldersTold);
        return tr("Stopped: %1 of %n page(s) done, the rest not:", nullptr, m_pagesTotal).arg(done);
    }
    if (failed == 0 && skipped == 0)
        return m_lastWasUndo ? tr("Changes Undone!") : tr("Changes Complete!");
    // The heading counts what the list below it holds, and names both kinds.
    QStringList kinds;
    if (skipped > 0)
        kinds << tr("%n skipped", "pages not changed", skipped);
    if (failed > 0)
        kinds << tr("%n failed", "pages not changed", failed);
    return tr("%n page(s) not changed (%1):", nullptr, failed + skipped)
        .arg(kinds.join(QStringLiteral(", ")));
}

// The pages not changed, with the reasons; after a stop, those never reached.
void RunPage::listPagesNotChanged() {
    m_notChangedList->clear();
    const engine::BatchResult run = m_lastRun ? *m_lastRun : engine::BatchResult();
    for (const auto wanted : {engine::Outcome::Failed, engine::Outcome::Skipped}) {
        for (const auto& page : run.pages) {
            if (page.reported() != wanted)
                continue;
            const QString what = wanted == engine::Outcome::Failed ? tr("not changed", "a page's outcome")
                                                                   : tr("skipped", "a page's outcome");
            auto* item =
                new QListWidgetItem(QStringLiteral("%1 (%2: %3)")
                                        .arg(shownText(page.path), what, Outcomes::reason(page.reason())),
                                    m_notChangedList);
            item->setToolTip(item->text());
        }
    }
    if (run.stopped && !m_lastWasUndo && m_pages) {
        QSet<QString> reached;
        for (const auto& page : run.pages)
            reached.insert(shownText(page.path));
        const std::string folder = m_pages->folder();
        for (int i = 0; i < m_pages->entryCount(); ++i) {
            const QString path = shownText(engine::joinPath(folder, m_pages->entryName(i)));
            if (m_pages->entrySelected(i) && !reached.contains(path))
                m_notChangedList->addItem(tr("%1 (not done)").arg(path));
        }
    }
    m_notChangedList->setVisible(m_notChangedList->count() > 0);
}

void RunPage::showRunOutcome() {
    const engine::BatchResult run = m_lastRun ? *m_lastRun : engine::BatchResult();
    m_pageInHandLabel->hide();
    m_progress->hide();
    if (!m_lastRun) {
        m_runHeading->setWordWrap(true);
        m_runHeading->resize(m_runHeading->width(), twips(495));
    }
    m_runHeading->setText(outcomeHeading());
    fitText(m_runHeading);

    m_runSummary->setText((m_lastWasUndo ? Outcomes::undoSummary(run) : Outcomes::summary(run)) +
                          QLatin1Char('.'));
    fitText(m_runSummary);
    m_runSummary->setVisible(m_lastRun.ok());

    listPagesNotChanged();
    m_saveReportButton->setVisible(!run.pages.empty());
    // The run just made can be taken back once; the button stays, disabled, after.
    m_undoButton->setVisible(m_lastWasUndo || !m_lastJournal.isEmpty());
    m_undoButton->setEnabled(!m_lastWasUndo);
    m_closeHint->show();
}

// The whole report, every page with its outcome, in the command-line tool's line format.
void RunPage::saveReport() {
    const QString path = m_platform.askSaveFile(
        this, tr("Save Report"), QDir::home().filePath(QStringLiteral("code-inserter-report.txt")));
    if (path.isEmpty())
        return;
    std::string report;
    const engine::BatchResult run = m_lastRun ? *m_lastRun : engine::BatchResult();
    for (const auto& page : run.pages)
        report += engine::reportLine(page, false, false) + '\n';
    report += (m_lastWasUndo ? run.undoSummary() : run.summary()) + '\n';
    if (const platform::Result<void> saved = m_platform.saveText(path, QByteArray::fromStdString(report));
        !saved)
        m_platform.warn(
            this, m_caption,
            tr("The report cannot be saved to %1: %2").arg(path, QString::fromStdString(saved.reason())));
}

void RunPage::pageStarting(const std::string& path, int done, int total) {
    m_pageInHand = shownText(path);
    m_pagesDone = done;
    m_pagesTotal = total;
    // At the screen's pace, and at once on the last page and once a stop is asked.
    if (!m_lastShown.isValid() || m_lastShown.elapsed() >= ProgressEveryMs || done + 1 >= total ||
        m_stopAsked)
        showProgress();
}

void RunPage::showProgress() {
    m_lastShown.start();
    // A path too long for the label loses its middle, not its file name.
    const QFontMetrics metrics(m_pageInHandLabel->font());
    m_pageInHandLabel->setText(
        metrics.horizontalAdvance(m_pageInHand) <= m_pageInHandLabel->width()
            ? m_pageInHand
            : metrics.elidedText(m_pageInHand, Qt::ElideMiddle, m_pageInHandLabel->width()));
    m_pageInHandLabel->setToolTip(m_pageInHand);
    m_progress->setRange(0, std::max(1, m_pagesTotal));
    m_progress->setValue(m_pagesDone);
    m_platform.processEvents();
}

} // namespace wizard
