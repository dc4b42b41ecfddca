// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

// The program's application object: an exception that escapes any event handler ends
// the program with a message naming the error, never silently.
class Application : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};
