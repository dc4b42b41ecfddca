// SPDX-License-Identifier: GPL-3.0-or-later
#include "fm/FmSpectrumPlot.h"

#include "core/Surface.h"
#include "core/modMain.h"
#include "fm/FmState.h"

#include <cmath>

using namespace modMain;
using namespace FmState;

namespace {

constexpr float CarrierX = 8500;
constexpr float FloorY = 7000;
constexpr float HalfPanel = 2500;

// The level in WorkDb as a y on the panel, in WorkY: 0 dB at the top, the floor at the
// bottom. A level beyond the floor is lowered to it first, in WorkDb itself.
void mapLevel()
{
    if (WorkDb > PlotBottom)
        WorkDb = PlotBottom;
    WorkY = float(double(WorkDb) / PlotBottom * 6000.0 + 1000.0);
}

}

void DrawFmCarrier(Surface& surface)
{
    surface.setLineWidth(2);
    mapLevel();
    // A carrier at or beyond the floor is a line of no height on the bottom edge.
    surface.line(CarrierX, WorkY, CarrierX, FloorY, TraceColour);
    surface.setLineWidth(1);
}

void DrawFmSidebandPair(Surface& surface)
{
    surface.setLineWidth(2);
    mapLevel();
    const double offset = double(BesselOrder) * 5000.0 * ModulatingFrequency / PanelWidth;

    // Beyond the panel's edges (n times the modulating frequency exceeds half the plot
    // width). A negative modulating frequency gives a negative offset, so its magnitude
    // is what counts. The test comes before the offset is stored: for a minute plot
    // width it is too large for single precision.
    if (!(std::fabs(offset) <= HalfPanel)) {
        surface.setLineWidth(1);
        return;
    }
    WorkX = float(offset);

    surface.line(CarrierX - WorkX, WorkY, CarrierX - WorkX, FloorY, TraceColour);
    surface.line(CarrierX + WorkX, WorkY, CarrierX + WorkX, FloorY, TraceColour);
    surface.setLineWidth(1);
}
