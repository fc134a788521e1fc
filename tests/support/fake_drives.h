#pragma once

#include "platform/drives.h"
#include "support/temp_tree.h"

#include <map>
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
        return "/";
    }
    DriveType TypeOf(const std::string&) override { return type; }
    std::int64_t FreeBytes(const std::string&) override {
        if (disks.empty()) {
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
    FileStatus CopyToDisk(const std::string& from, const std::string& to) override {
        const std::string bytes = ReadBytes(from);
        if (copiesBeforeFailure-- == 0 || static_cast<std::int64_t>(bytes.size()) > FreeBytes(to)) {
            return FileError{ErrorNumber::DiskFull, "Disk full"};
        }
        disks.back().files[to] = bytes;
        return std::nullopt;
    }

    // Takes the disk out and puts an empty one of the same capacity in.
    void SwapDisk() { disks.emplace_back(); }

    DriveType type;
    std::vector<std::string> asked;
    std::int64_t capacity = 1457664;
    std::vector<Disk> disks{Disk()}; // the last one is in the drive
    FormatResult formatResult = FormatResult::NoTool;
    int copiesBeforeFailure = -1;
};

} // namespace parvola::test
