#include "picker/DriveListBox.h"

#include <QDir>

namespace picker {

DriveListBox::DriveListBox(platform::Platform& platform, QWidget* parent)
    : QComboBox(parent)
    , m_platform(platform) {
    refresh();
    connect(this, &QComboBox::currentIndexChanged, this, [this] { Q_EMIT driveChanged(); });
    // Reading the volumes is cheap; doing it on opening shows media inserted since.
}

void DriveListBox::refresh() {
    const QString selected = driveRoot();
    const QSignalBlocker quiet(this);
    m_volumes = m_platform.volumes();
    clear();
    for (const platform::Volume& v : m_volumes)
        addItem(v.entry, v.root);
    const int at = selected.isEmpty() ? 0 : findData(selected);
    setCurrentIndex(at < 0 ? 0 : at);
}

QString DriveListBox::drive() const {
    return currentText();
}

QString DriveListBox::driveRoot() const {
    return currentData().toString();
}

void DriveListBox::setDrive(const QString& drive) {
    int at = -1;
    const bool letter = drive.size() == 2 && drive.at(1) == QLatin1Char(':');
#ifndef Q_OS_WIN
    // Without drive letters, C: is the root volume, which stands first.
    if (letter && drive.at(0).toUpper() == QLatin1Char('C'))
        at = 0;
#endif
    for (int i = 0; at < 0 && i < count(); ++i) {
        const QString root = itemData(i).toString();
        if (letter ? itemText(i).startsWith(drive, Qt::CaseInsensitive)
                   : (itemText(i) == drive || root == drive || QDir::fromNativeSeparators(root) == drive))
            at = i;
    }
    if (at >= 0)
        setCurrentIndex(at); // raises driveChanged when the selection changes
}

} // namespace picker
