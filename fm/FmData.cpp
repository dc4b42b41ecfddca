// SPDX-License-Identifier: GPL-3.0-or-later
// jn is POSIX: declared where the C library is asked for more than ISO C.
#if !defined(_GNU_SOURCE) && !defined(_DEFAULT_SOURCE) && !defined(_XOPEN_SOURCE)
#define _DEFAULT_SOURCE 1
#endif

#include "fm/FmSpectrumPlot.h"

#include "fm/FmSpectrum.h"
#include "fm/FmState.h"

#include <cmath>
#include <math.h>

using namespace FmState;

namespace {

// Takes each line the spectrum computation hands to the plot, with the order and the
// amplitude |Jn| the computation has just worked out (also for a carrier drawn at the
// floor), and |Jn| of the same index in double precision (POSIX jn, in glibc and musl
// alike; the web build's library has no std::cyl_bessel_j). Lines left of the carrier are
// the lower sidebands.
class LineCollector : public Surface {
public:
    LineCollector()
        : Surface(12000, 9000)
    {
    }
    std::vector<SpectrumLine> lines;

protected:
    void drawLine(float x1, float, float, float, Colour) override
    {
        const int order = int(BesselOrder);
        const double side = x1 < CarrierX ? -1.0 : x1 > CarrierX ? 1.0
                                                                 : 0.0;
        lines.push_back({ .offsetHz = side * order * std::fabs(double(ModulatingFrequency)),
                          .amplitude = double(BesselValue),
                          .order = order,
                          .exactAmplitude = std::fabs(jn(order, double(ModIndex))) });
    }
    void drawBox(float, float, float, float, Colour) override {}
    void drawFilledBox(float, float, float, float, Colour) override {}
    void drawText(float, float, const std::string&) override {}

private:
    static constexpr float CarrierX = 8500;
};

}

std::vector<SpectrumLine> fmSpectrumLines()
{
    LineCollector collector;
    ComputeFmSpectrum(collector);
    return collector.lines;
}
