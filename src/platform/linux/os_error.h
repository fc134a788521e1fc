// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/file_system.h"

namespace parvola {

// The classic error number and text a failed system call stands for.
FileError ErrorFromErrno(int err);

// A read that met the end of the file before it had all its bytes.
FileError PastEndOfFileError();

} // namespace parvola
