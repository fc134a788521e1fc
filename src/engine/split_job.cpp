#include "engine/split_job.h"

#include "engine/naming.h"
#include "engine/readme_file.h"
#include "engine/rejoin_script.h"
#include "engine/setting_values.h"
#include "engine/source_cleanup.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

namespace parvola {

namespace {

// Largest first; the largest is 65526, not 65536.
constexpr std::array<std::size_t, 6> kBlockSizes = {65526, 32768, 4096, 256, 16, 1};

std::string ErrorText(const FileError& error) {
    return "Error: " + std::to_string(error.number) + "\r\n\r\n" + error.description;
}

std::string CharacterName(char c) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 0x20 || code == 0x7f) {
        return "a control character (code " + std::to_string(code) + ")";
    }
    return std::string("the character ") + c;
}

// chk83 on (numeric value 1) cuts the output names to 8.3 form. storeDefault writes "0" for a missing value,
// as the split does once it starts copying.
bool Cut83(SettingsStore& settings, bool storeDefault) {
    auto value = settings.ReadSetting("chk83").value_or("");
    if (value.empty() && storeDefault) {
        value = "0";
        settings.WriteSetting("chk83", value);
    }
    return NumberIn(value) == 1.0;
}

// True when one of the files the split writes would be the source itself: a source named Readme.txt split
// into its own folder, or with cut names a source named like its own pieces or script ("archive.002").
bool WouldOverwriteSource(SettingsStore& settings, FileSystem& files, const SplitRequest& request,
                          const std::string& baseName, std::int64_t pieceCount) {
    const std::string name = SourceFileName(request.SourcePath);
    const std::string readme = settings.ReadSetting("optReadme").value_or("");
    bool collides = (name == kReadmeName && (readme.empty() || readme == "0")) || name == baseName + ".bat";
    const std::string stem = baseName + ".";
    if (!collides && name.size() > stem.size() && name.size() - stem.size() <= 18 &&
        name.rfind(stem, 0) == 0) {
        const std::string digits = name.substr(stem.size());
        if (std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            const std::int64_t number = std::stoll(digits);
            collides = number >= 1 && number <= pieceCount && PieceName(baseName, number) == name;
        }
    }
    return collides && files.SameFile(JoinPath(request.DestFolder, name), request.SourcePath);
}

// Writes a line into a file the split creates, never into one that is there already, and removes it again.
// Reports the failure the way the user is told about it, or nothing.
std::optional<std::string> TestWrite(FileSystem& files, const std::string& destFolder) {
    const bool endsInSeparator = !destFolder.empty() && destFolder.back() == kPathSeparator;
    const std::string folder = endsInSeparator ? destFolder : destFolder + kPathSeparator;

    std::unique_ptr<OutputFile> file;
    std::string path;
    FileStatus error;
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = folder + (attempt == 0 ? "test.txt" : "test~" + std::to_string(attempt) + ".txt");
        error = files.CreateNew(path, file);
        if (!error || error->number != ErrorNumber::FileExists) {
            break;
        }
    }
    if (error) {
        if (error->number == ErrorNumber::PathFileAccess) {
            return ErrorText(*error) +
                   "\r\n\r\nThis error is most commonly caused when you try to write the split file to a "
                   "read-only destination (e.g. a CDROM)";
        }
        return ErrorText(*error);
    }

    const std::string line = "file test write\r\n";
    auto writeError = file->Write(line.data(), line.size());
    auto closeError = file->Close();
    auto deleteError = files.DeleteFile(path);
    for (const auto& failure : {writeError, closeError, deleteError}) {
        if (failure) {
            return ErrorText(*failure);
        }
    }
    return std::nullopt;
}

// One run of the copy and its finishing steps, with everything it has written so far, so that a failure
// can take back exactly this run's outputs.
class CopyRun {
public:
    CopyRun(const SplitRequest& request, SplitUi& ui, SettingsStore& settings, Platform& platform,
            std::int64_t totalLength)
        : m_request(request), m_ui(ui), m_settings(settings), m_files(platform.files), m_total(totalLength) {}

    void Run() {
        m_ui.ShowProgress();
        const std::string workingFolder = m_request.DestFolder;
        const std::string baseName = BaseName(SourceFileName(m_request.SourcePath), Cut83(m_settings, true));

        if (auto error = Copy(workingFolder, baseName)) {
            return Fail(*error);
        }

        m_written.push_back(RejoinScriptPath(workingFolder, baseName));
        if (auto error = WriteRejoinScript(m_files, workingFolder, baseName, m_pieceCount)) {
            return Fail(*error);
        }
        WriteReadme(m_files, m_settings, workingFolder, std::string(), baseName);

        // Disk staging serves the last disk here once it exists.

        m_ui.SetProgress(100);
        if (PiecesHoldTheWholeSource()) {
            CleanupSource(m_ui, m_settings, m_files, m_request.SourcePath);
        }
        m_ui.HideProgress();
        m_ui.ShowMessage(kCompletedMessage, MessageIcon::Information);
    }

private:
    FileStatus Copy(const std::string& workingFolder, const std::string& baseName) {
        std::unique_ptr<InputFile> source;
        if (auto error = m_files.OpenRead(m_request.SourcePath, source)) {
            return error;
        }

        // Allocated once per run: the loop itself never allocates.
        std::array<std::vector<char>, kBlockSizes.size()> buffers;
        for (std::size_t i = 0; i < kBlockSizes.size(); ++i) {
            buffers[i].resize(kBlockSizes[i]);
        }

        std::unique_ptr<OutputFile> piece;
        std::int64_t done = 0;
        std::int64_t left = 0;
        int shownProgress = -1;
        for (;;) {
            if (left == 0) {
                if (piece) {
                    auto error = piece->Close();
                    piece.reset();
                    if (error) {
                        return error;
                    }
                }
                if (done >= m_total) {
                    return std::nullopt;
                }
                left = static_cast<std::int64_t>(
                    std::min(m_request.PieceSize, static_cast<double>(m_total - done)));

                // Disk staging takes the finished piece here once it exists.

                ++m_pieceCount;
                const std::string path = JoinPath(workingFolder, PieceName(baseName, m_pieceCount));
                auto error = m_files.CreateOrTruncate(path, piece);
                if (error) {
                    return error;
                }
                m_written.push_back(path);
            }

            // Times 99 keeps the bar below 100 until the finishing steps; halves go to the even number.
            const int progress = static_cast<int>(
                std::nearbyint(static_cast<double>(done) / static_cast<double>(m_total) * 99.0));
            if (progress != shownProgress) {
                m_ui.SetProgress(progress);
                shownProgress = progress;
            }

            std::size_t block = 0;
            while (kBlockSizes[block] > static_cast<std::uint64_t>(left)) {
                ++block;
            }
            const std::size_t n = kBlockSizes[block];
            char* buffer = buffers[block].data();
            if (auto error = source->Read(buffer, n)) {
                return error;
            }
            if (auto error = piece->Write(buffer, n)) {
                return error;
            }
            left -= static_cast<std::int64_t>(n);
            done += static_cast<std::int64_t>(n);
        }
    }

    // The source may only go when what the pieces hold adds up to the source as it is now.
    bool PiecesHoldTheWholeSource() {
        std::int64_t sum = 0;
        for (std::int64_t i = 0; i < m_pieceCount; ++i) {
            const auto length = m_files.FileLength(m_written[static_cast<std::size_t>(i)]);
            if (!length) {
                return false;
            }
            sum += *length;
        }
        return sum == m_total && m_files.FileLength(m_request.SourcePath) == m_total;
    }

    void Fail(const FileError& error) {
        for (const auto& path : m_written) {
            m_files.DeleteFile(path);
        }
        m_ui.HideProgress();
        m_ui.ShowMessage(ErrorText(error) + "\r\nThe file was not split.", MessageIcon::Critical);
    }

    const SplitRequest& m_request;
    SplitUi& m_ui;
    SettingsStore& m_settings;
    FileSystem& m_files;
    const std::int64_t m_total;
    std::int64_t m_pieceCount = 0;
    // Pieces 1 … m_pieceCount in order, then the script: every file this run created or replaced.
    std::vector<std::string> m_written;
};

} // namespace

bool SplitFile(SplitRequest& request, SplitUi& ui, SettingsStore& settings, Platform& platform) {
    // Callers refuse such sizes before asking; a piece of no bytes would never finish.
    if (!(request.PieceSize >= 1)) {
        return false;
    }
    FileSystem& files = platform.files;
    const std::string sourceFileName = SourceFileName(request.SourcePath);

    // Refused before anything is written: such a name would break the script or run part of it as commands.
    const std::string baseName = BaseName(sourceFileName, Cut83(settings, false));
    if (const auto unsafe = UnsafeScriptCharacter(baseName)) {
        ui.ShowMessage("The file name " + sourceFileName + " holds " + CharacterName(*unsafe) +
                           ", which the batch file that joins the pieces cannot hold.  Operation cancelled.  "
                           "Please rename the source file and try again.",
                       MessageIcon::Critical);
        return false;
    }

    const auto testWriteFailure = TestWrite(files, request.DestFolder);
    if (!request.DestFolder.empty() && request.DestFolder.back() == kPathSeparator) {
        request.DestFolder.pop_back();
    }
    if (testWriteFailure) {
        ui.ShowMessage(*testWriteFailure, MessageIcon::Critical);
        return false;
    }

    const std::string probed = JoinPath(request.DestFolder, sourceFileName + ".001");
    if (const auto found = files.FindFile(probed)) {
        ui.ShowMessage(
            "Destination file already exists (~" + probed + "~ ~" + *found +
                "~).  Operation cancelled.  Please rename the source file or change the destination "
                "and try again.",
            MessageIcon::Critical);
        return false;
    }

    const std::int64_t length = files.FileLength(request.SourcePath).value_or(0);
    if (static_cast<double>(length) < request.PieceSize) {
        ui.ShowMessage("File is too small to split.", MessageIcon::Exclamation);
        return false;
    }

    const auto pieceCount =
        static_cast<std::int64_t>(std::ceil(static_cast<double>(length) / request.PieceSize));
    if (WouldOverwriteSource(settings, files, request, baseName, pieceCount)) {
        ui.ShowMessage("The split would write over its own source file (~" + request.SourcePath +
                           "~).  Operation cancelled.  Please change the destination and try again.",
                       MessageIcon::Critical);
        return false;
    }

    const std::string drive = platform.drives.DriveOf(request.DestFolder + kPathSeparator);
    if (platform.drives.TypeOf(drive) == DriveType::Removable) {
        // Disk staging sets itself up here once it exists; until then a removable destination is written
        // like a fixed one.
    }

    CopyRun(request, ui, settings, platform, length).Run();
    return true;
}

} // namespace parvola
