#pragma once

#include "settings/settings_store.h"

#include <map>

namespace parvola::test {

class MemorySettings final : public SettingsStore {
public:
    std::optional<std::string> ReadSetting(const std::string& name) override {
        const auto it = values.find(name);
        return it == values.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    void WriteSetting(const std::string& name, const std::string& text) override { values[name] = text; }

    std::map<std::string, std::string> values;
};

} // namespace parvola::test
