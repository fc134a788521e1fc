// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings_store.h"

#include <optional>
#include <string>

namespace parvola {

// The names the options are stored under, each with the control that edits it.
namespace SettingName {
inline constexpr const char* TxtNum = "txtNum";
inline constexpr const char* OptIdx = "optIdx";
inline constexpr const char* ChkSaveDestDir = "chkSaveDestDir";
inline constexpr const char* DestDir = "DestDir";
inline constexpr const char* FMask = "fMask";
inline constexpr const char* Chk83 = "chk83";
inline constexpr const char* OptClean = "optClean";
inline constexpr const char* OptReadme = "optReadme";
inline constexpr const char* OptLabel = "optLabel";
inline constexpr const char* OptChecksum = "optChecksum";
} // namespace SettingName

// The number a stored setting stands for ("1", " 2 ", "1.0"), read the same in every locale; no value for
// text that is not a number as a whole ("", "abc", "1x").
std::optional<double> NumberIn(const std::string& text);

// The two kinds of stored option. Every reader below, in the split and in the windows, goes through them.
// A check box is on only when its value reads as the number 1.
bool ReadCheck(SettingsStore& settings, const char* name);
// A choice among count options is the option's index as the program writes it ("0", "1" …); no value for
// anything else, a missing value included.
std::optional<int> ReadChoice(SettingsStore& settings, const char* name, int count);

// The piece size chosen in the main window, 0 to 7; 1.44 M (3) unless a valid index is stored.
inline constexpr int kSizeOptions = 8;
inline constexpr int kDefaultSizeIndex = 3;
int ReadSizeIndex(SettingsStore& settings);

// chk83. With storeDefault a missing or empty value is stored as "0", as the split does.
bool ReadCut83(SettingsStore& settings, bool storeDefault);

// optClean, with the index its option has in the options dialog.
enum class CleanupChoice { Delete = 0, Ask = 1, Keep = 2 };
// A value that is no number 0, 1 or 2 means Ask, and with storeDefault "1" is stored. Such a number written
// another way ("1.0") leads to no action at all, as Keep does.
CleanupChoice ReadCleanup(SettingsStore& settings, bool storeDefault);

// optReadme: "0", or a missing or empty value, includes the readme; anything else does not. With
// storeDefault a missing or empty value is stored as "0".
bool ReadReadmeWanted(SettingsStore& settings, bool storeDefault);

// optChecksum: checksums are written unless the value reads as the number 0; a missing one means on.
bool ReadChecksumWanted(SettingsStore& settings);

// optLabel: "1" leaves the last disk unlabelled; anything else labels it.
bool ReadLabelWanted(SettingsStore& settings);

} // namespace parvola
