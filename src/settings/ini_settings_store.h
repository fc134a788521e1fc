#pragma once

#include "settings/settings_store.h"

#include <string>

namespace parvola {

// The settings file of this user: $XDG_CONFIG_HOME/Orvane/Parvola.conf, or ~/.config/Orvane/Parvola.conf.
std::string DefaultSettingsPath();

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
