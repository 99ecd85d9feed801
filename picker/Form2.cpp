#include "picker/Form2.h"

#include "picker/DirListBox.h"
#include "picker/DriveListBox.h"
#include "platform/Captions.h"
#include "platform/Platform.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace picker {

using platform::twipsRect;

Form2::Form2(platform::Platform& platform, const QString& mainCaption, QWidget* parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_mainCaption(mainCaption) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Select Folder"));
    // The layout's size is the smallest; a larger dialog shows more folders.
    setMinimumSize(twipsRect(0, 0, 4695, 3435).size());
    resize(minimumSize());
    setSizeGripEnabled(true);
    setFont(platform::dialogFont());

    m_driveList = new picker::DriveListBox(platform, this);
    m_driveList->setObjectName(QStringLiteral("Drive1"));
    m_driveList->setGeometry(twipsRect(120, 120, 4455, 315));
    m_driveList->setAccessibleName(tr("Drive"));
    connect(m_driveList, &picker::DriveListBox::driveChanged, this, [this] { openChosenDrive(); });

    m_folderList = new picker::DirListBox(platform, this);
    m_folderList->setObjectName(QStringLiteral("Dir1"));
    m_folderList->setGeometry(twipsRect(120, 480, 4455, 2115));
    m_folderList->setAccessibleName(tr("Folders"));
    connect(m_folderList, &picker::DirListBox::mouseButton, this, [this] { showOpenFolder(); });
    // The label follows the folder the list has opened, however it was opened.
    connect(m_folderList, &picker::DirListBox::pathMaybeChanged, this, [this] { showOpenFolder(); });

    m_pathLabel = new QLabel(this);
    m_pathLabel->setObjectName(QStringLiteral("Label1"));
    m_pathLabel->setGeometry(twipsRect(120, 2640, 4455, 255));
    m_pathLabel->setTextFormat(Qt::PlainText);

    buildButtons();
    setTabOrder(m_driveList, m_folderList);
    setTabOrder(m_folderList, m_buttons[0]);
    setTabOrder(m_buttons[0], m_buttons[1]);
    followTheSize();

    // The dialog first opens where a site is likely to be: the folder last chosen
    // in it, else the user's home folder.
    const QString last = m_platform.kept(QStringLiteral("chosenFolder")).toString();
    openNear(!last.isEmpty() && QFileInfo(last).isDir() ? last : QDir::homePath());
}

// "&OK" left of "&Cancel", neither the default button.
void Form2::buildButtons() {
    const QString captions[] = {tr("&Cancel"), tr("&OK")};
    const int lefts[] = {3600, 2520};
    for (int i = 0; i < 2; ++i) {
        m_buttons[i] = new QPushButton(captions[i], this);
        m_buttons[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
        m_buttons[i]->setGeometry(twipsRect(lefts[i], 3000, 975, 315));
        m_buttons[i]->setAccessibleName(QString(captions[i]).remove(QLatin1Char('&')));
        m_buttons[i]->setAutoDefault(false);
        m_buttons[i]->setDefault(false);
        connect(m_buttons[i], &QPushButton::clicked, this, [this, i] { closeChoosing(i == 1); });
    }
}

// A larger dialog gives the room to the directory list; a right-to-left one is mirrored.
void Form2::followTheSize() {
    using platform::Anchors;
    m_anchors.add(m_driveList, Anchors::Widens);
    m_anchors.add(m_folderList, Anchors::Widens | Anchors::Deepens);
    m_anchors.add(m_pathLabel, Anchors::Widens | Anchors::MovesDown);
    for (QPushButton* b : m_buttons)
        m_anchors.add(b, Anchors::MovesRight | Anchors::MovesDown);
    m_anchors.addRest(this);
    // In a longer language a caption may take more room than the layout gave it.
    platform::fitAllCaptions(this);
}

void Form2::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    m_anchors.apply(std::max(0, width() - minimumWidth()), std::max(0, height() - minimumHeight()));
}

// Opens the folder, with the volume that holds it chosen in the drive list; the
// root of drive C where it cannot be opened.
void Form2::openNear(const QString& folder) {
    const QString native = QDir::toNativeSeparators(QDir::cleanPath(QDir::fromNativeSeparators(folder)));
    QString volume;
    for (const platform::Volume& v : m_platform.volumes()) {
        QString root = v.root;
        if (!root.endsWith(QDir::separator()))
            root += QDir::separator();
        if ((native == v.root || native.startsWith(root)) && v.root.size() > volume.size())
            volume = v.root;
    }
    if (volume.isEmpty() || !m_folderList->setPath(native)) {
        openDriveC();
        return;
    }
    // The drive list follows without opening the volume's root.
    m_placing = true;
    m_driveList->setDrive(volume);
    m_placing = false;
}

// Where no other folder can be opened, the dialog shows the root of drive C.
void Form2::openDriveC() {
    m_driveList->setDrive(QStringLiteral("C:"));
    // Opening the root of drive C is assumed to work; should it not, the list stays empty.
    (void)m_folderList->setPath(m_driveList->driveRoot());
}

QString Form2::showModal(const QString& near) {
    m_chosen = QString();
    // The folder already given in the wizard, where it is one.
    if (!near.isEmpty() && QFileInfo(near).isDir())
        openNear(near);
    // Volumes mounted or gone since the last opening show as they are now.
    m_driveList->refresh();
    setWindowModality(Qt::ApplicationModal);
    exec();
    return m_chosen;
}

void Form2::openChosenDrive() {
    if (m_placing)
        return;
    // The list always opens the root of the chosen drive, never the folder last used there.
    if (!m_folderList->setPath(m_driveList->driveRoot())) {
        m_platform.warn(this, m_mainCaption, tr("Drive Unavailable or Not Ready"));
        m_driveList->setDrive(QStringLiteral("c:")); // runs this again when the selection changes
    }
}

void Form2::showOpenFolder() {
    m_pathLabel->setText(m_folderList->path());
}

// "&OK" chooses the open folder; "&Cancel" chooses none. Either only hides the dialog.
void Form2::closeChoosing(bool chosen) {
    if (chosen) {
        m_chosen = m_folderList->path();
        m_platform.keep(QStringLiteral("chosenFolder"), m_chosen);
    }
    hide();
}

void Form2::closeEvent(QCloseEvent* event) {
    // The close box leaves the folder field alone and destroys the dialog, so the
    // next "&Browse..." loads it afresh.
    m_chosen = QString();
    event->accept();
    QDialog::closeEvent(event);
    deleteLater();
}

void Form2::keyPressEvent(QKeyEvent* event) {
    // Enter presses the focused button (there is no default one); on the directory
    // list it opens the folder, which the list does itself.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    for (QPushButton* button : m_buttons) {
        if (enter && event->modifiers() == Qt::NoModifier && button->hasFocus()) {
            button->click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

} // namespace picker
