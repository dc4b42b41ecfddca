// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

class Form;

// A run of the program in its desktop windows without anyone to see them: the start of
// the tests, the soak test, the fuzz target and the render tool. It starts from a program
// that has not started yet (nothing loaded, shared state cleared), on a screen of a given
// size in twips, and collects the message boxes instead of showing them.
class DesktopSession {
public:
    struct Setup {
        float screenWidthTwips = 12000;
        float screenHeightTwips = 9000;
        double pixelsPerTwip = 1.0 / 15.0;
        bool recording = true; // every window records its drawing operations
    };

    DesktopSession();
    explicit DesktopSession(const Setup& setup);
    ~DesktopSession();
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;

    // Starts the program afresh: every window closed, the menu window loads and is shown.
    Form& start();
    // Starts the program and presses one of the menu's buttons: the window it opened, or
    // nullptr if it opened none.
    Form* open(const std::string& menuButton);
    // The window open last, nullptr when none is.
    static Form* window();
    // Closes every window and lets it go, as if the program had not started.
    static void closeAll();

    std::vector<std::string> messages;
};
