// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramTest.h"

#include <QApplication>
#include <QLineEdit>

namespace {

// Return and Enter do what people expect of them, sent as the keyboard sends them.
class KeyboardTest : public ProgramTest {
protected:
    // One key press and release on a control that has the focus.
    static void key(QWidget* control, Qt::Key key)
    {
        control->setFocus(Qt::TabFocusReason);
        QKeyEvent press(QEvent::KeyPress, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCoreApplication::sendEvent(control, &press);
        QKeyEvent release(QEvent::KeyRelease, key, press.modifiers());
        QCoreApplication::sendEvent(control, &release);
    }
};

TEST_F(KeyboardTest, ReturnEnterAndSpacePressTheFocusedCommandButton)
{
    for (const Qt::Key pressed : { Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space }) {
        SCOPED_TRACE(pressed);
        // The menu's button opens its window.
        Form& opening = start();
        activate(opening);
        key(opening.control("cmdSSBenter"), pressed);
        ASSERT_EQ(Program::windows().size(), 1u);
        EXPECT_EQ(Program::windows()[0]->objectName(), "frmSSBplot");

        // Update draws; Exit ends the program.
        closeAll();
        ASSERT_NO_FATAL_FAILURE(open("cmdFMenter"));
        activate(*window);
        const std::size_t before = window->opLog()->size();
        key(window->control("cmdDisplay"), pressed);
        EXPECT_GT(traceLines(opsSince(*window, before)).size(), 1u);
        key(window->control("cmdExit"), pressed);
        EXPECT_TRUE(Program::ended());
        closeAll();
        Program::reset();
    }
}

// Update is the FM window's default button: Return or Enter in any of its boxes presses it.
TEST_F(KeyboardTest, ReturnOrEnterInAnFmBoxPressesUpdate)
{
    for (const char* name : { "txtModulatingFrequency", "txtPeakDeviation", "txtPlotWidth", "txtPlotBottom" })
        for (const Qt::Key pressed : { Qt::Key_Return, Qt::Key_Enter }) {
            SCOPED_TRACE(testing::Message() << name << ", key " << pressed);
            ASSERT_NO_FATAL_FAILURE(open("cmdFMenter"));
            activate(*window);
            auto* plotWidth = qobject_cast<QLineEdit*>(window->control("txtPlotWidth"));
            plotWidth->setText("50k");
            key(window->control(name), pressed);
            // The 50 kHz plot: the frequency labels name half of it.
            const auto labels = formatted(window->opLog()->ops(), DrawOp::Kind::Text);
            EXPECT_NE(std::find(labels.begin(), labels.end(), "text 5800 7100 bold 9.75 \"-25000\""), labels.end());
            closeAll();
        }
}

}
