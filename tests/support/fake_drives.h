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
    };

    using Path = const std::string&;
    explicit FakeDrives(DriveType type = DriveType::Fixed) : type(type) {}

    std::string DriveOf(Path) override { return drive; }
    std::vector<std::string> Volumes() override { return {}; }
    DriveType TypeOf(Path) override { return type; }
    std::int64_t FreeBytes(Path where) override {
        const auto& files = disks.back().files;
        const auto take = [this](std::int64_t free, const auto& file) { return free - Taken(file.second); };
        return where.empty() ? 0 : std::accumulate(files.begin(), files.end(), capacity, take);
    }
    std::int64_t SpaceFor(Path, std::int64_t n) override { return (n + unit - 1) / unit * unit; }
    DriveLimits Limits(Path) override { return limits; }
    std::optional<std::string> SetLabel(Path, Path label) override {
        disks.back().label = labelRefusal.empty() ? label : "";
        return labelRefusal.empty() ? std::nullopt : std::optional<std::string>(labelRefusal);
    }
    FormatResult Format(Path) override { return FormatResult(formatResult); }
    FileStatus CopyToDisk(Path from, Path to,
                          const std::function<bool(std::int64_t, std::int64_t)>&) override {
        const std::string bytes = ReadBytes(root + from);
        disks.back().files.erase(to);
        if (copiesBeforeFailure-- == 0) {
            return FileError{ErrorNumber::DeviceIo, "Device I/O error"};
        }
        if (Taken(bytes) > FreeBytes(to)) {
            return FileError{ErrorNumber::DiskFull, "Disk full"};
        }
        disks.back().files[to] = bytes;
        return std::nullopt;
    }
    std::string CurrentMount(Path drive) override { return mountedAt.value_or(drive); }

    // Takes the disk out and puts an empty one of the same capacity in.
    void SwapDisk() { disks.emplace_back(); }

    DriveType type;
    std::string drive = "/"; // the mount point every folder lies under
    std::string root;        // put before the paths of staged files to read them
    std::int64_t capacity = 1457664;
    std::int64_t unit = 1;
    std::vector<Disk> disks{Disk()}; // the last one is in the drive
    DriveLimits limits;
    std::string labelRefusal;                              // why the disk cannot be labelled; empty: it can
    std::int64_t formatResult = int(FormatResult::NoTool); // what Format() answers
    std::int64_t copiesBeforeFailure = -1;
    // Where the disk in the drive is mounted now; unset: where it always was.
    std::optional<std::string> mountedAt;

private:
    std::int64_t Taken(Path bytes) {
        const auto length = static_cast<std::int64_t>(bytes.size());
        return SpaceFor(drive, length) + (length > 0 ? disks.back().hiddenCost : 0);
    }
};

} // namespace parvola::test
