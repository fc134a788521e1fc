// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/split_job.h"

#include "engine/checksum_file.h"
#include "engine/copy_pace.h"
#include "engine/disk_staging.h"
#include "engine/error_text.h"
#include "engine/naming.h"
#include "engine/readme_file.h"
#include "engine/rejoin_script.h"
#include "engine/removable_media.h"
#include "engine/setting_values.h"
#include "engine/source_cleanup.h"
#include "engine/split_checks.h"
#include "engine/trailing_sums.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace parvola {

namespace {

// Bytes pass through the program only where the system cannot copy them itself, and then through this.
constexpr std::size_t kCopyBufferSize = 65536;

// One run of the copy and its finishing steps, with everything it has written so far, so that a failure
// can take back exactly this run's outputs.
class CopyRun {
public:
    CopyRun(const SplitRequest& request, SplitUi& ui, SettingsStore& settings, Platform& platform,
            const FileInfo& source, std::string baseName, std::string spelling,
            std::vector<std::string> finishingNames, bool checksum, std::optional<DiskTarget> disk)
        : m_request(request), m_ui(ui), m_settings(settings), m_files(platform.files),
          m_checksums(platform.checksums), m_source(source), m_baseName(std::move(baseName)),
          m_spelling(std::move(spelling)), m_finishingNames(std::move(finishingNames)), m_checksum(checksum) {
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

        m_scriptStarted = true;
        if (auto error = WriteRejoinScript(m_files, m_workingFolder, m_baseName, m_spelling, m_pieceCount,
                                           m_source.permissions)) {
            return Fail(*error);
        }
        m_readme = ReadReadmeWanted(m_settings, true);
        if (m_readme) {
            if (auto error = WriteReadme(
                    m_files, m_workingFolder, m_disk ? m_disk->folder() : std::string(), m_baseName,
                    m_checksum ? ChecksumFileName(m_baseName) : std::string(), m_source.permissions)) {
                return Fail(*error);
            }
        }
        // Checked while the staged pieces are still there to be measured, and only for a source that may go.
        const bool complete = SourceMayGo() && PiecesHoldTheWholeSource();

        if (m_disk) {
            std::vector<std::string> names = {PieceName(m_baseName, m_pieceCount)};
            names.insert(names.end(), m_finishingNames.begin(), m_finishingNames.end());
            if (auto error = m_disk->ServeLastDisk(names)) {
                return Fail(*error);
            }
            if (Cancelled()) {
                return Cancel();
            }
            TakeBack();
        }

        m_ui.SetProgress(100);
        const auto cleanupProblem = CleanupSource(m_ui, m_settings, m_files, m_request.SourcePath, m_source,
                                                  complete, m_request.Source);
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
        if (auto error = StartChecksums()) {
            return error;
        }

        // Allocated once per run: the loop itself never allocates.
        std::vector<char> buffer(kCopyBufferSize);
        CopyPace pace(m_sums ? CopyPace::kLargestSummedChunk : CopyPace::kLargestChunk);
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
                    if (!error) {
                        error = AddChecksumLines(false);
                    }
                    if (error) {
                        return error;
                    }
                }
                if (done >= total) {
                    return FinishChecksums();
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
                if (auto error =
                        m_files.CreateReplacing(PiecePath(m_pieceCount), m_source.permissions, piece)) {
                    --m_pieceCount;
                    return error;
                }
                if (m_sums) {
                    m_sums->AddPart(m_request.SourcePath, left);
                }
            }

            // Times 99 keeps the bar below 100 until the finishing steps; halves go to the even number.
            const int progress = static_cast<int>(
                std::nearbyint(static_cast<double>(done) / static_cast<double>(total) * 99.0));
            if (progress != shownProgress) {
                m_ui.SetProgress(progress);
                shownProgress = progress;
            }
            if (m_ui.CancelRequested()) {
                m_cancelled = true;
                return std::nullopt;
            }
            const std::int64_t n = pace.Next(left);
            const auto start = std::chrono::steady_clock::now();
            if (m_sums && !m_sums->alongside()) {
                // Small pieces pass through the program anyway, and are summed on the way.
                if (auto error = source->Read(buffer.data(), std::size_t(n))) {
                    return error;
                }
                m_sums->Add(buffer.data(), std::size_t(n));
                if (auto error = piece->Write(buffer.data(), std::size_t(n))) {
                    return error;
                }
            } else if (auto error = piece->CopyFrom(*source, n, buffer.data(), buffer.size())) {
                return error;
            }
            pace.Took(std::chrono::steady_clock::now() - start, n);
            left -= n;
            done += n;
            if (m_sums) {
                m_sums->CopiedTo(done);
            }
        }
    }

    std::string PiecePath(std::int64_t number) const {
        return JoinPath(m_workingFolder, PieceName(m_baseName, number));
    }

    // The checksum file is written as the pieces are, a line for each, so that it never has to be held.
    FileStatus StartChecksums() {
        if (!m_checksum) {
            return std::nullopt;
        }
        m_sumsStarted = true;
        if (auto error = m_files.CreateReplacing(JoinPath(m_workingFolder, ChecksumFileName(m_baseName)),
                                                 m_source.permissions, m_sumFile)) {
            return error;
        }
        m_sums = std::make_unique<TrailingSums>(
            m_files, m_checksums,
            static_cast<std::int64_t>(std::min(m_request.PieceSize, double(m_source.length))));
        return std::nullopt;
    }

    // The lines of the pieces summed so far; with wait, of every piece.
    FileStatus AddChecksumLines(bool wait) {
        std::string digest;
        FileStatus error;
        while (m_sums && m_summedPieces < m_pieceCount && m_sums->TakeDigest(wait, digest, error)) {
            if (error) {
                return error;
            }
            const std::string line = ChecksumLine(digest, PieceName(m_baseName, ++m_summedPieces));
            if (auto writeError = m_sumFile->Write(line.data(), line.size())) {
                return writeError;
            }
        }
        return std::nullopt;
    }

    FileStatus FinishChecksums() {
        if (!m_sumFile) {
            return std::nullopt;
        }
        auto error = AddChecksumLines(true);
        std::string whole;
        if (!error) {
            error = m_sums->Whole(whole);
        }
        if (!error) {
            const std::string line = ChecksumLine(whole, m_baseName);
            error = m_sumFile->Write(line.data(), line.size());
        }
        m_sums.reset();
        auto closeError = m_sumFile->Close();
        m_sumFile.reset();
        return error ? error : closeError;
    }

    bool SourceMayGo() {
        switch (m_request.Source) {
        case SourceAfterSplit::Delete:
            return true;
        case SourceAfterSplit::Keep:
            return false;
        case SourceAfterSplit::AsOptClean:
            break;
        }
        return ReadCleanup(m_settings, false) != CleanupChoice::Keep;
    }

    // The source may only go when what the pieces hold adds up to it.
    bool PiecesHoldTheWholeSource() {
        std::int64_t sum = 0;
        for (std::int64_t i = 1; i <= m_pieceCount; ++i) {
            const auto length = m_files.FileLength(PiecePath(i));
            if (!length) {
                return false;
            }
            sum += *length;
        }
        return sum == m_source.length;
    }

    // Everything this run wrote, and a staging folder; pieces already on disks are all that stays.
    void TakeBack() {
        m_sums.reset();
        m_sumFile.reset();
        for (std::int64_t i = 1; i <= m_pieceCount; ++i) {
            m_files.DeleteFile(PiecePath(i));
        }
        m_pieceCount = 0;
        if (m_sumsStarted) {
            m_files.DeleteFile(JoinPath(m_workingFolder, ChecksumFileName(m_baseName)));
        }
        if (m_scriptStarted) {
            m_files.DeleteFile(RejoinScriptPath(m_workingFolder, m_baseName));
        }
        if (m_readme) {
            m_files.DeleteFile(JoinPath(m_workingFolder, kReadmeName));
        }
        m_sumsStarted = m_scriptStarted = m_readme = false;
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
    Checksums& m_checksums;
    const FileInfo m_source;
    const std::string m_baseName;
    const std::string m_spelling;
    // The script, the readme and the checksum file, as far as this run writes them.
    const std::vector<std::string> m_finishingNames;
    const bool m_checksum;
    std::optional<DiskStaging> m_disk;
    std::string m_workingFolder;
    bool m_cancelled = false;
    // What this run has made, so that a failure takes back exactly that: pieces 1 … m_pieceCount, and
    // the checksum file, the script and the readme where these say so.
    std::int64_t m_pieceCount = 0;
    bool m_scriptStarted = false;
    bool m_readme = false;
    bool m_sumsStarted = false;
    std::unique_ptr<OutputFile> m_sumFile;
    std::unique_ptr<TrailingSums> m_sums;
    std::int64_t m_summedPieces = 0;
};

std::string NoTempFolderText(const std::string& folder, const FileError& error) {
    return "No temporary folder could be made to stage the pieces in (~" + folder + "~).\r\n\r\n" +
           ErrorText(error);
}

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

    const FileInfo source = files.Inspect(request.SourcePath, true).value_or(FileInfo{});
    const auto pieceCount =
        static_cast<std::int64_t>(std::ceil(static_cast<double>(source.length) / request.PieceSize));
    const bool checksum = request.Checksum.value_or(ReadChecksumWanted(settings));
    std::vector<std::string> finishingNames = {baseName + ".bat"};
    if (ReadReadmeWanted(settings, false)) {
        finishingNames.push_back(kReadmeName);
    }
    if (checksum) {
        finishingNames.push_back(ChecksumFileName(baseName));
    }

    // Names the destination's file system cannot hold are told as such before anything, the lock
    // included, is made there.
    const std::string drive = platform.drives.DriveOf(JoinPath(request.DestFolder, ""));
    const bool removable = platform.drives.TypeOf(drive) == DriveType::Removable;
    const DriveLimits limits = platform.drives.Limits(drive);
    std::vector<std::string> names = finishingNames;
    names.push_back(PieceName(baseName, pieceCount));
    if (auto refusal = LimitsCheck(limits, sourceFileName, baseName,
                                   static_cast<std::int64_t>(request.PieceSize), names)) {
        return refuse(*refusal);
    }

    const auto testWriteFailure = TestWrite(files, request.DestFolder);
    if (!request.DestFolder.empty() && request.DestFolder.back() == kPathSeparator) {
        request.DestFolder.pop_back();
    }
    if (testWriteFailure) {
        return refuse(*testWriteFailure);
    }

    // Held to the end of the run: a second run for the same pieces would mix its pieces with these.
    std::unique_ptr<FileLock> lock;
    const std::string lockPath = LockPath(platform.paths, request.DestFolder, baseName, removable);
    if (auto error = files.Lock(lockPath, lock)) {
        if (error->number == ErrorNumber::PermissionDenied) {
            return refuse(Refusal{"Another split is writing the pieces of " +
                                  JoinPath(request.DestFolder, baseName) +
                                  " right now.  Operation cancelled.  Please wait until it has finished and "
                                  "try again."});
        }
        if (error->number == ErrorNumber::FileExists) {
            return refuse(
                Refusal{"The file " + lockPath +
                        " has the name of the lock that keeps a second split off these pieces, but it "
                        "is not a lock of Parvola's.  Operation cancelled.  Please rename or move "
                        "that file and try again."});
        }
        // A removable destination's lock lives in the temporary folder the pieces are staged in.
        return refuse(
            Refusal{removable ? NoTempFolderText(ParentFolder(lockPath), *error) : ErrorText(*error)});
    }

    if (auto refusal = EarlierSplitCheck(files, request.DestFolder, sourceFileName, baseName)) {
        return refuse(*refusal);
    }

    // What is split is the file as it was when the checks began; the cleanup later deletes nothing else.
    if (static_cast<double>(source.length) < request.PieceSize) {
        return refuse(Refusal{"File is too small to split.", MessageIcon::Exclamation});
    }
    if (HoldsTheSource(files, request.DestFolder, request.SourcePath, source, limits.ignoresCase, baseName,
                       pieceCount, finishingNames)) {
        return refuse(Refusal{"The split would write over its own source file (~" + request.SourcePath +
                              "~).  Operation cancelled.  Please change the destination and try again."});
    }
    // On a removable disk the user is asked before a file there is replaced.
    if (!removable) {
        if (auto refusal = UsersFileCheck(files, request.DestFolder, baseName, finishingNames)) {
            return refuse(*refusal);
        }
    }

    std::optional<DiskTarget> disk;
    if (removable) {
        disk = DiskTarget{JoinPath(request.DestFolder, ""), drive};
    }
    CopyRun run(request, ui, settings, platform, source, baseName, spelling, std::move(finishingNames),
                checksum, disk);
    if (disk) {
        // The disk in the drive must have room for one piece before anything is written.
        if (!run.PrepareDisk()) {
            return SplitOutcome::Cancelled;
        }
        std::string staging;
        if (auto error = platform.paths.MakeTempFolder(staging)) {
            return refuse(Refusal{NoTempFolderText(staging, *error)});
        }
        // The caller sees where the pieces were made, as with any destination.
        request.DestFolder = staging;
    }
    return run.Run(request.DestFolder);
}

} // namespace parvola
