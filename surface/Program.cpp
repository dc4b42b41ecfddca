// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/Program.h"

#include "core/FaultCheck.h"
#include "core/Version.h"
#include "surface/Form.h"
#include "surface/MessageBox.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>

namespace {
bool programEnded = false;
bool recordingOn = false;
std::vector<Form*> loadedWindows;
Program::WindowFactory windowFactory;

void modalMessage(Form& owner, const std::string& text)
{
    showMessageBox(owner, text);
}

Program::MessageHandler messageHandler = modalMessage;
}

namespace Program {

void setWindowFactory(WindowFactory factory)
{
    windowFactory = std::move(factory);
}

Form* open(const std::string& name)
{
    std::unique_ptr<WindowModel> model = windowFactory ? windowFactory(name) : nullptr;
    if (!model)
        return nullptr;
    auto* form = new Form(std::move(model));
    form->showWindow();
    const auto loaded = windows();
    return std::find(loaded.begin(), loaded.end(), form) != loaded.end() ? form : nullptr;
}

std::vector<Form*> windows() { return loadedWindows; }

void remember(Form* form)
{
    if (std::find(loadedWindows.begin(), loadedWindows.end(), form) == loadedWindows.end())
        loadedWindows.push_back(form);
}

void forget(Form* form)
{
    std::erase(loadedWindows, form);
}

void end()
{
    programEnded = true;
    for (Form* form : windows())
        form->release();
    // Only a running event loop has anything to leave; asked with none running, the
    // toolkit would refuse every later modal loop (tests and the render tool go on).
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

bool ended() { return programEnded; }
void reset() { programEnded = false; }

void fail(Form* owner, const std::string& error)
{
    if (owner && !programEnded)
        owner->showMessage(unexpectedErrorMessage(error));
    end();
}

const char* version() { return ProgramVersion; }

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
