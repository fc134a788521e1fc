#pragma once

#include "platform/file_system.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace parvola::test {

// Passes every operation to a real file system, below a root folder of the test's when one is given (so
// that "/" can be a destination), and watches the writes: it records the size of each one, can make them
// fail once a number of bytes has gone through (a disk that fills up or breaks), and can leave holes for
// blocks of zeros in pieces, so that huge sparse sources split without writing their bytes.
class ProbedFileSystem final : public FileSystem {
public:
    explicit ProbedFileSystem(FileSystem& real, std::string root = {})
        : m_real(real), m_root(std::move(root)) {}

    std::map<std::string, std::vector<std::size_t>> writes;
    std::int64_t failAfterBytes = -1;
    FileError failure{ErrorNumber::DiskFull, "Disk full"};
    bool sparseZeros = false;
    // Runs before each write, on the thread that writes, with the file's path.
    std::function<void(const std::string&)> onWrite;

    FileStatus OpenRead(const std::string& path, std::unique_ptr<InputFile>& file) override {
        return m_real.OpenRead(m_root + path, file);
    }
    FileStatus CreateNew(const std::string& path, std::unique_ptr<OutputFile>& file) override {
        return Wrap(path, m_real.CreateNew(m_root + path, file), file);
    }
    FileStatus CreateReplacing(const std::string& path, unsigned permissions,
                               std::unique_ptr<OutputFile>& file) override {
        return Wrap(path, m_real.CreateReplacing(m_root + path, permissions, file), file);
    }
    FileStatus OpenAppend(const std::string& path, std::unique_ptr<OutputFile>& file) override {
        return Wrap(path, m_real.OpenAppend(m_root + path, file), file);
    }
    std::optional<std::int64_t> FileLength(const std::string& path) override {
        return m_real.FileLength(m_root + path);
    }
    std::optional<FileInfo> Inspect(const std::string& path, bool followLinks) override {
        return m_real.Inspect(m_root + path, followLinks);
    }
    std::optional<std::string> FindFile(const std::string& path) override {
        return m_real.FindFile(m_root + path);
    }
    FileStatus DeleteFile(const std::string& path) override { return m_real.DeleteFile(m_root + path); }
    FileStatus MakeFolder(const std::string& path) override { return m_real.MakeFolder(m_root + path); }
    FileStatus RemoveFolder(const std::string& path) override { return m_real.RemoveFolder(m_root + path); }
    FileStatus Lock(const std::string& path, std::unique_ptr<FileLock>& lock) override {
        return m_real.Lock(m_root + path, lock);
    }

private:
    class Watched;
    FileStatus Wrap(const std::string& path, FileStatus status, std::unique_ptr<OutputFile>& file);

    FileSystem& m_real;
    std::string m_root;
    std::int64_t m_written = 0;
};

} // namespace parvola::test
