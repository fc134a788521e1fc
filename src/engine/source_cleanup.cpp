// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/source_cleanup.h"

#include "engine/error_text.h"
#include "engine/setting_values.h"

namespace parvola {

namespace {

std::optional<std::string> DeleteSource(FileSystem& files, const std::string& sourcePath,
                                        const FileInfo& splitFile, bool piecesComplete) {
    if (!piecesComplete) {
        return "The file was split, but the pieces no longer add up to the source file, so it was kept (~" +
               sourcePath + "~).";
    }
    // Another file put in its place, or this one written to, holds what the pieces do not.
    const auto now = files.Inspect(sourcePath, true);
    if (!now || !Unchanged(*now, splitFile)) {
        return "The file was split, but the source file was changed or replaced in the meantime, so it was "
               "kept "
               "(~" +
               sourcePath + "~).";
    }
    if (auto error = files.DeleteFile(sourcePath)) {
        return "The file was split, but the source file could not be deleted (~" + sourcePath +
               "~).\r\n\r\n" + ErrorText(*error);
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> CleanupSource(SplitUi& ui, SettingsStore& settings, FileSystem& files,
                                         const std::string& sourcePath, const FileInfo& splitFile,
                                         bool piecesComplete, SourceAfterSplit choice) {
    const CleanupChoice cleanup = choice == SourceAfterSplit::Delete ? CleanupChoice::Delete
                                  : choice == SourceAfterSplit::Keep ? CleanupChoice::Keep
                                                                     : ReadCleanup(settings, true);
    switch (cleanup) {
    case CleanupChoice::Delete:
        return DeleteSource(files, sourcePath, splitFile, piecesComplete);
    case CleanupChoice::Keep:
        return std::nullopt;
    case CleanupChoice::Ask:
        break;
    }
    const std::string question =
        "Would you like to delete the source file?\r\n\r\n"
        "Note: You can edit the Options under the file menu so that the source is always deleted, never "
        "deleted, or you get this prompt.\r\n\r\n"
        "Source file name: " +
        sourcePath;
    if (ui.AskYesNo(question, MessageIcon::Question, DefaultAnswer::No)) {
        return DeleteSource(files, sourcePath, splitFile, piecesComplete);
    }
    return std::nullopt;
}

} // namespace parvola
