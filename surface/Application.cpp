// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/Application.h"

#include "surface/Form.h"
#include "surface/Program.h"

#include "surface/Presentation.h"

#include <QIcon>

#include <exception>

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

}

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName("tavinel");
    setApplicationDisplayName(Program::Name);
    setApplicationVersion(TAVINEL_VERSION);
    setDesktopFileName("tavinel");
    setWindowIcon(programIcon());
    Presentation::useProgramStyle();
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& exception) {
        const auto forms = Form::loadedForms();
        Program::fail(forms.empty() ? nullptr : forms.back(), exception.what());
    } catch (...) {
        const auto forms = Form::loadedForms();
        Program::fail(forms.empty() ? nullptr : forms.back(), "Unknown error");
    }
    return false;
}
