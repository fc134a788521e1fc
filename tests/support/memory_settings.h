// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings_store.h"

#include <map>

namespace parvola::test {

class MemorySettings final : public SettingsStore {
public:
    std::optional<std::string> ReadSetting(const std::string& name) override {
        return values.count(name) ? std::optional<std::string>(values[name]) : std::nullopt;
    }
    void WriteSetting(const std::string& name, const std::string& text) override { values[name] = text; }

    std::map<std::string, std::string> values;
};

} // namespace parvola::test
