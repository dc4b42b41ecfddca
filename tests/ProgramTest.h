// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlotTestSupport.h"

#include "app/DesktopSession.h"
#include "surface/Form.h"
#include "surface/Presentation.h"
#include "surface/Program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include <memory>
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
        session_ = std::make_unique<DesktopSession>();
        Program::setMessageHandler([this](Form&, const std::string& text) { messages.push_back(text); });
    }

    void TearDown() override
    {
        session_.reset();
    }

    static void closeAll()
    {
        DesktopSession::closeAll();
    }

    // Starts the program: the menu window loads and is shown.
    Form& start()
    {
        return session_->start();
    }

    // Starts the program and presses one of the menu's buttons; `window` is then the window
    // it opened.
    void open(const char* menuButton)
    {
        window = nullptr;
        ASSERT_NO_FATAL_FAILURE(click(start(), menuButton));
        ASSERT_EQ(Program::windows().size(), 1u) << menuButton;
        window = Program::windows().back();
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

    std::unique_ptr<DesktopSession> session_;
    Form* window = nullptr;            // the window open() opened
    std::vector<std::string> messages; // the message boxes shown, instead of showing them
};
