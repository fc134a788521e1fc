// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace parvola {

// A failed file operation, told the way the messages show it: "Error: 61" and "Disk full".
struct FileError {
    int number = 0;
    std::string description;
    // The system's own words for the failure ("No such file or directory"), for front ends that tell them;
    // empty where the program found the fault itself. The window's messages do not show it.
    std::string cause = {};
};

// No value: the operation succeeded.
using FileStatus = std::optional<FileError>;

// The classic error numbers the messages use.
namespace ErrorNumber {
constexpr int UserInterrupt = 18; // the user stopped it
constexpr int BadFileName = 52;
constexpr int DeviceIo = 57;
constexpr int FileExists = 58;
constexpr int DiskFull = 61;
constexpr int PastEndOfFile = 62;
constexpr int PermissionDenied = 70; // also: a file another program holds locked
constexpr int DiskNotReady = 71;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
} // namespace ErrorNumber

// The failure with that classic number and its text, as every backend tells it; any other number is 75.
inline FileError ClassicFileError(int number) {
    switch (number) {
    case ErrorNumber::UserInterrupt:
        return {number, "User interrupt occurred"};
    case ErrorNumber::BadFileName:
        return {number, "Bad file name or number"};
    case ErrorNumber::DeviceIo:
        return {number, "Device I/O error"};
    case ErrorNumber::FileExists:
        return {number, "File already exists"};
    case ErrorNumber::DiskFull:
        return {number, "Disk full"};
    case ErrorNumber::PastEndOfFile:
        return {number, "Input past end of file"};
    case ErrorNumber::PermissionDenied:
        return {number, "Permission denied"};
    case ErrorNumber::DiskNotReady:
        return {number, "Disk not ready"};
    case ErrorNumber::PathNotFound:
        return {number, "Path not found"};
    default:
        return {ErrorNumber::PathFileAccess, "Path/File access error"};
    }
}

// Which file an entry is, and what a change to it would alter.
struct FileInfo {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t length = 0;
    std::int64_t modified = 0; // nanoseconds since the epoch
    std::int64_t changed = 0;  // of the entry itself (ctime), which no one can set back; nanoseconds too
    unsigned permissions = 0;  // mode bits such as 0644
};

// The same file, whatever the names it was reached by.
inline bool SameFile(const FileInfo& a, const FileInfo& b) {
    return a.device == b.device && a.inode == b.inode;
}

// The same file, and nothing about it changed.
inline bool Unchanged(const FileInfo& a, const FileInfo& b) {
    return SameFile(a, b) && a.length == b.length && a.modified == b.modified && a.changed == b.changed;
}

class InputFile {
public:
    virtual ~InputFile() = default;
    // Reads exactly n bytes at the current position; a file that ends sooner is an error.
    virtual FileStatus Read(char* buffer, std::size_t n) = 0;
};

class OutputFile {
public:
    virtual ~OutputFile() = default;
    // Writes n bytes at the current position. Writes may be buffered: their errors can show up later.
    virtual FileStatus Write(const char* data, std::size_t n) = 0;
    // Copies the next n bytes of source to the current position. The system may copy them itself, without
    // them passing through the program; where it cannot, they go through buffer, which holds size bytes.
    virtual FileStatus CopyFrom(InputFile& source, std::int64_t n, char* buffer, std::size_t size) {
        while (n > 0) {
            const auto take = static_cast<std::size_t>(std::min<std::int64_t>(n, std::int64_t(size)));
            if (auto error = source.Read(buffer, take)) {
                return error;
            }
            if (auto error = Write(buffer, take)) {
                return error;
            }
            n -= static_cast<std::int64_t>(take);
        }
        return std::nullopt;
    }
    // Writes out what is buffered and waits until the file's bytes are on the medium, so that nothing
    // else need be kept for them.
    virtual FileStatus Sync() = 0;
    // Writes out what is buffered and closes the file; no operation may follow.
    virtual FileStatus Close() = 0;
};

// Held while it lives; the system lets go of it also when the program dies.
class FileLock {
public:
    virtual ~FileLock() = default;
};

// Who holds the lock on a file, as Lock and CreateTemporary take it.
enum class LockState {
    Missing,   // there is no such file
    Held,      // a program that runs holds it
    Abandoned, // a regular file that nobody holds: the program that held it ended without removing it
    Other,     // something that is not a regular file, or that cannot be opened
};

// What a folder's entry is, as file lists tell it: links count as what they lead to.
enum class EntryKind {
    File,   // a regular file
    Folder, // a folder
    Other,  // a socket, pipe or device, a link that leads nowhere, or what cannot be looked at
};

// One entry of a folder. Hidden is what the system's file lists leave out: on Linux a name that begins
// with a dot, on Windows an entry with the hidden attribute.
struct FolderEntry {
    std::string name;
    EntryKind kind = EntryKind::Other;
    bool hidden = false;
};

// Whole-file operations. Every failure comes back as a value; nothing throws.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual FileStatus OpenRead(const std::string& path, std::unique_ptr<InputFile>& file) = 0;
    // Creates a file that does not exist yet; an existing entry of that name is an error (58).
    virtual FileStatus CreateNew(const std::string& path, std::unique_ptr<OutputFile>& file) = 0;
    // Creates path as a new file with the given permission bits (less what the user masks off, and never
    // setuid, setgid or sticky). An entry of that name is removed first, so a link there is replaced and
    // never written through.
    virtual FileStatus CreateReplacing(const std::string& path, unsigned permissions,
                                       std::unique_ptr<OutputFile>& file) = 0;
    // Opens for writing at the end, creating the file when it is missing; a link there is not followed.
    virtual FileStatus OpenAppend(const std::string& path, std::unique_ptr<OutputFile>& file) = 0;
    // Length of a regular file; no value when it is missing, not a regular file or cannot be read.
    virtual std::optional<std::int64_t> FileLength(const std::string& path) = 0;
    // What the entry at path is; with followLinks, what a link there leads to. No value when nothing is.
    virtual std::optional<FileInfo> Inspect(const std::string& path, bool followLinks) = 0;
    // The name, without its folder, of whatever exists at path; no value when nothing does.
    virtual std::optional<std::string> FindFile(const std::string& path) = 0;
    virtual FileStatus DeleteFile(const std::string& path) = 0;
    // Makes that one folder; its parent must exist and the name must be free.
    virtual FileStatus MakeFolder(const std::string& path) = 0;
    // Removes an empty folder.
    virtual FileStatus RemoveFolder(const std::string& path) = 0;
    // Takes the exclusive lock on the file at path, making the file when it is missing, so that a second
    // program asking for it is told 70 at once. The file goes again when the lock is let go. An entry there
    // that is no lock file (a file of the user's, a link) is left alone and told as 58; one that a run which
    // died left is taken over.
    virtual FileStatus Lock(const std::string& path, std::unique_ptr<FileLock>& lock) = 0;
    // Tells who holds the lock on the file at path, leaving the file as it is.
    virtual LockState ProbeLock(const std::string& path) = 0;
    // Creates a new file in folder named stem and a few random characters, with the given permission bits
    // (less what the user masks off); path gets its full path. Never opens an entry that was there. The file
    // is locked while it is open, so that ProbeLock tells one left by a program that died.
    virtual FileStatus CreateTemporary(const std::string& folder, const std::string& stem,
                                       unsigned permissions, std::string& path,
                                       std::unique_ptr<OutputFile>& file) = 0;
    // Gives the entry at from the name to, in one step. An entry at to is replaced only with replace;
    // otherwise the rename fails with 58, also when that entry appeared only a moment ago.
    virtual FileStatus Rename(const std::string& from, const std::string& to, bool replace) = 0;
    // Calls each with the name of every entry of folder but "." and "..", in no particular order, one at a
    // time so that a folder of any size is never held whole.
    virtual FileStatus ListFolder(const std::string& folder,
                                  const std::function<void(const std::string& name)>& each) = 0;
    // As ListFolder, telling each entry's kind and whether it is hidden; the listing stops early when each
    // answers false.
    virtual FileStatus ListEntries(const std::string& folder,
                                   const std::function<bool(const FolderEntry& entry)>& each) = 0;
};

} // namespace parvola
