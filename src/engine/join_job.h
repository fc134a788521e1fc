// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/split_ui.h"
#include "platform/platform.h"

#include <string>

namespace parvola {

// What becomes of a file that already has the joined file's name.
enum class ReplaceExisting { Never, Ask, Always };

// What becomes of pieces without their batch file or their checksum file beside them: nothing then shows
// whether pieces past the last one found are missing, which would leave the joined file cut short.
enum class UncheckedJoin { Refuse, Ask, Allow };

struct JoinRequest {
    // A piece (name.001), the batch file that joins them (name.bat), or the name they join into.
    std::string PiecePath;
    // Where the joined file goes; empty: beside the pieces.
    std::string DestFolder;
    ReplaceExisting Replace = ReplaceExisting::Never;
    // Deletes the pieces, their batch file and their checksum file once the joined file is in place and
    // checked.
    bool DeletePieces = false;
    // Checks the pieces as a join would, and writes nothing.
    bool CheckOnly = false;
    UncheckedJoin Unchecked = UncheckedJoin::Refuse;
};

// How a join ended. The user has been told in every case but a cancel.
enum class JoinOutcome {
    Joined,    // the joined file is in place, and the pieces are gone when that was asked for
    Verified,  // only checked: the pieces are whole
    Refused,   // a check stopped it before the first byte; nothing was written
    Failed,    // something went wrong after the first byte, or a piece is damaged; nothing is left behind
    Cancelled, // the user stopped it, or would not replace the file there; nothing is left behind
};

// Joins the pieces name.001, name.002 … into name: in numeric order, after checking that none is missing
// and their lengths, and against name.bat and name.sha256 when these lie beside them; without either only
// as request.Unchecked allows. The joined file is
// written under a hidden name and given its own only once it is whole and checked, so that a join that
// fails leaves nothing behind; the pieces are only read, unless they are to be deleted after the join.
JoinOutcome JoinPieces(const JoinRequest& request, SplitUi& ui, Platform& platform);

// Makes a hidden file in folder and removes it again: whether a join could put its file there.
FileStatus TryWriteIn(FileSystem& files, const std::string& folder);

} // namespace parvola
