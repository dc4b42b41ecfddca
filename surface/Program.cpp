// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/Program.h"

#include "surface/Form.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QThread>

#include <cfenv>
#include <exception>

namespace {
bool programEnded = false;
bool recordingOn = false;

void modalMessage(Form& owner, const std::string& text)
{
    QMessageBox box(&owner);
    box.setWindowTitle(owner.windowTitle());
    box.setText(QString::fromStdString(text));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

Program::MessageHandler messageHandler = modalMessage;
}

namespace Program {

void end()
{
    programEnded = true;
    for (Form* form : Form::loadedForms())
        form->release();
    // Only a running event loop has anything to leave; asked with none running, the
    // toolkit would refuse every later modal loop (tests and the render tool go on).
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

bool ended() { return programEnded; }

namespace {

constexpr int FloatingPointFaults = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

std::string floatingPointFault(int raised)
{
    if (raised & FE_DIVBYZERO)
        return "Division by zero";
    if (raised & FE_OVERFLOW)
        return "Overflow";
    return "Invalid floating-point operation";
}

}

void runHandler(Form& owner, const std::function<void()>& handler)
{
    std::string error;
    std::feclearexcept(FloatingPointFaults);
    try {
        handler();
        if (const int raised = std::fetestexcept(FloatingPointFaults))
            error = floatingPointFault(raised);
    } catch (const std::exception& exception) {
        error = exception.what();
    } catch (...) {
        error = "Unknown error";
    }
    std::feclearexcept(FloatingPointFaults);
    if (!error.empty())
        fail(&owner, error);
}

void fail(Form* owner, const std::string& error)
{
    const std::string text = "Tavinel has met an unexpected error and must close.\n\n" + error;
    if (owner && !programEnded)
        owner->messageBox(text);
    end();
}
void reset() { programEnded = false; }

void setRecording(bool on) { recordingOn = on; }
bool recording() { return recordingOn; }

void setMessageHandler(MessageHandler handler)
{
    messageHandler = handler ? std::move(handler) : MessageHandler(modalMessage);
}

void showMessage(Form& owner, const std::string& text)
{
    messageHandler(owner, text);
}

}
