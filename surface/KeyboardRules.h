// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The program's keys, in one place for every window: Return and Enter press a command
// button that has the focus, and in a text box they press the window's default button.
// (Space, Tab and the arrows keep the toolkit's own meaning; the window's models say
// what the keys do.)
class KeyboardRules : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
