#pragma once

#include "platform/drives.h"
#include "support/temp_tree.h"

#include <map>
#include <optional>
#include <vector>

namespace parvola::test {

// Every folder lies on one drive. A removable one holds a disk the test can swap and fill: its files live
// in memory, under the names they were copied to.
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
    DriveType TypeOf(const std::string&) override { return type; }
    std::int64_t FreeBytes(const std::string& where) override {
        if (disks.empty() || where.empty()) {
            return 0;
        }
        std::int64_t used = 0;
        for (const auto& file : disks.back().files) {
            used += static_cast<std::int64_t>(file.second.size());
        }
        return capacity - used;
    }
    bool SetLabel(const std::string&, const std::string& label) override {
        disks.back().label = label;
        return true;
    }
    FormatResult Format(const std::string&) override {
        if (formatResult == FormatResult::Formatted) {
            disks.back() = Disk();
        }
        return formatResult;
    }
    FileStatus CopyToDisk(const std::string& from, const std::string& to,
                          const std::function<void(std::int64_t, std::int64_t)>& progress) override {
        const std::string bytes = ReadBytes(from);
        const auto size = static_cast<std::int64_t>(bytes.size());
        if (progress) {
            progress(0, size);
        }
        if (copiesBeforeFailure-- == 0 || size > FreeBytes(to)) {
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
    std::vector<Disk> disks{Disk()}; // the last one is in the drive
    FormatResult formatResult = FormatResult::NoTool;
    int copiesBeforeFailure = -1;
    // Where the disk in the drive is mounted now; unset: where it always was.
    std::optional<std::string> mountedAt;
};

} // namespace parvola::test
