// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramTest.h"

#include "ssb/SsbSineTables.h"

#include <QElapsedTimer>
#include <QImage>
#include <QRadioButton>

using namespace modMain;

namespace {

// The four settings: audio kHz, mode, carrier level, unwanted-sideband level.
std::string settings()
{
    return formatSingle(AudioKHz) + ' ' + std::to_string(SsbMode) + ' ' + formatSingle(CarrierLevel) + ' '
        + formatSingle(SidebandLevel);
}

// The option button chosen in a frame.
QString checkedIn(Form& form, const char* frame)
{
    for (QRadioButton* button : form.control(frame)->findChildren<QRadioButton*>())
        if (button->isChecked())
            return button->objectName();
    return {};
}

// The SSB window opened from the menu, as a user opens it.
class SsbWindowTest : public ProgramTest {
protected:
    void openSsb() { open("cmdSSBenter"); }
};

TEST_F(SsbWindowTest, OpensWithTheDefaultChoices)
{
    ASSERT_NO_FATAL_FAILURE(openSsb());
    Form& form = *window;
    EXPECT_EQ(settings(), "1 2 -120 0");
    EXPECT_EQ((std::vector { checkedIn(form, "fraAudioFrequency"), checkedIn(form, "fraMode"),
                             checkedIn(form, "fraCarrier"), checkedIn(form, "fraSuppression") }),
              (std::vector<QString> { "optAudio1000", "optDouble", "Option8", "Option9" }));
}

TEST_F(SsbWindowTest, ChoicesStoreTheirSettingThenRedrawEnvelopeSpectrumAndScale)
{
    const std::pair<const char*, const char*> choices[] = {
        { "optAudio2000", "2 2 -120 0" },
        { "optAudio3000", "3 2 -120 0" },
        { "optLower", "1 -1 -120 0" },
        { "optUpper", "1 1 -120 0" },
        { "Option1", "1 2 0 0" },
        { "Option2", "1 2 -6 0" },
        { "Option3", "1 2 -12 0" },
        { "Option4", "1 2 -20 0" },
        { "Option5", "1 2 -30 0" },
        { "Option6", "1 2 -40 0" },
        { "Option7", "1 2 -50 0" },
        { "Option10", "1 2 -120 -6" },
        { "Option11", "1 2 -120 -12" },
        { "Option12", "1 2 -120 -20" },
        { "Option13", "1 2 -120 -30" },
        { "Option14", "1 2 -120 -40" },
        { "Option15", "1 2 -120 -50" },
        { "Option16", "1 2 -120 -120" },
    };
    for (const auto& [option, stored] : choices) {
        SCOPED_TRACE(option);
        ASSERT_NO_FATAL_FAILURE(openSsb());
        Form& form = *window;
        const std::size_t before = form.opLog()->size();
        ASSERT_NO_FATAL_FAILURE(click(form, option));
        EXPECT_EQ(settings(), stored);
        const auto redrawn = opsSince(form, before);
        EXPECT_EQ(formatted(redrawn, DrawOp::Kind::Fill),
                  (std::vector<std::string> { "fill 6400 500 11600 5500 575757", "fill 300 500 5500 5500 575757",
                                              "fill 5520 480 6300 5500 FFFFFF" }));
        EXPECT_EQ(redrawn.back().text, "-50dB");
        closeAll();
    }
}

// Which of Option9 to Option16 are enabled after a series of choices.
// Once the window has stood idle, the sines of every frequency it offers are kept, so a
// new modulating frequency redraws without computing any.
TEST_F(SsbWindowTest, IdleWindowPreparesTheSinesOfEveryFrequency)
{
    forgetSsbSineTables();
    ASSERT_NO_FATAL_FAILURE(openSsb());
    EXPECT_LE(keptSsbSineTables(), 3u); // the first redraw's own
    QElapsedTimer idle;
    idle.start();
    while (keptSsbSineTables() < 7 && idle.elapsed() < 5000)
        QCoreApplication::processEvents();
    EXPECT_EQ(keptSsbSineTables(), 7u);
    EXPECT_FALSE(computeMissingSsbSineTable());
    for (const char* name : { "optAudio3000", "optAudio2000", "optLower" })
        ASSERT_NO_FATAL_FAILURE(click(*window, name));
    EXPECT_EQ(keptSsbSineTables(), 7u);
}

TEST_F(SsbWindowTest, OnlyDoubleSidebandEnablesTheUnwantedSidebandButtons)
{
    const std::pair<std::vector<const char*>, bool> cases[] = {
        { {}, true },
        { { "optLower" }, false },
        { { "optUpper" }, false },
        { { "optLower", "optUpper" }, false },
        { { "optUpper", "optDouble" }, true },
        { { "optLower", "Option2", "optAudio3000" }, false },
        { { "optLower", "optUpper", "optDouble" }, true },
    };
    for (const auto& [choices, enabled] : cases) {
        SCOPED_TRACE(testing::PrintToString(choices));
        ASSERT_NO_FATAL_FAILURE(openSsb());
        Form& form = *window;
        ASSERT_NO_FATAL_FAILURE(click(form, "Option12"));
        for (const char* choice : choices)
            ASSERT_NO_FATAL_FAILURE(click(form, choice));
        for (int n = 9; n <= 16; ++n)
            EXPECT_EQ(form.control(QStringLiteral("Option%1").arg(n))->isEnabled(), enabled) << n;
        // The selection and the stored level stay; nothing else changes its state.
        EXPECT_EQ(checkedIn(form, "fraSuppression"), "Option12");
        EXPECT_EQ(SidebandLevel, -20.0f);
        for (const char* other : { "fraSuppression", "optAudio2000", "optLower", "Option1", "cmdExit" })
            EXPECT_TRUE(form.control(other)->isEnabled()) << other;
        closeAll();
    }
}

TEST_F(SsbWindowTest, ScaleStripLeavesNoEarlierTextBehind)
{
    ASSERT_NO_FATAL_FAILURE(openSsb());
    Form& form = *window;
    const QRect strip(5400 / 15, 400 / 15, 1000 / 15, 5100 / 15); // the gap between the panels
    const QImage once = form.canvas().image().copy(strip);
    form.canvas().setCurrentX(5530);
    form.canvas().setCurrentY(2000);
    form.canvas().print("-8");
    for (const char* choice : { "optAudio2000", "Option3", "optLower", "optDouble", "optAudio1000", "Option8" })
        ASSERT_NO_FATAL_FAILURE(click(form, choice));
    EXPECT_EQ(form.canvas().image().copy(strip), once);
}

// Back at the opening choices after others, the canvas is the one a freshly opened
// window shows, pixel for pixel: every panel is repainted, and the spectrum's wide pen
// never reaches the next redraw's thin trace.
TEST_F(SsbWindowTest, ReturningToTheOpeningChoicesRestoresEveryPixel)
{
    const std::vector<const char*> sequences[] = {
        { "Option1", "Option8" },
        { "optAudio3000", "Option3", "Option14", "optUpper", "optDouble", "Option9", "optAudio1000", "Option8" },
    };
    for (const double zoom : { 1.0, 3.0 }) {
        Presentation::setPixelsPerTwip(zoom / 15.0);
        ASSERT_NO_FATAL_FAILURE(openSsb());
        const QImage fresh = window->canvas().image().copy();
        closeAll();
        for (const auto& sequence : sequences) {
            SCOPED_TRACE(testing::Message() << "zoom " << zoom << ", " << testing::PrintToString(sequence));
            ASSERT_NO_FATAL_FAILURE(openSsb());
            for (const char* choice : sequence)
                ASSERT_NO_FATAL_FAILURE(click(*window, choice));
            EXPECT_EQ(window->canvas().image(), fresh);
            closeAll();
        }
    }
}

}
