#include "files/posix/FolderHandle.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace files::posix {

Fd& Fd::operator=(Fd&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = other.release();
    }
    return *this;
}

Fd::~Fd() {
    if (m_fd >= 0)
        ::close(m_fd);
}

int Fd::release() {
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

std::string errnoText(int error) {
    if (error == ENOENT)
        return "the page no longer exists";
    if (error == EACCES || error == EPERM)
        return "permission denied";
    return std::strerror(error);
}

namespace {

const std::string FolderChanged = "a folder on its path changed while it was read";

Failure openFailure(int error) {
    // A name that is no folder (any more), or is a link now.
    if (error == ELOOP || error == ENOTDIR)
        return Failure{Failure::Kind::NotFound, FolderChanged};
    return Failure{Failure::Kind::System, errnoText(error)};
}

} // namespace

Result<FolderPtr> openSubfolder(const FolderPtr& parent, const std::string& name) {
    Fd fd(::openat(parent->fd.get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat st {};
    if (!fd.valid() || ::fstat(fd.get(), &st) != 0)
        return openFailure(errno);
    auto folder = std::make_shared<Folder>();
    folder->fd = std::move(fd);
    folder->chain = parent->chain;
    folder->chain.push_back(Step{name, st.st_dev, st.st_ino});
    folder->device = st.st_dev;
    folder->inode = st.st_ino;
    folder->group = st.st_gid;
    folder->mode = st.st_mode;
    return folder;
}

Result<FolderPtr> reopen(const FolderPtr& root, std::vector<Step> chain) {
    FolderPtr here = root;
    for (const Step& step : chain) {
        Result<FolderPtr> next = openSubfolder(here, step.name);
        if (!next || (*next)->device != step.device || (*next)->inode != step.inode)
            return Failure{Failure::Kind::NotFound, FolderChanged};
        here = std::move(*next);
    }
    return here;
}

bool stillBeneath(const FolderPtr& root, const FolderPtr& folder) {
    if (folder->chain.empty())
        return folder->device == root->device && folder->inode == root->inode;
    // Down to the folder's parent by handles, then the folder itself by its name there.
    std::vector<Step> above = folder->chain;
    const Step last = above.back();
    above.pop_back();
    const Result<FolderPtr> parent = reopen(root, std::move(above));
    struct stat st {};
    return parent && ::fstatat((*parent)->fd.get(), last.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
           st.st_dev == last.device && st.st_ino == last.inode;
}

namespace {

std::deque<std::string> split(std::string_view path) {
    std::deque<std::string> parts;
    while (!path.empty()) {
        const std::size_t slash = path.find('/');
        const std::string_view part = path.substr(0, slash);
        if (!part.empty() && part != ".")
            parts.emplace_back(part);
        if (slash == std::string_view::npos)
            break;
        path.remove_prefix(slash + 1);
    }
    return parts;
}

// A link that leads out of the chosen folder, by its text (the last one
// followed, when ".." climbs out).
Failure outside(const std::string& linkText) {
    return Failure{Failure::Kind::OutsideFolder, "a symbolic link to " +
                                                     (linkText.empty() ? std::string("a file") : linkText) +
                                                     ", outside the chosen folder"};
}

// The names left of an absolute link's text once the chosen folder's resolved
// path is taken off its front; fails when it does not lead into that folder.
Result<std::deque<std::string>> beneathRoot(const std::string& text,
                                            const std::vector<std::string>& rootPaths) {
    std::deque<std::string> target = split(text);
    for (const std::string& rootPath : rootPaths) {
        const std::deque<std::string> root = split(rootPath);
        if (target.size() < root.size() || !std::equal(root.begin(), root.end(), target.begin()))
            continue;
        target.erase(target.begin(), target.begin() + static_cast<std::ptrdiff_t>(root.size()));
        return target;
    }
    return outside(text);
}

Result<std::string> readLink(int dirFd, const std::string& name) {
    std::vector<char> buffer(256);
    while (true) {
        const ssize_t n = ::readlinkat(dirFd, name.c_str(), buffer.data(), buffer.size());
        if (n < 0)
            return Failure{Failure::Kind::System, errnoText(errno)};
        if (static_cast<std::size_t>(n) < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(n));
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace

namespace {

// One walk of a path beneath the chosen folder, a name at a time. Each step
// gives whether the walk goes on (false once the entry is found, in `result`),
// or the failure that ends it.
struct Walk {
    const FolderPtr& root;
    const std::vector<std::string>& rootPaths;
    FolderPtr here; // the folder in hand; those above it are known by its chain
    std::deque<std::string> todo;
    int linksFollowed = 0;
    std::string lastLink;
    Resolved result;

    // "..": up one folder, never above the chosen one.
    Result<bool> up() {
        if (here->chain.empty())
            return outside(lastLink);
        std::vector<Step> steps = here->chain;
        steps.pop_back();
        Result<FolderPtr> above = reopen(root, std::move(steps));
        if (!above)
            return above.failure();
        here = std::move(*above);
        return true;
    }

    // A symbolic link: its text walked in its place.
    Result<bool> follow(const std::string& name) {
        if (++linksFollowed > 40)
            return Failure{Failure::Kind::System, "too many levels of symbolic links"};
        const Result<std::string> text = readLink(here->fd.get(), name);
        if (!text)
            return text.failure();
        result.viaLink = true;
        lastLink = *text;
        Result<std::deque<std::string>> parts = split(*text);
        if (!text->empty() && text->front() == '/') {
            parts = beneathRoot(*text, rootPaths);
            if (!parts)
                return parts.failure();
            here = root;
        }
        todo.insert(todo.begin(), parts->begin(), parts->end());
        return true;
    }

    // The last name: the entry found (or, gone, the name a reader tells apart).
    Result<bool> found(std::string name, const struct stat* st) {
        result.parent = here;
        result.name = std::move(name);
        result.found = st != nullptr;
        if (st)
            result.st = *st;
        return false;
    }

    // Into the next folder.
    Result<bool> down(const std::string& name, const struct stat& st) {
        if (!S_ISDIR(st.st_mode))
            return Failure{Failure::Kind::NotFound, "a part of its path is not a folder"};
        Result<FolderPtr> next = openSubfolder(here, name);
        if (!next)
            return next.failure();
        here = std::move(*next);
        return true;
    }

    // The next name of the path.
    Result<bool> step() {
        std::string name = std::move(todo.front());
        todo.pop_front();
        if (name == "..")
            return up();
        struct stat st {};
        if (::fstatat(here->fd.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            // The reader tells a page that is gone from a link that leads nowhere.
            if (todo.empty() && errno == ENOENT)
                return found(std::move(name), nullptr);
            return Failure{Failure::Kind::System, errnoText(errno)};
        }
        if (S_ISLNK(st.st_mode))
            return follow(name);
        if (todo.empty())
            return found(std::move(name), &st);
        return down(name, st);
    }
};

} // namespace

Result<Resolved> resolve(const FolderPtr& root, const std::vector<std::string>& rootPaths,
                         std::string_view relative, const FolderPtr& start) {
    Walk walk{root, rootPaths, start ? start : root, split(relative), 0, {}, {}};
    while (!walk.todo.empty()) {
        const Result<bool> goesOn = walk.step();
        if (!goesOn)
            return goesOn.failure();
        if (!*goesOn)
            return walk.result;
    }
    walk.result.folder = true;
    return walk.result;
}

std::string logicalPath(const std::string& path) {
    std::string base;
    if (path.empty() || path.front() != '/') {
        // $PWD is the directory as the user reached it, when it still names where we are.
        const char* pwd = std::getenv("PWD");
        struct stat logical {};
        struct stat here {};
        if (pwd && pwd[0] == '/' && ::stat(pwd, &logical) == 0 && ::stat(".", &here) == 0 &&
            logical.st_dev == here.st_dev && logical.st_ino == here.st_ino) {
            base = pwd;
        } else {
            std::vector<char> buffer(4096);
            while (!::getcwd(buffer.data(), buffer.size())) {
                if (errno != ERANGE)
                    return path; // no working directory to take it against
                buffer.resize(buffer.size() * 2);
            }
            base = buffer.data();
        }
    }
    std::vector<std::string> names;
    for (const std::string& name : split(base + "/" + path)) {
        if (name != "..")
            names.push_back(name);
        else if (!names.empty())
            names.pop_back();
    }
    std::string result;
    for (const std::string& name : names)
        result += "/" + name;
    return result.empty() ? "/" : result;
}

} // namespace files::posix
