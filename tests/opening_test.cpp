// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramTest.h"

#include <QLabel>

using namespace modMain;

namespace {

// The menu window, and the program's start, navigation and end around it.
class OpeningWindowTest : public ProgramTest {};

TEST_F(OpeningWindowTest, ScaleAndFontsFollowTheScreenSize)
{
    const struct {
        float width, height, scaleWidth, scaleHeight;
        double headingPoints, labelPoints, buttonPoints;
    } screens[] = { { 12000, 9000, 12000, 9000, 45, 14.4, 9.6000003814697266 },
                    { 15360, 11520, 9375, 7031.25, 57.6, 18.432, 12.288000106811523 } };
    for (const auto& c : screens) {
        SCOPED_TRACE(c.width);
        Presentation::setScreenTwips(c.width, c.height);
        Form& opening = start();
        EXPECT_EQ(opening.canvas().scaleWidth(), c.scaleWidth);
        EXPECT_EQ(opening.canvas().scaleHeight(), c.scaleHeight);
        const auto points = [&](const char* name) {
            return opening.control(name)->property("tavinelPoints").toDouble();
        };
        EXPECT_DOUBLE_EQ(points("lblHeading"), c.headingPoints);
        for (const char* label : { "lblVersion", "lblCopyright" })
            EXPECT_DOUBLE_EQ(points(label), c.labelPoints) << label;
        for (const char* button : { "cmdAMenter", "cmdSSBenter", "cmdExit" })
            EXPECT_DOUBLE_EQ(points(button), c.buttonPoints) << button;
        EXPECT_DOUBLE_EQ(points("cmdFMenter"), 9.75); // keeps its design font
        closeAll();
    }
}

TEST_F(OpeningWindowTest, StartUpGivesTheSharedStateItsValues)
{
    Form& opening = start();
    EXPECT_EQ(AudioKHz, 1.0f);
    EXPECT_EQ(ModDepth, 1.2f);
    EXPECT_EQ(ClipperOn, 0);
    EXPECT_EQ(YAxisMode, 1);
    EXPECT_EQ(TraceColour, 0xFFFFA0u);
    EXPECT_EQ(Pi, 3.1415927f);
    EXPECT_EQ(qobject_cast<QLabel*>(opening.control("lblVersion"))->text(), "Version 2.01");
}

TEST_F(OpeningWindowTest, AChoiceLeavesExactlyItsWindowOpenAndExitOrTheCloseBoxEndsTheProgram)
{
    const std::pair<const char*, std::string> choices[] = { { "cmdAMenter", "frmAMplot" },
                                                            { "cmdSSBenter", "frmSSBplot" },
                                                            { "cmdFMenter", "frmFMplot" } };
    for (const auto& [button, name] : choices) {
        SCOPED_TRACE(button);
        Program::reset();
        ASSERT_NO_FATAL_FAILURE(click(start(), button));
        const auto forms = Program::windows();
        ASSERT_EQ(forms.size(), 1u);
        EXPECT_EQ(forms[0]->objectName().toStdString(), name);
        EXPECT_TRUE(forms[0]->isVisible());
        EXPECT_FALSE(Program::ended());
        ASSERT_NO_FATAL_FAILURE(click(*forms[0], "cmdExit"));
        EXPECT_TRUE(Program::ended());
        EXPECT_TRUE(Program::windows().empty());

        // Closed through the window system, the window goes and the program with it.
        Program::reset();
        ASSERT_NO_FATAL_FAILURE(open(button));
        window->closeByUser();
        EXPECT_TRUE(Program::windows().empty());
        if (name == "frmAMplot") {
            EXPECT_TRUE(Program::ended());
        }

        // Closed by the program, the AM window has no reason to end it.
        Program::reset();
        ASSERT_NO_FATAL_FAILURE(open(button));
        window->unload();
        EXPECT_FALSE(Program::ended());
    }
    // The menu's own Exit ends the program without another window.
    Program::reset();
    ASSERT_NO_FATAL_FAILURE(click(start(), "cmdExit"));
    EXPECT_TRUE(Program::ended());
    EXPECT_TRUE(Program::windows().empty());
}

TEST_F(OpeningWindowTest, DrawingIsRetainedAndRepaintingRecomputesNothing)
{
    Form& opening = start();
    const std::size_t drawn = opening.opLog()->size();
    // The spectrum's carrier, in window pixels.
    const QImage before = opening.grab().toImage();
    EXPECT_EQ(before.pixelColor(800 * 5800 / 12000, 600 * 3000 / 9000), QColor(0xA0, 0xFF, 0xFF));
    opening.hide(); // covered and uncovered
    opening.show();
    opening.repaint();
    EXPECT_EQ(opening.opLog()->size(), drawn);
    EXPECT_EQ(opening.grab().toImage(), before);
}

}
