#pragma once

#include "platform/file_system.h"

#include <cstddef>
#include <string>

namespace parvola {

// open(2) with O_CLOEXEC, tried again when a signal interrupts it; -1 with errno set on failure.
int OpenDescriptor(const std::string& path, int flags);

// Writes all of data, going on after partial writes and interrupted calls.
FileStatus WriteAll(int fd, const char* data, std::size_t n);

} // namespace parvola
