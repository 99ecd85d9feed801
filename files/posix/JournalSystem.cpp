#include "files/JournalSystem.h"

#include <QDir>

#include <pwd.h>
#include <unistd.h>

namespace files::journal {

namespace {

#ifdef Q_OS_LINUX
bool syncFileSystemOf(QFile& file) {
    return ::syncfs(file.handle()) == 0;
}
#else
bool syncFileSystemOf(QFile&) {
    return false; // no such call: each file is synced instead
}
#endif

} // namespace

bool syncFile(QFile& file) {
    return ::fdatasync(file.handle()) == 0;
}

bool syncBoth(QFile& first, QFile& second) {
    return syncFileSystemOf(first) || (syncFile(first) && syncFile(second));
}

QString accountHome() {
    if (::geteuid() == 0) {
        if (const passwd* entry = ::getpwuid(0); entry && entry->pw_dir)
            return QFile::decodeName(entry->pw_dir);
    }
    return QDir::homePath();
}

} // namespace files::journal
