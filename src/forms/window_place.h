// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings_store.h"

#include <optional>
#include <vector>

namespace parvola {

// Where a window is on the desktop: its outer top left corner and its client size, in pixels.
struct WindowPlace {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The names the main window's place is stored under.
namespace SettingName {
inline constexpr const char* WindowLeft = "WindowLeft";
inline constexpr const char* WindowTop = "WindowTop";
inline constexpr const char* WindowWidth = "WindowWidth";
inline constexpr const char* WindowHeight = "WindowHeight";
} // namespace SettingName

void WriteWindowPlace(SettingsStore& settings, const WindowPlace& place);

// The stored place where it still suits the desktop now: all four numbers whole, a size of at least
// minimum, and a corner of the window's title inside one of screens (the desktop may have lost the
// screen it was on). No value otherwise: the window keeps its designed place.
std::optional<WindowPlace> ReadWindowPlace(SettingsStore& settings, const std::vector<WindowPlace>& screens,
                                           int minimumWidth, int minimumHeight);

} // namespace parvola
