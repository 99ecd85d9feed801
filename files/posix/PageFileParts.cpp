#include "files/posix/PageFileParts.h"

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

namespace files::posix {

Failure failure(std::string reason, Failure::Kind kind) {
    return Failure{kind, std::move(reason)};
}

constexpr std::string_view TempPrefix = ".code-inserter-";
constexpr std::size_t TempRandom = 6;
// The site's own file of exclusions has the temporary files' shape: never one of them.
constexpr std::string_view IgnoreFile = ".code-inserter-ignore";

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

// The first bytes of a page that are looked at before the rest is read: a NUL
// among them (without a UTF-16 byte-order mark) makes the file binary.
constexpr std::size_t BinaryProbe = 64 * 1024;

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

} // namespace files::posix
