// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/WindowModel.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class Form;

// The program as a whole on the desktop: its windows from start to end, and how message
// boxes are shown.
namespace Program {

// The program's name, as windows lists and message boxes show it, and its version.
inline constexpr const char* Name = "Tavinel";
const char* version();

// Where the windows come from: a window's model by its name (frmOpening, frmAMplot, ...).
using WindowFactory = std::function<std::unique_ptr<WindowModel>(const std::string& name)>;
void setWindowFactory(WindowFactory factory);
// Creates the named window, runs its load handler and shows it; nullptr for an unknown
// name or a window the program ended in while loading.
Form* open(const std::string& name);

// Every window currently loaded, oldest first.
std::vector<Form*> windows();
void remember(Form* form);
void forget(Form* form);

// Ends the program at once: every window is closed without further events and the
// event loop, if running, returns.
void end();
// Whether end() was called (cleared by reset(), for tests).
bool ended();
void reset();

// Shows the message for an unexpected failure and ends the program.
void fail(Form* owner, const std::string& error);

// When on, every window created afterwards records its drawing operations.
void setRecording(bool on);
bool recording();

// Shows a message box for a window. The default is a modal box with one OK button;
// tests and the render tool put their own in place.
using MessageHandler = std::function<void(Form& owner, const std::string& text)>;
void setMessageHandler(MessageHandler handler);
void showMessage(Form& owner, const std::string& text);

}
