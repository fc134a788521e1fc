// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/command_line.h"

#include <optional>
#include <string>
#include <vector>

namespace parvola {

struct JoinOptions {
    std::string piece; // name.001, name.bat or name
    std::string dest;  // empty: beside the pieces
    bool force = false;
    bool deletePieces = false;
    bool check = false;
    bool unchecked = false; // without the batch file or the checksum file beside the pieces
    bool help = false;
    bool version = false;
};

// The arguments after the program's name.
ParsedArguments<JoinOptions> ParseJoinArguments(const std::vector<std::string>& args);

std::string JoinUsage();

} // namespace parvola
