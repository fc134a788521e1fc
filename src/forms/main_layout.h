// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace parvola {

inline constexpr double kTwipsPerInch = 1440;

// Lengths in twips, in the coordinates of the control's container.
struct TwipRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// Where Form_Resize puts the main window's controls.
struct MainLayout {
    TwipRect fraSource, fraFSize, fraDest, cmdSplit, cmdCancel;
    TwipRect Dir, File1, Label1, lblSize; // inside fraSource
    TwipRect DestDir, cmdNewDir;          // inside fraDest
    TwipRect lblPlan;                     // inside fraFSize, under the sizes
    double line1X2 = 0;
    double line2X2 = 0;
};

// The geometry the window is designed with, before its first resize.
MainLayout DesignLayout();

// Places the controls for the window's outer size. A width or height that comes out negative is not
// applied: the control keeps its last valid value, and later rules read that.
void Form_Resize(MainLayout& layout, double outerWidth, double outerHeight);

// Twips to pixels at the screen's logical resolution.
double TwipsToPixels(double twips, double dpi);

} // namespace parvola
