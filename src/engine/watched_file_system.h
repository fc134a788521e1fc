// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/file_system.h"
#include "platform/platform.h"

#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace parvola {

// The file operations that failed since the last message, each told as a command-line program tells it
// ("cannot write to /x/f.001"), for the messages that give no more than "Error: 61" and "Disk full". Noted
// from any thread: the checksums are read on threads of their own.
class FailureLog {
public:
    void Note(const FileError& error, std::string what);
    // "cannot write to /x/f.001: No space left on device": the latest failure the job told as number and
    // description, in the system's words where it gave them; no value when none was noted.
    std::optional<std::string> Describe(int number, const std::string& description) const;
    void Forget();

private:
    struct Failure {
        FileError error;
        std::string what;
    };
    mutable std::mutex m_mutex;
    std::vector<Failure> m_failures;
};

// The platform's file operations, passed through unchanged, noting in the log each one that fails with
// the file or folder it was on.
class WatchedFileSystem final : public FileSystem {
public:
    WatchedFileSystem(FileSystem& files, FailureLog& log) : m_files(files), m_log(log) {}

    FileStatus OpenRead(const std::string& path, std::unique_ptr<InputFile>& file) override;
    FileStatus CreateNew(const std::string& path, std::unique_ptr<OutputFile>& file) override;
    FileStatus CreateReplacing(const std::string& path, unsigned permissions,
                               std::unique_ptr<OutputFile>& file) override;
    FileStatus OpenAppend(const std::string& path, std::unique_ptr<OutputFile>& file) override;
    std::optional<std::int64_t> FileLength(const std::string& path) override {
        return m_files.FileLength(path);
    }
    std::optional<FileInfo> Inspect(const std::string& path, bool followLinks) override {
        return m_files.Inspect(path, followLinks);
    }
    std::optional<std::string> FindFile(const std::string& path) override { return m_files.FindFile(path); }
    FileStatus DeleteFile(const std::string& path) override;
    FileStatus MakeFolder(const std::string& path) override;
    FileStatus RemoveFolder(const std::string& path) override;
    FileStatus Lock(const std::string& path, std::unique_ptr<FileLock>& lock) override;
    LockState ProbeLock(const std::string& path) override { return m_files.ProbeLock(path); }
    FileStatus CreateTemporary(const std::string& folder, const std::string& stem, unsigned permissions,
                               std::string& path, std::unique_ptr<OutputFile>& file) override;
    FileStatus Rename(const std::string& from, const std::string& to, bool replace) override;
    FileStatus ListFolder(const std::string& folder,
                          const std::function<void(const std::string& name)>& each) override;
    FileStatus ListEntries(const std::string& folder,
                           const std::function<bool(const FolderEntry& entry)>& each) override;

private:
    FileSystem& m_files;
    FailureLog& m_log;
};

// The platform with its file operations watched: what a window hands a job, so that its error boxes can
// name the file or folder that failed.
struct WatchedPlatform {
    explicit WatchedPlatform(const Platform& system)
        : files(system.files, failures), platform{files, system.drives, system.paths, system.codePages,
                                                  system.checksums} {}
    WatchedPlatform(const WatchedPlatform&) = delete;
    WatchedPlatform& operator=(const WatchedPlatform&) = delete;

    FailureLog failures;
    WatchedFileSystem files;
    Platform platform;
};

} // namespace parvola
