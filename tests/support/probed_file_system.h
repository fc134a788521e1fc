// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/file_system.h"

#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace parvola::test {

// Passes every operation to a real file system, below a root folder of the test's when one is given (so
// that "/" can be a destination), and watches the writes: it records the size of each one, can make them
// fail once a number of bytes has gone through (a disk that fills up or breaks), and can keep only where
// the bytes that are not zero went, so that huge sparse sources split without writing them.
class ProbedFileSystem final : public FileSystem {
public:
    explicit ProbedFileSystem(FileSystem& real, std::string root = {})
        : m_fs(real), m_root(std::move(root)) {}

    std::map<std::string, std::vector<std::size_t>> writes;
    std::int64_t failAfterBytes = -1;
    FileError failure{ErrorNumber::DiskFull, "Disk full"};
    // Set: nothing is written, and marks holds the offsets of the bytes that are not zero, per file.
    bool onlyMarks = false;
    std::map<std::string, std::vector<std::int64_t>> marks;
    // Runs before each write, on the thread that writes, with the file's path.
    std::function<void(const std::string&)> onWrite;
    // "sync PATH" and "delete PATH", in the order they happened: what must be on the disk before what goes.
    std::vector<std::string> events;

    // p: a path as the split sees it.
    using Path = const std::string&;
    using In = std::unique_ptr<InputFile>;
    using Out = std::unique_ptr<OutputFile>;
    FileStatus OpenRead(Path p, In& file) override { return m_fs.OpenRead(m_root + p, file); }
    FileStatus CreateNew(Path p, Out& f) override { return Watch(p, m_fs.CreateNew(m_root + p, f), f); }
    FileStatus CreateReplacing(Path p, unsigned permissions, Out& f) override {
        return Watch(p, m_fs.CreateReplacing(m_root + p, permissions, f), f);
    }
    FileStatus OpenAppend(Path p, Out& f) override { return Watch(p, m_fs.OpenAppend(m_root + p, f), f); }
    std::optional<std::int64_t> FileLength(Path p) override { return m_fs.FileLength(m_root + p); }
    std::optional<FileInfo> Inspect(Path p, bool links) override { return m_fs.Inspect(m_root + p, links); }
    std::optional<std::string> FindFile(Path p) override { return m_fs.FindFile(m_root + p); }
    FileStatus DeleteFile(Path p) override {
        events.push_back("delete " + p);
        return m_fs.DeleteFile(m_root + p);
    }
    FileStatus MakeFolder(Path p) override { return m_fs.MakeFolder(m_root + p); }
    FileStatus RemoveFolder(Path p) override { return m_fs.RemoveFolder(m_root + p); }
    FileStatus Lock(Path p, std::unique_ptr<FileLock>& lock) override { return m_fs.Lock(m_root + p, lock); }
    LockState ProbeLock(Path p) override { return m_fs.ProbeLock(m_root + p); }
    FileStatus CreateTemporary(Path folder, Path stem, unsigned permissions, std::string& p,
                               Out& f) override {
        const auto status = m_fs.CreateTemporary(m_root + folder, stem, permissions, p, f);
        p.erase(0, m_root.size());
        return Watch(p, status, f);
    }
    FileStatus Rename(Path from, Path to, bool replace) override {
        return m_fs.Rename(m_root + from, m_root + to, replace);
    }
    FileStatus ListFolder(Path folder, const std::function<void(const std::string&)>& each) override {
        return m_fs.ListFolder(m_root + folder, each);
    }
    FileStatus ListEntries(Path folder, const std::function<bool(const FolderEntry&)>& each) override {
        return m_fs.ListEntries(m_root + folder, each);
    }

private:
    class Watched final : public OutputFile {
    public:
        Watched(ProbedFileSystem& owner, std::string path, Out inner)
            : m_owner(owner), m_path(std::move(path)), m_inner(std::move(inner)) {}

        FileStatus Write(const char* data, std::size_t n) override {
            static const char kZeros[65536] = {};
            if (m_owner.onWrite) {
                m_owner.onWrite(m_path);
            }
            m_owner.writes[m_path].push_back(n);
            if (m_owner.failAfterBytes >= 0 && m_owner.m_written + std::int64_t(n) > m_owner.failAfterBytes) {
                return m_owner.failure;
            }
            m_owner.m_written += static_cast<std::int64_t>(n);
            const bool zeros = n <= sizeof kZeros && std::memcmp(data, kZeros, n) == 0;
            for (std::size_t i = 0; m_owner.onlyMarks && !zeros && i < n; ++i) {
                if (data[i] != 0) {
                    m_owner.marks[m_path].push_back(m_offset + std::int64_t(i));
                }
            }
            m_offset += static_cast<std::int64_t>(n);
            return m_owner.onlyMarks ? std::nullopt : m_inner->Write(data, n);
        }
        FileStatus Sync() override {
            m_owner.events.push_back("sync " + m_path);
            return m_inner->Sync();
        }
        // Passed on to the real file, so that the system copies by itself as it would outside the tests; one
        // that must fail or only mark goes through Write.
        FileStatus CopyFrom(InputFile& source, std::int64_t n, char* buffer, std::size_t size) override {
            if (m_owner.onlyMarks || m_owner.failAfterBytes >= 0) {
                return OutputFile::CopyFrom(source, n, buffer, size);
            }
            if (m_owner.onWrite) {
                m_owner.onWrite(m_path);
            }
            m_owner.writes[m_path].push_back(static_cast<std::size_t>(n));
            m_offset += n;
            return m_inner->CopyFrom(source, n, buffer, size);
        }
        FileStatus Close() override { return m_inner->Close(); }

    private:
        ProbedFileSystem& m_owner;
        std::string m_path;
        Out m_inner;
        std::int64_t m_offset = 0;
    };

    FileStatus Watch(Path path, FileStatus status, Out& file) {
        if (!status) {
            file = std::make_unique<Watched>(*this, path, std::move(file));
        }
        return status;
    }

    FileSystem& m_fs;
    std::string m_root;
    std::int64_t m_written = 0;
};

} // namespace parvola::test
