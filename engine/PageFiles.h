#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// Identity and state of a file when it was read, to tell whether it changed
// before it is replaced. The engine does not look into it.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
};

// What the file system says of a page that was asked for.
struct PageRead {
    enum class Status {
        Ok,            // contents hold the whole file
        NotRegular,    // a folder, device, pipe or socket: never opened
        OutsideFolder, // a symbolic link whose target lies outside the chosen folder
        Failed,        // could not be read; reason says why
    };
    Status status = Status::Failed;
    std::string reason;      // for every status but Ok, in words
    std::string target;      // the file that is read and would be replaced (a link's target)
    std::string identity;    // the file's canonical path: the same for every way to reach it
    std::string pageName;    // for a link to a page of the folder: that page's file name
    bool writable = false;   // the owner write bit is set and the running user may write
    std::uint64_t links = 1; // hard links to the file
    FileStamp stamp;
};

// The engine's only way to the files. Implemented on the platform; tests wrap it.
class PageFiles {
public:
    virtual ~PageFiles() = default;

    // Reads the page at path (a name in folder) whole into contents.
    virtual PageRead read(const std::string& folder, const std::string& path, std::string& contents) = 0;

    // Replaces the file read as `read` with the pieces, atomically: afterwards the
    // file holds either its old text or the whole new one. Refuses when the file
    // changed since it was read. Returns an empty string on success, else the reason.
    virtual std::string replace(const PageRead& read, const std::vector<std::string_view>& pieces) = 0;

    // Called once when a run is over: makes the replacements durable where that is
    // cheaper to do once for many pages (the folders' own records of names).
    virtual void finish() {}
};

} // namespace engine
