#include "platform/linux/posix_io.h"

#include "platform/linux/os_error.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace parvola {

int OpenDescriptor(const std::string& path, int flags) {
    int fd;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
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
