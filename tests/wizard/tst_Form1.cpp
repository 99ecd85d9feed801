#include "FakePlatform.h"
#include "TestFiles.h"
#include "engine/TrackingBlock.h"
#include "platform/Twips.h"
#include "wizard/Form1.h"
#include "wizard/LineControl.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

using platform::twips;
using wizard::Form1;

namespace {

const QByteArray Page = "<html><body>x</body></html>";
const QString Caption = QStringLiteral("Trafalytic - Code Inserter");

// The example folder: eight files of every kind, a subfolder and a hidden file.
void makeExampleFolder(const QString& dir) {
    for (const char* name : {"index.html", "Logo.GIF", "news.Htm", "notes.txt", "a.SHTML", "b.shtm",
                             "c.xhtml", "d.htm.bak", ".hidden.htm"})
        write(dir + QLatin1Char('/') + QLatin1String(name), Page);
    QDir(dir).mkdir(QStringLiteral("images"));
}

// One wizard window on the fake platform, started as the program starts it.
struct Wizard {
    FakePlatform platform;
    Form1 form{platform};

    // `kept`: what an earlier start kept for this one.
    explicit Wizard(const QMap<QString, QVariant>& kept = {}) {
        platform.keptValues = kept;
        form.start();
        form.activateWindow();
    }

    template <typename T> T* get(const char* name) const {
        T* w = form.findChild<T*>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QPushButton* prev() const { return get<QPushButton>("Command1_0"); }
    QPushButton* next() const { return get<QPushButton>("Command1_1"); }
    QPushButton* third() const { return get<QPushButton>("Command1_2"); }
    QLineEdit* text1() const { return get<QLineEdit>("Text1"); }
    QLineEdit* text2() const { return get<QLineEdit>("Text2"); }
    QListView* list1() const { return get<QListView>("List1"); }
    QAbstractItemModel* pages() const { return list1()->model(); }
    // The entry of the page list that shows `name`.
    QModelIndex entry(const QString& name) const {
        const QModelIndexList found =
            pages()->match(pages()->index(0, 0), Qt::DisplayRole, name, -1, Qt::MatchExactly);
        return found.size() == 1 ? found.front() : QModelIndex();
    }
    QLabel* label(const char* name) const { return get<QLabel>(name); }

    void click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    void command3(int i) {
        click(get<QPushButton>(QStringLiteral("Command3_%1").arg(i).toLatin1().constData()));
    }

    QStringList entries() const {
        QStringList names;
        for (int i = 0; i < pages()->rowCount(); ++i)
            names << pages()->index(i, 0).data().toString();
        return names;
    }
    QStringList selected() const {
        QStringList names;
        for (int i = 0; i < pages()->rowCount(); ++i) {
            if (pages()->index(i, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked)
                names << pages()->index(i, 0).data().toString();
        }
        return names;
    }
    void select(const QString& name) {
        const QModelIndex at = entry(name);
        QVERIFY(at.isValid());
        pages()->setData(at, Qt::Checked, Qt::CheckStateRole);
    }

    // Walks from page 0 to page 2 with the given folder.
    void toPage2(const QString& folder, const QStringList& pages) {
        text1()->setText(folder);
        click(next());
        for (const QString& p : pages)
            select(p);
        click(next());
    }

    int pageInView() const {
        int found = -1;
        for (int i = 0; i < 4; ++i) {
            const QWidget* frame = get<QWidget>(QStringLiteral("Frame1_%1").arg(i).toLatin1().constData());
            if (frame->y() == twips(840)) {
                if (found != -1)
                    return -2;
                found = i;
            } else if (frame->y() != twips(8000)) {
                return -3;
            }
        }
        return found;
    }
};

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("QLayout|QWidget::setTabOrder"))); }

    // Every window a test opened is gone with it: the wizard, the picker, any box.
    void cleanup() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QStringList left;
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->inherits("QTipLabel"))
                left << QString::fromLatin1(window->metaObject()->className()) + QLatin1Char(' ') +
                            window->objectName();
        }
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QStringLiteral(", "))));
    }

    void startUp() {
        Wizard w;
        QCOMPARE(w.form.windowTitle(), Caption);
        QCOMPARE(w.pageInView(), 0);
        QCOMPARE(w.form.currentPage(), 0);
        QVERIFY(!w.prev()->isEnabled());
        QVERIFY(w.next()->isEnabled());
        QVERIFY(w.next()->isDefault());
        QCOMPARE(w.third()->text(), QStringLiteral("&Cancel"));
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        QCOMPARE(QApplication::focusWidget(), w.next());
        // "Next" keeps the default frame wherever the focus goes.
        w.get<QPushButton>("Command2")->setFocus();
        QVERIFY(w.next()->isDefault() && !w.get<QPushButton>("Command2")->isDefault());
        QCOMPARE(w.get<QComboBox>("Combo1")->currentText(), QStringLiteral("Normal (http://...)"));
        QCOMPARE(w.get<QComboBox>("Combo1")->count(), 2);
        QCOMPARE(w.label("Label15")->text(), QStringLiteral("2.0.4"));
        QVERIFY(w.get<QRadioButton>("Option1")->isChecked());
        QVERIFY(w.text1()->text().isEmpty());
        QVERIFY(!w.form.windowIcon().isNull());
    }

    void versionText_data() {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("text");
        QTest::newRow("2.00.0004 reads 2.0.4") << 2 << 0 << 4 << QStringLiteral("2.0.4");
        QTest::newRow("two-digit parts") << 10 << 2 << 31 << QStringLiteral("10.2.31");
    }

    void versionText() {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QFETCH(QString, text);
        QCOMPARE(Form1::versionText(major, minor, revision), text);
    }

    void emptyFieldsAreRefused_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("message");
        QTest::newRow("no folder on page 0") << 0 << QStringLiteral("Please Select a Folder");
        QTest::newRow("no website number on page 2") << 2 << QStringLiteral("Please Enter a Website Number");
        QTest::newRow("a website number of blanks") << 3 << QStringLiteral("Please Enter a Website Number");
    }

    void emptyFieldsAreRefused() {
        QFETCH(int, page);
        QFETCH(QString, message);
        QTemporaryDir dir;
        Wizard w;
        if (page == 3) { // blanks stand for no number: the block would never work
            page = 2;
            w.toPage2(dir.path(), {});
            w.text2()->setText(QStringLiteral(" \t "));
        }
        if (page == 2 && w.form.currentPage() != 2)
            w.toPage2(dir.path(), {});
        QCOMPARE(w.form.currentPage(), page);
        const bool prevEnabled = w.prev()->isEnabled();
        w.click(w.next());
        QCOMPARE(w.platform.messages.size(), 1);
        QCOMPARE(w.platform.messages[0].text, message);
        QCOMPARE(w.platform.messages[0].title, Caption);
        QCOMPARE(w.form.currentPage(), page);
        QCOMPARE(w.pageInView(), page);
        QCOMPARE(w.prev()->isEnabled(), prevEnabled);
    }

    // A folder that is not there or cannot be listed is said so on page 0; an empty one passes.
    // A selection command keeps the focus where it was; a click on a name ticks it.
    void selectionByKeyAndClick() {
        QTemporaryDir dir;
        makeExampleFolder(dir.path());
        Wizard w;
        w.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        w.text1()->setText(dir.path());
        w.click(w.next());
        QVERIFY(w.list1()->hasFocus());
        QTest::keyClick(&w.form, Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(w.selected().size(), 4);
        QVERIFY(w.list1()->hasFocus());
        w.command3(2);
        QCOMPARE(QApplication::focusWidget(), w.get<QPushButton>("Command3_2"));
        const QModelIndex notes = w.entry(QStringLiteral("notes.txt"));
        const QRect name = w.list1()->visualRect(notes);
        QTest::mouseClick(w.list1()->viewport(), Qt::LeftButton, {},
                          QPoint(name.right() - 10, name.center().y()));
        QCOMPARE(notes.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QTest::mouseClick(w.list1()->viewport(), Qt::LeftButton, {},
                          QPoint(name.right() - 10, name.center().y()));
        QCOMPARE(notes.data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QVERIFY(w.list1()->selectionModel()->selectedIndexes().isEmpty());
    }

    // The count line follows ticks by hand and the three commands; the marks tell
    // a block from markers that need tidying.
    void countLineAndMarks() {
        QTemporaryDir dir;
        makeExampleFolder(dir.path());
        write(dir.filePath(QStringLiteral("news.Htm")),
              "<body><!-- START OF TRAFALYTIC CODE --><!-- START OF TRAFALYTIC CODE --></body>");
        QProcess::execute(QStringLiteral(INSERTER_CLI), {QStringLiteral("insert"), QStringLiteral("--site=5"),
                                                         dir.path(), QStringLiteral("index.html")});
        Wizard w;
        w.text1()->setText(dir.path());
        w.click(w.next());
        QLabel* count = w.label("Label17");
        QCOMPARE(count->text(), QStringLiteral("0 of 8 pages ticked"));
        w.command3(0);
        QCOMPARE(count->text(), QStringLiteral("8 of 8 pages ticked"));
        w.command3(1);
        QCOMPARE(count->text(), QStringLiteral("0 of 8 pages ticked"));
        w.command3(2);
        QCOMPARE(count->text(), QStringLiteral("4 of 8 pages ticked"));
        QTest::keyClick(w.list1(), Qt::Key_Space);
        QCOMPARE(count->text(), QStringLiteral("3 of 8 pages ticked"));
        QTRY_VERIFY(w.entry(QStringLiteral("news.Htm")).data(Qt::AccessibleDescriptionRole).isValid());
        QTRY_VERIFY(w.entry(QStringLiteral("index.html")).data(Qt::AccessibleDescriptionRole).isValid());
        QVERIFY(w.entry(QStringLiteral("news.Htm"))
                    .data(Qt::AccessibleDescriptionRole)
                    .toString()
                    .startsWith(QStringLiteral("Markers need tidying by hand")));
        QVERIFY(w.entry(QStringLiteral("index.html"))
                    .data(Qt::AccessibleDescriptionRole)
                    .toString()
                    .contains(QStringLiteral("website 5 (http)")));
        QVERIFY(!w.entry(QStringLiteral("notes.txt")).data(Qt::AccessibleDescriptionRole).isValid());
    }

    // Each page's mark says what a run will do with it: none, one block (current
    // or stale alike), several whole blocks a run leaves one of, markers it refuses.
    void marksMatchWhatARunDoes_data() {
        const auto block = [](const char* site) {
            return QByteArray::fromStdString(
                *engine::buildTrackingBlock(engine::Site::parse(site), engine::Protocol::Normal, "a.html"));
        };
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("says"); // empty: no mark
        QTest::newRow("none") << QByteArray("<body>x</body>") << QString();
        QTest::newRow("current") << QByteArray("<body>x" + block("5") + "</body>")
                                 << QStringLiteral("Carries the tracking code for website 5 (http)");
        QTest::newRow("stale") << QByteArray("<body>x" + block("7") + "</body>")
                               << QStringLiteral("Carries the tracking code for website 7 (http)");
        QTest::newRow("twice") << QByteArray("<body>" + block("5") + "x" + block("7") + "</body>")
                               << QStringLiteral("Carries the code more than once; a run leaves one");
        QTest::newRow("tangled") << QByteArray("<body>" + block("5").left(70) + "x</body>")
                                 << QStringLiteral("Markers need tidying by hand: they form no single block");
    }

    void marksMatchWhatARunDoes() {
        QFETCH(QByteArray, page);
        QFETCH(QString, says);
        QTemporaryDir dir;
        write(dir.filePath(QStringLiteral("a.html")), page);
        // A page marked in every case, read after a.html: once it is marked, a.html's mark is told.
        write(dir.filePath(QStringLiteral("b.html")),
              QByteArray::fromStdString(
                  "<body>y" +
                  *engine::buildTrackingBlock(engine::Site::parse("5"), engine::Protocol::Normal, "b.html") +
                  "</body>"));
        Wizard w;
        w.text1()->setText(dir.path());
        w.click(w.next());
        QTRY_VERIFY(w.entry(QStringLiteral("b.html")).data(Qt::AccessibleDescriptionRole).isValid());
        QCOMPARE(w.entry(QStringLiteral("a.html")).data(Qt::AccessibleDescriptionRole).toString(), says);
    }

    // A page whose only closing body tag its PHP code writes is marked as one a
    // run refuses, with the reason; a page that shares its footer is marked with
    // the footer's block.
    void serverWrittenPageMarked() {
        QTemporaryDir dir;
        write(dir.filePath(QStringLiteral("hello.php")), "<?php echo \"<html><body>Hi</body></html>\";\n");
        write(dir.filePath(QStringLiteral("a.shtml")),
              "<html><body>A<!--#include virtual=\"/foot.html\" -->");
        write(dir.filePath(QStringLiteral("foot.html")),
              "<!-- START OF TRAFALYTIC CODE, COPYRIGHT 2003 VORNIQUE LLC -->\r\n<script "
              "language=\"JavaScript\" "
              "src=\"http://db0.trafalytic.com/script/5.js\" "
              "type=\"text/javascript\"></script>\r\n<noscript><img "
              "src=\"http://db0.trafalytic.com/db.php?id=5&page=<!--#echo encoding=\"url\" "
              "var=\"DOCUMENT_NAME\" "
              "-->&javascript=no\" alt=\"\" /></noscript>\r\n<!-- END OF TRAFALYTIC CODE "
              "-->\r\n</body></html>");
        Wizard w;
        w.text1()->setText(dir.path());
        w.click(w.next());
        QTRY_COMPARE(
            w.entry(QStringLiteral("hello.php")).data(Qt::AccessibleDescriptionRole).toString(),
            QStringLiteral("The closing body tag is written by server code; put the code there by hand."));
        QTRY_VERIFY(w.entry(QStringLiteral("a.shtml"))
                        .data(Qt::AccessibleDescriptionRole)
                        .toString()
                        .endsWith(QStringLiteral("website 5 (http), in foot.html")));
    }

    // Files the folder's ignore file leaves out are listed greyed with the reason,
    // and no selection command or click ticks them; a site generator's source
    // folder is said so on page 0.
    void excludedAndSourceFolders() {
        QTemporaryDir dir;
        for (const char* name : {"index.html", "draft.html", "notes.txt"})
            write(dir.filePath(QLatin1String(name)), Page);
        write(dir.filePath(QStringLiteral(".code-inserter-ignore")), "# work in progress\ndraft.*\n");
        Wizard w;
        w.text1()->setText(dir.path());
        QVERIFY(w.label("Label3")->isVisibleTo(&w.form) && !w.label("Label18")->isVisibleTo(&w.form));
        w.click(w.next());
        const QModelIndex draft = w.entry(QStringLiteral("draft.html"));
        QVERIFY(!(draft.flags() & Qt::ItemIsEnabled));
        QVERIFY(draft.data(Qt::ToolTipRole)
                    .toString()
                    .endsWith(QStringLiteral("\nexcluded by .code-inserter-ignore line 2")));
        for (int command : {0, 2}) {
            w.command3(command);
            QVERIFY(!w.selected().contains(QStringLiteral("draft.html")));
            QVERIFY(w.selected().contains(QStringLiteral("index.html")));
        }
        w.select(QStringLiteral("draft.html"));
        QVERIFY(!w.selected().contains(QStringLiteral("draft.html")));
        w.click(w.prev());
        write(dir.filePath(QStringLiteral("mkdocs.yml")), "site_name: x\n");
        w.text1()->setText(dir.path() + QLatin1Char('/'));
        QVERIFY(w.label("Label18")->isVisibleTo(&w.form) && !w.label("Label3")->isVisibleTo(&w.form));
        QCOMPARE(w.label("Label18")->text(),
                 QStringLiteral("This folder is the source of a MkDocs site: its pages "
                                "are built into site/; run this on site/ after each build"));
    }

    // What a run starts with is kept for the next start: page 0 and page 2 begin
    // with it; a folder gone since is not filled in, and a run cancelled before
    // page 3 keeps nothing.
    void remembersTheLastRun_data() {
        QTest::addColumn<bool>("run");
        QTest::addColumn<bool>("folderGone");
        QTest::newRow("a run made") << true << false;
        QTest::newRow("its folder gone since") << true << true;
        QTest::newRow("cancelled before the run") << false << false;
    }

    void remembersTheLastRun() {
        QFETCH(bool, run);
        QFETCH(bool, folderGone);
        auto dir = std::make_unique<QTemporaryDir>();
        const QString folder = dir->path();
        write(dir->filePath(QStringLiteral("a.htm")), Page);
        QMap<QString, QVariant> kept;
        {
            Wizard w;
            w.text1()->setText(folder);
            w.get<QCheckBox>("Check1")->setChecked(true);
            w.get<QCheckBox>("Check2")->setChecked(true);
            w.click(w.next());
            w.command3(0);
            w.click(w.next());
            w.text2()->setText(QStringLiteral("42"));
            w.get<QComboBox>("Combo1")->setCurrentIndex(1);
            if (run)
                w.click(w.next());
            kept = w.platform.keptValues;
        }
        if (folderGone)
            dir.reset();
        const Wizard again(kept);
        QCOMPARE(again.text1()->text(), run && !folderGone ? folder : QString());
        QCOMPARE(again.get<QCheckBox>("Check1")->isChecked(), run);
        QCOMPARE(again.get<QCheckBox>("Check2")->isChecked(), run);
        QCOMPARE(again.text2()->text(), run ? QStringLiteral("42") : QString());
        QCOMPARE(again.get<QComboBox>("Combo1")->currentIndex(), run ? 1 : 0);
    }

    // "Preview..." shows what a run would do and each page's change, and changes nothing.
    void preview() {
        QTemporaryDir dir;
        for (const char* name : {"a.htm", "b.htm"})
            write(dir.filePath(QLatin1String(name)), Page);
        Wizard w;
        w.toPage2(dir.path(), {QStringLiteral("a.htm")});
        w.text2()->setText(QStringLiteral("42"));
        int shown = 0;
        w.platform.onModal = [&](QDialog& dialog) {
            ++shown;
            auto* list = dialog.findChild<QListWidget*>(QStringLiteral("List3"));
            auto* diff = dialog.findChild<QPlainTextEdit*>(QStringLiteral("Text3"));
            QTRY_COMPARE(list->count(), 1);
            QCOMPARE(list->item(0)->text(),
                     QStringLiteral("would be inserted  ") + dir.filePath(QStringLiteral("a.htm")));
            QTRY_COMPARE(
                dialog.findChild<QLabel*>(QStringLiteral("Label4"))->text(),
                QStringLiteral("1 inserted, 0 replaced, 0 removed, 0 unchanged, 0 skipped, 0 failed"));
            QVERIFY(diff->toPlainText().startsWith(QStringLiteral("--- a/a.htm\n+++ b/a.htm\n@@")));
            QVERIFY(diff->toPlainText().contains(QStringLiteral("/script/42.js")));
            QCOMPARE(QApplication::focusWidget() == list || !dialog.isVisible(), true);
            // The size it is given is the next preview's.
            QCOMPARE(dialog.size(), shown == 1 ? dialog.minimumSize() : dialog.minimumSize() + QSize(90, 40));
            dialog.resize(dialog.minimumSize() + QSize(90, 40));
            QTest::keyClick(list, Qt::Key_Escape);
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        };
        w.click(w.get<QPushButton>("Command5"));
        w.click(w.get<QPushButton>("Command5"));
        QCOMPARE(shown, 2);
        QCOMPARE(contents(dir.filePath(QStringLiteral("a.htm"))), Page);
        QCOMPARE(w.form.currentPage(), 2);
    }

    // "Undo Changes" on page 3 gives every changed page its old text back, says so
    // truthfully, and is then disabled; "Preview..." opens by its access key.
    void undoChanges() {
        QTemporaryDir dir;
        const QByteArray spaced = "  \r\n" + Page + "\r\n  ";
        write(dir.filePath(QStringLiteral("a.htm")), spaced);
        write(dir.filePath(QStringLiteral("b.htm")), Page);
        Wizard w;
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        w.toPage2(dir.path(), {QStringLiteral("a.htm"), QStringLiteral("b.htm")});
        w.text2()->setText(QStringLiteral("7"));
        int previews = 0;
        w.platform.onModal = [&](QDialog& dialog) {
            ++previews;
            dialog.reject();
        };
        QTest::keyClick(&w.form, Qt::Key_V, Qt::AltModifier);
        QTRY_COMPARE(previews, 1);
        w.click(w.next());
        auto* undo = w.get<QPushButton>("Command7");
        QVERIFY(undo->isVisibleTo(&w.form) && undo->isEnabled());
        write(dir.filePath(QStringLiteral("b.htm")), "changed by hand");
        // The undo is a run: "Close" waits for it.
        bool shown = false;
        bool closeEnabled = false;
        w.platform.onProcessEvents = [&] {
            shown = true;
            closeEnabled = closeEnabled || w.third()->isEnabled();
        };
        w.click(undo);
        w.platform.onProcessEvents = nullptr;
        QVERIFY(shown && !closeEnabled && w.third()->isEnabled());
        QCOMPARE(contents(dir.filePath(QStringLiteral("a.htm"))), spaced);
        QCOMPARE(contents(dir.filePath(QStringLiteral("b.htm"))), QByteArray("changed by hand"));
        QCOMPARE(w.label("Label12")->text(), QStringLiteral("1 page not changed (1 skipped):"));
        QCOMPARE(w.label("Label16")->text(), QStringLiteral("1 restored, 0 unchanged, 1 skipped, 0 failed."));
        auto* list = w.get<QListWidget>("List2");
        QCOMPARE(list->count(), 1);
        QVERIFY(list->item(0)->text().endsWith(QStringLiteral("changed since the run: left as it is)")));
        QVERIFY(undo->isVisibleTo(&w.form) && !undo->isEnabled());
    }

    // "Save Report..." writes every page with its outcome, as the command-line tool reports them.
    void saveReport() {
        QTemporaryDir dir;
        for (const char* name : {"a.htm", "b.htm"})
            write(dir.filePath(QLatin1String(name)), Page);
        write(dir.filePath(QStringLiteral("c.gif")), QByteArray("GIF89a\0", 7));
        Wizard w;
        w.platform.savePath = dir.filePath(QStringLiteral("report.txt"));
        w.text1()->setText(dir.path());
        w.click(w.next());
        w.command3(0);
        w.click(w.next());
        w.text2()->setText(QStringLiteral("1"));
        w.click(w.next());
        auto* save = w.get<QPushButton>("Command4");
        QVERIFY(save->isVisibleTo(&w.form));
        w.click(save);
        QCOMPARE(w.platform.suggested, QDir::home().filePath(QStringLiteral("code-inserter-report.txt")));
        QCOMPARE(contents(w.platform.savePath),
                 QByteArray("inserted  " + QFile::encodeName(dir.filePath(QStringLiteral("a.htm"))) +
                            "\ninserted  " + QFile::encodeName(dir.filePath(QStringLiteral("b.htm"))) +
                            "\nskipped   " + QFile::encodeName(dir.filePath(QStringLiteral("c.gif"))) +
                            ": a binary file, not a web page\n"
                            "2 inserted, 0 replaced, 0 removed, 0 unchanged, 1 skipped, 0 failed\n"));
    }

    void foldersThatCannotBeListedAreRefused_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("refused");
        QTest::newRow("blank") << QStringLiteral(" ") << true;
        QTest::newRow("missing") << QStringLiteral("missing") << true;
        QTest::newRow("a file") << QStringLiteral("file.htm") << true;
        QTest::newRow("an empty folder") << QStringLiteral("empty") << false;
    }

    void foldersThatCannotBeListedAreRefused() {
        QFETCH(QString, folder);
        QFETCH(bool, refused);
        QTemporaryDir dir;
        write(dir.filePath(QStringLiteral("file.htm")), Page);
        QDir(dir.path()).mkdir(QStringLiteral("empty"));
        Wizard w;
        w.text1()->setText(folder.trimmed().isEmpty() ? folder : dir.filePath(folder));
        w.click(w.next());
        QCOMPARE(w.platform.messages.size(), refused ? 1 : 0);
        QCOMPARE(w.form.currentPage(), refused ? 0 : 1);
        if (refused) {
            QCOMPARE(w.platform.messages[0].title, Caption);
            QVERIFY(w.platform.messages[0].text.contains(w.text1()->text()));
        }
        QCOMPARE(w.pages()->rowCount(), 0);
    }

    // Ticked, the list holds the whole tree; pages that carry the code are marked.
    void subfoldersAndMarks() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("blog/2024"));
        write(dir.filePath(QStringLiteral("index.html")), Page);
        write(dir.filePath(QStringLiteral("blog/2024/post.html")), Page);
        QProcess::execute(QStringLiteral(INSERTER_CLI),
                          {QStringLiteral("insert"), QStringLiteral("--site=77"),
                           dir.filePath(QStringLiteral("blog/2024"))});
        Wizard w;
        auto* check = w.get<QCheckBox>("Check1");
        QVERIFY(!check->isChecked());
        QCOMPARE(w.get<QPushButton>("Command2")->nextInFocusChain(), check);
        w.text1()->setText(dir.path());
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
        QVERIFY(check->isChecked());
        w.click(w.next());
        QCOMPARE(w.entries(),
                 (QStringList{QStringLiteral("index.html"), QStringLiteral("blog/2024/post.html")}));
        const QModelIndex post = w.pages()->index(1, 0);
        QVERIFY(post.data(Qt::ToolTipRole)
                    .toString()
                    .startsWith(dir.filePath(QStringLiteral("blog/2024/post.html"))));
        QTRY_VERIFY(post.data(Qt::AccessibleDescriptionRole)
                        .toString()
                        .contains(QStringLiteral("website 77 (http)")));
        QVERIFY(post.data(Qt::ToolTipRole).toString().contains(QStringLiteral("website 77")));
        QVERIFY(!w.pages()->index(0, 0).data(Qt::AccessibleDescriptionRole).isValid());
        w.command3(2); // Auto Select, then the run over the tree
        w.click(w.next());
        w.text2()->setText(QStringLiteral("77"));
        w.click(w.next());
        QCOMPARE(w.label("Label12")->text(), QStringLiteral("Changes Complete!"));
        QVERIFY(contents(dir.filePath(QStringLiteral("index.html"))).contains("page=index.html"));
    }

    void navigation_data() {
        QTest::addColumn<QString>("clicks"); // n = "&Next", p = "&Prev"
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("prevEnabled");
        QTest::newRow("page 1") << QStringLiteral("n") << 1 << true;
        QTest::newRow("page 2") << QStringLiteral("nn") << 2 << true;
        QTest::newRow("back to page 0") << QStringLiteral("np") << 0 << false;
        QTest::newRow("back to page 1") << QStringLiteral("nnp") << 1 << true;
        QTest::newRow("prev on page 0 stays") << QStringLiteral("npp") << 0 << false;
        QTest::newRow("forth and back twice") << QStringLiteral("nnppn") << 1 << true;
    }

    void navigation() {
        QFETCH(QString, clicks);
        QFETCH(int, page);
        QFETCH(bool, prevEnabled);
        QTemporaryDir dir;
        Wizard w;
        w.text1()->setText(dir.path());
        w.text2()->setText(QStringLiteral("12345"));
        for (const QChar c : clicks) {
            if (c == QLatin1Char('p') && !w.prev()->isEnabled())
                continue; // a disabled button takes no click
            w.click(c == QLatin1Char('n') ? w.next() : w.prev());
        }
        QCOMPARE(w.form.currentPage(), page);
        QCOMPARE(w.pageInView(), page);
        QCOMPARE(w.prev()->isEnabled(), prevEnabled);
        QVERIFY(w.next()->isEnabled());
        QVERIFY(w.third()->isEnabled());
        QCOMPARE(w.third()->text(), QStringLiteral("&Cancel"));
        QCOMPARE(w.platform.quits, 0);
    }

    void selectionCommandsOnTheExampleFolder() {
        QTemporaryDir dir;
        makeExampleFolder(dir.path());
        Wizard w;
        w.text1()->setText(dir.path());
        w.click(w.next());
        QCOMPARE(w.entries(), (QStringList{QStringLiteral("a.SHTML"), QStringLiteral("b.shtm"),
                                           QStringLiteral("c.xhtml"), QStringLiteral("d.htm.bak"),
                                           QStringLiteral("index.html"), QStringLiteral("Logo.GIF"),
                                           QStringLiteral("news.Htm"), QStringLiteral("notes.txt")}));
        QVERIFY(w.selected().isEmpty());

        w.select(QStringLiteral("notes.txt"));
        w.command3(2);
        QCOMPARE(w.selected(), (QStringList{QStringLiteral("a.SHTML"), QStringLiteral("b.shtm"),
                                            QStringLiteral("index.html"), QStringLiteral("news.Htm")}));
        w.command3(0);
        QCOMPARE(w.selected(), w.entries());
        w.command3(1);
        QVERIFY(w.selected().isEmpty());
        QVERIFY(w.list1()->isVisible());
    }

    void leavingPage0RefillsAndDropsSelections() {
        QTemporaryDir dir;
        QTemporaryDir other;
        makeExampleFolder(dir.path());
        write(other.filePath(QStringLiteral("other.htm")), Page);
        Wizard w;
        w.text1()->setText(dir.path());
        w.click(w.next());
        w.command3(0);
        w.click(w.next()); // page 2
        w.text2()->setText(QStringLiteral("777"));
        w.get<QComboBox>("Combo1")->setCurrentIndex(1);
        w.get<QRadioButton>("Option2")->setChecked(true);
        w.click(w.prev()); // back to page 1: kept
        QCOMPARE(w.selected().size(), 8);
        w.click(w.next()); // page 2 again: settings kept
        QCOMPARE(w.text2()->text(), QStringLiteral("777"));
        QCOMPARE(w.get<QComboBox>("Combo1")->currentIndex(), 1);
        QVERIFY(w.get<QRadioButton>("Option2")->isChecked());
        w.click(w.prev());
        w.click(w.prev()); // page 0
        w.click(w.next()); // same folder, refilled
        QVERIFY(w.selected().isEmpty());
        QCOMPARE(w.entries().size(), 8);

        w.click(w.prev());
        w.text1()->setText(other.path()); // another folder: the batch uses it
        w.click(w.next());
        QCOMPARE(w.entries(), QStringList{QStringLiteral("other.htm")});
        QCOMPARE(w.form.listedFolder(), other.path());
    }

    void batchChangesOnlySelectedPages() {
        QTemporaryDir dir;
        for (const char* name : {"a.htm", "b.htm", "c.htm"})
            write(dir.filePath(QLatin1String(name)), Page);
        Wizard w;
        QStringList shown;
        bool buttonsDisabledDuringRun = true;
        w.platform.onProcessEvents = [&] {
            shown << w.label("Label13")->text();
            buttonsDisabledDuringRun = buttonsDisabledDuringRun && !w.prev()->isEnabled() &&
                                       !w.next()->isEnabled() && !w.third()->isEnabled() &&
                                       w.third()->text() == QStringLiteral("&Close") && w.pageInView() == 3;
            QVERIFY(!w.label("Label14")->isVisibleTo(&w.form));
        };
        w.toPage2(dir.path(), {QStringLiteral("a.htm"), QStringLiteral("c.htm")});
        w.text2()->setText(QStringLiteral("12345"));
        w.click(w.next());

        QCOMPARE(shown,
                 (QStringList{dir.filePath(QStringLiteral("a.htm")), dir.filePath(QStringLiteral("c.htm"))}));
        QVERIFY(buttonsDisabledDuringRun);
        QVERIFY(contents(dir.filePath(QStringLiteral("a.htm"))).contains("db2.trafalytic.com"));
        QVERIFY(contents(dir.filePath(QStringLiteral("c.htm"))).contains("&page=c.htm&"));
        QCOMPARE(contents(dir.filePath(QStringLiteral("b.htm"))), Page);

        QCOMPARE(w.label("Label12")->text(), QStringLiteral("Changes Complete!"));
        // What a screen reader reads follows the label.
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(w.label("Label12"));
        QVERIFY(reader);
        QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("Changes Complete!"));
        QVERIFY(!w.label("Label13")->isVisibleTo(&w.form));
        QVERIFY(w.label("Label14")->isVisibleTo(&w.form));
        QVERIFY(w.label("Label16")->text().startsWith(QStringLiteral("2 inserted, 0 replaced")));
        QVERIFY(!w.get<QListWidget>("List2")->isVisibleTo(&w.form));
        QVERIFY(!w.prev()->isEnabled());
        QVERIFY(!w.next()->isEnabled());
        QVERIFY(w.third()->isEnabled());
        QCOMPARE(w.platform.quits, 0);
        w.click(w.third());
        QCOMPARE(w.platform.quits, 1);
    }

    void nothingSelectedCompletesWithoutTouchingFiles_data() {
        QTest::addColumn<QString>("number");
        QTest::newRow("a number") << QStringLiteral("1");
        QTest::newRow("a number too large to use, never judged") << QStringLiteral("99999999999999999999999");
    }

    void nothingSelectedCompletesWithoutTouchingFiles() {
        QFETCH(QString, number);
        QTemporaryDir dir;
        write(dir.filePath(QStringLiteral("a.htm")), Page);
        Wizard w;
        w.toPage2(dir.path(), {});
        w.text2()->setText(number);
        w.click(w.next());
        QCOMPARE(w.label("Label12")->text(), QStringLiteral("Changes Complete!"));
        QCOMPARE(w.platform.eventRounds, 0);
        QCOMPARE(contents(dir.filePath(QStringLiteral("a.htm"))), Page);
    }

    void aFailingPageIsReportedAndTheRunGoesOn() {
        QTemporaryDir dir;
        for (const char* name : {"a.htm", "b.htm", "c.htm"})
            write(dir.filePath(QLatin1String(name)), Page);
        QFile::setPermissions(dir.filePath(QStringLiteral("b.htm")), QFile::ReadOwner);
        Wizard w;
        w.toPage2(dir.path(), {QStringLiteral("a.htm"), QStringLiteral("b.htm"), QStringLiteral("c.htm")});
        w.text2()->setText(QStringLiteral("1"));
        w.click(w.next());
        QCOMPARE(w.label("Label12")->text(), QStringLiteral("1 page not changed (1 failed):"));
        const auto* failures = w.get<QListWidget>("List2");
        QVERIFY(failures->isVisibleTo(&w.form));
        QCOMPARE(failures->count(), 1);
        QVERIFY(failures->item(0)->text().contains(dir.filePath(QStringLiteral("b.htm"))));
        QVERIFY(failures->item(0)->text().contains(QStringLiteral("read-only")));
        QVERIFY(w.label("Label16")->text().contains(QStringLiteral("2 inserted")));
        QVERIFY(w.label("Label16")->text().contains(QStringLiteral("1 failed")));
        QVERIFY(contents(dir.filePath(QStringLiteral("c.htm"))).contains("TRAFALYTIC"));
        QVERIFY(w.third()->isEnabled());
    }

    // Names that are not UTF-8 or hold control characters are listed escaped, and
    // their pages are named in their blocks by their bytes, percent-encoded.
    void awkwardNamesAreListedAndReported() {
        QTemporaryDir dir;
        const QByteArray folder = QFile::encodeName(dir.path());
        for (const QByteArray& name : {QByteArray("bad\xFFname.htm"), QByteArray("two\nlines.htm")}) {
            std::FILE* f = std::fopen(QByteArray(folder + '/' + name).constData(), "wb");
            QVERIFY(f);
            std::fwrite(Page.constData(), 1, std::size_t(Page.size()), f);
            std::fclose(f);
        }
        Wizard w;
        w.toPage2(dir.path(), {QStringLiteral("bad\\xffname.htm"), QStringLiteral("two\\nlines.htm")});
        w.text2()->setText(QStringLiteral("1"));
        w.click(w.next());
        QCOMPARE(w.label("Label12")->text(), QStringLiteral("Changes Complete!"));
        QByteArray bad(4096, '\0');
        std::FILE* f = std::fopen(QByteArray(folder + "/bad\xFFname.htm").constData(), "rb");
        QVERIFY(f);
        bad.resize(qsizetype(std::fread(bad.data(), 1, std::size_t(bad.size()), f)));
        std::fclose(f);
        QVERIFY(bad.contains("&page=bad%FFname.htm&"));
        QVERIFY(contents(dir.filePath(QStringLiteral("two\nlines.htm"))).contains("&page=two%0Alines.htm&"));
    }

    void anOverflowingNumberChangesNoPage() {
        QTemporaryDir dir;
        write(dir.filePath(QStringLiteral("a.htm")), Page);
        Wizard w;
        w.toPage2(dir.path(), {QStringLiteral("a.htm")});
        w.text2()->setText(QStringLiteral("99999999999999"));
        w.click(w.next());
        QVERIFY(w.label("Label12")->text().contains(QStringLiteral("too large")));
        QCOMPARE(contents(dir.filePath(QStringLiteral("a.htm"))), Page);
        QVERIFY(w.third()->isEnabled());
    }

    void removeModeTakesTheCodeOut() {
        QTemporaryDir dir;
        write(dir.filePath(QStringLiteral("a.htm")), Page);
        {
            Wizard w;
            w.toPage2(dir.path(), {QStringLiteral("a.htm")});
            w.text2()->setText(QStringLiteral("1"));
            w.get<QComboBox>("Combo1")->setCurrentIndex(1);
            w.click(w.next());
            QVERIFY(contents(dir.filePath(QStringLiteral("a.htm"))).contains("https://www.trafalytic.com"));
        }
        Wizard w;
        w.toPage2(dir.path(), {QStringLiteral("a.htm")});
        w.text2()->setText(QStringLiteral("1"));
        w.get<QRadioButton>("Option2")->setChecked(true);
        w.click(w.next());
        QCOMPARE(contents(dir.filePath(QStringLiteral("a.htm"))), Page);
        QVERIFY(w.label("Label16")->text().contains(QStringLiteral("1 removed")));
    }

    void cancelEndsTheProgramOnEveryPage_data() {
        QTest::addColumn<int>("page");
        QTest::newRow("page 0") << 0;
        QTest::newRow("page 1") << 1;
        QTest::newRow("page 2") << 2;
    }

    void cancelEndsTheProgramOnEveryPage() {
        QFETCH(int, page);
        QTemporaryDir dir;
        write(dir.filePath(QStringLiteral("a.htm")), Page);
        Wizard w;
        w.text1()->setText(dir.path());
        for (int i = 0; i < page; ++i)
            w.click(w.next());
        w.click(w.third());
        QCOMPARE(w.platform.quits, 1);
        QCOMPARE(contents(dir.filePath(QStringLiteral("a.htm"))), Page);
    }

    // Closing during a run asks; Yes stops after the pages in hand and page 3 tells
    // what was done and what was not, No carries on. The files agree with page 3.
    void closeBoxDuringTheRunAsks_data() {
        QTest::addColumn<bool>("stop");
        QTest::newRow("Yes: stop") << true;
        QTest::newRow("No: carry on") << false;
    }

    void closeBoxDuringTheRunAsks() {
        QFETCH(bool, stop);
        QTemporaryDir dir;
        const QStringList names{QStringLiteral("a.htm"), QStringLiteral("b.htm"), QStringLiteral("c.htm")};
        for (const QString& name : names)
            write(dir.filePath(name), Page);
        Wizard w;
        w.platform.answer = stop;
        w.platform.onProcessEvents = [&] {
            if (w.platform.eventRounds == 1)
                w.form.close();
        };
        w.toPage2(dir.path(), names);
        w.text2()->setText(QStringLiteral("1"));
        w.click(w.next());
        QCOMPARE(w.platform.questions.size(), 1);
        QCOMPARE(w.platform.questions[0].text,
                 QStringLiteral("Stop after the pages in hand? Pages already done keep their changes."));
        QCOMPARE(w.platform.quits, 0);
        const auto* list = w.get<QListWidget>("List2");
        QStringList notDone;
        for (int i = 0; i < list->count(); ++i)
            notDone << list->item(i)->text();
        for (const QString& name : names) {
            const bool changed = contents(dir.filePath(name)).contains("TRAFALYTIC");
            QCOMPARE(notDone.contains(dir.filePath(name) + QStringLiteral(" (not done)")), !changed);
            QCOMPARE(changed, !stop || name == names[0]);
        }
        QCOMPARE(w.label("Label12")->text(), stop
                                                 ? QStringLiteral("Stopped: 1 of 3 pages done, the rest not:")
                                                 : QStringLiteral("Changes Complete!"));
    }

    void closeBoxOutsideTheRunEndsTheProgram() {
        Wizard w;
        w.form.close();
        QCOMPARE(w.platform.quits, 1);
    }

    void bannerAndSeparatorFollowTheWidth_data() {
        QTest::addColumn<int>("width");
        QTest::newRow("as loaded") << 0;
        QTest::newRow("wider") << 600;
        QTest::newRow("wider again") << 700;
    }

    void bannerAndSeparatorFollowTheWidth() {
        QFETCH(int, width);
        Wizard w;
        if (width > 0) {
            w.form.resize(width, w.form.height());
            QApplication::processEvents();
        }
        const int client = w.form.width() * platform::TwipsPerPixel;
        QCOMPARE(w.form.width(), width > 0 ? width : twips(5910));
        QCOMPARE(w.get<QWidget>("Shape1")->width(), w.form.width());
        const auto* line1 = w.get<wizard::LineControl>("Line1");
        const auto* line2 = w.get<wizard::LineControl>("Line2");
        QCOMPARE(line2->y1(), 4080.0f);
        QCOMPARE(line1->y1(), 4065.0f);
        QCOMPARE(line1->y2(), 4065.0f);
        for (const auto* line : {line1, line2}) {
            QCOMPARE(line->x1(), 0.0f);
            QCOMPARE(line->x2(), float(client));
            QCOMPARE(line->width(), w.form.width());
        }
        QCOMPARE(line1->y(), line2->y() - 1);
    }

    // Past its smallest size the window gives the room to the lists and paths; the
    // buttons keep to the bottom right and the separator above them.
    void windowGrows_data() {
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::newRow("smallest") << 0 << 0;
        QTest::newRow("larger") << 250 << 180;
        QTest::newRow("much larger") << 900 << 600;
    }

    void windowGrows() {
        QFETCH(int, dx);
        QFETCH(int, dy);
        Wizard w;
        QCOMPARE(w.form.minimumSize(), QSize(twips(5910), twips(4710)));
        w.form.resize(w.form.minimumSize() + QSize(dx, dy));
        QApplication::processEvents();
        const auto at = [&](const char* name) {
            return w.get<QWidget>(name)->geometry();
        };
        const auto grown = [&](int l, int t, int width, int height, bool right, bool down, bool wide,
                               bool deep) {
            return QRect(twips(l) + (right ? dx : 0), twips(t) + (down ? dy : 0),
                         twips(width) + (wide ? dx : 0), twips(height) + (deep ? dy : 0));
        };
        QCOMPARE(at("Command1_0"), grown(2760, 4200, 975, 315, true, true, false, false));
        QCOMPARE(at("Command1_2"), grown(4800, 4200, 975, 315, true, true, false, false));
        QCOMPARE(w.get<wizard::LineControl>("Line2")->y1(), float(4080 + dy * platform::TwipsPerPixel));
        QCOMPARE(at("Text1"), grown(240, 1440, 5175, 285, false, false, true, false));
        QCOMPARE(at("Command2"), grown(4440, 1800, 975, 315, true, false, false, false));
        QCOMPARE(at("List1"), grown(600, 840, 2535, 1815, false, false, true, true));
        QCOMPARE(at("Command3_2"), grown(3360, 1800, 1695, 375, true, false, false, false));
        QCOMPARE(at("Label5"), grown(240, 2880, 4095, 255, false, true, false, false));
        QCOMPARE(at("List2"), grown(240, 1650, 3735, 690, false, false, true, true));
        QCOMPARE(at("Command7"), grown(4095, 2025, 1320, 315, true, false, false, false));
        QCOMPARE(at("Label13").width(), twips(5175) + dx);
        QCOMPARE(at("Frame1_1").size(), QSize(twips(5655) + dx, twips(3135) + dy));
    }

    // Page 2 starts at the protocol the ticked pages carry when they agree, else
    // at the one kept from the last run, else at "Normal"; a choice made on the
    // page stays.
    void protocolFromTheSite_data() {
        QTest::addColumn<QString>("carried"); // a page each: n (http block), s (https block), - (none)
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("starts");
        QTest::addColumn<QString>("says");
        const QString https = QStringLiteral("The ticked pages use https now.");
        const QString http = QStringLiteral("The ticked pages use http now.");
        QTest::newRow("all https") << QStringLiteral("ss-") << QString() << 1 << https;
        QTest::newRow("all http, https kept")
            << QStringLiteral("n-") << QStringLiteral("secure") << 0 << http;
        QTest::newRow("mixed") << QStringLiteral("sn") << QString() << 0 << QString();
        QTest::newRow("mixed, https kept")
            << QStringLiteral("sn") << QStringLiteral("secure") << 1 << QString();
        QTest::newRow("none carried") << QStringLiteral("--") << QString() << 0 << QString();
    }

    void protocolFromTheSite() {
        QFETCH(QString, carried);
        QFETCH(QString, kept);
        QFETCH(int, starts);
        QFETCH(QString, says);
        QTemporaryDir dir;
        QStringList names;
        for (qsizetype i = 0; i < carried.size(); ++i) {
            const QString name = QStringLiteral("p%1.htm").arg(i);
            names << name;
            QByteArray block;
            if (carried[i] != QLatin1Char('-'))
                block = QByteArray::fromStdString(*engine::buildTrackingBlock(
                    engine::Site::parse("5"),
                    carried[i] == QLatin1Char('s') ? engine::Protocol::Secure : engine::Protocol::Normal,
                    "p"));
            write(dir.filePath(name), "<body>x" + block + "</body>");
        }
        QMap<QString, QVariant> earlier;
        if (!kept.isEmpty())
            earlier.insert(QStringLiteral("protocol"), kept);
        Wizard w(earlier);
        w.text1()->setText(dir.path());
        w.click(w.next());
        for (qsizetype i = 0; i < carried.size(); ++i) {
            if (carried[i] != QLatin1Char('-'))
                QTRY_VERIFY(w.entry(names[i]).data(Qt::AccessibleDescriptionRole).isValid());
        }
        w.command3(0);
        w.click(w.next());
        auto* combo = w.get<QComboBox>("Combo1");
        QCOMPARE(combo->currentIndex(), starts);
        QCOMPARE(w.label("Label19")->text(), says);
        // Chosen by hand, back and forth: kept.
        combo->setCurrentIndex(1 - starts);
        w.click(w.prev());
        w.click(w.next());
        QCOMPARE(combo->currentIndex(), 1 - starts);
    }

    // Where the journal cannot be made the user is asked: Yes runs without one (and
    // nothing to undo), No changes no page.
    void journalQuestion_data() {
        QTest::addColumn<bool>("goOn");
        QTest::newRow("Yes: without a journal") << true;
        QTest::newRow("No: nothing changed") << false;
    }

    void journalQuestion() {
        QFETCH(bool, goOn);
        QTemporaryDir dir;
        write(dir.filePath(QStringLiteral("a.htm")), Page);
        // The journal's folder is a file.
        QTemporaryDir elsewhere;
        write(elsewhere.filePath(QStringLiteral("state")), "a file");
        const QByteArray state = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", elsewhere.filePath(QStringLiteral("state")).toLocal8Bit());
        Wizard w;
        w.platform.answer = goOn;
        w.toPage2(dir.path(), {QStringLiteral("a.htm")});
        w.text2()->setText(QStringLiteral("3"));
        w.click(w.next());
        qputenv("XDG_STATE_HOME", state);
        QCOMPARE(w.platform.questions.size(), 1);
        QVERIFY(w.platform.questions[0].text.startsWith(QStringLiteral("The journal cannot be made in ")));
        QVERIFY(w.platform.questions[0].text.endsWith(
            QStringLiteral("Go on without a journal? The changes of this run then cannot be undone.")));
        QCOMPARE(contents(dir.filePath(QStringLiteral("a.htm"))).contains("TRAFALYTIC"), goOn);
        QCOMPARE(w.label("Label12")->text().startsWith(QStringLiteral("The journal cannot be made")), !goOn);
        QVERIFY(!w.get<QPushButton>("Command7")->isVisibleTo(&w.form));
    }

    // "History..." lists every run the journal keeps; an earlier run is undone
    // after a later one, through the keys; a run undone already says by which run;
    // a page changed since is left and said; closing during an undo asks to stop.
    void history() {
        QTemporaryDir dir;
        for (const char* name : {"a.htm", "b.htm", "c.htm"})
            write(dir.filePath(QLatin1String(name)), Page);
        QTemporaryDir journal;
        const QByteArray state = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", journal.path().toLocal8Bit());
        for (const char* name : {"a.htm", "b.htm"}) { // two runs, a page each
            Wizard run;
            run.toPage2(dir.path(), {QLatin1String(name)});
            run.text2()->setText(QStringLiteral("9"));
            run.click(run.next());
        }
        write(dir.filePath(QStringLiteral("b.htm")), "changed by hand");
        Wizard w;
        QTreeWidget* runs = nullptr;
        QLabel* status = nullptr;
        bool closed = false;
        w.platform.onModal = [&](QDialog& dialog) {
            dialog.show();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            runs = dialog.findChild<QTreeWidget*>(QStringLiteral("List4"));
            status = dialog.findChild<QLabel*>(QStringLiteral("Label20"));
            QCOMPARE(runs->topLevelItemCount(), 2);
            QTRY_COMPARE(QApplication::focusWidget(), runs);
            QTest::keyClick(runs, Qt::Key_Down); // the earlier run: a.htm
            QTest::keyClick(runs, Qt::Key_Return);
            QCOMPARE(contents(dir.filePath(QStringLiteral("a.htm"))), Page);
            QVERIFY(runs->currentItem()->text(3).startsWith(QStringLiteral("undone by ")));
            QVERIFY(status->text().endsWith(QStringLiteral("1 restored, 0 unchanged, 0 skipped, 0 failed.")));
            QTest::keyClick(runs, Qt::Key_Return); // again
            QCOMPARE(
                status->text(),
                QStringLiteral("This run was undone by run %1.").arg(runs->currentItem()->text(3).mid(10)));
            // The later run, whose page was changed since; asked to stop on the way, and not stopped.
            QTest::keyClick(runs, Qt::Key_Up);
            w.platform.answer = false;
            w.platform.onProcessEvents = [&] {
                dialog.close();
            };
            QTest::keyClick(runs, Qt::Key_Return);
            w.platform.onProcessEvents = nullptr;
            QCOMPARE(w.platform.questions.size(), 1);
            QVERIFY(dialog.isVisible());
            const auto* pages = dialog.findChild<QListWidget*>(QStringLiteral("List5"));
            QCOMPARE(pages->count(), 1);
            QVERIFY(pages->item(0)->text().contains(QStringLiteral("changed since the run")));
            QTest::keyClick(runs, Qt::Key_Escape);
            closed = !dialog.isVisible();
        };
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        QTest::keyClick(&w.form, Qt::Key_H, Qt::AltModifier); // a button's key clicks it a moment later
        QTRY_VERIFY(closed);
        qputenv("XDG_STATE_HOME", state);
        QCOMPARE(contents(dir.filePath(QStringLiteral("b.htm"))), QByteArray("changed by hand"));
    }

    void keyboard() {
        QTemporaryDir dir;
        write(dir.filePath(QStringLiteral("a.htm")), Page);
        Wizard w;
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        // Enter in the folder field presses "&Next".
        w.text1()->setFocus();
        QTest::keyClicks(w.text1(), dir.path());
        QTest::keyClick(w.text1(), Qt::Key_Return);
        QCOMPARE(w.form.currentPage(), 1);
        // Access keys of the page in view work; those of pages out of view do not.
        // The page list has the focus; Space ticks the current page and unticks it again.
        QCOMPARE(QApplication::focusWidget(), w.list1());
        QTest::keyClick(w.list1(), Qt::Key_Space);
        QCOMPARE(w.selected(), QStringList{QStringLiteral("a.htm")});
        QTest::keyClick(w.list1(), Qt::Key_Space);
        QVERIFY(w.selected().isEmpty());
        QTest::keyClick(&w.form, Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(w.selected(), QStringList{QStringLiteral("a.htm")});
        QTest::keyClick(&w.form, Qt::Key_B, Qt::AltModifier); // "&Browse..." is on page 0
        QTest::qWait(200);
        QVERIFY(!QApplication::activeModalWidget());
        QTest::keyClick(&w.form, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(w.form.currentPage(), 2);
        // Tab never reaches a control of a page out of view.
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            QVERIFY2(focus->isVisible(), qPrintable(focus->objectName()));
        }
        QTest::keyClick(&w.form, Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(w.form.currentPage(), 1);
    }

    void accessibleNames() {
        Wizard w;
        QCOMPARE(w.text1()->accessibleName(), QStringLiteral("Folder"));
        QCOMPARE(w.text2()->accessibleName(), QStringLiteral("Website Number"));
        QCOMPARE(w.get<QComboBox>("Combo1")->accessibleName(), QStringLiteral("Web Protocol"));
        QCOMPARE(w.list1()->accessibleName(), QStringLiteral("Web Pages"));
        QCOMPARE(w.next()->accessibleName(), QStringLiteral("Next"));
        QCOMPARE(w.get<QPushButton>("Command3_1")->accessibleName(), QStringLiteral("UnSelect All"));
        QCOMPARE(w.get<QRadioButton>("Option2")->accessibleName(),
                 QStringLiteral("I am removing the Trafalytic code."));
    }

    // The real message box: modal, exclamation icon, one OK button, the window's caption.
    void realMessageBox() {
        platform::QtPlatform real;
        QString text;
        QString title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttons = 0;
        QTimer timer;
        int ticks = 0;
        connect(&timer, &QTimer::timeout, this, [&] {
            if (++ticks > 300)
                timer.stop();
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                text = box->text();
                title = box->windowTitle();
                icon = box->icon();
                buttons = int(box->buttons().size());
                box->button(QMessageBox::Ok)->click();
                timer.stop();
            }
        });
        timer.start(10);
        real.warn(nullptr, Caption, QStringLiteral("Please Select a Folder"));
        QCOMPARE(text, QStringLiteral("Please Select a Folder"));
        QCOMPARE(title, Caption);
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(buttons, 1);
    }

    // With INSERTER_SHOTS set to a folder, renders every page to PNG files there.
    void screenshots() {
        const QString shots = qEnvironmentVariable("INSERTER_SHOTS");
        if (shots.isEmpty())
            QSKIP("set INSERTER_SHOTS to a folder to render the pages");
        // A site as its owner keeps it: pages at the top and in subfolders, some
        // already carrying the code.
        QTemporaryDir temp;
        const QString site = qEnvironmentVariable("INSERTER_SHOTS_SITE", temp.path());
        QDir(site).mkpath(QStringLiteral("blog/2024"));
        QDir(site).mkpath(QStringLiteral("about"));
        for (const char* name :
             {"index.html", "contact.html", "style.css", "about/team.html", "about/history.html",
              "blog/index.html", "blog/2024/first-post.html", "blog/2024/launch.html"})
            write(site + QLatin1Char('/') + QLatin1String(name), Page);
        QProcess::execute(QStringLiteral(INSERTER_CLI),
                          {QStringLiteral("insert"), QStringLiteral("-r"), QStringLiteral("--site=12345"),
                           site + QStringLiteral("/blog")});
        QFile::setPermissions(site + QStringLiteral("/contact.html"), QFile::ReadOwner);
        write(site + QStringLiteral("/about/history.html"),
              "<body><!-- START OF TRAFALYTIC CODE --><!-- START OF TRAFALYTIC CODE --></body>");
        Wizard w;
        const auto shoot = [&](const QString& name) {
            QApplication::processEvents();
            QVERIFY(w.form.grab().save(shots + QLatin1Char('/') + name + QStringLiteral(".png")));
        };
        w.text1()->setText(site);
        w.get<QCheckBox>("Check1")->setChecked(true);
        w.text1()->setFocus();
        shoot(QStringLiteral("page0"));
        w.click(w.next());
        w.command3(2);
        w.list1()->setFocus();
        QTRY_VERIFY(w.entry(QStringLiteral("blog/index.html")).data(Qt::AccessibleDescriptionRole).isValid());
        w.list1()->scrollToBottom();
        shoot(QStringLiteral("page1"));
        // Enlarged, the list shows more of the site.
        w.form.resize(w.form.minimumSize() + QSize(240, 160));
        w.list1()->scrollToTop();
        shoot(QStringLiteral("page1-enlarged"));
        w.form.resize(w.form.minimumSize());
        w.click(w.next());
        w.text2()->setText(QStringLiteral("12345"));
        shoot(QStringLiteral("page2"));
        w.platform.onModal = [&](QDialog& dialog) {
            dialog.show();
            QTRY_VERIFY(dialog.findChild<QListWidget*>(QStringLiteral("List3"))->count() > 1);
            QTRY_VERIFY(dialog.findChild<QLabel*>(QStringLiteral("Label3"))
                            ->text()
                            .startsWith(QLatin1String("A run")));
            dialog.findChild<QListWidget*>(QStringLiteral("List3"))->setCurrentRow(1);
            QApplication::processEvents();
            QVERIFY(dialog.grab().save(shots + QStringLiteral("/preview.png")));
            dialog.hide();
        };
        w.click(w.get<QPushButton>("Command5"));
        w.platform.onProcessEvents = [&] {
            if (w.platform.eventRounds == 2)
                shoot(QStringLiteral("page3-running"));
        };
        w.click(w.next());
        shoot(QStringLiteral("page3-finished"));
        // The next start: the history, the run before the wizard's undone.
        Wizard again;
        again.platform.onModal = [&](QDialog& dialog) {
            dialog.show();
            auto* runs = dialog.findChild<QTreeWidget*>(QStringLiteral("List4"));
            runs->setCurrentItem(runs->topLevelItem(1));
            dialog.findChild<QPushButton*>(QStringLiteral("Command9"))->click();
            QApplication::processEvents();
            QVERIFY(dialog.grab().save(shots + QStringLiteral("/history.png")));
        };
        again.click(again.get<QPushButton>("Command8"));
    }
};

QTEST_MAIN(TestForm1)
#include "tst_Form1.moc"
