#include "support/probed_file_system.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstring>

namespace parvola::test {

class ProbedFileSystem::Watched final : public OutputFile {
public:
    Watched(ProbedFileSystem& owner, std::string path, std::vector<std::size_t>& sizes,
            std::unique_ptr<OutputFile> inner, int sparseFd)
        : m_owner(owner), m_path(std::move(path)), m_sizes(sizes), m_inner(std::move(inner)),
          m_sparseFd(sparseFd) {}
    ~Watched() override {
        if (m_sparseFd >= 0) {
            ::close(m_sparseFd);
        }
    }

    FileStatus Write(const char* data, std::size_t n) override {
        static const char kZeros[65536] = {};
        if (m_owner.onWrite) {
            m_owner.onWrite(m_path);
        }
        m_sizes.push_back(n);
        if (m_owner.failAfterBytes >= 0 &&
            m_owner.m_written + static_cast<std::int64_t>(n) > m_owner.failAfterBytes) {
            return m_owner.failure;
        }
        m_owner.m_written += static_cast<std::int64_t>(n);
        if (m_sparseFd < 0) {
            return m_inner->Write(data, n);
        }
        const bool zeros = n <= sizeof kZeros && std::memcmp(data, kZeros, n) == 0;
        if (!zeros && ::pwrite(m_sparseFd, data, n, m_offset) != static_cast<ssize_t>(n)) {
            return FileError{ErrorNumber::DeviceIo, "Device I/O error"};
        }
        m_offset += static_cast<off_t>(n);
        return std::nullopt;
    }
    FileStatus Close() override {
        if (m_sparseFd >= 0 && ::ftruncate(m_sparseFd, m_offset) != 0) {
            return FileError{ErrorNumber::DeviceIo, "Device I/O error"};
        }
        return m_inner->Close();
    }

private:
    ProbedFileSystem& m_owner;
    std::string m_path;
    std::vector<std::size_t>& m_sizes;
    std::unique_ptr<OutputFile> m_inner;
    int m_sparseFd;
    off_t m_offset = 0;
};

FileStatus ProbedFileSystem::Wrap(const std::string& path, FileStatus status,
                                  std::unique_ptr<OutputFile>& file) {
    if (!status) {
        // Pieces are the files named with a number after the last dot.
        const bool piece = path.find_last_not_of("0123456789") == path.rfind('.');
        const int sparseFd =
            sparseZeros && piece ? ::open((m_root + path).c_str(), O_WRONLY | O_CLOEXEC) : -1;
        file = std::make_unique<Watched>(*this, path, writes[path], std::move(file), sparseFd);
    }
    return status;
}

} // namespace parvola::test
