// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Measuring sounds the way an ear or a spectrum analyser would: from their samples.

#include "core/PeriodicSound.h"

#include <cmath>
#include <cstddef>
#include <numbers>
#include <vector>

// The amplitude of the component at `hz` in a second of the looped sound (Goertzel's
// single-bin DFT over 48000 samples: every component of these sounds is a whole number
// of hertz, so each falls on a bin of its own).
inline double componentAmplitude(const PeriodicSound& sound, double hz)
{
    const std::size_t count = PeriodicSound::SampleRate;
    const double w = 2.0 * std::numbers::pi * hz / PeriodicSound::SampleRate;
    const double coefficient = 2.0 * std::cos(w);
    double previous = 0, beforePrevious = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double current = sound.at(i) + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    const double power = previous * previous + beforePrevious * beforePrevious - coefficient * previous * beforePrevious;
    return 2.0 * std::sqrt(std::max(power, 0.0)) / double(count);
}

// The frequency of the strongest component among the multiples of `step` Hz up to 20 kHz.
inline double strongestComponent(const PeriodicSound& sound, double step)
{
    double strongest = 0, amplitude = -1;
    for (double hz = step; hz <= 20000; hz += step)
        if (const double a = componentAmplitude(sound, hz); a > amplitude) {
            amplitude = a;
            strongest = hz;
        }
    return strongest;
}

// Total harmonic distortion: the harmonics of `fundamental` up to 20 kHz against the
// fundamental itself, as a fraction.
inline double harmonicDistortion(const PeriodicSound& sound, double fundamental)
{
    double harmonics = 0;
    for (double hz = 2 * fundamental; hz <= 20000; hz += fundamental)
        harmonics += std::pow(componentAmplitude(sound, hz), 2);
    return std::sqrt(harmonics) / componentAmplitude(sound, fundamental);
}
