// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>

class Form;

// A window without a title bar is moved by dragging it by any spot that is neither a
// control nor a plot: to a projector's screen, say. The window system moves it where it
// can; elsewhere the window follows the pointer itself.
class WindowDrag : public QObject {
    Q_OBJECT
public:
    explicit WindowDrag(Form& form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool onPlot(QPoint position) const;

    Form& form_;
    bool dragging_ = false;
    QPoint pressedAt_;   // where the pointer was pressed, on the screen
    QPoint windowStart_; // where the window stood then
};
