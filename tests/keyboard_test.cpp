// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramTest.h"

#include "core/modMain.h"

#include <QApplication>
#include <QLineEdit>

#include <algorithm>

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

// The arrows, Home and End move within a group of option buttons, as they do on the page:
// Up and Left to the one before, Down and Right to the one after (never round), Home and
// End to the ends, choosing each one they reach.
TEST_F(KeyboardTest, ArrowsHomeAndEndMoveWithinAGroupOfOptions)
{
    ASSERT_NO_FATAL_FAILURE(open("cmdAMenter"));
    activate(*window);
    window->control("optModulation100")->setFocus(Qt::TabFocusReason);
    const struct {
        Qt::Key key;
        const char* reached;
        float depth;
    } steps[] = { { Qt::Key_Right, "optModulation120", 1.2f }, { Qt::Key_Left, "optModulation100", 1.0f }, { Qt::Key_End, "optModulation140", 1.4f }, { Qt::Key_Down, "optModulation140", 1.4f }, { Qt::Key_Home, "optModulation0", 0.0f }, { Qt::Key_Left, "optModulation0", 0.0f }, { Qt::Key_Down, "optModulation10", 0.1f }, { Qt::Key_Up, "optModulation0", 0.0f } };
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "key " << step.key << " to " << step.reached);
        const std::size_t before = window->opLog()->size();
        const QString from = QApplication::focusWidget()->objectName();
        key(QApplication::focusWidget(), step.key);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), step.reached);
        EXPECT_TRUE(qobject_cast<QAbstractButton*>(window->control(step.reached))->isChecked());
        EXPECT_EQ(modMain::ModDepth, step.depth);
        // A move draws the plots again; a key at an end changes nothing.
        EXPECT_EQ(window->opLog()->size() > before, from != step.reached);
    }
}

// Only what is shown takes the focus: the FM window's plot is empty until its first Update.
TEST_F(KeyboardTest, TabPassesTheEmptyFmPlotByUntilItIsDrawn)
{
    ASSERT_NO_FATAL_FAILURE(open("cmdFMenter"));
    activate(*window);
    const std::vector<QString> before = press(Qt::Key_Tab, 8);
    EXPECT_EQ(std::count(before.begin(), before.end(), "plot0"), 0);
    ASSERT_NO_FATAL_FAILURE(click(*window, "cmdDisplay"));
    const std::vector<QString> after = press(Qt::Key_Tab, 8);
    EXPECT_GT(std::count(after.begin(), after.end(), "plot0"), 0);
}

}
