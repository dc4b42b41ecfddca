// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/WindowModel.h"

#include <memory>
#include <string>
#include <vector>

class OpLog;
class Surface;

// The program's windows without a toolkit and without anyone to see them: each window's
// model on a surface that records what it draws, its message boxes collected, its keys
// taken as the desktop takes them. The render tool of the WebAssembly build drives it.
class HeadlessSession {
public:
    HeadlessSession(float screenWidthTwips, float screenHeightTwips, bool recording);
    ~HeadlessSession();
    HeadlessSession(const HeadlessSession&) = delete;
    HeadlessSession& operator=(const HeadlessSession&) = delete;

    // Starts the program: the menu window loads and is shown.
    void start();
    // The window open now (the last one opened), nullptr once the program has ended; and
    // the last window that was open, whose operations stay to be read.
    WindowModel* window();
    WindowModel* lastWindow();
    const Surface& lastSurface();
    const OpLog* lastOps();
    bool ended() const { return ended_; }

    // What a user does to a control of the window open now.
    void click(const std::string& name);
    void type(const std::string& name, const std::string& text);
    // Return, Enter, Space and the arrows as the window's controls take them; the host's
    // own keys (Tab, Escape, F1, F11) change nothing that is drawn.
    void key(const std::string& name, const std::string& key);

    // The message boxes shown, in order.
    std::vector<std::string> messages;

private:
    class Window;
    void open(const std::string& name);
    void unload(Window& window);
    void end();

    bool recording_;
    bool ended_ = false;
    std::vector<std::unique_ptr<Window>> windows_; // loaded, oldest first
    std::vector<std::unique_ptr<Window>> closed_;  // unloaded, kept for their operations
    Window* last_ = nullptr;
};
