// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The render tool: builds a window as the program shows it, applies clicks and typed
// text, and writes a PNG or SVG of the window, the list of its drawing operations, the
// numbers behind its plots and its sound.
//
//   tavinel-render [--screen WIDTHxHEIGHT] [--zoom F] [--png FILE] [--ops FILE] [--svg FILE]
//                  [--lines-csv FILE] [--trace-csv FILE] [--wav FILE] WINDOW [STEP ...]
//
// Needs a QApplication. Returns the exit status: 0 when the steps ran, 2 for a usage
// error (unknown option, window, control or step), after which nothing is written.
namespace RenderTool {
int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
}
