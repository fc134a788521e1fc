// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace parvola {

enum class DropChoice { Nothing, SourceFile, Destination };

// What a path dropped on the main window chooses: a file is chosen as the source, wherever it lands, as a
// file named on the command line is; a folder only where it lands on the destination tree.
DropChoice WhatADropChooses(bool isFolder, bool onDestinationTree);

} // namespace parvola
