// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Colour.h"

#include <optional>
#include <string>
#include <vector>

// A window as it was designed: its size, caption and border, and its controls with
// their design positions in twips, fonts, colours and selections, and the focus order.
// A host builds its widgets from this; the window's model keeps it up to date as its
// handlers move, size, enable and choose controls.

enum class ControlKind {
    Window,
    Frame,
    Option,
    Button,
    Label,
    TextBox
};
enum class TextAlign {
    Left,
    Centre,
    Right
};

// A rectangle in twips, relative to the control's frame (an option button) or to the
// window's client area.
struct TwipsRect {
    double left = 0, top = 0, width = 0, height = 0;
};

struct Control {
    ControlKind kind = ControlKind::Label;
    std::string name;
    std::string caption; // a text box's text
    std::string frame;   // the frame an option button stands in; empty for the window
    TwipsRect twips;
    double points = 9.75;
    bool bold = false;
    bool serif = false;
    std::optional<Colour> textColour; // the toolkit's own where none is given
    TextAlign align = TextAlign::Left;
    bool checked = false; // an option button's selection
    bool enabled = true;
    std::string labelFor; // a label: the control it names (a text box beside it)
};

struct WindowDesign {
    std::string name;
    std::string caption;
    float clientWidthTwips = 12000;
    float clientHeightTwips = 9000;
    bool titleBar = false;
    bool bold = false;             // the window's own font, which its titles are printed in
    std::vector<Control> controls; // in the order they were made
    std::vector<std::string> focusOrder;
    std::string defaultButton; // pressed by Return or Enter in a text box; empty for none
};

std::string controlKindName(ControlKind kind);
