// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/main_layout.h"

#include <QRect>

namespace parvola {

// Twips to pixels at the screen's logical resolution.
QRect ToPixels(const TwipRect& rect, double dpiX, double dpiY);

} // namespace parvola
