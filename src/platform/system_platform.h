// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The operating system's own implementation of each platform interface, under one name for the programs
// and the tests that run on every system.
#ifdef _WIN32
#include "platform/windows/windows_checksums.h"
#include "platform/windows/windows_code_pages.h"
#include "platform/windows/windows_drives.h"
#include "platform/windows/windows_file_system.h"
#include "platform/windows/windows_paths.h"
#else
#include "platform/linux/linux_checksums.h"
#include "platform/linux/linux_code_pages.h"
#include "platform/linux/linux_drives.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_paths.h"
#endif

namespace parvola {

#ifdef _WIN32
using SystemFileSystem = WindowsFileSystem;
using SystemDrives = WindowsDrives;
using SystemPaths = WindowsPaths;
using SystemCodePages = WindowsCodePages;
using SystemChecksums = WindowsChecksums;
#else
using SystemFileSystem = LinuxFileSystem;
using SystemDrives = LinuxDrives;
using SystemPaths = LinuxPaths;
using SystemCodePages = LinuxCodePages;
using SystemChecksums = LinuxChecksums;
#endif

} // namespace parvola
