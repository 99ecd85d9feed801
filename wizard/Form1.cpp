#include "wizard/Form1.h"

#include "engine/ReportText.h"
#include "engine/TrackingBlock.h"
#include "files/Names.h"
#include "picker/Form2.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "version/Version.h"
#include "wizard/LineControl.h"
#include "wizard/PageListModel.h"
#include "wizard/PageMarks.h"
#include "wizard/PreviewDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>

namespace wizard {

using platform::toTwips;
using platform::twips;
using platform::twipsRect;

namespace {

using files::localName;
using files::shownText;

const QString Caption = QStringLiteral("Trafalytic - Code Inserter");

// Words that may begin in lower case, as a sentence of their own.
QString sentence(const std::string& words) {
    QString text = QString::fromStdString(words);
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    return text;
}
constexpr int InViewTop = 840;
constexpr int OutOfViewTop = 8000;

// The layout's outer size, and the client area it was drawn for (a frame of 45
// twips each side and a caption bar above).
constexpr int FormWidth = 6000;
constexpr int FormHeight = 5130;
constexpr int ClientWidth = FormWidth - 2 * 45;
constexpr int ClientHeight = FormHeight - 375 - 45; // caption bar and bottom frame

// Shrinks a label's font, a quarter point at a time, until its text fits the
// label's fixed box: fonts differ from the one the layout was drawn with.
void fitText(QLabel* label) {
    QFont font = label->font();
    const auto fits = [&] {
        const QFontMetrics metrics(font);
        const QRect box = label->contentsRect();
        if (label->wordWrap())
            return metrics.boundingRect(box, Qt::TextWordWrap, label->text()).height() <= box.height();
        return metrics.horizontalAdvance(label->text()) <= box.width() &&
               metrics.height() <= box.height() + 2;
    };
    // Wrapped text may first take the little room left below its box.
    if (label->wordWrap()) {
        const QFontMetrics metrics(font);
        const int needed =
            metrics.boundingRect(label->contentsRect(), Qt::TextWordWrap, label->text()).height();
        const int extra = std::min(needed - label->contentsRect().height(), twips(90));
        if (extra > 0)
            label->resize(label->width(), label->height() + extra);
    }
    while (!fits() && font.pointSizeF() > 6.5)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    label->setFont(font);
}

// The same for a button's caption.
// (`margin`: pixels beside it, an option button's indicator).
void fitCaption(QAbstractButton* button, int margin = twips(150), qreal smallest = 6.5) {
    QFont font = button->font();
    const QString text = QString(button->text()).remove(QLatin1Char('&'));
    while (QFontMetrics(font).horizontalAdvance(text) + margin > button->width() &&
           font.pointSizeF() > smallest)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    button->setFont(font);
}

// The same for the items of a drop-down list, which must show whole in its field.
void fitItems(QComboBox* combo) {
    QFont font = combo->font();
    QStyleOptionComboBox option;
    option.initFrom(combo);
    const int room = combo->style()
                         ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                         .width();
    const auto fits = [&] {
        const QFontMetrics metrics(font);
        for (int i = 0; i < combo->count(); ++i) {
            if (metrics.horizontalAdvance(combo->itemText(i)) > room)
                return false;
        }
        return true;
    };
    while (!fits() && font.pointSizeF() > 6.5)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    combo->setFont(font);
}

QString withoutAccessKey(QString caption) {
    return caption.remove(QLatin1Char('&'));
}

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect geometry, bool wrap = false) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(geometry);
    l->setWordWrap(wrap);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setTextFormat(Qt::PlainText);
    return l;
}

// Names and places a control, and gives it the name screen readers announce.
template <typename T>
T* placed(T* control, const QString& name, QRect geometry, const QString& accessibleName) {
    control->setObjectName(name);
    control->setGeometry(geometry);
    control->setAccessibleName(accessibleName);
    return control;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, QRect geometry) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    b->setAccessibleName(withoutAccessKey(caption));
    // "&Next" keeps the default frame wherever the focus is; Enter on a focused
    // button still presses that button (see Form1::keyPressEvent).
    b->setAutoDefault(false);
    return b;
}

// Lists of more pages than this show a wait cursor while a command works on them.
constexpr int LargeList = 5000;

// A wait cursor for as long as it lives, where the list is large.
class BusyCursor {
public:
    explicit BusyCursor(int entries)
        : m_on(entries > LargeList) {
        if (m_on)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor() {
        if (m_on)
            QApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool m_on;
};

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

// The progress is shown at most this often: painting every page would cost more
// than the pages.
constexpr int ProgressEveryMs = 40;

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

} // namespace

Form1::Form1(platform::Platform& platform, QWidget* parent)
    : QWidget(parent)
    , m_platform(platform) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Caption);
    QIcon icon;
    for (const char* file :
         {":/images/icon16.png", ":/images/icon32.png", ":/images/icon48.png", ":/images/icon256.png"})
        icon.addFile(QLatin1String(file));
    setWindowIcon(icon);
    setMinimumSize(twips(ClientWidth), twips(ClientHeight));
    setFont(platform::dialogFont());
    buildBanner();
    buildNavigation();
    buildFolderPage(m_pages[0]);
    buildPagesPage(m_pages[1]);
    buildSettingsPage(m_pages[2]);
    buildRunPage(m_pages[3]);

    // Tab order: the navigation buttons, then each page's controls in the order they are read.
    QWidget* order[] = {m_navigation[0],    m_navigation[1],    m_navigation[2],  m_folderEdit,
                        m_browseButton,     m_subfoldersCheck,  m_pathNamesCheck, m_pageView,
                        m_selectButtons[0], m_selectButtons[1], m_websiteNumber,  m_protocol,
                        m_insertOption,     m_removeOption,     m_previewButton,  m_selectButtons[2],
                        m_notChangedList,   m_saveReportButton, m_undoButton};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    m_banner->lower();
    for (QLabel* l : {m_welcomeText, m_folderPrompt, m_folderNextHint, m_pagesPrompt, m_pagesNextHint,
                      m_websitePrompt, m_websiteLabel, m_protocolPrompt, m_protocolLabel, m_modePrompt,
                      m_applyingText, m_runHeading, m_closeHint})
        fitText(l);
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
    m_lightLine->setEnds(120, 4080, 5040, 4080);
}

// "Prev", "Next" and "Cancel", and the four pages' frames.
void Form1::buildNavigation() {
    const QString captions[] = {QStringLiteral("&Prev"), QStringLiteral("&Next"), QStringLiteral("&Cancel")};
    const int lefts[] = {2760, 3720, 4800};
    for (int i = 0; i < 3; ++i) {
        m_navigation[i] = button(this, QStringLiteral("Command1_%1").arg(i), captions[i],
                                 twipsRect(lefts[i], 4200, 975, 315));
        connect(m_navigation[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    m_navigation[0]->setEnabled(false);
    m_navigation[1]->setDefault(true);

    const int frameTops[] = {5160, 8160, 11400, 15000};
    const int frameHeights[] = {2895, 3135, 3135, 2895};
    for (int i = 0; i < 4; ++i) {
        m_pages[i] = new QWidget(this);
        m_pages[i]->setObjectName(QStringLiteral("Frame1_%1").arg(i));
        m_pages[i]->setGeometry(twipsRect(120, frameTops[i], 5655, frameHeights[i]));
    }
}

// Page 0: the folder.
void Form1::buildFolderPage(QWidget* page) {
    m_welcomeText = label(
        page, "Label1",
        QStringLiteral("The Trafalytic Code Inserter Wizard makes it quick and easy to insert or remove the "
                       "Trafalytic code from your web pages."),
        twipsRect(240, 240, 5175, 495), true);
    m_folderPrompt = label(page, "Label2",
                           QStringLiteral("To start, please select the folder that contains your web pages."),
                           twipsRect(240, 840, 5175, 255), true);
    m_folderEdit = placed(new QLineEdit(page), QStringLiteral("Text1"), twipsRect(240, 1440, 5175, 285),
                          QStringLiteral("Folder"));
    m_browseButton = button(page, QStringLiteral("Command2"), QStringLiteral("&Browse..."),
                            twipsRect(4440, 1800, 975, 315));
    connect(m_browseButton, &QPushButton::clicked, this, [this] { Command2_Click(); });
    m_subfoldersCheck =
        placed(new QCheckBox(QStringLiteral("Include &subfolders"), page), QStringLiteral("Check1"),
               twipsRect(240, 1830, 3975, 255), QStringLiteral("Include subfolders"));
    m_pathNamesCheck = placed(new QCheckBox(QStringLiteral("Name pages by their &path in the site"), page),
                              QStringLiteral("Check2"), twipsRect(480, 2130, 4935, 255),
                              QStringLiteral("Name pages by their path in the site"));
    m_pathNamesCheck->setEnabled(false);
    connect(m_subfoldersCheck, &QCheckBox::toggled, m_pathNamesCheck, &QWidget::setEnabled);
    m_folderNextHint = label(page, "Label3", QStringLiteral("Then click on 'Next' to continue."),
                             twipsRect(240, 2460, 4095, 255));
    // In its place, for a site generator's source folder: where its pages are.
    m_sourceWarning = label(page, "Label18", QString(), twipsRect(240, 2400, 5175, 495), true);
    m_sourceWarning->hide();
    connect(m_folderEdit, &QLineEdit::textChanged, this, &Form1::showSourceWarning);
}

// Under the folder field: the folder is a site generator's source, whose pages
// are built elsewhere.
void Form1::showSourceWarning(const QString& folder) {
    const std::optional<files::Generator> generator =
        folder.isEmpty() ? std::nullopt : m_platform.generatorOf(folder);
    if (generator)
        m_sourceWarning->setText(files::generatorWarning(QStringLiteral("This folder"), *generator));
    m_sourceWarning->setVisible(generator.has_value());
    m_folderNextHint->setVisible(!generator);
}

// Page 1: the pages to change.
void Form1::buildPagesPage(QWidget* page) {
    m_pagesPrompt =
        label(page, "Label4",
              QStringLiteral(
                  "Now select the web pages you wish to insert or remove the Trafalytic code. If you are "
                  "unsure, just click on 'Select All'."),
              twipsRect(240, 240, 5175, 495), true);
    m_pageView = placed(new QListView(page), QStringLiteral("List1"), twipsRect(600, 840, 2535, 1815),
                        QStringLiteral("Web Pages"));
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
    connect(m_marks, &PageMarks::marked, this, &Form1::showMark);
    // A page a run would refuse for its server code shows the amber mark, with why.
    connect(m_marks, &PageMarks::refused, this, [this](int round, int index, const QString& reason) {
        if (round == m_marks->round() && index >= 0 && index < m_pageList->rowCount())
            m_pageList->setMark(index, PageListModel::Mark::Tangled, sentence(reason.toStdString()));
    });
    connect(m_pageList, &PageListModel::tickedCountChanged, this, &Form1::showTickedCount);
    const QString commands[] = {QStringLiteral("&Select All"), QStringLiteral("&UnSelect All"),
                                QStringLiteral("&Auto Select")};
    for (int i = 0; i < 3; ++i) {
        m_selectButtons[i] = button(page, QStringLiteral("Command3_%1").arg(i), commands[i],
                                    twipsRect(3360, 840 + 480 * i, 1695, 375));
        connect(m_selectButtons[i], &QPushButton::clicked, this, [this, i] { Command3_Click(i); });
    }
    m_tickedCount = label(page, "Label17", QString(), twipsRect(3360, 2280, 1695, 255));
    m_tickedCount->setAccessibleName(QStringLiteral("Pages ticked"));
    m_pagesNextHint = label(page, "Label5", QStringLiteral("Then click on 'Next' to continue."),
                            twipsRect(240, 2880, 4095, 255));
}

// Page 2: website number, protocol and mode.
void Form1::buildSettingsPage(QWidget* page) {
    m_websitePrompt =
        label(page, "Label6",
              QStringLiteral("Please enter your website number that has been assigned to you by Trafalytic."),
              twipsRect(240, 240, 5175, 375), true);
    m_websiteLabel = label(page, "Label7", QStringLiteral("Website Number"), twipsRect(1080, 735, 1695, 255));
    m_websiteNumber = placed(new QLineEdit(page), QStringLiteral("Text2"), twipsRect(2880, 720, 855, 285),
                             QStringLiteral("Website Number"));
    m_websiteLabel->setBuddy(m_websiteNumber);
    m_protocolPrompt =
        label(page, "Label8",
              QStringLiteral("Now enter the protocol you wish to use, if you are unsure, select 'Normal'."),
              twipsRect(240, 1200, 5175, 255), true);
    m_protocolLabel = label(page, "Label9", QStringLiteral("Web Protocol"), twipsRect(1080, 1590, 1455, 255));
    m_protocol = placed(new QComboBox(page), QStringLiteral("Combo1"), twipsRect(2880, 1560, 1695, 315),
                        QStringLiteral("Web Protocol"));
    m_protocolLabel->setBuddy(m_protocol);
    m_modePrompt =
        label(page, "Label10", QStringLiteral("Are you inserting or removing the Trafalytic code ?"),
              twipsRect(240, 2040, 5175, 255));
    m_insertOption = new QRadioButton(QStringLiteral("I am inserting the Trafalytic code."), page);
    m_insertOption->setObjectName(QStringLiteral("Option1"));
    m_insertOption->setGeometry(twipsRect(1320, 2400, 2775, 255));
    m_insertOption->setAccessibleName(m_insertOption->text());
    m_insertOption->setChecked(true);
    m_removeOption = new QRadioButton(QStringLiteral("I am removing the Trafalytic code."), page);
    m_removeOption->setObjectName(QStringLiteral("Option2"));
    m_removeOption->setGeometry(twipsRect(1320, 2760, 2775, 255));
    m_removeOption->setAccessibleName(m_removeOption->text());
    // Narrowed beside "Preview...": the captions may take a smaller size.
    fitCaption(m_insertOption, twips(360), 5.5);
    fitCaption(m_removeOption, twips(360), 5.5);
    // Both in one size, the smaller.
    if (m_insertOption->font().pointSizeF() < m_removeOption->font().pointSizeF())
        m_removeOption->setFont(m_insertOption->font());
    else
        m_insertOption->setFont(m_removeOption->font());
    m_previewButton = button(page, QStringLiteral("Command5"), QStringLiteral("Pre&view..."),
                             twipsRect(4215, 2730, 1200, 315));
    connect(m_previewButton, &QPushButton::clicked, this, [this] { showPreview(); });
    fitCaption(m_previewButton);
}

// Page 3: progress and outcome.
void Form1::buildRunPage(QWidget* page) {
    m_applyingText = label(
        page, "Label11",
        QStringLiteral("The Trafalytic Code Inserter Wizard is now applying your changes, please wait."),
        twipsRect(240, 360, 5175, 495), true);
    m_runHeading =
        label(page, "Label12", QStringLiteral("Now modifying web page:"), twipsRect(240, 1080, 5175, 255));
    m_pageInHandLabel =
        label(page, "Label13", QStringLiteral("WEB PAGE NAME"), twipsRect(240, 1440, 5175, 495), true);
    m_pageInHandLabel->setTextInteractionFlags(Qt::NoTextInteraction);
    m_progress = new QProgressBar(page);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setGeometry(twipsRect(240, 1995, 5175, 285));
    m_progress->setAccessibleName(QStringLiteral("Progress"));
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    m_progress->setFormat(QStringLiteral("%v of %m"));
    m_runSummary = label(page, "Label16", QString(), twipsRect(240, 1380, 5175, 255), true);
    m_runSummary->setFont(m_runHeading->font());
    m_runSummary->hide();
    m_notChangedList = new ReportList(page);
    m_notChangedList->setObjectName(QStringLiteral("List2"));
    m_notChangedList->setGeometry(twipsRect(240, 1650, 3735, 690));
    m_notChangedList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_notChangedList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_notChangedList->setWordWrap(true); // each line whole: the page and why
    m_notChangedList->setTextElideMode(Qt::ElideNone);
    m_notChangedList->setAccessibleName(QStringLiteral("Pages not changed"));
    m_notChangedList->hide();
    m_saveReportButton = button(page, QStringLiteral("Command4"), QStringLiteral("Save &Report..."),
                                twipsRect(4095, 1650, 1320, 315));
    connect(m_saveReportButton, &QPushButton::clicked, this, [this] { saveReport(); });
    fitCaption(m_saveReportButton);
    m_saveReportButton->hide();
    m_undoButton = button(page, QStringLiteral("Command7"), QStringLiteral("&Undo Changes"),
                          twipsRect(4095, 2025, 1320, 315));
    connect(m_undoButton, &QPushButton::clicked, this, [this] { undoRun(); });
    fitCaption(m_undoButton);
    m_undoButton->hide();
    m_closeHint =
        label(page, "Label14", QStringLiteral("Click on 'Close' to finish. Thank you For using Trafalytic."),
              twipsRect(240, 2400, 5175, 255));
}

Form1::~Form1() {
    m_marks->stop();
    delete m_form2;
}

QString Form1::versionText(int major, int minor, int revision) {
    return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(revision);
}

void Form1::Form_Load() {
    resize(twips(ClientWidth), twips(ClientHeight));
    m_versionLabel->setText(versionText(version::major(), version::minor(), version::patch()));
    m_protocol->clear();
    m_protocol->addItem(QString::fromLatin1(engine::NormalProtocol.data(), engine::NormalProtocol.size()));
    m_protocol->addItem(QString::fromLatin1(engine::SecureProtocol.data(), engine::SecureProtocol.size()));
    m_protocol->setCurrentIndex(0);
    fitItems(m_protocol);
    LoadFrame(0);
    show();
    Form_Resize();
    m_navigation[1]->setFocus();
}

void Form1::LoadFrame(int FrNo) {
    for (int i = 0; i < 4; ++i)
        m_pages[i]->move(m_pages[i]->x(), twips(i == FrNo ? InViewTop : OutOfViewTop));
    // Pages out of view keep what they hold, but Tab and access keys do not reach
    // them. The page in view is shown first, so that a focus leaving a hidden page
    // lands on it.
    if (FrNo >= 0 && FrNo < 4)
        m_pages[FrNo]->setVisible(true);
    for (int i = 0; i < 4; ++i) {
        if (i != FrNo)
            m_pages[i]->setVisible(false);
    }
}

void Form1::focusPage() {
    // Typing goes where the page wants it: its folder, page list or website number.
    QWidget* first[] = {m_folderEdit, m_pageView, m_websiteNumber};
    if (m_curFrNo >= 0 && m_curFrNo < 3)
        first[m_curFrNo]->setFocus();
}

void Form1::Command1_Click(int Index) {
    if (Index == 1) {
        QString message;
        if (m_curFrNo == 0 && m_folderEdit->text().isEmpty())
            message = QStringLiteral("Please Select a Folder");
        if (m_curFrNo == 2 && !engine::hasWebsiteNumber(m_websiteNumber->text().toStdString()))
            message = QStringLiteral("Please Enter a Website Number");
        if (!message.isEmpty()) {
            m_platform.warn(this, windowTitle(), message);
            return;
        }
        if (m_curFrNo == 0) {
            LoadList();
            // A folder that is not there or cannot be read is said so, not passed as done.
            if (!m_file1Listed) {
                m_platform.warn(this, windowTitle(), QString::fromStdString(m_file1Listed.reason()));
                return;
            }
        }
        if (m_curFrNo < 3) {
            ++m_curFrNo;
            LoadFrame(m_curFrNo);
            focusPage();
        }
        m_navigation[0]->setEnabled(true);
        if (m_curFrNo == 3) {
            m_navigation[0]->setEnabled(false);
            m_navigation[1]->setEnabled(false);
            m_navigation[2]->setEnabled(false);
            m_navigation[2]->setText(QStringLiteral("&Close"));
            m_navigation[2]->setAccessibleName(QStringLiteral("Close"));
            DoMods();
        }
    } else if (Index == 0) {
        if (m_curFrNo > 0) {
            --m_curFrNo;
            LoadFrame(m_curFrNo);
        }
        if (m_curFrNo == 0)
            m_navigation[0]->setEnabled(false);
        m_navigation[1]->setEnabled(true);
        focusPage();
    } else if (Index == 2) {
        m_platform.quit();
    }
}

void Form1::Command2_Click() {
    if (!m_form2) {
        m_form2 = new picker::Form2(m_platform, windowTitle());
        connect(m_form2, &QObject::destroyed, this, [this] { m_form2 = nullptr; });
    }
    const QString folder = m_form2->showModal();
    if (!folder.isNull())
        m_folderEdit->setText(folder);
}

void Form1::LoadList() {
    m_marks->stop();
    // A folder that cannot be listed leaves the list empty and stands for no folder,
    // so that the batch can never rewrite the files of another one.
    platform::Result<files::FolderListing> listing =
        m_platform.listFolder(m_folderEdit->text(), m_subfoldersCheck->isChecked());
    m_file1Path = listing ? m_folderEdit->text() : QString();
    m_file1Listed = listing ? engine::Result<void>() : listing.failure();
    files::FolderListing listed = listing ? std::move(*listing) : files::FolderListing();
    m_file1Names = std::move(listed.names);
    m_file1Id = listed.id;
    m_file1Unlisted = std::move(listed.unlisted);
    m_file1Skipped = std::move(listed.skipped);
    {
        const BusyCursor busy(static_cast<int>(m_file1Names.size()));
        m_pageList->reset(m_file1Path, m_file1Names, m_platform.ignoreRules(m_file1Path));
    }
    if (m_pageList->rowCount() > 0)
        m_pageView->setCurrentIndex(m_pageList->index(0));
    if (!m_file1Path.isEmpty() && !m_file1Names.isEmpty())
        m_marks->start(m_file1Path, m_file1Id, m_file1Names);
}

// An entry that already carries the tracking code shows a small mark, and says
// what it carries; one whose markers form no block shows another.
void Form1::showMark(int round, int index, bool tangled, const QString& website, const QString& protocol,
                     const QString& via) {
    if (round != m_marks->round() || index < 0 || index >= m_pageList->rowCount())
        return;
    if (tangled) {
        m_pageList->setMark(index, PageListModel::Mark::Tangled,
                            QStringLiteral("Markers need tidying by hand: they form no single block"));
        return;
    }
    QString says = QStringLiteral("Carries the tracking code for website %1 (%2)")
                       .arg(website, protocol == QLatin1String("secure") ? QStringLiteral("https")
                                                                         : QStringLiteral("http"));
    // A page that shares its footer carries the footer's block.
    if (!via.isEmpty())
        says += QStringLiteral(", in %1").arg(via);
    m_pageList->setMark(index, PageListModel::Mark::Code, says);
}

void Form1::showTickedCount() {
    const int rows = m_pageList->rowCount();
    m_tickedCount->setText(QStringLiteral("%1 of %2 %3 ticked")
                               .arg(m_pageList->tickedCount())
                               .arg(rows)
                               .arg(rows == 1 ? QStringLiteral("page") : QStringLiteral("pages")));
}

void Form1::Command3_Click(int Index) {
    const BusyCursor busy(m_pageList->rowCount());
    if (Index == 2)
        m_pageList->tickPagesOnly();
    else
        m_pageList->tickAll(Index == 0);
}

// Page 3 as a run starts: the path in hand and the bar, nothing of the last outcome.
void Form1::startRunView() {
    m_closeHint->hide();
    m_runSummary->hide();
    m_notChangedList->hide();
    m_saveReportButton->hide();
    m_undoButton->hide();
    m_runHeading->setText(QStringLiteral("Now modifying web page:"));
    fitText(m_runHeading);
    m_pageInHandLabel->show();
    m_progress->show();
    m_marks->stop();
    m_lastShown.invalidate();
}

// Options for a run whose changes the journal keeps: the journal is begun before any
// page is touched, and a run that cannot keep one says so and changes nothing.
engine::BatchOptions Form1::journaled(std::unique_ptr<files::JournalWriter>& journal,
                                      files::JournalRun header) {
    engine::BatchOptions options;
    platform::Result<std::unique_ptr<files::JournalWriter>> begun = m_platform.beginJournal(header);
    if (!begun) {
        m_lastRun = begun.failure();
        return options;
    }
    journal = std::move(*begun);
    options.journal = journal.get();
    return options;
}

void Form1::DoMods() {
    startRunView();
    m_lastJournal.clear();
    m_lastWasUndo = false;
    m_lastRun = engine::BatchResult();
    std::unique_ptr<files::JournalWriter> journal;
    engine::BatchOptions options;
    if (selectedCount() > 0) {
        files::JournalRun header;
        header.command = mode() == engine::Mode::Insert ? QStringLiteral("insert") : QStringLiteral("remove");
        if (mode() == engine::Mode::Insert) {
            header.website = m_websiteNumber->text();
            header.protocol = engine::isNormalProtocol(protocolText()) ? QStringLiteral("normal")
                                                                       : QStringLiteral("secure");
        }
        header.folder = QFile::encodeName(QFileInfo(m_file1Path).absoluteFilePath());
        header.root = m_file1Id;
        options = journaled(journal, header);
    }
    m_running = true;
    if (m_lastRun)
        m_lastRun = engine::runBatch(*this, m_platform.pageFiles(), options);
    if (journal) {
        journal->finish();
        m_lastJournal = journal->pagesKept() > 0 ? journal->id() : QString();
    }
    m_running = false;
    showRunOutcome();
    m_navigation[2]->setEnabled(true);
    m_navigation[2]->setFocus();
}

void Form1::undoRun() {
    m_undoButton->setEnabled(false);
    platform::Result<std::unique_ptr<files::JournalReader>> found = m_platform.openForUndo(m_lastJournal);
    if (!found) {
        m_platform.warn(this, windowTitle(),
                        found.kind() == engine::Failure::Kind::NotFound
                            ? QStringLiteral("The journal of this run is gone: its changes cannot be undone.")
                            : sentence(found.reason()));
        return;
    }
    const std::unique_ptr<files::JournalReader> record = std::move(*found);
    startRunView();
    m_lastWasUndo = true;
    m_lastRun = engine::BatchResult();
    files::JournalRun header;
    header.command = QStringLiteral("undo");
    header.folder = record->run().folder;
    header.root = record->run().root;
    header.undoes = record->run().id;
    std::unique_ptr<files::JournalWriter> journal;
    const engine::BatchOptions options = journaled(journal, header);
    // An undo is a run: the buttons wait for it, and closing asks the stop question.
    m_navigation[2]->setEnabled(false);
    m_running = true;
    if (m_lastRun)
        m_lastRun = engine::runUndo(*this, m_platform.pageFiles(), *record, options);
    if (journal)
        journal->finish();
    if (m_lastRun) {
        const engine::Result<void> marked = record->markTakenBack(
            journal && journal->pagesKept() > 0 ? journal->id() : QStringLiteral("-"), *m_lastRun);
        if (!marked)
            m_platform.warn(this, windowTitle(), sentence(marked.reason()));
    }
    m_running = false;
    showRunOutcome();
    m_navigation[2]->setEnabled(true);
    m_navigation[2]->setFocus();
}

// The heading of page 3 once a run has ended: its error, a stop, success, or how
// many pages the list below holds.
QString Form1::outcomeHeading() const {
    if (!m_lastRun)
        return QString::fromStdString(m_lastRun.reason());
    const engine::BatchResult& run = *m_lastRun;
    const auto failed = static_cast<int>(run.count(engine::Outcome::Failed));
    const auto skipped = static_cast<int>(run.count(engine::Outcome::Skipped));
    if (run.stopped) {
        const int done =
            static_cast<int>(run.pages.size()) -
            (m_lastWasUndo ? 0 : static_cast<int>(m_file1Unlisted.size() + m_file1Skipped.size()));
        return QStringLiteral("Stopped: %1 of %2 pages done, the rest not:").arg(done).arg(m_pagesTotal);
    }
    if (failed == 0 && skipped == 0)
        return m_lastWasUndo ? QStringLiteral("Changes Undone!") : QStringLiteral("Changes Complete!");
    // The heading counts what the list below it holds, and names both kinds.
    QStringList kinds;
    if (skipped > 0)
        kinds << QStringLiteral("%1 skipped").arg(skipped);
    if (failed > 0)
        kinds << QStringLiteral("%1 failed").arg(failed);
    const int listed = failed + skipped;
    return QStringLiteral("%1 %2 not changed (%3):")
        .arg(listed)
        .arg(listed == 1 ? QStringLiteral("page") : QStringLiteral("pages"),
             kinds.join(QStringLiteral(", ")));
}

// The pages not changed, with the reasons; after a stop, those never reached.
void Form1::listPagesNotChanged() {
    m_notChangedList->clear();
    const engine::BatchResult run = m_lastRun ? *m_lastRun : engine::BatchResult();
    for (const auto wanted : {engine::Outcome::Failed, engine::Outcome::Skipped}) {
        for (const auto& page : run.pages) {
            if (page.reported() != wanted)
                continue;
            const QString what =
                wanted == engine::Outcome::Failed ? QStringLiteral("not changed") : QStringLiteral("skipped");
            auto* item = new QListWidgetItem(
                QStringLiteral("%1 (%2: %3)").arg(shownText(page.path), what, shownText(page.reason())),
                m_notChangedList);
            item->setToolTip(item->text());
        }
    }
    if (run.stopped && !m_lastWasUndo) {
        QSet<QString> reached;
        for (const auto& page : run.pages)
            reached.insert(shownText(page.path));
        for (int i = 0; i < m_pageList->rowCount(); ++i) {
            const QString path = shownText(engine::joinPath(folder(), m_pageList->rawName(i).toStdString()));
            if (m_pageList->ticked(i) && !reached.contains(path))
                m_notChangedList->addItem(QStringLiteral("%1 (not done)").arg(path));
        }
    }
    m_notChangedList->setVisible(m_notChangedList->count() > 0);
}

void Form1::showRunOutcome() {
    const engine::BatchResult run = m_lastRun ? *m_lastRun : engine::BatchResult();
    m_pageInHandLabel->hide();
    m_progress->hide();
    if (!m_lastRun) {
        m_runHeading->setWordWrap(true);
        m_runHeading->resize(m_runHeading->width(), twips(495));
    }
    m_runHeading->setText(outcomeHeading());
    fitText(m_runHeading);

    m_runSummary->setText(QString::fromStdString(m_lastWasUndo ? run.undoSummary() : run.summary()) +
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
void Form1::saveReport() {
    const QString path =
        m_platform.askSaveFile(this, QStringLiteral("Save Report"),
                               QDir::home().filePath(QStringLiteral("code-inserter-report.txt")));
    if (path.isEmpty())
        return;
    QString report;
    const engine::BatchResult run = m_lastRun ? *m_lastRun : engine::BatchResult();
    for (const auto& page : run.pages) {
        QString line = QString::fromLatin1(engine::outcomeWord(page.reported()));
        line = line.leftJustified(std::max(static_cast<int>(line.size()) + 1, 10));
        line += shownText(page.path);
        if (!page.via.empty())
            line += QStringLiteral(" (in %1)").arg(shownText(page.via));
        if (!page.reason().empty())
            line += QStringLiteral(": ") + shownText(page.reason());
        report += line + QLatin1Char('\n');
    }
    report += QString::fromStdString(m_lastWasUndo ? run.undoSummary() : run.summary()) + QLatin1Char('\n');
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(report.toUtf8()) < 0 ||
        !file.flush())
        m_platform.warn(this, windowTitle(),
                        QStringLiteral("The report cannot be saved to %1: %2").arg(path, file.errorString()));
}

void Form1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void Form1::Form_Resize() {
    const int clientWidth = toTwips(width());
    m_banner->setGeometry(0, 0, twips(clientWidth), twips(660));
    m_lightLine->setEnds(0, m_lightLine->y1(), static_cast<float>(clientWidth), m_lightLine->y2());
    m_darkLine->setEnds(0, m_lightLine->y1() - 15, static_cast<float>(clientWidth), m_lightLine->y2() - 15);
}

void Form1::closeEvent(QCloseEvent* event) {
    // During a run the user is asked; a stop comes after the pages in hand, never
    // half-way through one, and page 3 then tells what was done and what was not.
    if (m_running) {
        event->ignore();
        if (!m_closeRequested)
            m_closeRequested = askToStop();
        return;
    }
    event->accept();
    m_platform.quit();
}

bool Form1::askToStop() {
    return m_platform.ask(
        this, windowTitle(),
        QStringLiteral("Stop after the pages in hand? Pages already done keep their changes."));
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

std::string Form1::folder() {
    return localName(m_file1Path);
}
engine::FolderId Form1::listedFolder() {
    return m_file1Id;
}
namespace {
std::vector<std::pair<std::string, std::string>>
folderLines(const QList<QPair<QByteArray, QString>>& folders) {
    std::vector<std::pair<std::string, std::string>> lines;
    for (const auto& [path, reason] : folders)
        lines.emplace_back(path.toStdString(), reason.toStdString());
    return lines;
}
} // namespace

std::vector<std::pair<std::string, std::string>> Form1::unlistedFolders() {
    return folderLines(m_file1Unlisted);
}
std::vector<std::pair<std::string, std::string>> Form1::skippedFolders() {
    return folderLines(m_file1Skipped);
}
int Form1::entryCount() {
    return m_pageList->rowCount();
}
std::string Form1::entryName(int index) {
    return m_pageList->rawName(index).toStdString();
}
bool Form1::entrySelected(int index) {
    return m_pageList->ticked(index);
}
bool Form1::pageNameByPath() {
    return m_subfoldersCheck->isChecked() && m_pathNamesCheck->isChecked();
}
std::string Form1::websiteNumber() {
    return m_websiteNumber->text().toStdString();
}
std::string Form1::protocolText() {
    return m_protocol->currentText().toStdString();
}
engine::Mode Form1::mode() {
    return m_insertOption->isChecked() ? engine::Mode::Insert : engine::Mode::Remove;
}

// What a run with the settings of page 2 would do, page by page, before it is made.
void Form1::showPreview() {
    PreviewSource source;
    source.folder = folder();
    source.listed = listedFolder();
    source.unlisted = unlistedFolders();
    source.skipped = skippedFolders();
    for (int i = 0, count = entryCount(); i < count; ++i) {
        if (entrySelected(i))
            source.names.push_back(entryName(i));
    }
    source.website = websiteNumber();
    source.protocol = protocolText();
    source.mode = mode();
    source.pageNameByPath = pageNameByPath();
    PreviewDialog dialog(std::move(source), m_platform, windowTitle(), this);
    m_platform.showModal(dialog);
}

void Form1::pageStarting(const std::string& path, int done, int total) {
    m_pageInHand = shownText(path);
    m_pagesDone = done;
    m_pagesTotal = total;
    // At the screen's pace, and at once on the last page and once a stop is asked.
    if (!m_lastShown.isValid() || m_lastShown.elapsed() >= ProgressEveryMs || done + 1 >= total ||
        m_closeRequested)
        showProgress();
}

void Form1::showProgress() {
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

void Form1::pageFinished(const engine::PageResult&, int, int) {
    // Outcomes come a group at a time; the bar follows the pages as they are staged.
}

bool Form1::stopRequested() {
    return m_closeRequested;
}

} // namespace wizard
