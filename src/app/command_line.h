// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace parvola {

// One option a program takes.
struct KnownOption {
    const char* name;      // "--dest"
    const char* shortName; // "-d"; null for none
    // What must follow it, as the message about a missing one names it ("a folder"); null for a switch.
    const char* value;
};

struct CommandLine {
    std::vector<std::pair<std::string, std::string>> options; // long name and value, in the order given
    std::vector<std::string> operands;
    std::string error; // why the arguments were refused; empty when they were not
};

// What a program made of its arguments: its options, or why it refused them.
template <typename Options> struct ParsedArguments {
    std::optional<Options> options;
    std::string error; // when options has no value
};

// Reads the arguments after the program's name: "--name value", "--name=value", "-n value", "-nvalue" and
// short options bundled ("-yn value", "-ynvalue"); "--" ends the options, and "-" alone is an operand.
CommandLine ReadCommandLine(const std::vector<std::string>& args, const std::vector<KnownOption>& known);

// The two lines a wrong argument gets: what is wrong, and where to read more.
std::string UsageError(const char* program, const std::string& error);

// Writes text (help, version) to the standard output and flushes it. 0 when all of it got there; else 1,
// after telling why on the error stream as "program: write error: reason", so that a full disk or a closed
// output is not taken for a success.
int PrintToOutput(const char* program, const std::string& text);

// Whether the standard stream numbered stream (0 input, 1 output, 2 errors) is a terminal, where a person
// reads and may answer.
bool IsTerminal(int stream);

} // namespace parvola
