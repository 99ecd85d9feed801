#include "wizard/TextFit.h"

#include <QComboBox>
#include <QLabel>
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
