#include "wizard/PreviewDialog.h"

#include "platform/Twips.h"
#include "wizard/Outcomes.h"
#include "wizard/TextFit.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace wizard {

using platform::twips;
using platform::twipsRect;

namespace {

// The source's entries, all of them (with the folders not listed) or one.
class PreviewPages final : public engine::NamedPages {
public:
    PreviewPages(const PreviewSource& source, std::vector<std::string> names, bool withFolders)
        : NamedPages(source.folder, std::move(names), source.listed)
        , m_source(source)
        , m_withFolders(withFolders) {}

    std::vector<std::pair<std::string, std::string>> unlistedFolders() const override {
        return m_withFolders ? m_source.unlisted : decltype(m_source.unlisted)();
    }
    std::vector<std::pair<std::string, std::string>> skippedFolders() const override {
        return m_withFolders ? m_source.skipped : decltype(m_source.skipped)();
    }

private:
    const PreviewSource& m_source;
    bool m_withFolders;
};

// Each page's outcome, told as the dry run goes, until a stop.
class PreviewSink final : public engine::RunSink {
public:
    PreviewSink(std::function<void(const engine::PageResult&, int, int)> told, const std::atomic<bool>& stop)
        : m_told(std::move(told))
        , m_stop(stop) {}

    void pageFinished(const engine::PageResult& page, int done, int total) override {
        m_told(page, done, total);
    }
    bool stopRequested() override { return m_stop.load(); }

private:
    std::function<void(const engine::PageResult&, int, int)> m_told;
    const std::atomic<bool>& m_stop;
};

} // namespace

struct PreviewDialog::Told {
    std::mutex mutex;
    std::deque<std::pair<QString, QString>> lines; // a page's line and its entry's name
    int done = 0;
    int total = 0;
    bool ended = false;
    QString summary;            // the counts, or why the run could not be made
    engine::BatchResult counts; // the pages told so far, by outcome
};

PreviewDialog::PreviewDialog(PreviewSource source, platform::Platform& platform, const QString& mainCaption,
                             QWidget* parent)
    : QDialog(parent)
    , m_source(std::move(source))
    , m_platform(platform)
    , m_told(std::make_unique<Told>()) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("Preview - %1").arg(mainCaption));
    // The layout's size is the smallest; the size the user last gave it is kept.
    setMinimumSize(twipsRect(0, 0, 11400, 6300).size());
    setSizeGripEnabled(true);
    setFont(platform::dialogFont());

    buildControls();
    fitAllCaptions(this);
    resize(m_platform.kept(QStringLiteral("previewSize")).toSize().expandedTo(minimumSize()));

    m_poll = new QTimer(this);
    m_poll->setInterval(40);
    connect(m_poll, &QTimer::timeout, this, &PreviewDialog::takeTold);
    m_poll->start();
    m_thread = std::thread([this, files = m_platform.newPageFiles()] {
        PreviewPages pages(m_source, m_source.names, true);
        Told& told = *m_told;
        PreviewSink sink(
            [&told](const engine::PageResult& page, int done, int total) {
                const std::lock_guard<std::mutex> lock(told.mutex);
                const QString name = QString::fromStdString(page.path);
                told.lines.emplace_back(Outcomes::pageLine(page, true), name);
                told.done = done;
                told.total = total;
                told.counts.record(page, false);
            },
            m_stop);
        engine::BatchOptions options;
        options.dryRun = true;
        options.keepPages = false;
        const engine::Result<engine::BatchResult> run =
            engine::runBatch(pages, m_source.settings, sink, *files, options);
        const std::lock_guard<std::mutex> lock(told.mutex);
        told.ended = true;
        told.summary = run ? tr("A run would give: %1").arg(Outcomes::summary(*run))
                           : QString::fromStdString(run.reason());
    });
}

// The list, the counts above it, the diff beside it, the progress and "Close" below.
void PreviewDialog::buildControls() {
    m_pages = new QListWidget(this);
    m_pages->setObjectName(QStringLiteral("List3"));
    m_pages->setAccessibleName(tr("What a run would do"));
    m_pages->setGeometry(twipsRect(120, 435, 4335, 5220));
    // Above the list, the pages told so far by outcome, as the command-line tool sums them up.
    m_counts = new QLabel(this);
    m_counts->setObjectName(QStringLiteral("Label4"));
    m_counts->setAccessibleName(tr("Pages by outcome"));
    m_counts->setGeometry(twipsRect(120, 120, 11160, 255));
    m_counts->setTextFormat(Qt::PlainText);
    m_pages->setTextElideMode(Qt::ElideMiddle);
    m_pages->setUniformItemSizes(true);
    m_diff = new QPlainTextEdit(this);
    m_diff->setObjectName(QStringLiteral("Text3"));
    m_diff->setAccessibleName(tr("Change to the page"));
    m_diff->setGeometry(twipsRect(4575, 435, 6705, 5220));
    m_diff->setReadOnly(true);
    m_diff->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_diff->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_progress = new QLabel(this);
    m_progress->setObjectName(QStringLiteral("Label3"));
    m_progress->setGeometry(twipsRect(120, 5820, 10065, 255));
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("Command6"));
    close->setGeometry(twipsRect(10305, 5790, 975, 315));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pages, &QListWidget::currentRowChanged, this, &PreviewDialog::showChange);
    m_pages->setFocus();
    using platform::Anchors;
    m_anchors.add(m_counts, Anchors::Widens);
    m_anchors.add(m_pages, Anchors::Deepens | Anchors::WidensHalf);
    m_anchors.add(m_diff, Anchors::Deepens | Anchors::MovesRightHalf);
    m_anchors.addRest(this);
    m_anchors.add(m_progress, Anchors::Widens | Anchors::MovesDown);
    m_anchors.add(close, Anchors::MovesRight | Anchors::MovesDown);
}

// The list and the change beside it share what the dialog gained in width.
void PreviewDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    m_anchors.apply(std::max(0, width() - minimumWidth()), std::max(0, height() - minimumHeight()));
}

void PreviewDialog::done(int result) {
    m_platform.keep(QStringLiteral("previewSize"), size());
    QDialog::done(result);
}

PreviewDialog::~PreviewDialog() {
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

bool PreviewDialog::finished() const {
    return m_finished;
}

// The pages told since the last look go into the list, a screenful's time at most.
void PreviewDialog::takeTold() {
    std::deque<std::pair<QString, QString>> lines;
    int done = 0;
    int total = 0;
    bool ended = false;
    QString summary;
    QString counts;
    {
        const std::lock_guard<std::mutex> lock(m_told->mutex);
        lines.swap(m_told->lines);
        done = m_told->done;
        total = m_told->total;
        ended = m_told->ended;
        summary = m_told->summary;
        counts = Outcomes::summary(m_told->counts);
    }
    m_counts->setText(counts);
    const bool first = m_pages->count() == 0;
    for (const auto& [line, path] : lines) {
        auto* item = new QListWidgetItem(line, m_pages);
        item->setToolTip(line);
        item->setData(Qt::UserRole, path);
    }
    if (first && m_pages->count() > 0)
        m_pages->setCurrentRow(0);
    if (!ended) {
        m_progress->setText(tr("Reading the pages: %1 of %2")
                                .arg(QLocale().toString(done), QLocale().toString(std::max(total, done))));
        return;
    }
    m_poll->stop();
    m_finished = true;
    if (m_source.names.empty())
        summary = tr("No page is ticked.");
    m_progress->setText(summary);
    if (m_pages->count() == 0)
        new QListWidgetItem(summary, m_pages);
}

// The change to the page in focus, made now: one page's diff at a time.
void PreviewDialog::showChange(int row) {
    const QListWidgetItem* item = m_pages->item(row);
    const std::string path = item ? item->data(Qt::UserRole).toString().toStdString() : std::string();
    const std::string folder = engine::joinPath(m_source.folder, "");
    std::string diff;
    if (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0) {
        PreviewPages one(m_source, {path.substr(folder.size())}, false);
        engine::RunSink quiet;
        engine::BatchOptions options;
        options.dryRun = true;
        options.diff = true;
        const engine::Result<engine::BatchResult> run =
            engine::runBatch(one, m_source.settings, quiet, m_platform.pageFiles(), options);
        if (run && !run->pages.empty())
            diff = run->pages.front().diff;
    }
    m_diff->setPlainText(diff.empty() ? tr("(this page would not change)")
                                      : QString::fromUtf8(diff.data(), qsizetype(diff.size())));
}

void PreviewDialog::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event); // Escape rejects, which closes as well
}

} // namespace wizard
