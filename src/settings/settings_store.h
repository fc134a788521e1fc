// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace parvola {

// One flat set of named text values kept from run to run. The store knows no defaults: each reader
// applies its own. Neither call ever reports a failure; a failed read is a missing value.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text (possibly empty), or no value when nothing is stored under name.
    virtual std::optional<std::string> ReadSetting(const std::string& name) = 0;
    virtual void WriteSetting(const std::string& name, const std::string& text) = 0;
};

} // namespace parvola
