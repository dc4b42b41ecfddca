// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlotTestSupport.h"

#include "app/frmOpening.h"
#include "surface/Form.h"
#include "surface/Presentation.h"
#include "surface/Program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include <string>
#include <vector>

// The base of every test that runs the program's windows. Each test starts from a program
// that has not started yet: nothing loaded, shared state cleared, the design screen of
// 12000 x 9000 twips at 15 twips a pixel, every window recording its operations and
// message boxes collected instead of shown.
//
// The helpers that can fail (open, click) report it as a fatal failure: call them inside
// ASSERT_NO_FATAL_FAILURE so the test stops there.
class ProgramTest : public testing::Test {
protected:
    void SetUp() override
    {
        closeAll();
        modMain::clearSharedState();
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

    // Starts the program and presses one of the menu's buttons; `window` is then the window
    // it opened.
    void open(const char* menuButton)
    {
        window = nullptr;
        ASSERT_NO_FATAL_FAILURE(click(start(), menuButton));
        ASSERT_EQ(Form::loadedForms().size(), 1u) << menuButton;
        window = Form::loadedForms().back();
    }

    static void click(Form& form, const char* name)
    {
        auto* button = qobject_cast<QAbstractButton*>(form.control(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }

    // Makes a window the active one, as the window system does when it is shown.
    static void activate(Form& form)
    {
        form.activateWindow();
        QApplication::setActiveWindow(&form);
    }

    // Presses a key `times` times, each sent to the control with the focus; the names of
    // the controls that have the focus after each press.
    static std::vector<QString> press(Qt::Key key, int times)
    {
        std::vector<QString> focused;
        for (int i = 0; i < times; ++i) {
            QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(QApplication::focusWidget(), &down);
            focused.push_back(QApplication::focusWidget()->objectName());
        }
        return focused;
    }

    // The operations added to a window's log since it held `first` of them.
    static std::vector<DrawOp> opsSince(const Form& form, std::size_t first)
    {
        const auto& ops = form.opLog()->ops();
        return { ops.begin() + std::ptrdiff_t(first), ops.end() };
    }

    Form* window = nullptr;          // the window open() opened
    std::vector<std::string> messages;
};
