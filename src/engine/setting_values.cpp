// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/setting_values.h"

#include <charconv>

namespace parvola {

namespace {

std::string Stored(SettingsStore& settings, const char* name) {
    return settings.ReadSetting(name).value_or("");
}

// A missing or empty value stored as its default, as the split writes back the defaults it uses.
std::string StoredOrDefault(SettingsStore& settings, const char* name, const char* fallback,
                            bool storeDefault) {
    std::string value = Stored(settings, name);
    if (value.empty()) {
        value = fallback;
        if (storeDefault) {
            settings.WriteSetting(name, value);
        }
    }
    return value;
}

} // namespace

std::optional<double> NumberIn(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::nullopt;
    }
    const auto last = text.find_last_not_of(" \t");
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    if (*begin == '+') {
        ++begin;
    }
    double value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value, std::chars_format::general);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

bool ReadCheck(SettingsStore& settings, const char* name) {
    return NumberIn(Stored(settings, name)) == 1.0;
}

std::optional<int> ReadChoice(SettingsStore& settings, const char* name, int count) {
    const std::string value = Stored(settings, name);
    for (int index = 0; index < count; ++index) {
        if (value == std::to_string(index)) {
            return index;
        }
    }
    return std::nullopt;
}

int ReadSizeIndex(SettingsStore& settings) {
    return ReadChoice(settings, SettingName::OptIdx, kSizeOptions).value_or(kDefaultSizeIndex);
}

bool ReadCut83(SettingsStore& settings, bool storeDefault) {
    return NumberIn(StoredOrDefault(settings, SettingName::Chk83, "0", storeDefault)) == 1.0;
}

CleanupChoice ReadCleanup(SettingsStore& settings, bool storeDefault) {
    const auto number = NumberIn(Stored(settings, SettingName::OptClean));
    if (!number || (*number != 0 && *number != 1 && *number != 2)) {
        if (storeDefault) {
            settings.WriteSetting(SettingName::OptClean, "1");
        }
        return CleanupChoice::Ask;
    }
    const auto choice = ReadChoice(settings, SettingName::OptClean, 3);
    return choice ? static_cast<CleanupChoice>(*choice) : CleanupChoice::Keep;
}

bool ReadReadmeWanted(SettingsStore& settings, bool storeDefault) {
    return StoredOrDefault(settings, SettingName::OptReadme, "0", storeDefault) == "0";
}

bool ReadChecksumWanted(SettingsStore& settings) {
    return NumberIn(Stored(settings, SettingName::OptChecksum)) != 0.0;
}

bool ReadLabelWanted(SettingsStore& settings) {
    return ReadChoice(settings, SettingName::OptLabel, 2) != 1;
}

} // namespace parvola
