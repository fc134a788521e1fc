// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/windows_errors.h"

#include "platform/windows/utf16.h"

#include <windows.h>

namespace parvola {

namespace {

int ClassicNumber(unsigned long code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_DIRECTORY:
        return ErrorNumber::PathNotFound;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_FILE_TOO_LARGE:
        return ErrorNumber::DiskFull;
    case ERROR_CRC:
    case ERROR_SEEK:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT:
    case ERROR_GEN_FAILURE:
    case ERROR_IO_DEVICE:
        return ErrorNumber::DeviceIo;
    case ERROR_NOT_READY:
    case ERROR_WRONG_DISK:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_NO_MEDIA_IN_DRIVE:
    case ERROR_UNRECOGNIZED_MEDIA:
        return ErrorNumber::DiskNotReady;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_INVALID_HANDLE:
    case ERROR_NO_UNICODE_TRANSLATION:
        return ErrorNumber::BadFileName;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return ErrorNumber::FileExists;
    // Another program holds the file open without sharing it: told like a lock that is held.
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return ErrorNumber::PermissionDenied;
    case ERROR_HANDLE_EOF:
        return ErrorNumber::PastEndOfFile;
    case ERROR_CANCELLED:
    case ERROR_REQUEST_ABORTED:
        return ErrorNumber::UserInterrupt;
    default:
        // ERROR_ACCESS_DENIED, ERROR_WRITE_PROTECT and whatever has no closer match.
        return ErrorNumber::PathFileAccess;
    }
}

// The system's message for code in its own words, without the line break and full stop it ends in.
std::string SystemWords(unsigned long code) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                              FORMAT_MESSAGE_IGNORE_INSERTS,
                                          nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring words = length > 0 && text ? std::wstring(text, length) : std::wstring();
    if (text) {
        ::LocalFree(text);
    }
    const std::size_t end = words.find_last_not_of(L" \t\r\n.");
    words.erase(end == std::wstring::npos ? 0 : end + 1);
    if (words.empty()) {
        return "Windows error " + std::to_string(code);
    }
    return Utf8FromWide(words);
}

} // namespace

FileError ErrorFromWin32(unsigned long code) {
    FileError error = ClassicFileError(ClassicNumber(code));
    error.cause = SystemWords(code);
    return error;
}

FileError LastWin32Error() {
    return ErrorFromWin32(::GetLastError());
}

FileError WindowsPastEndOfFileError() {
    return ClassicFileError(ErrorNumber::PastEndOfFile);
}

} // namespace parvola
