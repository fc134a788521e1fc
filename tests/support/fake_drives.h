#pragma once

#include "platform/drives.h"
#include "support/temp_tree.h"

#include <map>
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
    };

    explicit FakeDrives(DriveType type = DriveType::Fixed) : type(type) {}

    std::string DriveOf(const std::string& path) override {
        asked.push_back(path);
        return drive;
    }
    std::vector<std::string> Volumes() override { return {}; }
    DriveType TypeOf(const std::string&) override { return type; }
    std::int64_t FreeBytes(const std::string& where) override {
        if (disks.empty() || where.empty()) {
            return 0;
        }
        std::int64_t used = 0;
        for (const auto& file : disks.back().files) {
            used += Taken(static_cast<std::int64_t>(file.second.size()));
        }
        return capacity - used;
    }
    // What the disk says a file takes; hiddenCost more is what it really takes.
    std::int64_t SpaceFor(const std::string&, std::int64_t length) override {
        return (length + unit - 1) / unit * unit;
    }
    DriveLimits Limits(const std::string&) override { return limits; }
    std::optional<std::string> SetLabel(const std::string&, const std::string& label) override {
        if (!labelRefusal) {
            disks.back().label = label;
        }
        return labelRefusal;
    }
    FormatResult Format(const std::string&) override {
        if (formatResult == FormatResult::Formatted) {
            disks.back() = Disk();
        }
        return formatResult;
    }
    FileStatus CopyToDisk(const std::string& from, const std::string& to,
                          const std::function<bool(std::int64_t, std::int64_t)>& progress) override {
        const std::string bytes = ReadBytes(from);
        const auto size = static_cast<std::int64_t>(bytes.size());
        if (progress && !progress(0, size)) {
            return FileError{ErrorNumber::UserInterrupt, "User interrupt occurred"};
        }
        disks.back().files.erase(to);
        if (copiesBeforeFailure-- == 0) {
            return FileError{ErrorNumber::DeviceIo, "Device I/O error"};
        }
        if (Taken(size) > FreeBytes(to)) {
            return FileError{ErrorNumber::DiskFull, "Disk full"};
        }
        disks.back().files[to] = bytes;
        if (progress) {
            progress(size, size);
        }
        return std::nullopt;
    }
    std::string CurrentMount(const std::string& drive) override { return mountedAt ? *mountedAt : drive; }

    // Takes the disk out and puts an empty one of the same capacity in.
    void SwapDisk() { disks.emplace_back(); }

    DriveType type;
    std::string drive = "/"; // the mount point every folder lies under
    std::vector<std::string> asked;
    std::int64_t capacity = 1457664;
    std::int64_t unit = 1;
    std::int64_t hiddenCost = 0;
    std::vector<Disk> disks{Disk()}; // the last one is in the drive
    DriveLimits limits;
    std::optional<std::string> labelRefusal;
    FormatResult formatResult = FormatResult::NoTool;
    int copiesBeforeFailure = -1;
    // Where the disk in the drive is mounted now; unset: where it always was.
    std::optional<std::string> mountedAt;

private:
    std::int64_t Taken(std::int64_t length) {
        return SpaceFor(drive, length) + (length > 0 ? hiddenCost : 0);
    }
};

} // namespace parvola::test
