// Every text fits its box in every state a run can reach, in every language
// shipped, whatever font the machine has: run with DejaVu alone (no Liberation)
// and with the usual fonts, at 100% and 200%.
#include "FakePlatform.h"
#include "TestFiles.h"
#include "engine/TrackingBlock.h"
#include "picker/Form2.h"
#include "wizard/Form1.h"
#include "wizard/Languages.h"
#include "wizard/TextFit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString shown(QString caption) {
    return caption.remove(QLatin1Char('&'));
}

// Which texts of the window's visible controls do not fit their boxes, named
// with the state the window was in.
QStringList overflowing(const QWidget& window, const QString& state) {
    QStringList wrong;
    const auto says = [&](const QWidget* control, const QString& text) {
        wrong << state + QStringLiteral(", ") + control->objectName() + QStringLiteral(": ") + text;
    };
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty() || !label->pixmap().isNull() || !label->isVisibleTo(&window))
            continue;
        const QFontMetrics metrics(label->font());
        const QRect box = label->contentsRect();
        const bool fits =
            label->wordWrap()
                ? metrics.boundingRect(box, Qt::TextWordWrap, label->text()).height() <= box.height()
                : metrics.horizontalAdvance(label->text()) <= box.width();
        if (!fits || label->font().pointSizeF() < 5.5)
            says(label, label->text());
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(&window))
            continue;
        // Check boxes and option buttons give room to their indicator.
        const int indicator = qobject_cast<const QPushButton*>(button) ? 8 : 22;
        if (QFontMetrics(button->font()).horizontalAdvance(shown(button->text())) + indicator >
            button->width())
            says(button, shown(button->text()));
    }
    for (const QComboBox* combo : window.findChildren<QComboBox*>()) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const QRect field =
            combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        for (int i = 0; i < combo->count(); ++i) {
            if (QFontMetrics(combo->font()).horizontalAdvance(combo->itemText(i)) > field.width())
                says(combo, combo->itemText(i));
        }
    }
    return wrong;
}

template <typename T> T* get(const QWidget& window, const char* name) {
    T* control = window.findChild<T*>(QLatin1String(name));
    if (!control)
        qFatal("no control %s", name);
    return control;
}

QByteArray pageWith(const char* site, engine::Protocol protocol) {
    return QByteArray::fromStdString(
        "<body>x" + *engine::buildTrackingBlock(engine::Site::parse(site), protocol, "p") + "</body>");
}

} // namespace

class TestCaptions : public QObject {
    Q_OBJECT

private:
    QStringList m_wrong;
    void look(const QWidget& window, const QString& state) {
        QApplication::processEvents();
        m_wrong << overflowing(window, state);
    }

    // One wizard through its pages to a run's end, looked at in each state;
    // `outcome` picks the run: complete, pages not changed, stopped, undone, no journal.
    void walk(const QString& outcome) {
        QTemporaryDir site;
        QTemporaryDir journal;
        write(site.filePath(QStringLiteral("a.htm")), pageWith("5", engine::Protocol::Secure));
        write(site.filePath(QStringLiteral("b.htm")), "<body>b</body>");
        write(site.filePath(QStringLiteral("c.php")), "<?php echo '</body>'; ?>");
        write(journal.filePath(QStringLiteral("file")), "a file");
        const QByteArray state = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME",
                (outcome == QLatin1String("no journal") ? journal.filePath(QStringLiteral("file"))
                                                        : journal.path())
                    .toLocal8Bit());
        FakePlatform platform;
        platform.answer = false;
        wizard::Form1 form(platform);
        form.start();
        look(form, QStringLiteral("page 0"));
        // A site generator's source folder: the warning in the hint's place.
        write(journal.filePath(QStringLiteral("hugo.toml")), "");
        QDir(journal.path()).mkdir(QStringLiteral("content"));
        get<QLineEdit>(form, "Text1")->setText(journal.path());
        look(form, QStringLiteral("page 0, a generator's source"));
        get<QLineEdit>(form, "Text1")->setText(site.path());
        get<QPushButton>(form, "Command1_1")->click();
        get<QPushButton>(form, "Command3_0")->click();
        look(form, QStringLiteral("page 1"));
        // The count's box holds six-digit counts.
        auto* count = get<QLabel>(form, "Label17");
        count->setText(
            QCoreApplication::translate("wizard::PagesPage", "%1 of %n page(s) ticked", nullptr, 888888)
                .arg(888888));
        wizard::fitText(count);
        look(form, QStringLiteral("page 1, six-digit count"));
        if (outcome != QLatin1String("pages not changed")) // c.php a run refuses
            get<QPushButton>(form, "Command3_1")->click(), get<QPushButton>(form, "Command3_2")->click();
        QTRY_VERIFY(get<QListView>(form, "List1")
                        ->model()
                        ->index(0, 0)
                        .data(Qt::AccessibleDescriptionRole)
                        .isValid());
        get<QPushButton>(form, "Command1_1")->click();
        get<QLineEdit>(form, "Text2")->setText(QStringLiteral("88888"));
        look(form, QStringLiteral("page 2"));
        if (outcome == QLatin1String("stopped"))
            platform.onProcessEvents = [&] {
                form.close();
            };
        platform.answer = outcome == QLatin1String("stopped");
        get<QPushButton>(form, "Command1_1")->click();
        platform.onProcessEvents = nullptr;
        if (outcome == QLatin1String("undone"))
            get<QPushButton>(form, "Command7")->click();
        qputenv("XDG_STATE_HOME", state);
        look(form, QStringLiteral("page 3, ") + outcome);
    }

private Q_SLOTS:
    void everyTextFits_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("outcome");
        for (const QString& language : wizard::shippedLanguages()) {
            for (const char* outcome : {"complete", "pages not changed", "stopped", "undone", "no journal"})
                QTest::addRow("%s, %s", qPrintable(language), outcome)
                    << language << QString::fromLatin1(outcome);
        }
    }

    void everyTextFits() {
        QFETCH(QString, language);
        QFETCH(QString, outcome);
        QLocale::setDefault(QLocale(language));
        QCOMPARE(wizard::useLanguageOf(), language);
        m_wrong.clear();
        walk(outcome);
        QVERIFY2(m_wrong.isEmpty(), qPrintable(QFontInfo(QApplication::font()).family() +
                                               QStringLiteral(": ") + m_wrong.join(QStringLiteral("; "))));
    }

    // The dialogs: the picker, the preview with its counts, the history after an undo.
    void dialogsFit_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : wizard::shippedLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }

    void dialogsFit() {
        QFETCH(QString, language);
        QLocale::setDefault(QLocale(language));
        wizard::useLanguageOf();
        QTemporaryDir site;
        QTemporaryDir journal;
        write(site.filePath(QStringLiteral("a.htm")), "<body>a</body>");
        const QByteArray state = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", journal.path().toLocal8Bit());
        FakePlatform platform;
        m_wrong.clear();
        picker::Form2 picker(platform, QStringLiteral("Trafalytic - Code Inserter"));
        picker.show();
        look(picker, QStringLiteral("picker"));
        {
            wizard::Form1 form(platform);
            form.start();
            get<QLineEdit>(form, "Text1")->setText(site.path());
            get<QPushButton>(form, "Command1_1")->click();
            get<QPushButton>(form, "Command3_0")->click();
            get<QPushButton>(form, "Command1_1")->click();
            get<QLineEdit>(form, "Text2")->setText(QStringLiteral("88888"));
            platform.onModal = [&](QDialog& dialog) {
                dialog.show();
                QTRY_VERIFY(!get<QLabel>(dialog, "Label4")->text().isEmpty());
                look(dialog, QStringLiteral("preview"));
            };
            get<QPushButton>(form, "Command5")->click();
            get<QPushButton>(form, "Command1_1")->click();
        }
        wizard::Form1 again(platform);
        again.start();
        platform.onModal = [&](QDialog& dialog) {
            dialog.show();
            look(dialog, QStringLiteral("history"));
            get<QPushButton>(dialog, "Command9")->click();
            look(dialog, QStringLiteral("history, undone"));
            get<QPushButton>(dialog, "Command9")->click();
            look(dialog, QStringLiteral("history, undone already"));
        };
        get<QPushButton>(again, "Command8")->click();
        qputenv("XDG_STATE_HOME", state);
        QVERIFY2(m_wrong.isEmpty(), qPrintable(m_wrong.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(TestCaptions)
#include "tst_Captions.moc"
