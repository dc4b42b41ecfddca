// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

class QWidget;

// A modal box with the program's name for its title, the text with its lines as written
// and one OK button, all in the window's font, so it grows with the window.
void showMessageBox(QWidget& owner, const std::string& text);
