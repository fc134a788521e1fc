// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings_store.h"

#include <string>

namespace parvola {

// The settings file of the user whose home folder is home: $XDG_CONFIG_HOME/Orvane/Parvola.conf when that
// is an absolute path, else home/.config/Orvane/Parvola.conf. Empty, for settings kept nowhere, when
// neither is known.
std::string DefaultSettingsPath(const std::string& home);

// Settings kept in an INI file. Holds nothing in memory: every read looks at the file, every write goes to
// it at once, so two running copies of the program see each other's last writes.
class IniSettingsStore final : public SettingsStore {
public:
    explicit IniSettingsStore(std::string path);

    std::optional<std::string> ReadSetting(const std::string& name) override;
    void WriteSetting(const std::string& name, const std::string& text) override;

private:
    std::string m_path;
};

} // namespace parvola
