#include "platform/linux/linux_drives.h"

#include "support/temp_tree.h"
#include "support/tmpfs_mount.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <sys/sysmacros.h>

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

TEST(CurrentMount, FollowsTheDiskOfTheSameDriveWhereverItIsMounted) {
    struct Row {
        const char* name;
        const char* drive;
        const char* before; // MAJ:MIN and mount point of each line, while the first disk is in
        const char* after;  // the same once the disk has been swapped
        const char* expected;
    };
    const Row rows[] = {
        {"SameDisk", "/media/ann/DISK1/", "8:17 /media/ann/DISK1", "8:17 /media/ann/DISK1",
         "/media/ann/DISK1/"},
        {"NewStickInTheSamePort", "/media/ann/DISK1/", "8:17 /media/ann/DISK1", "8:33 /media/ann/MY\\040DISK",
         "/media/ann/MY DISK/"},
        {"StickInAnotherPortAtTheSamePath", "/media/ann/DISK1/", "8:17 /media/ann/DISK1",
         "8:49 /media/ann/DISK1", ""},
        {"TwoPartitionsOfTheNewStick", "/media/ann/DISK1/", "8:17 /media/ann/DISK1",
         "8:33 /media/ann/A\n8:34 /media/ann/B", ""},
        {"SdCardSwapped", "/media/ann/CARD1/", "179:1 /media/ann/CARD1", "179:9 /media/ann/CARD2",
         "/media/ann/CARD2/"},
        {"NothingMounted", "/media/ann/DISK1/", "8:17 /media/ann/DISK1", "", ""},
        {"NoSysfsEntryStillMounted", "/media/ann/RAM/", "0:45 /media/ann/RAM", "0:45 /media/ann/RAM",
         "/media/ann/RAM/"},
    };
    TempTree sysfs;
    const std::string usb = "devices/pci0000:00/0000:00:14.0/usb2/";
    const std::string sd = "devices/pci0000:00/0000:00:14.5/mmc_host/mmc0/";
    AddBlockDevice(sysfs, "8:1",
                   "devices/pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/sda/sda1", true,
                   "0");
    AddBlockDevice(sysfs, "8:17", usb + "2-1/2-1:1.0/host6/target6:0:0/6:0:0:0/block/sdb/sdb1", true, "0");
    AddBlockDevice(sysfs, "8:33", usb + "2-1/2-1:1.0/host7/target7:0:0/7:0:0:0/block/sdc/sdc1", true, "0");
    AddBlockDevice(sysfs, "8:34", usb + "2-1/2-1:1.0/host7/target7:0:0/7:0:0:0/block/sdc/sdc2", true, "0");
    AddBlockDevice(sysfs, "8:49", usb + "2-2/2-2:1.0/host8/target8:0:0/8:0:0:0/block/sdd/sdd1", true, "0");
    AddBlockDevice(sysfs, "179:1", sd + "mmc0:0001/block/mmcblk0/mmcblk0p1", true, "0");
    AddBlockDevice(sysfs, "179:9", sd + "mmc0:0002/block/mmcblk1/mmcblk1p1", true, "0");
    TempTree tree;
    // "MAJ:MIN point" lines become mountinfo lines below the root file system.
    const auto writeMountInfo = [&](const std::string& mounts) {
        std::string mountInfo = "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n";
        std::istringstream lines(mounts);
        std::string device;
        std::string point;
        for (int id = 2; lines >> device >> point; ++id) {
            mountInfo += std::to_string(id) + " 1 " + device + " / " + point + " rw - vfat /dev/x rw\n";
        }
        test::WriteBytes(tree / "mountinfo", mountInfo);
    };
    for (const Row& row : rows) {
        LinuxDrives drives(sysfs.path(), tree / "mountinfo");
        writeMountInfo(row.before);
        EXPECT_EQ(row.drive, drives.CurrentMount(row.drive)) << row.name;
        writeMountInfo(row.after);
        EXPECT_EQ(row.expected, drives.CurrentMount(row.drive)) << row.name;
    }
}

TEST(DriveOf, RootIsItsOwnDriveOnThisMachine) {
    EXPECT_EQ("/", LinuxDrives().DriveOf("/"));
}

// Sets an environment variable for one scope and puts back what was there.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (m_old) {
            ::setenv(m_name, m_old->c_str(), 1);
        } else {
            ::unsetenv(m_name);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

// A made-up sysfs in which the file system of folder sits on the block device named device.
void PlaceOnDevice(const TempTree& sysfs, const std::string& folder, const std::string& device) {
    struct stat info {};
    ASSERT_EQ(0, ::stat(folder.c_str(), &info));
    AddBlockDevice(sysfs, std::to_string(major(info.st_dev)) + ":" + std::to_string(minor(info.st_dev)),
                   "devices/virtual/block/" + device, false, "0");
}

TEST(SysfsRoot, ComesFromTheEnvironmentWhenGiven) {
    const std::pair<const char*, const char*> rows[] = {{"/tmp/fake-sys", "/tmp/fake-sys"}, {"", "/sys"}};
    for (const auto& row : rows) {
        const ScopedEnv root("PARVOLA_SYSFS_ROOT", row.first);
        EXPECT_EQ(row.second, DefaultSysfsRoot()) << row.first;
    }
}

TEST(UDisksBlockObjectPath, EscapesWhatAnObjectPathCannotHold) {
    const std::pair<const char*, const char*> rows[] = {
        {"sdb1", "sdb1"}, {"dm-0", "dm_2d0"}, {"a_b", "a_5fb"}};
    for (const auto& row : rows) {
        EXPECT_EQ(std::string("/org/freedesktop/UDisks2/block_devices/") + row.second,
                  UDisksBlockObjectPath(row.first));
    }
}

TEST(FreeBytes, IsTheSpaceLeftOnTheDisk) {
    TempTree tree;
    LinuxDrives drives;
    EXPECT_EQ(0, drives.FreeBytes(tree / "missing"));
    const test::TmpfsMount disk(tree / "mnt", "size=1m");
    if (!disk.mounted()) {
        GTEST_SKIP() << disk.whyNot();
    }
    const std::int64_t free = drives.FreeBytes(disk.path() + "/");
    EXPECT_GE(free, 900 * 1024);
    EXPECT_LE(free, 1024 * 1024);
}

TEST(SetLabel, FailsWithoutUDisks) {
    // A device UDisks2 cannot know, so that a machine that has it keeps its own disks' labels.
    TempTree tree;
    TempTree sysfs;
    PlaceOnDevice(sysfs, tree.path(), "parvolatest0");
    EXPECT_FALSE(LinuxDrives(sysfs.path()).SetLabel(tree.path() + "/", "DISK 2"));
}

TEST(Format, RunsGnomeDisksOnTheBlockDevice) {
    struct Row {
        const char* script; // nullptr: no gnome-disks on PATH
        FormatResult expected;
    };
    const Row rows[] = {{nullptr, FormatResult::NoTool},
                        {"exit 0", FormatResult::Formatted},
                        {"exit 3", FormatResult::Failed}};
    TempTree tree;
    TempTree sysfs;
    // The kernel's '!' stands for a subfolder of /dev.
    PlaceOnDevice(sysfs, tree.path(), "parvola!0");
    const ScopedEnv path("PATH", tree / "bin");
    fs::create_directory(tree / "bin");
    for (const Row& row : rows) {
        fs::remove(tree / "bin/gnome-disks");
        fs::remove(tree / "args");
        if (row.script) {
            test::WriteBytes(tree / "bin/gnome-disks",
                             "#!/bin/sh\necho \"$@\" > '" + tree / "args" + "'\n" + row.script + "\n");
            fs::permissions(tree / "bin/gnome-disks", fs::perms::owner_all);
        }
        EXPECT_EQ(row.expected, LinuxDrives(sysfs.path()).Format(tree.path() + "/"))
            << (row.script ? row.script : "no tool");
        if (row.script) {
            EXPECT_EQ("--block-device /dev/parvola/0 --format-device\n", test::ReadBytes(tree / "args"));
        }
    }
}

void ExpectError(const FileStatus& status, int number, const char* text) {
    ASSERT_TRUE(status.has_value()) << "expected error " << number;
    EXPECT_EQ(number, status->number);
    EXPECT_EQ(text, status->description);
}

TEST(CopyToDisk, CopiesExactlyOverWhateverWasThere) {
    struct Row {
        std::int64_t size;
        std::int64_t existing; // -1: no file there yet
    };
    // Past the copy buffer, shorter than an old file, empty.
    const Row rows[] = {{3 * 1024 * 1024 + 17, -1}, {5, 100000}, {0, 10}};
    TempTree tree;
    LinuxDrives drives;
    for (const Row& row : rows) {
        const std::string bytes = test::PatternBytes(row.size);
        test::WriteBytes(tree / "piece", bytes);
        fs::remove(tree / "copy");
        if (row.existing >= 0) {
            test::WriteBytes(tree / "copy", std::string(static_cast<std::size_t>(row.existing), 'x'));
        }
        std::vector<std::pair<std::int64_t, std::int64_t>> heard;
        EXPECT_FALSE(drives.CopyToDisk(
            tree / "piece", tree / "copy",
            [&](std::int64_t copied, std::int64_t total) { heard.emplace_back(copied, total); }))
            << row.size;
        EXPECT_TRUE(test::ReadBytes(tree / "copy") == bytes) << row.size;
        ASSERT_FALSE(heard.empty()) << row.size;
        EXPECT_EQ(std::make_pair(std::int64_t{0}, row.size), heard.front()) << row.size;
        EXPECT_EQ(std::make_pair(row.size, row.size), heard.back()) << row.size;
    }
}

TEST(CopyToDisk, MissingFolderIsError76) {
    TempTree tree;
    test::WriteBytes(tree / "piece", "abc");
    ExpectError(LinuxDrives().CopyToDisk(tree / "piece", tree / "gone/piece", {}), 76, "Path not found");
}

TEST(CopyToDisk, FullDiskIsError61AndLeavesNoPartialFile) {
    TempTree tree;
    const test::TmpfsMount disk(tree / "mnt", "size=64k");
    if (!disk.mounted()) {
        GTEST_SKIP() << disk.whyNot();
    }
    test::WriteBytes(tree / "piece", test::PatternBytes(200 * 1024));
    ExpectError(LinuxDrives().CopyToDisk(tree / "piece", disk.path() + "/piece", {}), 61, "Disk full");
    EXPECT_FALSE(test::Exists(disk.path() + "/piece"));
}

} // namespace
} // namespace parvola
