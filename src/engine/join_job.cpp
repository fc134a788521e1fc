// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/join_job.h"

#include "engine/checksum_file.h"
#include "engine/copy_pace.h"
#include "engine/error_text.h"
#include "engine/join_checks.h"
#include "engine/listed_sums.h"
#include "engine/naming.h"
#include "engine/piece_set.h"
#include "engine/rejoin_script.h"
#include "engine/split_checks.h"
#include "engine/trailing_sums.h"
#include "engine/utf8.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace parvola {

namespace {

// Pieces that are only checked pass through one buffer of this size, which is all the join holds of them.
constexpr std::size_t kBlockSize = std::size_t{1} << 20;

// Hidden, and short enough to be a name wherever the joined file's name is one.
std::string TemporaryStem(const std::string& baseName) {
    std::size_t end = 0;
    while (end < baseName.size() && end + Utf8At(baseName, end).length <= 200) {
        end += Utf8At(baseName, end).length;
    }
    return "." + baseName.substr(0, end) + ".parvola-join";
}

std::string Pieces(std::int64_t count) {
    return std::to_string(count) + (count == 1 ? " piece" : " pieces");
}

// One run of the join, with the file it is writing, so that every way out takes that file back.
class JoinRun {
public:
    JoinRun(const JoinRequest& request, SplitUi& ui, Platform& platform, const PieceSet& set, bool checked,
            bool wholeChecked, bool script, std::string target, bool replace)
        : m_request(request), m_ui(ui), m_files(platform.files), m_checksums(platform.checksums), m_set(set),
          m_checked(checked), m_wholeChecked(wholeChecked), m_listed(set), m_script(script),
          m_target(std::move(target)), m_replace(replace), m_sumName(ChecksumFileName(set.baseName)) {}

    JoinOutcome Run() {
        m_ui.ShowProgress();
        if (!m_request.CheckOnly) {
            RemoveAbandonedFiles();
            if (auto error = m_files.CreateTemporary(ParentFolder(m_target), TemporaryStem(m_set.baseName),
                                                     m_set.permissions, m_temporary, m_output)) {
                m_temporary.clear();
                return Fail(ErrorText(*error) + "\r\nThe joined file cannot be written into " +
                            ParentFolder(m_target) + ".");
            }
        }
        if (auto error = m_checked ? m_listed.Open(m_files) : std::nullopt) {
            return Fail("The checksum file " + m_sumName + " cannot be read.\r\n\r\n" + ErrorText(*error));
        }
        std::vector<char> buffer(kBlockSize);
        // Only checked, the bytes have to pass through the program; joined, the system copies them, and
        // they are summed again from its cache alongside.
        std::unique_ptr<Checksum> pieceSum = m_checked && !m_output ? m_checksums.NewSha256() : nullptr;
        std::unique_ptr<Checksum> wholeSum = m_wholeChecked && !m_output ? m_checksums.NewSha256() : nullptr;
        if (m_checked && m_output) {
            m_sums = std::make_unique<TrailingSums>(m_files, m_checksums, m_set.LengthOf(1), m_wholeChecked);
        }
        CopyPace pace(m_sums ? CopyPace::kLargestSummedChunk : CopyPace::kLargestChunk);
        std::int64_t done = 0;
        int shownProgress = -1;
        for (std::int64_t number = 1; number <= m_set.count; ++number) {
            const std::string name = PieceName(m_set.baseName, number);
            const auto unreadable = [&](const FileError& error) {
                return Fail(ErrorText(error) + "\r\nThe piece " + name + " cannot be read.");
            };
            std::unique_ptr<InputFile> piece;
            if (auto error = m_files.OpenRead(m_set.PiecePath(number), piece)) {
                return unreadable(*error);
            }
            if (m_sums) {
                m_sums->AddPart(m_set.PiecePath(number), m_set.LengthOf(number));
            }
            for (std::int64_t left = m_set.LengthOf(number); left > 0;) {
                if (m_ui.CancelRequested()) {
                    return Cancel();
                }
                std::int64_t n;
                if (!m_output) {
                    n = std::min<std::int64_t>(left, kBlockSize);
                    if (auto error = piece->Read(buffer.data(), std::size_t(n))) {
                        return unreadable(*error);
                    }
                    if (pieceSum) {
                        pieceSum->Add(buffer.data(), std::size_t(n));
                    }
                    if (wholeSum) {
                        wholeSum->Add(buffer.data(), std::size_t(n));
                    }
                } else if (m_sums && !m_sums->alongside()) {
                    // Small pieces pass through the program anyway, and are summed on the way.
                    n = std::min<std::int64_t>(left, kBlockSize);
                    if (auto error = piece->Read(buffer.data(), std::size_t(n))) {
                        return unreadable(*error);
                    }
                    m_sums->Add(buffer.data(), std::size_t(n));
                    if (auto error = m_output->Write(buffer.data(), std::size_t(n))) {
                        return Fail(ErrorText(*error));
                    }
                } else {
                    n = pace.Next(left);
                    const auto start = std::chrono::steady_clock::now();
                    if (auto error = m_output->CopyFrom(*piece, n, buffer.data(), buffer.size())) {
                        return Fail(ErrorText(*error));
                    }
                    pace.Took(std::chrono::steady_clock::now() - start, n);
                }
                left -= n;
                done += n;
                if (m_sums) {
                    m_sums->CopiedTo(done);
                }
                const int progress = static_cast<int>(done * 100 / std::max<std::int64_t>(m_set.total, 1));
                if (progress != shownProgress) {
                    m_ui.SetProgress(progress);
                    shownProgress = progress;
                }
            }
            // Bytes added after those joined would be lost with the piece.
            if (m_files.FileLength(m_set.PiecePath(number)) != m_set.LengthOf(number)) {
                return Fail("The piece " + name + " changed while the pieces were being joined.");
            }
            if (pieceSum && !Matches(pieceSum->Finish(), number)) {
                return Mismatch(number);
            }
            if (auto failure = CheckSummed(false)) {
                return *failure;
            }
        }
        if (auto failure = CheckSummed(true)) {
            return *failure;
        }
        std::string whole = wholeSum ? wholeSum->Finish() : std::string();
        if (auto error = m_sums ? m_sums->Whole(whole) : std::nullopt) {
            return Fail(ErrorText(*error) + "\r\nThe pieces cannot be read.");
        }
        m_sums.reset();
        if (m_wholeChecked && !Matches(whole, 0)) {
            if (m_listed.changed()) {
                return Fail("The checksum file " + m_sumName +
                            " changed while the pieces were being joined.");
            }
            return Fail("The joined file does not match its checksum in " + m_sumName +
                        ", though every piece matches its own.");
        }
        return m_request.CheckOnly ? Verified() : Finish();
    }

private:
    // A file that changed since it was checked lists nothing more, and matches nothing.
    bool Matches(const std::string& digest, std::int64_t number) {
        const auto listed = m_listed.Find(number);
        return listed && *listed == DigestOf(digest);
    }

    JoinOutcome Mismatch(std::int64_t number) {
        return m_listed.changed()
                   ? Fail("The checksum file " + m_sumName + " changed while the pieces were being joined.")
                   : Fail("The piece " + PieceName(m_set.baseName, number) +
                          " is damaged: its checksum does not match " + m_sumName + ".");
    }

    // Checks the pieces summed alongside the copy so far; with all, waits for every one of them.
    std::optional<JoinOutcome> CheckSummed(bool all) {
        std::string digest;
        FileStatus error;
        while (m_sums && m_summedPieces < m_set.count && m_sums->TakeDigest(all, digest, error)) {
            const std::int64_t number = ++m_summedPieces;
            if (error) {
                return Fail(ErrorText(*error) + "\r\nThe piece " + PieceName(m_set.baseName, number) +
                            " cannot be read.");
            }
            if (!Matches(digest, number)) {
                return Mismatch(number);
            }
        }
        return std::nullopt;
    }

    JoinOutcome Verified() {
        m_ui.SetProgress(100);
        m_ui.HideProgress();
        m_ui.ShowMessage("The " + Pieces(m_set.count) + " of " + m_set.baseName +
                             (m_set.count == 1 ? " is" : " are") + " complete and readable" +
                             (m_checked ? ", and match " + m_sumName
                                        : "; there is no " + m_sumName + " to check their contents against") +
                             ".  Nothing was written.",
                         MessageIcon::Information);
        return JoinOutcome::Verified;
    }

    JoinOutcome Finish() {
        // With the pieces about to go, the joined file must be on the disk first.
        auto error = m_request.DeletePieces ? m_output->Sync() : std::nullopt;
        const auto closeError = m_output->Close();
        m_output.reset();
        if (error || closeError) {
            return Fail(ErrorText(error ? *error : *closeError));
        }
        const auto written = m_files.Inspect(m_temporary, false);
        if (!written || written->length != m_set.total) {
            return Fail("The joined file came out " + std::to_string(written ? written->length : 0) +
                        " bytes long instead of " + std::to_string(m_set.total) + ".");
        }
        if (auto error = m_files.Rename(m_temporary, m_target, m_replace)) {
            if (error->number == ErrorNumber::FileExists) {
                return Fail("The file " + m_target +
                            " appeared while the pieces were being joined, and was left as it is.");
            }
            return Fail(ErrorText(*error));
        }
        m_temporary.clear();
        m_ui.SetProgress(100);

        std::string text = "Joined " + Pieces(m_set.count) + " into " + m_target + ".";
        if (m_checked) {
            text += "  Every piece" + std::string(m_wholeChecked ? " and the joined file" : "") +
                    " matched " + m_sumName + ".";
        }
        const auto problem = m_request.DeletePieces ? DeletePieces() : std::nullopt;
        if (m_request.DeletePieces && !problem) {
            const std::string script = LastName(RejoinScriptPath(m_set.folder, m_set.baseName));
            text += "  The pieces" + (m_script ? (m_checked ? ", " : " and ") + script : std::string()) +
                    (m_checked ? " and " + m_sumName : std::string()) + " were deleted.";
        }
        m_ui.HideProgress();
        if (problem) {
            m_ui.ShowMessage(text + "\r\nBut " + *problem, MessageIcon::Exclamation);
            return JoinOutcome::Failed;
        }
        m_ui.ShowMessage(text, MessageIcon::Information);
        return JoinOutcome::Joined;
    }

    // Deletes every file of the set, also past one that will not go; tells the first of those.
    std::optional<std::string> DeletePieces() {
        std::optional<std::string> problem;
        const auto remove = [&](const std::string& name) {
            auto error = m_files.DeleteFile(JoinPath(m_set.folder, name));
            if (error && !problem) {
                problem = name + " could not be deleted.\r\n\r\n" + ErrorText(*error);
            }
        };
        for (std::int64_t number = 1; number <= m_set.count; ++number) {
            remove(PieceName(m_set.baseName, number));
        }
        if (m_script) {
            remove(LastName(RejoinScriptPath(m_set.folder, m_set.baseName)));
        }
        if (m_checked) {
            remove(m_sumName);
        }
        return problem;
    }

    // Joined files left half written by a join that was killed: nobody holds their lock any more. One that a
    // join running now writes is held, and stays.
    void RemoveAbandonedFiles() {
        const std::string folder = ParentFolder(m_target);
        const std::string stem = TemporaryStem(m_set.baseName) + "-";
        std::vector<std::string> abandoned;
        m_files.ListFolder(folder, [&](const std::string& name) {
            if (name.size() == stem.size() + 6 && name.compare(0, stem.size(), stem) == 0 &&
                m_files.ProbeLock(JoinPath(folder, name)) == LockState::Abandoned) {
                abandoned.push_back(name);
            }
        });
        for (const auto& name : abandoned) {
            m_files.DeleteFile(JoinPath(folder, name));
        }
    }

    void TakeBack() {
        m_sums.reset();
        m_output.reset();
        if (!m_temporary.empty()) {
            m_files.DeleteFile(m_temporary);
            m_temporary.clear();
        }
    }

    JoinOutcome Cancel() {
        TakeBack();
        m_ui.HideProgress();
        return JoinOutcome::Cancelled;
    }

    JoinOutcome Fail(const std::string& text) {
        // A join the user stopped, or one that failed while they were stopping it, ends as a cancel.
        if (m_ui.CancelRequested()) {
            return Cancel();
        }
        TakeBack();
        m_ui.HideProgress();
        m_ui.ShowMessage(text + (m_request.CheckOnly ? "" : "\r\nThe pieces were not joined."),
                         MessageIcon::Critical);
        return JoinOutcome::Failed;
    }

    const JoinRequest& m_request;
    SplitUi& m_ui;
    FileSystem& m_files;
    Checksums& m_checksums;
    const PieceSet& m_set;
    const bool m_checked;      // name.sha256 lists the pieces
    const bool m_wholeChecked; // and the joined file
    ListedSums m_listed;
    const bool m_script;
    const std::string m_target;
    const bool m_replace;
    const std::string m_sumName;
    // The joined file while it is written, under its hidden name.
    std::unique_ptr<OutputFile> m_output;
    std::string m_temporary;
    // Sums the pieces from the system's cache as they are copied.
    std::unique_ptr<TrailingSums> m_sums;
    std::int64_t m_summedPieces = 0;
};

} // namespace

JoinOutcome JoinPieces(const JoinRequest& request, SplitUi& ui, Platform& platform) {
    const auto refuse = [&](const Refusal& refusal) {
        ui.ShowMessage(refusal.text, refusal.icon);
        return JoinOutcome::Refused;
    };
    PieceSet set;
    bool script = false;
    bool checked = false;
    bool wholeChecked = false;
    if (auto refusal = FindPieces(platform.files, request.PiecePath, set)) {
        return refuse(*refusal);
    }
    // The split's lock beside the pieces: held, the split is still writing them; left behind, it was killed
    // before it could take back what it wrote. Either way the set may be short. The join takes no lock of
    // its own: a split starting now finds the pieces and refuses to write over them.
    const std::string lockPath = LockPath(platform.paths, set.folder, set.baseName, false);
    const LockState splitLock = platform.files.ProbeLock(lockPath);
    if (splitLock == LockState::Held) {
        return refuse(Refusal{"A split is writing the pieces of " + JoinPath(set.folder, set.baseName) +
                              " right now.  Operation cancelled.  Please wait until it has finished and try "
                              "again."});
    }
    if (splitLock != LockState::Missing) {
        return refuse(Refusal{
            "The split that wrote the pieces of " + JoinPath(set.folder, set.baseName) +
            " did not finish: it was stopped before it could take them back, and left " + LastName(lockPath) +
            " beside them.  The pieces may be incomplete.  Operation cancelled.  Please split "
            "the file again, or delete " +
            LastName(lockPath) + " if you know that the pieces are whole."});
    }
    if (auto refusal = ScriptCheck(platform.files, platform.codePages, set, script)) {
        return refuse(*refusal);
    }
    if (auto refusal = ChecksumCheck(platform.files, set, checked, wholeChecked)) {
        return refuse(*refusal);
    }
    if (!script && !checked && request.Unchecked != UncheckedJoin::Allow) {
        const std::string unproven = "Neither " + LastName(RejoinScriptPath(set.folder, set.baseName)) +
                                     " nor " + ChecksumFileName(set.baseName) +
                                     " lies beside the pieces, so nothing shows whether pieces after " +
                                     PieceName(set.baseName, set.count) + " are missing.";
        if (request.Unchecked == UncheckedJoin::Refuse) {
            return refuse(Refusal{
                unproven + "  Operation cancelled.  Please copy one of them beside the pieces, or give "
                           "--unchecked to join them anyway, and try again."});
        }
        if (!ui.AskYesNo(
                unproven + "  If any are, " + set.baseName +
                    " comes out cut short, and nothing tells you so.\r\n\r\nDo you want to join the " +
                    Pieces(set.count) + " unchecked?",
                MessageIcon::Exclamation, DefaultAnswer::No)) {
            return JoinOutcome::Cancelled;
        }
    }

    const std::string target =
        JoinPath(request.DestFolder.empty() ? set.folder : request.DestFolder, set.baseName);
    bool replace = request.Replace == ReplaceExisting::Always;
    if (!request.CheckOnly && platform.files.FindFile(target)) {
        if (request.Replace == ReplaceExisting::Never) {
            return refuse(
                Refusal{"The file " + target +
                        " already exists.  Operation cancelled.  Please move it away, or allow it to "
                        "be replaced, and try again."});
        }
        if (request.Replace == ReplaceExisting::Ask &&
            !ui.AskYesNo("The file " + target + " already exists.  Do you want to replace it?",
                         MessageIcon::Question, DefaultAnswer::Yes)) {
            return JoinOutcome::Cancelled;
        }
        replace = true;
    }
    return JoinRun(request, ui, platform, set, checked, wholeChecked, script, target, replace).Run();
}

FileStatus TryWriteIn(FileSystem& files, const std::string& folder) {
    std::string path;
    std::unique_ptr<OutputFile> file;
    if (auto error = files.CreateTemporary(folder, ".parvola-join-test", 0600, path, file)) {
        return error;
    }
    auto closeError = file->Close();
    auto deleteError = files.DeleteFile(path);
    return closeError ? closeError : deleteError;
}

} // namespace parvola
