// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace parvola {

// A number of bytes in the decimal units the piece sizes use: "500 bytes", "360 KB", "1.44 MB", "734 MB",
// "4.29 GB"; three significant digits at most, trailing zeros dropped.
std::string ReadableBytes(std::int64_t bytes);

// The bytes of a number the user typed in units of K (1000 bytes) or M (1000000 bytes): digits with at
// most one decimal point ("2.5" M is 2500000 bytes). No value unless it comes to a whole number of bytes
// from 1 to kLargestPieceSize.
std::optional<double> TypedPieceBytes(const std::string& number, char unit);

// The folder as the user reads it: the home folder as "~".
std::string ShownFolder(const std::string& folder, const std::string& home);

// What a split of a file of fileLength bytes into pieces of pieceBytes would make, and where:
// "8 pieces of 100 MB (the last 34 MB) → ~/uploads", "1 piece of 100 MB → ~/uploads", or
// "File is too small to split.". Empty while there is no file or no valid size to plan with.
std::string PlanText(std::optional<std::int64_t> fileLength, std::optional<double> pieceBytes,
                     const std::string& shownDestination);

// The size question with the plan as its second paragraph.
std::string QuestionWithPlan(const std::string& question, const std::string& plan);

// The line that tells a destination without room: "/media/stick: 734 MB needed, 150 MB free."
std::string RoomShortageText(const std::string& folder, std::int64_t needed, std::int64_t free);

} // namespace parvola
