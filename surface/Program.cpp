// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/Program.h"

#include "surface/Form.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QThread>

#include <cfenv>
#include <exception>

namespace {
bool programEnded = false;
bool recordingOn = false;

// A modal box with the program's name for its title, the text with its lines as written
// and one OK button, all in the window's font, so it grows with the window. (QMessageBox
// would wrap the lines at a fixed width in pixels, however large the text.)
void modalMessage(Form& owner, const std::string& text)
{
    QDialog box(&owner);
    box.setWindowTitle(Program::Name);
    box.setFont(owner.font());
    auto* label = new QLabel(QString::fromStdString(text).replace("\r\n", "\n"), &box);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    const int line = QFontMetrics(owner.font()).height();
    buttons->button(QDialogButtonBox::Ok)->setMinimumSize(4 * line, line * 3 / 2);
    auto* layout = new QVBoxLayout(&box);
    layout->setContentsMargins(line, line, line, line * 2 / 3);
    layout->setSpacing(line);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(label);
    layout->addWidget(buttons);
    Program::outsideFaultCheck([&] { box.exec(); });
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

void outsideFaultCheck(const std::function<void()>& toolkitWork)
{
    std::fexcept_t raised;
    std::fegetexceptflag(&raised, FE_ALL_EXCEPT);
    toolkitWork();
    std::fesetexceptflag(&raised, FE_ALL_EXCEPT);
}

void fail(Form* owner, const std::string& error)
{
    const std::string text = "Tavinel has met an unexpected error and must close.\n\n" + error;
    if (owner && !programEnded)
        owner->messageBox(text);
    end();
}
void reset() { programEnded = false; }

const char* version() { return TAVINEL_VERSION; }

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
