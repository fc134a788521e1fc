#include "platform/linux/linux_drives.h"

#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

namespace parvola {
namespace {

namespace fs = std::filesystem;
using test::TempTree;

// Puts a block device into a made-up sysfs the way the kernel lays it out: the device folder somewhere under
// devices/, and dev/block/MAJ:MIN a relative link to it.
void AddBlockDevice(const TempTree& sysfs, const std::string& majorMinor, const std::string& device,
                    bool partition, const char* diskRemovable) {
    fs::create_directories(sysfs / device);
    fs::create_directories(sysfs / "dev/block");
    fs::create_directory_symlink("../../" + device, sysfs / ("dev/block/" + majorMinor));
    const fs::path disk = partition ? fs::path(sysfs / device).parent_path() : fs::path(sysfs / device);
    test::WriteBytes((disk / "removable").string(), std::string(diskRemovable) + "\n");
    if (partition) {
        test::WriteBytes(sysfs / (device + "/partition"), "1\n");
    }
}

struct DeviceCase {
    const char* name;
    const char* device; // nullptr: no sysfs entry at all
    bool partition;
    const char* diskRemovable;
    DriveType expected;
};

class BlockDevices : public ::testing::TestWithParam<DeviceCase> {};

TEST_P(BlockDevices, AreClassifiedByBusAndMedium) {
    TempTree sysfs;
    const DeviceCase& row = GetParam();
    if (row.device) {
        AddBlockDevice(sysfs, "8:17", row.device, row.partition, row.diskRemovable);
    }
    EXPECT_EQ(row.expected, ClassifyBlockDevice(sysfs.path(), 8, 17));
}

INSTANTIATE_TEST_SUITE_P(
    Platform, BlockDevices,
    ::testing::Values(
        DeviceCase{
            "UsbStickPartition",
            "devices/pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0/block/sdb/sdb1", true,
            "0", DriveType::Removable},
        DeviceCase{"SdCard",
                   "devices/pci0000:00/0000:00:14.5/mmc_host/mmc0/mmc0:0001/block/mmcblk0/mmcblk0p1", true,
                   "0", DriveType::Removable},
        DeviceCase{"SataPartition",
                   "devices/pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/sda/sda2", true, "0",
                   DriveType::Fixed},
        DeviceCase{"LoopDevice", "devices/virtual/block/loop0", false, "0", DriveType::Fixed},
        DeviceCase{"RemovableMediumPartition",
                   "devices/pci0000:00/0000:00:17.0/ata2/host1/target1:0:0/1:0:0:0/block/sdc/sdc1", true, "1",
                   DriveType::Removable},
        DeviceCase{"NoEntry", nullptr, false, "0", DriveType::Fixed}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DriveOf, PicksTheLongestMountPointHoldingTheNearestExistingFolder) {
    TempTree tree;
    const std::string root = fs::canonical(tree.path()).string();
    for (const char* folder : {"a/b", "a/bb", "a b/c"}) {
        fs::create_directories(root + "/" + folder);
    }
    std::string mountInfo = "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n";
    for (const char* point : {"/a", "/a/b", "/a\\040b"}) {
        mountInfo += "2 1 0:40 / " + root + point + " rw - tmpfs tmpfs rw\n";
    }
    test::WriteBytes(tree / "mountinfo", mountInfo);
    LinuxDrives drives("/sys", tree / "mountinfo");
    const std::pair<std::string, std::string> rows[] = {
        {root + "/a/b/missing/piece.001", root + "/a/b/"},
        {root + "/a/bb/piece.001", root + "/a/"},
        {root + "/a b/c", root + "/a b/"},
        {root, "/"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.second, drives.DriveOf(row.first)) << row.first;
    }
}

TEST(DriveOf, RootIsItsOwnDriveOnThisMachine) {
    EXPECT_EQ("/", LinuxDrives().DriveOf("/"));
}

} // namespace
} // namespace parvola
