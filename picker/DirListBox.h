#pragma once

#include "platform/Platform.h"

#include <QElapsedTimer>
#include <QListWidget>

namespace picker {

// The directory list: the open directory with its chain of parents above it and
// its subdirectories below. A double-click (or Enter) opens an entry; a single
// click only highlights it.
class DirListBox final : public QListWidget {
    Q_OBJECT

public:
    DirListBox(platform::Platform& platform, QWidget* parent = nullptr);

    // The open directory's full path, native separators; a root keeps its separator.
    QString path() const { return m_path; }
    // Opens path. On failure (volume unavailable, not ready, unreadable) the list
    // stays as it was.
    platform::Result<void> setPath(const QString& path);

Q_SIGNALS:
    void mouseButton();
    // The open directory may have changed: after a mouse button is let go, an
    // entry opened, or a move by keys.
    void pathMaybeChanged();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

public:
    // Typing the first letters of a folder's name moves to it; the indentation of
    // the entries does not count.
    void keyboardSearch(const QString& search) override;

private:
    void openItem(QListWidgetItem* item);

    platform::Platform& m_platform;
    QString m_path;
    QString m_typed;
    QElapsedTimer m_typing;
};

} // namespace picker
