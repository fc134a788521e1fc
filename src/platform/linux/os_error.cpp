// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/os_error.h"

#include <cerrno>
#include <cstring>

namespace parvola {

namespace {

// The classic number and text of an errno.
FileError ClassicError(int err) {
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        return ClassicFileError(ErrorNumber::PathNotFound);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return ClassicFileError(ErrorNumber::DiskFull);
    case EIO:
        return ClassicFileError(ErrorNumber::DeviceIo);
    case ENOMEDIUM:
    case ENXIO:
    case ENODEV:
        return ClassicFileError(ErrorNumber::DiskNotReady);
    // open() answers EINVAL for names the file system cannot hold; on a descriptor it means a bad
    // file number, which the same text covers.
    case ENAMETOOLONG:
    case EILSEQ:
    case EINVAL:
        return ClassicFileError(ErrorNumber::BadFileName);
    case EEXIST:
        return ClassicFileError(ErrorNumber::FileExists);
    default:
        // EROFS, EACCES, EPERM, ETXTBSY and whatever has no closer match.
        return ClassicFileError(ErrorNumber::PathFileAccess);
    }
}

} // namespace

FileError ErrorFromErrno(int err) {
    FileError error = ClassicError(err);
    error.cause = std::strerror(err);
    return error;
}

FileError PastEndOfFileError() {
    return ClassicFileError(ErrorNumber::PastEndOfFile);
}

} // namespace parvola
