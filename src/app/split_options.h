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

// "360K" … "120M" with the questions the windowed program asks, or digits followed by K (1000 bytes) or M
// (1000000 bytes), at least 1. No value for anything else.
std::optional<SizeChoice> ParseSize(const std::string& text);

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
