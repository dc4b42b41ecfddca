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
#include <QRadioButton>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

// The shared state as the program starts it.
inline void startUpState()
{
    modMain::ClearSharedState();
    modMain::InitSharedState();
}

// The lines drawn in the trace colour, in order.
inline std::vector<DrawOp> traceLines(const std::vector<DrawOp>& ops)
{
    std::vector<DrawOp> found;
    for (const DrawOp& op : ops)
        if (op.kind == DrawOp::Kind::Line && op.colour == modMain::TraceColour)
            found.push_back(op);
    return found;
}

// The operations as the render tool writes them, only those of one kind when it is given.
inline std::vector<std::string> formatted(const std::vector<DrawOp>& ops, std::optional<DrawOp::Kind> kind = {})
{
    std::vector<std::string> text;
    for (const DrawOp& op : ops)
        if (!kind || op.kind == *kind)
            text.push_back(OpLog::format(op));
    return text;
}

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

    // Starts the program and presses one of the menu's buttons.
    static Form& open(const char* menuButton)
    {
        click(start(), menuButton);
        return *Form::loadedForms().back();
    }

    static void click(Form& form, const char* name)
    {
        auto* button = qobject_cast<QAbstractButton*>(form.control(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }

    // The operations added to a window's log since it held `first` of them.
    static std::vector<DrawOp> opsSince(const Form& form, std::size_t first)
    {
        const auto& ops = form.opLog()->ops();
        return { ops.begin() + std::ptrdiff_t(first), ops.end() };
    }

    std::vector<std::string> messages;
};
