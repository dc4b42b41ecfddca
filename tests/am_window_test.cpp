#include "TestSupport.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>

using namespace modMain;

namespace {

// The five settings: audio kHz, depth, clipper, scale, demodulator.
std::string settings()
{
    return FormatSingle(AudioKHz) + ' ' + FormatSingle(ModDepth) + ' ' + std::to_string(ClipperOn) + ' '
        + std::to_string(YAxisMode) + ' ' + std::to_string(DemodType);
}

class AmWindowTest : public ProgramTest {
protected:
    static Form& open() { return ProgramTest::open("cmdAMenter"); }

    // The operations from the log index `first` on, split at each panel's dark box: the
    // envelope, the spectrum with its level scale, the demodulator output.
    static std::vector<std::vector<std::string>> panels(const Form& form, std::size_t first)
    {
        std::vector<std::vector<std::string>> result;
        const auto& ops = form.opLog()->ops();
        for (std::size_t i = first; i < ops.size(); ++i) {
            const bool panelBox = ops[i].kind == DrawOp::Kind::Fill && ops[i].colour == 0x575757;
            if (panelBox)
                result.emplace_back();
            if (!result.empty())
                result.back().push_back(OpLog::format(ops[i]));
        }
        return result;
    }

};

struct Choice {
    const char* button;
    const char* settings;
    const char* changed; // the panels that change: envelope, spectrum, demodulator output
};

class AmChoices : public AmWindowTest, public testing::WithParamInterface<Choice> {};

TEST_P(AmChoices, StoreTheSettingThenRedrawAllThreePanels)
{
    Form& am = open();
    EXPECT_EQ(settings(), "1 1 0 1 0"); // the menu had left the depth at 1.2
    const auto before = panels(am, 0);
    ASSERT_EQ(before.size(), 3u); // drawn once as the window loads
    const std::size_t logged = am.opLog()->size();
    click(am, GetParam().button);
    EXPECT_EQ(settings(), GetParam().settings);
    const auto after = panels(am, logged);
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ((std::vector { after[0][0], after[1][0], after[2][0] }),
              (std::vector<std::string> { "fill 300 500 3700 5500 575757", "fill 4100 500 7300 5500 575757",
                                          "fill 8000 500 11600 5500 575757" }));
    const std::string changed = { after[0] != before[0] ? 'e' : '-', after[1] != before[1] ? 's' : '-',
                                  after[2] != before[2] ? 'd' : '-' };
    EXPECT_EQ(changed, GetParam().changed);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, AmChoices,
    testing::Values(Choice { "optAudio2000", "2 1 0 1 0", "esd" }, Choice { "optAudio3000", "3 1 0 1 0", "esd" },
                    Choice { "optModulation0", "1 0 0 1 0", "esd" },
                    Choice { "optModulation10", "1 0.1 0 1 0", "esd" },
                    Choice { "optModulation25", "1 0.25 0 1 0", "esd" },
                    Choice { "optModulation50", "1 0.5 0 1 0", "esd" },
                    Choice { "optModulation120", "1 1.2 0 1 0", "esd" },
                    Choice { "optModulation140", "1 1.4 0 1 0", "esd" },
                    Choice { "optLog", "1 1 0 2 0", "-s-" }, Choice { "optClipperOn", "1 1 1 1 0", "esd" },
                    Choice { "Option2", "1 1 0 1 1", "--d" }));

TEST_F(AmWindowTest, ChoosingTheDefaultsAgainRestoresThePicture)
{
    Form& am = open();
    const auto first = panels(am, 0);
    for (const char* button : { "optAudio3000", "optModulation140", "optLog", "optClipperOn", "Option2",
                                "optAudio1000", "optModulation100", "optLinear", "optClipperOff" })
        click(am, button);
    const std::size_t logged = am.opLog()->size();
    click(am, "Option1");
    EXPECT_EQ(panels(am, logged), first);
}

// The white strip of the level scale must take away every pixel of the other scale's
// labels, "-50dB" the widest, at every size the window is shown at.
TEST_F(AmWindowTest, SwitchingScalesLeavesNoTraceOfTheOtherLabels)
{
    for (const double zoom : { 1.0, 2.0, 3.0 }) {
        SCOPED_TRACE(zoom);
        Presentation::setPixelsPerTwip(zoom / 15.0);
        Form& am = open();
        const QRect column(QPointF(7300 * zoom / 15, 400 * zoom / 15).toPoint(),
                           QPointF(8000 * zoom / 15, 5600 * zoom / 15).toPoint());
        const QImage linear = am.grab(column).toImage();
        click(am, "optLog");
        click(am, "optLinear");
        EXPECT_EQ(am.grab(column).toImage(), linear);
        closeAll();
    }
}

TEST_F(AmWindowTest, RedrawingLeavesTheAxisLabelsAsTheyWere)
{
    Form& am = open();
    const QRect labels(0, 370, 800, 30); // y 5550 to 6000
    const QImage before = am.grab(labels).toImage();
    click(am, "optAudio2000");
    click(am, "optAudio1000");
    EXPECT_EQ(am.grab(labels).toImage(), before);
}

TEST_F(AmWindowTest, TabVisitsTheSelectedButtonOfEachGroupAndArrowsChoose)
{
    Form& am = open();
    am.activateWindow();
    QApplication::setActiveWindow(&am);
    const auto press = [](Qt::Key key) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(QApplication::focusWidget(), &down);
    };
    ASSERT_EQ(QApplication::focusWidget(), am.control("cmdExit"));
    const auto tabs = [&] {
        std::vector<QString> visited;
        for (int i = 0; i < 6; ++i) {
            press(Qt::Key_Tab);
            visited.push_back(QApplication::focusWidget()->objectName());
        }
        return visited;
    };
    EXPECT_EQ(tabs(), (std::vector<QString> { "optAudio1000", "optModulation100", "optLinear",
                                              "optClipperOff", "Option1", "cmdExit" }));

    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    const std::size_t logged = am.opLog()->size();
    press(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "optModulation120");
    EXPECT_EQ(ModDepth, 1.2f);
    EXPECT_EQ(panels(am, logged).size(), 3u);

    // Tab comes back into the group at the new choice, also one made by a click.
    click(am, "optAudio3000");
    EXPECT_EQ(tabs(), (std::vector<QString> { "optLinear", "optClipperOff", "Option1", "cmdExit",
                                              "optAudio3000", "optModulation120" }));
}

}
