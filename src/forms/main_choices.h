// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings_store.h"

#include <string>

namespace parvola {

// The main window's choices that outlive a run.
struct MainChoices {
    std::string pattern;     // of the file list
    std::string number;      // of the number box; empty for none
    int sizeIndex = 3;       // the chosen piece size, 0 to 7
    std::string destination; // empty: the destination tree stays at its start folder
};

// The choices as stored: a size index that is no option is 1.44 M; the destination only where
// chkSaveDestDir asks for it.
MainChoices ReadMainChoices(SettingsStore& settings);

// What ending the window stores of now: the pattern only when withPattern (Close and Esc), the number
// when there is one, the destination when chkSaveDestDir asks for it.
void StoreMainChoices(SettingsStore& settings, const MainChoices& now, bool withPattern);

} // namespace parvola
