#pragma once

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

// Reads the arguments after the program's name: "--name value", "--name=value" and "-n value"; "--" ends
// the options, and "-" alone is an operand.
CommandLine ReadCommandLine(const std::vector<std::string>& args, const std::vector<KnownOption>& known);

} // namespace parvola
