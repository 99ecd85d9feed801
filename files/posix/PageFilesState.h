#pragma once

// What a run's page files hold while the run goes, shared by the units that
// make them up: the pages read and staged, and the folders locked.

#include "files/QtPageFiles.h"
#include "files/posix/FolderHandle.h"
#include "files/posix/PageFileParts.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace files {

namespace posix {

struct LastRead {
    std::uint64_t token = 0;
    FolderPtr parent;
    std::string name;
    struct stat st {};
    Attributes attributes;
};

struct Staged {
    Fd fd;
    FolderPtr parent;
    std::string name;     // the page's name in parent
    std::string tempName; // empty while the file is unnamed
    engine::FileStamp stamp;
    Result<void> durable; // fails when making it durable failed
};

// A group is committed once it holds this much new text or this many pages, or
// once the handles the run holds come near its budget.
constexpr std::uint64_t GroupBytes = 64u << 20;

// Every handle a run holds counts against one budget: the chosen folder, the
// folders kept locked, the staged pages, and a few for a moment (the page being
// read, the walk to it, a folder's listing). At most 256, and at most a quarter
// of the limit on open handles when that is lower.
constexpr std::size_t HandlesForAMoment = 6;

std::size_t handleBudget();

// All the folder locks of one run share this wait in all.
constexpr std::chrono::seconds LockWait{10};

} // namespace posix

struct QtPageFiles::State {
    using Failure = engine::Failure;
    template <typename T> using Result = engine::Result<T>;
    using Fd = posix::Fd;
    using Folder = posix::Folder;
    using FolderPtr = posix::FolderPtr;
    using Resolved = posix::Resolved;
    using LastRead = posix::LastRead;
    using Staged = posix::Staged;
    FolderPtr root;
    std::vector<std::string> rootPaths; // the chosen folder as given, and resolved
    bool dryRun = false;
    bool readOnly = false;
    std::function<void()> beforeWait;
    engine::RunFiles::Sync sync = engine::RunFiles::Sync::EachFile;
    // The folder of the last page read, by its path in the run: the next page in it
    // is opened through its handle, by its single name, with no walk from the top.
    std::string lastDir;
    FolderPtr lastFolder;
    std::uint64_t nextToken = 1;
    LastRead last;
    std::vector<Staged> staged;
    std::uint64_t stagedBytes = 0;
    std::size_t budget = 256; // handles in all
    std::size_t maxStaged = 160;
    std::size_t maxFolders = 64;
    std::chrono::steady_clock::duration lockWaitLeft = posix::LockWait;
    // Folders locked for this run (by device and inode), the most recently used
    // last, and those that could not be locked.
    std::vector<std::pair<std::string, FolderPtr>> locked;
    std::map<std::string, Failure> refused;
    std::map<std::string, FolderPtr> toSync;

    bool freshLock = false; // the last lock() took a lock the run did not hold yet
    Result<void> lock(FolderPtr& folder);
    void release(std::size_t index);
    void clearLeftovers(const FolderPtr& folder);
    void drop(Staged& staged);
    void makeDurable();
    Result<Resolved> locate(const std::string& name);
    Result<Fd> openPage(const Resolved& where, struct stat& opened);
    Result<Fd> createTemp(Staged& page) const;
    Result<void> replace(Staged& page, std::map<const Folder*, bool>& beneath);
    std::size_t handlesHeld() const { return 1 + locked.size() + staged.size(); }
};

} // namespace files
