// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class PlotSource;

// What one panel shows, in words and numbers, for someone who cannot see it (a screen
// reader reads it as the plot's description), from the same lines and traces the tables
// give: a spectrum's carrier and each pair of sidebands with their levels (an FM
// spectrum's strongest lines), a trace's span of time and its swing, then the plot's
// note (the FM index and bandwidth); one for each panel, empty where it has nothing
// drawn. The numbers behind them are computed once for all.
std::vector<std::string> panelDescriptions(PlotSource& source);
