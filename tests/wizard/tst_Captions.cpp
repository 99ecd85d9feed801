// Every caption fits its box, whatever font the machine has: run with DejaVu
// alone (no Liberation) at 100% and 200%.
#include "FakePlatform.h"
#include "picker/Form2.h"
#include "wizard/Form1.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QTest>

namespace {

QString shown(QString caption) {
    return caption.remove(QLatin1Char('&'));
}

// Which captions of the window do not fit their boxes.
QStringList overflowing(const QWidget& window) {
    QStringList wrong;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            continue;
        const QFontMetrics metrics(label->font());
        const QRect box = label->contentsRect();
        const bool fits =
            label->wordWrap()
                ? metrics.boundingRect(box, Qt::TextWordWrap, label->text()).height() <= box.height()
                : metrics.horizontalAdvance(label->text()) <= box.width();
        if (!fits || label->font().pointSizeF() < 6.5)
            wrong << label->objectName() + QStringLiteral(": ") + label->text();
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        const QFontMetrics metrics(button->font());
        // Check boxes and option buttons give room to their indicator.
        const int indicator = qobject_cast<const QPushButton*>(button) ? 8 : 22;
        if (metrics.horizontalAdvance(shown(button->text())) + indicator > button->width())
            wrong << button->objectName() + QStringLiteral(": ") + shown(button->text());
    }
    for (const QComboBox* combo : window.findChildren<QComboBox*>()) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const QRect field =
            combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        for (int i = 0; i < combo->count(); ++i) {
            if (QFontMetrics(combo->font()).horizontalAdvance(combo->itemText(i)) > field.width())
                wrong << combo->objectName() + QStringLiteral(": ") + combo->itemText(i);
        }
    }
    return wrong;
}

} // namespace

class TestCaptions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyCaptionFits() {
        FakePlatform platform;
        wizard::Form1 form(platform);
        form.start();
        picker::Form2 picker(platform, form.windowTitle());
        picker.show();
        const QStringList wrong = overflowing(form) + overflowing(picker);
        QVERIFY2(wrong.isEmpty(),
                 qPrintable(QStringLiteral("with %1: %2")
                                .arg(QFontInfo(form.font()).family(), wrong.join(QStringLiteral("; ")))));
    }
};

QTEST_MAIN(TestCaptions)
#include "tst_Captions.moc"
