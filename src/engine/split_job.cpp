#include "engine/split_job.h"

#include "engine/naming.h"
#include "engine/readme_file.h"
#include "engine/rejoin_script.h"
#include "engine/removable_media.h"
#include "engine/setting_values.h"
#include "engine/source_cleanup.h"

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
            std::int64_t totalLength, std::optional<DiskTarget> disk)
        : m_request(request), m_ui(ui), m_settings(settings), m_files(platform.files),
          m_drives(platform.drives), m_total(totalLength), m_disk(std::move(disk)) {}

    // Waits until a disk of the drive has room for one piece; false when the user cancels.
    bool PrepareDisk() { return DiskReady(0, m_request.PieceSize); }

    void Run() {
        m_ui.ShowProgress();
        m_workingFolder = m_request.DestFolder;
        m_baseName = BaseName(SourceFileName(m_request.SourcePath), Cut83(m_settings, true));

        if (auto error = Copy()) {
            return Fail(*error);
        }
        if (m_cancelled) {
            return m_ui.HideProgress();
        }

        m_written.push_back(RejoinScriptPath(m_workingFolder, m_baseName));
        if (auto error = WriteRejoinScript(m_files, m_workingFolder, m_baseName, m_pieceCount)) {
            return Fail(*error);
        }
        // Checked while the staged pieces are still there to be measured.
        const bool complete = PiecesHoldTheWholeSource();
        WriteReadme(m_files, m_settings, m_workingFolder, m_disk ? m_disk->folder : std::string(),
                    m_baseName);

        if (m_disk) {
            if (auto error = ServeLastDisk()) {
                return Fail(*error);
            }
            if (m_cancelled) {
                return m_ui.HideProgress();
            }
        }

        m_ui.SetProgress(100);
        if (complete) {
            CleanupSource(m_ui, m_settings, m_files, m_request.SourcePath);
        }
        m_ui.HideProgress();
        m_ui.ShowMessage(kCompletedMessage, MessageIcon::Information);
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

    // Asks for a new disk when this one has less than wanted bytes free, then waits until a disk of the
    // drive has room for need bytes; false when the user cancels.
    bool DiskReady(std::int64_t wanted, double need) {
        bool located = Locate();
        if (located && GetFreeBytes(m_drives, m_disk->drive) < wanted) {
            m_ui.ShowMessage(kInsertNewDiskMessage, MessageIcon::Information);
            located = Locate();
        }
        for (;;) {
            // A disk that cannot be found has no room: the disk dialog comes up.
            const std::string answer = CheckDiskSpace(m_ui, m_drives, located ? m_disk->drive : "", need);
            if (answer == kDiskCancel) {
                m_cancelled = true;
                return false;
            }
            if (answer == kDiskGoOn && located) {
                return true;
            }
            located = Locate();
        }
    }

    // Copies a staged file onto the disk, asking first before it makes the destination folder on a new
    // disk or replaces a file there. A No cancels the split: the disk would lack a piece.
    FileStatus CopyToDisk(const std::string& name) {
        const std::string folder =
            m_disk->folder.size() > 1 ? m_disk->folder.substr(0, m_disk->folder.size() - 1) : m_disk->folder;
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
        };
        auto error = m_drives.CopyToDisk(JoinPath(m_workingFolder, name), target, progress);
        m_ui.ShowCopyProgress(name, 100);
        return error;
    }

    // Piece k is finished: onto the disk with it, on a new disk when this one is too full for the next.
    FileStatus HandOver(std::int64_t k, std::int64_t nextPieceBytes) {
        if (!DiskReady(nextPieceBytes, m_request.PieceSize)) {
            return std::nullopt;
        }
        return CopyToDisk(PieceName(m_baseName, k));
    }

    // The last piece, the script and the readme go onto the last disk, which alone is labelled; then the
    // staged pieces and script go, and nothing else of the staging folder.
    FileStatus ServeLastDisk() {
        const auto lastBytes =
            m_total - static_cast<std::int64_t>(static_cast<double>(m_pieceCount - 1) * m_request.PieceSize);
        if (!DiskReady(lastBytes, static_cast<double>(lastBytes))) {
            return std::nullopt;
        }
        if (m_settings.ReadSetting("optLabel").value_or("") != "1") {
            LabelDisk(m_drives, m_disk->drive, "Disk" + std::to_string(++m_diskCount));
        }
        std::vector<std::string> names = {PieceName(m_baseName, m_pieceCount), m_baseName + ".bat"};
        if (m_settings.ReadSetting("optReadme").value_or("") == "0") {
            names.push_back(kReadmeName);
        }
        for (const auto& name : names) {
            auto error = CopyToDisk(name);
            if (error || m_cancelled) {
                return error;
            }
        }
        for (const auto& path : m_written) {
            m_files.DeleteFile(path);
        }
        m_files.RemoveFolder(m_workingFolder); // stays while the staged readme is in it
        return std::nullopt;
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
        // Staged files stay: pieces already on disks are only of use with them.
        if (!m_disk) {
            for (const auto& path : m_written) {
                m_files.DeleteFile(path);
            }
        }
        m_ui.HideProgress();
        m_ui.ShowMessage(ErrorText(error) + "\r\nThe file was not split.", MessageIcon::Critical);
    }

    const SplitRequest& m_request;
    SplitUi& m_ui;
    SettingsStore& m_settings;
    FileSystem& m_files;
    Drives& m_drives;
    const std::int64_t m_total;
    std::optional<DiskTarget> m_disk;
    std::string m_workingFolder;
    std::string m_baseName;
    bool m_cancelled = false;
    int m_diskCount = 0;
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

    const std::string drive = platform.drives.DriveOf(JoinPath(request.DestFolder, ""));
    std::optional<DiskTarget> disk;
    if (platform.drives.TypeOf(drive) == DriveType::Removable) {
        disk = DiskTarget{JoinPath(request.DestFolder, ""), drive};
    }
    CopyRun run(request, ui, settings, platform, length, disk);
    if (disk) {
        // The disk in the drive must have room for one piece before anything is written.
        if (!run.PrepareDisk()) {
            return false;
        }
        const std::string staging = platform.paths.TempFolder();
        if (staging.empty()) {
            ui.ShowMessage("No temporary folder could be made to stage the pieces in.",
                           MessageIcon::Critical);
            return false;
        }
        request.DestFolder = staging;
    }
    run.Run();
    return true;
}

} // namespace parvola
