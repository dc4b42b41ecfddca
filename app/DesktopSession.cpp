// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DesktopSession.h"

#include "app/Windows.h"
#include "core/modMain.h"
#include "surface/Form.h"
#include "surface/Presentation.h"
#include "surface/Program.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>

DesktopSession::DesktopSession()
    : DesktopSession(Setup {})
{
}

DesktopSession::DesktopSession(const Setup& setup)
{
    closeAll();
    modMain::clearSharedState();
    Program::setWindowFactory(createWindow);
    Presentation::setScreenTwips(setup.screenWidthTwips, setup.screenHeightTwips);
    Presentation::setPixelsPerTwip(setup.pixelsPerTwip);
    Presentation::setDevicePixelRatio(1);
    Program::reset();
    Program::setRecording(setup.recording);
    Program::setMessageHandler([this](Form&, const std::string& text) { messages.push_back(text); });
}

DesktopSession::~DesktopSession()
{
    closeAll();
    Program::setMessageHandler(nullptr);
    Program::setRecording(false);
}

Form& DesktopSession::start()
{
    closeAll();
    Program::reset();
    Form* opening = Program::open("frmOpening");
    return opening ? *opening : *window();
}

Form* DesktopSession::open(const std::string& menuButton)
{
    Form& opening = start();
    auto* button = qobject_cast<QAbstractButton*>(opening.control(QString::fromStdString(menuButton)));
    if (!button)
        return nullptr;
    button->click();
    return window();
}

Form* DesktopSession::window()
{
    const auto windows = Program::windows();
    return windows.empty() ? nullptr : windows.back();
}

void DesktopSession::closeAll()
{
    for (Form* form : Program::windows())
        form->release();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
