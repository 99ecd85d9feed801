#include "files/posix/PageFilesState.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace files {

using namespace posix;

// Locks the folder for the run, or finds it locked already; `folder` then stands
// for the one handle the run keeps of it.
Result<void> QtPageFiles::State::lock(FolderPtr& folder) {
    const std::string key = folderKey(folder->device, folder->inode);
    const auto held =
        std::find_if(locked.begin(), locked.end(), [&](const auto& entry) { return entry.first == key; });
    if (held != locked.end()) {
        folder = held->second;
        std::rotate(held, held + 1, locked.end()); // the most recently used goes last
        freshLock = false;
        return {};
    }
    if (const auto it = refused.find(key); it != refused.end())
        return it->second;
    // What is left of the run's one wait for locks is spent here, if need be.
    freshLock = true;
    const auto started = std::chrono::steady_clock::now();
    bool told = false;
    const auto deadline = started + lockWaitLeft;
    while (::flock(folder->fd.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            // A file system without locks: go on, as a run without the lock would.
            if (errno == ENOLCK || errno == EOPNOTSUPP)
                break;
            return refused[key] =
                       failure(std::string("the folder cannot be locked: ") + std::strerror(errno));
        }
        if (!told && beforeWait)
            beforeWait();
        told = true;
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) {
            lockWaitLeft = std::chrono::steady_clock::duration::zero();
            return refused[key] = failure("another run is changing this folder");
        }
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(std::chrono::milliseconds(50), deadline - now));
    }
    lockWaitLeft -= std::min(lockWaitLeft, std::chrono::steady_clock::now() - started);
    locked.emplace_back(key, folder);
    clearLeftovers(folder);
    // A run over a whole tree is done with most folders long before its end: let go
    // of those used least recently, so that the handles held stay few.
    for (std::size_t i = 0; locked.size() > maxFolders && i + 1 < locked.size();) {
        // Only folders that no staged page and no later read still needs.
        const long users = 1 + (toSync.count(locked[i].first) ? 1 : 0);
        if (locked[i].second.use_count() == users)
            release(i);
        else
            ++i;
    }
    return {};
}

// Lets go of a locked folder: its renames are made durable, then its lock goes.
void QtPageFiles::State::release(std::size_t index) {
    const std::string key = locked[index].first;
    if (const auto dirty = toSync.find(key); dirty != toSync.end()) {
        // As in close(): the renames are made; their folder's sync is the system's
        // to finish when it cannot be had now.
        if (sync != engine::RunFiles::Sync::None)
            (void)::fsync(dirty->second->fd.get());
        toSync.erase(dirty);
    }
    locked.erase(locked.begin() + static_cast<std::ptrdiff_t>(index));
}

// Removes what a killed run of ours left in the folder: regular files with our
// temporary names and no other link, owned by this user, or by anybody when the
// run is root (a temporary is given its page's owner before it is renamed). On
// network file systems, where a run on another machine is not kept out by the
// lock, only those older than an hour.
void QtPageFiles::State::clearLeftovers(const FolderPtr& folder) {
    const int fd = ::openat(folder->fd.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return;
    }
    const bool network = isNetworkFileSystem(folder->fd.get());
    const auto now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    while (const dirent* entry = ::readdir(dir)) {
        if (!isOurTempName(entry->d_name))
            continue;
        struct stat st {};
        if (::fstatat(folder->fd.get(), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(st.st_mode) || st.st_nlink != 1 || (::geteuid() != 0 && st.st_uid != ::geteuid()))
            continue;
        if (network && now - st.st_mtime < 3600)
            continue;
        // One that cannot be removed now is tried again by the next run.
        (void)::unlinkat(folder->fd.get(), entry->d_name, 0);
    }
    ::closedir(dir);
}

void QtPageFiles::State::drop(Staged& page) {
    // A temporary file that cannot be removed is a leftover the next run clears.
    if (!page.tempName.empty())
        (void)::unlinkat(page.parent->fd.get(), page.tempName.c_str(), 0);
    page.fd = Fd();
}

QtPageFiles::QtPageFiles()
    : m_state(std::make_unique<State>()) {}

} // namespace files
