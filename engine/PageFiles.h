#pragma once

#include "engine/Result.h"

#include <cstdint>
#include <functional>
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

// A folder as it was listed: the run checks that it changes the same one.
// Zero device and inode stand for "not known".
struct FolderId {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
};

// A page as it was read: its text and what the file system said of it. A page
// that cannot be read fails instead: NotRegular (a folder, device, pipe or
// socket: never opened), OutsideFolder (a symbolic link whose target lies outside
// the chosen folder), Binary (told a binary file before it was read whole: a hole,
// an early NUL byte), TooLarge, or System.
struct PageRead {
    std::string contents;    // the whole file
    std::string identity;    // the same for every way to reach the file (device and inode)
    std::string pageName;    // for a link to a page of the folder: that page's file name
    std::string pagePath;    // and its path beneath the folder
    bool writable = false;   // the owner write bit is set and the running user may write
    std::uint64_t links = 1; // hard links to the file
    FileStamp stamp;
    std::uint64_t token = 0; // the file layer's own reference to where the page was found
};

// How a run uses the files.
struct RunFiles {
    bool dryRun = false; // nothing is written, locked or cleaned
    // Pages are only looked at (a status run): whether they could be written, and
    // their extended attributes, are not asked.
    bool readOnly = false;
    // Called before the run waits for another run's lock, so that a host can show
    // what it has so far.
    std::function<void()> beforeWait;
    // How a group of staged texts is made durable before the renames: one sync of
    // each file system the group is on (chosen by measurement: see the README),
    // or a sync of each file. Only the benchmark chooses; None gives up
    // durability to measure what it costs.
    enum class Sync { FileSystem, EachFile, None };
    Sync sync = Sync::FileSystem;
};

// The engine's only way to the files. Implemented on the platform; tests wrap it.
//
// A run opens its folder once; pages are then named relative to it. Replacing a
// page has two phases: `stage` writes the new text where the page cannot see it
// yet, `commit` makes every staged text durable and puts each in its page's place.
class PageFiles {
public:
    virtual ~PageFiles() = default;

    // Opens the folder for a run. When `listed` is known, the folder must still be
    // the one that was listed. Fails with the reason why no page may be touched.
    virtual Result<void> open(const std::string& folder, FolderId listed, RunFiles how) = 0;

    // Reads the page at `name` (a name in the folder, or a relative path with '/')
    // whole, never more than it held when it was opened: a page that grows while
    // it is read, or is larger than the memory the run may use, fails.
    virtual Result<PageRead> read(const std::string& name) = 0;

    // Writes the pieces as the new text of the page read as `read`, out of sight.
    // A page that failed here is not committed.
    virtual Result<void> stage(const PageRead& read, const std::vector<std::string_view>& pieces) = 0;

    // Whether the pages staged since the last commit make a group large enough to
    // commit now (by their number, their size, or the handles they hold open).
    virtual bool groupFull() const { return true; }

    // Makes the staged texts durable and replaces each page with its own, atomically:
    // afterwards a page holds either its old text or the whole new one. A page that
    // changed since it was read keeps its text. Returns one result per staged page,
    // in staging order.
    virtual std::vector<Result<void>> commit() = 0;

    // Drops the texts staged since the last commit: their pages keep their texts.
    virtual void discard() = 0;

    // Ends the run: makes the replacements durable in the folders' own records of
    // names and lets go of the folders.
    virtual void close() {}
};

} // namespace engine
