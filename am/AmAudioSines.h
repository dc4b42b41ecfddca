// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <vector>

// The AM envelope samples the audio tone at the same 36001 phases on every redraw at one
// audio frequency, and only the depth or the clipper changes when they are chosen. The
// sines of each audio frequency are therefore computed once and kept: a depth click
// redraws without a call to sin, with the very values the trace would compute.

using AudioSineTable = std::shared_ptr<const std::vector<double>>;

// sin(a) at each step n = 0 … 36000 of the envelope, with a the tone's phase in single
// precision, pi AudioKHz / 180 n / 100, for the current AudioKHz and pi. The table stays
// valid for as long as the caller holds it.
AudioSineTable amAudioSineTable();
