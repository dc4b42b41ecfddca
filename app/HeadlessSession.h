// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/WindowModel.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class OpLog;
class Surface;

// The program's windows without a toolkit and without anyone to see them: each window's
// model on a surface that records what it draws, its message boxes collected, its keys
// taken as the desktop takes them. The render tool of the WebAssembly build drives it,
// and the browser page, on surfaces of pixels of its own (a SurfaceMaker).
class HeadlessSession {
public:
    // Makes a window's surface of its design's client size, recording into the log when
    // it is given; by default a surface that draws nothing.
    using SurfaceMaker = std::function<std::unique_ptr<Surface>(const WindowDesign&, OpLog*)>;

    HeadlessSession(float screenWidthTwips, float screenHeightTwips, bool recording, SurfaceMaker maker = {});
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
    // The surface of the window open now is made afresh (the maker's size may have
    // changed) and the window draws its contents on it again.
    void drawAfresh();
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
    // The control a window last gave the focus to, for the host to carry out (it clears it).
    std::string focusRequest;
    // How many times a window's plots were drawn afresh for new settings.
    int plotRedraws = 0;
    // The controls of the window open now that changed (place, caption, choice, ...) since
    // the host last cleared this, each named once.
    std::vector<std::string> changedControls;

private:
    class Window;
    void open(const std::string& name);
    void unload(Window& window);
    void end();

    bool recording_;
    SurfaceMaker maker_;
    bool ended_ = false;
    std::vector<std::unique_ptr<Window>> windows_; // loaded, oldest first
    std::vector<std::unique_ptr<Window>> closed_;  // unloaded, kept for their operations
    Window* last_ = nullptr;
};
