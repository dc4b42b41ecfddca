// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/DemonstrationWindow.h"

Control& DemonstrationWindow::addFrame(const std::string& name, const std::string& caption, double left,
                                       double top, double width, double height)
{
    Control& frame = addControl(ControlKind::Frame, name, caption, left, top, width, height);
    frame.bold = true;
    lastFrame_ = name;
    return frame;
}

void DemonstrationWindow::addChoice(const std::string& name, const std::string& caption, double top,
                                    double width, bool selected, std::function<void()> store)
{
    Control& option = addControl(ControlKind::Option, name, caption, 120, top, width, 300);
    option.frame = lastFrame_;
    option.checked = selected;
    on(name, [this, store = std::move(store)] {
        store();
        redraw();
    });
}

void DemonstrationWindow::addExit(double left, double top, double width, double height)
{
    addControl(ControlKind::Button, "cmdExit", tr("Exit"), left, top, width, height).bold = true;
    on("cmdExit", [this] {
        unload();
        endProgram();
    });
}

void DemonstrationWindow::redraw()
{
    if (checked([this] { drawPlots(surface()); }))
        plotsChanged();
}

void DemonstrationWindow::loadWithPlots(const std::function<void()>& layout)
{
    const bool drawn = checked([&] {
        layout();
        drawPlots(surface());
    });
    if (!drawn)
        return;
    plotsChanged();
    setFocus("cmdExit");
}

void DemonstrationWindow::placeExit(float left, float top)
{
    moveControl("cmdExit", left, top);
    resizeControl("cmdExit", 1200, 375);
    setFontSize("cmdExit", screenButtonPoints());
}
