#include "engine/source_cleanup.h"

#include "engine/setting_values.h"

namespace parvola {

void CleanupSource(SplitUi& ui, SettingsStore& settings, FileSystem& files, const std::string& sourcePath) {
    auto policy = settings.ReadSetting("optClean").value_or("");
    const auto number = NumberIn(policy);
    if (!number || (*number != 0 && *number != 1 && *number != 2)) {
        policy = "1";
        settings.WriteSetting("optClean", policy);
    }

    if (policy == "0") {
        files.DeleteFile(sourcePath);
    } else if (policy == "1") {
        const std::string question =
            "Would you like to delete the source file?\r\n\r\n"
            "Note: You can edit the Options under the file menu so that the source is always deleted, never "
            "deleted, or you get this prompt.\r\n\r\n"
            "Source file name: " +
            sourcePath;
        if (ui.AskYesNo(question, MessageIcon::Question)) {
            files.DeleteFile(sourcePath);
        }
    }
}

} // namespace parvola
