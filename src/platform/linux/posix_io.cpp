// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/posix_io.h"

#include "platform/linux/os_error.h"

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

namespace parvola {

int OpenDescriptor(const std::string& path, int flags, unsigned permissions) {
    int fd;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, static_cast<mode_t>(permissions));
    } while (fd < 0 && errno == EINTR);
    return fd;
}

int CreateReplacing(const std::string& path, int flags, unsigned permissions) {
    // Another program may put the name back between the removal and the creation; it is removed again,
    // a few times. Like cp without -p, the copy of a setuid, setgid or sticky file is a plain one.
    for (int attempt = 0;; ++attempt) {
        const int fd = OpenDescriptor(path, flags | O_CREAT | O_EXCL | O_NOFOLLOW, permissions & 0777);
        if (fd >= 0 || errno != EEXIST || attempt == 3) {
            return fd;
        }
        if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
            return -1;
        }
    }
}

std::string RealPath(const std::string& path) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) {
        return {};
    }
    std::string result(resolved);
    std::free(resolved);
    return result;
}

long ReadSome(int fd, char* buffer, std::size_t n) {
    ssize_t got;
    do {
        got = ::read(fd, buffer, n);
    } while (got < 0 && errno == EINTR);
    return static_cast<long>(got);
}

FileStatus WriteAll(int fd, const char* data, std::size_t n) {
    while (n > 0) {
        const ssize_t written = ::write(fd, data, n);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return ErrorFromErrno(errno);
        }
        if (written == 0) {
            // No progress and no reason given: only a full device behaves like this.
            return ErrorFromErrno(ENOSPC);
        }
        data += written;
        n -= static_cast<std::size_t>(written);
    }
    return std::nullopt;
}

} // namespace parvola
