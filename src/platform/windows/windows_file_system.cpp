// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/windows_file_system.h"

#include "platform/path_text.h"
#include "platform/windows/utf16.h"
#include "platform/windows/windows_drives.h"
#include "platform/windows/windows_errors.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>
#include <random>
#include <utility>

#include <windows.h>
// The method of that name, not the ANSI entry point the macro would make of it.
#undef DeleteFile

namespace parvola {

namespace {

// Writes are gathered in a buffer of this size, so the engine's small blocks cost few system calls.
constexpr std::size_t kFileBufferSize = std::size_t{1} << 18;
// Larger writes go straight to the file while the buffer is empty.
constexpr std::size_t kDirectTransferSize = 32768;
// The most one ReadFile or WriteFile is asked for: their counts are 32-bit.
constexpr std::size_t kLargestTransfer = std::size_t{1} << 30;

// Same text as the Linux build's lock files, so a lock left on a shared disk reads the same.
constexpr const char* kLockText = "Parvola keeps a second run off these pieces while this file is held.\n";

HANDLE Open(const std::string& path, DWORD access, DWORD share, DWORD disposition, DWORD flags) {
    const std::wstring wide = WideFromUtf8(path);
    if (wide.empty()) {
        ::SetLastError(path.empty() ? ERROR_PATH_NOT_FOUND : ERROR_NO_UNICODE_TRANSLATION);
        return INVALID_HANDLE_VALUE;
    }
    return ::CreateFileW(wide.c_str(), access, share, nullptr, disposition, flags, nullptr);
}

FileStatus ReadAll(HANDLE handle, char* buffer, std::size_t n) {
    while (n > 0) {
        DWORD got = 0;
        if (!::ReadFile(handle, buffer, static_cast<DWORD>(std::min(n, kLargestTransfer)), &got, nullptr)) {
            return LastWin32Error();
        }
        if (got == 0) {
            return WindowsPastEndOfFileError();
        }
        buffer += got;
        n -= got;
    }
    return std::nullopt;
}

FileStatus WriteAll(HANDLE handle, const char* data, std::size_t n) {
    while (n > 0) {
        DWORD put = 0;
        if (!::WriteFile(handle, data, static_cast<DWORD>(std::min(n, kLargestTransfer)), &put, nullptr)) {
            return LastWin32Error();
        }
        if (put == 0) {
            return ErrorFromWin32(ERROR_DISK_FULL);
        }
        data += put;
        n -= put;
    }
    return std::nullopt;
}

class WindowsInputFile final : public InputFile {
public:
    explicit WindowsInputFile(HANDLE handle) : m_handle(handle) {}
    ~WindowsInputFile() override { ::CloseHandle(m_handle); }
    WindowsInputFile(const WindowsInputFile&) = delete;
    WindowsInputFile& operator=(const WindowsInputFile&) = delete;

    FileStatus Read(char* buffer, std::size_t n) override { return ReadAll(m_handle, buffer, n); }

private:
    HANDLE m_handle;
};

class WindowsOutputFile final : public OutputFile {
public:
    WindowsOutputFile(HANDLE handle, std::unique_ptr<char[]> buffer)
        : m_handle(handle), m_buffer(std::move(buffer)) {}
    ~WindowsOutputFile() override {
        if (m_handle != INVALID_HANDLE_VALUE) {
            Close();
        }
    }
    WindowsOutputFile(const WindowsOutputFile&) = delete;
    WindowsOutputFile& operator=(const WindowsOutputFile&) = delete;

    FileStatus Write(const char* data, std::size_t n) override {
        if (m_handle == INVALID_HANDLE_VALUE) {
            return ErrorFromWin32(ERROR_INVALID_HANDLE);
        }
        if (m_used == 0 && n >= kDirectTransferSize) {
            return WriteAll(m_handle, data, n);
        }
        if (n < kFileBufferSize - m_used) {
            std::memcpy(m_buffer.get() + m_used, data, n);
            m_used += n;
            return std::nullopt;
        }
        if (FileStatus status = Flush()) {
            return status;
        }
        return Write(data, n);
    }

    FileStatus Sync() override {
        if (m_handle == INVALID_HANDLE_VALUE) {
            return ErrorFromWin32(ERROR_INVALID_HANDLE);
        }
        if (FileStatus status = Flush()) {
            return status;
        }
        return ::FlushFileBuffers(m_handle) ? std::nullopt : FileStatus(LastWin32Error());
    }

    FileStatus Close() override {
        if (m_handle == INVALID_HANDLE_VALUE) {
            return ErrorFromWin32(ERROR_INVALID_HANDLE);
        }
        FileStatus status = Flush();
        if (!::CloseHandle(m_handle) && !status) {
            status = LastWin32Error();
        }
        m_handle = INVALID_HANDLE_VALUE;
        return status;
    }

private:
    // Bytes that failed to go out are dropped: their error has been told once.
    FileStatus Flush() {
        const std::size_t used = m_used;
        m_used = 0;
        return WriteAll(m_handle, m_buffer.get(), used);
    }

    HANDLE m_handle;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_used = 0;
};

// Opens an output file; the buffer comes first, so that no file is made without one.
FileStatus OpenOutput(const std::string& path, DWORD access, DWORD share, DWORD disposition,
                      std::unique_ptr<OutputFile>& file) {
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[kFileBufferSize]);
    if (!buffer) {
        return ErrorFromWin32(ERROR_NOT_ENOUGH_MEMORY);
    }
    // Reading its attributes as well, to see what was opened.
    const HANDLE handle = Open(path, access | FILE_READ_ATTRIBUTES, share, disposition,
                               FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT);
    if (handle == INVALID_HANDLE_VALUE) {
        return LastWin32Error();
    }
    // A link opened as itself would have its own bytes written: that is no file of the user's to add to.
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileInformationByHandle(handle, &info) &&
        (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        ::CloseHandle(handle);
        return ErrorFromWin32(ERROR_ACCESS_DENIED);
    }
    file = std::make_unique<WindowsOutputFile>(handle, std::move(buffer));
    return std::nullopt;
}

class WindowsFileLock final : public FileLock {
public:
    explicit WindowsFileLock(HANDLE handle) : m_handle(handle) {}
    // FILE_FLAG_DELETE_ON_CLOSE takes the file away with the handle.
    ~WindowsFileLock() override { ::CloseHandle(m_handle); }
    WindowsFileLock(const WindowsFileLock&) = delete;
    WindowsFileLock& operator=(const WindowsFileLock&) = delete;

private:
    HANDLE m_handle;
};

// A handle for asking about the entry itself (or what a link leads to); any sharing, no data access.
HANDLE OpenForQuery(const std::string& path, bool followLinks) {
    return Open(path, FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT));
}

FileStatus Succeeded(BOOL ok) {
    return ok ? std::nullopt : FileStatus(LastWin32Error());
}

} // namespace

std::int64_t UnixNanoseconds(std::int64_t windowsTime) {
    constexpr std::int64_t kUnixEpoch = 116444736000000000; // 1970-01-01 in 100 ns units since 1601
    return (windowsTime - kUnixEpoch) * 100;
}

FileStatus WindowsFileSystem::OpenRead(const std::string& path, std::unique_ptr<InputFile>& file) {
    // Shared every way: the checksums read a piece again while it is still being written.
    const HANDLE handle = Open(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN);
    if (handle == INVALID_HANDLE_VALUE) {
        return LastWin32Error();
    }
    file = std::make_unique<WindowsInputFile>(handle);
    return std::nullopt;
}

FileStatus WindowsFileSystem::CreateNew(const std::string& path, std::unique_ptr<OutputFile>& file) {
    return OpenOutput(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, CREATE_NEW, file);
}

FileStatus RemoveEntry(const std::string& path) {
    const std::wstring wide = WideFromUtf8(path);
    if (wide.empty()) {
        return ErrorFromWin32(ERROR_PATH_NOT_FOUND);
    }
    if (::DeleteFileW(wide.c_str())) {
        return std::nullopt;
    }
    DWORD error = ::GetLastError();
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == FILE_ATTRIBUTE_READONLY) {
        if (::SetFileAttributesW(wide.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY}) &&
            ::DeleteFileW(wide.c_str())) {
            return std::nullopt;
        }
        error = ::GetLastError();
        ::SetFileAttributesW(wide.c_str(), attributes);
    }
    return error == ERROR_FILE_NOT_FOUND ? std::nullopt : FileStatus(ErrorFromWin32(error));
}

FileStatus WindowsFileSystem::CreateReplacing(const std::string& path, unsigned /*permissions*/,
                                              std::unique_ptr<OutputFile>& file) {
    // Windows files carry no mode bits; a read-only output would only keep the program from removing it.
    if (FileStatus status = RemoveEntry(path)) {
        return status;
    }
    return CreateNew(path, file);
}

FileStatus WindowsFileSystem::OpenAppend(const std::string& path, std::unique_ptr<OutputFile>& file) {
    return OpenOutput(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_DELETE, OPEN_ALWAYS, file);
}

std::optional<std::int64_t> WindowsFileSystem::FileLength(const std::string& path) {
    const auto info = Inspect(path, true);
    if (!info || info->permissions == 0) {
        return std::nullopt;
    }
    return info->length;
}

std::optional<FileInfo> WindowsFileSystem::Inspect(const std::string& path, bool followLinks) {
    const HANDLE handle = OpenForQuery(path, followLinks);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION by{};
    FILE_BASIC_INFO basic{};
    const bool known = ::GetFileInformationByHandle(handle, &by) &&
                       ::GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic);
    ::CloseHandle(handle);
    if (!known) {
        return std::nullopt;
    }
    FileInfo info;
    info.device = by.dwVolumeSerialNumber;
    info.inode = (std::uint64_t{by.nFileIndexHigh} << 32) | by.nFileIndexLow;
    info.length = static_cast<std::int64_t>((std::uint64_t{by.nFileSizeHigh} << 32) | by.nFileSizeLow);
    info.modified = UnixNanoseconds(static_cast<std::int64_t>(
        (std::uint64_t{by.ftLastWriteTime.dwHighDateTime} << 32) | by.ftLastWriteTime.dwLowDateTime));
    info.changed = UnixNanoseconds(basic.ChangeTime.QuadPart);
    // Folders and links get no mode bits, which FileLength uses to tell them from regular files.
    const bool regular =
        (by.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
    info.permissions = !regular ? 0 : (by.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0 ? 0444 : 0644;
    if (!regular) {
        info.length = 0;
    }
    return info;
}

std::optional<std::string> WindowsFileSystem::FindFile(const std::string& path) {
    const std::wstring wide = WideFromUtf8(path);
    // Wildcards would find some other file.
    if (wide.empty() || wide.find_first_of(L"*?") != std::wstring::npos ||
        ::GetFileAttributesW(wide.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return std::nullopt;
    }
    // A root is its own name; no folder lists it, and "C:" alone would mean the working folder of drive C.
    const std::string root = RootOfPath(path);
    if (!root.empty() && WithoutTrailingSeparator(path).size() <= WithoutTrailingSeparator(root).size()) {
        return root;
    }
    // The name as the folder spells it, which may differ in case from the one asked for.
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileExW(WideFromUtf8(WithoutTrailingSeparator(path)).c_str(),
                                             FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        return LastName(path);
    }
    ::FindClose(search);
    return Utf8FromWide(found.cFileName);
}

FileStatus WindowsFileSystem::DeleteFile(const std::string& path) {
    const std::wstring wide = WideFromUtf8(path);
    return Succeeded(!wide.empty() && ::DeleteFileW(wide.c_str()));
}

FileStatus WindowsFileSystem::MakeFolder(const std::string& path) {
    const std::wstring wide = WideFromUtf8(path);
    return Succeeded(!wide.empty() && ::CreateDirectoryW(wide.c_str(), nullptr));
}

FileStatus WindowsFileSystem::RemoveFolder(const std::string& path) {
    const std::wstring wide = WideFromUtf8(path);
    return Succeeded(!wide.empty() && ::RemoveDirectoryW(wide.c_str()));
}

FileStatus WindowsFileSystem::Lock(const std::string& path, std::unique_ptr<FileLock>& lock) {
    const FileError notALock{ErrorNumber::FileExists, "File already exists"};
    const DWORD lockFlags = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT;
    for (int attempt = 0; attempt < 10; ++attempt) {
        // No sharing at all: a second opener, this program or another, is refused while this handle lives.
        HANDLE handle = Open(path, GENERIC_READ | GENERIC_WRITE | DELETE, 0, CREATE_NEW, lockFlags);
        if (handle != INVALID_HANDLE_VALUE) {
            if (FileStatus status = WriteAll(handle, kLockText, std::strlen(kLockText))) {
                ::CloseHandle(handle);
                return status;
            }
            lock = std::make_unique<WindowsFileLock>(handle);
            return std::nullopt;
        }
        DWORD error = ::GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            return ErrorFromWin32(error);
        }
        // Something is there. Looked at without the delete flag, so that a file of the user's stays.
        handle = Open(path, GENERIC_READ, 0, OPEN_EXISTING,
                      FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS);
        if (handle == INVALID_HANDLE_VALUE) {
            error = ::GetLastError();
            if (error == ERROR_SHARING_VIOLATION) {
                return FileError{ErrorNumber::PermissionDenied, "Permission denied"};
            }
            if (error == ERROR_FILE_NOT_FOUND || error == ERROR_ACCESS_DENIED) {
                ::Sleep(10); // let go of in the meantime, or still on its way out
                continue;
            }
            return ErrorFromWin32(error);
        }
        BY_HANDLE_FILE_INFORMATION info{};
        char text[128] = {};
        DWORD got = 0;
        const bool regular =
            ::GetFileInformationByHandle(handle, &info) &&
            (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
        const bool isLock = regular && ::ReadFile(handle, text, sizeof text - 1, &got, nullptr) &&
                            std::strcmp(text, kLockText) == 0;
        ::CloseHandle(handle);
        if (!isLock) {
            return notALock;
        }
        // A lock whose handle outlived its file's removal, such as one a crashed run left on a network
        // share: this run's now.
        handle = Open(path, GENERIC_READ | GENERIC_WRITE | DELETE, 0, OPEN_EXISTING, lockFlags);
        if (handle != INVALID_HANDLE_VALUE) {
            lock = std::make_unique<WindowsFileLock>(handle);
            return std::nullopt;
        }
        if (::GetLastError() == ERROR_SHARING_VIOLATION) {
            return FileError{ErrorNumber::PermissionDenied, "Permission denied"};
        }
    }
    return ErrorFromWin32(ERROR_SHARING_VIOLATION);
}

LockState WindowsFileSystem::ProbeLock(const std::string& path) {
    // Asking for delete access meets both a lock (shared with no one) and a temporary file (shared for
    // reading and writing, never for deleting) with a sharing violation, and changes nothing.
    const HANDLE handle =
        Open(path, GENERIC_READ | DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
             OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            return LockState::Missing;
        }
        return error == ERROR_SHARING_VIOLATION ? LockState::Held : LockState::Other;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool regular =
        ::GetFileInformationByHandle(handle, &info) &&
        (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
    ::CloseHandle(handle);
    return regular ? LockState::Abandoned : LockState::Other;
}

FileStatus WindowsFileSystem::CreateTemporary(const std::string& folder, const std::string& stem,
                                              unsigned /*permissions*/, std::string& path,
                                              std::unique_ptr<OutputFile>& file) {
    // Random, so that nobody can take the names in advance; CREATE_NEW, so that nothing there is opened.
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::uniform_int_distribution<std::size_t> letter(0, sizeof kLetters - 2);
    FileStatus status;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = stem + '-';
        for (int i = 0; i < 6; ++i) {
            name += kLetters[letter(random)];
        }
        path = JoinPath(folder, name);
        // Not shared for deleting, so that ProbeLock tells it held while it is open.
        status = OpenOutput(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, CREATE_NEW, file);
        if (!status || status->number != ErrorNumber::FileExists) {
            break;
        }
    }
    return status;
}

FileStatus WindowsFileSystem::Rename(const std::string& from, const std::string& to, bool replace) {
    const std::wstring wideFrom = WideFromUtf8(from);
    const std::wstring wideTo = WideFromUtf8(to);
    if (wideFrom.empty() || wideTo.empty()) {
        return ErrorFromWin32(ERROR_PATH_NOT_FOUND);
    }
    return Succeeded(
        ::MoveFileExW(wideFrom.c_str(), wideTo.c_str(), replace ? MOVEFILE_REPLACE_EXISTING : 0));
}

FileStatus WindowsFileSystem::ListFolder(const std::string& folder,
                                         const std::function<void(const std::string& name)>& each) {
    return ListEntries(folder, [&each](const FolderEntry& entry) {
        each(entry.name);
        return true;
    });
}

FileStatus WindowsFileSystem::ListEntries(const std::string& folder,
                                          const std::function<bool(const FolderEntry& entry)>& each) {
    const std::wstring pattern = WideFromUtf8(JoinPath(folder, "*"));
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                             nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        // A drive root that holds nothing lists no "." either.
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? std::nullopt : FileStatus(ErrorFromWin32(error));
    }
    FolderEntry entry;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") {
            continue;
        }
        entry.name = Utf8FromWide(name);
        entry.kind = found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? EntryKind::Folder : EntryKind::File;
        entry.hidden = (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        if (!each(entry)) {
            ::FindClose(search);
            return std::nullopt;
        }
    } while (::FindNextFileW(search, &found));
    const DWORD error = ::GetLastError();
    ::FindClose(search);
    return error == ERROR_NO_MORE_FILES ? std::nullopt : FileStatus(ErrorFromWin32(error));
}

} // namespace parvola
