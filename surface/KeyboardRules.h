// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The program's keys, in one place for every window, as the window's model says what they
// do: Return and Enter press a command button that has the focus, and in a text box they
// press the window's default button; the arrows, Home and End move within a group of
// option buttons. (Space and Tab keep the toolkit's own meaning, which is the same.)
class KeyboardRules : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
