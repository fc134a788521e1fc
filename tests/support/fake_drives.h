// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/drives.h"
#include "support/temp_tree.h"

#include <map>
#include <numeric>
#include <optional>
#include <vector>

namespace parvola::test {

// Every folder lies on one drive. A removable one holds a disk the test can swap and fill: its files live
// in memory, under the names they were copied to, and take whole units of the disk.
class FakeDrives final : public Drives {
public:
    struct Disk {
        std::map<std::string, std::string> files; // path copied to → bytes
        std::string label;
        std::int64_t hiddenCost = 0; // what a file really takes on it beyond what SpaceFor says
        std::string identity;        // its volume identity; empty: it cannot be told
    };

    using Path = const std::string&;
    explicit FakeDrives(DriveType type = DriveType::Fixed) : type(type) {}

    std::string DriveOf(Path) override { return drive; }
    std::vector<std::string> Volumes() override { return {}; }
    std::string ShownLabel(Path) override { return {}; }
    DriveType TypeOf(Path) override { return type; }
    std::int64_t FreeBytes(Path where) override {
        const auto& files = Current().files;
        const auto take = [this](std::int64_t free, const auto& file) { return free - Taken(file.second); };
        return where.empty() ? 0 : std::accumulate(files.begin(), files.end(), capacity, take);
    }
    std::int64_t SpaceFor(Path, std::int64_t n) override { return (n + unit - 1) / unit * unit; }
    DriveLimits Limits(Path) override { return limits; }
    std::optional<std::string> SetLabel(Path, Path label) override {
        Current().label = labelRefusal.empty() ? label : "";
        return labelRefusal.empty() ? std::nullopt : std::optional<std::string>(labelRefusal);
    }
    FormatResult Format(Path) override { return FormatResult(formatResult); }
    FileStatus CopyToDisk(Path from, Path to,
                          const std::function<bool(std::int64_t, std::int64_t)>&) override {
        const std::string bytes = ReadBytes(root + from);
        Current().files.erase(to);
        if (copiesBeforeFailure-- == 0) {
            return FileError{ErrorNumber::DeviceIo, "Device I/O error"};
        }
        if (Taken(bytes) > FreeBytes(to)) {
            return FileError{ErrorNumber::DiskFull, "Disk full"};
        }
        Current().files[to] = bytes;
        return std::nullopt;
    }
    std::string CurrentMount(Path drive) override { return mountedAt.value_or(drive); }
    std::string VolumeIdentity(Path) override { return Current().identity; }

    // Takes the disk out and puts an empty one of the same capacity in, which tells itself from the others
    // unless identities are unknown.
    void SwapDisk() {
        disks.emplace_back();
        inDrive = disks.size() - 1;
        Current().identity = knownIdentities ? "disk" + std::to_string(disks.size()) : "";
    }
    // Takes the disk out and puts the number-th disk (from 1) back in.
    void PutBack(std::size_t number) { inDrive = number - 1; }

    DriveType type;
    std::string drive = "/"; // the mount point every folder lies under
    std::string root;        // put before the paths of staged files to read them
    std::int64_t capacity = 1457664;
    std::int64_t unit = 1;
    std::vector<Disk> disks{Disk{{}, {}, 0, "disk1"}}; // in the order they were first put in
    std::size_t inDrive = 0;                           // the one in the drive now
    bool knownIdentities = true;
    DriveLimits limits;
    std::string labelRefusal;                              // why the disk cannot be labelled; empty: it can
    std::int64_t formatResult = int(FormatResult::NoTool); // what Format() answers
    std::int64_t copiesBeforeFailure = -1;
    // Where the disk in the drive is mounted now; unset: where it always was.
    std::optional<std::string> mountedAt;

    Disk& Current() { return disks.at(inDrive); }

private:
    std::int64_t Taken(Path bytes) {
        const auto length = static_cast<std::int64_t>(bytes.size());
        return SpaceFor(drive, length) + (length > 0 ? Current().hiddenCost : 0);
    }
};

} // namespace parvola::test
