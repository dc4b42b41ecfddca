// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>

class Form;
class QAction;

// Full screen for a window and back (F11; Escape also leaves it). Full screen, the client
// area fills the height of the screen the window is on (or its width, if narrower),
// centred on white, and is laid out and drawn afresh at that size.
class FullScreen : public QObject {
    Q_OBJECT
public:
    explicit FullScreen(Form& form);

    void toggle();

private:
    Form& form_;
    QAction* leave_;
    QRect normalGeometry_; // where the window stood before it went full screen
};
