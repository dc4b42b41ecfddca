// SPDX-License-Identifier: GPL-3.0-or-later
#include "ssb/SsbPlots.h"

#include "core/modMain.h"

#include <cmath>
#include <complex>

using namespace modMain;

namespace {

// One loudness for every setting: the largest swing of the outline (double sideband with
// the full carrier, from twice the carrier down to nothing) comes to 0.8 of full scale.
constexpr double SsbLoudness = 0.8;

}

PeriodicSound ssbSound()
{
    // The waveform's components sit at the carrier and a tone's width either side of it.
    // Seen from the carrier, each is a phasor turning at its offset; the outline of the
    // waveform, which an envelope detector follows, is the length of their sum. It repeats
    // with the tone: 48, 24 or 16 samples at 1, 2 or 3 kHz. Its size is in units of the
    // full carrier, as the waveform's scale has them (1200 units).
    const long length = std::lround(PeriodicSound::SampleRate / 1000.0 / double(AudioKHz));
    if (!(length > 0))
        return {};
    const double sidebandGain = levelGain(SidebandLevel);
    const double carrierGain = levelGain(CarrierLevel);
    const double singleSidebandCarrierGain = levelGain(CarrierLevel + 6.0);
    std::vector<double> outline(std::size_t(length), 0.0);
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const double turn = 2.0 * double(Pi) * double(AudioKHz) * double(i) / (PeriodicSound::SampleRate / 1000.0);
        const std::complex<double> upper = std::polar(1.0, turn);
        if (SsbMode == 2) {
            // Each full sideband is half the full carrier: 600 units against 1200.
            const std::complex<double> lower = std::polar(sidebandGain, -turn);
            outline[i] = 0.5 * std::abs(upper + lower + 2.0 * carrierGain);
        } else {
            // One sideband, 6 dB below the full carrier; either sideband gives this outline.
            outline[i] = std::abs(0.5 * upper + 0.5 * singleSidebandCarrierGain);
        }
    }
    return PeriodicSound::fromSignal(outline, SsbLoudness);
}
