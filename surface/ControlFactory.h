// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/WindowDesign.h"

class QWidget;

// The widget for a control of a window's design: a label, command button, frame, option
// button or text box, named after the control, with its caption, alignment, text colour
// and selection. Its font and place are the window's to set.
QWidget* createControl(const Control& control, QWidget* parent);

// Updates a widget from its control: caption, enabled state and selection (without
// telling the window again of a choice it made itself).
void updateControl(QWidget* widget, const Control& control);
