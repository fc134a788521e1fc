// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/split_command.h"

#include "engine/error_text.h"
#include "engine/piece_sizes.h"
#include "forms/split_plan.h"
#include "platform/paths.h"

#include <iterator>

namespace parvola {

namespace {

constexpr int kFirstUnitIndex = static_cast<int>(std::size(kFixedPieceSizes));

// The script, the readme and the checksum file, each well within this.
constexpr std::int64_t kFinishingFileBytes = 65536;

} // namespace

SplitStep CheckSplitChoice(const SplitChoice& choice) {
    if (choice.destFolder.find(kPathSeparator) == std::string::npos) {
        return {"Folder selected for output not recognized.", MessageIcon::Information};
    }
    if (choice.sourceFolder.find(kPathSeparator) == std::string::npos) {
        return {"Folder selected for input not recognized.", MessageIcon::Information};
    }
    if (choice.fileName.empty()) {
        return {"You must select a file to split.", MessageIcon::Critical};
    }
    for (const auto& fixed : kFixedPieceSizes) {
        if (choice.caption == fixed.caption) {
            return {{}, MessageIcon::Information, fixed.question, fixed.bytes};
        }
    }
    for (const char* unitCaption : kCustomSizeUnits) {
        if (choice.caption == unitCaption) {
            const auto bytes = TypedPieceBytes(choice.number, unitCaption[0]);
            if (!bytes) {
                return {"Please enter the piece size as a whole number of at least 1.",
                        MessageIcon::Exclamation};
            }
            return {{}, MessageIcon::Information, CustomSizeQuestion(choice.number, unitCaption[0]), *bytes};
        }
    }
    return {};
}

std::optional<double> ChosenPieceBytes(const std::string& caption, const std::string& number) {
    for (const auto& fixed : kFixedPieceSizes) {
        if (caption == fixed.caption) {
            return fixed.bytes;
        }
    }
    for (const char* unitCaption : kCustomSizeUnits) {
        if (caption == unitCaption) {
            return TypedPieceBytes(number, unitCaption[0]);
        }
    }
    return std::nullopt;
}

int SizeIndexAfterTyping(int sizeIndex, int lastUnitIndex) {
    if (sizeIndex >= kFirstUnitIndex) {
        return sizeIndex;
    }
    return lastUnitIndex >= kFirstUnitIndex ? lastUnitIndex : kFirstUnitIndex;
}

std::string MissingFileText(const std::string& path) {
    return path + " no longer exists.";
}

std::optional<std::string> RoomRefusal(Drives& drives, const std::string& destFolder, std::int64_t fileLength,
                                       double pieceBytes) {
    const std::string drive = drives.DriveOf(destFolder + kPathSeparator);
    if (drives.TypeOf(drive) == DriveType::Removable || pieceBytes < 1 || fileLength <= 0) {
        return std::nullopt;
    }
    const auto piece = static_cast<std::int64_t>(pieceBytes);
    const std::int64_t count = (fileLength + piece - 1) / piece;
    const std::int64_t last = fileLength - (count - 1) * piece;
    const std::int64_t needed = (count - 1) * drives.SpaceFor(drive, piece) + drives.SpaceFor(drive, last) +
                                3 * drives.SpaceFor(drive, kFinishingFileBytes);
    const std::int64_t free = drives.FreeBytes(drive);
    if (needed <= free) {
        return std::nullopt;
    }
    return ErrorText(FileError{ErrorNumber::DiskFull, "Disk full"}) + "\r\nThe file was not split.\r\n" +
           RoomShortageText(destFolder, needed, free);
}

} // namespace parvola
