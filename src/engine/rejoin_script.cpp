// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/rejoin_script.h"

#include "engine/maker.h"
#include "engine/naming.h"

#include "engine/utf8.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

namespace parvola {

namespace {

std::string Quoted(const std::string& name) {
    return '"' + name + '"';
}

bool Within(char32_t code, char32_t first, char32_t last) {
    return code >= first && code <= last;
}

// The name in one code page character by character, so that no character but the backslash itself comes
// out as the lone byte 0x5C, which the command interpreter reads as a backslash (glibc's table of CP932
// gives "¥" so, Windows' does not), whatever encoder stands behind the seam. A 0x5C that trails a lead
// byte, as in CP932 "表", is part of its character and harmless.
std::optional<std::string> SpelledIn(CodePages& codePages, int page, const std::string& name) {
    std::string spelled;
    for (std::size_t at = 0; at < name.size();) {
        const Utf8Char c = Utf8At(name, at);
        const auto bytes = codePages.Encode(page, name.substr(at, c.length));
        if (!bytes || (*bytes == "\\" && c.code != U'\\')) {
            return std::nullopt;
        }
        spelled += *bytes;
        at += c.length;
    }
    return spelled;
}

} // namespace

// Western names take 850, whose letters also sit where 437 has them; names in other scripts take their own,
// and among the East Asian ones kana and hangul tell Japanese and Korean from Chinese.
std::vector<int> CodePagesFor(const std::string& name) {
    bool kana = false;
    bool hangul = false;
    for (std::size_t at = 0; at < name.size();) {
        const Utf8Char c = Utf8At(name, at);
        kana = kana || Within(c.code, 0x3040, 0x30ff) || Within(c.code, 0xff66, 0xff9f);
        hangul = hangul || Within(c.code, 0xac00, 0xd7a3) || Within(c.code, 0x1100, 0x11ff) ||
                 Within(c.code, 0x3130, 0x318f);
        at += c.length;
    }
    std::vector<int> pages = {850, 852, 857, 775, 866, 855, 737, 869, 862, 864, 874, 1258};
    const std::vector<int> eastAsian = kana     ? std::vector<int>{932, 936, 950, 949}
                                       : hangul ? std::vector<int>{949, 936, 950, 932}
                                                : std::vector<int>{936, 950, 932, 949};
    pages.insert(pages.end(), eastAsian.begin(), eastAsian.end());
    pages.push_back(437);
    return pages;
}

std::optional<std::string> ScriptSpelling(CodePages& codePages, const std::string& baseName) {
    if (std::all_of(baseName.begin(), baseName.end(), [](char c) { return (c & 0x80) == 0; })) {
        return baseName;
    }
    for (const int page : CodePagesFor(baseName)) {
        if (auto spelled = SpelledIn(codePages, page, baseName)) {
            return spelled;
        }
    }
    return std::nullopt;
}

std::string RejoinScriptPath(const std::string& workingFolder, const std::string& baseName) {
    return JoinPath(workingFolder, baseName + ".bat");
}

RejoinScriptLines::RejoinScriptLines(std::string spelling, std::int64_t pieceCount)
    : m_spelling(std::move(spelling)), m_pieceCount(pieceCount) {}

namespace {

constexpr std::int64_t kCopyLines = 3; // for each piece: the copy and the two checks of its outcome

// The lines after the deletes: the end of a good join, then where a missing piece and a failed copy go.
const char* const kTail[] = {
    "echo.",
    "echo Done!",
    "exit /b 0",
    ":missing",
    "echo Nothing was changed.  Please copy every piece into this folder and run this file again.",
    "exit /b 1",
    ":failed",
    nullptr, // the half-joined file is removed
    "echo The joined file was removed and the pieces were kept.  Please mend the cause shown above and run "
    "this file again.",
    "exit /b 1",
};

} // namespace

std::int64_t RejoinScriptLines::Count() const {
    return kHeaderLines + (kCheckLines + kCopyLines + 1) * m_pieceCount + std::int64_t(std::size(kTail));
}

std::int64_t RejoinScriptLines::PieceOf(std::int64_t index) const {
    const std::int64_t copies = kHeaderLines + kCheckLines * m_pieceCount;
    const std::int64_t deletes = copies + kCopyLines * m_pieceCount;
    if (index < kHeaderLines || index >= deletes + m_pieceCount) {
        return 0;
    }
    return index < copies    ? (index - kHeaderLines) / kCheckLines + 1
           : index < deletes ? (index - copies) / kCopyLines + 1
                             : index - deletes + 1;
}

std::string RejoinScriptLines::Line(std::int64_t index) const {
    const std::int64_t copies = kHeaderLines + kCheckLines * m_pieceCount;
    const std::int64_t deletes = copies + kCopyLines * m_pieceCount;
    const std::string joined = Quoted(m_spelling);
    const std::int64_t number = PieceOf(index);
    const std::string piece = Quoted(PieceName(m_spelling, number));
    if (index < kHeaderLines) {
        const std::string header[] = {"@echo off", "echo Created with Orvane Parvola",
                                      "echo" + std::string(6, ' ') + kMakerWebAddress + std::string(5, ' '),
                                      "echo."};
        return header[index];
    }
    if (index < copies) {
        return "if not exist " + piece +
               ((index - kHeaderLines) % kCheckLines == 0 ? " echo The piece " + piece + " is missing."
                                                          : " goto missing");
    }
    if (index < deletes) {
        switch ((index - copies) % kCopyLines) {
        case 0:
            // Piece 1 becomes the joined file and the others are added to it; no piece is ever written to.
            return number == 1 ? "copy /b " + piece + " " + joined
                               : "copy /b " + joined + "+" + piece + " " + joined;
        case 1:
            return "if errorlevel 1 echo Joining " + piece + " failed.";
        default:
            return "if errorlevel 1 goto failed";
        }
    }
    if (index < deletes + m_pieceCount) {
        return "del " + piece;
    }
    const char* tail = kTail[index - deletes - m_pieceCount];
    return tail ? tail : "if exist " + joined + " del " + joined;
}

FileStatus WriteRejoinScript(FileSystem& files, const std::string& workingFolder, const std::string& baseName,
                             const std::string& spelling, std::int64_t pieceCount, unsigned permissions) {
    std::unique_ptr<OutputFile> file;
    if (auto error = files.CreateReplacing(RejoinScriptPath(workingFolder, baseName), permissions, file)) {
        return error;
    }
    // Written as it goes, so that a script of many thousand lines is never held whole. A line that fails
    // fails the script: with a line missing it would join the pieces wrongly.
    FileStatus error;
    const RejoinScriptLines lines(spelling, pieceCount);
    for (std::int64_t i = 0; i < lines.Count() && !error; ++i) {
        const std::string bytes = lines.Line(i) + "\r\n";
        error = file->Write(bytes.data(), bytes.size());
    }
    auto closeError = file->Close();
    return error ? error : closeError;
}

} // namespace parvola
