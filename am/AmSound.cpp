// SPDX-License-Identifier: GPL-3.0-or-later
#include "am/AmPlots.h"

#include "core/modMain.h"

#include <cmath>

using namespace modMain;

namespace {

// One loudness for every setting: the strongest output (140 % without the clipper, whose
// peaks reach 2.4 times the carrier, 1.33 above the mean) comes to 0.8 of full scale, and a
// 100 % tone to 0.6.
constexpr double AmLoudness = 0.6;

// The right-hand plot takes 360 steps a millisecond; a sample is 1/48 ms.
constexpr double StepsPerSample = 360.0 / (PeriodicSound::SampleRate / 1000.0);

}

PeriodicSound amSound()
{
    // One period of the tone: 48, 24 or 16 samples at 1, 2 or 3 kHz. The audio phase and
    // the output are worked out as the plot works them out for its points.
    const long length = std::lround(PeriodicSound::SampleRate / 1000.0 / double(AudioKHz));
    if (!(length > 0))
        return {};
    std::vector<double> output(std::size_t(length), 0.0);
    for (std::size_t i = 0; i < output.size(); ++i) {
        const double n = double(i) * StepsPerSample;
        const float a = float(double(Pi) * AudioKHz / 180.0 * n);
        output[i] = demodulatorOutput(a);
    }
    return PeriodicSound::fromSignal(output, AmLoudness);
}
