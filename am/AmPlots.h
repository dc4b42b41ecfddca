// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PeriodicSound.h"
#include "core/PlotData.h"
#include "core/Surface.h"

#include <string>

// The three plots of the AM window, each on its own dark panel, and the level scale
// beside the spectrum. They read the settings from the shared state (modMain) and set
// the panel geometry registers for themselves.

// What the window draws as it loads and after every choice: the envelope, then the
// spectrum with its level scale, then the demodulator output.
void redrawAmPlots(Surface& surface);

// Left panel: one millisecond of the transmitted signal, its envelope filled.
void DrawAmEnvelope(Surface& surface);
// The envelope factor the left panel draws where the tone's sine is `audioSine`: the
// depth applied, through the clipper (when on), never below zero. 1 is the unmodulated
// carrier.
float amEnvelopeFactor(double audioSine);
// The spectrum of that envelope, by a discrete Fourier transform over its first audio
// period as the left panel samples it: the carrier's amplitude (the envelope's mean) and
// the amplitude of each line of the pairs at once, twice, ... `pairs` times the audio
// frequency (half the envelope's harmonic), relative to the unmodulated carrier.
std::vector<double> amEnvelopeSpectrum(int pairs);

// Middle panel: the line spectrum 5 kHz either side of the carrier, ending with the
// level scale.
void DrawAmSpectrum(Surface& surface);
// One pair of sideband lines SidebandOffset either side of the carrier, from LineTop
// down to the baseline; nothing for a pair beyond the panel or without height.
void DrawAmSidebandPair(Surface& surface, float SidebandOffset, float LineTop);

// The level in dB below the carrier of the pair at k times the audio frequency, as the
// spectrum draws it for the current settings (0 when it draws no such pair).
double amSidebandLevel(int k);

// The column of level labels right of the spectrum panel: volts or decibels.
void DrawAmLevelScale(Surface& surface);

// Right panel: the output of an ideal or a diode envelope demodulator.
void DrawAmDemodOutput(Surface& surface);
// What the demodulator gives at audio phase `a` (radians) for the current settings: the
// envelope factor through the clipper (when on) and the diode's knee (with the diode),
// never below zero. 1 is the unmodulated carrier.
float demodulatorOutput(float a);

// The modulation clipper, a soft limiter with knees at 0.1 and 0.05 at the bottom and
// at 1.9 and 1.95 at the top, acting on an envelope factor.
float applyModulationClipper(float E);
// A diode's knee: compresses envelope factors below 0.1, the lower half of the clipper.
float applyDiodeKnee(float E);

// The numbers behind the plots, for the current settings: one row per spectral line the
// spectrum draws, its exact amplitude from amEnvelopeSpectrum, and the envelope and
// demodulator traces point by point, the envelope's points with the envelope factor.
std::vector<SpectrumLine> amSpectrumLines();
std::vector<Trace> amTraces();

// What the demodulator output sounds like: one period of the tone at 48 kHz.
PeriodicSound amSound();
