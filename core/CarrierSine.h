// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The carrier of the AM envelope plots: 36001 steps, advancing 3000 rad a step. Its sines
// are the same at every redraw, and the late ones (arguments beyond 10^8 rad) are slow to
// reduce, so they are computed once, by the same expression, and looked up.
constexpr int CarrierSteps = 36000;

// sin(3000 step) for step 0 to CarrierSteps, bit for bit.
double carrierSine(int step);
