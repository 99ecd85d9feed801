#include "wizard/TextFit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionComboBox>

#include <algorithm>

namespace wizard {

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
        const int extra = std::min(needed - label->contentsRect().height(), platform::twips(90));
        if (extra > 0)
            label->resize(label->width(), label->height() + extra);
    }
    while (!fits() && font.pointSizeF() > 6.5)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    label->setFont(font);
}

// The same for a button's caption.
// (`margin`: pixels beside it, an option button's indicator).
void fitCaption(QAbstractButton* button, int margin, double smallest) {
    QFont font = button->font();
    const QString text = QString(button->text()).remove(QLatin1Char('&'));
    while (QFontMetrics(font).horizontalAdvance(text) + margin > button->width() &&
           font.pointSizeF() > smallest)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    button->setFont(font);
}

void fitAllCaptions(QWidget* window) {
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        const bool push = qobject_cast<QPushButton*>(button) != nullptr;
        fitCaption(button, push ? platform::twips(150) : platform::twips(360));
    }
}

// The same for the items of a drop-down list, which must show whole in its field.
void fitItems(QComboBox* combo, int widest) {
    QFont font = combo->font();
    const auto room = [combo] {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        return combo->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
            .width();
    };
    const auto needed = [&] {
        const QFontMetrics metrics(font);
        int most = 0;
        for (int i = 0; i < combo->count(); ++i)
            most = std::max(most, metrics.horizontalAdvance(combo->itemText(i)));
        return most;
    };
    if (const int short_ = needed() - room(); short_ > 0 && combo->width() < widest)
        combo->resize(std::min(widest, combo->width() + short_), combo->height());
    while (needed() > room() && font.pointSizeF() > 6.5)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    combo->setFont(font);
}

} // namespace wizard
