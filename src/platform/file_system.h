#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace parvola {

// A failed file operation, told the way the messages show it: "Error: 61" and "Disk full".
struct FileError {
    int number = 0;
    std::string description;
};

// No value: the operation succeeded.
using FileStatus = std::optional<FileError>;

// The classic error numbers the messages use.
namespace ErrorNumber {
constexpr int BadFileName = 52;
constexpr int DeviceIo = 57;
constexpr int FileExists = 58;
constexpr int DiskFull = 61;
constexpr int PastEndOfFile = 62;
constexpr int DiskNotReady = 71;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
} // namespace ErrorNumber

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
    // Writes out what is buffered and closes the file; no operation may follow.
    virtual FileStatus Close() = 0;
};

// Whole-file operations. Every failure comes back as a value; nothing throws.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual FileStatus OpenRead(const std::string& path, std::unique_ptr<InputFile>& file) = 0;
    // Creates a file that does not exist yet; an existing entry of that name is an error (58).
    virtual FileStatus CreateNew(const std::string& path, std::unique_ptr<OutputFile>& file) = 0;
    // Creates the file, or empties an existing one.
    virtual FileStatus CreateOrTruncate(const std::string& path, std::unique_ptr<OutputFile>& file) = 0;
    // Opens for writing at the end, creating the file when it is missing.
    virtual FileStatus OpenAppend(const std::string& path, std::unique_ptr<OutputFile>& file) = 0;
    // Length of a regular file; no value when it is missing, not a regular file or cannot be read.
    virtual std::optional<std::int64_t> FileLength(const std::string& path) = 0;
    // The name, without its folder, of whatever exists at path; no value when nothing does.
    virtual std::optional<std::string> FindFile(const std::string& path) = 0;
    virtual FileStatus DeleteFile(const std::string& path) = 0;
    // Makes that one folder; its parent must exist and the name must be free.
    virtual FileStatus MakeFolder(const std::string& path) = 0;
    // Removes an empty folder.
    virtual FileStatus RemoveFolder(const std::string& path) = 0;
    // Both paths lead to one and the same existing file (also through links).
    virtual bool SameFile(const std::string& a, const std::string& b) = 0;
};

} // namespace parvola
