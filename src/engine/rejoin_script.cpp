#include "engine/rejoin_script.h"

#include "engine/maker.h"
#include "engine/naming.h"

#include "engine/utf8.h"

#include <algorithm>
#include <memory>
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

FileStatus WriteRejoinScript(FileSystem& files, const std::string& workingFolder, const std::string& baseName,
                             const std::string& spelling, std::int64_t pieceCount, unsigned permissions) {
    std::unique_ptr<OutputFile> file;
    if (auto error = files.CreateReplacing(RejoinScriptPath(workingFolder, baseName), permissions, file)) {
        return error;
    }
    // Written as it goes, so that a script of many thousand lines is never held whole. A line that fails
    // fails the script: with a line missing it would join the pieces wrongly.
    FileStatus error;
    auto line = [&](const std::string& text) {
        if (!error) {
            const std::string bytes = text + "\r\n";
            error = file->Write(bytes.data(), bytes.size());
        }
    };
    const std::string first = Quoted(PieceName(spelling, 1));
    line("@echo off");
    line("echo Created with Orvane Parvola");
    line("echo" + std::string(6, ' ') + kMakerWebAddress + std::string(5, ' '));
    line("echo.");
    for (std::int64_t i = 2; i <= pieceCount && !error; ++i) {
        line("call copy /b " + first + "+" + Quoted(PieceName(spelling, i)) + " " + first);
    }
    line("call copy /b " + first + " " + Quoted(spelling));
    for (std::int64_t i = 1; i <= pieceCount && !error; ++i) {
        line("del " + Quoted(PieceName(spelling, i)));
    }
    line("echo.");
    line("echo Done!");
    auto closeError = file->Close();
    return error ? error : closeError;
}

} // namespace parvola
