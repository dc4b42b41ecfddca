// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramTest.h"

#include <QApplication>
#include <QImage>

using namespace modMain;

namespace {

// The five settings: audio kHz, depth, clipper, scale, demodulator.
std::string settings()
{
    return formatSingle(AudioKHz) + ' ' + formatSingle(ModDepth) + ' ' + std::to_string(ClipperOn) + ' '
        + std::to_string(YAxisMode) + ' ' + std::to_string(DemodType);
}

class AmWindowTest : public ProgramTest {
protected:
    void openAm() { open("cmdAMenter"); }

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

TEST_F(AmWindowTest, EachChoiceStoresItsSettingThenRedrawsAllThreePanels)
{
    const std::tuple<const char*, const char*, const char*> choices[] = {
        // The button, the settings it leaves, the panels that change: envelope, spectrum,
        // demodulator output.
        { "optAudio2000", "2 1 0 1 0", "esd" },
        { "optAudio3000", "3 1 0 1 0", "esd" },
        { "optModulation0", "1 0 0 1 0", "esd" },
        { "optModulation10", "1 0.1 0 1 0", "esd" },
        { "optModulation25", "1 0.25 0 1 0", "esd" },
        { "optModulation50", "1 0.5 0 1 0", "esd" },
        { "optModulation120", "1 1.2 0 1 0", "esd" },
        { "optModulation140", "1 1.4 0 1 0", "esd" },
        { "optLog", "1 1 0 2 0", "-s-" },
        { "optClipperOn", "1 1 1 1 0", "esd" },
        { "Option2", "1 1 0 1 1", "--d" },
    };
    for (const auto& [button, stored, changed] : choices) {
        SCOPED_TRACE(button);
        ASSERT_NO_FATAL_FAILURE(openAm());
        Form& am = *window;
        EXPECT_EQ(settings(), "1 1 0 1 0"); // the menu had left the depth at 1.2
        const auto before = panels(am, 0);
        ASSERT_EQ(before.size(), 3u); // drawn once as the window loads
        const std::size_t logged = am.opLog()->size();
        ASSERT_NO_FATAL_FAILURE(click(am, button));
        EXPECT_EQ(settings(), stored);
        const auto after = panels(am, logged);
        ASSERT_EQ(after.size(), 3u);
        EXPECT_EQ((std::vector { after[0][0], after[1][0], after[2][0] }),
                  (std::vector<std::string> { "fill 300 500 3700 5500 575757", "fill 4100 500 7300 5500 575757",
                                              "fill 8000 500 11600 5500 575757" }));
        EXPECT_EQ(std::string({ after[0] != before[0] ? 'e' : '-', after[1] != before[1] ? 's' : '-',
                                after[2] != before[2] ? 'd' : '-' }),
                  changed);
        closeAll();
    }
}

// Choosing the defaults again brings back the load's operations and, at every size the
// window is shown at, every pixel: the level scale's white strip takes away the other
// scale's labels ("-50dB" the widest), the axis labels printed again on each redraw do
// not darken, and a trace clamped to a panel's edge leaves nothing outside its dark box.
TEST_F(AmWindowTest, ChoosingTheDefaultsAgainRestoresThePicture)
{
    for (const double zoom : { 1.0, 2.0, 3.0 }) {
        SCOPED_TRACE(zoom);
        Presentation::setPixelsPerTwip(zoom / 15.0);
        ASSERT_NO_FATAL_FAILURE(openAm());
        Form& am = *window;
        const auto first = panels(am, 0);
        const QImage picture = am.grab().toImage();
        for (const char* button : { "optAudio3000", "optModulation140", "optLog", "optClipperOn", "Option2",
                                    "optAudio1000", "optModulation100", "optLinear", "optClipperOff" })
            ASSERT_NO_FATAL_FAILURE(click(am, button));
        const std::size_t logged = am.opLog()->size();
        ASSERT_NO_FATAL_FAILURE(click(am, "Option1"));
        EXPECT_EQ(panels(am, logged), first);
        EXPECT_EQ(am.grab().toImage(), picture);
        closeAll();
    }
}

TEST_F(AmWindowTest, TabVisitsTheSelectedButtonOfEachGroupAndArrowsChoose)
{
    ASSERT_NO_FATAL_FAILURE(openAm());
    Form& am = *window;
    activate(am);
    ASSERT_EQ(QApplication::focusWidget(), am.control("cmdExit"));
    ASSERT_NO_FATAL_FAILURE(click(am, "optAudio3000")); // Tab comes into a group at its choice, also one made by a click
    // clang-format off
    // After the groups come the three plots, then Exit again.
    EXPECT_EQ(press(Qt::Key_Tab, 11), (std::vector<QString> { "optAudio3000", "optModulation100", "optLinear",
                                                              "optClipperOff", "Option1", "plot0", "plot1", "plot2",
                                                              "cmdExit", "optAudio3000", "optModulation100" }));
    // clang-format on
    const std::size_t logged = am.opLog()->size();
    EXPECT_EQ(press(Qt::Key_Down, 1), std::vector<QString> { "optModulation120" });
    EXPECT_EQ(ModDepth, 1.2f);
    EXPECT_EQ(panels(am, logged).size(), 3u);
}

}
