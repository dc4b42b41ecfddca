// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Makes Qt's accessibility ask the program first for the objects of its own classes: a
// window (Form) is a window to assistive technology, whatever flags its frame has, and a
// plot panel (PlotPanelWidget) an image (PlotPanelAccessible). Once per program, before
// the first window is made: Qt keeps the first interface it makes for an object.
void installAccessibleFactory();
