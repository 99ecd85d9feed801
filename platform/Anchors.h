#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <vector>

namespace platform {

// How a window's controls follow it as it grows past its smallest size, the
// size its layout was drawn for: each control moves or stretches by what the
// window gained, from its place at the smallest size, in the ways it is told.
class Anchors {
public:
    enum Follow {
        MovesRight = 1, // keeps its distance to the right edge
        MovesDown = 2,  // keeps its distance to the bottom edge
        Widens = 4,     // its right edge keeps its distance to the window's
        Deepens = 8,    // its bottom edge keeps its distance to the window's
    };

    // Takes the control's place as it is now as its place at the smallest size.
    void add(QWidget* control, int follow) { m_controls.push_back({control, control->geometry(), follow}); }

    // Places the controls for a window `dx` pixels wider and `dy` higher than its
    // smallest size. What a control is not told to follow stays as it is now.
    void apply(int dx, int dy) const {
        for (const Control& c : m_controls) {
            if (!c.control)
                continue;
            QRect r = c.control->geometry();
            if (c.follow & MovesRight)
                r.moveLeft(c.base.left() + dx);
            if (c.follow & MovesDown)
                r.moveTop(c.base.top() + dy);
            if (c.follow & Widens)
                r.setWidth(c.base.width() + dx);
            if (c.follow & Deepens)
                r.setHeight(c.base.height() + dy);
            c.control->setGeometry(r);
        }
    }

private:
    struct Control {
        QPointer<QWidget> control;
        QRect base;
        int follow;
    };
    std::vector<Control> m_controls;
};

} // namespace platform
