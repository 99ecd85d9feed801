// Imitates a file system without unnamed temporary files (NFS, SMB, vfat, FUSE):
// every open with O_TMPFILE fails with EOPNOTSUPP. The first refusal creates the
// file named by NOTMPFILE_LOG, so a test can tell that the shim was used.

#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

using OpenAt = int (*)(int, const char*, int, ...);

void note() {
    static auto real = reinterpret_cast<OpenAt>(::dlsym(RTLD_NEXT, "openat"));
    if (const char* log = ::getenv("NOTMPFILE_LOG")) {
        const int fd = real(AT_FDCWD, log, O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        if (fd >= 0)
            ::close(fd);
    }
}

int call(const char* symbol, int dirFd, const char* path, int flags, mode_t mode) {
    if ((flags & O_TMPFILE) == O_TMPFILE) {
        note();
        errno = EOPNOTSUPP;
        return -1;
    }
    const auto real = reinterpret_cast<OpenAt>(::dlsym(RTLD_NEXT, symbol));
    return real(dirFd, path, flags, mode);
}

mode_t modeOf(int flags, va_list args) {
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? static_cast<mode_t>(va_arg(args, int)) : 0;
}

} // namespace

extern "C" {

int openat(int dirFd, const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeOf(flags, args);
    va_end(args);
    return call("openat", dirFd, path, flags, mode);
}

int openat64(int dirFd, const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeOf(flags, args);
    va_end(args);
    return call("openat64", dirFd, path, flags, mode);
}

int __openat_2(int dirFd, const char* path, int flags) {
    return call("openat", dirFd, path, flags, 0);
}

int __openat64_2(int dirFd, const char* path, int flags) {
    return call("openat64", dirFd, path, flags, 0);
}
}
