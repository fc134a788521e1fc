// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings_store.h"

#include <string>

namespace parvola {

// Where the programs keep their settings, under HKEY_CURRENT_USER (and, as defaults, HKEY_LOCAL_MACHINE).
inline constexpr char kSettingsKey[] = "Software\\Orvane\\Parvola";

// Settings kept in the registry as REG_SZ values of the key under HKEY_CURRENT_USER. An ordinary user cannot
// write HKEY_LOCAL_MACHINE, so writes go to the user's key; a value the user has none of is read from the
// machine's key of the same name, where an administrator may have put a default. Nothing is held in memory.
class RegistrySettingsStore final : public SettingsStore {
public:
    explicit RegistrySettingsStore(std::string key = kSettingsKey);

    std::optional<std::string> ReadSetting(const std::string& name) override;
    void WriteSetting(const std::string& name, const std::string& text) override;

private:
    std::wstring m_key;
};

} // namespace parvola
