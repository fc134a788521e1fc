// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/dropped_path.h"

namespace parvola {

DropChoice WhatADropChooses(bool isFolder, bool onDestinationTree) {
    if (!isFolder) {
        return DropChoice::SourceFile;
    }
    return onDestinationTree ? DropChoice::Destination : DropChoice::Nothing;
}

} // namespace parvola
