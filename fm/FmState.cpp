#include "fm/FmState.h"

namespace FmState {

void ClearFmState()
{
    ModulatingFrequency = PeakDeviation = PlotBottom = ModIndex = 0;
    BesselOrder = ModIndexSquared = OrderFactorial = SeriesIndex = 0;
    SeriesTerm = SeriesSum = SeriesTolerance = BesselValue = 0;
    FloorCount = 0;
}

}
