// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/linux/linux_checksums.h"
#include "platform/linux/linux_code_pages.h"
#include "platform/linux/linux_file_system.h"
#include "platform/platform.h"
#include "support/fake_drives.h"
#include "support/probed_file_system.h"
#include "support/temp_tree.h"

#include <filesystem>

namespace parvola::test {

// The real files, code pages and checksums below a folder of the test's own, which the code under test sees
// as "/", so that its paths and messages are the same in every run and "/" can be a destination. Drives are
// made up; locks go into "/" (or tempBase) and pieces for disks are staged in "/staging/".
class RootedPlatform : public Paths {
public:
    FileStatus MakeTempFolder(std::string& folder) override {
        if (!std::filesystem::is_directory(tree.path() + tempBase)) {
            folder = tempBase;
            return FileError{ErrorNumber::PathNotFound, "Path not found"};
        }
        std::filesystem::create_directory(tree / "staging");
        folder = "/staging/";
        return std::nullopt;
    }
    std::string LockFolder() override { return tempBase; }
    std::string Absolute(const std::string& path) override { return path; }
    std::string HomeFolder() override { return {}; }
    std::string ShortPathName(const std::string& path) override { return path; }

    // Where locks and the staging folder would go: made up for a test, missing.
    std::string tempBase = "/";
    TempTree tree;
    LinuxFileSystem realFiles;
    ProbedFileSystem files{realFiles, tree.path()};
    FakeDrives drives;
    LinuxCodePages codePages;
    LinuxChecksums checksums;
    Platform platform{files, drives, *this, codePages, checksums};
};

} // namespace parvola::test
