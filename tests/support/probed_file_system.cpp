#include "support/probed_file_system.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstring>

namespace parvola::test {

class ProbedFileSystem::Watched final : public OutputFile {
public:
    Watched(ProbedFileSystem& owner, std::vector<std::size_t>& sizes, std::unique_ptr<OutputFile> inner)
        : m_owner(owner), m_sizes(sizes), m_inner(std::move(inner)) {}

    FileStatus Write(const char* data, std::size_t n) override {
        m_sizes.push_back(n);
        if (!m_owner.Admit(n)) {
            return m_owner.failure;
        }
        return m_inner->Write(data, n);
    }
    FileStatus Close() override { return m_inner->Close(); }

private:
    ProbedFileSystem& m_owner;
    std::vector<std::size_t>& m_sizes;
    std::unique_ptr<OutputFile> m_inner;
};

class ProbedFileSystem::Sparse final : public OutputFile {
public:
    Sparse(std::vector<std::size_t>& sizes, int fd) : m_sizes(sizes), m_fd(fd) {}
    ~Sparse() override {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }

    FileStatus Write(const char* data, std::size_t n) override {
        m_sizes.push_back(n);
        static const char kZeros[65536] = {};
        const bool zeros = n <= sizeof kZeros && std::memcmp(data, kZeros, n) == 0;
        if (!zeros && ::pwrite(m_fd, data, n, m_offset) != static_cast<ssize_t>(n)) {
            return FileError{ErrorNumber::DeviceIo, "Device I/O error"};
        }
        m_offset += static_cast<off_t>(n);
        return std::nullopt;
    }
    FileStatus Close() override {
        const bool ok = ::ftruncate(m_fd, m_offset) == 0;
        ::close(m_fd);
        m_fd = -1;
        return ok ? FileStatus() : FileError{ErrorNumber::DeviceIo, "Device I/O error"};
    }

private:
    std::vector<std::size_t>& m_sizes;
    int m_fd;
    off_t m_offset = 0;
};

FileStatus ProbedFileSystem::CreateOrTruncate(const std::string& path, std::unique_ptr<OutputFile>& file) {
    if (sparseZeros && path.find(".bat") == std::string::npos &&
        path.find("Readme.txt") == std::string::npos) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0) {
            return FileError{ErrorNumber::PathNotFound, "Path not found"};
        }
        file = std::make_unique<Sparse>(writes[path], fd);
        return std::nullopt;
    }
    return Wrap(path, m_real.CreateOrTruncate(path, file), file);
}

FileStatus ProbedFileSystem::Wrap(const std::string& path, FileStatus status,
                                  std::unique_ptr<OutputFile>& file) {
    if (!status) {
        file = std::make_unique<Watched>(*this, writes[path], std::move(file));
    }
    return status;
}

bool ProbedFileSystem::Admit(std::size_t n) {
    if (failAfterBytes >= 0 && m_written + static_cast<std::int64_t>(n) > failAfterBytes) {
        return false;
    }
    m_written += static_cast<std::int64_t>(n);
    return true;
}

} // namespace parvola::test
