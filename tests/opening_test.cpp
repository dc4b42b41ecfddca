#include "TestSupport.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>

#include <cmath>

using namespace modMain;

namespace {

struct ScreenCase {
    float width, height;
    float scaleWidth, scaleHeight;
    double headingPoints, labelPoints, buttonPoints;
};

class OpeningScreen : public ProgramTest, public testing::WithParamInterface<ScreenCase> {};

TEST_P(OpeningScreen, ScaleAndFontsFollowTheScreenSize)
{
    const ScreenCase& c = GetParam();
    Presentation::setScreenTwips(c.width, c.height);
    frmOpening& opening = start();

    EXPECT_EQ(opening.surface().scaleWidth(), c.scaleWidth);
    EXPECT_EQ(opening.surface().scaleHeight(), c.scaleHeight);
    const auto points = [&](const char* name) {
        return opening.control(name)->property("tavinelPoints").toDouble();
    };
    EXPECT_DOUBLE_EQ(points("lblHeading"), c.headingPoints);
    EXPECT_DOUBLE_EQ(points("lblVersion"), c.labelPoints);
    EXPECT_DOUBLE_EQ(points("lblCopyright"), c.labelPoints);
    EXPECT_DOUBLE_EQ(points("cmdAMenter"), c.buttonPoints);
    EXPECT_DOUBLE_EQ(points("cmdSSBenter"), c.buttonPoints);
    EXPECT_DOUBLE_EQ(points("cmdExit"), c.buttonPoints);
    EXPECT_DOUBLE_EQ(points("cmdFMenter"), 9.75); // keeps its design font
}

INSTANTIATE_TEST_SUITE_P(
    Screens, OpeningScreen,
    testing::Values(ScreenCase { 12000, 9000, 12000, 9000, 45, 14.4, 9.6000003814697266 },
                    ScreenCase { 15360, 11520, 9375, 7031.25, 57.6, 18.432, 12.288000106811523 }));

TEST_F(ProgramTest, ControlsStandWhereTheLoadHandlerPutsThem)
{
    frmOpening& opening = start();
    // One logical unit is one twip, 15 twips a pixel.
    const auto geometry = [&](const char* name) { return opening.control(name)->geometry(); };
    EXPECT_EQ(geometry("lblHeading"), QRect(1, 100, 800, 160));
    EXPECT_EQ(geometry("lblVersion"), QRect(67, 400, 793, 80));
    EXPECT_EQ(geometry("cmdAMenter"), QRect(533, 453, 200, 25));
    EXPECT_EQ(geometry("cmdFMenter"), QRect(533, 487, 200, 25));
    EXPECT_EQ(geometry("cmdSSBenter"), QRect(533, 520, 200, 25));
    EXPECT_EQ(geometry("cmdExit"), QRect(533, 553, 200, 25));
    EXPECT_EQ(opening.size(), QSize(800, 600));
    EXPECT_EQ(opening.windowTitle(), "Opening");
}

TEST_F(ProgramTest, StartUpGivesTheSharedStateItsValues)
{
    frmOpening& opening = start();
    EXPECT_EQ(AudioKHz, 1.0f);
    EXPECT_EQ(ModDepth, 1.2f);
    EXPECT_EQ(ClipperOn, 0);
    EXPECT_EQ(YAxisMode, 1);
    EXPECT_EQ(TraceColour, 0xFFFFA0u);
    EXPECT_EQ(Pi, 3.1415927f);
    EXPECT_EQ(VersionText, "2.01");
    EXPECT_EQ(qobject_cast<QLabel*>(opening.control("lblVersion"))->text(), "Version 2.01");
    EXPECT_EQ(qobject_cast<QLabel*>(opening.control("lblCopyright"))->text().toStdString(),
              CopyrightText);
    EXPECT_FALSE(CopyrightText.empty());
}

TEST_F(ProgramTest, PanelCentreRoundsHalvesToEven)
{
    const struct {
        std::int16_t left;
        float width;
        std::int16_t centre;
    } cases[] = { { 4300, 3000, 5800 }, { 400, 3200, 2000 }, { 0, 5, 2 }, { 0, 7, 4 }, { 1, 3, 2 } };
    for (const auto& c : cases) {
        PanelLeft = c.left;
        PanelWidth = c.width;
        EXPECT_EQ(CentreOfPanel(), c.centre) << c.left << " + " << c.width << " / 2";
    }
}

TEST_F(ProgramTest, FocusStartsOnExitAndFollowsTheDesignOrder)
{
    frmOpening& opening = start();
    opening.activateWindow();
    QWidget* exit = opening.control("cmdExit");
    EXPECT_EQ(opening.focusWidget(), exit);
    std::vector<QString> order;
    for (QWidget* widget = exit->nextInFocusChain(); widget != exit && order.size() < 10;
         widget = widget->nextInFocusChain())
        if (widget->focusPolicy() & Qt::TabFocus)
            order.push_back(widget->objectName());
    EXPECT_EQ(order, (std::vector<QString> { "cmdAMenter", "cmdSSBenter", "cmdFMenter" }));
}

struct NavigationCase {
    const char* button;
    const char* window;
    const char* caption;
};

class Navigation : public ProgramTest, public testing::WithParamInterface<NavigationCase> {};

TEST_P(Navigation, AChoiceLeavesExactlyItsWindowOpen)
{
    frmOpening& opening = start();
    click(opening, GetParam().button);
    const auto forms = Form::loadedForms();
    ASSERT_EQ(forms.size(), 1u);
    EXPECT_EQ(forms[0]->objectName(), GetParam().window);
    EXPECT_EQ(forms[0]->windowTitle(), GetParam().caption);
    EXPECT_TRUE(forms[0]->isVisible());
    EXPECT_FALSE(Program::ended());

    click(*forms[0], "cmdExit");
    EXPECT_TRUE(Program::ended());
    EXPECT_TRUE(Form::loadedForms().empty());
}

INSTANTIATE_TEST_SUITE_P(Choices, Navigation,
                         testing::Values(NavigationCase { "cmdAMenter", "frmAMplot", "AM plots" },
                                         NavigationCase { "cmdSSBenter", "frmSSBplot", "SSB plots" },
                                         NavigationCase { "cmdFMenter", "frmFMplot", "Form1" }));

TEST_F(ProgramTest, ExitEndsTheProgramWithoutAnotherWindow)
{
    frmOpening& opening = start();
    click(opening, "cmdExit");
    EXPECT_TRUE(Program::ended());
    EXPECT_TRUE(Form::loadedForms().empty());
}

TEST_F(ProgramTest, DrawingIsRetainedAndRepaintingRecomputesNothing)
{
    frmOpening& opening = start();
    const std::size_t drawn = opening.opLog()->size();
    // The envelope panel's background and the spectrum's carrier, in window pixels.
    const QImage before = opening.grab().toImage();
    EXPECT_EQ(before.pixelColor(800 * 11550 / 12000, 600 * 5450 / 9000), QColor(0xCF, 0xCF, 0xCF));
    EXPECT_EQ(before.pixelColor(800 * 5800 / 12000, 600 * 3000 / 9000), QColor(0xA0, 0xFF, 0xFF));

    opening.hide(); // covered and uncovered
    opening.show();
    opening.repaint();
    EXPECT_EQ(opening.opLog()->size(), drawn);
    EXPECT_EQ(opening.grab().toImage(), before);
}

}
