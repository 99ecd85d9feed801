#pragma once

// How the wizard's pages make their controls: named as the layout names them,
// placed in twips, with the names screen readers announce.

#include "platform/Anchors.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>

#include <string>

namespace wizard {

inline QString withoutAccessKey(QString caption) {
    return caption.remove(QLatin1Char('&'));
}

// Words that may begin in lower case, as a sentence of their own.
inline QString sentence(const std::string& words) {
    QString text = QString::fromStdString(words);
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    return text;
}

inline QLabel* label(QWidget* parent, const char* name, const QString& text, QRect geometry,
                     bool wrap = false) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(geometry);
    l->setWordWrap(wrap);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setTextFormat(Qt::PlainText);
    return l;
}

// Names and places a control, and gives it the name screen readers announce.
template <typename T>
T* placed(T* control, const QString& name, QRect geometry, const QString& accessibleName) {
    control->setObjectName(name);
    control->setGeometry(geometry);
    control->setAccessibleName(accessibleName);
    return control;
}

inline QPushButton* button(QWidget* parent, const QString& name, const QString& caption, QRect geometry) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    b->setAccessibleName(withoutAccessKey(caption));
    // "&Next" keeps the default frame wherever the focus is; Enter on a focused
    // button still presses that button (see Form1::keyPressEvent).
    b->setAutoDefault(false);
    return b;
}

// The question closing the window asks while a run or an undo goes.
inline QString stopQuestion() {
    return QCoreApplication::translate(
        "wizard::Form1", "Stop after the pages in hand? Pages already done keep their changes.");
}

// A run's progress is shown at most this often: painting every page would cost
// more than the pages.
constexpr int ProgressEveryMs = 40;

// Lists of more pages than this show a wait cursor while a command works on them.
constexpr int LargeList = 5000;

// A wait cursor for as long as it lives, where the list is large.
class BusyCursor {
public:
    explicit BusyCursor(int entries)
        : m_on(entries > LargeList) {
        if (m_on)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor() {
        if (m_on)
            QApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool m_on;
};

// One of the wizard's four pages, brought into view in turn.
class WizardPage : public QWidget {
public:
    using QWidget::QWidget;

    // Checks the page's fields when Next is pressed: what to warn of, or nothing.
    virtual QString check() { return {}; }
    // The control typing goes to when the page comes into view.
    virtual QWidget* firstControl() { return nullptr; }
    // Places the controls for a window grown by dx and dy pixels past its smallest size.
    void follow(int dx, int dy) const { m_anchors.apply(dx, dy); }

protected:
    platform::Anchors m_anchors;
};

} // namespace wizard
