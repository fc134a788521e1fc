// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/command_line.h"

#include <optional>
#include <string>
#include <vector>

namespace parvola {

// A piece size the user chose, with the question that confirms it.
struct SizeChoice {
    double bytes = 0;
    std::string question;
};

// What a size on the command line came to: the size, or why it was refused.
struct SizeReading {
    std::optional<SizeChoice> size;
    std::string error; // when size has no value
};

// A number of bytes, whole or with a decimal fraction, followed by nothing (bytes), K, M or G (1000, 1000000
// and 1000000000 bytes, as in the window) or KiB, MiB or GiB (1024-based), in either case: "2.5M", "100m",
// "1000000", "4MiB". The window's named sizes ("1.44M") keep the window's questions. Refused: KB and its
// kin, which read either way; sizes that are zero, not a whole number of bytes, or above 2^53.
SizeReading ParseSize(const std::string& text);

struct SplitOptions {
    SizeChoice size;
    std::string dest; // empty: the current folder
    std::string file;
    bool yes = false;
    bool checksum = true;      // whatever the optChecksum setting says
    bool deleteSource = false; // after a complete split; whatever the optClean setting says
    bool help = false;
    bool version = false;
};

// The arguments after the program's name.
ParsedArguments<SplitOptions> ParseSplitArguments(const std::vector<std::string>& args);

std::string SplitUsage();

} // namespace parvola
