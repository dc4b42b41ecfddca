// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/Application.h"

#include "surface/Form.h"
#include "surface/KeyboardRules.h"
#include "surface/Program.h"

#include "surface/Presentation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include <exception>
#include <iostream>

namespace {

// The program's icon, drawn from its SVG once, here, at the sizes window lists use,
// rather than each time a window is shown.
QIcon programIcon()
{
    const QIcon drawing(":/tavinel.svg");
    QIcon icon;
    for (const int size : { 16, 24, 32, 48, 64, 128, 256 })
        icon.addPixmap(drawing.pixmap(size));
    return icon;
}

QtMessageHandler earlierMessages = nullptr;
bool messagesTaken = false;

// Without a sound server the toolkit's sound system says so on stderr each time a window
// looks for an audio output. The window says it in its own words when asked to play, so
// the notice is left out.
QStringList noticesLeftOut { "PulseAudioService:" };

// While the toolkit looks for its display: its notices on the way (one per platform tried)
// are held back, and where none answers the program says so in one line.
bool findingDisplay = false;
QStringList heldBack;

QString displayTried()
{
    const QString x11 = qEnvironmentVariable("DISPLAY"), wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    return !x11.isEmpty() ? x11 : wayland;
}

void programMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (findingDisplay) {
        if (type == QtFatalMsg) {
            std::fputs(Application::noDisplayMessage(displayTried()).constData(), stderr);
            std::_Exit(1);
        }
        if (QByteArray(context.category ? context.category : "").startsWith("qt.qpa")) {
            heldBack << qFormatLogMessage(type, context, message);
            return;
        }
    }
    for (const QString& start : std::as_const(noticesLeftOut))
        if (message.startsWith(start))
            return;
    if (earlierMessages)
        earlierMessages(type, context, message);
    else
        std::cerr << qFormatLogMessage(type, context, message).toStdString() << std::endl;
}

void takeMessages()
{
    if (!messagesTaken) {
        messagesTaken = true;
        earlierMessages = qInstallMessageHandler(programMessages);
    }
}

}

void Application::provideRuntimeFolder()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    // The folder the toolkit would choose itself, made private to this user.
    const QString folder = QDir::tempPath() + "/runtime-" + QString::number(getuid());
    if (!QDir().mkpath(folder))
        return;
    const QFileInfo made(folder);
    if (made.ownerId() != getuid()
        || !QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
}

void Application::leaveOutNotices(const QString& start)
{
    noticesLeftOut.append(start);
}

QByteArray Application::noDisplayMessage(const QString& display)
{
    const QString found = display.isEmpty() ? QString("no display found")
                                            : QString("no display found (%1 does not answer)").arg(display);
    return ("tavinel: " + found + ": start Tavinel from a desktop session\n").toLocal8Bit();
}

void Application::endQuietlyWithoutDisplay()
{
    takeMessages();
    findingDisplay = true;
}

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName("tavinel");
    setApplicationDisplayName(Program::Name);
    setApplicationVersion(Program::version());
    setDesktopFileName("org.tavinel.Tavinel");
    setWindowIcon(programIcon());
    // The display answered: what the toolkit said on its way there is said now.
    if (findingDisplay) {
        findingDisplay = false;
        for (const QString& notice : std::as_const(heldBack))
            std::cerr << notice.toStdString() << std::endl;
        heldBack.clear();
    }
    Presentation::useProgramStyle();
    takeMessages();
    installEventFilter(new KeyboardRules(this));
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& exception) {
        const auto forms = Program::windows();
        Program::fail(forms.empty() ? nullptr : forms.back(), exception.what());
    } catch (...) {
        const auto forms = Program::windows();
        Program::fail(forms.empty() ? nullptr : forms.back(), "Unknown error");
    }
    return false;
}
