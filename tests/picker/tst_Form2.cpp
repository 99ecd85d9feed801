#include "FakePlatform.h"
#include "picker/DirListBox.h"
#include "picker/DriveListBox.h"
#include "picker/Form2.h"
#include "platform/Twips.h"
#include "wizard/Form1.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using picker::Form2;

namespace {

const QString Caption = QStringLiteral("Trafalytic - Code Inserter");

// Volumes: the root, a ready data volume (a temporary folder with a subfolder)
// and a drive without a medium.
struct Machine {
    QTemporaryDir data;
    FakePlatform platform;
    QString cdrom = QStringLiteral("/media/cdrom");

    Machine() {
        QDir(data.path()).mkpath(QStringLiteral("site/pages"));
        platform.fakeVolumes = {
            {QDir::rootPath(), QDir::toNativeSeparators(QDir::rootPath())},
            {data.path() + QStringLiteral(" [DATA]"), QDir::toNativeSeparators(data.path())},
            {cdrom, cdrom}};
        platform.notReady.insert(cdrom);
        // The folder last chosen in the dialog: the root of drive C.
        platform.keptValues.insert(QStringLiteral("chosenFolder"), QDir::rootPath());
    }
};

struct Dialog {
    Machine& machine;
    Form2 form{machine.platform, Caption};

    explicit Dialog(Machine& m)
        : machine(m) {
        form.show();
    }

    picker::DriveListBox* drive() const {
        return form.findChild<picker::DriveListBox*>(QStringLiteral("Drive1"));
    }
    picker::DirListBox* dir() const { return form.findChild<picker::DirListBox*>(QStringLiteral("Dir1")); }
    QLabel* label() const { return form.findChild<QLabel*>(QStringLiteral("Label1")); }
    QPushButton* ok() const { return form.findChild<QPushButton*>(QStringLiteral("Command1_1")); }
    QPushButton* cancel() const { return form.findChild<QPushButton*>(QStringLiteral("Command1_0")); }

    // Opens the entry whose path ends in name, as a double-click does.
    void open(const QString& name) {
        for (int i = 0; i < dir()->count(); ++i) {
            QListWidgetItem* item = dir()->item(i);
            if (item->data(Qt::UserRole).toString().endsWith(QLatin1Char('/') + name)) {
                // A double-click as the mouse sends it: a click, then the second press.
                const QRect r = dir()->visualItemRect(item);
                QTest::mouseClick(dir()->viewport(), Qt::LeftButton, {}, r.center());
                QTest::mouseDClick(dir()->viewport(), Qt::LeftButton, {}, r.center());
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("no entry %1 in %2").arg(name, dir()->path())));
    }
    void highlight(const QString& name) {
        for (int i = 0; i < dir()->count(); ++i) {
            QListWidgetItem* item = dir()->item(i);
            if (item->data(Qt::UserRole).toString().endsWith(QLatin1Char('/') + name)) {
                QTest::mouseClick(dir()->viewport(), Qt::LeftButton, {},
                                  dir()->visualItemRect(item).center());
                return;
            }
        }
        QFAIL("no such entry");
    }
    void chooseDrive(int index) { drive()->setCurrentIndex(index); }
};

const QString Root = QDir::toNativeSeparators(QDir::rootPath());

} // namespace

class TestForm2 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstOpeningIsOnDriveC() {
        Machine m;
        Dialog d(m);
        QCOMPARE(d.form.windowTitle(), QStringLiteral("Select Folder"));
        QCOMPARE(d.drive()->currentIndex(), 0);
        QCOMPARE(d.drive()->driveRoot(), Root);
        QCOMPARE(d.dir()->path(), Root);
        QVERIFY(d.label()->text().isEmpty());
        QVERIFY(!d.ok()->isDefault());
        QVERIFY(!d.cancel()->isDefault());
        QVERIFY(d.ok()->x() < d.cancel()->x());
    }

    // The dialog opens at the folder typed in the wizard when it is one, else at
    // the folder last chosen, else at the home folder, on the volume that holds it.
    void firstFolder_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("lastChosen");
        QTest::addColumn<QString>("opens");
        QTest::newRow("the folder typed")
            << QStringLiteral("site/pages") << QStringLiteral("site") << QStringLiteral("site/pages");
        QTest::newRow("typed, not a folder")
            << QStringLiteral("gone") << QStringLiteral("site") << QStringLiteral("site");
        QTest::newRow("the folder last chosen")
            << QString() << QStringLiteral("site") << QStringLiteral("site");
        QTest::newRow("home") << QString() << QString() << QStringLiteral("home");
    }

    void firstFolder() {
        QFETCH(QString, typed);
        QFETCH(QString, lastChosen);
        QFETCH(QString, opens);
        Machine m;
        QDir(m.data.path()).mkpath(QStringLiteral("home"));
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", m.data.filePath(QStringLiteral("home")).toLocal8Bit());
        m.platform.keptValues.clear();
        if (!lastChosen.isEmpty())
            m.platform.keptValues.insert(QStringLiteral("chosenFolder"), m.data.filePath(lastChosen));
        wizard::Form1 form(m.platform);
        form.start();
        form.findChild<QLineEdit*>(QStringLiteral("Text1"))
            ->setText(typed.isEmpty() ? QString() : m.data.filePath(typed));
        QString opened;
        QString drive;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<Form2*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            opened = dialog->findChild<picker::DirListBox*>(QStringLiteral("Dir1"))->path();
            drive = dialog->findChild<picker::DriveListBox*>(QStringLiteral("Drive1"))->driveRoot();
            dialog->findChild<QPushButton*>(QStringLiteral("Command1_0"))->click();
        });
        form.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
        qputenv("HOME", home);
        QCOMPARE(opened, QDir::toNativeSeparators(m.data.filePath(opens)));
        QCOMPARE(drive, QDir::toNativeSeparators(m.data.path()));
    }

    // Enlarged, the dialog gives the room to its directory list; its buttons keep
    // to the bottom right.
    void grows() {
        Machine m;
        Dialog d(m);
        QCOMPARE(d.form.minimumSize(), QSize(platform::twips(4695), platform::twips(3435)));
        d.form.resize(d.form.minimumSize() + QSize(200, 300));
        QApplication::processEvents();
        QCOMPARE(d.dir()->geometry(), platform::twipsRect(120, 480, 4455, 2115).adjusted(0, 0, 200, 300));
        QCOMPARE(d.label()->geometry(), platform::twipsRect(120, 2640, 4455, 255).adjusted(0, 300, 200, 300));
        QCOMPARE(d.cancel()->geometry(), platform::twipsRect(3600, 3000, 975, 315).translated(200, 300));
    }

    void okWithoutChangeGivesTheRoot() {
        Machine m;
        Dialog d(m);
        d.ok()->click();
        QCOMPARE(d.form.chosenFolder(), Root);
        QVERIFY(d.form.isHidden());
    }

    // Enter presses the focused button; typed letters find a folder in the list.
    void keyboard() {
        Machine m;
        QDir(m.data.path()).mkpath(QStringLiteral("archive"));
        QDir(m.data.path()).mkpath(QStringLiteral("sites"));
        Dialog d(m);
        d.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d.form));
        d.chooseDrive(1);
        d.dir()->setFocus();
        QTest::keyClicks(d.dir(), QStringLiteral("si"));
        QVERIFY(d.dir()->currentItem()->text().trimmed() == QStringLiteral("site"));
        QTest::keyClicks(d.dir(), QStringLiteral("t"));
        QTest::keyClick(d.dir(), Qt::Key_Return);
        QCOMPARE(d.dir()->path(), QDir::toNativeSeparators(m.data.filePath(QStringLiteral("site"))));
        QCOMPARE(d.label()->text(), d.dir()->path());
        d.ok()->setFocus();
        QTest::keyClick(d.ok(), Qt::Key_Return);
        QVERIFY(d.form.isHidden());
        QCOMPARE(d.form.chosenFolder(), QDir::toNativeSeparators(m.data.filePath(QStringLiteral("site"))));
    }

    void cancelKeepsDriveAndFolderForTheNextOpening() {
        Machine m;
        Dialog d(m);
        d.chooseDrive(1);
        d.open(QStringLiteral("site"));
        QCOMPARE(d.dir()->path(), QDir::toNativeSeparators(m.data.filePath(QStringLiteral("site"))));
        d.cancel()->click();
        QVERIFY(d.form.chosenFolder().isNull());
        QVERIFY(d.form.isHidden());
        d.form.show();
        QCOMPARE(d.drive()->currentIndex(), 1);
        QCOMPARE(d.dir()->path(), QDir::toNativeSeparators(m.data.filePath(QStringLiteral("site"))));
        QVERIFY(m.platform.messages.isEmpty());
    }

    void pathEchoAndItsStalenessAfterADriveChange() {
        Machine m;
        Dialog d(m);
        d.chooseDrive(1);
        d.open(QStringLiteral("site"));
        // The label follows the folder a double click opened, not the one before.
        QCOMPARE(d.label()->text(), QDir::toNativeSeparators(m.data.filePath(QStringLiteral("site"))));
        d.open(QStringLiteral("pages"));
        const QString pages = QDir::toNativeSeparators(m.data.filePath(QStringLiteral("site/pages")));
        QTest::mousePress(d.dir()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(d.dir()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(d.label()->text(), pages);
        d.chooseDrive(0);
        QCOMPARE(d.dir()->path(), Root);
        QCOMPARE(d.label()->text(), pages);
    }

    void okAfterASingleClickGivesTheOpenFolder() {
        Machine m;
        Dialog d(m);
        d.chooseDrive(1);
        d.highlight(QStringLiteral("site"));
        d.ok()->click();
        QCOMPARE(d.form.chosenFolder(), QDir::toNativeSeparators(m.data.path()));
    }

    void enterOpensTheHighlightedFolder() {
        Machine m;
        Dialog d(m);
        d.chooseDrive(1);
        d.highlight(QStringLiteral("site"));
        QTest::keyClick(d.dir(), Qt::Key_Return);
        QCOMPARE(d.dir()->path(), QDir::toNativeSeparators(m.data.filePath(QStringLiteral("site"))));
        QCOMPARE(d.label()->text(), d.dir()->path());
        QVERIFY(d.form.isVisible());
    }

    void aReadyDriveOpensAtItsRoot() {
        Machine m;
        Dialog d(m);
        d.chooseDrive(1);
        d.open(QStringLiteral("site"));
        d.chooseDrive(0);
        d.chooseDrive(1);
        QCOMPARE(d.dir()->path(), QDir::toNativeSeparators(m.data.path()));
    }

    void aDriveThatIsNotReady_data() {
        QTest::addColumn<bool>("driveCReady");
        QTest::addColumn<int>("messages");
        QTest::newRow("back on drive C") << true << 1;
        QTest::newRow("drive C not ready either") << false << 2;
    }

    void aDriveThatIsNotReady() {
        QFETCH(bool, driveCReady);
        QFETCH(int, messages);
        Machine m;
        Dialog d(m);
        d.chooseDrive(1);
        d.open(QStringLiteral("site"));
        const QString before = d.dir()->path();
        if (!driveCReady)
            m.platform.notReady.insert(Root);
        d.chooseDrive(2);
        QCOMPARE(m.platform.messages.size(), messages);
        for (const auto& message : m.platform.messages) {
            QCOMPARE(message.text, QStringLiteral("Drive Unavailable or Not Ready"));
            QCOMPARE(message.title, Caption);
        }
        QCOMPARE(d.drive()->currentIndex(), 0);
        QCOMPARE(d.dir()->path(), driveCReady ? Root : before);
    }

    void aVolumeWithSpacesAndAccentsWorksLikeAnyOther() {
        Machine m;
        const QString mount = m.data.filePath(QStringLiteral("My Sites \u00E9t\u00E9"));
        QVERIFY(QDir().mkpath(mount + QStringLiteral("/caf\u00E9 page")));
        m.platform.fakeVolumes.append({mount, QDir::toNativeSeparators(mount)});
        Dialog d(m);
        d.drive()->refresh();
        d.drive()->setDrive(mount);
        QCOMPARE(d.drive()->currentIndex(), 3);
        QCOMPARE(d.dir()->path(), QDir::toNativeSeparators(mount));
        d.open(QStringLiteral("caf\u00E9 page"));
        d.ok()->click();
        QCOMPARE(d.form.chosenFolder(), QDir::toNativeSeparators(mount + QStringLiteral("/caf\u00E9 page")));
        QVERIFY(m.platform.messages.isEmpty());
    }

    void closeBoxDestroysTheDialog() {
        Machine m;
        QPointer<Form2> form = new Form2(m.platform, Caption);
        form->show();
        form->close();
        QVERIFY(form->chosenFolder().isNull());
        QTRY_VERIFY(form.isNull());
    }

    // "&Browse..." in the wizard opens the dialog modally; "&OK" fills the folder field,
    // "&Cancel" leaves it, and the next opening shows the dialog as it was left.
    void browseFromTheWizard() {
        Machine m;
        wizard::Form1 form(m.platform);
        form.start();
        auto* text1 = form.findChild<QLineEdit*>(QStringLiteral("Text1"));
        auto* browse = form.findChild<QPushButton*>(QStringLiteral("Command2"));
        text1->setText(QStringLiteral("typed"));

        const auto answer = [&](const std::function<void(Form2*)>& act) {
            QTimer timer;
            int ticks = 0;
            connect(&timer, &QTimer::timeout, this, [&] {
                if (++ticks > 500)
                    timer.stop();
                if (auto* dialog = qobject_cast<Form2*>(QApplication::activeModalWidget())) {
                    timer.stop();
                    act(dialog);
                }
            });
            timer.start(10);
            browse->click();
        };
        answer([&](Form2* dialog) {
            dialog->findChild<picker::DriveListBox*>(QStringLiteral("Drive1"))->setCurrentIndex(1);
            dialog->findChild<QPushButton*>(QStringLiteral("Command1_0"))->click();
        });
        QCOMPARE(text1->text(), QStringLiteral("typed"));
        answer([&](Form2* dialog) {
            QCOMPARE(dialog->findChild<picker::DirListBox*>(QStringLiteral("Dir1"))->path(),
                     QDir::toNativeSeparators(m.data.path()));
            dialog->findChild<QPushButton*>(QStringLiteral("Command1_1"))->click();
        });
        QCOMPARE(text1->text(), QDir::toNativeSeparators(m.data.path()));
    }

    void screenshots() {
        const QString shots = qEnvironmentVariable("INSERTER_SHOTS");
        if (shots.isEmpty())
            QSKIP("set INSERTER_SHOTS to a folder to render the dialog");
        // The owner's site folder on the root volume, where the pictures say it is.
        const QString site = qEnvironmentVariable("INSERTER_SHOTS_SITE");
        Machine m;
        if (!site.isEmpty()) {
            QDir(site).mkpath(QStringLiteral("blog"));
            QDir(site).mkpath(QStringLiteral("about"));
            m.platform.fakeVolumes.removeAt(1);
        }
        Dialog d(m);
        if (site.isEmpty()) {
            d.chooseDrive(1);
            d.open(QStringLiteral("site"));
        } else {
            QVERIFY(d.dir()->setPath(site));
            d.dir()->setCurrentRow(d.dir()->count() - 1);
        }
        d.dir()->setFocus();
        QApplication::processEvents();
        QVERIFY(d.form.grab().save(shots + QStringLiteral("/picker.png")));
    }
};

QTEST_MAIN(TestForm2)
#include "tst_Form2.moc"
