#pragma once

#include "platform/Platform.h"

#include <QComboBox>

namespace picker {

// The drop-down list of the machine's volumes. Its notification `driveChanged`
// is raised at once, before setDrive returns, whenever the selection changes,
// whether the user or the program changed it.
class DriveListBox final : public QComboBox {
    Q_OBJECT

public:
    DriveListBox(platform::Platform& platform, QWidget* parent = nullptr);

    // The selected entry's text: "c:" or a mount point, then the label if any.
    QString drive() const;
    // The selected volume's root folder.
    QString driveRoot() const;
    // Selects the volume named by drive: a letter and colon (any case), a mount
    // point, or an entry's text. "C:" stands for the root volume where there are
    // no drive letters. Unknown names leave the selection alone.
    void setDrive(const QString& drive);
    // Reads the volumes again, keeping the selection where it can.
    void refresh();

Q_SIGNALS:
    void driveChanged();

private:
    platform::Platform& m_platform;
    QList<platform::Volume> m_volumes;
};

} // namespace picker
