#pragma once

// What the journal needs of the system it runs on, one file for each kind of
// system, chosen in CMake: files/posix/JournalSystem.cpp or files/generic/.

#include <QFile>
#include <QString>

namespace files::journal {

// The file's data and the folder entry that names it reach the disk.
bool syncFile(QFile& file);

// Both files reach the disk. On Linux one sync of their file system does it, and
// it also writes out the pages staged there, which the page files would sync
// next in any case.
bool syncBoth(QFile& first, QFile& second);

// The account's home folder: for root, root's own, whatever home the account it
// came from left set.
QString accountHome();

} // namespace files::journal
