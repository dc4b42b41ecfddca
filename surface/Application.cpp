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

// Without a sound server the toolkit's sound system says so on stderr each time a window
// looks for an audio output. The window says it in its own words, in Play sound's
// tooltip, so the notice is left out.
QStringList noticesLeftOut { "PulseAudioService:" };

void withoutNoticesLeftOut(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    for (const QString& start : std::as_const(noticesLeftOut))
        if (message.startsWith(start))
            return;
    if (earlierMessages)
        earlierMessages(type, context, message);
    else
        std::cerr << qFormatLogMessage(type, context, message).toStdString() << std::endl;
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

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName("tavinel");
    setApplicationDisplayName(Program::Name);
    setApplicationVersion(Program::version());
    setDesktopFileName("org.tavinel.Tavinel");
    setWindowIcon(programIcon());
    Presentation::useProgramStyle();
    earlierMessages = qInstallMessageHandler(withoutNoticesLeftOut);
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
