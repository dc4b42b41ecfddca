// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <vector>

// The SSB trace samples three sines (carrier and the two sidebands) at the same 40019
// instants on every redraw, and only their amplitudes change when a level is chosen. The
// sines of each frequency are therefore computed once and kept: a level click redraws
// without a single call to sin, and the values are the very ones the trace would compute.

using SineTable = std::shared_ptr<const std::vector<double>>;

// sin(2 t pi f) for f in kHz at each sample time t of the trace (ms), in step order. The
// table stays valid for as long as the caller holds it, even if the collection is renewed.
SineTable ssbSineTable(double kHz);

// Computes one table the window may yet need (the carrier and both sidebands at each
// modulating frequency it offers) and is not kept; false when every one is kept already.
bool computeMissingSsbSineTable();
// How many tables are kept.
std::size_t keptSsbSineTables();

// Drops every kept table (for measuring a first redraw).
void forgetSsbSineTables();
