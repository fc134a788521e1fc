// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/join_command.h"

#include "platform/path_text.h"

namespace parvola {

std::optional<JoinRequest> JoinForChosenPiece(FileSystem& files, const std::string& piece, SplitUi& ui,
                                              const std::function<std::string()>& chooseFolder) {
    if (piece.empty()) {
        return std::nullopt;
    }
    std::string dest = ParentFolder(piece);
    if (TryWriteIn(files, dest)) {
        ui.ShowMessage("The joined file cannot be written into " + dest +
                           ".  Please choose another folder for it.",
                       MessageIcon::Information);
        dest = chooseFolder();
        if (dest.empty()) {
            return std::nullopt;
        }
    }
    // The window asks before it replaces a file or joins pieces that nothing shows to be all there.
    return JoinRequest{piece, dest, ReplaceExisting::Ask, false, false, UncheckedJoin::Ask};
}

} // namespace parvola
