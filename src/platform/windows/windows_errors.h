// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/file_system.h"

namespace parvola {

// The classic error number and text a Win32 error code stands for, with the system's own words as the
// cause: the same numbers and texts the Linux build gives for the same faults.
FileError ErrorFromWin32(unsigned long code);

// The same for GetLastError() of the call that just failed.
FileError LastWin32Error();

// A read that met the end of the file before it had all its bytes.
FileError WindowsPastEndOfFileError();

} // namespace parvola
