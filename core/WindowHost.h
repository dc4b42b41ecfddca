// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

class Surface;
struct Control;

// All a window's model asks of the host that shows it: a surface to draw on, and the
// few things only the host can do with its controls and windows.
class WindowHost {
public:
    virtual ~WindowHost() = default;

    // The window's drawing surface, in the logical units the model set.
    virtual Surface& surface() = 0;
    // A control's place, size, font size, caption, enabled state or selection changed
    // (the model's Control holds the new values).
    virtual void controlChanged(const Control& control) = 0;
    // The keyboard focus goes to a control.
    virtual void setFocus(const std::string& control) = 0;
    // A modal message with one OK button; returns once it is closed.
    virtual void showMessage(const std::string& text) = 0;
    // Creates the named window, runs its load handler and shows it.
    virtual void openWindow(const std::string& window) = 0;
    // Closes this window and lets it go.
    virtual void unloadWindow() = 0;
    // Ends the program at once.
    virtual void endProgram() = 0;
    // The plots have been drawn afresh for new settings (a playing sound follows them).
    virtual void plotsChanged() {}
};
