// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_layout.h"

#include <cmath>

namespace parvola {

namespace {

int RoundedPixels(double twips, double dpi) {
    return static_cast<int>(std::lround(TwipsToPixels(twips, dpi)));
}

} // namespace

QRect ToPixels(const TwipRect& rect, double dpiX, double dpiY) {
    return QRect(RoundedPixels(rect.left, dpiX), RoundedPixels(rect.top, dpiY),
                 RoundedPixels(rect.width, dpiX), RoundedPixels(rect.height, dpiY));
}

} // namespace parvola
