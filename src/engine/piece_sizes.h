// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace parvola {

// The piece sizes a user picks by name, with the question that confirms each one.
struct FixedPieceSize {
    const char* caption;
    double bytes;
    const char* question;
};

inline constexpr FixedPieceSize kFixedPieceSizes[] = {
    {"360 K", 360000, "Split the file into partitions 360 KB long?"},
    {"720 K", 720000, "Split the file into partitions 720 KB long?"},
    {"1.2 M", 1200000, "Split the file into partitions 1.2 MB long?"},
    {"1.44 M", 1440000, "Split the file into partitions 1.44 MB long?"},
    {"100 M", 100000000, "Split the file into partitions 100 MB bytes long?"},
    {"120 M", 120000000, "Split the file into partitions 120 MB bytes long?"},
};

// The units a number of the user's own is in, as the options after the fixed sizes offer them.
inline constexpr const char* kCustomSizeUnits[] = {"M", "K"};

// The question for a number the user typed, in units of K (1000 bytes) or M (1000000 bytes).
inline std::string CustomSizeQuestion(const std::string& number, char unit) {
    return "Split the file into partitions " + number + (unit == 'K' ? " KB long?" : " MB long?");
}

// Past this a piece size is no whole number a double holds exactly, and larger than any disk.
inline constexpr double kLargestPieceSize = 9007199254740992.0; // 2^53

// The bytes of a number of units the user typed, K (1000 bytes) or M (1000000 bytes): digits only, not
// zero, and no larger than kLargestPieceSize. No value for anything else.
inline std::optional<double> PieceBytes(const std::string& count, char unit) {
    const auto first = count.find_first_not_of('0');
    if (count.empty() || count.find_first_not_of("0123456789") != std::string::npos ||
        first == std::string::npos || count.size() - first > 16) {
        return std::nullopt;
    }
    const double bytes =
        static_cast<double>(std::stoull(count.substr(first))) * (unit == 'K' ? 1000.0 : 1000000.0);
    return bytes <= kLargestPieceSize ? std::optional<double>(bytes) : std::nullopt;
}

} // namespace parvola
