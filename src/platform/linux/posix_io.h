// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/file_system.h"

#include <cstddef>
#include <string>

namespace parvola {

// open(2) with O_CLOEXEC, tried again when a signal interrupts it; -1 with errno set on failure.
int OpenDescriptor(const std::string& path, int flags, unsigned permissions = 0666);

// Creates path as a new file, first removing an entry of that name (a link is removed, never followed);
// the setuid, setgid and sticky bits of permissions are dropped. -1 with errno set on failure.
int CreateReplacing(const std::string& path, int flags, unsigned permissions);

// realpath(3) as a string: links, "." and ".." resolved; empty when the path cannot be resolved.
std::string RealPath(const std::string& path);

// read(2) tried again when a signal interrupts it.
long ReadSome(int fd, char* buffer, std::size_t n);

// Writes all of data, going on after partial writes and interrupted calls.
FileStatus WriteAll(int fd, const char* data, std::size_t n);

} // namespace parvola
