#include "wizard/FolderPage.h"

#include "files/SiteSource.h"
#include "picker/Form2.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "wizard/HistoryDialog.h"
#include "wizard/TextFit.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>

namespace wizard {

using platform::twipsRect;

FolderPage::FolderPage(platform::Platform& platform, const QString& caption, QWidget* parent)
    : WizardPage(parent)
    , m_platform(platform)
    , m_caption(caption) {
    m_welcomeText =
        label(this, "Label1",
              tr("The Trafalytic Code Inserter Wizard makes it quick and easy to insert or remove the "
                 "Trafalytic code from your web pages."),
              twipsRect(240, 240, 5175, 495), true);
    m_folderPrompt =
        label(this, "Label2", tr("To start, please select the folder that contains your web pages."),
              twipsRect(240, 840, 5175, 255), true);
    m_folderEdit =
        placed(new QLineEdit(this), QStringLiteral("Text1"), twipsRect(240, 1440, 5175, 285), tr("Folder"));
    m_browseButton =
        button(this, QStringLiteral("Command2"), tr("&Browse..."), twipsRect(4440, 1800, 975, 315));
    connect(m_browseButton, &QPushButton::clicked, this, [this] { pickFolder(); });
    m_subfoldersCheck = placed(new QCheckBox(tr("Include &subfolders"), this), QStringLiteral("Check1"),
                               twipsRect(240, 1830, 3975, 255), tr("Include subfolders"));
    m_pathNamesCheck =
        placed(new QCheckBox(tr("Name pages by their &path in the site"), this), QStringLiteral("Check2"),
               twipsRect(480, 2130, 3735, 255), tr("Name pages by their path in the site"));
    m_pathNamesCheck->setEnabled(false);
    connect(m_subfoldersCheck, &QCheckBox::toggled, m_pathNamesCheck, &QWidget::setEnabled);
    m_folderNextHint =
        label(this, "Label3", tr("Then click on 'Next' to continue."), twipsRect(240, 2460, 4095, 255));
    m_sourceWarning = label(this, "Label18", QString(), twipsRect(240, 2400, 4095, 495), true);
    // Below "Browse...", clear of the check boxes and the hint: every run the journal keeps.
    m_historyButton =
        button(this, QStringLiteral("Command8"), tr("&History..."), twipsRect(4440, 2190, 975, 315));
    connect(m_historyButton, &QPushButton::clicked, this, [this] { showHistory(); });
    fitCaption(m_historyButton);
    m_sourceWarning->hide();
    connect(m_folderEdit, &QLineEdit::textChanged, this, &FolderPage::showSourceWarning);
    for (QLabel* l : {m_welcomeText, m_folderPrompt, m_folderNextHint})
        fitText(l);
    // A wider window gives a long folder more room.
    using platform::Anchors;
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_welcomeText, m_folderPrompt, m_folderEdit, m_sourceWarning})
        m_anchors.add(w, Anchors::Widens);
    m_anchors.add(m_browseButton, Anchors::MovesRight);
    m_anchors.add(m_historyButton, Anchors::MovesRight);
    m_anchors.addRest(this);
}

FolderPage::~FolderPage() {
    delete m_picker;
}

QString FolderPage::check() {
    return m_folderEdit->text().isEmpty() ? tr("Please Select a Folder") : QString();
}

QWidget* FolderPage::firstControl() {
    return m_folderEdit;
}

QString FolderPage::folder() const {
    return m_folderEdit->text();
}

bool FolderPage::includeSubfolders() const {
    return m_subfoldersCheck->isChecked();
}

bool FolderPage::namesByPath() const {
    return m_subfoldersCheck->isChecked() && m_pathNamesCheck->isChecked();
}

QList<QWidget*> FolderPage::tabOrder() const {
    return {m_folderEdit, m_browseButton, m_subfoldersCheck, m_pathNamesCheck, m_historyButton};
}

void FolderPage::restore(platform::Platform& platform) {
    const QString folder = platform.kept(QStringLiteral("folder")).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        m_folderEdit->setText(folder);
    m_subfoldersCheck->setChecked(platform.kept(QStringLiteral("subfolders")).toBool());
    m_pathNamesCheck->setChecked(platform.kept(QStringLiteral("pathNames")).toBool());
}

void FolderPage::keep(platform::Platform& platform) const {
    platform.keep(QStringLiteral("folder"), m_folderEdit->text());
    platform.keep(QStringLiteral("subfolders"), m_subfoldersCheck->isChecked());
    platform.keep(QStringLiteral("pathNames"), m_pathNamesCheck->isChecked());
}

// "Browse...": the folder picker, made once and kept.
void FolderPage::pickFolder() {
    if (!m_picker) {
        m_picker = new picker::Form2(m_platform, m_caption);
        connect(m_picker, &QObject::destroyed, this, [this] { m_picker = nullptr; });
    }
    const QString folder = m_picker->showModal(m_folderEdit->text());
    if (!folder.isNull())
        m_folderEdit->setText(folder);
}

// "History...": the runs the journal keeps, any of which can be taken back.
void FolderPage::showHistory() {
    HistoryDialog dialog(m_platform, m_caption, window());
    m_platform.showModal(dialog);
}

// Under the folder field: the folder is a site generator's source, whose pages
// are built elsewhere.
void FolderPage::showSourceWarning(const QString& folder) {
    const std::optional<files::Generator> generator =
        folder.isEmpty() ? std::nullopt : m_platform.generatorOf(folder);
    if (generator) {
        // English picks its article by the generator's name; other languages need not.
        const bool vowel = QStringLiteral("AEIOU").contains(generator->name.front());
        m_sourceWarning->setText(
            (vowel
                 ? tr("This folder is the source of an %1 site: its pages are built into %2; run this on %2 "
                      "after each build")
                 : tr("This folder is the source of a %1 site: its pages are built into %2; run this on %2 "
                      "after each build"))
                .arg(generator->name, generator->output));
        m_sourceWarning->setFont(font());
        fitText(m_sourceWarning);
    }
    m_sourceWarning->setVisible(generator.has_value());
    m_folderNextHint->setVisible(!generator);
}

} // namespace wizard
