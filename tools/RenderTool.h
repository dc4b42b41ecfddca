// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The render tool: builds a window as the program shows it, applies clicks and typed
// text, and writes a PNG of the window and/or the list of its drawing operations.
//
//   tavinel-render [--screen WIDTHxHEIGHT] [--zoom F] [--png FILE] [--ops FILE]
//                  WINDOW [STEP ...]
//
// Needs a QApplication. Returns the exit status: 0 when the steps ran, 2 for a usage
// error (unknown option, window, control or step), after which nothing is written.
namespace RenderTool {
int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
}
