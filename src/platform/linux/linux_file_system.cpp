// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/linux_file_system.h"

#include "platform/linux/os_error.h"
#include "platform/linux/posix_io.h"
#include "platform/path_text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <random>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace parvola {

namespace {

static_assert(sizeof(off_t) >= 8, "file lengths beyond 2 GiB need a 64-bit off_t");

// The most one copy_file_range moves anyway (the kernel's own limit, rounded down to pages).
constexpr std::int64_t kLargestKernelCopy = std::int64_t{1} << 30;

std::unique_ptr<char[]> AllocateBuffer(std::size_t size = kFileBufferSize) {
    return std::unique_ptr<char[]>(new (std::nothrow) char[size]);
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

    // Moves up to n bytes read ahead into to, since those come before what the descriptor holds; how many.
    std::size_t TakeReadAhead(char* to, std::size_t n) {
        const std::size_t take = std::min(n, m_end - m_begin);
        std::memcpy(to, m_buffer.get() + m_begin, take);
        m_begin += take;
        return take;
    }
    int descriptor() const { return m_fd; }

private:
    FileStatus ReadDirect(char* buffer, std::size_t n) {
        while (n > 0) {
            const long got = ReadSome(m_fd, buffer, n);
            if (got <= 0) {
                return got < 0 ? ErrorFromErrno(errno) : PastEndOfFileError();
            }
            buffer += got;
            n -= static_cast<std::size_t>(got);
        }
        return std::nullopt;
    }

    FileStatus Fill() {
        const long got = ReadSome(m_fd, m_buffer.get(), kReadAheadSize);
        if (got <= 0) {
            return got < 0 ? ErrorFromErrno(errno) : PastEndOfFileError();
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
    LinuxOutputFile(int fd, std::unique_ptr<char[]> buffer, KernelCopy copy)
        : m_fd(fd), m_buffer(std::move(buffer)), m_copy(std::move(copy)) {}
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

    FileStatus CopyFrom(InputFile& source, std::int64_t n, char* buffer, std::size_t size) override {
        auto* linuxSource = dynamic_cast<LinuxInputFile*>(&source);
        if (!m_kernelCopy || !linuxSource || m_fd < 0 || n < std::int64_t(kDirectTransferSize)) {
            return OutputFile::CopyFrom(source, n, buffer, size);
        }
        // What was read ahead comes before what the descriptor holds, and what this file still buffers
        // goes out before the kernel writes behind it.
        while (const std::size_t ahead = linuxSource->TakeReadAhead(
                   buffer, std::size_t(std::min<std::int64_t>(n, std::int64_t(size))))) {
            if (FileStatus status = Write(buffer, ahead)) {
                return status;
            }
            n -= static_cast<std::int64_t>(ahead);
        }
        if (FileStatus status = n > 0 ? Flush() : std::nullopt) {
            return status;
        }
        const int from = linuxSource->descriptor();
        while (n > 0) {
            const long copied =
                m_copy(from, m_fd, std::size_t(std::min<std::int64_t>(n, kLargestKernelCopy)));
            if (copied > 0) {
                n -= copied;
                continue;
            }
            if (copied < 0 && errno == EINTR) {
                continue;
            }
            // Refused between these two files (another file system on older kernels, some FUSE file
            // systems, special files, a system without the call), or nothing copied: the bytes go through
            // the buffer instead, which also tells a source that ended early.
            if (copied < 0 && !KernelCopyRefused(errno)) {
                return ErrorFromErrno(errno);
            }
            m_kernelCopy = false;
            return OutputFile::CopyFrom(source, n, buffer, size);
        }
        return std::nullopt;
    }

    FileStatus Sync() override {
        if (m_fd < 0) {
            return ErrorFromErrno(EBADF);
        }
        if (FileStatus status = Flush()) {
            return status;
        }
        return ::fsync(m_fd) == 0 ? std::nullopt : FileStatus(ErrorFromErrno(errno));
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

    static bool KernelCopyRefused(int err) {
        return err == EXDEV || err == EINVAL || err == ENOSYS || err == EOPNOTSUPP || err == EBADF;
    }

    int m_fd;
    std::unique_ptr<char[]> m_buffer;
    KernelCopy m_copy;
    std::size_t m_used = 0;
    bool m_kernelCopy = true;
};

// Opens an output file through open, which gives a descriptor or -1 with errno set. The buffer comes first,
// so that no file is made without one.
template <typename Open>
FileStatus OpenOutput(Open open, const KernelCopy& copy, std::unique_ptr<OutputFile>& file) {
    auto buffer = AllocateBuffer();
    if (!buffer) {
        return ErrorFromErrno(ENOMEM);
    }
    const int fd = open();
    if (fd < 0) {
        return ErrorFromErrno(errno);
    }
    file = std::make_unique<LinuxOutputFile>(fd, std::move(buffer), copy);
    return std::nullopt;
}

// path still names the very file open on fd.
bool StillNames(const std::string& path, int fd) {
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::lstat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
           held.st_ino == named.st_ino;
}

// What a lock file holds, so that a run that finds one a run which died left tells it from a file of the
// user's that only has the name.
constexpr const char* kLockText = "Parvola keeps a second run off these pieces while this file is held.\n";

class LinuxFileLock final : public FileLock {
public:
    LinuxFileLock(int fd, std::string path) : m_fd(fd), m_path(std::move(path)) {}
    ~LinuxFileLock() override {
        // Removed while still held, so no other run can be holding this very file; a file someone else put
        // in its place stays.
        if (StillNames(m_path, m_fd)) {
            ::unlink(m_path.c_str());
        }
        ::close(m_fd);
    }
    LinuxFileLock(const LinuxFileLock&) = delete;
    LinuxFileLock& operator=(const LinuxFileLock&) = delete;

private:
    int m_fd;
    std::string m_path;
};

FileInfo InfoOf(const struct stat& info) {
    FileInfo result;
    result.device = info.st_dev;
    result.inode = info.st_ino;
    result.length = info.st_size;
    result.modified = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    result.changed = static_cast<std::int64_t>(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec;
    result.permissions = info.st_mode & 07777;
    return result;
}

} // namespace

LinuxFileSystem::LinuxFileSystem(KernelCopy copy) : m_copy(std::move(copy)) {
    if (!m_copy) {
        m_copy = [](int from, int to, std::size_t n) {
            return static_cast<long>(::copy_file_range(from, nullptr, to, nullptr, n, 0));
        };
    }
}

FileStatus LinuxFileSystem::OpenRead(const std::string& path, std::unique_ptr<InputFile>& file) {
    auto buffer = AllocateBuffer(kReadAheadSize);
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
    return OpenOutput([&] { return OpenDescriptor(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW); }, m_copy,
                      file);
}

FileStatus LinuxFileSystem::CreateReplacing(const std::string& path, unsigned permissions,
                                            std::unique_ptr<OutputFile>& file) {
    return OpenOutput([&] { return parvola::CreateReplacing(path, O_WRONLY, permissions); }, m_copy, file);
}

FileStatus LinuxFileSystem::OpenAppend(const std::string& path, std::unique_ptr<OutputFile>& file) {
    return OpenOutput([&] { return OpenDescriptor(path, O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW); },
                      m_copy, file);
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
    return LastName(path);
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

std::optional<FileInfo> LinuxFileSystem::Inspect(const std::string& path, bool followLinks) {
    struct stat info {};
    if ((followLinks ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info)) != 0) {
        return std::nullopt;
    }
    return InfoOf(info);
}

FileStatus LinuxFileSystem::Lock(const std::string& path, std::unique_ptr<FileLock>& lock) {
    // A run that ends removes its lock file while it holds it; one that opened the file just before
    // then holds a lock on a file nobody else can find, so the name is checked after locking. A file
    // that was there already is taken only when it says it is a lock, one that a run which died left.
    const FileError notALock{ErrorNumber::FileExists, "File already exists"};
    bool empty = false;
    for (int attempt = 0; attempt < 10; ++attempt) {
        bool made = true;
        int fd = OpenDescriptor(path, O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW);
        if (fd < 0 && errno == EEXIST) {
            made = false;
            fd = OpenDescriptor(path, O_RDWR | O_NOFOLLOW | O_NONBLOCK);
        }
        if (fd < 0) {
            if (errno == ENOENT && !made) {
                continue; // let go of in the meantime
            }
            // A link, a folder: nothing a run makes.
            return errno == ELOOP || errno == EISDIR || errno == ENXIO ? notALock : ErrorFromErrno(errno);
        }
        int locked;
        do {
            locked = ::flock(fd, LOCK_EX | LOCK_NB);
        } while (locked != 0 && errno == EINTR);
        if (locked != 0) {
            const int err = errno;
            ::close(fd);
            if (err == EWOULDBLOCK) {
                return FileError{ErrorNumber::PermissionDenied, "Permission denied"};
            }
            return ErrorFromErrno(err);
        }
        if (!StillNames(path, fd)) {
            ::close(fd);
            continue;
        }
        if (made) {
            if (FileStatus status = WriteAll(fd, kLockText, std::strlen(kLockText))) {
                ::close(fd);
                ::unlink(path.c_str());
                return status;
            }
        } else {
            struct stat info {};
            char text[128] = {};
            const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
            const long got = regular ? ReadSome(fd, text, sizeof text - 1) : -1;
            if (got != 0 && (got < 0 || std::strcmp(text, kLockText) != 0)) {
                ::close(fd);
                return notALock;
            }
            empty = got == 0;
            if (empty) {
                // Made by a run that has not yet locked it, or by someone else: looked at again.
                ::close(fd);
                ::usleep(10000);
                continue;
            }
            // A lock of a run that died: this run's now, and it goes with this run.
        }
        lock = std::make_unique<LinuxFileLock>(fd, path);
        return std::nullopt;
    }
    return empty ? notALock : ErrorFromErrno(EAGAIN);
}

FileStatus LinuxFileSystem::CreateTemporary(const std::string& folder, const std::string& stem,
                                            unsigned permissions, std::string& path,
                                            std::unique_ptr<OutputFile>& file) {
    // Random, so that nobody can take the names in advance; exclusive, so that nothing there is opened.
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    std::uniform_int_distribution<std::size_t> letter(0, sizeof kLetters - 2);
    FileStatus status;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = stem + '-';
        for (int i = 0; i < 6; ++i) {
            name += kLetters[letter(random)];
        }
        path = JoinPath(folder, name);
        status = OpenOutput(
            [&] {
                const int fd =
                    OpenDescriptor(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, permissions & 0777);
                // Nobody else has the new file yet, so the lock is always had.
                if (fd >= 0) {
                    ::flock(fd, LOCK_EX | LOCK_NB);
                }
                return fd;
            },
            m_copy, file);
        if (!status || status->number != ErrorNumber::FileExists) {
            break;
        }
    }
    return status;
}

LockState LinuxFileSystem::ProbeLock(const std::string& path) {
    // Without blocking: a FIFO put there would otherwise wait for a writer.
    const int fd = OpenDescriptor(path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) {
        return errno == ENOENT ? LockState::Missing : LockState::Other;
    }
    struct stat info {};
    LockState state = LockState::Other;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        int locked;
        do {
            locked = ::flock(fd, LOCK_EX | LOCK_NB);
        } while (locked != 0 && errno == EINTR);
        state = locked == 0 ? LockState::Abandoned : LockState::Held;
    }
    ::close(fd);
    return state;
}

FileStatus LinuxFileSystem::Rename(const std::string& from, const std::string& to, bool replace) {
    const auto failed = [] { return FileStatus(ErrorFromErrno(errno)); };
    if (replace) {
        return ::rename(from.c_str(), to.c_str()) == 0 ? std::nullopt : failed();
    }
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return std::nullopt;
    }
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) {
        return failed();
    }
    // Some network and FUSE file systems lack the flag; a hard link refuses a taken name just as surely.
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return std::nullopt;
    }
    if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS) {
        return failed();
    }
    // FAT has neither: the name is looked at first, and only a file made in the moment between is lost.
    struct stat info {};
    if (::lstat(to.c_str(), &info) == 0) {
        return ErrorFromErrno(EEXIST);
    }
    return ::rename(from.c_str(), to.c_str()) == 0 ? std::nullopt : failed();
}

FileStatus LinuxFileSystem::ListFolder(const std::string& folder,
                                       const std::function<void(const std::string& name)>& each) {
    DIR* listing = ::opendir(folder.c_str());
    if (!listing) {
        return ErrorFromErrno(errno);
    }
    errno = 0;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") {
            each(name);
        }
        errno = 0;
    }
    const int err = errno;
    ::closedir(listing);
    return err == 0 ? std::nullopt : FileStatus(ErrorFromErrno(err));
}

FileStatus LinuxFileSystem::ListEntries(const std::string& folder,
                                        const std::function<bool(const FolderEntry& entry)>& each) {
    DIR* listing = ::opendir(folder.c_str());
    if (!listing) {
        return ErrorFromErrno(errno);
    }
    errno = 0;
    FolderEntry found;
    while (const dirent* entry = ::readdir(listing)) {
        found.name = entry->d_name;
        if (found.name == "." || found.name == "..") {
            errno = 0;
            continue;
        }
        found.hidden = found.name[0] == '.';
        // Most file systems tell the type in the entry; a link, and a file system that does not, are
        // looked at, the link followed.
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN || type == DT_LNK) {
            struct stat info {};
            type = ::fstatat(::dirfd(listing), entry->d_name, &info, 0) != 0 ? DT_UNKNOWN
                   : S_ISREG(info.st_mode)                                   ? DT_REG
                   : S_ISDIR(info.st_mode)                                   ? DT_DIR
                                                                             : DT_UNKNOWN;
        }
        found.kind = type == DT_REG ? EntryKind::File : type == DT_DIR ? EntryKind::Folder : EntryKind::Other;
        if (!each(found)) {
            break;
        }
        errno = 0;
    }
    const int err = errno;
    ::closedir(listing);
    return err == 0 ? std::nullopt : FileStatus(ErrorFromErrno(err));
}

} // namespace parvola
