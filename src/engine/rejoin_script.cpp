#include "engine/rejoin_script.h"

#include "engine/maker.h"
#include "engine/naming.h"

#include <memory>

namespace parvola {

namespace {

std::string Quoted(const std::string& name) {
    return '"' + name + '"';
}

} // namespace

FileStatus AppendLine(FileSystem& files, const std::string& path, const std::string& text) {
    std::unique_ptr<OutputFile> file;
    if (auto error = files.OpenAppend(path, file)) {
        return error;
    }
    const std::string line = text + "\r\n";
    auto error = file->Write(line.data(), line.size());
    auto closeError = file->Close();
    return error ? error : closeError;
}

std::string RejoinScriptPath(const std::string& workingFolder, const std::string& baseName) {
    return JoinPath(workingFolder, baseName + ".bat");
}

FileStatus WriteRejoinScript(FileSystem& files, const std::string& workingFolder, const std::string& baseName,
                             std::int64_t pieceCount) {
    const std::string path = RejoinScriptPath(workingFolder, baseName);
    {
        std::unique_ptr<OutputFile> file;
        if (auto error = files.CreateOrTruncate(path, file)) {
            return error;
        }
        if (auto error = file->Close()) {
            return error;
        }
    }

    // Stops at the first line that fails: a script with a line missing would join the pieces wrongly.
    FileStatus error;
    auto line = [&](const std::string& text) {
        if (!error) {
            error = AppendLine(files, path, text);
        }
    };
    const std::string first = Quoted(PieceName(baseName, 1));
    line("@echo off");
    line("echo Created with Orvane Parvola");
    line("echo" + std::string(6, ' ') + kMakerWebAddress + std::string(5, ' '));
    line("echo.");
    for (std::int64_t i = 2; i <= pieceCount && !error; ++i) {
        line("call copy /b " + first + "+" + Quoted(PieceName(baseName, i)) + " " + first);
    }
    line("call copy /b " + first + " " + Quoted(baseName));
    for (std::int64_t i = 1; i <= pieceCount && !error; ++i) {
        line("del " + Quoted(PieceName(baseName, i)));
    }
    line("echo.");
    line("echo Done!");
    return error;
}

} // namespace parvola
