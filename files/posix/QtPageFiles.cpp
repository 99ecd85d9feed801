#include "files/QtPageFiles.h"

#include "files/posix/FolderHandle.h"

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

namespace {

Failure failure(std::string reason, Failure::Kind kind = Failure::Kind::System) {
    return Failure{kind, std::move(reason)};
}

constexpr std::string_view TempPrefix = ".code-inserter-";
constexpr std::size_t TempRandom = 6;
// The site's own file of exclusions has the temporary files' shape: never one of them.
constexpr std::string_view IgnoreFile = ".code-inserter-ignore";
const std::string ChangedReason =
    "the page changed on disk while it was being rewritten; it was left as it is";

engine::FileStamp stampOf(const struct stat& st) {
    engine::FileStamp stamp;
    stamp.device = static_cast<std::uint64_t>(st.st_dev);
    stamp.inode = static_cast<std::uint64_t>(st.st_ino);
    stamp.size = static_cast<std::uint64_t>(st.st_size);
    stamp.modifiedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    stamp.changedNs = static_cast<std::int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    return stamp;
}

bool sameStamp(const engine::FileStamp& a, const engine::FileStamp& b) {
    return a.device == b.device && a.inode == b.inode && a.size == b.size && a.modifiedNs == b.modifiedNs &&
           a.changedNs == b.changedNs;
}

std::string kindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a named pipe";
    if (S_ISSOCK(mode))
        return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    return "a special file";
}

std::string folderKey(dev_t device, ino_t inode) {
    return std::to_string(device) + ":" + std::to_string(inode);
}

// File systems whose locks other machines do not see, and on which another
// machine's run may be writing its temporary files right now.
bool isNetworkFileSystem(int fd) {
    struct statfs fs {};
    if (::fstatfs(fd, &fs) != 0)
        return true; // when in doubt, be careful
    switch (static_cast<unsigned long>(fs.f_type)) {
    case 0x6969UL:     // NFS
    case 0x517BUL:     // SMB
    case 0xFF534D42UL: // CIFS
    case 0xFE534D42UL: // SMB2
    case 0x65735546UL: // FUSE
    case 0x01021997UL: // 9P
    case 0x00C36400UL: // Ceph
    case 0x5346414FUL: // AFS
    case 0x73757245UL: // Coda
    case 0x01161970UL: // GFS2
    case 0x7461636FUL: // OCFS2
        return true;
    default:
        return false;
    }
}

bool isOurTempName(std::string_view name) {
    if (name.size() != TempPrefix.size() + TempRandom || name.substr(0, TempPrefix.size()) != TempPrefix ||
        name == IgnoreFile)
        return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(TempPrefix.size()), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    });
}

std::string randomTempName() {
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static thread_local std::mt19937_64 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof Letters - 2);
    std::string name;
    do {
        name = TempPrefix;
        for (std::size_t i = 0; i < TempRandom; ++i)
            name += Letters[pick(generator)];
    } while (name == IgnoreFile);
    return name;
}

// Extended attributes of an open file, names with values, in the file's order.
using Attribute = std::pair<std::string, std::string>;
using Attributes = std::vector<Attribute>;

Result<Attributes> readAttributes(int fd) {
    Attributes attributes;
    // Most files have few attributes or none: one call with room for them.
    std::string names(1024, '\0');
    ssize_t size = ::flistxattr(fd, names.data(), names.size());
    while (size < 0 && errno == ERANGE) {
        names.resize(names.size() * 4);
        size = ::flistxattr(fd, names.data(), names.size());
    }
    if (size < 0) {
        if (errno == ENOTSUP)
            return attributes;
        return failure(std::strerror(errno));
    }
    names.resize(static_cast<std::size_t>(size));
    for (std::size_t at = 0; at < names.size();) {
        const std::string name(names.c_str() + at);
        at += name.size() + 1;
        if (name.empty())
            continue;
        std::string value;
        while (true) {
            const ssize_t length = ::fgetxattr(fd, name.c_str(), nullptr, 0);
            if (length < 0)
                break; // gone since it was listed
            value.resize(static_cast<std::size_t>(length));
            const ssize_t got = ::fgetxattr(fd, name.c_str(), value.data(), value.size());
            if (got >= 0) {
                value.resize(static_cast<std::size_t>(got));
                attributes.emplace_back(name, std::move(value));
                break;
            }
            if (errno != ERANGE)
                return failure(name + ": " + std::strerror(errno));
        }
    }
    return attributes;
}

constexpr const char* AccessAcl = "system.posix_acl_access";

// The owner and group a new file in the folder is born with.
std::pair<uid_t, gid_t> bornOwner(const Folder& folder) {
    return {::geteuid(), (folder.mode & S_ISGID) != 0 ? folder.group : ::getegid()};
}

// A new file may be born with an access ACL inherited from its folder's default
// ACL: it goes before anything is written, so that nothing but the page's own
// attributes ever grants access to the new text.
Result<void> dropInheritedAcl(int fd) {
    if (::fremovexattr(fd, AccessAcl) != 0 && errno != ENODATA && errno != ENOTSUP && errno != EOPNOTSUPP)
        return failure(std::string("the new text would carry the folder's default ACL: ") +
                       std::strerror(errno));
    return {};
}

Result<void> setAttribute(int fd, const struct stat& old, const std::string& name, const std::string& value) {
    if (::fsetxattr(fd, name.c_str(), value.data(), value.size(), 0) == 0)
        return {};
    // A user attribute needs write access to the file, which is still mode 0: the
    // owner (this user, who may write the page) gets it for that one step.
    if (errno == EACCES && ::geteuid() == old.st_uid && ::fchmod(fd, S_IWUSR) == 0 &&
        ::fsetxattr(fd, name.c_str(), value.data(), value.size(), 0) == 0)
        return {};
    return failure("its extended attribute " + name + " cannot be kept (" + std::strerror(errno) +
                   "), so it was left as it is");
}

// Gives the new file (mode 0, no ACL) exactly the attributes of the old one, so
// that at no moment does it grant anybody more than the page: owner and group
// first, then the extended attributes (an attribute the new file was born with and
// the old one lacked is taken off), and last the permissions: the ACL, which sets
// the permission bits and the mask in one step, then the mode.
Result<void> copyAttributes(int fd, const struct stat& old, const Attributes& oldAttributes,
                            std::pair<uid_t, gid_t> bornWith) {
    struct stat now {};
    const bool sameOwner = bornWith.first == old.st_uid && bornWith.second == old.st_gid;
    if (!sameOwner && ::fchown(fd, old.st_uid, old.st_gid) != 0 &&
        (::fstat(fd, &now) != 0 || now.st_uid != old.st_uid || now.st_gid != old.st_gid))
        return failure("its owner and group cannot be kept by this user, so it was left as it is");

    const Result<Attributes> bornAttributes = readAttributes(fd);
    if (!bornAttributes)
        return failure("its extended attributes cannot be kept: " + bornAttributes.reason());
    const Attributes& born = *bornAttributes;
    for (const auto& [name, value] : born) {
        const bool wanted = std::any_of(oldAttributes.begin(), oldAttributes.end(),
                                        [&](const auto& attribute) { return attribute.first == name; });
        if (!wanted && ::fremovexattr(fd, name.c_str()) != 0 && errno != ENODATA)
            return failure("the new text would carry the extended attribute " + name +
                           " that the page lacks");
    }
    const Attribute* acl = nullptr;
    for (const auto& attribute : oldAttributes) {
        if (attribute.first == AccessAcl) {
            acl = &attribute;
            continue;
        }
        if (std::find(born.begin(), born.end(), attribute) != born.end())
            continue;
        if (Result<void> set = setAttribute(fd, old, attribute.first, attribute.second); !set)
            return set;
    }
    if (acl) {
        if (Result<void> set = setAttribute(fd, old, acl->first, acl->second); !set)
            return set;
    }
    if (::fchmod(fd, old.st_mode & 07777) != 0)
        return failure(std::string("its permissions cannot be kept: ") + std::strerror(errno));
    // Whatever the steps above came to, nobody may gain access to the page.
    if (::fstat(fd, &now) != 0 || now.st_uid != old.st_uid || now.st_gid != old.st_gid ||
        (now.st_mode & 07777) != (old.st_mode & 07777))
        return failure("its owner, group and permissions cannot all be kept, so it was left as it is");
    return {};
}

Result<void> writePieces(int fd, const std::vector<std::string_view>& pieces) {
    std::vector<iovec> parts;
    for (const auto piece : pieces) {
        if (!piece.empty())
            parts.push_back(iovec{const_cast<char*>(piece.data()), piece.size()});
    }
    // As few calls as the pieces allow, each one picking up where the last stopped.
    for (std::size_t first = 0; first < parts.size();) {
        const int count = static_cast<int>(std::min<std::size_t>(parts.size() - first, IOV_MAX));
        const ssize_t n = ::writev(fd, parts.data() + first, count);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return failure(std::string("writing failed: ") + std::strerror(n < 0 ? errno : EIO));
        for (auto left = static_cast<std::size_t>(n); left > 0;) {
            const std::size_t taken = std::min(left, parts[first].iov_len);
            parts[first].iov_base = static_cast<char*>(parts[first].iov_base) + taken;
            parts[first].iov_len -= taken;
            left -= taken;
            if (parts[first].iov_len == 0)
                ++first;
        }
        while (first < parts.size() && parts[first].iov_len == 0)
            ++first;
    }
    return {};
}

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

std::size_t handleBudget() {
    struct rlimit limit {};
    std::size_t soft = 1024;
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
        soft = static_cast<std::size_t>(limit.rlim_cur);
    return std::clamp<std::size_t>(soft / 4, 2 * HandlesForAMoment, 256);
}

// All the folder locks of one run share this wait in all.
constexpr std::chrono::seconds LockWait{10};

// The first bytes of a page that are looked at before the rest is read: a NUL
// among them (without a UTF-16 byte-order mark) makes the file binary.
constexpr std::size_t BinaryProbe = 64 * 1024;
// Pages up to this size are read without asking how much memory is left.
constexpr std::uint64_t SmallPage = 8u << 20;

// The number a file of the kernel's starts with; none ("max", or no such file): no limit.
std::uint64_t numberIn(const std::string& path) {
    std::ifstream file(path);
    std::uint64_t value = UINT64_MAX;
    if (!(file >> value))
        return UINT64_MAX;
    return value;
}

// The memory this run may still take: what its memory control group allows (v2 or
// v1, and the groups above it) less what the group uses, and what its address
// space limit allows less what it has mapped.
std::uint64_t memoryLeft() {
    std::uint64_t left = UINT64_MAX;
    struct rlimit limit {};
    if (::getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
        const std::uint64_t pages = numberIn("/proc/self/statm");
        const std::uint64_t mapped =
            pages == UINT64_MAX ? 0 : pages * static_cast<std::uint64_t>(::getpagesize());
        left = limit.rlim_cur > mapped ? limit.rlim_cur - mapped : 0;
    }
    std::ifstream groups("/proc/self/cgroup");
    for (std::string line; std::getline(groups, line);) {
        // "hierarchy:controllers:path"; v2 is "0::path".
        const std::size_t first = line.find(':');
        const std::size_t second = first == std::string::npos ? first : line.find(':', first + 1);
        if (second == std::string::npos)
            continue;
        const std::string controllers = "," + line.substr(first + 1, second - first - 1) + ",";
        const bool v2 = line.compare(0, second + 1, "0::") == 0;
        if (!v2 && controllers.find(",memory,") == std::string::npos)
            continue;
        std::string group = line.substr(second + 1);
        const std::string base = v2 ? "/sys/fs/cgroup" : "/sys/fs/cgroup/memory";
        while (true) {
            const std::string dir = base + (group == "/" ? "" : group);
            const std::uint64_t max = numberIn(dir + (v2 ? "/memory.max" : "/memory.limit_in_bytes"));
            const std::uint64_t used = numberIn(dir + (v2 ? "/memory.current" : "/memory.usage_in_bytes"));
            if (max != UINT64_MAX)
                left = std::min(left, used != UINT64_MAX && used < max ? max - used : 0);
            if (group.empty() || group == "/")
                break;
            group.erase(std::max<std::size_t>(group.rfind('/'), 1));
        }
    }
    return left;
}

// Reads the open page into contents, never more than it held when it was opened
// and one block besides: a page that grows or shrinks meanwhile is left alone, one larger
// than the memory the run may still use is refused before it is read, and a file
// with a hole or with a NUL byte in its first bytes (without a UTF-16 byte-order
// mark) is binary without reading the rest.
Result<std::string> readBounded(int fd, const struct stat& opened) {
    const auto size = static_cast<std::uint64_t>(opened.st_size);
    const auto binary = [] {
        return failure("a binary file, not a web page", Failure::Kind::Binary);
    };
    const auto tooLarge = [] {
        return failure("too large for the memory this run may use", Failure::Kind::TooLarge);
    };
    // Only a file with fewer blocks than its size can have a hole.
    if (static_cast<std::uint64_t>(opened.st_blocks) * 512 < size) {
        const off_t hole = ::lseek(fd, 0, SEEK_HOLE);
        if (hole >= 0 && static_cast<std::uint64_t>(hole) < size)
            return binary();
    }
    if (size > SmallPage && size > memoryLeft())
        return tooLarge();
    std::string contents;
    try {
        contents.resize(static_cast<std::size_t>(size) + 4096);
        std::size_t have = 0;
        bool probed = false;
        while (have < contents.size()) {
            const std::size_t wanted = contents.size() - have;
            const ssize_t n = ::pread(fd, contents.data() + have, wanted, static_cast<off_t>(have));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return failure("reading failed: " + errnoText(errno));
            have += static_cast<std::size_t>(n);
            if (!probed && (have >= BinaryProbe || have >= size)) {
                probed = true;
                const std::string_view head(contents.data(), std::min(have, BinaryProbe));
                const bool utf16 = head.substr(0, 2) == "\xFF\xFE" || head.substr(0, 2) == "\xFE\xFF";
                if (!utf16 && head.find('\0') != std::string_view::npos)
                    return binary();
            }
            // A read of a regular file stops short only at its end.
            if (n == 0 || (have >= size && static_cast<std::size_t>(n) < wanted))
                break;
        }
        contents.resize(have);
    } catch (const std::bad_alloc&) {
        return tooLarge();
    }
    if (contents.size() != size) // it grew or shrank while it was read
        return failure("the page changed while it was being read");
    return contents;
}

} // namespace

struct QtPageFiles::State {
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
    std::chrono::steady_clock::duration lockWaitLeft = LockWait;
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
        if (sync != engine::RunFiles::Sync::None)
            ::fsync(dirty->second->fd.get());
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
        ::unlinkat(folder->fd.get(), entry->d_name, 0);
    }
    ::closedir(dir);
}

void QtPageFiles::State::drop(Staged& page) {
    if (!page.tempName.empty())
        ::unlinkat(page.parent->fd.get(), page.tempName.c_str(), 0);
    page.fd = Fd();
}

QtPageFiles::QtPageFiles()
    : m_state(std::make_unique<State>()) {}

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
    // Writing out starts now, while the next pages are staged; the commit waits for it.
    if (s.sync != engine::RunFiles::Sync::None)
        ::sync_file_range(staged.fd.get(), 0, 0, SYNC_FILE_RANGE_WRITE);
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
        for (const auto& [key, folder] : s.toSync)
            ::fsync(folder->fd.get());
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
