#include "files/JournalSystem.h"

#include <QDir>

namespace files::journal {

// Qt has no call that makes a file durable: a flush hands it to the system.
bool syncFile(QFile& file) {
    return file.flush();
}

bool syncBoth(QFile& first, QFile& second) {
    return syncFile(first) && syncFile(second);
}

QString accountHome() {
    return QDir::homePath();
}

} // namespace files::journal
