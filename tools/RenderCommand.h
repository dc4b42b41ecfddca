// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

class OpLog;
class Surface;
class WindowModel;

// The render tools' command line, steps and outputs, the same for every host of the
// windows: the desktop's (tavinel-render, which also draws pictures) and the headless
// one in WebAssembly (tavinel-render.js).
namespace RenderCommand {

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The program's windows in one host or another, as the tool drives them.
class Target {
public:
    virtual ~Target() = default;
    // Starts the program on a screen of this size in twips, pictures at this zoom.
    virtual void setUp(float screenWidthTwips, float screenHeightTwips, double zoom, bool recording) = 0;
    // Opens the menu window and, for a demonstration, presses its button.
    virtual void open(const std::string& menuButton) = 0;
    // The window open now, nullptr once the program has ended; the last one open.
    virtual WindowModel* window() = 0;
    virtual WindowModel* lastWindow() = 0;
    virtual const Surface& lastSurface() = 0;
    virtual const OpLog* lastOps() = 0;
    // A control of the window open now, as a user works it (the control exists and is
    // of the right kind).
    virtual void click(const std::string& name) = 0;
    virtual void type(const std::string& name, const std::string& text) = 0;
    virtual void key(const std::string& name, const std::string& key) = 0;
    // Shows every text in the language `code` names from now on ("en", English, by
    // default); false where this host has no translation into it.
    virtual bool useLanguage(const std::string& code) { return code == "en"; }
    // The last window's picture; false where this host draws none.
    virtual bool drawsPictures() const = 0;
    virtual std::string png() { return {}; }
    virtual std::string svg() { return {}; }
};

// The keys a key step may press.
const std::vector<std::string>& keyNames();

// One line per control as the window holds it, the window first:
//   control NAME KIND LEFT TOP WIDTH HEIGHT POINTS bold|regular TAB enabled|disabled STATE "CAPTION"
// in the window's logical units from its client area's corner; TAB the place in the focus
// order (- for none); STATE checked or unchecked for an option button, the quoted text for
// a text box, - otherwise.
std::string controlListing(const WindowModel& window, const Surface& surface);

// Runs the tool: the exit status (0 done, 1 a file could not be written, 2 a usage error).
int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err, Target& target);

}
