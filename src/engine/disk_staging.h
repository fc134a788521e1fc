// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/split_ui.h"
#include "platform/drives.h"
#include "platform/file_system.h"
#include "settings/settings_store.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace parvola {

// Where the pieces go when the destination is a removable drive.
struct DiskTarget {
    std::string folder; // on the disk, ending in the separator
    std::string drive;  // the drive's mount point
};

// The pieces of a removable destination are staged in a private folder and copied onto the disk in the
// drive one by one; the user is asked for a new disk whenever the one in the drive has no room left, and
// the last disk gets the last piece, the script and the readme, and a label.
class DiskStaging {
public:
    DiskStaging(SplitUi& ui, SettingsStore& settings, FileSystem& files, Drives& drives, DiskTarget target,
                double pieceSize);

    // Waits until a disk of the drive has room for one piece; false when the user cancels.
    bool Prepare();
    // The folder the pieces, the script and the readme are staged in.
    void StageIn(const std::string& folder) { m_stagingFolder = folder; }
    // The staged piece is finished: onto the disk with it, on a new disk when this one is too full for
    // the next piece, of nextPieceBytes.
    FileStatus HandOver(const std::string& pieceName, std::int64_t nextPieceBytes);
    // The last piece, the script and the readme, staged under these names, go onto the last disk together,
    // which alone is labelled.
    FileStatus ServeLastDisk(const std::vector<std::string>& names);
    // The user cancelled in a dialog on the way; nothing more is to be done.
    bool cancelled() const { return m_cancelled; }
    // The folder on the disk, ending in the separator; it follows a disk mounted elsewhere.
    const std::string& folder() const { return m_target.folder; }

private:
    bool Locate();
    std::string DiskFolderPath() const;
    std::int64_t SpaceOnDisk(const std::vector<std::int64_t>& lengths);
    bool DiskReady(const std::vector<std::int64_t>& wanted, const std::vector<std::int64_t>& needed);
    bool DiskTurnedOutFull();
    std::optional<std::string> ServedPieces();
    bool TellIfServed();
    FileStatus CopyToDisk(const std::string& name);
    void LabelLastDisk();

    SplitUi& m_ui;
    SettingsStore& m_settings;
    FileSystem& m_files;
    Drives& m_drives;
    DiskTarget m_target;
    const double m_pieceSize;
    std::string m_stagingFolder;
    bool m_cancelled = false;
    // The disks this run put pieces on, by volume identity, each with its first and last piece number as
    // the piece names write them.
    struct ServedDisk {
        std::string identity, first, last;
    };
    std::vector<ServedDisk> m_served;
    bool m_toldServed = false;
};

} // namespace parvola
