// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/os_error.h"

#include <cerrno>
#include <cstring>

namespace parvola {

namespace {

FileError Make(int number) {
    switch (number) {
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
    case ErrorNumber::DiskNotReady:
        return {number, "Disk not ready"};
    case ErrorNumber::PathNotFound:
        return {number, "Path not found"};
    default:
        return {ErrorNumber::PathFileAccess, "Path/File access error"};
    }
}

// The classic number and text of an errno.
FileError ClassicError(int err) {
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        return Make(ErrorNumber::PathNotFound);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return Make(ErrorNumber::DiskFull);
    case EIO:
        return Make(ErrorNumber::DeviceIo);
    case ENOMEDIUM:
    case ENXIO:
    case ENODEV:
        return Make(ErrorNumber::DiskNotReady);
    // open() answers EINVAL for names the file system cannot hold; on a descriptor it means a bad
    // file number, which the same text covers.
    case ENAMETOOLONG:
    case EILSEQ:
    case EINVAL:
        return Make(ErrorNumber::BadFileName);
    case EEXIST:
        return Make(ErrorNumber::FileExists);
    default:
        // EROFS, EACCES, EPERM, ETXTBSY and whatever has no closer match.
        return Make(ErrorNumber::PathFileAccess);
    }
}

} // namespace

FileError ErrorFromErrno(int err) {
    FileError error = ClassicError(err);
    error.cause = std::strerror(err);
    return error;
}

FileError PastEndOfFileError() {
    return Make(ErrorNumber::PastEndOfFile);
}

} // namespace parvola
