#pragma once

#include <QPalette>
#include <QWidget>

namespace wizard {

// A horizontal line drawn in one of the desktop's colours, with its ends in twips
// relative to the parent. Only horizontal lines are needed.
class LineControl final : public QWidget {
    Q_OBJECT

public:
    LineControl(QPalette::ColorRole role, QWidget* parent);

    void setEnds(float x1, float y1, float x2, float y2);
    float x1() const { return m_x1; }
    float y1() const { return m_y1; }
    float x2() const { return m_x2; }
    float y2() const { return m_y2; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void place();

    QPalette::ColorRole m_role;
    float m_x1 = 0;
    float m_y1 = 0;
    float m_x2 = 0;
    float m_y2 = 0;
};

} // namespace wizard
