// SPDX-License-Identifier: GPL-3.0-or-later
#include "fm/FmState.h"

namespace FmState {

void clearFmState()
{
    ModulatingFrequency = PeakDeviation = PlotBottom = ModIndex = 0;
    BesselOrder = ModIndexSquared = OrderFactorial = SeriesIndex = 0;
    SeriesTerm = SeriesSum = SeriesTolerance = BesselValue = 0;
    FloorCount = 0;
}

}
