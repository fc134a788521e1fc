#pragma once

#include "platform/file_system.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace parvola::test {

// Passes every operation to a real file system and watches the writes: it records the size of each one,
// can make them fail once a number of bytes has gone through (a disk that fills up or breaks), and can
// leave holes for blocks of zeros, so that huge sparse sources split without writing their bytes.
class ProbedFileSystem final : public FileSystem {
public:
    explicit ProbedFileSystem(FileSystem& real) : m_real(real) {}

    // The sizes of the writes into each file, in order.
    std::map<std::string, std::vector<std::size_t>> writes;
    // A write that would take the bytes written through this file system past this count fails instead.
    std::int64_t failAfterBytes = -1;
    FileError failure{ErrorNumber::DiskFull, "Disk full"};
    // Zero blocks of pieces become holes (needs files opened with CreateOrTruncate).
    bool sparseZeros = false;

    FileStatus OpenRead(const std::string& path, std::unique_ptr<InputFile>& file) override {
        return m_real.OpenRead(path, file);
    }
    FileStatus CreateNew(const std::string& path, std::unique_ptr<OutputFile>& file) override {
        return Wrap(path, m_real.CreateNew(path, file), file);
    }
    FileStatus CreateOrTruncate(const std::string& path, std::unique_ptr<OutputFile>& file) override;
    FileStatus OpenAppend(const std::string& path, std::unique_ptr<OutputFile>& file) override {
        return Wrap(path, m_real.OpenAppend(path, file), file);
    }
    std::optional<std::int64_t> FileLength(const std::string& path) override {
        return m_real.FileLength(path);
    }
    std::optional<std::string> FindFile(const std::string& path) override { return m_real.FindFile(path); }
    FileStatus DeleteFile(const std::string& path) override { return m_real.DeleteFile(path); }
    bool SameFile(const std::string& a, const std::string& b) override { return m_real.SameFile(a, b); }

private:
    class Watched;
    class Sparse;
    FileStatus Wrap(const std::string& path, FileStatus status, std::unique_ptr<OutputFile>& file);
    // Counts n more bytes; false when they would pass failAfterBytes.
    bool Admit(std::size_t n);

    FileSystem& m_real;
    std::int64_t m_written = 0;
};

} // namespace parvola::test
