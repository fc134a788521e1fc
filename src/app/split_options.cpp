#include "app/split_options.h"

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

ParsedArguments ParseSplitArguments(const std::vector<std::string>& args) {
    SplitOptions options;
    options.size = *ParseSize("1.44M");
    std::vector<std::string> files;
    bool optionsEnded = false;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            files.push_back(arg);
            continue;
        }
        // --name=value and --name value are both taken.
        std::string name = arg;
        std::optional<std::string> value;
        if (const auto equals = arg.find('='); arg.rfind("--", 0) == 0 && equals != std::string::npos) {
            name = arg.substr(0, equals);
            value = arg.substr(equals + 1);
        }
        auto takeValue = [&]() -> std::optional<std::string> {
            if (value) {
                return value;
            }
            if (i + 1 < args.size()) {
                return args[++i];
            }
            return std::nullopt;
        };

        if (name == "--") {
            optionsEnded = true;
        } else if (name == "--help" || name == "-h") {
            options.help = true;
        } else if (name == "--version") {
            options.version = true;
        } else if ((name == "--yes" || name == "-y") && !value) {
            options.yes = true;
        } else if (name == "--checksum" && !value) {
            options.checksum = true;
        } else if (name == "--size" || name == "-s") {
            const auto text = takeValue();
            if (!text) {
                return {std::nullopt, "--size needs a size"};
            }
            const auto size = ParseSize(*text);
            if (!size) {
                return {std::nullopt, "unknown size '" + *text + "'"};
            }
            options.size = *size;
        } else if (name == "--dest" || name == "-d") {
            const auto folder = takeValue();
            if (!folder || folder->empty()) {
                return {std::nullopt, "--dest needs a folder"};
            }
            options.dest = *folder;
        } else {
            return {std::nullopt, "unknown option '" + arg + "'"};
        }
    }

    if (options.help || options.version) {
        return {options, {}};
    }
    if (files.size() != 1) {
        return {std::nullopt, files.empty() ? "no file to split" : "only one file can be split at a time"};
    }
    options.file = files.front();
    return {options, {}};
}

std::string SplitUsage() {
    return "Usage: parvola-split [--size SIZE] [--dest FOLDER] [--yes] [--checksum] FILE\n"
           "Cuts FILE into numbered pieces (FILE.001, FILE.002, ...) in FOLDER and writes the batch file\n"
           "FILE.bat that joins them again, and a Readme.txt.\n"
           "\n"
           "  -s, --size SIZE    piece size: 360K, 720K, 1.2M, 1.44M (the default), 100M, 120M, or a\n"
           "                     whole number followed by K (1000 bytes) or M (1000000 bytes)\n"
           "  -d, --dest FOLDER  where the pieces go (default: the current folder)\n"
           "  -y, --yes          split without asking to confirm the size\n"
           "      --checksum     also write FILE.sha256, the SHA-256 checksums of the pieces and of FILE\n"
           "  -h, --help         show this help\n"
           "      --version      show the version\n"
           "\n"
           "Joining on Linux or macOS: parvola-join FILE.001, which checks the pieces as it joins them.\n"
           "Options such as deleting the source afterwards are shared with the windowed program.\n"
           "The manual page tells more: man parvola-split.\n";
}

} // namespace parvola
