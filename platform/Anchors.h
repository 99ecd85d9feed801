#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace platform {

// How a window's controls follow it as it grows past its smallest size, the
// size its layout was drawn for: each control moves or stretches by what the
// window gained, from its place at the smallest size, in the ways it is told.
// In a right-to-left language every place is mirrored across its container's
// width, here and nowhere else.
class Anchors {
public:
    enum Follow {
        Stays = 0,
        MovesRight = 1,      // keeps its distance to the right edge
        MovesDown = 2,       // keeps its distance to the bottom edge
        Widens = 4,          // its right edge keeps its distance to the window's
        Deepens = 8,         // its bottom edge keeps its distance to the window's
        WidensHalf = 16,     // takes half of what the window gained in width
        MovesRightHalf = 32, // moves by that half, and takes the other half
    };

    // Takes the control's place as it is now as its place at the smallest size.
    void add(QWidget* control, int follow) {
        if (std::none_of(m_controls.begin(), m_controls.end(),
                         [control](const Control& c) { return c.control == control; }))
            m_controls.push_back({control, control->geometry(), follow});
    }
    // Every child of the container not added yet, as staying where it is.
    void addRest(QWidget* container) {
        for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            add(child, Stays);
    }

    // Places the controls for a window `dx` pixels wider and `dy` higher than its
    // smallest size. What a control is not told to follow keeps its height and
    // width as they are now (a text may have made it deeper).
    void apply(int dx, int dy) const {
        for (const Control& c : m_controls) {
            if (!c.control)
                continue;
            QRect r = c.control->geometry();
            int left = c.base.left();
            if (c.follow & MovesRight)
                left += dx;
            if (c.follow & MovesRightHalf) {
                left += dx / 2;
                r.setWidth(c.base.width() + dx - dx / 2);
            }
            if (c.follow & MovesDown)
                r.moveTop(c.base.top() + dy);
            if (c.follow & Widens)
                r.setWidth(c.base.width() + dx);
            if (c.follow & WidensHalf)
                r.setWidth(c.base.width() + dx / 2);
            if (c.follow & Deepens)
                r.setHeight(c.base.height() + dy);
            const QWidget* container = c.control->parentWidget();
            if (container && container->isRightToLeft())
                left = container->width() - left - r.width();
            r.moveLeft(left);
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
