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

// Design size of the client area.
inline constexpr double kClientWidth = 8265;
inline constexpr double kClientHeight = 4935;

// Where the size options (in their order) and then the number box sit in their frame; the layout never
// moves them.
inline constexpr TwipRect kSizeControls[9] = {
    {120, 240, 735, 255},  {120, 480, 735, 255},   {120, 720, 735, 255},
    {120, 960, 855, 255},  {1320, 240, 1095, 255}, {1320, 480, 1095, 255},
    {2520, 720, 495, 255}, {2520, 960, 495, 255},  {1320, 840, 1095, 285}};

// The size options' captions: the fixed sizes', then the units of a number of the user's own.
const char* SizeCaption(int index);

// The geometry the window is designed with, before its first resize.
MainLayout DesignLayout();

// Places the controls for the window's outer size. A width or height that comes out negative is not
// applied: the control keeps its last valid value, and later rules read that.
void Form_Resize(MainLayout& layout, double outerWidth, double outerHeight);

// Twips to pixels at the screen's logical resolution.
double TwipsToPixels(double twips, double dpi);

} // namespace parvola
