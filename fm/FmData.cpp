// SPDX-License-Identifier: GPL-3.0-or-later
#include "fm/FmSpectrumPlot.h"

#include "fm/FmSpectrum.h"
#include "fm/FmState.h"

#include <cmath>

using namespace FmState;

namespace {

// Takes each line the spectrum computation hands to the plot, with the order and the
// amplitude |Jn| the computation has just worked out (also for a carrier drawn at the
// floor). Lines left of the carrier are the lower sidebands.
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
                          .order = order });
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
