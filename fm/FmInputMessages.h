// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The messages the FM window's Update shows instead of a plot, built from the values
// just read (FmState and modMain::PanelWidth).

// Names the first box, top to bottom, whose value is zero and so leaves the plot
// undefined: the modulating frequency, the plot width or the plot bottom. Empty when
// none is zero.
std::string zeroInputMessage();

// The eight lines, joined by CR LF, that explain the limit of 15 on the modulation
// index and give the largest deviation and the smallest modulating rate allowed.
std::string indexLimitMessage();
