#include "wizard/HistoryDialog.h"

#include "files/JournaledRun.h"
#include "files/Names.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "wizard/Controls.h"
#include "wizard/JournalQuestion.h"
#include "wizard/Outcomes.h"
#include "wizard/TextFit.h"

#include <QDateTime>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

namespace wizard {

using files::shownText;
using platform::twipsRect;

namespace {

constexpr int IdRole = Qt::UserRole;
constexpr int UndoneByRole = Qt::UserRole + 1;

// Whether and how a run was taken back, as the list says it.
QString undoneText(const files::JournalRun& run) {
    // An undo that found every page as it had been kept no record: "-".
    if (run.undoneBy == QLatin1String("-"))
        return HistoryDialog::tr("undone");
    if (!run.undoneBy.isEmpty())
        return HistoryDialog::tr("undone by %1").arg(run.undoneBy);
    if (!run.partlyBy.isEmpty())
        return HistoryDialog::tr("partly undone (%1 left)").arg(run.left);
    if (run.running)
        return HistoryDialog::tr("running", "a run still going");
    return run.finished ? HistoryDialog::tr("no", "not undone")
                        : HistoryDialog::tr("ended without finishing");
}

QString localTime(const QString& utc) {
    const QDateTime time = QDateTime::fromString(utc, Qt::ISODate);
    return time.isValid() ? time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")) : utc;
}

} // namespace

HistoryDialog::HistoryDialog(platform::Platform& platform, const QString& mainCaption, QWidget* parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_caption(mainCaption) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("History - %1").arg(mainCaption));
    setMinimumSize(twipsRect(0, 0, 9000, 6300).size());
    setSizeGripEnabled(true);
    setFont(platform::dialogFont());
    buildControls();
    fitAllCaptions(this);
    listRuns();
}

void HistoryDialog::buildControls() {
    auto* heading =
        label(this, "Label21", tr("Runs kept in the journal, newest first:"), twipsRect(120, 120, 8760, 255));
    m_runs =
        placed(new QTreeWidget(this), QStringLiteral("List4"), twipsRect(120, 435, 8760, 2775), tr("Runs"));
    m_runs->setHeaderLabels({tr("Time"), tr("Command", "a column: insert, remove or undo"), tr("Pages"),
                             tr("Undone"), tr("Folder")});
    m_runs->setRootIsDecorated(false);
    m_runs->setUniformRowHeights(true);
    m_runs->setTextElideMode(Qt::ElideMiddle);
    m_runs->header()->setStretchLastSection(true);
    m_status = label(this, "Label20", QString(), twipsRect(120, 3300, 8760, 255));
    m_progress = placed(new QProgressBar(this), QStringLiteral("ProgressBar2"),
                        twipsRect(120, 3600, 8760, 285), tr("Progress"));
    m_progress->setFormat(QStringLiteral("%v of %m"));
    m_progress->hide();
    m_outcome = placed(new QListWidget(this), QStringLiteral("List5"), twipsRect(120, 3600, 8760, 2040),
                       tr("Pages undone"));
    m_outcome->setTextElideMode(Qt::ElideMiddle);
    m_outcome->setUniformItemSizes(true);
    m_outcome->hide();
    m_undoButton =
        button(this, QStringLiteral("Command9"), tr("&Undo Run"), twipsRect(6480, 5790, 1320, 315));
    m_closeButton = button(this, QStringLiteral("Command10"), tr("&Close"), twipsRect(7905, 5790, 975, 315));
    connect(m_undoButton, &QPushButton::clicked, this, &HistoryDialog::undoSelected);
    connect(m_closeButton, &QPushButton::clicked, this, &HistoryDialog::reject);

    using platform::Anchors;
    m_anchors.add(heading, Anchors::Widens);
    m_anchors.add(m_runs, Anchors::Widens | Anchors::Deepens);
    for (QWidget* w : std::initializer_list<QWidget*>{m_status, m_progress, m_outcome})
        m_anchors.add(w, Anchors::Widens | Anchors::MovesDown);
    m_anchors.add(m_undoButton, Anchors::MovesRight | Anchors::MovesDown);
    m_anchors.add(m_closeButton, Anchors::MovesRight | Anchors::MovesDown);
    m_anchors.addRest(this);
    setTabOrder(m_runs, m_undoButton);
    setTabOrder(m_undoButton, m_closeButton);
    setTabOrder(m_closeButton, m_outcome);
    m_runs->setFocus();
}

void HistoryDialog::listRuns(const QString& select) {
    m_runs->clear();
    const platform::Result<std::vector<files::JournalRun>> runs = m_platform.journalRuns();
    if (!runs) {
        m_status->setText(sentence(runs.reason()));
        m_undoButton->setEnabled(false);
        return;
    }
    for (auto run = runs->rbegin(); run != runs->rend(); ++run) {
        // The folder in full: a command-line run may have named it relative to where it ran.
        const QString folder = shownText(run->folder.toStdString());
        auto* item = new QTreeWidgetItem(m_runs, {localTime(run->time), run->command,
                                                  QString::number(run->changed), undoneText(*run), folder});
        item->setData(0, IdRole, run->id);
        item->setData(0, UndoneByRole, run->undoneBy);
        item->setToolTip(4, folder);
        item->setToolTip(0, run->id);
    }
    for (int column = 0; column < 4; ++column)
        m_runs->resizeColumnToContents(column);
    for (int i = 0; i < m_runs->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_runs->topLevelItem(i);
        if (i == 0 || item->data(0, IdRole).toString() == select)
            m_runs->setCurrentItem(item);
    }
    if (m_runs->topLevelItemCount() == 0)
        m_status->setText(tr("The journal holds no run."));
    m_undoButton->setEnabled(m_runs->topLevelItemCount() > 0);
}

void HistoryDialog::undoSelected() {
    const QTreeWidgetItem* item = m_runs->currentItem();
    if (!item || m_undoing)
        return;
    const QString id = item->data(0, IdRole).toString();
    // Taken back already: said, and by which run.
    if (const QString by = item->data(0, UndoneByRole).toString(); !by.isEmpty()) {
        m_status->setText(by == QLatin1String("-") ? tr("This run was undone already.")
                                                   : tr("This run was undone by run %1.").arg(by));
        return;
    }
    platform::Result<std::unique_ptr<files::JournalReader>> found = m_platform.openForUndo(id);
    if (!found) {
        m_status->setText(sentence(found.reason()));
        return;
    }
    // An undo is a run: the controls wait for it, and closing asks whether to stop.
    m_undoing = true;
    m_stopAsked = false;
    for (QWidget* w : std::initializer_list<QWidget*>{m_runs, m_undoButton, m_closeButton})
        w->setEnabled(false);
    m_outcome->clear();
    m_outcome->hide();
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    m_progress->show();
    m_status->setText(tr("Undoing run %1...").arg(id));
    m_lastShown.invalidate();
    const files::JournaledResult undone =
        files::undoRun(**found, *this, m_platform.pageFiles(), engine::BatchOptions{},
                       journalOrAsk(m_platform, this, m_caption));
    found->reset();
    m_undoing = false;
    for (QWidget* w : std::initializer_list<QWidget*>{m_runs, m_undoButton, m_closeButton})
        w->setEnabled(true);
    showOutcome(undone.run, id);
    if (!undone.recorded)
        m_platform.warn(this, m_caption, sentence(undone.recorded.reason()));
}

// The undo's summary, then each page with its outcome, those not restored first.
void HistoryDialog::showOutcome(const engine::Result<engine::BatchResult>& run, const QString& undone) {
    m_progress->hide();
    listRuns(undone);
    if (!run) {
        m_status->setText(sentence(run.reason()));
        return;
    }
    const QString summary = Outcomes::undoSummary(*run);
    m_status->setText(run->stopped ? tr("Run %1 stopped: %2.").arg(undone, summary)
                                   : tr("Run %1: %2.").arg(undone, summary));
    QStringList first;
    QStringList rest;
    for (const engine::PageResult& page : run->pages) {
        const QString line = Outcomes::pageLine(page, false);
        const engine::Outcome outcome = page.reported();
        (outcome == engine::Outcome::Failed || outcome == engine::Outcome::Skipped ? first : rest) << line;
    }
    for (const QString& line : first + rest)
        (new QListWidgetItem(line, m_outcome))->setToolTip(line);
    m_outcome->setVisible(m_outcome->count() > 0);
    m_runs->setFocus();
}

void HistoryDialog::pageStarting(const std::string& path, int done, int total) {
    if (m_lastShown.isValid() && m_lastShown.elapsed() < ProgressEveryMs && done + 1 < total && !m_stopAsked)
        return;
    m_lastShown.start();
    m_status->setText(tr("Undoing: %1").arg(shownText(path)));
    m_progress->setRange(0, std::max(1, total));
    m_progress->setValue(done);
    m_platform.processEvents();
}

// Escape, "Close" and the close box: while an undo goes, the stop question.
void HistoryDialog::reject() {
    if (!m_undoing) {
        QDialog::reject();
        return;
    }
    if (!m_stopAsked && m_platform.ask(this, m_caption, stopQuestion()))
        m_stopAsked = true;
}

void HistoryDialog::keyPressEvent(QKeyEvent* event) {
    // Enter undoes the selected run, wherever the focus is but on "Close".
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        if (m_closeButton->hasFocus())
            reject();
        else
            undoSelected();
        return;
    }
    QDialog::keyPressEvent(event);
}

void HistoryDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    m_anchors.apply(std::max(0, width() - minimumWidth()), std::max(0, height() - minimumHeight()));
}

} // namespace wizard
