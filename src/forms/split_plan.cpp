// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/split_plan.h"

#include "engine/piece_sizes.h"

#include <cmath>
#include <cstdio>

namespace parvola {

std::string ReadableBytes(std::int64_t bytes) {
    if (bytes < 1000) {
        return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
    }
    static const char* const units[] = {"KB", "MB", "GB", "TB", "PB", "EB"};
    double value = static_cast<double>(bytes) / 1000;
    int unit = 0;
    // 999.6 KB would round to "1000 KB": it reads as 1 MB.
    while (value >= 999.5 && unit < 5) {
        value /= 1000;
        ++unit;
    }
    const int decimals = value >= 99.95 ? 0 : value >= 9.995 ? 1 : 2;
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string shown = text;
    if (shown.find('.') != std::string::npos) {
        shown.erase(shown.find_last_not_of('0') + 1);
        if (shown.back() == '.') {
            shown.pop_back();
        }
    }
    return shown + ' ' + units[unit];
}

std::optional<double> TypedPieceBytes(const std::string& number, char unit) {
    const std::size_t point = number.find('.');
    const std::string whole = number.substr(0, point);
    const std::string fraction = point == std::string::npos ? std::string() : number.substr(point + 1);
    if (whole.empty() && fraction.empty()) {
        return std::nullopt;
    }
    for (const std::string& part : {whole, fraction}) {
        if (part.find_first_not_of("0123456789") != std::string::npos) {
            return std::nullopt; // a sign, a letter, an exponent or a second point
        }
    }
    const std::size_t unitDigits = unit == 'K' ? 3 : 6;
    // Digits past the byte must all be zero: a piece is a whole number of bytes.
    if (fraction.size() > unitDigits && fraction.find_first_not_of('0', unitDigits) != std::string::npos) {
        return std::nullopt;
    }
    const std::size_t first = whole.find_first_not_of('0');
    const std::string significant = first == std::string::npos ? std::string() : whole.substr(first);
    if (significant.size() > 16) {
        return std::nullopt;
    }
    const std::uint64_t multiplier = unit == 'K' ? 1000 : 1000000;
    const auto largest = static_cast<std::uint64_t>(kLargestPieceSize);
    const std::uint64_t units = significant.empty() ? 0 : std::stoull(significant);
    if (units > largest / multiplier) {
        return std::nullopt;
    }
    std::string bytesPart = fraction.substr(0, unitDigits);
    bytesPart.resize(unitDigits, '0');
    const std::uint64_t bytes = units * multiplier + std::stoull(bytesPart);
    if (bytes < 1 || bytes > largest) {
        return std::nullopt;
    }
    return static_cast<double>(bytes);
}

std::string ShownFolder(const std::string& folder, const std::string& home) {
    if (!home.empty() && home != "/" && folder.compare(0, home.size(), home) == 0 &&
        (folder.size() == home.size() || folder[home.size()] == '/')) {
        return "~" + folder.substr(home.size());
    }
    return folder;
}

std::string PlanText(std::optional<std::int64_t> fileLength, std::optional<double> pieceBytes,
                     const std::string& shownDestination) {
    if (!fileLength || !pieceBytes || *pieceBytes < 1) {
        return {};
    }
    // As the split decides it: a file shorter than one piece is refused.
    if (static_cast<double>(*fileLength) < *pieceBytes) {
        return "File is too small to split.";
    }
    const auto piece = static_cast<std::int64_t>(*pieceBytes);
    const std::int64_t count = (*fileLength + piece - 1) / piece;
    const std::int64_t last = *fileLength - (count - 1) * piece;
    std::string text = count == 1 ? std::string("1 piece") : std::to_string(count) + " pieces";
    text += " of " + ReadableBytes(piece);
    if (last != piece) {
        text += " (the last " + ReadableBytes(last) + ")";
    }
    return text + " \xe2\x86\x92 " + shownDestination;
}

std::string QuestionWithPlan(const std::string& question, const std::string& plan) {
    return plan.empty() ? question : question + "\r\n\r\n" + plan;
}

std::string RoomShortageText(const std::string& folder, std::int64_t needed, std::int64_t free) {
    return folder + ": " + ReadableBytes(needed) + " needed, " + ReadableBytes(free) + " free.";
}

} // namespace parvola
