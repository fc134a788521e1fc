// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/window_place.h"

#include "engine/setting_values.h"

#include <string>

namespace parvola {

namespace {

std::optional<int> ReadWhole(SettingsStore& settings, const char* name) {
    const auto number = NumberIn(settings.ReadSetting(name).value_or(""));
    if (!number || *number != static_cast<double>(static_cast<long long>(*number)) || *number < -1e6 ||
        *number > 1e6) {
        return std::nullopt;
    }
    return static_cast<int>(*number);
}

bool Inside(const WindowPlace& screen, int x, int y) {
    return x >= screen.left && x < screen.left + screen.width && y >= screen.top &&
           y < screen.top + screen.height;
}

} // namespace

void WriteWindowPlace(SettingsStore& settings, const WindowPlace& place) {
    settings.WriteSetting(SettingName::WindowLeft, std::to_string(place.left));
    settings.WriteSetting(SettingName::WindowTop, std::to_string(place.top));
    settings.WriteSetting(SettingName::WindowWidth, std::to_string(place.width));
    settings.WriteSetting(SettingName::WindowHeight, std::to_string(place.height));
}

std::optional<WindowPlace> ReadWindowPlace(SettingsStore& settings, const std::vector<WindowPlace>& screens,
                                           int minimumWidth, int minimumHeight) {
    const auto left = ReadWhole(settings, SettingName::WindowLeft);
    const auto top = ReadWhole(settings, SettingName::WindowTop);
    const auto width = ReadWhole(settings, SettingName::WindowWidth);
    const auto height = ReadWhole(settings, SettingName::WindowHeight);
    if (!left || !top || !width || !height || *width < minimumWidth || *height < minimumHeight) {
        return std::nullopt;
    }
    // Near the top left, where the title bar is to be grabbed to move the window back.
    for (const WindowPlace& screen : screens) {
        if (Inside(screen, *left + 40, *top + 10)) {
            return WindowPlace{*left, *top, *width, *height};
        }
    }
    return std::nullopt;
}

} // namespace parvola
