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

    // What the program says where no display answers, in one line: the display it tried
    // (empty for none named) and how to start it.
    static QByteArray noDisplayMessage(const QString& display);
    // Before the application object exists: from then until it has found its display, a
    // display that does not answer ends the program with status 1 and noDisplayMessage on
    // stderr, instead of the toolkit's abort with advice that does not apply.
    static void endQuietlyWithoutDisplay();

    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
