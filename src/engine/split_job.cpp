#include "engine/split_job.h"

#include "engine/disk_staging.h"
#include "engine/error_text.h"
#include "engine/naming.h"
#include "engine/readme_file.h"
#include "engine/rejoin_script.h"
#include "engine/removable_media.h"
#include "engine/setting_values.h"
#include "engine/source_cleanup.h"
#include "engine/split_checks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace parvola {

namespace {

// Largest first; the largest is 65526, not 65536.
constexpr std::array<std::size_t, 6> kBlockSizes = {65526, 32768, 4096, 256, 16, 1};

// One run of the copy and its finishing steps, with everything it has written so far, so that a failure
// can take back exactly this run's outputs.
class CopyRun {
public:
    CopyRun(const SplitRequest& request, SplitUi& ui, SettingsStore& settings, Platform& platform,
            const FileInfo& source, std::string baseName, std::string spelling,
            std::optional<DiskTarget> disk)
        : m_request(request), m_ui(ui), m_settings(settings), m_files(platform.files), m_source(source),
          m_baseName(std::move(baseName)), m_spelling(std::move(spelling)) {
        if (disk) {
            m_disk.emplace(ui, settings, platform.files, platform.drives, std::move(*disk),
                           request.PieceSize);
        }
    }

    // Waits until a disk of the drive has room for one piece; false when the user cancels.
    bool PrepareDisk() { return m_disk->Prepare(); }

    // Writes the pieces, the script and the readme into workingFolder: the destination, or the staging
    // folder of a removable one.
    SplitOutcome Run(const std::string& workingFolder) {
        m_ui.ShowProgress();
        m_workingFolder = workingFolder;
        if (m_disk) {
            m_disk->StageIn(workingFolder);
        }
        // Stores the default of a missing chk83; the names were fixed by the checks.
        ReadCut83(m_settings, true);

        if (auto error = Copy()) {
            return Fail(*error);
        }
        if (Cancelled()) {
            return Cancel();
        }

        m_written.push_back(RejoinScriptPath(m_workingFolder, m_baseName));
        if (auto error = WriteRejoinScript(m_files, m_workingFolder, m_baseName, m_spelling, m_pieceCount,
                                           m_source.permissions)) {
            return Fail(*error);
        }
        m_readme = ReadReadmeWanted(m_settings, true);
        if (m_readme) {
            m_written.push_back(JoinPath(m_workingFolder, kReadmeName));
            if (auto error = WriteReadme(m_files, m_workingFolder, m_disk ? m_disk->folder() : std::string(),
                                         m_baseName, m_source.permissions)) {
                return Fail(*error);
            }
        }
        // Checked while the staged pieces are still there to be measured.
        const bool complete = PiecesHoldTheWholeSource();

        if (m_disk) {
            std::vector<std::string> names = {PieceName(m_baseName, m_pieceCount), m_baseName + ".bat"};
            if (m_readme) {
                names.push_back(kReadmeName);
            }
            if (auto error = m_disk->ServeLastDisk(names)) {
                return Fail(*error);
            }
            if (Cancelled()) {
                return Cancel();
            }
            TakeBack();
        }

        m_ui.SetProgress(100);
        const auto cleanupProblem =
            CleanupSource(m_ui, m_settings, m_files, m_request.SourcePath, m_source, complete);
        m_ui.HideProgress();
        if (cleanupProblem) {
            m_ui.ShowMessage(*cleanupProblem, MessageIcon::Exclamation);
            return SplitOutcome::Failed;
        }
        m_ui.ShowMessage(kCompletedMessage, MessageIcon::Information);
        return SplitOutcome::Completed;
    }

private:
    bool Cancelled() const { return m_cancelled || (m_disk && m_disk->cancelled()); }

    FileStatus Copy() {
        std::unique_ptr<InputFile> source;
        if (auto error = m_files.OpenRead(m_request.SourcePath, source)) {
            return error;
        }

        // Allocated once per run: the loop itself never allocates.
        std::array<std::vector<char>, kBlockSizes.size()> buffers;
        for (std::size_t i = 0; i < kBlockSizes.size(); ++i) {
            buffers[i].resize(kBlockSizes[i]);
        }

        const std::int64_t total = m_source.length;
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
                if (done >= total) {
                    return std::nullopt;
                }
                left = static_cast<std::int64_t>(
                    std::min(m_request.PieceSize, static_cast<double>(total - done)));

                if (m_disk && m_pieceCount > 0) {
                    if (auto error = m_disk->HandOver(PieceName(m_baseName, m_pieceCount), left)) {
                        return error;
                    }
                    if (m_disk->cancelled()) {
                        return std::nullopt;
                    }
                }

                ++m_pieceCount;
                const std::string path = JoinPath(m_workingFolder, PieceName(m_baseName, m_pieceCount));
                if (auto error = m_files.CreateReplacing(path, m_source.permissions, piece)) {
                    return error;
                }
                m_written.push_back(path);
            }

            // Times 99 keeps the bar below 100 until the finishing steps; halves go to the even number.
            const int progress = static_cast<int>(
                std::nearbyint(static_cast<double>(done) / static_cast<double>(total) * 99.0));
            if (progress != shownProgress) {
                m_ui.SetProgress(progress);
                shownProgress = progress;
            }

            std::size_t block = 0;
            while (kBlockSizes[block] > static_cast<std::uint64_t>(left)) {
                ++block;
            }
            if (m_ui.CancelRequested()) {
                m_cancelled = true;
                return std::nullopt;
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

    // The source may only go when what the pieces hold adds up to it.
    bool PiecesHoldTheWholeSource() {
        std::int64_t sum = 0;
        for (std::int64_t i = 0; i < m_pieceCount; ++i) {
            const auto length = m_files.FileLength(m_written[static_cast<std::size_t>(i)]);
            if (!length) {
                return false;
            }
            sum += *length;
        }
        return sum == m_source.length;
    }

    // Everything this run wrote, and a staging folder; pieces already on disks are all that stays.
    void TakeBack() {
        for (const auto& path : m_written) {
            m_files.DeleteFile(path);
        }
        m_written.clear();
        if (m_disk) {
            m_files.RemoveFolder(m_workingFolder);
        }
    }

    SplitOutcome Cancel() {
        TakeBack();
        m_ui.HideProgress();
        return SplitOutcome::Cancelled;
    }

    SplitOutcome Fail(const FileError& error) {
        // A copy the user stopped, or one that failed while they were stopping it, ends as a cancel.
        if (m_ui.CancelRequested()) {
            return Cancel();
        }
        std::string text = ErrorText(error);
        // Copies that found a disk full have asked for another; only the staging folder ends a split so.
        if (m_disk && error.number == ErrorNumber::DiskFull) {
            text += "\r\nThe temporary folder " + ParentFolder(m_workingFolder) +
                    " has no room left for the pieces, which wait there until they go to the disks.";
        }
        TakeBack();
        m_ui.HideProgress();
        m_ui.ShowMessage(text + "\r\nThe file was not split.", MessageIcon::Critical);
        return SplitOutcome::Failed;
    }

    const SplitRequest& m_request;
    SplitUi& m_ui;
    SettingsStore& m_settings;
    FileSystem& m_files;
    const FileInfo m_source;
    const std::string m_baseName;
    const std::string m_spelling;
    std::optional<DiskStaging> m_disk;
    std::string m_workingFolder;
    bool m_cancelled = false;
    bool m_readme = false;
    std::int64_t m_pieceCount = 0;
    // Pieces 1 … m_pieceCount in order, then the script and the readme: every file this run created.
    std::vector<std::string> m_written;
};

} // namespace

SplitOutcome SplitFile(SplitRequest& request, SplitUi& ui, SettingsStore& settings, Platform& platform) {
    // Callers refuse such sizes before asking; a piece of no bytes would never finish.
    if (!(request.PieceSize >= 1)) {
        return SplitOutcome::Refused;
    }
    FileSystem& files = platform.files;
    const auto refuse = [&](const Refusal& refusal) {
        ui.ShowMessage(refusal.text, refusal.icon);
        return SplitOutcome::Refused;
    };
    const std::string sourceFileName = LastName(request.SourcePath);

    // Names that would break the script, run part of it as commands, or leave it nothing to name are
    // refused before anything is written.
    const std::string baseName = BaseName(sourceFileName, ReadCut83(settings, false));
    std::string spelling;
    if (auto refusal = NameCheck(platform.codePages, sourceFileName, baseName, spelling)) {
        return refuse(*refusal);
    }

    const auto testWriteFailure = TestWrite(files, request.DestFolder);
    if (!request.DestFolder.empty() && request.DestFolder.back() == kPathSeparator) {
        request.DestFolder.pop_back();
    }
    if (testWriteFailure) {
        return refuse(*testWriteFailure);
    }

    const std::string drive = platform.drives.DriveOf(JoinPath(request.DestFolder, ""));
    const bool removable = platform.drives.TypeOf(drive) == DriveType::Removable;

    // Held to the end of the run: a second run for the same pieces would mix its pieces with these.
    std::unique_ptr<FileLock> lock;
    if (auto error = files.Lock(LockPath(platform.paths, request.DestFolder, baseName, removable), lock)) {
        if (error->number != ErrorNumber::PermissionDenied) {
            return refuse(Refusal{ErrorText(*error)});
        }
        return refuse(Refusal{"Another split is writing the pieces of " +
                              JoinPath(request.DestFolder, baseName) +
                              " right now.  Operation cancelled.  Please wait until it has finished and try "
                              "again."});
    }

    if (auto refusal = EarlierSplitCheck(files, request.DestFolder, sourceFileName, baseName)) {
        return refuse(*refusal);
    }

    // What is split is the file as it is now; the cleanup later deletes nothing else.
    const FileInfo source = files.Inspect(request.SourcePath, true).value_or(FileInfo{});
    if (static_cast<double>(source.length) < request.PieceSize) {
        return refuse(Refusal{"File is too small to split.", MessageIcon::Exclamation});
    }
    const DriveLimits limits = platform.drives.Limits(drive);
    if (auto refusal =
            LimitsCheck(limits, sourceFileName, baseName, static_cast<std::int64_t>(request.PieceSize))) {
        return refuse(*refusal);
    }
    const auto pieceCount =
        static_cast<std::int64_t>(std::ceil(static_cast<double>(source.length) / request.PieceSize));
    if (HoldsTheSource(files, request.DestFolder, request.SourcePath, source, limits.ignoresCase, baseName,
                       pieceCount, ReadReadmeWanted(settings, false))) {
        return refuse(Refusal{"The split would write over its own source file (~" + request.SourcePath +
                              "~).  Operation cancelled.  Please change the destination and try again."});
    }

    std::optional<DiskTarget> disk;
    if (removable) {
        disk = DiskTarget{JoinPath(request.DestFolder, ""), drive};
    }
    CopyRun run(request, ui, settings, platform, source, baseName, spelling, disk);
    if (disk) {
        // The disk in the drive must have room for one piece before anything is written.
        if (!run.PrepareDisk()) {
            return SplitOutcome::Cancelled;
        }
        std::string staging;
        if (auto error = platform.paths.MakeTempFolder(staging)) {
            return refuse(Refusal{"No temporary folder could be made to stage the pieces in.\r\n\r\n" +
                                  ErrorText(*error)});
        }
        // The caller sees where the pieces were made, as with any destination.
        request.DestFolder = staging;
    }
    return run.Run(request.DestFolder);
}

} // namespace parvola
