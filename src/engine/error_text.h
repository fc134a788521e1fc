// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/file_system.h"

#include <string>

namespace parvola {

// "Error: 61", a blank line and "Disk full": how every message tells a failed file operation.
inline std::string ErrorText(const FileError& error) {
    return "Error: " + std::to_string(error.number) + "\r\n\r\n" + error.description;
}

} // namespace parvola
