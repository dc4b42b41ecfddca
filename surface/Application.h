// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

// The program's application object: its name, icon and style for every window, and an
// exception that escapes any event handler ends the program with a message naming the
// error, never silently. The program, the render tool, the tests and the benchmarks all
// run in one.
class Application : public QApplication {
public:
    // Before the application object exists: gives the toolkit a private runtime folder where
    // there is no desktop session to give one (root on a server, CI), instead of letting it
    // say on stderr that it made one up.
    static void provideRuntimeFolder();

    // Leaves out of stderr the toolkit's notices that begin with `start`.
    static void leaveOutNotices(const QString& start);

    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
