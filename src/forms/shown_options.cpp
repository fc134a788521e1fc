// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/shown_options.h"

#include "engine/setting_values.h"

namespace parvola {

int ShownCleanupIndex(SettingsStore& settings) {
    // Compared as text: "1.0" passes as a number but is none of the three.
    return ReadChoice(settings, SettingName::OptClean, 3).value_or(static_cast<int>(CleanupChoice::Ask));
}

} // namespace parvola
