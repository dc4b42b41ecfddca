// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

// The messages the FM window's Update shows instead of a plot, built from the texts and
// values just read (FmState and modMain::PanelWidth).

// The four boxes' texts as the parser handed them back, in the window's order: modulating
// frequency, peak deviation, plot width, plot bottom.
using FmInputTexts = std::array<std::string, 4>;

// Names the first box, top to bottom, whose text holds no number at all, and quotes it.
// Empty when every box holds a number.
std::string noNumberMessage(const FmInputTexts& texts);

// Names the first box, top to bottom, whose value is zero and so leaves the plot
// undefined: the modulating frequency, the plot width or the plot bottom. Empty when
// none is zero.
std::string zeroInputMessage();

// The eight lines, joined by CR LF, that explain the limit of 15 on the modulation
// index and give the largest deviation and the smallest modulating rate allowed. The
// numbers are written as magnitudes, whatever the signs typed.
std::string indexLimitMessage();
