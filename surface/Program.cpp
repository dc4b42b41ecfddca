#include "surface/Program.h"

#include "surface/Form.h"

#include <QCoreApplication>
#include <QMessageBox>

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
    QCoreApplication::exit(0);
}

bool ended() { return programEnded; }
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
