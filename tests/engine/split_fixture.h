#pragma once

#include "engine/naming.h"
#include "engine/split_job.h"
#include "platform/linux/linux_code_pages.h"
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

namespace parvola::test {

// A source folder and a destination folder on real disk, the scripted UI, and an in-memory store set to
// keep the source after a split unless a test says otherwise.
class SplitFixture : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(sourceDir);
        std::filesystem::create_directory(dest);
        settings.values["optClean"] = "2";
    }

    std::string MakeSource(const std::string& name, std::int64_t size) {
        WriteBytes(sourceDir + "/" + name, PatternBytes(size));
        return sourceDir + "/" + name;
    }

    SplitOutcome Split(const std::string& source, double pieceSize, const std::string& destFolder = {}) {
        request = SplitRequest{source, destFolder.empty() ? dest : destFolder, pieceSize};
        return SplitFile(request, ui, settings, platform);
    }

    std::vector<std::string> Names(const std::string& folder) const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
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
    LinuxCodePages codePages;
    Platform platform{files, drives, paths, codePages};
    SplitRequest request;
};

// Replaces every "{name}" in text by its value.
inline std::string Fill(std::string text, const std::string& name, const std::string& value) {
    for (auto at = text.find(name); at != std::string::npos; at = text.find(name, at + value.size())) {
        text.replace(at, name.size(), value);
    }
    return text;
}

} // namespace parvola::test
