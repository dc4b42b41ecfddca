#include "TestSupport.h"

#include <QImage>

using namespace modMain;

namespace {

// The four settings: audio kHz, mode, carrier level, unwanted-sideband level.
std::string settings()
{
    return FormatSingle(AudioKHz) + ' ' + std::to_string(SsbMode) + ' ' + FormatSingle(CarrierLevel) + ' '
        + FormatSingle(SidebandLevel);
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
    static Form& open() { return ProgramTest::open("cmdSSBenter"); }
};

TEST_F(SsbWindowTest, OpensWithTheDefaultChoices)
{
    Form& form = open();
    EXPECT_EQ(settings(), "1 2 -120 0");
    EXPECT_EQ((std::vector { checkedIn(form, "fraAudioFrequency"), checkedIn(form, "fraMode"),
                             checkedIn(form, "fraCarrier"), checkedIn(form, "fraSuppression") }),
              (std::vector<QString> { "optAudio1000", "optDouble", "Option8", "Option9" }));
}

TEST_F(SsbWindowTest, ChoicesStoreTheirSettingThenRedrawEnvelopeSpectrumAndScale)
{
    const std::pair<const char*, const char*> choices[] = {
        { "optAudio2000", "2 2 -120 0" }, { "optAudio3000", "3 2 -120 0" }, { "optLower", "1 -1 -120 0" },
        { "optUpper", "1 1 -120 0" },     { "Option1", "1 2 0 0" },         { "Option2", "1 2 -6 0" },
        { "Option3", "1 2 -12 0" },       { "Option4", "1 2 -20 0" },       { "Option5", "1 2 -30 0" },
        { "Option6", "1 2 -40 0" },       { "Option7", "1 2 -50 0" },       { "Option10", "1 2 -120 -6" },
        { "Option11", "1 2 -120 -12" },   { "Option12", "1 2 -120 -20" },   { "Option13", "1 2 -120 -30" },
        { "Option14", "1 2 -120 -40" },   { "Option15", "1 2 -120 -50" },   { "Option16", "1 2 -120 -120" },
    };
    for (const auto& [option, stored] : choices) {
        SCOPED_TRACE(option);
        Form& form = open();
        const std::size_t before = form.opLog()->size();
        click(form, option);
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
TEST_F(SsbWindowTest, OnlyDoubleSidebandEnablesTheUnwantedSidebandButtons)
{
    const std::pair<std::vector<const char*>, bool> cases[] = {
        { {}, true }, { { "optLower" }, false }, { { "optUpper" }, false }, { { "optLower", "optUpper" }, false },
        { { "optUpper", "optDouble" }, true }, { { "optLower", "Option2", "optAudio3000" }, false },
        { { "optLower", "optUpper", "optDouble" }, true },
    };
    for (const auto& [choices, enabled] : cases) {
        SCOPED_TRACE(testing::PrintToString(choices));
        Form& form = open();
        click(form, "Option12");
        for (const char* choice : choices)
            click(form, choice);
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
    Form& form = open();
    const QRect strip(5400 / 15, 400 / 15, 1000 / 15, 5100 / 15); // the gap between the panels
    const QImage once = form.canvas().image().copy(strip);
    form.surface().setCurrentX(5530);
    form.surface().setCurrentY(2000);
    form.surface().print("-8");
    for (const char* choice : { "optAudio2000", "Option3", "optLower", "optDouble", "optAudio1000", "Option8" })
        click(form, choice);
    EXPECT_EQ(form.canvas().image().copy(strip), once);
}

}
