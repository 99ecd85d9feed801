#include "wizard/Form1.h"

#include "files/JournaledRun.h"
#include "files/Names.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "version/Version.h"
#include "wizard/FolderPage.h"
#include "wizard/Languages.h"
#include "wizard/LineControl.h"
#include "wizard/PagesPage.h"
#include "wizard/PreviewDialog.h"
#include "wizard/RunPage.h"
#include "wizard/SettingsPage.h"
#include "wizard/TextFit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace wizard {

using platform::toTwips;
using platform::twips;
using platform::twipsRect;

namespace {

// The window's caption, which titles its message boxes too.
QString caption() {
    return Form1::tr("Trafalytic - Code Inserter");
}

constexpr int InViewTop = 840;
constexpr int LightLineTop = 4080;
constexpr int OutOfViewTop = 8000;

// The layout's outer size, and the client area it was drawn for (a frame of 45
// twips each side and a caption bar above).
constexpr int FormWidth = 6000;
constexpr int FormHeight = 5130;
constexpr int ClientWidth = FormWidth - 2 * 45;
constexpr int ClientHeight = FormHeight - 375 - 45; // caption bar and bottom frame

} // namespace

Form1::Form1(platform::Platform& platform, QWidget* parent)
    : QWidget(parent)
    , m_platform(platform) {
    // The language of the default locale: the desktop's, unless a test set another.
    useLanguageOf();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(caption());
    QIcon icon;
    for (const char* file :
         {":/images/icon16.png", ":/images/icon32.png", ":/images/icon48.png", ":/images/icon256.png"})
        icon.addFile(QLatin1String(file));
    setWindowIcon(icon);
    setMinimumSize(twips(ClientWidth), twips(ClientHeight));
    setFont(platform::dialogFont());
    buildBanner();
    buildNavigation();
    m_folderPage = new FolderPage(m_platform, caption(), this);
    m_pagesPage = new PagesPage(m_platform, this);
    m_settingsPage = new SettingsPage(this);
    m_runPage = new RunPage(m_platform, caption(), this);
    m_pages = {m_folderPage, m_pagesPage, m_settingsPage, m_runPage};
    const int frameTops[] = {5160, 8160, 11400, 15000};
    const int frameHeights[] = {2895, 3135, 3135, 2895};
    for (int i = 0; i < 4; ++i) {
        m_pages[i]->setObjectName(QStringLiteral("Frame1_%1").arg(i));
        m_pages[i]->setGeometry(twipsRect(120, frameTops[i], 5655, frameHeights[i]));
    }
    connect(m_settingsPage, &SettingsPage::previewRequested, this, &Form1::showPreview);
    // A run or an undo: Close waits for it, then takes the focus.
    connect(m_runPage, &RunPage::runStarted, this, [this] { m_navigation[2]->setEnabled(false); });
    connect(m_runPage, &RunPage::runEnded, this, [this] {
        m_navigation[2]->setEnabled(true);
        m_navigation[2]->setFocus();
    });

    // Tab order: the navigation buttons, then each page's controls in the order they are read.
    QList<QWidget*> order{m_navigation[0], m_navigation[1], m_navigation[2]};
    order << m_folderPage->tabOrder() << m_pagesPage->tabOrder() << m_settingsPage->tabOrder()
          << m_pagesPage->autoSelectButton() << m_runPage->tabOrder();
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
    m_banner->lower();
    fitAllCaptions(this);

    // Grown past its smallest size, the window gives the room to the pages; the
    // buttons keep to its bottom right, the version to the banner's right end.
    using platform::Anchors;
    for (QWidget* w : m_navigation)
        m_anchors.add(w, Anchors::MovesRight | Anchors::MovesDown);
    m_anchors.add(m_versionLabel, Anchors::MovesRight);
    for (QWidget* w : m_pages)
        m_anchors.add(w, Anchors::Widens | Anchors::Deepens);
    m_anchors.addRest(this);
}

// The white banner with the picture and the version, and the separator lines.
void Form1::buildBanner() {
    // The white banner lies behind the picture and the version label.
    m_banner = new QWidget(this);
    m_banner->setObjectName(QStringLiteral("Shape1"));
    m_banner->setGeometry(twipsRect(0, 0, 5895, 660));
    m_banner->setAutoFillBackground(true);
    QPalette white = m_banner->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_banner->setPalette(white);

    m_bannerPicture = new QLabel(this);
    m_bannerPicture->setObjectName(QStringLiteral("Image1"));
    const QPixmap banner(QStringLiteral(":/images/banner.png"));
    m_bannerPicture->setPixmap(banner);
    m_bannerPicture->setGeometry(QRect(QPoint(0, 0), banner.deviceIndependentSize().toSize()));
    m_bannerPicture->setAccessibleName(QStringLiteral("Trafalytic"));

    // The version label: a small grey text at the banner's right edge.
    m_versionLabel = label(this, "Label15", QStringLiteral("x.x.x"), twipsRect(5520, 480, 375, 135));
    QFont small(QStringLiteral("Small Fonts"));
    small.setFamilies({QStringLiteral("Small Fonts"), QStringLiteral("Liberation Sans"),
                       QStringLiteral("DejaVu Sans"), QStringLiteral("Arial")});
    small.setPointSizeF(6.75);
    small.setWeight(QFont::Normal);
    m_versionLabel->setFont(small);
    QPalette grey = m_versionLabel->palette();
    grey.setColor(QPalette::WindowText, QColor(0xC0, 0xC0, 0xC0));
    m_versionLabel->setPalette(grey);
    m_versionLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_darkLine = new LineControl(QPalette::Dark, this);
    m_darkLine->setObjectName(QStringLiteral("Line1"));
    m_darkLine->setEnds(120, 3960, 5040, 3960);
    m_lightLine = new LineControl(QPalette::Light, this);
    m_lightLine->setObjectName(QStringLiteral("Line2"));
    m_lightLine->setEnds(120, LightLineTop, 5040, LightLineTop);
}

// "Prev", "Next" and "Cancel".
void Form1::buildNavigation() {
    const QString captions[] = {tr("&Prev", "wizard navigation: the page before"),
                                tr("&Next", "wizard navigation: the page after"), tr("&Cancel")};
    const int lefts[] = {2760, 3720, 4800};
    for (int i = 0; i < 3; ++i)
        m_navigation[i] = button(this, QStringLiteral("Command1_%1").arg(i), captions[i],
                                 twipsRect(lefts[i], 4200, 975, 315));
    connect(m_navigation[0], &QPushButton::clicked, this, &Form1::goBack);
    connect(m_navigation[1], &QPushButton::clicked, this, &Form1::goNext);
    connect(m_navigation[2], &QPushButton::clicked, this, &Form1::cancel);
    m_navigation[0]->setEnabled(false);
    m_navigation[1]->setDefault(true);
}

Form1::~Form1() {
    m_pagesPage->stopMarks();
}

QString Form1::versionText(int major, int minor, int revision) {
    return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString Form1::listedFolder() const {
    return m_pagesPage->listedPath();
}

void Form1::start() {
    resize(twips(ClientWidth), twips(ClientHeight));
    m_versionLabel->setText(versionText(version::major(), version::minor(), version::patch()));
    m_settingsPage->start();
    // Page 0 and page 2 begin where the last run left them.
    m_folderPage->restore(m_platform);
    m_settingsPage->restore(m_platform);
    showPage(0);
    show();
    stretchBanner();
    m_navigation[1]->setFocus();
}

void Form1::showPage(int page) {
    for (int i = 0; i < 4; ++i)
        m_pages[i]->move(m_pages[i]->x(), twips(i == page ? InViewTop : OutOfViewTop));
    // Pages out of view keep what they hold, but Tab and access keys do not reach
    // them. The page in view is shown first, so that a focus leaving a hidden page
    // lands on it.
    if (page >= 0 && page < 4)
        m_pages[page]->setVisible(true);
    for (int i = 0; i < 4; ++i) {
        if (i != page)
            m_pages[i]->setVisible(false);
    }
}

void Form1::focusPage() {
    // Typing goes where the page wants it: its folder, page list or website number.
    if (QWidget* first = m_pages[m_currentPage]->firstControl())
        first->setFocus();
}

// "Next": the page in view checks its fields; page 0 lists the folder, and the
// last step starts the run.
void Form1::goNext() {
    if (m_currentPage < 3) {
        if (const QString message = m_pages[m_currentPage]->check(); !message.isEmpty()) {
            m_platform.warn(this, windowTitle(), message);
            return;
        }
    }
    if (m_currentPage == 0) {
        // A folder that is not there or cannot be read is said so, not passed as done.
        const engine::Result<void> listed =
            m_pagesPage->list(m_folderPage->folder(), m_folderPage->includeSubfolders());
        if (!listed) {
            m_platform.warn(this, windowTitle(), QString::fromStdString(listed.reason()));
            return;
        }
    }
    if (m_currentPage == 1)
        m_settingsPage->showCarried(m_pagesPage->tickedProtocol());
    if (m_currentPage < 3) {
        ++m_currentPage;
        showPage(m_currentPage);
        focusPage();
    }
    m_navigation[0]->setEnabled(true);
    if (m_currentPage == 3)
        startRun();
}

// The last page: the buttons wait for the run; Cancel becomes Close.
void Form1::startRun() {
    for (QPushButton* b : m_navigation)
        b->setEnabled(false);
    m_navigation[2]->setText(tr("&Close"));
    m_navigation[2]->setAccessibleName(tr("Close"));
    m_pagesPage->stopMarks();
    // What the run starts with is what the next start begins with.
    m_folderPage->keep(m_platform);
    m_settingsPage->keep(m_platform);
    // The settings are read once, here: they cannot change while the run goes.
    engine::RunSettings settings = m_settingsPage->runSettings();
    settings.naming = m_folderPage->namesByPath() ? engine::PageNaming::Path : engine::PageNaming::File;
    const QString folder = m_pagesPage->listedPath();
    m_runPage->changePages(
        *m_pagesPage, settings,
        files::RunFolder{files::absoluteName(folder), QByteArray(), m_pagesPage->listedFolder()});
}

void Form1::goBack() {
    if (m_currentPage > 0) {
        --m_currentPage;
        showPage(m_currentPage);
    }
    if (m_currentPage == 0)
        m_navigation[0]->setEnabled(false);
    m_navigation[1]->setEnabled(true);
    focusPage();
}

void Form1::cancel() {
    m_platform.quit();
}

// What a run with the settings of page 2 would do, page by page, before it is made.
void Form1::showPreview() {
    PreviewSource source;
    source.folder = m_pagesPage->folder();
    source.listed = m_pagesPage->listedFolder();
    source.unlisted = m_pagesPage->unlistedFolders();
    source.skipped = m_pagesPage->skippedFolders();
    for (int i = 0, count = m_pagesPage->entryCount(); i < count; ++i) {
        if (m_pagesPage->entrySelected(i))
            source.names.push_back(m_pagesPage->entryName(i));
    }
    source.settings = m_settingsPage->currentSettings();
    source.settings.naming =
        m_folderPage->namesByPath() ? engine::PageNaming::Path : engine::PageNaming::File;
    PreviewDialog dialog(std::move(source), m_platform, windowTitle(), this);
    m_platform.showModal(dialog);
}

void Form1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int dx = std::max(0, width() - minimumWidth());
    const int dy = std::max(0, height() - minimumHeight());
    m_anchors.apply(dx, dy);
    for (const WizardPage* page : m_pages)
        page->follow(dx, dy);
    stretchBanner();
}

// The banner and the lines span the window's width; the lines stay above the buttons.
void Form1::stretchBanner() {
    const int clientWidth = toTwips(width());
    m_banner->setGeometry(0, 0, twips(clientWidth), twips(660));
    const float lineY = float(LightLineTop + toTwips(std::max(0, height() - minimumHeight())));
    m_lightLine->setEnds(0, lineY, static_cast<float>(clientWidth), lineY);
    m_darkLine->setEnds(0, m_lightLine->y1() - 15, static_cast<float>(clientWidth), m_lightLine->y2() - 15);
}

void Form1::closeEvent(QCloseEvent* event) {
    // During a run the user is asked; a stop comes after the pages in hand, never
    // half-way through one, and page 3 then tells what was done and what was not.
    if (m_runPage->running()) {
        event->ignore();
        if (!m_runPage->stopAsked() && askToStop())
            m_runPage->askStop();
        return;
    }
    event->accept();
    m_platform.quit();
}

bool Form1::askToStop() {
    return m_platform.ask(this, windowTitle(), stopQuestion());
}

void Form1::keyPressEvent(QKeyEvent* event) {
    // Enter on a focused button presses it; Enter that no control took presses the
    // default button, "&Next".
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        if (auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
            focused && focused->isEnabled() && isAncestorOf(focused)) {
            focused->click();
            return;
        }
        if (m_navigation[1]->isEnabled()) {
            m_navigation[1]->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

} // namespace wizard
