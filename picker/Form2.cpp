#include "picker/Form2.h"

#include "picker/DirListBox.h"
#include "picker/DriveListBox.h"
#include "platform/Platform.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace picker {

using platform::twipsRect;

Form2::Form2(platform::Platform& platform, const QString& mainCaption, QWidget* parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_mainCaption(mainCaption) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Select Folder"));
    setFixedSize(twipsRect(0, 0, 4695, 3435).size());
    setSizeGripEnabled(false);
    setFont(platform::dialogFont());

    Drive1 = new picker::DriveListBox(platform, this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setGeometry(twipsRect(120, 120, 4455, 315));
    Drive1->setAccessibleName(QStringLiteral("Drive"));
    connect(Drive1, &picker::DriveListBox::driveChanged, this, [this] { Drive1_Change(); });

    Dir1 = new picker::DirListBox(platform, this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setGeometry(twipsRect(120, 480, 4455, 2115));
    Dir1->setAccessibleName(QStringLiteral("Folders"));
    connect(Dir1, &picker::DirListBox::mouseButton, this, [this] { Dir1_MouseButton(); });
    // The label follows the folder the list has opened, however it was opened.
    connect(Dir1, &picker::DirListBox::pathMaybeChanged, this, [this] { Dir1_MouseButton(); });

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(120, 2640, 4455, 255));
    Label1->setTextFormat(Qt::PlainText);

    const QString captions[] = {QStringLiteral("&Cancel"), QStringLiteral("&OK")};
    const int lefts[] = {3600, 2520};
    for (int i = 0; i < 2; ++i) {
        Command1[i] = new QPushButton(captions[i], this);
        Command1[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
        Command1[i]->setGeometry(twipsRect(lefts[i], 3000, 975, 315));
        Command1[i]->setAccessibleName(QString(captions[i]).remove(QLatin1Char('&')));
        Command1[i]->setAutoDefault(false);
        Command1[i]->setDefault(false);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }

    setTabOrder(Drive1, Dir1);
    setTabOrder(Dir1, Command1[0]);
    setTabOrder(Command1[0], Command1[1]);

    Form_Load();
}

void Form2::Form_Load() {
    Drive1->setDrive(QStringLiteral("C:"));
    // Opening the root of drive C is assumed to work; should it not, the list stays empty.
    (void)Dir1->setPath(Drive1->driveRoot());
}

QString Form2::showModal() {
    m_chosen = QString();
    // Volumes mounted or gone since the last opening show as they are now.
    Drive1->refresh();
    setWindowModality(Qt::ApplicationModal);
    exec();
    return m_chosen;
}

void Form2::Drive1_Change() {
    // The list always opens the root of the chosen drive, never the folder last used there.
    if (!Dir1->setPath(Drive1->driveRoot())) {
        m_platform.warn(this, m_mainCaption, QStringLiteral("Drive Unavailable or Not Ready"));
        Drive1->setDrive(QStringLiteral("c:")); // runs this again when the selection changes
    }
}

void Form2::Dir1_MouseButton() {
    Label1->setText(Dir1->path());
}

void Form2::Command1_Click(int Index) {
    if (Index == 1)
        m_chosen = Dir1->path();
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
    for (QPushButton* button : Command1) {
        if (enter && event->modifiers() == Qt::NoModifier && button->hasFocus()) {
            button->click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

} // namespace picker
