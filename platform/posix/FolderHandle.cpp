#include "platform/posix/FolderHandle.h"

#include <cerrno>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace platform::posix {

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

FolderPtr openSubfolder(const FolderPtr& parent, const std::string& name) {
    Fd fd(::openat(parent->fd.get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.valid())
        return nullptr;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        return nullptr;
    auto folder = std::make_shared<Folder>();
    folder->fd = std::move(fd);
    folder->parent = parent;
    folder->name = name;
    folder->device = st.st_dev;
    folder->inode = st.st_ino;
    return folder;
}

bool stillBeneath(const FolderPtr& folder) {
    for (const Folder* f = folder.get(); f->parent; f = f->parent.get()) {
        struct stat st {};
        if (::fstatat(f->parent->fd.get(), f->name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            st.st_dev != f->device || st.st_ino != f->inode)
            return false;
    }
    return true;
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

// The names left of an absolute link's text once the chosen folder's resolved
// path is taken off its front; false when it does not lead into that folder.
bool beneathRoot(std::string_view text, const std::string& rootPath, std::deque<std::string>& rest) {
    std::deque<std::string> target = split(text);
    const std::deque<std::string> root = split(rootPath);
    if (target.size() < root.size())
        return false;
    for (std::size_t i = 0; i < root.size(); ++i) {
        if (target[i] != root[i])
            return false;
    }
    target.erase(target.begin(), target.begin() + static_cast<std::ptrdiff_t>(root.size()));
    rest = std::move(target);
    return true;
}

bool readLink(int dirFd, const std::string& name, std::string& text) {
    std::vector<char> buffer(256);
    while (true) {
        const ssize_t n = ::readlinkat(dirFd, name.c_str(), buffer.data(), buffer.size());
        if (n < 0)
            return false;
        if (static_cast<std::size_t>(n) < buffer.size()) {
            text.assign(buffer.data(), static_cast<std::size_t>(n));
            return true;
        }
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace

Resolved resolve(const FolderPtr& root, const std::string& rootPath, std::string_view relative) {
    Resolved result;
    std::vector<FolderPtr> stack{root};
    std::deque<std::string> todo = split(relative);
    int linksFollowed = 0;
    std::string lastLink;
    while (!todo.empty()) {
        std::string name = std::move(todo.front());
        todo.pop_front();
        if (name == "..") {
            if (stack.size() == 1) {
                result.kind = Resolved::Kind::Outside;
                result.linkText = lastLink;
                return result;
            }
            stack.pop_back();
            continue;
        }
        const FolderPtr& here = stack.back();
        struct stat st {};
        if (::fstatat(here->fd.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (todo.empty() && errno == ENOENT) {
                // The reader tells a page that is gone from a link that leads nowhere.
                result.kind = Resolved::Kind::Entry;
                result.parent = here;
                result.name = std::move(name);
                return result;
            }
            result.reason = errnoText(errno);
            return result;
        }
        if (S_ISLNK(st.st_mode)) {
            std::string text;
            if (++linksFollowed > 40 || !readLink(here->fd.get(), name, text)) {
                result.reason = linksFollowed > 40 ? "too many levels of symbolic links" : errnoText(errno);
                return result;
            }
            result.viaLink = true;
            lastLink = text;
            std::deque<std::string> parts;
            if (!text.empty() && text.front() == '/') {
                if (!beneathRoot(text, rootPath, parts)) {
                    result.kind = Resolved::Kind::Outside;
                    result.linkText = text;
                    return result;
                }
                stack.resize(1);
            } else {
                parts = split(text);
            }
            todo.insert(todo.begin(), parts.begin(), parts.end());
            continue;
        }
        if (todo.empty()) {
            result.kind = Resolved::Kind::Entry;
            result.parent = here;
            result.name = std::move(name);
            return result;
        }
        if (!S_ISDIR(st.st_mode)) {
            result.reason = "a part of its path is not a folder";
            return result;
        }
        FolderPtr next = openSubfolder(here, name);
        if (!next) {
            result.reason = errno == ELOOP || errno == ENOTDIR
                                ? "a folder on its path changed while it was read"
                                : errnoText(errno);
            return result;
        }
        stack.push_back(std::move(next));
    }
    result.kind = Resolved::Kind::Folder;
    return result;
}

} // namespace platform::posix
