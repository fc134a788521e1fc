#pragma once

#include "engine/split_job.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_paths.h"
#include "support/fake_drives.h"
#include "support/memory_settings.h"
#include "support/probed_file_system.h"
#include "support/scripted_ui.h"
#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace parvola::test {

// A source folder and a destination folder on real disk, the scripted UI and an in-memory store that keeps
// the source after a split unless a test says otherwise.
class SplitFixture : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(sourceDir);
        std::filesystem::create_directory(dest);
        settings.values["optClean"] = "2";
    }

    std::string MakeSource(const std::string& name, std::int64_t size) {
        const std::string path = sourceDir + "/" + name;
        WriteBytes(path, PatternBytes(size));
        return path;
    }

    bool Split(const std::string& sourcePath, double pieceSize, const std::string& destFolder) {
        request = SplitRequest{sourcePath, destFolder, pieceSize};
        return SplitFile(request, ui, settings, platform);
    }
    bool Split(const std::string& sourcePath, double pieceSize) { return Split(sourcePath, pieceSize, dest); }

    // The names in the destination, sorted.
    std::vector<std::string> DestNames() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dest)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    bool ProgressShown() const {
        return std::any_of(ui.calls().begin(), ui.calls().end(),
                           [](const auto& call) { return call.kind == ScriptedUi::Kind::ShowProgress; });
    }

    TempTree tree;
    const std::string sourceDir = tree / "source";
    const std::string dest = tree / "dest";
    ScriptedUi ui;
    MemorySettings settings;
    LinuxFileSystem realFiles;
    ProbedFileSystem files{realFiles};
    FakeDrives drives;
    LinuxPaths paths;
    Platform platform{files, drives, paths};
    SplitRequest request;
};

} // namespace parvola::test
