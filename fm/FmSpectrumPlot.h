// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PlotData.h"
#include "core/Surface.h"

// The FM window's spectrum panel: x 6000 to 11000 spans the plot width (modMain::PanelWidth
// hertz) centred on the carrier at x 8500; y 1000 is the unmodulated carrier's level and
// y 7000 the floor, FmState::PlotBottom dB down.

// What an accepted Update draws: the frame, then the spectrum's lines one order at a
// time (ComputeFmSpectrum), for the values the Update has just stored.
void redrawFmPlot(Surface& surface);

// The lines the spectrum draws for the values stored, one row each, with the order and
// amplitude the computation gives it (a carrier at the floor with its own level).
std::vector<SpectrumLine> fmSpectrumLines();

// Repaints the panel, its grid and its frequency and level labels.
void DrawFmSpectrumFrame(Surface& surface);

// The carrier line for the level in modMain::WorkDb, which is lowered to the floor
// when it lies beyond it.
void DrawFmCarrier(Surface& surface);

// The two lines of order FmState::BesselOrder at the level in modMain::WorkDb, or nothing
// when they fall beyond the panel's edges.
void DrawFmSidebandPair(Surface& surface);
