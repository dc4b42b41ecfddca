// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramTest.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <stdexcept>

namespace {

// A window whose handlers fail in the ways a handler can: the program must name the error
// in a message box and end, not crash or carry on with meaningless numbers.
class FaultyForm : public Form {
public:
    FaultyForm()
        : Form("frmFaulty", "Faulty", 12000, 9000, Border::None)
    {
        auto* frame = addFrame("fraChoice", "Choice", 300, 300, 2000, 1000);
        addOptionButton(frame, "optCalm", "Calm", 120, 300, 1500, 300, true);
        auto* overflow = addOptionButton(frame, "optOverflow", "Overflow", 120, 600, 1500, 300);
        onChosen(overflow, [] {
            volatile float big = 3e38f;
            volatile float product = big * 10.0f;
            (void)product;
        });
        onClicked(addCommandButton("cmdThrow", "Throw", 300, 2000, 1200, 375),
                  [] { throw std::runtime_error("Subscript out of range"); });
        onClicked(addCommandButton("cmdDivide", "Divide", 300, 2500, 1200, 375), [] {
            volatile double zero = 0;
            volatile double quotient = 1 / zero;
            (void)quotient;
        });
        onClicked(addCommandButton("cmdCalm", "Calm", 300, 3000, 1200, 375), [] {
            volatile double tiny = 1e-300;
            volatile double product = tiny * tiny; // underflow is harmless
            (void)product;
        });
    }
};

// The program's course for an unexpected failure in an event handler.
class RuntimeErrorTest : public ProgramTest {};

TEST_F(RuntimeErrorTest, AFailingHandlerNamesTheErrorAndEndsTheProgram)
{
    const std::pair<const char*, std::string> faults[] = { { "cmdThrow", "Subscript out of range" },
                                                           { "cmdDivide", "Division by zero" },
                                                           { "optOverflow", "Overflow" },
                                                           { "cmdCalm", "" } }; // the program carries on
    for (const auto& [control, error] : faults) {
        SCOPED_TRACE(control);
        closeAll();
        Program::reset();
        messages.clear();
        auto* form = new FaultyForm;
        form->showWindow();
        ASSERT_NO_FATAL_FAILURE(click(*form, control));
        if (error.empty()) {
            EXPECT_TRUE(messages.empty());
            EXPECT_FALSE(Program::ended());
            EXPECT_EQ(Form::loadedForms().size(), 1u);
            continue;
        }
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_NE(messages[0].find(error), std::string::npos) << messages[0];
        EXPECT_TRUE(Program::ended());
        EXPECT_TRUE(Form::loadedForms().empty());
    }
}

// The real modal message box runs inside the Update handler: nothing the toolkit does
// while showing it may count as a failure of the handler.
TEST_F(RuntimeErrorTest, TheRealMessageBoxIsNotMistakenForAFault)
{
    Program::setMessageHandler(nullptr);
    ASSERT_NO_FATAL_FAILURE(open("cmdFMenter"));
    Form& fm = *window;
    qobject_cast<QLineEdit*>(fm.control("txtPeakDeviation"))->setText("60k");
    bool shown = false;
    QTimer::singleShot(100, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            shown = true;
            box->close();
        }
    });
    ASSERT_NO_FATAL_FAILURE(click(fm, "cmdDisplay"));
    EXPECT_TRUE(shown);
    EXPECT_FALSE(Program::ended());
    EXPECT_EQ(Form::loadedForms().size(), 1u);
}

// A window whose showing raises floating-point flags, as the toolkit's own drawing does
// (an icon, a scaled picture): showing it inside a handler is no failure of the handler,
// while the same arithmetic in the handler itself is.
class FlaggingForm : public Form {
public:
    FlaggingForm()
        : Form("frmFlagging", "Flagging", 12000, 9000, Border::None)
    {
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        volatile double zero = 0;
        volatile double invalid = zero / zero;
        (void)invalid;
        Form::showEvent(event);
    }
};

TEST_F(RuntimeErrorTest, FlagsTheToolkitRaisesWhileShowingAWindowAreNotTheHandlers)
{
    auto* form = new FaultyForm;
    form->showWindow();
    Program::runHandler(*form, [] { (new FlaggingForm)->showWindow(); });
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(Program::ended());
    Program::runHandler(*form, [] {
        volatile double zero = 0;
        volatile double invalid = zero / zero;
        (void)invalid;
    });
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(Program::ended());
}

}
