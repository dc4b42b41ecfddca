// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramTest.h"

#include <QImage>
#include <QLineEdit>

namespace {

const char* const Boxes[] = { "txtModulatingFrequency", "txtPeakDeviation", "txtPlotWidth", "txtPlotBottom" };

class FmWindowTest : public ProgramTest {
protected:
    void openFm() { open("cmdFMenter"); }

    static QLineEdit* box(Form& form, const char* name)
    {
        auto* edit = qobject_cast<QLineEdit*>(form.control(name));
        EXPECT_NE(edit, nullptr) << name;
        return edit;
    }

    // Types the texts into the four boxes in order; a null text leaves its box alone.
    static void type(Form& form, const std::vector<const char*>& texts)
    {
        for (std::size_t i = 0; i < texts.size(); ++i)
            if (texts[i])
                box(form, Boxes[i])->setText(texts[i]);
    }

    // Presses Update; `added` receives the operations it added to the window's log.
    static void update(Form& form, std::vector<DrawOp>& added)
    {
        const std::size_t before = form.opLog()->size();
        ASSERT_NO_FATAL_FAILURE(click(form, "cmdDisplay"));
        added = opsSince(form, before);
    }

    // Presses Update; the operations it added, as the render tool writes them.
    static void update(Form& form, std::vector<std::string>& added)
    {
        std::vector<DrawOp> ops;
        ASSERT_NO_FATAL_FAILURE(update(form, ops));
        added = formatted(ops);
    }
};

std::string limitMessage(const char* rate, const char* largest, const char* deviation, const char* smallest)
{
    return std::string("This utility only handles modulation indices up to 15.\r\n"
                       "Please reduce the deviation or increase the modulating rate.\r\n\r\n"
                       "For a modulating rate of ")
        + rate + " the maximum\r\nallowed deviation is " + largest
        + ".\r\n\r\nFor a deviation of " + deviation + " the minimum modulating rate is\r\n" + smallest + ".";
}

TEST_F(FmWindowTest, UpdateDrawsOrNamesWhatIsWrongAndLeavesThePlotAsItWas)
{
    const std::pair<std::vector<const char*>, std::string> cases[] = {
        // Index 15 is the limit, on either side of zero; the numbers are shown as typed.
        { { "1k", "15k" }, "" },
        { { "1k", "-15k" }, "" },
        { { "1k", "15.1k" }, limitMessage("1000", "15000", "15100", "1006.667") },
        // Turned away on either side, the advice is in magnitudes.
        { { "1k", "-16k" }, limitMessage("1000", "15000", "16000", "1066.667") },
        { { "-5", "100" }, limitMessage("5", "75", "100", "6.666667") },
        // A box without a number is named and quoted, as the parser hands its text back.
        { { "abc" }, "The modulating frequency box holds no number: \"abc\"." },
        { { "3k", "  " }, "The peak deviation box holds no number: \"\"." },
        { { "3k", "3k", "Hz" }, "The plot width box holds no number: \"Hz\"." },
        { { "3k", "3k", "25k", "-k5" }, "The plot bottom box holds no number: \"-k5\"." },
        // Zero would divide: the box is named, nothing is drawn.
        { { "0" }, "The modulating frequency must not be zero." },
        { { "3k", "3k", "0" }, "The plot width must not be zero." },
        { { "3k", "3k", "25k", "0" }, "The plot bottom must not be zero." },
    };
    ASSERT_NO_FATAL_FAILURE(openFm());
    Form& fm = *window;
    for (const auto& [texts, message] : cases) {
        SCOPED_TRACE(testing::PrintToString(texts));
        type(fm, { "3k", "3k", "25k", "-60" });
        std::vector<DrawOp> added;
        ASSERT_NO_FATAL_FAILURE(update(fm, added));
        messages.clear();
        const QImage before = fm.canvas().image().copy();
        type(fm, texts);
        ASSERT_NO_FATAL_FAILURE(update(fm, added));
        if (message.empty()) {
            EXPECT_TRUE(messages.empty());
            EXPECT_GT(traceLines(added).size(), 1u);
            continue;
        }
        EXPECT_EQ(messages, std::vector<std::string> { message });
        ASSERT_EQ(added.size(), 1u);
        EXPECT_EQ(OpLog::format(added[0]), OpLog::format({ .kind = DrawOp::Kind::Message, .text = message }));
        EXPECT_EQ(fm.canvas().image(), before);
    }
}

TEST_F(FmWindowTest, TheFloorAndWidthCountByTheirSizeAndTheBoxesKeepTheirText)
{
    ASSERT_NO_FATAL_FAILURE(openFm());
    Form& fm = *window;
    std::vector<std::string> reference, added;
    ASSERT_NO_FATAL_FAILURE(update(fm, reference));
    type(fm, { "  3k  ", nullptr, nullptr, "60" });
    ASSERT_NO_FATAL_FAILURE(update(fm, added));
    EXPECT_EQ(added, reference);
    type(fm, { nullptr, nullptr, "-25k" });
    ASSERT_NO_FATAL_FAILURE(update(fm, added));
    EXPECT_EQ(added, reference); // no "--12500"
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(box(fm, Boxes[0])->text(), "  3k  "); // the parser trims its own copy
}

// Whatever is typed, nothing of the FM plot may land outside its panel and label strips,
// and no label carries a doubled sign.
TEST_F(FmWindowTest, NothingIsDrawnOutsideThePanelWhateverIsTyped)
{
    const char* hostile[] = { "0", "1p", "-1p", "1e-12", "-1e-12", "1e10", "-1e10", "1E99", "-3k",
                              "-25k", "1E-40", "Hz", "--", "1e", "-e5", "99999999999G" };
    ASSERT_NO_FATAL_FAILURE(openFm());
    Form& fm = *window;
    int lines = 0;
    auto check = [&](const std::string& what) {
        SCOPED_TRACE(what);
        std::vector<DrawOp> added;
        ASSERT_NO_FATAL_FAILURE(update(fm, added));
        for (const DrawOp& op : added) {
            const std::string text = OpLog::format(op);
            if (op.kind == DrawOp::Kind::Line) {
                EXPECT_TRUE(std::min(op.x1, op.x2) >= 6000 && std::max(op.x1, op.x2) <= 11000) << text;
                EXPECT_TRUE(std::min(op.y1, op.y2) >= 1000 && std::max(op.y1, op.y2) <= 7000) << text;
                ++lines;
            } else if (op.kind == DrawOp::Kind::Text) {
                EXPECT_TRUE(op.text.find("--") == std::string::npos && op.text.find("+-") == std::string::npos)
                    << text;
            } else if (op.kind == DrawOp::Kind::Fill) {
                EXPECT_TRUE(op.x1 >= 5400 && op.x2 <= 11990 && op.y1 >= 900 && op.y2 <= 7400) << text;
            }
        }
    };

    // Each box on its own, the others at their defaults.
    for (std::size_t i = 0; i < 4; ++i) {
        const QString typed = box(fm, Boxes[i])->text();
        for (const char* text : hostile) {
            box(fm, Boxes[i])->setText(text);
            ASSERT_NO_FATAL_FAILURE(check(std::string(Boxes[i]) + " = " + text));
        }
        box(fm, Boxes[i])->setText(typed);
    }
    // Signs against each other, a deep floor at the highest index, tiny and huge widths.
    const std::vector<const char*> combinations[] = {
        { "-3k", "3k", "-25k", "-60" },
        { "-1k", "-15k", "-25k", "1e10" },
        { "1k", "15k", "25k", "1e10" },
        { "-1k", "15k", "1p", "-1e10" },
        { "1p", "1p", "1p", "1p" },
        { "1e10", "1e10", "1e10", "1e10" },
        { "-1e10", "1e10", "-1e-12", "1e-12" },
        { "3k", "0", "25k", "60" },
        { "1E-40", "1E-40", "1E-40", "1E-40" },
    };
    for (const auto& combination : combinations) {
        type(fm, combination);
        ASSERT_NO_FATAL_FAILURE(
            check(std::string(combination[0]) + ' ' + combination[1] + ' ' + combination[2] + ' ' + combination[3]));
    }
    EXPECT_GT(lines, 0);
    EXPECT_FALSE(Program::ended());
}

// Exit has the focus as the window opens; Tab goes on to Update, then the boxes from the
// plot width up to the modulating frequency, the plot, and round to Exit.
TEST_F(FmWindowTest, TabVisitsExitUpdateThenTheBoxesFromThePlotWidthUp)
{
    ASSERT_NO_FATAL_FAILURE(openFm());
    ASSERT_NO_FATAL_FAILURE(click(*window, "cmdDisplay")); // a plot to take the focus
    activate(*window);
    ASSERT_EQ(QApplication::focusWidget(), window->control("cmdExit"));
    // clang-format off
    EXPECT_EQ(press(Qt::Key_Tab, 8), (std::vector<QString> { "cmdDisplay", "txtPlotWidth", "txtPlotBottom",
                                                             "txtPeakDeviation", "txtModulatingFrequency", "plot0",
                                                             "cmdExit", "cmdDisplay" }));
    // clang-format on
}

// A second Update repaints the whole plot: the canvas is then the one a freshly opened
// window shows after that Update alone, with nothing of the first plot left over it.
TEST_F(FmWindowTest, ASecondUpdateLeavesNothingOfTheFirst)
{
    const std::vector<const char*> firsts[] = { { "3k", "15k", "25k", "-60" }, { "1k", "3k", "50k", "-20" } };
    const std::vector<const char*> second { "3k", "3k", "25k", "-60" };
    for (const double zoom : { 1.0, 3.0 }) {
        Presentation::setPixelsPerTwip(zoom / 15.0);
        std::vector<DrawOp> added;
        ASSERT_NO_FATAL_FAILURE(openFm());
        type(*window, second);
        ASSERT_NO_FATAL_FAILURE(update(*window, added));
        const QImage fresh = window->canvas().image().copy();
        closeAll();
        for (const auto& first : firsts) {
            SCOPED_TRACE(testing::Message() << "zoom " << zoom << ", " << testing::PrintToString(first));
            ASSERT_NO_FATAL_FAILURE(openFm());
            type(*window, first);
            ASSERT_NO_FATAL_FAILURE(update(*window, added));
            type(*window, second);
            ASSERT_NO_FATAL_FAILURE(update(*window, added));
            EXPECT_EQ(window->canvas().image(), fresh);
            closeAll();
        }
    }
}

}
