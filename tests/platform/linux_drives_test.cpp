#include "platform/linux/linux_drives.h"

#include "support/temp_tree.h"
#include "support/tmpfs_mount.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <utility>
#include <vector>

#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace parvola {
namespace {

namespace fs = std::filesystem;
using test::TempTree;

// Lays a block device out as the kernel does: dev/block/MAJ:MIN links to its folder, and a partition's
// folder sits inside its disk's where a whole disk's sits in a block folder.
void AddBlockDevice(const TempTree& sysfs, const std::string& majorMinor, const std::string& device) {
    fs::create_directories(sysfs / device);
    fs::create_directories(sysfs / "dev/block");
    fs::create_directory_symlink("../../" + device, sysfs / ("dev/block/" + majorMinor));
    if (fs::path(device).parent_path().filename() != "block") {
        test::WriteBytes(sysfs / (device + "/partition"), "1\n");
    }
}

// A SATA disk, a loop device, a card reader's medium, two SD cards in turn in one slot, two sticks in turn
// in one USB port (the second with two partitions) and a stick in another port.
void AddDevices(const TempTree& sysfs) {
    const std::string sata = "devices/pci0000:00/0000:00:17.0/";
    const std::string usb = "devices/pci0000:00/0000:00:14.0/usb2/";
    const std::string sd = "devices/pci0000:00/0000:00:14.5/mmc_host/mmc0/";
    AddBlockDevice(sysfs, "8:2", sata + "ata1/host0/target0:0:0/0:0:0:0/block/sda/sda2");
    AddBlockDevice(sysfs, "7:0", "devices/virtual/block/loop0");
    AddBlockDevice(sysfs, "8:65", sata + "ata2/host1/target1:0:0/1:0:0:0/block/sde/sde1");
    test::WriteBytes(sysfs / (sata + "ata2/host1/target1:0:0/1:0:0:0/block/sde/removable"), "1\n");
    AddBlockDevice(sysfs, "179:1", sd + "mmc0:0001/block/mmcblk0/mmcblk0p1");
    AddBlockDevice(sysfs, "179:9", sd + "mmc0:0002/block/mmcblk1/mmcblk1p1");
    AddBlockDevice(sysfs, "8:17", usb + "2-1/2-1:1.0/host6/target6:0:0/6:0:0:0/block/sdb/sdb1");
    AddBlockDevice(sysfs, "8:33", usb + "2-1/2-1:1.0/host7/target7:0:0/7:0:0:0/block/sdc/sdc1");
    AddBlockDevice(sysfs, "8:34", usb + "2-1/2-1:1.0/host7/target7:0:0/7:0:0:0/block/sdc/sdc2");
    AddBlockDevice(sysfs, "8:49", usb + "2-2/2-2:1.0/host8/target8:0:0/8:0:0:0/block/sdd/sdd1");
}

// A mountinfo of the root file system and, below it, each "MAJ:MIN point" pair of mounts.
void WriteMountInfo(const std::string& path, const std::string& mounts) {
    const std::regex pair(R"((\S+) (\S+) ?)");
    test::WriteBytes(path, "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n" +
                               std::regex_replace(mounts, pair, "2 1 $1 / $2 rw - vfat /dev/x rw\n"));
}

TEST(ClassifyBlockDevice, GoesByBusAndMedium) {
    TempTree sysfs;
    AddDevices(sysfs);
    EXPECT_EQ(DriveType::Removable, ClassifyBlockDevice(sysfs.path(), 8, 17)); // USB stick partition
    EXPECT_EQ(DriveType::Removable, ClassifyBlockDevice(sysfs.path(), 179, 1));
    EXPECT_EQ(DriveType::Fixed, ClassifyBlockDevice(sysfs.path(), 8, 2)); // SATA partition
    EXPECT_EQ(DriveType::Fixed, ClassifyBlockDevice(sysfs.path(), 7, 0));
    // Its disk says its medium can be taken out.
    EXPECT_EQ(DriveType::Removable, ClassifyBlockDevice(sysfs.path(), 8, 65));
    EXPECT_EQ(DriveType::Fixed, ClassifyBlockDevice(sysfs.path(), 8, 99)); // no entry
}

TEST(DriveOf, PicksTheLongestMountPointHoldingTheNearestExistingFolder) {
    TempTree tree;
    const std::string root = fs::canonical(tree.path()).string();
    for (const char* folder : {"a/b", "a/bb", "a b/c"}) {
        fs::create_directories(root + "/" + folder);
    }
    WriteMountInfo(tree / "mountinfo", "0:40 " + root + "/a/b 0:40 " + root + "/a 0:40 " + root + "/a\\040b");
    LinuxDrives drives("/sys", tree / "mountinfo");
    const std::pair<std::string, std::string> rows[] = {{root + "/a/b/missing/piece.001", root + "/a/b/"},
                                                        {root + "/a/bb/piece.001", root + "/a/"},
                                                        {root + "/a b/c", root + "/a b/"},
                                                        {root, "/"}};
    for (const auto& [path, drive] : rows) {
        EXPECT_EQ(drive, drives.DriveOf(path)) << path;
    }
}

TEST(Volumes, AreTheDrivesMountedWhereDesktopsAndAdministratorsMountThem) {
    TempTree tree;
    const std::string user = ::getpwuid(::geteuid())->pw_name;
    WriteMountInfo(tree / "mountinfo", "0:41 /mnt/b 0:42 /media/CD 0:43 /media/" + user +
                                           "/STICK 0:44 /mnt/a/deep " + "0:45 /run/media/" + user +
                                           "/CARD 0:46 /mnt 0:47 /srv/x");
    EXPECT_EQ(LinuxDrives("/sys", tree / "mountinfo").Volumes(),
              (std::vector<std::string>{"/media/" + user + "/STICK", "/media/CD",
                                        "/run/media/" + user + "/CARD", "/mnt/b"}));
}

TEST(CurrentMount, FollowsTheDiskOfTheSameDriveWhereverItIsMounted) {
    // The drive; the mounts while its first disk is in and once that has been swapped; where it is then.
    const char* const rows[][4] = {
        {"/media/ann/DISK1/", "8:17 /media/ann/DISK1", "8:17 /media/ann/DISK1", "/media/ann/DISK1/"},
        {"/media/ann/DISK1/", "8:17 /media/ann/DISK1", "8:33 /media/ann/MY\\040DISK", "/media/ann/MY DISK/"},
        {"/media/ann/DISK1/", "8:17 /media/ann/DISK1", "8:49 /media/ann/DISK1", ""},
        {"/media/ann/DISK1/", "8:17 /media/ann/DISK1", "8:33 /media/ann/A 8:34 /media/ann/B", ""},
        {"/media/ann/CARD1/", "179:1 /media/ann/CARD1", "179:9 /media/ann/CARD2", "/media/ann/CARD2/"},
        {"/media/ann/DISK1/", "8:17 /media/ann/DISK1", "", ""},
        // A RAM disk has no port to follow.
        {"/media/ann/RAM/", "0:45 /media/ann/RAM", "0:45 /media/ann/RAM", "/media/ann/RAM/"},
    };
    TempTree sysfs;
    AddDevices(sysfs);
    for (const auto& [drive, before, after, expected] : rows) {
        LinuxDrives drives(sysfs.path(), sysfs / "mountinfo");
        WriteMountInfo(sysfs / "mountinfo", before);
        EXPECT_EQ(drive, drives.CurrentMount(drive)) << after;
        WriteMountInfo(sysfs / "mountinfo", after);
        EXPECT_EQ(expected, drives.CurrentMount(drive)) << after;
    }
}

TEST(UDisksBlockObjectPath, EscapesWhatAnObjectPathCannotHold) {
    EXPECT_EQ("/org/freedesktop/UDisks2/block_devices/dm_2d0", UDisksBlockObjectPath("dm-0"));
}

// Puts PATH back for the tests that run after.
struct PathRestorer {
    const std::string old = std::getenv("PATH") ? std::getenv("PATH") : "";
    ~PathRestorer() { ::setenv("PATH", old.c_str(), 1); }
};

TEST(LinuxDrives, LabelsAndFormatsTheBlockDeviceOfTheDrive) {
    TempTree tree;
    TempTree sysfs;
    struct stat info {};
    ASSERT_EQ(0, ::stat(tree.path().c_str(), &info));
    // The kernel's '!' stands for a subfolder of /dev.
    AddBlockDevice(sysfs, std::to_string(major(info.st_dev)) + ":" + std::to_string(minor(info.st_dev)),
                   "devices/virtual/block/parvola!0");
    LinuxDrives drives(sysfs.path());
    // A device UDisks2 cannot know, so that a machine that has it keeps its own disks' labels.
    EXPECT_TRUE(drives.SetLabel(tree.path() + "/", "DISK 2").has_value());
    const PathRestorer restorer;
    ::setenv("PATH", tree.path().c_str(), 1);
    EXPECT_EQ(FormatResult::NoTool, drives.Format(tree.path() + "/"));
    const auto formatWith = [&](const std::string& script) {
        test::WriteBytes(tree / "gnome-disks", "#!/bin/sh\n" + script + "\n");
        fs::permissions(tree / "gnome-disks", fs::perms::owner_all);
        return drives.Format(tree.path() + "/");
    };
    EXPECT_EQ(FormatResult::Formatted,
              formatWith("test \"$*\" = '--block-device /dev/parvola/0 --format-device'"));
    EXPECT_EQ(FormatResult::Failed, formatWith("exit 3"));
}

// What the file system itself counts for a file (st_blocks) is what SpaceFor foretells on 1 KiB-block ext2,
// where a 720,000-byte file takes 708 blocks with its indirect ones.
TEST(LinuxDrives, ForetellsTheBlocksAFileTakes) {
    TempTree tree;
    const test::LoopMount disk(tree / "ext2", "mkfs.ext2 -q -F -b 1024", 40 * 1024);
    if (!disk.mounted()) {
        GTEST_SKIP() << disk.whyNot();
    }
    LinuxDrives drives;
    const std::string drive = drives.DriveOf(disk.path());
    ASSERT_EQ(drive, fs::canonical(disk.path()).string() + "/");
    for (const std::int64_t length : {1, 4096, 12 * 1024 + 1, 720000, 300 * 1024, 17 * 1024 * 1024}) {
        const std::string file = disk.path() + "/f" + std::to_string(length);
        test::WriteBytes(file, test::PatternBytes(length));
        struct stat info {};
        ASSERT_EQ(::stat(file.c_str(), &info), 0);
        EXPECT_EQ(drives.SpaceFor(drive, length), info.st_blocks * 512) << length;
    }
}

// Sticks and cards carry FAT or exFAT, mounted here through FUSE as a desktop without the kernel's drivers
// would: names with these characters and, on FAT, files of 4 GiB are refused, and case is ignored.
TEST(LinuxDrives, KnowsWhatADiskForWindowsCannotHold) {
    TempTree tree;
    const struct {
        const char* mkfs;
        const char* mounter;
        const char* type;
        std::int64_t largestFile;
    } disks[] = {
        {"mkfs.vfat", "fusefat -o rw+", "fuse.fusefat", 4294967295},
        {"mkfs.exfat", "mount.exfat-fuse", "fuseblk", -1},
    };
    for (const auto& disk : disks) {
        const test::LoopMount mount(tree / disk.type, disk.mkfs, 20 * 1024, disk.mounter);
        if (!mount.mounted()) {
            GTEST_SKIP() << mount.whyNot();
        }
        const DriveLimits limits = LinuxDrives().Limits(fs::canonical(mount.path()).string() + "/");
        EXPECT_EQ(limits.fileSystem, disk.type);
        EXPECT_EQ(limits.forbidden, ":?*<>|\\\"");
        EXPECT_EQ(limits.largestFile, disk.largestFile);
        EXPECT_TRUE(limits.ignoresCase);
        // The disk itself agrees.
        EXPECT_FALSE(std::ofstream(mount.path() + "/a:b").is_open()) << disk.type;
    }
}

TEST(CopyToDisk, CopiesExactlyOverWhateverWasThere) {
    // Size, and that of the file already there: past the copy buffer onto no file, then shorter than the
    // old file, and empty.
    // and a link to a file of the user's, which the copy takes the place of.
    const std::pair<std::int64_t, std::size_t> rows[] = {
        {3 * 1024 * 1024 + 17, 0}, {5, 100000}, {0, 10}, {7, 0}};
    TempTree tree;
    test::WriteBytes(tree / "victim", "victim");
    for (const auto& [size, existing] : rows) {
        const std::string bytes = test::PatternBytes(size);
        test::WriteBytes(tree / "piece", bytes);
        fs::permissions(tree / "piece",
                        size == 5 ? fs::perms::owner_read | fs::perms::owner_write
                                  : fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
        if (existing > 0) {
            test::WriteBytes(tree / "copy", std::string(existing, 'x'));
        } else if (size == 7) {
            fs::remove(tree / "copy");
            fs::create_symlink(tree / "victim", tree / "copy");
        }
        std::vector<std::pair<std::int64_t, std::int64_t>> heard;
        const auto hear = [&](std::int64_t at, std::int64_t of) {
            heard.emplace_back(at, of);
            return true;
        };
        EXPECT_FALSE(LinuxDrives().CopyToDisk(tree / "piece", tree / "copy", hear)) << size;
        EXPECT_TRUE(test::ReadBytes(tree / "copy") == bytes) << size;
        EXPECT_EQ(fs::status(tree / "copy").permissions(), fs::status(tree / "piece").permissions()) << size;
        ASSERT_FALSE(heard.empty()) << size;
        EXPECT_EQ(std::make_pair(std::int64_t{0}, size), heard.front()) << size;
        EXPECT_EQ(std::make_pair(size, size), heard.back()) << size;
    }
    EXPECT_EQ(test::ReadBytes(tree / "victim"), "victim");
}

// "number description", or "none", so that one comparison checks both.
std::string Said(const FileStatus& status) {
    return status ? std::to_string(status->number) + " " + status->description : "none";
}

TEST(LinuxDrives, ShowsTheRoomOnADiskAndFailsCleanlyWithoutIt) {
    TempTree tree;
    LinuxDrives drives;
    EXPECT_EQ(0, drives.FreeBytes(tree / "gone"));
    test::WriteBytes(tree / "piece", test::PatternBytes(2 * 1024 * 1024));
    EXPECT_EQ("76 Path not found", Said(drives.CopyToDisk(tree / "piece", tree / "gone/piece", {})));
    // Stopped by the user halfway: nothing stays.
    const auto stop = [](std::int64_t at, std::int64_t) { return at == 0; };
    EXPECT_EQ("18 User interrupt occurred", Said(drives.CopyToDisk(tree / "piece", tree / "stopped", stop)));
    EXPECT_FALSE(test::Exists(tree / "stopped"));
    const test::TmpfsMount disk(tree / "mnt", "size=1m");
    if (!disk.mounted()) {
        GTEST_SKIP() << disk.whyNot();
    }
    const std::int64_t free = drives.FreeBytes(disk.path() + "/");
    EXPECT_TRUE(free >= 900 * 1024 && free <= 1024 * 1024) << free;
    EXPECT_EQ("61 Disk full", Said(drives.CopyToDisk(tree / "piece", disk.path() + "/piece", {})));
    EXPECT_FALSE(test::Exists(disk.path() + "/piece"));
}

} // namespace
} // namespace parvola
