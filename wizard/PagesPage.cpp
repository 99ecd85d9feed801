#include "wizard/PagesPage.h"

#include "engine/RunSettings.h"
#include "files/Names.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "wizard/Outcomes.h"
#include "wizard/PageListModel.h"
#include "wizard/PageMarks.h"
#include "wizard/TextFit.h"

#include <QListView>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace wizard {

using platform::twips;
using platform::twipsRect;

namespace {

// The page list's entries: a click anywhere on an entry ticks or unticks it, as
// Space does on the focused one; the tick is the only selection there is.
class TickOnClick final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton || !option.rect.contains(mouse->position().toPoint()))
                return false;
            const bool ticked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
            return model->setData(index, ticked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
        }
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    }
};

std::vector<std::pair<std::string, std::string>>
folderLines(const QList<QPair<QByteArray, QString>>& folders) {
    std::vector<std::pair<std::string, std::string>> lines;
    for (const auto& [path, reason] : folders)
        lines.emplace_back(path.toStdString(), reason.toStdString());
    return lines;
}

} // namespace

PagesPage::PagesPage(platform::Platform& platform, QWidget* parent)
    : WizardPage(parent)
    , m_platform(platform) {
    m_pagesPrompt = label(this, "Label4",
                          tr("Now select the web pages you wish to insert or remove the Trafalytic "
                             "code. If you are unsure, just click on 'Select All'."),
                          twipsRect(240, 240, 5175, 495), true);
    m_pageView = placed(new QListView(this), QStringLiteral("List1"), twipsRect(600, 840, 2535, 1815),
                        tr("Web Pages"));
    m_pageList = new PageListModel(this);
    m_pageView->setModel(m_pageList);
    m_pageView->setSelectionMode(QAbstractItemView::NoSelection);
    m_pageView->setItemDelegate(new TickOnClick(m_pageView));
    m_pageView->setUniformItemSizes(true);
    // A long path loses its middle, never its file name; the tool tip holds it whole.
    m_pageView->setTextElideMode(Qt::ElideMiddle);
    m_pageView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pageView->setIconSize(QSize(twips(165), twips(165)));
    m_marks = new PageMarks(m_platform, this);
    connect(m_marks, &PageMarks::marked, this, &PagesPage::showMark);
    // A page a run would refuse for its server code shows the amber mark, with why.
    connect(m_marks, &PageMarks::refused, this, [this](int round, int index, const QString& reason) {
        if (round == m_marks->round() && index >= 0 && index < m_pageList->rowCount())
            m_pageList->setMark(index, PageListModel::Mark::Tangled,
                                sentence(Outcomes::reason(reason.toStdString()).toStdString()));
    });
    connect(m_pageList, &PageListModel::tickedCountChanged, this, &PagesPage::showTickedCount);
    const QString commands[] = {tr("&Select All"), tr("&UnSelect All"), tr("&Auto Select")};
    for (int i = 0; i < 3; ++i) {
        m_selectButtons[i] = button(this, QStringLiteral("Command3_%1").arg(i), commands[i],
                                    twipsRect(3360, 840 + 480 * i, 1695, 375));
        connect(m_selectButtons[i], &QPushButton::clicked, this, [this, i] { tick(i); });
    }
    // Two lines beside the list, for counts of six digits and more.
    m_tickedCount = label(this, "Label17", QString(), twipsRect(3360, 2280, 1695, 540), true);
    m_tickedCount->setAccessibleName(tr("Pages ticked"));
    m_pagesNextHint =
        label(this, "Label5", tr("Then click on 'Next' to continue."), twipsRect(240, 2880, 4095, 255));
    for (QLabel* l : {m_pagesPrompt, m_pagesNextHint})
        fitText(l);
    // A larger window shows more of the list; the commands keep beside it.
    using platform::Anchors;
    m_anchors.add(m_pagesPrompt, Anchors::Widens);
    m_anchors.add(m_pageView, Anchors::Widens | Anchors::Deepens);
    for (QWidget* w : {m_selectButtons[0], m_selectButtons[1], m_selectButtons[2]})
        m_anchors.add(w, Anchors::MovesRight);
    m_anchors.add(m_tickedCount, Anchors::MovesRight);
    m_anchors.add(m_pagesNextHint, Anchors::MovesDown);
    m_anchors.addRest(this);
}

PagesPage::~PagesPage() {
    m_marks->stop();
}

QWidget* PagesPage::firstControl() {
    return m_pageView;
}

QList<QWidget*> PagesPage::tabOrder() const {
    return {m_pageView, m_selectButtons[0], m_selectButtons[1]};
}

engine::Result<void> PagesPage::list(const QString& folder, bool subfolders) {
    m_marks->stop();
    platform::Result<files::FolderListing> listing = m_platform.listFolder(folder, subfolders);
    m_path = listing ? folder : QString();
    files::FolderListing listed = listing ? std::move(*listing) : files::FolderListing();
    m_names = std::move(listed.names);
    m_id = listed.id;
    m_unlisted = std::move(listed.unlisted);
    m_skipped = std::move(listed.skipped);
    {
        const BusyCursor busy(static_cast<int>(m_names.size()));
        m_pageList->reset(m_path, m_names, m_platform.ignoreRules(m_path));
    }
    m_carried = QList<std::optional<engine::Protocol>>(m_pageList->rowCount());
    if (m_pageList->rowCount() > 0)
        m_pageView->setCurrentIndex(m_pageList->index(0));
    if (!m_path.isEmpty() && !m_names.isEmpty())
        m_marks->start(m_path, m_id, m_names);
    return listing ? engine::Result<void>() : listing.failure();
}

void PagesPage::stopMarks() {
    m_marks->stop();
}

// An entry that already carries the tracking code shows a small mark, and says
// what it carries; one that carries it more than once shows another, and one
// whose markers form no block a run can replace a third.
void PagesPage::showMark(int round, int index, int blocks, const QString& website, const QString& protocol,
                         const QString& via) {
    if (round != m_marks->round() || index < 0 || index >= m_pageList->rowCount())
        return;
    if (blocks > 1) {
        m_pageList->setMark(index, PageListModel::Mark::Repeated,
                            tr("Carries the code more than once; a run leaves one"));
        return;
    }
    if (blocks == 0) {
        m_pageList->setMark(index, PageListModel::Mark::Tangled,
                            tr("Markers need tidying by hand: they form no single block"));
        return;
    }
    const bool secure = protocol == QLatin1String(engine::protocolWord(engine::Protocol::Secure));
    m_carried[index] = secure ? engine::Protocol::Secure : engine::Protocol::Normal;
    const QString protocolName = secure ? QStringLiteral("https") : QStringLiteral("http");
    // A page that shares its footer carries the footer's block.
    const QString says =
        via.isEmpty()
            ? tr("Carries the tracking code for website %1 (%2)").arg(website, protocolName)
            : tr("Carries the tracking code for website %1 (%2), in %3").arg(website, protocolName, via);
    m_pageList->setMark(index, PageListModel::Mark::Code, says);
}

std::optional<engine::Protocol> PagesPage::tickedProtocol() const {
    std::optional<engine::Protocol> agreed;
    for (int i = 0, rows = int(m_carried.size()); i < rows; ++i) {
        if (!m_carried[i] || !m_pageList->ticked(i))
            continue;
        if (agreed && *agreed != *m_carried[i])
            return std::nullopt;
        agreed = m_carried[i];
    }
    return agreed;
}

void PagesPage::showTickedCount() {
    m_tickedCount->setText(
        tr("%1 of %n page(s) ticked", nullptr, m_pageList->rowCount()).arg(m_pageList->tickedCount()));
    m_tickedCount->setFont(font());
    fitText(m_tickedCount);
}

// "Select All", "UnSelect All" and "Auto Select" (the pages by their names).
void PagesPage::tick(int command) {
    const BusyCursor busy(m_pageList->rowCount());
    if (command == 2)
        m_pageList->tickPagesOnly();
    else
        m_pageList->tickAll(command == 0);
}

std::string PagesPage::folder() const {
    return files::localName(m_path);
}

std::vector<std::pair<std::string, std::string>> PagesPage::unlistedFolders() const {
    return folderLines(m_unlisted);
}

std::vector<std::pair<std::string, std::string>> PagesPage::skippedFolders() const {
    return folderLines(m_skipped);
}

int PagesPage::entryCount() const {
    return m_pageList->rowCount();
}

std::string PagesPage::entryName(int index) const {
    return m_pageList->rawName(index).toStdString();
}

bool PagesPage::entrySelected(int index) const {
    return m_pageList->ticked(index);
}

} // namespace wizard
