// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/file_system.h"

#include <cstdint>
#include <string>

namespace parvola {

// Nanoseconds since the Unix epoch of a FILETIME or LARGE_INTEGER time (100 ns units since 1601).
std::int64_t UnixNanoseconds(std::int64_t windowsTime);

// Removes the entry at path so that a new file can take the name: a read-only file as well, as unlink does
// on Linux, and a link itself, never what it leads to. A missing entry is no failure.
FileStatus RemoveEntry(const std::string& path);

// Files through CreateFileW and its kin. Outputs are always made with CREATE_NEW; locks are files opened
// without sharing that the system removes when their handle closes, also when the program dies.
class WindowsFileSystem final : public FileSystem {
public:
    WindowsFileSystem() = default;
    FileStatus OpenRead(const std::string& path, std::unique_ptr<InputFile>& file) override;
    FileStatus CreateNew(const std::string& path, std::unique_ptr<OutputFile>& file) override;
    FileStatus CreateReplacing(const std::string& path, unsigned permissions,
                               std::unique_ptr<OutputFile>& file) override;
    FileStatus OpenAppend(const std::string& path, std::unique_ptr<OutputFile>& file) override;
    std::optional<std::int64_t> FileLength(const std::string& path) override;
    std::optional<FileInfo> Inspect(const std::string& path, bool followLinks) override;
    std::optional<std::string> FindFile(const std::string& path) override;
    FileStatus DeleteFile(const std::string& path) override;
    FileStatus MakeFolder(const std::string& path) override;
    FileStatus RemoveFolder(const std::string& path) override;
    FileStatus Lock(const std::string& path, std::unique_ptr<FileLock>& lock) override;
    LockState ProbeLock(const std::string& path) override;
    FileStatus CreateTemporary(const std::string& folder, const std::string& stem, unsigned permissions,
                               std::string& path, std::unique_ptr<OutputFile>& file) override;
    FileStatus Rename(const std::string& from, const std::string& to, bool replace) override;
    FileStatus ListFolder(const std::string& folder,
                          const std::function<void(const std::string& name)>& each) override;
    FileStatus ListEntries(const std::string& folder,
                           const std::function<bool(const FolderEntry& entry)>& each) override;
};

} // namespace parvola
