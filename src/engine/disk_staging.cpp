// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/disk_staging.h"

#include "engine/removable_media.h"
#include "engine/setting_values.h"
#include "platform/path_text.h"

#include <algorithm>
#include <limits>

namespace parvola {

namespace {

// Only the last disk of a split is labelled, so its number is always 1.
constexpr const char* kLastDiskLabel = "Disk1";

bool IsDiskFull(const FileStatus& status) {
    return status && status->number == ErrorNumber::DiskFull;
}

// "007" for name.007.
std::string NumberOf(const std::string& pieceName) {
    return pieceName.substr(pieceName.rfind('.') + 1);
}

} // namespace

DiskStaging::DiskStaging(SplitUi& ui, SettingsStore& settings, FileSystem& files, Drives& drives,
                         DiskTarget target, double pieceSize)
    : m_ui(ui), m_settings(settings), m_files(files), m_drives(drives), m_target(std::move(target)),
      m_pieceSize(pieceSize) {}

bool DiskStaging::Prepare() {
    return DiskReady({}, {static_cast<std::int64_t>(m_pieceSize)});
}

// A new disk in the same drive may be mounted at another place: the disk folder follows it. False,
// with the user told, when no disk of the drive can be found: nothing may be written elsewhere then.
bool DiskStaging::Locate() {
    const std::string mount = m_drives.CurrentMount(m_target.drive);
    if (mount == m_target.drive) {
        return true;
    }
    // The folder is named below the old mount point unless a link led there; then it cannot follow.
    if (mount.empty() || m_target.folder.rfind(m_target.drive, 0) != 0) {
        m_ui.ShowMessage(kDiskNotFoundMessage, MessageIcon::Exclamation);
        return false;
    }
    m_target.folder = mount + m_target.folder.substr(m_target.drive.size());
    m_target.drive = mount;
    return true;
}

// The disk folder without its trailing separator, unless it is the disk's root.
std::string DiskStaging::DiskFolderPath() const {
    const std::string& folder = m_target.folder;
    return folder.size() > 1 ? folder.substr(0, folder.size() - 1) : folder;
}

// The free bytes that files of these lengths use up on the disk now in the drive, with the folder
// that holds them when it has yet to be made.
std::int64_t DiskStaging::SpaceOnDisk(const std::vector<std::int64_t>& lengths) {
    std::int64_t space = m_files.FindFile(DiskFolderPath()) ? 0 : m_drives.SpaceFor(m_target.drive, 1);
    for (const std::int64_t length : lengths) {
        space += m_drives.SpaceFor(m_target.drive, length);
    }
    return space;
}

// Asks for a new disk when this one has no room for files of the wanted lengths (none: never asks),
// then waits until a disk of the drive has room for the needed ones; false when the user cancels.
bool DiskStaging::DiskReady(const std::vector<std::int64_t>& wanted,
                            const std::vector<std::int64_t>& needed) {
    bool located = Locate();
    if (located && !wanted.empty() && GetFreeBytes(m_drives, m_target.drive) < SpaceOnDisk(wanted)) {
        m_ui.ShowMessage(kInsertNewDiskMessage, MessageIcon::Information);
        located = Locate();
    }
    for (;;) {
        const std::int64_t need = SpaceOnDisk(needed);
        if (located && GetFreeBytes(m_drives, m_target.drive) < need && TellIfServed()) {
            located = Locate();
            continue;
        }
        // A disk that cannot be found has no room: the disk dialog comes up.
        const DiskAnswer answer = CheckDiskSpace(m_ui, m_drives, located ? m_target.drive : "",
                                                 static_cast<double>(need), !located || !ServedPieces());
        if (answer == DiskAnswer::Cancel) {
            m_cancelled = true;
            return false;
        }
        if (answer == DiskAnswer::GoOn && located) {
            return true;
        }
        located = Locate();
    }
}

// A copy ran out of room on a disk that looked large enough; the platform took the partial file away.
// The user chooses what now as for any disk that is too full; false when that is to cancel.
bool DiskStaging::DiskTurnedOutFull() {
    if (TellIfServed()) {
        return true;
    }
    m_cancelled = CheckDiskSpace(m_ui, m_drives, m_target.drive, std::numeric_limits<double>::infinity(),
                                 !ServedPieces()) == DiskAnswer::Cancel;
    return !m_cancelled;
}

// Copies a staged file onto the disk, asking first before it makes the destination folder on a new
// disk or replaces a file there. A No cancels the split: the disk would lack a piece.
FileStatus DiskStaging::CopyToDisk(const std::string& name) {
    const std::string folder = DiskFolderPath();
    if (!m_files.FindFile(folder)) {
        if (!m_ui.AskYesNo("The folder " + folder +
                               " does not exist on this disk.  Do you want to create it?",
                           MessageIcon::Question, DefaultAnswer::Yes)) {
            m_cancelled = true;
            return std::nullopt;
        }
        if (auto error = m_files.MakeFolder(folder)) {
            return error;
        }
    }
    const std::string target = m_target.folder + name;
    if (m_files.FindFile(target) &&
        !m_ui.AskYesNo("This disk already holds a file named " + name + ".  Do you want to replace it?",
                       MessageIcon::Question, DefaultAnswer::Yes)) {
        m_cancelled = true;
        return std::nullopt;
    }
    auto progress = [&](std::int64_t copied, std::int64_t total) {
        m_ui.ShowCopyProgress(
            name, total > 0 ? static_cast<int>(std::min<std::int64_t>(99, copied * 100 / total)) : 0);
        return !m_ui.CancelRequested();
    };
    auto error = m_drives.CopyToDisk(JoinPath(m_stagingFolder, name), target, progress);
    m_ui.ShowCopyProgress(name, 100);
    return error;
}

// Formatting a disk the user put back, or one that filled up under its last copy, would wipe the pieces
// it holds. The disk is known by its volume identity, as its contents cannot tell it: a disk from an
// earlier split of the same file holds pieces of the same names, and comparing them byte for byte would
// read whole pieces back from slow media. A disk whose identity cannot be told is not recognised.
// "pieces 001–004" when the disk in the drive holds pieces of this run.
std::optional<std::string> DiskStaging::ServedPieces() {
    const std::string identity = m_drives.VolumeIdentity(m_target.drive);
    const auto served = std::find_if(m_served.begin(), m_served.end(),
                                     [&](const ServedDisk& disk) { return disk.identity == identity; });
    if (identity.empty() || served == m_served.end()) {
        return std::nullopt;
    }
    return served->first == served->last ? "piece " + served->first
                                         : "pieces " + served->first + "\xe2\x80\x93" + served->last;
}

// True, with the user told to insert another disk, when the disk in the drive holds pieces of this run.
// Told once: when the user keeps that disk in, the disk dialog comes up, so that they can cancel, but
// its format is not done.
bool DiskStaging::TellIfServed() {
    const auto pieces = ServedPieces();
    if (!pieces || m_toldServed) {
        m_toldServed = false;
        return false;
    }
    m_ui.ShowMessage("This disk already holds " + *pieces + " of this split. Insert another disk.",
                     MessageIcon::Information);
    m_toldServed = true;
    return true;
}

FileStatus DiskStaging::HandOver(const std::string& pieceName, std::int64_t nextPieceBytes) {
    for (;;) {
        if (!DiskReady({nextPieceBytes}, {static_cast<std::int64_t>(m_pieceSize)})) {
            return std::nullopt;
        }
        auto error = CopyToDisk(pieceName);
        if (!error && !m_cancelled) {
            m_toldServed = false;
            // Pieces go onto disks in their order: this one is the last so far on its disk.
            const std::string identity = m_drives.VolumeIdentity(m_target.drive);
            if (m_served.empty() || m_served.back().identity != identity) {
                m_served.push_back({identity, NumberOf(pieceName), NumberOf(pieceName)});
            }
            m_served.back().last = NumberOf(pieceName);
        }
        if (!IsDiskFull(error) || !DiskTurnedOutFull()) {
            return error;
        }
    }
}

FileStatus DiskStaging::ServeLastDisk(const std::vector<std::string>& names) {
    std::vector<std::int64_t> lengths;
    for (const auto& name : names) {
        lengths.push_back(m_files.FileLength(JoinPath(m_stagingFolder, name)).value_or(0));
    }
    for (;;) {
        if (!DiskReady(lengths, lengths)) {
            return std::nullopt;
        }
        std::size_t copied = 0;
        FileStatus error;
        while (copied < names.size() && !error && !m_cancelled) {
            if (!(error = CopyToDisk(names[copied]))) {
                ++copied;
            }
        }
        if (!IsDiskFull(error)) {
            if (!error && !m_cancelled) {
                LabelLastDisk();
            }
            return error;
        }
        // The script and the readme belong on the disk with the last piece: all go to the next one.
        for (std::size_t i = 0; i < copied; ++i) {
            m_files.DeleteFile(m_target.folder + names[i]);
        }
        if (!DiskTurnedOutFull()) {
            return std::nullopt;
        }
    }
}

void DiskStaging::LabelLastDisk() {
    if (!ReadLabelWanted(m_settings)) {
        return;
    }
    if (const auto why = LabelDisk(m_drives, m_target.drive, kLastDiskLabel)) {
        m_ui.ShowMessage("The last disk, in " + m_target.drive + ", could not be labelled " + kLastDiskLabel +
                             ": " + *why + ".",
                         MessageIcon::Information);
    }
}

} // namespace parvola
