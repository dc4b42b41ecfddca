// SPDX-License-Identifier: GPL-3.0-or-later
#include "fm/FmSpectrumPlot.h"

#include "core/NumberText.h"
#include "core/Surface.h"
#include "core/modMain.h"
#include "fm/FmState.h"

using namespace modMain;
using namespace FmState;

namespace {
constexpr Colour StripColour = 0xFFFFFF;
}

void DrawFmSpectrumFrame(Surface& surface)
{
    surface.setLineWidth(2);
    surface.fillBox(6000, 1000, 11000, 7000, PanelColour);
    surface.setLineWidth(1);

    // Six level divisions, then ten frequency divisions; the outermost lines are the
    // panel's border.
    for (WorkY = 1000; WorkY <= 7000; WorkY += 1000)
        surface.line(6000, WorkY, 11000, WorkY, GridColour);
    for (WorkX = 6000; WorkX <= 11000; WorkX += 500)
        surface.line(WorkX, 1000, WorkX, 7000, GridColour);

    // The label strips under and right of the panel.
    surface.fillBox(5400, 7030, 11990, 7400, StripColour);
    surface.fillBox(11030, 900, 11990, 7400, StripColour);

    const std::string halfWidth = formatDouble(double(PanelWidth) * 0.5);
    surface.printAt(5800, 7100, "-" + halfWidth);
    surface.printAt(8400, 7100, "Fc");
    surface.printAt(10700, 7100, "+" + halfWidth);

    // Each level label sits 130 units above the grid line it names.
    surface.printAt(11100, 900, "0 dB");
    for (WorkY = 1; WorkY <= 6; WorkY += 1) {
        const float level = float(-double(PlotBottom) * (double(WorkY) / 6.0));
        surface.printAt(11100, float(double(WorkY) / 6.0 * 6000.0 + 870.0), formatSingle(level));
    }
}
