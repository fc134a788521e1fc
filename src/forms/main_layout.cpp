// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/main_layout.h"

#include "engine/piece_sizes.h"

#include <iterator>

namespace parvola {

namespace {

// The window's outer size at design time: the client area (8265 x 4935) plus borders, caption and menu bar.
constexpr double kDesignOuterWidth = 8385;
constexpr double kDesignOuterHeight = 5820;

// A window shrunk below a control's minimum would give it a negative extent, which a control cannot take;
// it keeps the extent it had instead.
void SetExtent(double& extent, double value) {
    if (value >= 0) {
        extent = value;
    }
}

} // namespace

const char* SizeCaption(int index) {
    const int fixed = static_cast<int>(std::size(kFixedPieceSizes));
    return index < fixed ? kFixedPieceSizes[index].caption : kCustomSizeUnits[index - fixed];
}

MainLayout DesignLayout() {
    MainLayout layout;
    layout.fraSource.left = 120;
    // Two lines under the sizes for the plan.
    layout.fraFSize.height = 1815;
    layout.lblPlan = {120, 1230, 0, 540};
    layout.cmdSplit = {0, 210, 1335, 375};
    layout.cmdCancel = {0, 655, 1335, 375};
    layout.DestDir.top = 240;
    layout.cmdNewDir.width = 1455;
    layout.cmdNewDir.height = 375;
    layout.Label1 = {120, 0, 1335, 255};
    layout.lblSize = {840, 0, 1815, 255};
    Form_Resize(layout, kDesignOuterWidth, kDesignOuterHeight);
    return layout;
}

void Form_Resize(MainLayout& form, double outerWidth, double outerHeight) {
    const double w = outerWidth - 50;
    const double h = outerHeight - 50;

    // Each rule reads what the rules before it left, so the order matters.
    SetExtent(form.fraSource.width, w / 2 - 950);
    form.fraDest.left = form.fraSource.width + 250;
    SetExtent(form.fraDest.width, w / 2 - 950);
    form.fraFSize.left = form.fraSource.width + 250;
    SetExtent(form.fraFSize.width, w / 2 - 950);
    SetExtent(form.lblPlan.width, form.fraFSize.width - 240);
    form.cmdCancel.left = form.fraFSize.width + form.fraSource.width + 400;
    form.cmdSplit.left = form.fraFSize.width + form.fraSource.width + 400;
    form.Dir.left = 150;
    SetExtent(form.Dir.width, form.fraSource.width - 300);
    form.File1.left = 130;
    SetExtent(form.File1.width, form.fraSource.width - 270);
    form.DestDir.left = 150;
    SetExtent(form.DestDir.width, form.fraDest.width - 300);
    form.cmdNewDir.left = form.fraDest.width / 2 - form.cmdNewDir.width / 2;

    form.fraSource.top = 100;
    SetExtent(form.fraSource.height, h - 860);
    form.fraFSize.top = 100;
    form.fraDest.top = form.fraFSize.height + 200;
    // The outer height, not the client one: the frame ends where the window's own frame would.
    SetExtent(form.fraDest.height, outerHeight - form.fraFSize.height - 1000);
    SetExtent(form.DestDir.height, form.fraDest.height - 200 - 150 - 150 - form.cmdNewDir.height);
    form.cmdNewDir.top = form.fraDest.height - 150 - form.cmdNewDir.height;
    form.Dir.top = 250;
    SetExtent(form.Dir.height, (form.fraSource.height - 500) / 2);
    form.File1.top = form.Dir.height + 300;
    SetExtent(form.File1.height, (form.fraSource.height - 700) / 2);
    form.Label1.top = form.fraSource.height - form.Label1.height - 50;
    form.lblSize.top = form.Label1.top;

    form.line1X2 = w + 500;
    form.line2X2 = w + 500;
}

double TwipsToPixels(double twips, double dpi) {
    return twips * dpi / kTwipsPerInch;
}

} // namespace parvola
