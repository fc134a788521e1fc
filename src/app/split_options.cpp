#include "app/split_options.h"

#include "app/command_line.h"
#include "engine/piece_sizes.h"

namespace parvola {

std::optional<SizeChoice> ParseSize(const std::string& text) {
    for (const auto& fixed : kFixedPieceSizes) {
        std::string name = fixed.caption;
        name.erase(name.find(' '), 1);
        if (text == name) {
            return SizeChoice{fixed.bytes, fixed.question};
        }
    }
    if (text.size() < 2) {
        return std::nullopt;
    }
    const std::string digits = text.substr(0, text.size() - 1);
    const char unit = text.back();
    const auto bytes = unit == 'K' || unit == 'M' ? PieceBytes(digits, unit) : std::nullopt;
    if (!bytes) {
        return std::nullopt;
    }
    return SizeChoice{*bytes, CustomSizeQuestion(digits, unit)};
}

ParsedArguments<SplitOptions> ParseSplitArguments(const std::vector<std::string>& args) {
    static const std::vector<KnownOption> kKnown = {{"--help", "-h", nullptr},
                                                    {"--version", nullptr, nullptr},
                                                    {"--yes", "-y", nullptr},
                                                    {"--checksum", nullptr, nullptr},
                                                    {"--no-checksum", nullptr, nullptr},
                                                    {"--delete-source", nullptr, nullptr},
                                                    {"--size", "-s", "a size"},
                                                    {"--dest", "-d", "a folder"}};
    const CommandLine line = ReadCommandLine(args, kKnown);
    if (!line.error.empty()) {
        return {std::nullopt, line.error};
    }
    SplitOptions options;
    options.size = *ParseSize("1.44M");
    bool checksumAsked = false;
    for (const auto& [name, value] : line.options) {
        options.help = options.help || name == "--help";
        options.version = options.version || name == "--version";
        options.yes = options.yes || name == "--yes";
        checksumAsked = checksumAsked || name == "--checksum";
        options.checksum = options.checksum && name != "--no-checksum";
        options.deleteSource = options.deleteSource || name == "--delete-source";
        if (name == "--size") {
            const auto size = ParseSize(value);
            if (!size) {
                return {std::nullopt, "unknown size '" + value + "'"};
            }
            options.size = *size;
        } else if (name == "--dest") {
            if (value.empty()) {
                return {std::nullopt, "--dest needs a folder"};
            }
            options.dest = value;
        }
    }

    if (options.help || options.version) {
        return {options, {}};
    }
    if (checksumAsked && !options.checksum) {
        return {std::nullopt, "--checksum and --no-checksum cannot go together"};
    }
    if (line.operands.size() != 1) {
        return {std::nullopt,
                line.operands.empty() ? "no file to split" : "only one file can be split at a time"};
    }
    options.file = line.operands.front();
    return {options, {}};
}

std::string SplitUsage() {
    return "Usage: parvola-split [--size SIZE] [--dest FOLDER] [--yes] [--no-checksum] [--delete-source]\n"
           "                    FILE\n"
           "Cuts FILE into numbered pieces (FILE.001, FILE.002, ...) in FOLDER and writes the batch file\n"
           "FILE.bat that joins them again, FILE.sha256 with the SHA-256 checksums of the pieces and of\n"
           "FILE, and a Readme.txt.\n"
           "\n"
           "  -s, --size SIZE    piece size: 360K, 720K, 1.2M, 1.44M (the default), 100M, 120M, or a\n"
           "                     whole number followed by K (1000 bytes) or M (1000000 bytes)\n"
           "  -d, --dest FOLDER  where the pieces go (default: the current folder)\n"
           "  -y, --yes          split without asking to confirm the size\n"
           "      --no-checksum  do not write FILE.sha256 (--checksum, the default, writes it)\n"
           "      --delete-source\n"
           "                     delete FILE once every piece is written in full and FILE is unchanged;\n"
           "                     without it FILE is kept\n"
           "  -h, --help         show this help\n"
           "      --version      show the version\n"
           "\n"
           "Joining on Linux or macOS: parvola-join FILE.001, which checks the pieces as it joins them.\n"
           "The 8.3 names, readme and disk label options are shared with the windowed program.\n"
           "The manual page tells more: man parvola-split.\n";
}

} // namespace parvola
