// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/windows_drives.h"

#include "platform/windows/utf16.h"
#include "platform/windows/windows_errors.h"
#include "platform/windows/windows_file_system.h"

#include <cstdio>
#include <new>

#include <windows.h>

#include <shlobj.h>

namespace parvola {

namespace {

// Blocks of this size keep progress and cancel prompt on the slowest disks.
constexpr DWORD kCopyBlock = DWORD{1} << 20;

std::wstring WideRoot(const std::string& drive) {
    return WideFromUtf8(RootOfPath(drive));
}

struct VolumeFacts {
    DWORD serial = 0;
    DWORD longestName = 0;
    DWORD flags = 0;
    std::string fileSystem;
};

std::optional<VolumeFacts> AskVolume(const std::string& drive) {
    const std::wstring root = WideRoot(drive);
    wchar_t fileSystem[MAX_PATH + 1] = {};
    VolumeFacts facts;
    if (root.empty() || !::GetVolumeInformationW(root.c_str(), nullptr, 0, &facts.serial, &facts.longestName,
                                                 &facts.flags, fileSystem, MAX_PATH + 1)) {
        return std::nullopt;
    }
    facts.fileSystem = Utf8FromWide(fileSystem);
    return facts;
}

// Closes both files; on failure the new one goes again, since half a piece would pass for a whole one.
FileStatus Finish(HANDLE in, HANDLE out, const std::wstring& to, FileStatus status) {
    ::CloseHandle(in);
    if (!::CloseHandle(out) && !status) {
        status = LastWin32Error();
    }
    if (status) {
        ::DeleteFileW(to.c_str());
    }
    return status;
}

} // namespace

std::string RootOfPath(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':' && ((path[0] | 0x20) >= 'a' && (path[0] | 0x20) <= 'z')) {
        return path.substr(0, 2) + '\\';
    }
    if (path.size() > 2 && path[0] == '\\' && path[1] == '\\') {
        const std::size_t server = path.find('\\', 2);
        if (server == std::string::npos || server == 2) {
            return {};
        }
        const std::size_t share = path.find('\\', server + 1);
        if (share == server + 1) {
            return {};
        }
        return (share == std::string::npos ? path : path.substr(0, share)) + '\\';
    }
    return {};
}

std::string WindowsDrives::DriveOf(const std::string& path) {
    std::string root = RootOfPath(path);
    if (root.empty() && !path.empty()) {
        // Relative, or rooted at the current drive ("\a"): the full path names the drive.
        const std::wstring wide = WideFromUtf8(path);
        wchar_t full[MAX_PATH + 1] = {};
        const DWORD length = ::GetFullPathNameW(wide.c_str(), MAX_PATH + 1, full, nullptr);
        if (length > 0 && length <= MAX_PATH) {
            root = RootOfPath(Utf8FromWide(full));
        }
    }
    return root;
}

std::vector<std::string> WindowsDrives::Volumes() {
    std::vector<std::string> volumes;
    wchar_t buffer[26 * 4 + 2] = {};
    const DWORD length = ::GetLogicalDriveStringsW(sizeof buffer / sizeof buffer[0], buffer);
    if (length == 0 || length >= sizeof buffer / sizeof buffer[0]) {
        return volumes;
    }
    for (const wchar_t* drive = buffer; *drive; drive += std::wcslen(drive) + 1) {
        volumes.push_back(Utf8FromWide(drive));
    }
    return volumes;
}

std::string WindowsDrives::ShownLabel(const std::string& drive) {
    const std::wstring root = WideRoot(drive);
    const UINT type = root.empty() ? DRIVE_UNKNOWN : ::GetDriveTypeW(root.c_str());
    wchar_t label[MAX_PATH + 1] = {};
    if ((type == DRIVE_FIXED || type == DRIVE_RAMDISK) &&
        ::GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0)) {
        return Utf8FromWide(label);
    }
    return {};
}

DriveType WindowsDrives::TypeOf(const std::string& drive) {
    // Floppy drives are DRIVE_REMOVABLE as well.
    const std::wstring root = WideRoot(drive);
    return !root.empty() && ::GetDriveTypeW(root.c_str()) == DRIVE_REMOVABLE ? DriveType::Removable
                                                                             : DriveType::Fixed;
}

std::int64_t WindowsDrives::FreeBytes(const std::string& drive) {
    const std::wstring root = WideRoot(drive);
    ULARGE_INTEGER freeToCaller{};
    if (root.empty() || !::GetDiskFreeSpaceExW(root.c_str(), &freeToCaller, nullptr, nullptr)) {
        return 0;
    }
    return static_cast<std::int64_t>(freeToCaller.QuadPart);
}

std::int64_t WindowsDrives::SpaceFor(const std::string& drive, std::int64_t length) {
    const std::wstring root = WideRoot(drive);
    DWORD sectorsPerCluster = 0;
    DWORD bytesPerSector = 0;
    DWORD freeClusters = 0;
    DWORD clusters = 0;
    std::int64_t unit = 4096;
    if (!root.empty() &&
        ::GetDiskFreeSpaceW(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters) &&
        sectorsPerCluster > 0 && bytesPerSector > 0) {
        unit = std::int64_t{sectorsPerCluster} * bytesPerSector;
    }
    // FAT, exFAT and NTFS keep their allocation records apart: a file takes its clusters only.
    return (length + unit - 1) / unit * unit;
}

DriveLimits WindowsDrives::Limits(const std::string& drive) {
    DriveLimits limits;
    limits.forbidden = "<>:\"/\\|?*";
    limits.namesInUtf16 = true;
    limits.ignoresCase = true;
    limits.longestName = 255;
    if (const auto facts = AskVolume(drive)) {
        limits.fileSystem = facts->fileSystem;
        limits.ignoresCase = (facts->flags & FILE_CASE_SENSITIVE_SEARCH) == 0;
        if (facts->longestName > 0) {
            limits.longestName = facts->longestName;
        }
        if (limits.fileSystem == "FAT" || limits.fileSystem == "FAT32") {
            limits.largestFile = 4294967295;
        }
    }
    return limits;
}

std::optional<std::string> WindowsDrives::SetLabel(const std::string& drive, const std::string& label) {
    const std::wstring root = WideRoot(drive);
    if (root.empty()) {
        return "it is no drive";
    }
    const std::wstring wide = WideFromUtf8(label);
    if (::SetVolumeLabelW(root.c_str(), wide.empty() ? nullptr : wide.c_str())) {
        return std::nullopt;
    }
    return LastWin32Error().cause;
}

FormatResult WindowsDrives::Format(const std::string& drive) {
    const std::string root = RootOfPath(drive);
    // The dialog formats drive letters only.
    if (root.size() != 3) {
        return FormatResult::Failed;
    }
    const UINT index = static_cast<UINT>((root[0] | 0x20) - 'a');
    // The dialog needs a parent window.
    HWND parent = ::GetActiveWindow();
    if (!parent) {
        parent = ::GetDesktopWindow();
    }
    const DWORD answer = ::SHFormatDrive(parent, index, SHFMT_ID_DEFAULT, 0);
    switch (answer) {
    case SHFMT_CANCEL:
        return FormatResult::Cancelled;
    // "No format" (wine's whole answer) means the disk is as it was: never to be taken for a formatted one.
    case SHFMT_ERROR:
    case SHFMT_NOFORMAT:
        return FormatResult::Failed;
    default:
        return FormatResult::Formatted;
    }
}

FileStatus WindowsDrives::CopyToDisk(const std::string& from, const std::string& to,
                                     const std::function<bool(std::int64_t, std::int64_t)>& progress) {
    const std::wstring wideFrom = WideFromUtf8(from);
    const std::wstring wideTo = WideFromUtf8(to);
    if (wideFrom.empty() || wideTo.empty()) {
        return ErrorFromWin32(ERROR_PATH_NOT_FOUND);
    }
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[kCopyBlock]);
    if (!buffer) {
        return ErrorFromWin32(ERROR_NOT_ENOUGH_MEMORY);
    }
    const HANDLE in = ::CreateFileW(wideFrom.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    LARGE_INTEGER total{};
    if (in == INVALID_HANDLE_VALUE) {
        return LastWin32Error();
    }
    if (!::GetFileSizeEx(in, &total)) {
        const FileError error = LastWin32Error();
        ::CloseHandle(in);
        return error;
    }
    // Whatever entry has the name is replaced as a whole, so that a link there is never written through.
    if (FileStatus status = RemoveEntry(to)) {
        ::CloseHandle(in);
        return status;
    }
    const HANDLE out = ::CreateFileW(wideTo.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (out == INVALID_HANDLE_VALUE) {
        const FileError error = LastWin32Error();
        ::CloseHandle(in);
        return error;
    }
    if (progress) {
        progress(0, total.QuadPart);
    }
    std::int64_t copied = 0;
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(in, buffer.get(), kCopyBlock, &got, nullptr)) {
            return Finish(in, out, wideTo, LastWin32Error());
        }
        if (got == 0) {
            break;
        }
        for (DWORD done = 0; done < got;) {
            DWORD put = 0;
            if (!::WriteFile(out, buffer.get() + done, got - done, &put, nullptr)) {
                return Finish(in, out, wideTo, LastWin32Error());
            }
            if (put == 0) {
                return Finish(in, out, wideTo, ErrorFromWin32(ERROR_DISK_FULL));
            }
            done += put;
        }
        copied += got;
        if (progress && !progress(copied, total.QuadPart)) {
            return Finish(in, out, wideTo, ErrorFromWin32(ERROR_CANCELLED));
        }
    }
    // On the medium before the user is told the disk may come out.
    FileStatus status = ::FlushFileBuffers(out) ? std::nullopt : FileStatus(LastWin32Error());
    return Finish(in, out, wideTo, status);
}

std::string WindowsDrives::CurrentMount(const std::string& drive) {
    return AskVolume(drive) ? drive : std::string();
}

std::string WindowsDrives::VolumeIdentity(const std::string& drive) {
    const auto facts = AskVolume(drive);
    if (!facts) {
        return {};
    }
    char text[9];
    std::snprintf(text, sizeof text, "%08lX", static_cast<unsigned long>(facts->serial));
    return text;
}

} // namespace parvola
