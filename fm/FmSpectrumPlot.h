// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PeriodicSound.h"
#include "core/PlotData.h"
#include "core/Surface.h"

// The FM window's spectrum panel: x 6000 to 11000 spans the plot width (modMain::PanelWidth
// hertz) centred on the carrier at x 8500; y 1000 is the unmodulated carrier's level and
// y 7000 the floor, FmState::PlotBottom dB down.

// What an accepted Update draws: the frame, then the spectrum's lines one order at a
// time (ComputeFmSpectrum), for the values the Update has just stored.
void redrawFmPlot(Surface& surface);

// The lines the spectrum draws for the values stored, one row each, with the order and
// amplitude the computation gives it (a carrier at the floor with its own level), and
// |Jn| of the index in double precision.
std::vector<SpectrumLine> fmSpectrumLines();

// The frequency-modulated signal as a sound, for the values stored: the index as typed,
// the tone and the carrier moved into the audible band together, so that every line the
// plot draws lies between 0 and 12 kHz with the levels the plot gives it. One period of
// the tone at 48 kHz.
PeriodicSound fmSound();
// How many tones up the sound's carrier stands: 24 (6 kHz above a 250 Hz tone), or two
// more than the highest order the plot draws where that is more.
int fmSoundCarrierTones();

// Repaints the panel, its grid and its frequency and level labels.
void DrawFmSpectrumFrame(Surface& surface);

// The carrier line for the level in modMain::WorkDb, which is lowered to the floor
// when it lies beyond it.
void DrawFmCarrier(Surface& surface);

// The two lines of order FmState::BesselOrder at the level in modMain::WorkDb, or nothing
// when they fall beyond the panel's edges.
void DrawFmSidebandPair(Surface& surface);
