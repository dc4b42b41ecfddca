// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Surface;

// The line spectrum of a carrier frequency-modulated by one tone of index
// FmState::ModIndex: the carrier's amplitude is J0(index) and each line of the n-th
// sideband pair Jn(index), relative to the unmodulated carrier. Evaluates the orders
// from 0 up, hands each line to DrawFmCarrier or DrawFmSidebandPair as soon as its
// level is known, and stops when three orders have reached the floor (FmState::PlotBottom)
// or after order 100.
void ComputeFmSpectrum(Surface& surface);
