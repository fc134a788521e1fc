// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/file_system.h"

#include <cstddef>
#include <functional>

namespace parvola {

// Each file open for writing gathers writes through one buffer of this size, so the engine's small blocks
// cost few system calls while memory stays bounded.
inline constexpr std::size_t kFileBufferSize = std::size_t{1} << 18;
// A file open for reading reads this far ahead for small blocks. Little: what it holds has to pass through
// the program, while larger blocks are copied inside the kernel.
inline constexpr std::size_t kReadAheadSize = 65536;
// Blocks at least this large skip the buffers while they are empty, and are copied inside the kernel: the
// system call costs less than a copy. Smaller ones cost less through the buffers.
inline constexpr std::size_t kDirectTransferSize = 32768;

// copy_file_range(2) between two descriptors at their positions: bytes copied, or -1 with errno set.
using KernelCopy = std::function<long(int from, int to, std::size_t n)>;

class LinuxFileSystem final : public FileSystem {
public:
    // copy stands in for the kernel's copy where tests need one that falls short or refuses.
    explicit LinuxFileSystem(KernelCopy copy = {});
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

private:
    KernelCopy m_copy;
};

} // namespace parvola
