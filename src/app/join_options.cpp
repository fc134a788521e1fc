// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/join_options.h"

#include "app/command_line.h"

namespace parvola {

ParsedArguments<JoinOptions> ParseJoinArguments(const std::vector<std::string>& args) {
    static const std::vector<KnownOption> kKnown = {
        {"--help", "-h", nullptr},     {"--version", nullptr, nullptr},
        {"--force", "-f", nullptr},    {"--delete-pieces", nullptr, nullptr},
        {"--check", nullptr, nullptr}, {"--unchecked", nullptr, nullptr},
        {"--dest", "-d", "a folder"}};
    const CommandLine line = ReadCommandLine(args, kKnown);
    if (!line.error.empty()) {
        return {std::nullopt, line.error};
    }
    JoinOptions options;
    for (const auto& [name, value] : line.options) {
        options.help = options.help || name == "--help";
        options.version = options.version || name == "--version";
        options.force = options.force || name == "--force";
        options.deletePieces = options.deletePieces || name == "--delete-pieces";
        options.check = options.check || name == "--check";
        options.unchecked = options.unchecked || name == "--unchecked";
        if (name == "--dest") {
            if (value.empty()) {
                return {std::nullopt, "--dest needs a folder"};
            }
            options.dest = value;
        }
    }
    if (options.help || options.version) {
        return {options, {}};
    }
    if (options.check && options.deletePieces) {
        return {std::nullopt, "--check writes and deletes nothing; it cannot go with --delete-pieces"};
    }
    if (line.operands.size() != 1) {
        return {std::nullopt, line.operands.empty() ? "no piece to join"
                                                    : "only one set of pieces can be joined "
                                                      "at a time"};
    }
    options.piece = line.operands.front();
    return {options, {}};
}

std::string JoinUsage() {
    return "Usage: parvola-join [--dest FOLDER] [--force] [--delete-pieces] [--check] [--unchecked] PIECE\n"
           "Joins the pieces NAME.001, NAME.002, ... into NAME. PIECE is one of the pieces, the\n"
           "batch file NAME.bat beside them, or NAME. The pieces are taken in the order of their\n"
           "numbers (NAME.1000 after NAME.999) and checked first: none may be missing, all but the\n"
           "last as long as the first, the last no longer; NAME.bat, when there, must join the same\n"
           "pieces in the same order, and NAME.sha256, when there, must match every piece and the\n"
           "joined file. One of the two must be there, or nothing would show that the last piece is\n"
           "missing.\n"
           "\n"
           "  -d, --dest FOLDER    where NAME goes (default: beside the pieces)\n"
           "  -f, --force          replace a NAME that is there already\n"
           "      --delete-pieces  delete the pieces, NAME.bat and NAME.sha256 once NAME is joined\n"
           "                       and checked\n"
           "      --check          only check the pieces; write nothing\n"
           "      --unchecked      join (or check) even without NAME.bat and NAME.sha256, though a\n"
           "                       missing last piece then goes unnoticed\n"
           "  -h, --help           show this help\n"
           "      --version        show the version\n"
           "Short options can be bundled (-fd FOLDER), long ones take a value after = (--dest=FOLDER),\n"
           "and -- ends the options.\n"
           "\n"
           "NAME is written under a hidden name and takes its own only once it is whole, so a join\n"
           "that fails leaves nothing behind, and the pieces as they were. Messages go to the standard\n"
           "error; on a terminal a closing line on the standard output tells the join is done. Exit\n"
           "codes: 0 joined (or checked), 1 failed (also a FOLDER or PIECE that is not there), 2 wrong\n"
           "arguments, 130 interrupted.\n"
           "The manual page tells more: man parvola-join.\n";
}

} // namespace parvola
