// SPDX-License-Identifier: GPL-3.0-or-later
#include "fm/FmSpectrum.h"

#include "core/modMain.h"
#include "fm/FmSpectrumPlot.h"
#include "fm/FmState.h"

#include <cmath>
#include <limits>

using namespace modMain;
using namespace FmState;

namespace {

constexpr float LastOrder = 100;
constexpr std::int16_t OrdersAtFloorToStop = 3;

// n! for the current order (n >= 1), in OrderFactorial: Stirling's series for the gamma
// function, ln G(z) ~ z ln z - z + ln sqrt(2 pi / z) + 1/(12 z) - 1/(360 z^3), taken at
// z = n + 3, where it is accurate, and divided back down by (n + 2)(n + 1).
// G(z) is kept in single precision like n!; for orders 33 and 34 it no longer fits
// although n! does, and there it stays in double. Returns false when n! itself does not
// fit single precision (from order 35 up).
bool computeOrderFactorial()
{
    constexpr double singleMax = std::numeric_limits<float>::max();
    WorkY = float((double(BesselOrder) + 1.0) + 2.0);
    const double z = WorkY;
    double gamma = std::sqrt(2.0 * double(Pi) / z)
        * std::exp(z * std::log(z) + (1.0 - 1.0 / (30.0 * z * z)) / (12.0 * z) - z);
    if (gamma <= singleMax)
        gamma = float(gamma);
    const double factorial = gamma / ((double(BesselOrder) + 2.0) * (double(BesselOrder) + 1.0));
    if (factorial > singleMax)
        return false;
    OrderFactorial = float(factorial);
    return true;
}

// Jn(index) for n = BesselOrder, in SeriesSum, from the power series
//   Jn(x) = sum over k >= 0 of (-1)^k (x/2)^(2k+n) / (k! (n+k)!),
// summed in single precision. Each term comes from the one before, and the sum stops as
// soon as a term is no larger than the tolerance times the sum so far (tested before
// every term, so a first term of 0 ends it at once). An order whose factorial does not
// fit single precision gives 0.
void sumBesselSeries()
{
    const double n = BesselOrder;
    float firstTerm = 1;
    if (BesselOrder > 0) {
        if (computeOrderFactorial())
            firstTerm = float(std::pow(double(ModIndex) / 2.0, n) / double(OrderFactorial));
        else
            firstTerm = 0;
    }
    SeriesSum = firstTerm;
    SeriesTerm = firstTerm;
    SeriesIndex = 0;
    while (std::fabs(SeriesTerm) > std::fabs(float(double(SeriesTolerance) * double(SeriesSum)))) {
        SeriesIndex = SeriesIndex + 1;
        SeriesTerm = float((-double(SeriesTerm) * double(ModIndexSquared) * 0.25)
                           / ((double(SeriesIndex) + n) * double(SeriesIndex)));
        SeriesSum = float(double(SeriesTerm) + double(SeriesSum));
    }
}

// The level of the current line in dB below the unmodulated carrier, in WorkDb. An
// amplitude of exactly zero has no level: it is put at the floor, so it is counted
// there and not drawn.
void computeLevel()
{
    if (BesselValue > 0)
        WorkDb = float(std::log(double(BesselValue)) * -20.0 / std::log(10.0));
    else
        WorkDb = PlotBottom;
}

}

void ComputeFmSpectrum(Surface& surface)
{
    FloorCount = 0;
    SeriesTolerance = 1e-6f;
    BesselOrder = 0;
    for (;;) {
        ModIndexSquared = float(double(ModIndex) * double(ModIndex));
        sumBesselSeries();
        BesselValue = std::fabs(SeriesSum);
        computeLevel();

        // The carrier is drawn whatever its level.
        if (BesselOrder == 0)
            DrawFmCarrier(surface);

        // Orders at or beyond the floor are counted over the whole run, the carrier
        // included, not only when they follow one another.
        if (WorkDb < PlotBottom) {
            if (BesselOrder > 0)
                DrawFmSidebandPair(surface);
        } else {
            FloorCount = std::int16_t(FloorCount + 1);
            if (FloorCount == OrdersAtFloorToStop)
                return;
        }

        BesselOrder = BesselOrder + 1;
        if (BesselOrder > LastOrder)
            return;
    }
}
