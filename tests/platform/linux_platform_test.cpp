// SPDX-License-Identifier: GPL-3.0-or-later
// The Linux platform layer against the real kernel: files, and mounts and disk images of the test's own,
// which need root. Only sysfs and the mount table are made up, to stand in drives the machine does not have.
#include "platform/linux/linux_code_pages.h"
#include "platform/linux/linux_drives.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_paths.h"
#include "platform/path_text.h"

#include "support/temp_tree.h"
#include "support/tmpfs_mount.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>
#include <optional>
#include <regex>

#include <pwd.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace parvola::test {

namespace fs = std::filesystem;

// "number description", or "none", so that one comparison checks both.
std::string Said(const FileStatus& status) {
    return status ? std::to_string(status->number) + " " + status->description : "none";
}

// Sets an environment variable for one test and puts back what was there.
struct ScopedVariable {
    ScopedVariable(const char* name, const char* value)
        : name(name), had(std::getenv(name)), old(had ? std::getenv(name) : "") {
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedVariable() { had ? ::setenv(name, old.c_str(), 1) : ::unsetenv(name); }
    const char* name;
    bool had;
    std::string old;
};

// Lays block devices out as the kernel does: dev/block/MAJ:MIN links to each device's folder, and a
// partition's folder sits inside its disk's where a whole disk's sits in a block folder.
void AddBlockDevices(const TempTree& sysfs, const std::vector<std::pair<std::string, std::string>>& devices) {
    fs::create_directories(sysfs / "dev/block");
    for (const auto& [majorMinor, device] : devices) {
        fs::create_directories(sysfs / device);
        fs::create_directory_symlink("../../" + device, sysfs / ("dev/block/" + majorMinor));
        if (fs::path(device).parent_path().filename() != "block") {
            WriteBytes(sysfs / (device + "/partition"), "1\n");
        }
    }
}

// A mountinfo of the root file system and, below it, each "MAJ:MIN point" pair of mounts.
void WriteMountInfo(const std::string& path, const std::string& mounts) {
    const std::regex pair(R"((\S+) (\S+) ?)");
    WriteBytes(path, "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n" +
                         std::regex_replace(mounts, pair, "2 1 $1 / $2 rw - vfat /dev/x rw\n"));
}

// The drive of a path is the longest mount point holding its nearest existing folder, and volumes are what
// desktops and administrators mount. The devices behind the drives are a SATA disk, a loop device, a card
// reader's medium, two SD cards in turn in one slot, two sticks in turn in one USB port (the second with two
// partitions), a stick in another port, and the test's own folder on a device UDisks2 cannot know, so that a
// machine that has it keeps its own disks' labels.
TEST(LinuxDrives, KnowEachDriveByItsMountAndItsDevice) {
    TempTree sysfs;
    TempTree tree;
    const std::string root = fs::canonical(tree.path()).string(), user = ::getpwuid(::geteuid())->pw_name;
    for (const char* folder : {"a/b", "a/bb", "a b/c"}) {
        fs::create_directories(root + "/" + folder);
    }
    WriteMountInfo(tree / "mountinfo", "0:40 " + root + "/a/b 0:40 " + root + "/a 0:40 " + root +
                                           "/a\\040b 0:41 /mnt/b 0:42 /media/CD 0:43 /media/" + user +
                                           "/STICK 0:44 /mnt/a/deep 0:45 /run/media/" + user +
                                           "/CARD 0:46 /mnt 0:47 /srv/x");
    LinuxDrives mounts("/sys", tree / "mountinfo");
    EXPECT_EQ(root + "/a/b/", mounts.DriveOf(root + "/a/b/missing/piece.001"));
    EXPECT_EQ(root + "/a/", mounts.DriveOf(root + "/a/bb/piece.001"));
    EXPECT_EQ(root + "/a b/", mounts.DriveOf(root + "/a b/c"));
    EXPECT_EQ("/", mounts.DriveOf(root));
    EXPECT_EQ(mounts.Volumes(), (std::vector<std::string>{"/media/" + user + "/STICK", "/media/CD",
                                                          "/run/media/" + user + "/CARD", "/mnt/b"}));
    const std::string drive = tree.path() + "/";
    EXPECT_TRUE(LinuxDrives(sysfs.path()).SetLabel(drive, "DISK 2")) << "without a device";
    const std::uint64_t device = LinuxFileSystem().Inspect(drive, true)->device;
    const std::string pci = "devices/pci0000:00/0000:00:", usb = pci + "14.0/usb2/2-";
    const std::string sd = pci + "14.5/mmc_host/mmc0/mmc0:000", reader = pci + "17.0/ata2/host1/target1:0:0";
    AddBlockDevices(sysfs, {{"8:2", pci + "17.0/ata1/host0/target0:0:0/0:0:0:0/block/sda/sda2"},
                            {"7:0", "devices/virtual/block/loop0"},
                            {"8:65", reader + "/1:0:0:0/block/sde/sde1"},
                            {"179:1", sd + "1/block/mmcblk0/mmcblk0p1"},
                            {"179:9", sd + "2/block/mmcblk1/mmcblk1p1"},
                            {"8:17", usb + "1/2-1:1.0/host6/target6:0:0/6:0:0:0/block/sdb/sdb1"},
                            {"8:33", usb + "1/2-1:1.0/host7/target7:0:0/7:0:0:0/block/sdc/sdc1"},
                            {"8:34", usb + "1/2-1:1.0/host7/target7:0:0/7:0:0:0/block/sdc/sdc2"},
                            {"8:49", usb + "2/2-2:1.0/host8/target8:0:0/8:0:0:0/block/sdd/sdd1"},
                            // The kernel's '!' stands for a subfolder of /dev.
                            {std::to_string(major(device)) + ":" + std::to_string(minor(device)),
                             "devices/virtual/block/parvola!0"}});
    WriteBytes(sysfs / (reader + "/1:0:0:0/block/sde/removable"), "1\n");
    // USB, SD, SATA, loop, the reader whose disk says its medium comes out, and no entry.
    const auto type = [&](unsigned maj, unsigned min) { return ClassifyBlockDevice(sysfs.path(), maj, min); };
    EXPECT_EQ((std::vector{type(8, 17), type(179, 1), type(8, 2), type(7, 0), type(8, 65), type(8, 99)}),
              (std::vector{DriveType::Removable, DriveType::Removable, DriveType::Fixed, DriveType::Fixed,
                           DriveType::Removable, DriveType::Fixed}));
    // The mounts while a drive's first disk is in, once that has been swapped, and where the drive is then;
    // a RAM disk has no port to follow.
    const std::string swaps[][3] = {
        {"8:17 /mnt/D1", "8:17 /mnt/D1", "/mnt/D1/"},   {"8:17 /mnt/D1", "8:33 /mnt/MY\\040D", "/mnt/MY D/"},
        {"8:17 /mnt/D1", "8:49 /mnt/D1", ""},           {"8:17 /mnt/D1", "8:33 /mnt/A 8:34 /mnt/B", ""},
        {"179:1 /mnt/C1", "179:9 /mnt/C2", "/mnt/C2/"}, {"8:17 /mnt/D1", "", ""},
        {"0:45 /mnt/RAM", "0:45 /mnt/RAM", "/mnt/RAM/"}};
    for (const auto& [before, after, expected] : swaps) {
        const std::string mounted = before.substr(before.find(' ') + 1) + "/";
        LinuxDrives drives(sysfs.path(), sysfs / "mountinfo");
        WriteMountInfo(sysfs / "mountinfo", before);
        EXPECT_EQ(mounted, drives.CurrentMount(mounted)) << after;
        WriteMountInfo(sysfs / "mountinfo", after);
        EXPECT_EQ(expected, drives.CurrentMount(mounted)) << after;
    }
    EXPECT_EQ("/org/freedesktop/UDisks2/block_devices/dm_2d0", UDisksBlockObjectPath("dm-0"));
    LinuxDrives drives(sysfs.path());
    EXPECT_TRUE(drives.SetLabel(drive, "DISK 2")) << "on a device UDisks2 does not know";
    const ScopedVariable path("PATH", tree.path().c_str());
    EXPECT_EQ(FormatResult::NoTool, drives.Format(drive));
    // The tool fails unless it is given the drive's device.
    WriteBytes(tree / "gnome-disks",
               "#!/bin/sh\ntest \"$*\" = '--block-device /dev/parvola/0 --format-device'\n");
    fs::permissions(tree / "gnome-disks", fs::perms::owner_all);
    EXPECT_EQ(FormatResult::Formatted, drives.Format(drive));
}

// A disk is known by the UUID whose link leads to the device its file system is on, not by the mount point
// or device number the next disk takes over; without such a link it cannot be told.
TEST(LinuxDrives, KnowADiskByTheUuidOfItsFileSystem) {
    TempTree tree;
    fs::create_directories(tree / "by-uuid");
    fs::create_directories(tree / "nodes");
    fs::create_directories(tree / "empty");
    struct stat here {};
    ASSERT_EQ(::stat(tree.path().c_str(), &here), 0);
    // Device nodes need root, which CI has.
    if (::mknod((tree / "nodes/other").c_str(), S_IFBLK | 0600, makedev(major(here.st_dev) + 1, 0)) != 0 ||
        ::mknod((tree / "nodes/this").c_str(), S_IFBLK | 0600, here.st_dev) != 0) {
        GTEST_SKIP() << "no device nodes can be made here";
    }
    fs::create_symlink("../nodes/other", tree / "by-uuid/0000-0001");
    fs::create_symlink("../nodes/this", tree / "by-uuid/1234-ABCD");
    fs::create_symlink("../nodes/this", tree / "by-uuid/.hidden");
    for (const auto& [folder, identity] : {std::pair("by-uuid", "1234-ABCD"), {"empty", ""}, {"gone", ""}}) {
        LinuxDrives drives(DefaultSysfsRoot(), "/proc/self/mountinfo", tree / folder);
        EXPECT_EQ(drives.VolumeIdentity(tree.path() + "/"), identity) << folder;
    }
}

// Sticks and cards carry FAT or exFAT, mounted here through FUSE as a desktop without the kernel's drivers
// would: names with these characters and, on FAT, files of 4 GiB are refused, case is ignored, and names
// are 255 characters long at most (255 bytes on ext2, whose free space leaves out the blocks kept for root).
// What the file system itself counts for a file (st_blocks) is what SpaceFor foretells, on ext2 with its
// indirect blocks too: a 720,000-byte file takes 708 blocks of 1 KiB. fusefat counts blocks its own way.
TEST(LinuxDrives, KnowWhatEachDiskCanHoldAndTheSpaceAFileTakesThere) {
    TempTree tree;
    const std::tuple<const char*, const char*, std::string, const char*, std::int64_t> disks[] = {
        {"mkfs.vfat", "fusefat -o rw+", "fuse.fusefat", ":?*<>|\\\"", 4294967295},
        {"mkfs.exfat", "mount.exfat-fuse", "fuseblk", ":?*<>|\\\"", -1},
        {"mkfs.ext2 -q -F -b 1024 -m 50", "mount", "ext2", "", -1}};
    for (const auto& [mkfs, mounter, type, forbidden, largestFile] : disks) {
        const LoopMount disk(tree / type, mkfs, 40 * 1024, mounter);
        if (!disk.mounted()) {
            GTEST_SKIP() << disk.whyNot();
        }
        const std::string drive = fs::canonical(disk.path()).string() + "/";
        const DriveLimits limits = LinuxDrives().Limits(drive);
        EXPECT_EQ(limits.fileSystem, type);
        EXPECT_EQ(limits.forbidden, forbidden);
        EXPECT_EQ(limits.largestFile, largestFile);
        EXPECT_EQ(limits.ignoresCase, *forbidden != '\0');
        EXPECT_EQ(limits.longestName, 255);
        EXPECT_EQ(limits.namesInUtf16, *forbidden != '\0');
        // Free is what an ordinary user may still write: half of the ext2 disk is kept for root.
        struct statvfs space {};
        ASSERT_EQ(::statvfs(drive.c_str(), &space), 0);
        EXPECT_TRUE(type != "ext2" || space.f_bfree > space.f_bavail * 3 / 2) << "no blocks kept for root";
        EXPECT_EQ(LinuxDrives().FreeBytes(drive), std::int64_t(space.f_bavail * space.f_frsize)) << type;
        for (const std::int64_t size : {1, 4096, 12 * 1024 + 1, 720000, 300 * 1024, 17 * 1024 * 1024}) {
            WriteBytes(drive + std::to_string(size), PatternBytes(size));
            struct stat info {};
            ASSERT_EQ(::stat((drive + std::to_string(size)).c_str(), &info), 0);
            EXPECT_TRUE(type == "fuse.fusefat" || LinuxDrives().SpaceFor(drive, size) == info.st_blocks * 512)
                << type << " " << size;
        }
    }
}

// Whatever had the name, a new file or a disk copy takes its place with the permissions asked for or the
// staged file's, and nothing the old entry led to is written.
TEST(LinuxPlatform, NewFilesAndCopiesTakeThePlaceOfWhateverHadTheName) {
    TempTree tree;
    const std::string piece = tree / "piece", staged = tree / "staged";
    WriteBytes(tree / "victim", "victim");
    const std::function<void()> entries[] = {[] {}, [&] { WriteBytes(piece, std::string(100000, 'x')); },
                                             [&] { fs::create_symlink(tree / "victim", piece); },
                                             [&] { fs::create_hard_link(tree / "victim", piece); },
                                             [&] { fs::create_symlink(tree / "missing", piece); }};
    LinuxFileSystem files;
    const mode_t mask = ::umask(022);
    // Empty, shorter than the old file, and past the copy buffer.
    for (const std::int64_t size : {0, 5, 3 * 1024 * 1024 + 17}) {
        const std::string bytes = PatternBytes(size);
        WriteBytes(staged, bytes);
        fs::permissions(staged, fs::perms(0604));
        for (const auto& make : entries) {
            for (const bool copy : {false, true}) {
                fs::remove(piece);
                make();
                std::unique_ptr<OutputFile> out;
                if (copy) {
                    ASSERT_FALSE(LinuxDrives().CopyToDisk(staged, piece, {}));
                } else {
                    ASSERT_FALSE(files.CreateReplacing(piece, 0640, out) ||
                                 out->Write(bytes.data(), bytes.size()) || out->Close());
                }
                EXPECT_TRUE(ReadBytes(piece) == bytes) << size << (copy ? " copied" : " written");
                EXPECT_EQ(ReadBytes(tree / "victim"), "victim");
                EXPECT_EQ(files.Inspect(piece, false)->permissions, copy ? 0604u : 0640u);
            }
        }
    }
    ::umask(mask);
}

// How the kernel's copy answers a call: a whole copy, a short one, or a refusal from the call numbered
// refuseAt on (0: never), with errno.
struct KernelAnswer {
    const char* label;
    std::size_t most = SIZE_MAX; // bytes at most per call
    int refuseAt = 0;
    int error = 0;             // EINTR: only that one call
    std::string said = "none"; // what the copy then tells
};

class KernelCopies : public ::testing::TestWithParam<KernelAnswer> {};

// Bytes read ahead or still buffered keep their place before those the kernel copies, a copy the kernel cuts
// short goes on, one it refuses goes through the buffer from where it stopped, any other failure is told,
// and a source that ends early is told.
TEST_P(KernelCopies, KeepEveryByteInItsPlace) {
    const KernelAnswer& row = GetParam();
    TempTree tree;
    int calls = 0;
    LinuxFileSystem files([&](int from, int to, std::size_t n) -> long {
        // An interrupted call is one only.
        if (row.refuseAt && ++calls >= row.refuseAt && (row.error != EINTR || calls == row.refuseAt)) {
            errno = row.error;
            return -1;
        }
        return ::copy_file_range(from, nullptr, to, nullptr, std::min(n, row.most), 0);
    });
    // Through the buffers (16 and 4096), then copied in chunks larger than the buffer and one that is not.
    const std::vector<std::int64_t> chunks = {16, 300000, 4096, 1, 1 << 20, 65536, 200003};
    const std::string bytes = PatternBytes(std::accumulate(chunks.begin(), chunks.end(), std::int64_t{0}));
    WriteBytes(tree / "source", bytes);
    std::vector<char> buffer(65536);
    std::unique_ptr<InputFile> in;
    std::unique_ptr<OutputFile> earlier, out;
    ASSERT_FALSE(files.OpenRead(tree / "source", in) || files.CreateNew(tree / "copy.0", earlier) ||
                 files.CreateNew(tree / "copy", out) || in->Read(buffer.data(), 16) ||
                 earlier->Write(buffer.data(), 16) || earlier->Close());
    std::string said = "none";
    for (std::size_t i = 1; i < chunks.size() && said == "none"; ++i) {
        const auto n = std::size_t(chunks[i]);
        FileStatus status = n == 4096 ? in->Read(buffer.data(), n) : std::nullopt;
        status = status      ? status
                 : n == 4096 ? out->Write(buffer.data(), n)
                             : out->CopyFrom(*in, chunks[i], buffer.data(), buffer.size());
        said = Said(status);
    }
    EXPECT_EQ(said, row.said);
    if (row.said == "none") {
        EXPECT_EQ("62 Input past end of file", Said(out->CopyFrom(*in, 65536, buffer.data(), buffer.size())));
        out->Close();
        EXPECT_TRUE(ReadBytes(tree / "copy.0") + ReadBytes(tree / "copy") == bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    LinuxPlatform, KernelCopies,
    ::testing::Values(KernelAnswer{"Whole"}, KernelAnswer{"Short", 4097},
                      KernelAnswer{"Interrupted", SIZE_MAX, 1, EINTR, "none"},
                      // Another file system on older kernels, then some FUSE file systems.
                      KernelAnswer{"CrossDevice", 100000, 3, EXDEV},
                      KernelAnswer{"Refused", SIZE_MAX, 1, EINVAL},
                      KernelAnswer{"Unsupported", SIZE_MAX, 2, EOPNOTSUPP},
                      KernelAnswer{"DeviceFails", 100000, 2, EIO, "57 Device I/O error"}),
    [](const auto& info) { return std::string(info.param.label); });

// Each failure is the kernel's own, told by number; a copy or a piece that fails leaves nothing that would
// pass for a whole one, and lets its descriptor go.
TEST(LinuxPlatform, FailuresAreToldAndLeaveNothing) {
    TempTree tree;
    LinuxFileSystem files;
    WriteBytes(tree / "piece", PatternBytes(2 * 1024 * 1024));
    EXPECT_EQ("76 Path not found", Said(LinuxDrives().CopyToDisk(tree / "piece", tree / "gone/piece", {})));
    // Stopped by the user after the first block.
    const auto stop = [](std::int64_t at, std::int64_t) { return at == 0; };
    EXPECT_EQ("18 User interrupt occurred",
              Said(LinuxDrives().CopyToDisk(tree / "piece", tree / "stopped", stop)));
    EXPECT_FALSE(Exists(tree / "stopped"));
    const TmpfsMount disk(tree / "mnt", "size=64k");
    if (!disk.mounted()) {
        GTEST_SKIP() << disk.whyNot();
    }
    EXPECT_EQ("61 Disk full", Said(LinuxDrives().CopyToDisk(tree / "piece", disk.path() + "/piece", {})));
    EXPECT_FALSE(Exists(disk.path() + "/piece"));
    // Blocks small enough to be gathered, so that the disk fills only when the file is closed.
    const auto descriptors = [] { return std::distance(fs::directory_iterator("/proc/self/fd"), {}); };
    const auto before = descriptors();
    const std::string block = PatternBytes(30000);
    std::unique_ptr<OutputFile> out;
    ASSERT_FALSE(files.CreateNew(disk.path() + "/piece.001", out) || out->Write(block.data(), block.size()) ||
                 out->Write(block.data(), block.size()) || out->Write(block.data(), block.size()));
    EXPECT_EQ("61 Disk full", Said(out->Close()));
    EXPECT_EQ(before, descriptors());

    WriteBytes(tree / "short.bin", "0123456789");
    std::unique_ptr<InputFile> in;
    char buffer[16];
    ASSERT_FALSE(files.OpenRead(tree / "short.bin", in) || in->Read(buffer, 4));
    EXPECT_EQ("62 Input past end of file", Said(in->Read(buffer, 7)));
    fs::create_directories(tree / "full/inner");
    EXPECT_TRUE(files.RemoveFolder(tree / "full"));
    EXPECT_FALSE(files.RemoveFolder(tree / "full/inner"));
    EXPECT_FALSE(Exists(tree / "full/inner"));
    // A lock is held once, and its file goes with it; the next run takes over one that a run which died
    // left. What only has the name, a file of the user's (an empty one too) or a link, is told and kept.
    const std::string lock = tree / ".report.doc.parvola-lock";
    std::unique_ptr<FileLock> first, second;
    ASSERT_FALSE(files.Lock(lock, first));
    EXPECT_EQ("70 Permission denied", Said(files.Lock(lock, second)));
    const std::string left = ReadBytes(lock);
    first.reset();
    EXPECT_FALSE(Exists(lock));
    WriteBytes(lock, left);
    ASSERT_FALSE(files.Lock(lock, first));
    EXPECT_EQ("70 Permission denied", Said(files.Lock(lock, second)));
    first.reset();
    EXPECT_FALSE(Exists(lock));
    for (const std::string mine : {"mine\n", ""}) {
        WriteBytes(lock, mine);
        EXPECT_EQ("58 File already exists", Said(files.Lock(lock, first)));
        EXPECT_EQ(ReadBytes(lock), mine);
    }
    fs::remove(lock);
    fs::create_symlink(tree / "elsewhere", lock);
    EXPECT_EQ("58 File already exists", Said(files.Lock(lock, first)));
    EXPECT_TRUE(fs::is_symlink(lock) && !Exists(tree / "elsewhere"));
}

// Staging only goes where no other user can swap the private folder for something of theirs: not below a
// folder others may write to without the sticky bit, nor below one of another user's; a folder of the user's
// group is theirs too.
TEST(LinuxPaths, MakeATempFolderOnlyWhereNoOtherUserCanChangeIt) {
    TempTree tree;
    const std::string base = fs::canonical(tree.path()).string();
    const uid_t me = ::geteuid();
    const std::tuple<const char*, mode_t, uid_t, bool> rows[] = {
        {"private", 0700, me, true}, {"sticky", 01777, me, true},    {"group", 0770, me, true},
        {"open", 0777, me, false},   {"others", 0755, 65534, false},
    };
    struct stat top {};
    if (::stat("/", &top) != 0 || top.st_uid != 0) {
        GTEST_SKIP()
            << "/ shows no owner here (a user namespace of the test's own), so no folder can be told safe";
    }
    bool givenAway = true;
    for (const auto& [name, mode, owner, safe] : rows) {
        const std::string folder = base + "/" + name;
        fs::create_directory(folder);
        ASSERT_EQ(::chmod(folder.c_str(), mode), 0);
        if (::chown(folder.c_str(), owner, ::getegid()) != 0) {
            givenAway = false; // only root can give a folder to another user
            continue;
        }
        EXPECT_EQ(WhyUnsafeFolder(folder).empty(), safe) << name;
        const ScopedVariable tmpdir("TMPDIR", folder.c_str());
        std::string staging;
        EXPECT_EQ(!LinuxPaths().MakeTempFolder(staging), safe) << name;
        // Made inside the folder, or the folder is named.
        EXPECT_EQ(safe ? LinuxFileSystem().Inspect(staging, true).value_or(FileInfo{}).permissions : 0700u,
                  0700u);
        EXPECT_EQ(safe ? staging.rfind(folder + "/", 0) : staging == folder ? 0 : 1, 0u) << staging;
    }
    const ScopedVariable missing("TMPDIR", (base + "/missing").c_str());
    std::string staging;
    EXPECT_EQ("76 Path not found", Said(LinuxPaths().MakeTempFolder(staging)));
    EXPECT_EQ(staging, base + "/missing");
    fs::create_directory(base + "/open/inner");
    EXPECT_NE(WhyUnsafeFolder(base + "/open/inner"), "") << "a safe folder inside an unsafe one";
    if (!givenAway) {
        GTEST_SKIP() << "the folder of another user needs root to be made; the other rows passed";
    }
}

// An absolute path names what the system would open: ".." after a link leads beside the link's target, and
// the last name stays as it is, a link too. The home folder is $HOME when that is absolute.
TEST(LinuxPaths, ReadPathsAsTheSystemDoes) {
    TempTree tree;
    const std::string base = fs::canonical(tree.path()).string();
    fs::create_directories(base + "/elsewhere/inside");
    fs::create_directory_symlink(base + "/elsewhere/inside", base + "/L");
    const std::pair<const char*, std::string> rows[] = {
        {"L/../f.bin", "/elsewhere/f.bin"},  {"f.bin", "/f.bin"}, {"./L", "/L"}, {".", ""},
        {"missing/f.bin", "/missing/f.bin"},
    };
    const fs::path before = fs::current_path();
    fs::current_path(base);
    for (const auto& [path, absolute] : rows) {
        EXPECT_EQ(LinuxPaths().Absolute(path), base + absolute) << path;
    }
    fs::current_path(before);
    const std::string passwd = ::getpwuid(::geteuid())->pw_dir;
    const std::pair<const char*, std::string> homes[] = {
        {"/home/ann", "/home/ann"}, {nullptr, passwd}, {"relative", passwd}, {"", passwd}};
    for (const auto& [home, expected] : homes) {
        const ScopedVariable variable("HOME", home);
        EXPECT_EQ(UserHomeFolder(), expected) << (home ? home : "unset");
    }
}

// Text in a code page and the bytes the command interpreter reads it back from, as Windows' own tables
// give them; none where the page lacks a character.
struct Spelling {
    int page;
    std::string text;
    std::optional<std::string> bytes;
};

// Where glibc's iconv and Windows differ, Windows' bytes; glibc's in the comments.
TEST(LinuxCodePages, GiveTheBytesWindowsGives) {
    const Spelling rows[] = {
        {932, "¥", std::nullopt},                              // 5C, a backslash to the interpreter
        {932, "テスト¥5", std::nullopt},                       // a name is refused as a whole
        {932, "‾", std::nullopt},                              // 7E
        {932, "表データ", "\x95\x5c\x83\x66\x81\x5b\x83\x5e"}, // both agree; 5C trails a lead byte
        {864, "100%", "100%"},                                 // none
        {864, "\u066a", std::nullopt},                         // 25
        {1258, "Ã", std::nullopt},                             // 41 DE, "A" and a combining tilde
        {857, "\uf8bb", "\xd5"},                               // none
        {874, "\uf8c1", "\xdb"},                               // none
        {949, "\ue000", "\xc9\xa1"},                           // none
        {950, "═", "\xf9\xf9"},                                // A2 A4
        {850, "Größe", "Gr\x94\xe1\x65"},                      // both agree
        {850, "smile\U0001F600", std::nullopt},                // beyond the BMP
        {850, "\xc3", std::nullopt},                           // not UTF-8
        {1, "a", std::nullopt},                                // no such code page
    };
    LinuxCodePages codePages;
    for (const auto& row : rows) {
        EXPECT_EQ(codePages.Encode(row.page, row.text), row.bytes) << row.page << " " << row.text;
    }
}

} // namespace parvola::test
