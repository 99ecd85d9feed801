#include "platform/Captions.h"

#include <QAbstractButton>
#include <QPushButton>

namespace platform {

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
        fitCaption(button, push ? twips(150) : twips(360));
    }
}

} // namespace platform
