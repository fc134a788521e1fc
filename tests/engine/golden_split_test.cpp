// SPDX-License-Identifier: GPL-3.0-or-later
// The split and the join on the build's own platform and real files: the same golden batch files and
// readmes on every system, the readme naming the batch file where it really is, and the pieces joining
// back into the source.
#include "engine/join_job.h"
#include "engine/split_job.h"
#include "platform/path_text.h"
#include "platform/system_platform.h"
#include "support/memory_settings.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>

namespace parvola::test {

namespace fs = std::filesystem;

namespace {

// Names are UTF-8 here, whatever the system's narrow encoding.
std::string Read(const std::string& path) {
    std::ifstream in(fs::u8path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(fs::u8path(path), std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

// Bytes that do not repeat with any short period, so a misplaced block shows.
std::string PatternBytes(std::int64_t size) {
    std::string bytes(static_cast<std::size_t>(size), '\0');
    std::uint64_t state = 1;
    for (auto& byte : bytes) {
        state = state * 6364136223846793005u + 1442695040888963407u;
        byte = static_cast<char>(state >> 56);
    }
    return bytes;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& line : lines) {
        all += line + "|";
    }
    return all;
}

} // namespace

// The name a source has and its size, the piece size, the settings; the script is golden/LABEL.bat, the
// readme golden/LABEL.Readme.txt (if readme) with "/" before the script's name there replaced by the folder
// the pieces are in, the name in capitals as the system has them.
struct Golden {
    const char* label;
    std::string name;
    std::int64_t size;
    double piece;
    std::map<std::string, std::string> settings;
    std::string script;
    bool readme = true;
};

std::ostream& operator<<(std::ostream& os, const Golden& row) {
    return os << row.label;
}

class GoldenSplits : public ::testing::TestWithParam<Golden> {
protected:
    void SetUp() override {
        // A folder of the test's own; the staging folder's checks on who may change its parent are the
        // platform tests' concern, and a test run in a namespace of its own sees /tmp as another's.
        const fs::path made =
            fs::temp_directory_path() / ("parvola-golden-" + std::to_string(std::random_device()()));
        ASSERT_TRUE(fs::create_directory(made)) << made;
        folder = made.u8string();
        source = JoinPath(folder, "source");
        dest = JoinPath(folder, "dest");
        fs::create_directories(fs::u8path(source));
        fs::create_directories(fs::u8path(dest));
    }
    void TearDown() override { fs::remove_all(fs::u8path(folder)); }

    std::string folder, source, dest;
    SystemFileSystem files;
    SystemDrives drives;
    SystemPaths paths;
    SystemCodePages codePages;
    SystemChecksums checksums;
    Platform platform{files, drives, paths, codePages, checksums};
    ScriptedUi ui;
    MemorySettings settings;
};

TEST_P(GoldenSplits, WriteTheGoldenBytesAndJoinBack) {
    const Golden& row = GetParam();
    const std::string sourcePath = JoinPath(source, row.name);
    const std::string bytes = PatternBytes(row.size);
    Write(sourcePath, bytes);
    settings.values = row.settings;
    SplitRequest request{sourcePath, dest, row.piece, false, SourceAfterSplit::Keep};
    ASSERT_EQ(SplitFile(request, ui, settings, platform), SplitOutcome::Completed) << Joined(ui.log);

    const std::string golden = std::string(PARVOLA_GOLDEN_FOLDER "/") + row.label;
    EXPECT_TRUE(Read(JoinPath(dest, row.script + ".bat")) == Read(golden + ".bat"))
        << "differs from " << golden << ".bat";
    if (row.readme) {
        // The folder in capitals; its name is ASCII.
        std::string folderInCapitals = dest;
        for (char& c : folderInCapitals) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        std::string readme = Read(golden + ".Readme.txt");
        const std::string before = "is:\r\n";
        readme.replace(readme.find(before + "/") + before.size(), 1, folderInCapitals + kPathSeparator);
        EXPECT_EQ(Read(JoinPath(dest, "Readme.txt")), readme);
    }

    ui.log.clear();
    const std::string joined = JoinPath(folder, "joined");
    fs::create_directories(fs::u8path(joined));
    ASSERT_EQ(JoinPieces(JoinRequest{JoinPath(dest, row.script + ".bat"), joined}, ui, platform),
              JoinOutcome::Joined)
        << Joined(ui.log);
    // Under the name the batch file gives it, which the 8.3 cut may have shortened.
    const std::string whole = Read(JoinPath(joined, row.script));
    EXPECT_TRUE(whole == bytes) << whole.size() << " bytes joined of " << bytes.size();
}

INSTANTIATE_TEST_SUITE_P(
    Names, GoldenSplits,
    ::testing::Values(
        Golden{"ThreePieces", "report.doc", 3000000, 1440000, {}, "report.doc"},
        Golden{"ShortNames", "Annual Report.doc", 2500, 1000, {{"chk83", "1"}}, "Annual R"},
        Golden{"Cp850", "Größe résumé.bin", 2000, 1000, {}, "Größe résumé.bin"},
        Golden{"Cp866", "Отчёт", 1000, 1000, {{"optReadme", "1"}}, "Отчёт", false},
        Golden{"Cp932TrailByte5C", "表データ", 1000, 1000, {{"optReadme", "1"}}, "表データ", false},
        Golden{"Cp936", "数据", 1000, 1000, {{"optReadme", "1"}}, "数据", false},
        Golden{"Cut83Japanese",
               "日本語のファイル名.txt",
               1000,
               1000,
               {{"chk83", "1"}, {"optReadme", "1"}},
               "日本語のファイル",
               false}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace parvola::test
