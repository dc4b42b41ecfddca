// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

class Form;

// The program as a whole: ending it, and how message boxes are shown.
namespace Program {

// The program's name, as windows lists and message boxes show it, and its version.
inline constexpr const char* Name = "Tavinel";
const char* version();

// Ends the program at once: every window is closed without further events and the
// event loop, if running, returns.
void end();
// Whether end() was called (cleared by reset(), for tests).
bool ended();
void reset();

// Runs an event handler of a window. An unexpected failure inside it (an exception, or
// an overflow, invalid operation or division by zero in its floating-point arithmetic)
// shows a message box naming the error and ends the program, instead of a silent crash
// or a plot drawn from meaningless numbers.
void runHandler(Form& owner, const std::function<void()>& handler);

// Runs toolkit work inside a handler (showing a window, a message box) with the floating-
// point flags it raises kept out of the handler's check: they come from the toolkit's own
// arithmetic (drawing icons, scaling pictures), not from the program's.
void outsideFaultCheck(const std::function<void()>& toolkitWork);

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
