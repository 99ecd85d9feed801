#include "wizard/LineControl.h"

#include "platform/Twips.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace wizard {

using platform::twips;

LineControl::LineControl(QPalette::ColorRole role, QWidget* parent)
    : QWidget(parent)
    , m_role(role) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::setEnds(float x1, float y1, float x2, float y2) {
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    place();
}

void LineControl::place() {
    const int left = twips(static_cast<int>(std::lround(std::min(m_x1, m_x2))));
    const int right = twips(static_cast<int>(std::lround(std::max(m_x1, m_x2))));
    setGeometry(left, twips(static_cast<int>(std::lround(m_y1))), std::max(1, right - left), 1);
}

void LineControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(m_role));
}

} // namespace wizard
