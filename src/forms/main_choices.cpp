// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/main_choices.h"

#include "engine/setting_values.h"

namespace parvola {

MainChoices ReadMainChoices(SettingsStore& settings) {
    MainChoices choices;
    choices.pattern = settings.ReadSetting(SettingName::FMask).value_or("");
    choices.number = settings.ReadSetting(SettingName::TxtNum).value_or("");
    choices.sizeIndex = ReadSizeIndex(settings);
    if (ReadCheck(settings, SettingName::ChkSaveDestDir)) {
        choices.destination = settings.ReadSetting(SettingName::DestDir).value_or("");
    }
    return choices;
}

void StoreMainChoices(SettingsStore& settings, const MainChoices& now, bool withPattern) {
    if (withPattern) {
        settings.WriteSetting(SettingName::FMask, now.pattern);
    }
    if (!now.number.empty()) {
        settings.WriteSetting(SettingName::TxtNum, now.number);
    }
    if (ReadCheck(settings, SettingName::ChkSaveDestDir)) {
        settings.WriteSetting(SettingName::DestDir, now.destination);
    }
}

} // namespace parvola
