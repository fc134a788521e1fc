// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/piece_set.h"
#include "engine/split_checks.h"
#include "platform/code_pages.h"
#include "platform/file_system.h"

namespace parvola {

// The checks a join makes of the batch file and the checksum file beside the pieces, before its first byte.
// Each gives the message it stops the join with, or no value when the join may go on.

// When name.bat lies beside the pieces, it must join exactly pieces 1 to set.count, in their order, into
// name, in the form the split writes it. present tells whether there was one.
Check ScriptCheck(FileSystem& files, CodePages& codePages, const PieceSet& set, bool& present);

// When name.sha256 lies beside the pieces, it must be in the form sha256sum reads, give every piece a
// checksum, and name no piece beyond the last. present tells whether there was one, whole whether it gives
// the joined file a checksum too.
Check ChecksumCheck(FileSystem& files, const PieceSet& set, bool& present, bool& whole);

} // namespace parvola
