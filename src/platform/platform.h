// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/checksums.h"
#include "platform/code_pages.h"
#include "platform/drives.h"
#include "platform/file_system.h"
#include "platform/paths.h"

namespace parvola {

// The operating system as the engine and the windows see it; app/ wires in the real parts.
struct Platform {
    FileSystem& files;
    Drives& drives;
    Paths& paths;
    CodePages& codePages;
    Checksums& checksums;
};

} // namespace parvola
