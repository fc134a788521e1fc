// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings_store.h"

namespace parvola {

// The option of the cleanup group the options dialog shows for the stored optClean: its own index for
// exactly "0", "1" or "2", else 1 ("Prompt"), the default the split stores for any other text.
int ShownCleanupIndex(SettingsStore& settings);

} // namespace parvola
