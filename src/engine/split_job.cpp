#include "engine/split_job.h"

#include "engine/error_text.h"
#include "engine/naming.h"
#include "engine/readme_file.h"
#include "engine/rejoin_script.h"
#include "engine/removable_media.h"
#include "engine/setting_values.h"
#include "engine/source_cleanup.h"
#include "engine/utf8.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

namespace parvola {

namespace {

// Largest first; the largest is 65526, not 65536.
constexpr std::array<std::size_t, 6> kBlockSizes = {65526, 32768, 4096, 256, 16, 1};

// Only the last disk of a split is labelled, so its number is always 1.
constexpr const char* kLastDiskLabel = "Disk1";

std::string CharacterName(char c) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 0x20 || code == 0x7f) {
        return "a control character (code " + std::to_string(code) + ")";
    }
    return std::string("the character ") + c;
}

// The message a check stops the split with.
struct Refusal {
    std::string text;
    MessageIcon icon = MessageIcon::Critical;
};
using Check = std::optional<Refusal>;

const char* const kRenameSource = "  Operation cancelled.  Please rename the source file and try again.";

// Names the pieces and the script could not carry safely. spelling gets the base name as the script
// writes it.
Check NameCheck(CodePages& codePages, const std::string& sourceFileName, const std::string& baseName,
                std::string& spelling) {
    if (baseName.empty()) {
        return Refusal{
            "The 8.3 name of " + sourceFileName +
            " would be empty, since it begins with a dot.  Operation cancelled.  Please rename the "
            "source file or switch off 8.3 file names in the options and try again."};
    }
    if (const auto unsafe = UnsafeScriptCharacter(baseName)) {
        return Refusal{"The file name " + sourceFileName + " holds " + CharacterName(*unsafe) +
                       ", which the batch file that joins the pieces cannot hold." + kRenameSource};
    }
    const auto spelled = ScriptSpelling(codePages, baseName);
    if (!spelled) {
        return Refusal{"The file name " + sourceFileName +
                       " holds characters that no code page of the Windows command interpreter has together, "
                       "so the batch file that joins the pieces could not name them." +
                       kRenameSource};
    }
    spelling = *spelled;
    return std::nullopt;
}

// Writes a line into a file the split creates, never into one that is there already, and removes it again.
Check TestWrite(FileSystem& files, const std::string& destFolder) {
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
            return Refusal{
                ErrorText(*error) +
                "\r\n\r\nThis error is most commonly caused when you try to write the split file to "
                "a read-only destination (e.g. a CDROM)"};
        }
        return Refusal{ErrorText(*error)};
    }

    const std::string line = "file test write\r\n";
    auto writeError = file->Write(line.data(), line.size());
    auto closeError = file->Close();
    auto deleteError = files.DeleteFile(path);
    for (const auto& failure : {writeError, closeError, deleteError}) {
        if (failure) {
            return Refusal{ErrorText(*failure)};
        }
    }
    return std::nullopt;
}

// What the destination's file system cannot take: a character in the names, or pieces that large.
Check LimitsCheck(const DriveLimits& limits, const std::string& sourceFileName, const std::string& baseName,
                  std::int64_t largestPiece) {
    const auto forbidden = baseName.find_first_of(limits.forbidden);
    if (forbidden != std::string::npos) {
        return Refusal{"The file name " + sourceFileName + " holds " + CharacterName(baseName[forbidden]) +
                       ", which the file system of the destination (" + limits.fileSystem +
                       ") cannot hold in a name.  Operation cancelled.  Please rename the source file or "
                       "change the destination and try again."};
    }
    if (limits.largestFile >= 0 && largestPiece > limits.largestFile) {
        return Refusal{"Pieces of " + std::to_string(largestPiece) +
                       " bytes are too large for the file system of the destination (" + limits.fileSystem +
                       "), which holds files of up to " + std::to_string(limits.largestFile) +
                       " bytes.  Operation cancelled.  Please choose a smaller size and try again."};
    }
    return std::nullopt;
}

// A file of an earlier split that this one would write over: one named after the full source name, or,
// when the names are cut, one named like this split's first piece.
Check EarlierSplitCheck(FileSystem& files, const std::string& destFolder, const std::string& sourceFileName,
                        const std::string& baseName) {
    for (const std::string& stem : {sourceFileName, baseName}) {
        const std::string probed = JoinPath(destFolder, stem + ".001");
        if (const auto found = files.FindFile(probed)) {
            return Refusal{"Destination file already exists (~" + probed + "~ ~" + *found +
                           "~).  Operation cancelled.  Please rename the source file or change the "
                           "destination and try again."};
        }
    }
    return std::nullopt;
}

// True when one of the names the split writes in folder is an entry of the source file itself: the
// source split into its own folder under one of those names, a hard link to it, or the same name in
// another case on a file system that ignores case. Such an entry would be replaced and the source lost.
// File systems through FUSE may give one file other inode numbers under other spellings, so there the
// names are compared in capitals as well.
bool HoldsTheSource(FileSystem& files, const std::string& folder, const std::string& sourcePath,
                    const FileInfo& source, bool ignoresCase, const std::string& baseName,
                    std::int64_t pieceCount, bool readme) {
    const auto here = files.Inspect(JoinPath(folder, ""), true);
    if (!here || here->device != source.device) {
        return false;
    }
    const std::string sourceInCapitals = ignoresCase ? UpperCase(sourcePath) : std::string();
    const auto isSource = [&](const std::string& name) {
        const std::string path = JoinPath(folder, name);
        const auto entry = files.Inspect(path, false);
        return entry && (SameFile(*entry, source) || (ignoresCase && UpperCase(path) == sourceInCapitals));
    };
    if (isSource(baseName + ".bat") || (readme && isSource(kReadmeName))) {
        return true;
    }
    for (std::int64_t i = 1; i <= pieceCount; ++i) {
        if (isSource(PieceName(baseName, i))) {
            return true;
        }
    }
    return false;
}

// Where the lock that keeps a second run off this set of pieces lives: beside the pieces, or for a
// removable disk, which must stay free to be taken out, in a folder of this user's named after them.
std::string LockPath(Paths& paths, const std::string& destFolder, const std::string& baseName,
                     bool removable) {
    if (!removable) {
        return JoinPath(destFolder, "." + baseName + ".parvola-lock");
    }
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a: the same name gives the same lock in every run
    for (const char c : JoinPath(destFolder, baseName)) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return JoinPath(paths.LockFolder(), std::string("parvola-") + hex + ".lock");
}

// Where the pieces go when the destination is a removable drive: they are staged in a private folder and
// copied onto the disk in the drive one by one.
struct DiskTarget {
    std::string folder; // on the disk, ending in the separator
    std::string drive;  // the drive's mount point
};

// One run of the copy and its finishing steps, with everything it has written so far, so that a failure
// can take back exactly this run's outputs.
class CopyRun {
public:
    CopyRun(const SplitRequest& request, SplitUi& ui, SettingsStore& settings, Platform& platform,
            const FileInfo& source, std::string baseName, std::string spelling,
            std::optional<DiskTarget> disk)
        : m_request(request), m_ui(ui), m_settings(settings), m_files(platform.files),
          m_drives(platform.drives), m_source(source), m_baseName(std::move(baseName)),
          m_spelling(std::move(spelling)), m_disk(std::move(disk)) {}

    // Waits until a disk of the drive has room for one piece; false when the user cancels.
    bool PrepareDisk() { return DiskReady({}, {static_cast<std::int64_t>(m_request.PieceSize)}); }

    // Writes the pieces, the script and the readme into workingFolder: the destination, or the staging
    // folder of a removable one.
    SplitOutcome Run(const std::string& workingFolder) {
        m_ui.ShowProgress();
        m_workingFolder = workingFolder;
        // Stores the default of a missing chk83; the names were fixed by the checks.
        ReadCut83(m_settings, true);

        if (auto error = Copy()) {
            return Fail(*error);
        }
        if (m_cancelled) {
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
            if (auto error = WriteReadme(m_files, m_workingFolder, m_disk ? m_disk->folder : std::string(),
                                         m_baseName, m_source.permissions)) {
                return Fail(*error);
            }
        }
        // Checked while the staged pieces are still there to be measured.
        const bool complete = PiecesHoldTheWholeSource();

        if (m_disk) {
            if (auto error = ServeLastDisk()) {
                return Fail(*error);
            }
            if (m_cancelled) {
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
    // A new disk in the same drive may be mounted at another place: the disk folder follows it. False,
    // with the user told, when no disk of the drive can be found: nothing may be written elsewhere then.
    bool Locate() {
        const std::string mount = m_drives.CurrentMount(m_disk->drive);
        if (mount == m_disk->drive) {
            return true;
        }
        // The folder is named below the old mount point unless a link led there; then it cannot follow.
        if (mount.empty() || m_disk->folder.rfind(m_disk->drive, 0) != 0) {
            m_ui.ShowMessage(kDiskNotFoundMessage, MessageIcon::Exclamation);
            return false;
        }
        m_disk->folder = mount + m_disk->folder.substr(m_disk->drive.size());
        m_disk->drive = mount;
        return true;
    }

    // The disk folder without its trailing separator, unless it is the disk's root.
    std::string DiskFolderPath() const {
        const std::string& folder = m_disk->folder;
        return folder.size() > 1 ? folder.substr(0, folder.size() - 1) : folder;
    }

    // The free bytes that files of these lengths use up on the disk now in the drive, with the folder
    // that holds them when it has yet to be made.
    std::int64_t SpaceOnDisk(const std::vector<std::int64_t>& lengths) {
        std::int64_t space = m_files.FindFile(DiskFolderPath()) ? 0 : m_drives.SpaceFor(m_disk->drive, 1);
        for (const std::int64_t length : lengths) {
            space += m_drives.SpaceFor(m_disk->drive, length);
        }
        return space;
    }

    // Asks for a new disk when this one has no room for files of the wanted lengths (none: never asks),
    // then waits until a disk of the drive has room for the needed ones; false when the user cancels.
    bool DiskReady(const std::vector<std::int64_t>& wanted, const std::vector<std::int64_t>& needed) {
        bool located = Locate();
        if (located && !wanted.empty() && GetFreeBytes(m_drives, m_disk->drive) < SpaceOnDisk(wanted)) {
            m_ui.ShowMessage(kInsertNewDiskMessage, MessageIcon::Information);
            located = Locate();
        }
        for (;;) {
            // A disk that cannot be found has no room: the disk dialog comes up.
            const DiskAnswer answer = CheckDiskSpace(m_ui, m_drives, located ? m_disk->drive : "",
                                                     static_cast<double>(SpaceOnDisk(needed)));
            if (answer == DiskAnswer::Cancel) {
                m_cancelled = true;
                return false;
            }
            if (answer == DiskAnswer::GoOn && located) {
                return true;
            }
            located = Locate();
        }
    }

    // A copy ran out of room on a disk that looked large enough; the platform took the partial file away.
    // The user chooses what now as for any disk that is too full; false when that is to cancel.
    bool DiskTurnedOutFull() {
        m_cancelled = CheckDiskSpace(m_ui, m_drives, m_disk->drive,
                                     std::numeric_limits<double>::infinity()) == DiskAnswer::Cancel;
        return !m_cancelled;
    }

    // Copies a staged file onto the disk, asking first before it makes the destination folder on a new
    // disk or replaces a file there. A No cancels the split: the disk would lack a piece.
    FileStatus CopyToDisk(const std::string& name) {
        const std::string folder = DiskFolderPath();
        if (!m_files.FindFile(folder)) {
            if (!m_ui.AskYesNo("The folder " + folder +
                                   " does not exist on this disk.  Do you want to create it?",
                               MessageIcon::Question)) {
                m_cancelled = true;
                return std::nullopt;
            }
            if (auto error = m_files.MakeFolder(folder)) {
                return error;
            }
        }
        const std::string target = m_disk->folder + name;
        if (m_files.FindFile(target) &&
            !m_ui.AskYesNo("This disk already holds a file named " + name + ".  Do you want to replace it?",
                           MessageIcon::Question)) {
            m_cancelled = true;
            return std::nullopt;
        }
        auto progress = [&](std::int64_t copied, std::int64_t total) {
            m_ui.ShowCopyProgress(
                name, total > 0 ? static_cast<int>(std::min<std::int64_t>(99, copied * 100 / total)) : 0);
            return !m_ui.CancelRequested();
        };
        auto error = m_drives.CopyToDisk(JoinPath(m_workingFolder, name), target, progress);
        m_ui.ShowCopyProgress(name, 100);
        return error;
    }

    static bool IsDiskFull(const FileStatus& status) {
        return status && status->number == ErrorNumber::DiskFull;
    }

    // Piece k is finished: onto the disk with it, on a new disk when this one is too full for the next.
    FileStatus HandOver(std::int64_t k, std::int64_t nextPieceBytes) {
        for (;;) {
            if (!DiskReady({nextPieceBytes}, {static_cast<std::int64_t>(m_request.PieceSize)})) {
                return std::nullopt;
            }
            auto error = CopyToDisk(PieceName(m_baseName, k));
            if (!IsDiskFull(error) || !DiskTurnedOutFull()) {
                return error;
            }
        }
    }

    // The last piece, the script and the readme go onto the last disk together, which alone is labelled.
    FileStatus ServeLastDisk() {
        std::vector<std::string> names = {PieceName(m_baseName, m_pieceCount), m_baseName + ".bat"};
        if (m_readme) {
            names.push_back(kReadmeName);
        }
        std::vector<std::int64_t> lengths;
        for (const auto& name : names) {
            lengths.push_back(m_files.FileLength(JoinPath(m_workingFolder, name)).value_or(0));
        }
        for (;;) {
            if (!DiskReady(lengths, lengths)) {
                return std::nullopt;
            }
            std::size_t copied = 0;
            FileStatus error;
            while (copied < names.size() && !error && !m_cancelled) {
                if (!(error = CopyToDisk(names[copied]))) {
                    ++copied;
                }
            }
            if (!IsDiskFull(error)) {
                if (!error && !m_cancelled) {
                    LabelLastDisk();
                }
                return error;
            }
            // The script and the readme belong on the disk with the last piece: all go to the next one.
            for (std::size_t i = 0; i < copied; ++i) {
                m_files.DeleteFile(m_disk->folder + names[i]);
            }
            if (!DiskTurnedOutFull()) {
                return std::nullopt;
            }
        }
    }

    void LabelLastDisk() {
        if (!ReadLabelWanted(m_settings)) {
            return;
        }
        if (const auto why = LabelDisk(m_drives, m_disk->drive, kLastDiskLabel)) {
            m_ui.ShowMessage("The last disk, in " + m_disk->drive + ", could not be labelled " +
                                 kLastDiskLabel + ": " + *why + ".",
                             MessageIcon::Information);
        }
    }

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
                    if (auto error = HandOver(m_pieceCount, left)) {
                        return error;
                    }
                    if (m_cancelled) {
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
    Drives& m_drives;
    const FileInfo m_source;
    const std::string m_baseName;
    const std::string m_spelling;
    std::optional<DiskTarget> m_disk;
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
