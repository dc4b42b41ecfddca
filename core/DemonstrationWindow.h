// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Translation.h"

#include "core/WindowModel.h"

#include <functional>
#include <string>

// What the three demonstration windows share: frames of option buttons whose every
// choice stores one setting and redraws the plots, and an Exit button that ends the
// program.
class DemonstrationWindow : public WindowModel {
public:
    TAVINEL_TRANSLATABLE(DemonstrationWindow)

    using WindowModel::WindowModel;

    // The window's plots for the settings as they stand, on any surface.
    virtual void drawPlots(Surface& surface) = 0;

protected:
    // A frame, then the option buttons in it: each at left 120 and 300 high; choosing one
    // stores its setting (`store`) and redraws the plots.
    Control& addFrame(const std::string& name, const std::string& caption, double left, double top, double width,
                      double height);
    void addChoice(const std::string& name, const std::string& caption, double top, double width,
                   bool selected, std::function<void()> store);
    // The Exit button, in bold: it unloads the window and ends the program.
    void addExit(double left, double top, double width, double height);

    // Draws the plots on the window's surface, under the fault check, and tells the host.
    void redraw();
    // The end of a load handler: `layout` (under the fault check, with the plots drawn
    // after it), then the host hears of the plots and the focus goes to Exit.
    void loadWithPlots(const std::function<void()>& layout);
    // Exit at a place in logical units, 1200 by 375, in the command buttons' font size.
    void placeExit(float left, float top);

private:
    std::string lastFrame_;
};
