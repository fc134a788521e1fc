// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/split_options.h"

#include "app/command_line.h"
#include "engine/piece_sizes.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <numeric>

namespace parvola {

namespace {

struct SizeUnit {
    const char* name; // as written after the number, compared without regard to case
    std::uint64_t bytes;
    const char* shown; // in the question
};

constexpr SizeUnit kSizeUnits[] = {
    {"", 1, "bytes"},
    {"K", 1000, "KB"},
    {"M", 1000000, "MB"},
    {"G", 1000000000, "GB"},
    {"KiB", 1024, "KiB"},
    {"MiB", 1024 * 1024, "MiB"},
    {"GiB", 1024 * 1024 * 1024, "GiB"},
};

constexpr std::uint64_t kLargestSize = 9007199254740992; // kLargestPieceSize as a whole number

bool SameLetters(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

// Digits without their leading zeros, as a number; no value past 19 digits, which no size comes near.
std::optional<std::uint64_t> WholeNumber(const std::string& digits) {
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos) {
        return 0;
    }
    if (digits.size() - first > 19) {
        return std::nullopt;
    }
    return std::stoull(digits.substr(first));
}

} // namespace

SizeReading ParseSize(const std::string& text) {
    const std::string invalid = "invalid size '" + text +
                                "': give a number of bytes, or a number followed by K, M or G (1000-based) "
                                "or KiB, MiB or GiB (1024-based)";
    for (const auto& fixed : kFixedPieceSizes) {
        std::string name = fixed.caption;
        name.erase(name.find(' '), 1);
        if (Upper(text) == name) {
            return {SizeChoice{fixed.bytes, fixed.question}, {}};
        }
    }
    const auto numberEnd = text.find_first_not_of("0123456789.");
    const std::string number = text.substr(0, numberEnd);
    const std::string unitName = numberEnd == std::string::npos ? std::string() : text.substr(numberEnd);
    const auto point = number.find('.');
    const std::string whole = number.substr(0, point);
    const std::string fraction = point == std::string::npos ? std::string() : number.substr(point + 1);
    const bool wellFormed =
        !whole.empty() &&
        (point == std::string::npos || (!fraction.empty() && fraction.find('.') == std::string::npos));
    const char letter =
        static_cast<char>(std::toupper(static_cast<unsigned char>(unitName.empty() ? ' ' : unitName[0])));
    if (unitName.size() == 2 && std::toupper(static_cast<unsigned char>(unitName[1])) == 'B' &&
        std::string("KMG").find(letter) != std::string::npos) {
        // Both readings, in bytes where the number is one.
        const auto reading = [&](const std::string& unit) {
            const auto read = ParseSize(number + unit);
            const auto each = std::find_if(std::begin(kSizeUnits), std::end(kSizeUnits),
                                           [&](const SizeUnit& u) { return unit == u.name; });
            return number + unit + " (" +
                   (wellFormed && read.size
                        ? std::to_string(static_cast<std::uint64_t>(read.size->bytes)) + " bytes"
                        : "units of " + std::to_string(each->bytes) + " bytes") +
                   ")";
        };
        return {std::nullopt, "ambiguous size '" + text + "': it could be " +
                                  reading(std::string(1, letter)) + " or " +
                                  reading(letter + std::string("iB")) + "; give one of those"};
    }
    const auto unit = std::find_if(std::begin(kSizeUnits), std::end(kSizeUnits),
                                   [&](const SizeUnit& u) { return SameLetters(unitName, u.name); });
    if (!wellFormed || unit == std::end(kSizeUnits)) {
        return {std::nullopt, invalid};
    }

    // Exactly, in whole numbers: a double would take 0.1K for a little more or less than 100 bytes.
    const std::string tooLarge =
        "size '" + text + "' is too large: a piece holds at most " + std::to_string(kLargestSize) + " bytes";
    const auto wholeCount = WholeNumber(whole);
    if (!wholeCount) {
        return {std::nullopt, tooLarge};
    }
    std::uint64_t fractionBytes = 0;
    const std::string digits = fraction.substr(0, fraction.find_last_not_of('0') + 1);
    if (!digits.empty()) {
        // digits / 10^n of a unit is a whole number of bytes only when the reduced denominator divides it.
        const std::string notWhole = "invalid size '" + text + "': pieces are a whole number of bytes";
        if (digits.size() > 19) {
            return {std::nullopt, notWhole};
        }
        std::uint64_t numerator = *WholeNumber(digits);
        std::uint64_t denominator = 1;
        for (std::size_t i = 0; i < digits.size(); ++i) {
            denominator *= 10;
        }
        const std::uint64_t common = std::gcd(numerator, denominator);
        numerator /= common;
        denominator /= common;
        if (unit->bytes % denominator != 0) {
            return {std::nullopt, notWhole};
        }
        fractionBytes = numerator * (unit->bytes / denominator); // less than one unit
    }
    if (*wholeCount > (kLargestSize - fractionBytes) / unit->bytes) {
        return {std::nullopt, tooLarge};
    }
    const std::uint64_t bytes = *wholeCount * unit->bytes + fractionBytes;
    if (bytes == 0) {
        return {std::nullopt, "invalid size '" + text + "': a piece holds at least 1 byte"};
    }
    const std::string question =
        (unit->name[0] == 'K' || unit->name[0] == 'M') && unit->bytes % 1000 == 0
            ? CustomSizeQuestion(number, unit->name[0])
            : "Split the file into partitions " + number + " " + unit->shown + " long?";
    return {SizeChoice{static_cast<double>(bytes), question}, {}};
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
    options.size = *ParseSize("1.44M").size;
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
            if (!size.size) {
                return {std::nullopt, size.error};
            }
            options.size = *size.size;
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
           "  -s, --size SIZE    piece size (default 1.44M): a number of bytes, or a number followed by\n"
           "                     K, M or G (1000, 1000000, 1000000000 bytes) or KiB, MiB or GiB\n"
           "                     (1024-based), in either case; decimals are taken when they come to\n"
           "                     whole bytes: 1000000, 2.5M, 100m, 1G, 4MiB\n"
           "  -d, --dest FOLDER  where the pieces go (default: the current folder)\n"
           "  -y, --yes          split without asking to confirm the size\n"
           "      --no-checksum  do not write FILE.sha256 (--checksum, the default, writes it)\n"
           "      --delete-source\n"
           "                     delete FILE once every piece is written in full and FILE is unchanged;\n"
           "                     without it FILE is kept\n"
           "  -h, --help         show this help\n"
           "      --version      show the version\n"
           "Short options can be bundled (-ys 1M, -s1M), long ones take a value after = (--size=1M),\n"
           "and -- ends the options.\n"
           "\n"
           "Messages go to the standard error; on a terminal a closing line on the standard output tells\n"
           "the split is done. Exit codes: 0 split, 1 refused or failed (also a FOLDER or FILE that is not\n"
           "there), 2 wrong arguments, 130 interrupted.\n"
           "Joining on Linux: parvola-join FILE.001, which checks the pieces as it joins them.\n"
           "The 8.3 names, readme and disk label options are shared with the windowed program.\n"
           "The manual page tells more: man parvola-split.\n";
}

} // namespace parvola
