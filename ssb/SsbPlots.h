// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PeriodicSound.h"
#include "core/PlotData.h"

class Surface;

// The two panels of the SSB window, drawn from the shared settings (AudioKHz, SsbMode,
// CarrierLevel, SidebandLevel) every time one of them changes: the transmitted
// waveform on the right, then the line spectrum on the left with its dB scale.

// What the window draws as it loads and after every choice: the envelope, then the
// spectrum with its dB scale.
void redrawSsbPlots(Surface& surface);

// The transmitted signal against time, sampled so densely that its outline shows the
// envelope. Right-hand panel, x 6400 to 11600.
void DrawSsbEnvelope(Surface& surface);

// Carrier and sidebands as vertical lines on a 0 to -50 dB grid spanning 5 kHz either
// side of the carrier; ends by drawing the dB scale. Left-hand panel, x 300 to 5500.
void DrawSsbSpectrum(Surface& surface);

// A level in dB as an amplitude factor.
double levelGain(double levelDb);

// The dB labels in a white strip right of the spectrum panel; relies on the panel
// registers as DrawSsbSpectrum leaves them.
void DrawSsbLevelScale(Surface& surface);

// The numbers behind the plots, for the current settings: one row per spectral line the
// spectrum draws, with the amplitude of its component in the waveform, and the waveform
// point by point with its envelope, the outline of the components' sum.
std::vector<SpectrumLine> ssbSpectrumLines();
std::vector<Trace> ssbTraces();

// What an envelope detector recovers from the transmitted signal (the waveform's outline),
// as a sound: one period of the tone at 48 kHz.
PeriodicSound ssbSound();
