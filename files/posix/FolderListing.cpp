#include "files/FolderListing.h"

#include "engine/ReportText.h"
#include "files/Names.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <sstream>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

namespace files {

QString shownName(const QByteArray& name) {
    return QString::fromStdString(engine::reportText(std::string_view(name.constData(), name.size())));
}

namespace {

bool byName(const QPair<QString, QByteArray>& a, const QPair<QString, QByteArray>& b) {
    const int order = a.first.compare(b.first, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a.second < b.second;
}

QString errorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// File systems of the kernel's own (processes, devices, control groups, ...): a
// web folder is never one, and walking one can take for ever.
bool isSystemFileSystem(int fd, dev_t device) {
    struct statfs fs {};
    if (::fstatfs(fd, &fs) != 0)
        return false;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case 0x9FA0UL:     // proc
    case 0x62656572UL: // sysfs
    case 0x1CD1UL:     // devpts
    case 0x27E0EBUL:   // cgroup
    case 0x63677270UL: // cgroup2
    case 0x64626720UL: // debugfs
    case 0x74726163UL: // tracefs
    case 0x73636673UL: // securityfs
    case 0xCAFE4A11UL: // bpf
    case 0x6165676CUL: // pstore
    case 0x62656570UL: // configfs
    case 0x65735543UL: // fusectl
    case 0x19800202UL: // mqueue
    case 0x958458F6UL: // hugetlbfs
    case 0x0187UL:     // autofs
    case 0x42494E4DUL: // binfmt_misc
    case 0xDE5E81E4UL: // efivarfs
    case 0x6E736673UL: // nsfs
    case 0xF97CFF8CUL: // selinuxfs
    case 0x67596969UL: // rpc_pipefs
        return true;
    case 0x01021994UL: { // tmpfs, which devtmpfs also says it is: the mount table tells
        std::ifstream mounts("/proc/self/mountinfo");
        const std::string number = std::to_string(major(device)) + ":" + std::to_string(minor(device));
        for (std::string line; std::getline(mounts, line);) {
            // "id parent major:minor root point options [tags] - type source ..."
            std::istringstream fields(line);
            std::string id, parent, devNumber;
            fields >> id >> parent >> devNumber;
            const std::size_t dash = line.find(" - ");
            if (devNumber == number && dash != std::string::npos &&
                line.compare(dash + 3, 9, "devtmpfs ") == 0)
                return true;
        }
        return false;
    }
    default:
        return false;
    }
}

// A folder on the walk: where it stands, and the subfolders still to list.
struct Frame {
    QByteArray name;   // in the folder above
    QByteArray prefix; // its relative path with a trailing '/'; empty for the chosen folder
    dev_t device = 0;
    ino_t inode = 0;
    DIR* dir = nullptr; // its handle, while it has subfolders left and is not let go of
    QList<QByteArray> subfolders;
    qsizetype next = 0;
};

// Folders held open at once by the walk; beyond that, those nearest the top are
// let go of and opened again by walking down when their turn comes.
constexpr int MaxOpenFolders = 16;

// The tree is walked with a stack of folders, never by recursion, so that a chain
// of any depth lists completely; a handle is held only for the folder in hand and
// for folders above it that still have subfolders to visit.
class TreeWalk {
public:
    TreeWalk(bool subfolders, FolderListing& listing)
        : m_subfolders(subfolders)
        , m_listing(listing) {}
    ~TreeWalk() {
        for (Frame& frame : m_stack)
            release(frame);
    }
    TreeWalk(const TreeWalk&) = delete;
    TreeWalk& operator=(const TreeWalk&) = delete;

    // Takes the chosen folder, open as `fd`, and reads its files.
    engine::Result<QList<QByteArray>> start(int fd) {
        struct stat st {};
        ::fstat(fd, &st);
        Frame root;
        root.device = st.st_dev;
        root.inode = st.st_ino;
        engine::Result<QList<QByteArray>> files = enter(root, fd);
        if (files)
            m_stack.push_back(std::move(root));
        return files;
    }

    // The files of the next folder of the tree that can be listed, in the
    // listing's order; false once every folder is done.
    bool next(QList<QByteArray>& files) {
        while (!m_stack.empty()) {
            Frame& top = m_stack.back();
            if (top.next == top.subfolders.size()) {
                release(top);
                m_stack.pop_back();
                continue;
            }
            const QByteArray name = top.subfolders[top.next++];
            const QByteArray path = top.prefix + name;
            DIR* parent = handleOf(m_stack.size() - 1);
            if (!parent) {
                m_listing.unlisted.append({path, QStringLiteral("the folder changed while it was listed")});
                continue;
            }
            const int sub =
                ::openat(::dirfd(parent), name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (m_stack.size() > 1 && m_stack.back().next == m_stack.back().subfolders.size())
                release(m_stack.back()); // nothing more to open from it (the chosen folder stays open)
            if (sub < 0) {
                m_listing.unlisted.append({path, errorText(errno)});
                continue;
            }
            struct stat inner {};
            if (::fstat(sub, &inner) != 0) {
                m_listing.unlisted.append({path, errorText(errno)});
                ::close(sub);
                continue;
            }
            if (inner.st_dev != m_stack.back().device && isSystemFileSystem(sub, inner.st_dev)) {
                ::close(sub);
                m_listing.skipped.append({path, QStringLiteral("not a web folder: a system file system")});
                continue;
            }
            Frame child;
            child.name = name;
            child.prefix = path + '/';
            child.device = inner.st_dev;
            child.inode = inner.st_ino;
            engine::Result<QList<QByteArray>> entered = enter(child, sub);
            if (!entered) {
                m_listing.unlisted.append({path, QString::fromStdString(entered.reason())});
                continue;
            }
            files = std::move(*entered);
            m_stack.push_back(std::move(child));
            keepFewOpen();
            return true;
        }
        return false;
    }

private:
    // Reads the folder's entries: gives its files, and puts its subfolders in the frame.
    engine::Result<QList<QByteArray>> enter(Frame& frame, int fd) {
        frame.dir = ::fdopendir(fd);
        if (!frame.dir) {
            const engine::Failure failure{engine::Failure::Kind::System, errorText(errno).toStdString()};
            ::close(fd);
            return failure;
        }
        QList<QPair<QString, QByteArray>> files;
        QList<QPair<QString, QByteArray>> folders;
        while (const dirent* entry = ::readdir(frame.dir)) {
            if (entry->d_name[0] == '.') // hidden files and folders, and the folder and its parent
                continue;
            const QByteArray name(entry->d_name);
            unsigned char type = entry->d_type;
            struct stat st {};
            if (type == DT_UNKNOWN || type == DT_LNK) {
                // Links count as files when they lead to one; they are never entered as folders.
                if (::fstatat(fd, entry->d_name, &st, type == DT_LNK ? 0 : AT_SYMLINK_NOFOLLOW) != 0)
                    continue;
                type = S_ISREG(st.st_mode)                     ? DT_REG
                       : S_ISDIR(st.st_mode) && type != DT_LNK ? DT_DIR
                                                               : DT_UNKNOWN;
            }
            if (type == DT_REG)
                files.append({QString::fromUtf8(name), name});
            // FrontPage's metadata folders hold no pages: not entered, as hidden ones are not.
            else if (type == DT_DIR && m_subfolders && !name.startsWith("_vti_"))
                folders.append({QString::fromUtf8(name), name});
        }
        std::sort(files.begin(), files.end(), byName);
        QList<QByteArray> out;
        for (const auto& file : files)
            out.append(frame.prefix + file.second);
        std::sort(folders.begin(), folders.end(), byName);
        for (const auto& folder : folders)
            frame.subfolders.append(folder.second);
        if (frame.subfolders.isEmpty() && !frame.prefix.isEmpty())
            release(frame);
        return out;
    }

    static void release(Frame& frame) {
        if (frame.dir)
            ::closedir(frame.dir);
        frame.dir = nullptr;
    }

    // The handle of the frame at `index`, opened again from the nearest folder
    // above that is still open when need be (the chosen folder always is); null
    // when a folder on the way is no longer the one listed.
    DIR* handleOf(std::size_t index) {
        std::size_t open = index;
        while (!m_stack[open].dir)
            --open;
        for (std::size_t i = open + 1; i <= index; ++i) {
            Frame& frame = m_stack[i];
            const int fd = ::openat(::dirfd(m_stack[i - 1].dir), frame.name.constData(),
                                    O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            struct stat st {};
            if (fd >= 0 && (::fstat(fd, &st) != 0 || st.st_dev != frame.device || st.st_ino != frame.inode)) {
                ::close(fd);
                return nullptr;
            }
            if (fd < 0 || !(frame.dir = ::fdopendir(fd))) {
                if (fd >= 0)
                    ::close(fd);
                return nullptr;
            }
            if (i > open + 1)
                release(m_stack[i - 1]); // only the folder asked for stays open
        }
        return m_stack[index].dir;
    }

    // Lets go of the folders nearest the top (but the chosen one) while too many are open.
    void keepFewOpen() {
        int open = 0;
        for (const Frame& frame : m_stack)
            open += frame.dir ? 1 : 0;
        for (std::size_t i = 1; open > MaxOpenFolders && i + 1 < m_stack.size(); ++i) {
            if (m_stack[i].dir) {
                release(m_stack[i]);
                --open;
            }
        }
    }

    bool m_subfolders;
    FolderListing& m_listing;
    std::vector<Frame> m_stack;
};

} // namespace

struct FolderWalk::State {
    std::unique_ptr<TreeWalk> walk;
    QList<QByteArray> first; // the chosen folder's files, read when the walk starts
    bool started = false;
};

FolderWalk::FolderWalk(const QString& folder, bool subfolders)
    : m_state(std::make_unique<State>()) {
    using engine::Failure;
    FolderListing& listing = m_listing;
    const QByteArray path = files::encodeName(folder);
    const QString shown = shownName(path);
    const auto fail = [&](Failure::Kind kind, const QString& reason) {
        m_opened = Failure{kind, reason.toStdString()};
    };
    if (folder.isEmpty()) {
        fail(Failure::Kind::NotFound, QStringLiteral("No folder was given."));
        return;
    }
    // The folder is opened once; its entries are looked at through that handle.
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT)
            fail(Failure::Kind::NotFound, QStringLiteral("The folder \"%1\" does not exist.").arg(shown));
        else if (error == ENOTDIR)
            fail(Failure::Kind::NotFound, QStringLiteral("\"%1\" is not a folder.").arg(shown));
        else
            fail(Failure::Kind::System,
                 QStringLiteral("The folder \"%1\" cannot be read: %2.").arg(shown, errorText(error)));
        return;
    }
    struct stat self {};
    ::fstat(fd, &self);
    listing.id = {static_cast<std::uint64_t>(self.st_dev), static_cast<std::uint64_t>(self.st_ino)};
    m_state->walk = std::make_unique<TreeWalk>(subfolders, listing);
    engine::Result<QList<QByteArray>> first = m_state->walk->start(fd);
    if (!first) {
        fail(Failure::Kind::System, QStringLiteral("The folder \"%1\" cannot be read: %2.")
                                        .arg(shown, QString::fromStdString(first.reason())));
        m_state->walk.reset();
        return;
    }
    m_state->first = std::move(*first);
}

FolderWalk::~FolderWalk() = default;

bool FolderWalk::next(QList<QByteArray>& names) {
    names.clear();
    if (!m_state->walk)
        return false;
    if (!m_state->started) {
        m_state->started = true;
        names = std::move(m_state->first);
        return true;
    }
    return m_state->walk->next(names);
}

engine::Result<FolderListing> listFolder(const QString& folder, bool subfolders) {
    FolderWalk walk(folder, subfolders);
    if (!walk.opened())
        return walk.opened().failure();
    QList<QByteArray> names;
    QList<QByteArray> all;
    while (walk.next(names))
        all += names;
    FolderListing listing = walk.listing();
    listing.names = std::move(all);
    return listing;
}

} // namespace files
