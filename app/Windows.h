// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/WindowModel.h"

#include <memory>
#include <string>

// The program's four windows by name: frmOpening (the menu, shown at start-up),
// frmAMplot, frmSSBplot and frmFMplot. nullptr for another name.
std::unique_ptr<WindowModel> createWindow(const std::string& name);
