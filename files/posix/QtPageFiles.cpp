#include "files/QtPageFiles.h"

#include "files/posix/FolderHandle.h"
#include "files/posix/PageFilesState.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <random>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/uio.h>
#include <sys/xattr.h>
#include <thread>
#include <unistd.h>

namespace files {

using namespace posix;
using engine::Failure;
using engine::Result;

std::size_t posix::handleBudget() {
    struct rlimit limit {};
    std::size_t soft = 1024;
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
        soft = static_cast<std::size_t>(limit.rlim_cur);
    return std::clamp<std::size_t>(soft / 4, 2 * HandlesForAMoment, 256);
}

QtPageFiles::~QtPageFiles() {
    close();
}

Result<void> QtPageFiles::open(const std::string& folder, engine::FolderId listed, engine::RunFiles how) {
    close();
    State& s = *m_state;
    s.dryRun = how.dryRun;
    s.readOnly = how.readOnly;
    s.beforeWait = how.beforeWait;
    s.sync = how.sync;
    s.budget = handleBudget();
    s.maxFolders = s.budget / 4;
    s.maxStaged = std::min<std::size_t>(160, s.budget - s.maxFolders - HandlesForAMoment);
    s.lockWaitLeft = LockWait;
    // The one lookup of the folder by its path; from here on, handles only.
    char resolved[PATH_MAX];
    if (!::realpath(folder.c_str(), resolved))
        return errno == ENOENT ? failure("it does not exist", Failure::Kind::NotFound)
                               : failure(errnoText(errno));
    Fd fd(::open(resolved, O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat st {};
    if (!fd.valid() || ::fstat(fd.get(), &st) != 0)
        return errno == ENOTDIR ? failure("it is not a folder", Failure::Kind::NotFound)
                                : failure(errnoText(errno));
    if (listed.inode != 0 && (static_cast<std::uint64_t>(st.st_dev) != listed.device ||
                              static_cast<std::uint64_t>(st.st_ino) != listed.inode))
        return failure("it is no longer the folder that was listed (it was moved or replaced)",
                       Failure::Kind::NotFound);
    s.root = std::make_shared<Folder>();
    s.root->fd = std::move(fd);
    s.root->device = st.st_dev;
    s.root->inode = st.st_ino;
    s.root->group = st.st_gid;
    s.root->mode = st.st_mode;
    s.rootPaths = {resolved, logicalPath(folder)};
    return {};
}

// Where the page at `name` is, found through the last page's folder when it is
// in the same one; fails when it is no page to read.
Result<Resolved> QtPageFiles::State::locate(const std::string& name) {
    const std::size_t slash = name.rfind('/');
    const std::string dir = slash == std::string::npos ? std::string() : name.substr(0, slash);
    const bool sameFolder = lastFolder && dir == lastDir;
    Result<Resolved> where =
        sameFolder ? resolve(root, rootPaths, std::string_view(name).substr(slash + 1), lastFolder)
                   : resolve(root, rootPaths, name);
    if (!where)
        return where;
    if (where->folder)
        return failure("a folder, not a web page", Failure::Kind::NotRegular);
    if (!dryRun) {
        if (Result<void> held = lock(where->parent); !held)
            return held.failure();
    }
    if (!where->viaLink) {
        lastDir = dir;
        lastFolder = where->parent;
    }
    return where;
}

// Opens the page found, checking that it is still the regular file the walk saw.
Result<Fd> QtPageFiles::State::openPage(const Resolved& where, struct stat& opened) {
    const int dirFd = where.parent->fd.get();
    // What the walk saw of the name holds unless the run waited for a lock since.
    struct stat st = where.st;
    if ((!where.found || (!dryRun && freshLock)) &&
        ::fstatat(dirFd, where.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT && where.viaLink
                   ? failure("a symbolic link that leads to no file", Failure::Kind::NotFound)
                   : failure(errnoText(errno),
                             errno == ENOENT ? Failure::Kind::NotFound : Failure::Kind::System);
    if (S_ISLNK(st.st_mode))
        return failure("the page changed while it was being read");
    if (!S_ISREG(st.st_mode))
        return failure(kindOf(st.st_mode) + ", not a web page", Failure::Kind::NotRegular);
    // O_NONBLOCK: should the name have turned into a pipe since, opening must not hang.
    Fd fd(::openat(dirFd, where.name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd.valid())
        return failure(errno == ELOOP ? "the page changed while it was being read" : errnoText(errno));
    if (::fstat(fd.get(), &opened) != 0 || opened.st_dev != st.st_dev || opened.st_ino != st.st_ino ||
        !S_ISREG(opened.st_mode))
        return failure("the page changed while it was being read");
    return fd;
}

Result<engine::PageRead> QtPageFiles::read(const std::string& name) {
    State& s = *m_state;
    s.last = LastRead{};
    if (!s.root)
        return failure("no folder is open");
    const Result<Resolved> where = s.locate(name);
    if (!where)
        return where.failure();
    struct stat opened {};
    const Result<Fd> fd = s.openPage(*where, opened);
    if (!fd)
        return fd.failure();
    // Read whole, to its end as it stood when opened: the stamp taken on opening
    // is the page's as read (a change in place since shows at the commit).
    Result<std::string> contents = readBounded(fd->get(), opened);
    if (!contents)
        return contents.failure();
    if (!s.readOnly) {
        Result<Attributes> attributes = readAttributes(fd->get());
        if (!attributes)
            return failure("its extended attributes cannot be read: " + attributes.reason());
        s.last.attributes = std::move(*attributes);
    }
    engine::PageRead result;
    result.contents = std::move(*contents);
    result.stamp = stampOf(opened);
    result.links = static_cast<std::uint64_t>(opened.st_nlink);
    result.writable = !s.readOnly && (opened.st_mode & S_IWUSR) != 0 &&
                      ::faccessat(where->parent->fd.get(), where->name.c_str(), W_OK,
                                  AT_EACCESS | AT_SYMLINK_NOFOLLOW) == 0;
    // Where the page stands, which stays the same when it is replaced.
    result.identity = folderKey(where->parent->device, where->parent->inode) + "/" + where->name;
    if (where->viaLink) {
        result.pageName = where->name;
        for (const Step& step : where->parent->chain)
            result.pagePath += step.name + "/";
        result.pagePath += where->name;
    }
    result.token = s.nextToken++;
    s.last.token = result.token;
    s.last.parent = where->parent;
    s.last.name = where->name;
    s.last.st = opened;
    return result;
}

// The file that takes the page's new text, in the page's own folder, that nobody
// can open: unnamed where the file system allows, so that a killed run leaves
// nothing; else under a hidden name with no permissions until it is complete.
Result<Fd> QtPageFiles::State::createTemp(Staged& page) const {
    const int dirFd = page.parent->fd.get();
    Fd fd(::openat(dirFd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0));
    if (fd.valid())
        return fd;
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL && errno != ENOENT)
        return failure("cannot create a temporary file beside the page: " + errnoText(errno));
    for (int attempt = 0; attempt < 100; ++attempt) {
        page.tempName = randomTempName();
        fd = Fd(
            ::openat(dirFd, page.tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0));
        if (fd.valid())
            return fd;
        if (errno != EEXIST)
            break;
    }
    const int error = errno;
    page.tempName.clear();
    return failure("cannot create a temporary file beside the page: " + errnoText(error));
}

Result<void> QtPageFiles::stage(const engine::PageRead& read, const std::vector<std::string_view>& pieces) {
    State& s = *m_state;
    if (read.token == 0 || read.token != s.last.token)
        return failure("the page was not read just before it was to be written");
    const LastRead page = std::move(s.last);
    s.last = LastRead{};

    Staged staged;
    staged.parent = page.parent;
    staged.name = page.name;
    staged.stamp = read.stamp;
    Result<Fd> temp = s.createTemp(staged);
    if (!temp)
        return temp.failure();
    staged.fd = std::move(*temp);
    // A folder's default ACL is asked for once; new files inherit it, and the
    // inherited ACL goes before anything is written.
    Folder& folder = *page.parent;
    if (folder.defaultAcl < 0)
        folder.defaultAcl = ::fgetxattr(folder.fd.get(), "system.posix_acl_default", nullptr, 0) > 0 ? 1 : 0;
    Result<void> written = folder.defaultAcl != 0 ? dropInheritedAcl(staged.fd.get()) : Result<void>();
    if (written)
        written = writePieces(staged.fd.get(), pieces);
    if (written)
        written = copyAttributes(staged.fd.get(), page.st, page.attributes, bornOwner(folder));
    if (!written) {
        s.drop(staged);
        return written;
    }
    // Writing out starts now, while the next pages are staged; the commit waits for
    // it. Only a head start: the commit's own sync says whether the text is on disk.
    if (s.sync != engine::RunFiles::Sync::None)
        (void)::sync_file_range(staged.fd.get(), 0, 0, SYNC_FILE_RANGE_WRITE);
    for (const auto piece : pieces)
        s.stagedBytes += piece.size();
    s.staged.push_back(std::move(staged));
    return {};
}

bool QtPageFiles::groupFull() const {
    const State& s = *m_state;
    // The next page may take a folder and a staged file more.
    return s.staged.size() >= s.maxStaged || s.stagedBytes >= GroupBytes ||
           s.handlesHeld() + 2 + HandlesForAMoment > s.budget;
}

// Every staged text reaches the disk before any of them takes its page's name.
void QtPageFiles::State::makeDurable() {
    using Sync = engine::RunFiles::Sync;
    const auto failed = [] {
        return failure(std::string("saving to disk failed: ") + std::strerror(errno));
    };
    if (sync == Sync::FileSystem) {
        std::map<dev_t, int> fileSystems;
        for (const Staged& page : staged)
            fileSystems.emplace(page.parent->device, page.fd.get());
        for (const auto& [device, fd] : fileSystems) {
            if (::syncfs(fd) != 0) {
                const Failure reason = failed();
                for (Staged& page : staged) {
                    if (page.parent->device == device)
                        page.durable = reason;
                }
            }
        }
    } else if (sync == Sync::EachFile) {
        for (Staged& page : staged) {
            if (::fsync(page.fd.get()) != 0)
                page.durable = failed();
        }
    }
}

// Puts a staged text in its page's place, unless its folder moved or the page
// changed since it was read. `beneath` holds the folders of the group checked so far.
Result<void> QtPageFiles::State::replace(Staged& page, std::map<const Folder*, bool>& beneath) {
    if (!page.durable)
        return page.durable;
    const int dirFd = page.parent->fd.get();
    const auto checked = beneath.try_emplace(page.parent.get(), false);
    if (checked.second) // each folder once, just before its first rename
        checked.first->second = stillBeneath(root, page.parent);
    if (!checked.first->second)
        return failure("its folder was moved while the page was being rewritten; it was left as it is");
    struct stat now {};
    if (::fstatat(dirFd, page.name.c_str(), &now, AT_SYMLINK_NOFOLLOW) != 0 ||
        !sameStamp(stampOf(now), page.stamp))
        return failure(ChangedReason);
    const auto failed = [] {
        return failure(std::string("replacing the page failed: ") + std::strerror(errno));
    };
    // An unnamed file gets a hidden name in the page's folder, then the page's.
    for (int attempt = 0; page.tempName.empty() && attempt < 100; ++attempt) {
        const std::string name = randomTempName();
        int linked = ::linkat(page.fd.get(), "", dirFd, name.c_str(), AT_EMPTY_PATH);
        if (linked != 0 && errno == ENOENT) {
            // Without the privilege to link by handle, through the process's own table of handles.
            const std::string self = "/proc/self/fd/" + std::to_string(page.fd.get());
            linked = ::linkat(AT_FDCWD, self.c_str(), dirFd, name.c_str(), AT_SYMLINK_FOLLOW);
        }
        if (linked == 0)
            page.tempName = name;
        else if (errno != EEXIST)
            return failed();
    }
    if (page.tempName.empty())
        return failure("replacing the page failed: no free temporary name");
    if (::renameat(dirFd, page.tempName.c_str(), dirFd, page.name.c_str()) != 0)
        return failed();
    page.tempName.clear(); // it is the page now
    toSync[folderKey(page.parent->device, page.parent->inode)] = page.parent;
    return {};
}

std::vector<Result<void>> QtPageFiles::commit() {
    State& s = *m_state;
    s.makeDurable();
    std::vector<Result<void>> results;
    std::map<const Folder*, bool> beneath;
    for (Staged& page : s.staged) {
        results.push_back(s.replace(page, beneath));
        s.drop(page);
    }
    s.staged.clear();
    s.stagedBytes = 0;
    return results;
}

void QtPageFiles::discard() {
    State& s = *m_state;
    for (Staged& page : s.staged)
        s.drop(page);
    s.staged.clear();
    s.stagedBytes = 0;
}

void QtPageFiles::close() {
    State& s = *m_state;
    discard();
    if (s.sync != engine::RunFiles::Sync::None) {
        // The pages have their new names already, and their texts are on disk. A
        // folder whose entries cannot be synced has them written out by the system
        // in its own time: a crash before then leaves a page with its old text,
        // which undo tells apart by its digest.
        for (const auto& [key, folder] : s.toSync)
            (void)::fsync(folder->fd.get());
    }
    s.toSync.clear();
    s.stagedBytes = 0;
    s.locked.clear(); // closing the handles lets go of the locks
    s.refused.clear();
    s.last = LastRead{};
    s.lastDir.clear();
    s.lastFolder.reset();
    s.root.reset();
}

} // namespace files
