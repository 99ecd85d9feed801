#pragma once

// The pieces of rewriting one page on a POSIX system: its stamp, the temporary
// file beside it, its extended attributes and ACL carried over, its new text
// written, and its text read within the memory the run may use.

#include "engine/PageFiles.h"
#include "files/posix/FolderHandle.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace files::posix {

Failure failure(std::string reason, Failure::Kind kind = Failure::Kind::System);

inline const std::string ChangedReason =
    "the page changed on disk while it was being rewritten; it was left as it is";

engine::FileStamp stampOf(const struct stat& st);
bool sameStamp(const engine::FileStamp& a, const engine::FileStamp& b);
// "a folder", "a named pipe", ...: what a file that is no page is.
std::string kindOf(mode_t mode);
// A folder's key among those a run holds: its device and inode.
std::string folderKey(dev_t device, ino_t inode);

// File systems whose locks other machines do not see, and on which another
// machine's run may be writing its temporary files right now.
bool isNetworkFileSystem(int fd);

// Whether a name is one our temporary files take (".code-inserter-" and six
// letters or digits), and a new such name.
bool isOurTempName(std::string_view name);
std::string randomTempName();

// Extended attributes of an open file, names with values, in the file's order.
using Attribute = std::pair<std::string, std::string>;
using Attributes = std::vector<Attribute>;
Result<Attributes> readAttributes(int fd);

// The owner and group a new file in the folder is born with.
std::pair<uid_t, gid_t> bornOwner(const Folder& folder);

// A new file may be born with an access ACL inherited from its folder's default
// ACL: it goes before anything is written, so that nothing but the page's own
// attributes ever grants access to the new text.
Result<void> dropInheritedAcl(int fd);

// Gives the new file (mode 0, no ACL) exactly the attributes of the old one, so
// that at no moment does it grant anybody more than the page: owner and group
// first, then the extended attributes (an attribute the new file was born with and
// the old one lacked is taken off), and last the permissions: the ACL, which sets
// the permission bits and the mask in one step, then the mode.
Result<void> copyAttributes(int fd, const struct stat& old, const Attributes& oldAttributes,
                            std::pair<uid_t, gid_t> bornWith);

// Writes the pieces in order, however the system splits the writes.
Result<void> writePieces(int fd, const std::vector<std::string_view>& pieces);

// Pages up to this size are read without asking how much memory is left.
constexpr std::uint64_t SmallPage = 8u << 20;

// Reads the open page into contents, never more than it held when it was opened
// and one block besides: a page that grows or shrinks meanwhile is left alone, one larger
// than the memory the run may still use is refused before it is read, and a file
// with a hole or with a NUL byte in its first bytes (without a UTF-16 byte-order
// mark) is binary without reading the rest.
Result<std::string> readBounded(int fd, const struct stat& opened);

} // namespace files::posix
