// SPDX-License-Identifier: GPL-3.0-or-later
#include "am/AmAudioSines.h"
#include "am/AmPlots.h"
#include "core/CarrierSine.h"
#include "core/ExactSine.h"
#include "core/modMain.h"

#include <cmath>
#include <cstddef>

using namespace modMain;

namespace {
constexpr double KnownTo = 1e7; // the lines' precision: 1e-7 of the unmodulated carrier
}

std::vector<double> amEnvelopeSpectrum(int pairs)
{
    // The tone's phase advances pi AudioKHz / 18000 a step, so a period is 36000 / AudioKHz
    // steps: 36000, 18000 or 12000. Every period the window offers divides by four, so a
    // quarter period on, the sines are the cosines.
    const double period = CarrierSteps / double(AudioKHz);
    if (!(period >= 4 && period <= CarrierSteps) || period != std::floor(period) || std::fmod(period, 4) != 0
        || pairs < 0)
        return {};
    const std::size_t N = std::size_t(period);
    const AudioSineTable audioSines = amAudioSineTable();

    constexpr double TwoPi = 6.283185307179586476925;
    std::vector<double> sines(N);
    for (std::size_t j = 0; j < N; ++j)
        sines[j] = exactSin(TwoPi * double(j) / double(N));
    std::vector<double> envelope(N);
    for (std::size_t n = 0; n < N; ++n)
        envelope[n] = amEnvelopeFactor((*audioSines)[n]);

    // c(k) = 1/N sum of E(n) exp(-2 pi i k n / N). E(n) times the carrier has its lines at
    // the carrier (c(0)) and k audio frequencies either side of it, |c(k)| each.
    std::vector<double> amplitudes;
    for (std::size_t k = 0; k <= std::size_t(pairs); ++k) {
        double re = 0, im = 0;
        for (std::size_t n = 0; n < N; ++n) {
            const std::size_t j = k * n % N;
            re += envelope[n] * sines[(j + N / 4) % N];
            im -= envelope[n] * sines[j];
        }
        // The envelope is worked out in single precision (a part in 1.7e7 of values up to
        // 2.4), so its lines are known to about 1e-7 of the carrier, and given to that: the
        // carrier at full depth is 1, not 0.9999999999 (a level of 0 dB, not -8.9e-10 dB),
        // and a pair the clipper's symmetry leaves out is 0, not 2e-8.
        amplitudes.push_back(std::round(std::sqrt(re * re + im * im) / double(N) * KnownTo) / KnownTo);
    }
    return amplitudes;
}
