#pragma once

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

// The question for a number the user typed, in units of K (1000 bytes) or M (1000000 bytes).
inline std::string CustomSizeQuestion(const std::string& number, char unit) {
    return "Split the file into partitions " + number + (unit == 'K' ? " KB long?" : " MB long?");
}

// A number of units the split can take: digits only, and not zero.
inline bool IsUnitCount(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos &&
           text.find_first_not_of('0') != std::string::npos;
}

inline double UnitBytes(char unit) {
    return unit == 'K' ? 1000.0 : 1000000.0;
}

} // namespace parvola
