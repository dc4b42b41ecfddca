#pragma once

#include "app/frmOpening.h"
#include "app/modMain.h"
#include "surface/Form.h"
#include "surface/Presentation.h"
#include "surface/Program.h"
#include "surface/RecordingSurface.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <gtest/gtest.h>

#include <string>
#include <vector>

// Every window test starts from a program that has not started yet: nothing loaded,
// shared state cleared, the design screen of 12000 x 9000 twips at 15 twips a pixel,
// every window recording its operations and message boxes collected instead of shown.
class ProgramTest : public testing::Test {
protected:
    void SetUp() override
    {
        closeAll();
        modMain::ClearSharedState();
        Presentation::setScreenTwips(12000, 9000);
        Presentation::setPixelsPerTwip(1.0 / 15.0);
        Presentation::setDevicePixelRatio(1);
        Program::reset();
        Program::setRecording(true);
        Program::setMessageHandler([this](Form&, const std::string& text) { messages.push_back(text); });
    }

    void TearDown() override
    {
        closeAll();
        Program::setMessageHandler(nullptr);
        Program::setRecording(false);
        Program::reset();
    }

    static void closeAll()
    {
        for (Form* form : Form::loadedForms())
            form->release();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Starts the program: the menu window loads and is shown.
    static frmOpening& start()
    {
        auto* opening = new frmOpening;
        opening->showWindow();
        return *opening;
    }

    static void click(Form& form, const char* name)
    {
        auto* button = qobject_cast<QAbstractButton*>(form.control(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }

    std::vector<std::string> messages;
};

// The operations of a log of the given kind, in order.
inline std::vector<DrawOp> opsOfKind(const std::vector<DrawOp>& ops, DrawOp::Kind kind)
{
    std::vector<DrawOp> found;
    for (const DrawOp& op : ops)
        if (op.kind == kind)
            found.push_back(op);
    return found;
}
