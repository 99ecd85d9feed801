#pragma once

// Folders reached through handles, never by a path looked up again: every
// operation below the chosen folder is an *at() call on a folder's handle with a
// single name, and symbolic links are followed by our own walk, which never
// leaves the chosen folder.

#include "engine/Result.h"

#include <memory>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <vector>

namespace files::posix {

using engine::Failure;
using engine::Result;

// An owned file descriptor.
class Fd {
public:
    Fd() = default;
    explicit Fd(int fd)
        : m_fd(fd) {}
    Fd(Fd&& other) noexcept
        : m_fd(other.release()) {}
    Fd& operator=(Fd&& other) noexcept;
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd();

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    int release();

private:
    int m_fd = -1;
};

// One step of the walk from the chosen folder down to a folder: its name in the
// folder above and what it was when the walk passed.
struct Step {
    std::string name;
    dev_t device = 0;
    ino_t inode = 0;
};

// An open folder and its place beneath the chosen folder, kept as what the walk
// saw rather than as open handles of the folders above: a run holds one handle
// for each folder it keeps, whatever the depth.
struct Folder {
    Fd fd;
    std::vector<Step> chain; // from the chosen folder down to this one; empty for the chosen folder
    dev_t device = 0;
    ino_t inode = 0;
    gid_t group = 0;
    mode_t mode = 0;
    int defaultAcl = -1; // whether it has a default ACL that new files inherit; -1 not yet asked
};
using FolderPtr = std::shared_ptr<Folder>;

// Opens `name` in `parent` as a folder without following a link. Fails NotFound
// when the name is no folder (or a link), else System.
Result<FolderPtr> openSubfolder(const FolderPtr& parent, const std::string& name);

// Whether `folder` still stands beneath `root` where the walk found it: the chain
// is walked again from the root's handle, one name at a time, and every step
// must still be the same folder (device and inode). Holds at most one more handle
// while it walks.
bool stillBeneath(const FolderPtr& root, const FolderPtr& folder);

// Opens the folder at the end of `chain` again by walking down from `root`;
// fails when a step is no longer the folder it was.
Result<FolderPtr> reopen(const FolderPtr& root, std::vector<Step> chain);

// Where a name relative to the chosen folder leads: an entry of a folder, or a
// folder itself.
struct Resolved {
    bool folder = false; // the path ends at a folder; the fields below are unset
    FolderPtr parent;    // the folder that holds the entry
    std::string name;    // its name there (possibly no such entry)
    bool found = false;  // it exists, and `st` is what lstat said of it
    struct stat st {};
    bool viaLink = false; // a symbolic link was followed on the way
};

// Walks `relative` ('/'-separated) from `root`, one name at a time, following
// symbolic links itself: a relative link is walked from the folder that holds
// it, an absolute one only when it leads into the chosen folder by one of
// `rootPaths` (the path the user gave and its resolved form), and then from
// `root`. ".." never climbs above `root`. Holds at most two handles while it walks.
// The walk starts at `start` (a folder beneath root, root itself by default).
// Fails OutsideFolder for a link that leads out of the chosen folder.
Result<Resolved> resolve(const FolderPtr& root, const std::vector<std::string>& rootPaths,
                         std::string_view relative, const FolderPtr& start = nullptr);

// The path as given, made absolute without resolving links: a relative one is
// taken against the logical working directory ($PWD when it names the current
// directory), and "." and ".." are worked out by name.
std::string logicalPath(const std::string& path);

std::string errnoText(int error);

} // namespace files::posix
