// SPDX-License-Identifier: GPL-3.0-or-later
#include "fm/FmSpectrumPlot.h"

#include "core/ExactSine.h"
#include "fm/FmState.h"

#include <algorithm>
#include <numbers>

using namespace FmState;

namespace {

// A constant-amplitude signal: every index is as loud.
constexpr double FmLoudness = 0.6;

// The carrier stands at 6 kHz, 24 tones of 250 Hz up: the lines of orders up to 22 lie
// from 500 Hz to 11.5 kHz. Where the plot draws a line of a higher order n, the carrier
// stays and the tone goes down to 6 kHz / (n + 2), so that line stays two tones above 0 Hz
// and the highest below 12 kHz.
constexpr int CarrierHz = 6000;
constexpr int TonesUpToCarrier = 24;

}

int fmSoundCarrierTones()
{
    int highestOrder = 0;
    for (const SpectrumLine& line : fmSpectrumLines())
        highestOrder = std::max(highestOrder, line.order);
    return std::max(TonesUpToCarrier, highestOrder + 2);
}

PeriodicSound fmSound()
{
    // One period of the tone, with the carrier a whole number of tones up: 8 samples for
    // each tone up, 192 at 250 Hz.
    const int carrierTones = fmSoundCarrierTones();
    const std::size_t length = std::size_t(carrierTones) * (PeriodicSound::SampleRate / CarrierHz);
    std::vector<double> signal(length, 0.0);
    const double index = ModIndex;
    for (std::size_t i = 0; i < length; ++i) {
        const double tonePhase = 2.0 * std::numbers::pi * double(i) / double(length);
        signal[i] = exactSin(carrierTones * tonePhase + index * exactSin(tonePhase));
    }
    return PeriodicSound::fromSignal(signal, FmLoudness);
}
