#include "platform/linux/linux_file_system.h"

#include "platform/linux/os_error.h"
#include "platform/linux/posix_io.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace parvola {

namespace {

static_assert(sizeof(off_t) >= 8, "file lengths beyond 2 GiB need a 64-bit off_t");

std::unique_ptr<char[]> AllocateBuffer() {
    return std::unique_ptr<char[]>(new (std::nothrow) char[kFileBufferSize]);
}

class LinuxInputFile final : public InputFile {
public:
    LinuxInputFile(int fd, std::unique_ptr<char[]> buffer) : m_fd(fd), m_buffer(std::move(buffer)) {}
    ~LinuxInputFile() override { ::close(m_fd); }
    LinuxInputFile(const LinuxInputFile&) = delete;
    LinuxInputFile& operator=(const LinuxInputFile&) = delete;

    FileStatus Read(char* buffer, std::size_t n) override {
        if (m_begin == m_end && n >= kDirectTransferSize) {
            return ReadDirect(buffer, n);
        }
        while (n > 0) {
            if (m_begin == m_end) {
                if (FileStatus status = Fill()) {
                    return status;
                }
            }
            const std::size_t take = std::min(n, m_end - m_begin);
            std::memcpy(buffer, m_buffer.get() + m_begin, take);
            m_begin += take;
            buffer += take;
            n -= take;
        }
        return std::nullopt;
    }

private:
    FileStatus ReadDirect(char* buffer, std::size_t n) {
        while (n > 0) {
            const ssize_t got = ::read(m_fd, buffer, n);
            if (got < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return ErrorFromErrno(errno);
            }
            if (got == 0) {
                return PastEndOfFileError();
            }
            buffer += got;
            n -= static_cast<std::size_t>(got);
        }
        return std::nullopt;
    }

    FileStatus Fill() {
        ssize_t got;
        do {
            got = ::read(m_fd, m_buffer.get(), kFileBufferSize);
        } while (got < 0 && errno == EINTR);
        if (got < 0) {
            return ErrorFromErrno(errno);
        }
        if (got == 0) {
            return PastEndOfFileError();
        }
        m_begin = 0;
        m_end = static_cast<std::size_t>(got);
        return std::nullopt;
    }

    int m_fd;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
};

class LinuxOutputFile final : public OutputFile {
public:
    LinuxOutputFile(int fd, std::unique_ptr<char[]> buffer) : m_fd(fd), m_buffer(std::move(buffer)) {}
    ~LinuxOutputFile() override {
        if (m_fd >= 0) {
            Close();
        }
    }
    LinuxOutputFile(const LinuxOutputFile&) = delete;
    LinuxOutputFile& operator=(const LinuxOutputFile&) = delete;

    FileStatus Write(const char* data, std::size_t n) override {
        if (m_fd < 0) {
            return ErrorFromErrno(EBADF);
        }
        if (m_used == 0 && n >= kDirectTransferSize) {
            return WriteAll(m_fd, data, n);
        }
        if (n < kFileBufferSize - m_used) {
            std::memcpy(m_buffer.get() + m_used, data, n);
            m_used += n;
            return std::nullopt;
        }
        if (m_used > 0) {
            const std::size_t take = kFileBufferSize - m_used;
            std::memcpy(m_buffer.get() + m_used, data, take);
            m_used = kFileBufferSize;
            data += take;
            n -= take;
            if (FileStatus status = Flush()) {
                return status;
            }
        }
        if (n >= kFileBufferSize) {
            // Copying a whole buffer's worth only to write it out again gains nothing.
            return WriteAll(m_fd, data, n);
        }
        std::memcpy(m_buffer.get(), data, n);
        m_used = n;
        return std::nullopt;
    }

    FileStatus Close() override {
        if (m_fd < 0) {
            return ErrorFromErrno(EBADF);
        }
        FileStatus status = Flush();
        // The descriptor is gone even when close() fails, so it is never retried.
        if (::close(m_fd) != 0 && !status) {
            status = ErrorFromErrno(errno);
        }
        m_fd = -1;
        return status;
    }

private:
    // Buffered bytes that failed to go out are dropped: their error has been told once, and the file is
    // no good anyway.
    FileStatus Flush() {
        const std::size_t used = m_used;
        m_used = 0;
        return WriteAll(m_fd, m_buffer.get(), used);
    }

    int m_fd;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_used = 0;
};

FileStatus OpenOutput(const std::string& path, int flags, std::unique_ptr<OutputFile>& file) {
    auto buffer = AllocateBuffer();
    if (!buffer) {
        return ErrorFromErrno(ENOMEM);
    }
    const int fd = OpenDescriptor(path, O_WRONLY | O_CREAT | flags);
    if (fd < 0) {
        return ErrorFromErrno(errno);
    }
    file = std::make_unique<LinuxOutputFile>(fd, std::move(buffer));
    return std::nullopt;
}

} // namespace

FileStatus LinuxFileSystem::OpenRead(const std::string& path, std::unique_ptr<InputFile>& file) {
    auto buffer = AllocateBuffer();
    if (!buffer) {
        return ErrorFromErrno(ENOMEM);
    }
    const int fd = OpenDescriptor(path, O_RDONLY);
    if (fd < 0) {
        return ErrorFromErrno(errno);
    }
    // A folder opens fine for reading but can never be read; say so now rather than at the first block.
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        return ErrorFromErrno(EISDIR);
    }
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    file = std::make_unique<LinuxInputFile>(fd, std::move(buffer));
    return std::nullopt;
}

FileStatus LinuxFileSystem::CreateNew(const std::string& path, std::unique_ptr<OutputFile>& file) {
    return OpenOutput(path, O_EXCL, file);
}

FileStatus LinuxFileSystem::CreateOrTruncate(const std::string& path, std::unique_ptr<OutputFile>& file) {
    return OpenOutput(path, O_TRUNC, file);
}

FileStatus LinuxFileSystem::OpenAppend(const std::string& path, std::unique_ptr<OutputFile>& file) {
    return OpenOutput(path, O_APPEND, file);
}

std::optional<std::int64_t> LinuxFileSystem::FileLength(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(info.st_size);
}

std::optional<std::string> LinuxFileSystem::FindFile(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::lstat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    // A folder may be named with a trailing separator; its name is still the last real component.
    const std::size_t end = path.find_last_not_of('/');
    if (end == std::string::npos) {
        return std::string("/");
    }
    const std::size_t slash = path.rfind('/', end);
    const std::size_t begin = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(begin, end + 1 - begin);
}

FileStatus LinuxFileSystem::DeleteFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0) {
        return ErrorFromErrno(errno);
    }
    return std::nullopt;
}

FileStatus LinuxFileSystem::MakeFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0777) != 0) {
        return ErrorFromErrno(errno);
    }
    return std::nullopt;
}

FileStatus LinuxFileSystem::RemoveFolder(const std::string& path) {
    if (::rmdir(path.c_str()) != 0) {
        return ErrorFromErrno(errno);
    }
    return std::nullopt;
}

bool LinuxFileSystem::SameFile(const std::string& a, const std::string& b) {
    struct stat first {};
    struct stat second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

} // namespace parvola
