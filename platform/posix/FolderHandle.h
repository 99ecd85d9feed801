#pragma once

// Folders reached through handles, never by a path looked up again: every
// operation below the chosen folder is an *at() call on a folder's handle with a
// single name, and symbolic links are followed by our own walk, which never
// leaves the chosen folder.

#include <memory>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace platform::posix {

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

// An open folder, with the folder it was opened from, so that the chain back to
// the chosen folder can be checked again.
struct Folder {
    Fd fd;
    std::shared_ptr<Folder> parent; // null for the chosen folder
    std::string name;               // its name in parent
    dev_t device = 0;
    ino_t inode = 0;
};
using FolderPtr = std::shared_ptr<Folder>;

// Opens `name` in `parent` as a folder without following a link; null on failure
// (errno set).
FolderPtr openSubfolder(const FolderPtr& parent, const std::string& name);

// Whether every folder of the chain still stands under its recorded name in its
// parent, so that what is done in `folder` is done beneath the chosen folder.
bool stillBeneath(const FolderPtr& folder);

// Where a name relative to the chosen folder leads.
struct Resolved {
    enum class Kind { Entry, Folder, Outside, Failed };
    Kind kind = Kind::Failed;
    FolderPtr parent;     // Entry: the folder that holds it
    std::string name;     // Entry: its name there (possibly no such entry)
    bool viaLink = false; // a symbolic link was followed on the way
    std::string linkText; // Outside: the text of the link that leads out
    std::string reason;   // Failed
};

// Walks `relative` ('/'-separated) from `root`, one name at a time, following
// symbolic links itself: a relative link is walked from the folder that holds
// it, an absolute one only when it leads into `rootPath` (the chosen folder's
// resolved path), and then from `root`. ".." never climbs above `root`.
Resolved resolve(const FolderPtr& root, const std::string& rootPath, std::string_view relative);

std::string errnoText(int error);

} // namespace platform::posix
