// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramTest.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <stdexcept>

namespace {

// A window whose handlers fail in the ways a handler's arithmetic can: the program must
// name the error in a message box and end, not crash or carry on with meaningless numbers.
class FaultyWindow : public WindowModel {
public:
    FaultyWindow()
        : WindowModel("frmFaulty", "Faulty", 12000, 9000, false)
    {
        addControl(ControlKind::Frame, "fraChoice", "Choice", 300, 300, 2000, 1000);
        Control& calm = addControl(ControlKind::Option, "optCalm", "Calm", 120, 300, 1500, 300);
        calm.frame = "fraChoice";
        calm.checked = true;
        addControl(ControlKind::Option, "optOverflow", "Overflow", 120, 600, 1500, 300).frame = "fraChoice";
        on("optOverflow", [this] {
            checked([] {
                volatile float big = 3e38f;
                volatile float product = big * 10.0f;
                (void)product;
            });
        });
        button("cmdThrow", 2000, [] { throw std::runtime_error("Subscript out of range"); });
        button("cmdDivide", 2500, [] {
            volatile double zero = 0;
            volatile double quotient = 1 / zero;
            (void)quotient;
        });
        button("cmdCalm", 3000, [] {
            volatile double tiny = 1e-300;
            volatile double product = tiny * tiny; // underflow is harmless
            (void)product;
        });
        button("cmdInvalid", 3500, [] {
            volatile double zero = 0;
            volatile double invalid = zero / zero;
            (void)invalid;
        });
    }

protected:
    void onLoad() override {}

private:
    // A button whose click runs `arithmetic` as the program's handlers run theirs.
    void button(const std::string& name, double top, std::function<void()> arithmetic)
    {
        addControl(ControlKind::Button, name, name, 300, top, 1200, 375);
        on(name, [this, arithmetic] { checked(arithmetic); });
    }
};

Form* faultyForm()
{
    auto* form = new Form(std::make_unique<FaultyWindow>());
    form->showWindow();
    return form;
}

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
        Form* form = faultyForm();
        ASSERT_NO_FATAL_FAILURE(click(*form, control));
        if (error.empty()) {
            EXPECT_TRUE(messages.empty());
            EXPECT_FALSE(Program::ended());
            EXPECT_EQ(Program::windows().size(), 1u);
            continue;
        }
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_NE(messages[0].find(error), std::string::npos) << messages[0];
        EXPECT_TRUE(Program::ended());
        EXPECT_TRUE(Program::windows().empty());
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
    EXPECT_EQ(Program::windows().size(), 1u);
}

// A window whose showing raises floating-point flags, as the toolkit's own drawing does
// (an icon, a scaled picture): that is no failure of a handler's arithmetic run later,
// while the same arithmetic in the handler itself is.
class FlaggingForm : public Form {
public:
    FlaggingForm()
        : Form(std::make_unique<FaultyWindow>())
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
    Form* form = faultyForm();
    (new FlaggingForm)->showWindow();
    ASSERT_NO_FATAL_FAILURE(click(*form, "cmdCalm"));
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(Program::ended());
    ASSERT_NO_FATAL_FAILURE(click(*form, "cmdInvalid"));
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(Program::ended());
}

}
