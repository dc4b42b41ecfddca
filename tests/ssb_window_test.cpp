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

// The SSB window opened from the menu, as a user opens it.
class SsbWindowTest : public ProgramTest {
protected:
    static Form& open() { return ProgramTest::open("cmdSSBenter"); }
};

TEST_F(SsbWindowTest, OpensWithTheDefaultChoicesWhateverTheSettingsHeld)
{
    SsbMode = -1;
    CarrierLevel = 0;
    SidebandLevel = -50;
    Form& form = open();
    EXPECT_EQ(settings(), "1 2 -120 0");
    EXPECT_EQ((std::vector { checkedIn(form, "fraAudioFrequency"), checkedIn(form, "fraMode"),
                             checkedIn(form, "fraCarrier"), checkedIn(form, "fraSuppression") }),
              (std::vector<QString> { "optAudio1000", "optDouble", "Option8", "Option9" }));
}

struct ChoiceCase {
    const char* option;
    const char* settings;
};

class SsbChoices : public SsbWindowTest, public testing::WithParamInterface<ChoiceCase> {};

TEST_P(SsbChoices, StoreTheirSettingThenRedrawEnvelopeSpectrumAndScale)
{
    Form& form = open();
    const std::size_t before = form.opLog()->size();
    click(form, GetParam().option);
    EXPECT_EQ(settings(), GetParam().settings);
    const auto redrawn = opsSince(form, before);
    EXPECT_EQ(formatted(opsOfKind(redrawn, DrawOp::Kind::Fill)),
              (std::vector<std::string> { "fill 6400 500 11600 5500 575757", "fill 300 500 5500 5500 575757",
                                          "fill 5520 480 6300 5500 FFFFFF" }));
    EXPECT_EQ(redrawn.back().text, "-50dB");
}

INSTANTIATE_TEST_SUITE_P(
    Options, SsbChoices,
    testing::Values(ChoiceCase { "optAudio2000", "2 2 -120 0" }, ChoiceCase { "optAudio3000", "3 2 -120 0" },
                    ChoiceCase { "optLower", "1 -1 -120 0" }, ChoiceCase { "optUpper", "1 1 -120 0" },
                    ChoiceCase { "Option1", "1 2 0 0" }, ChoiceCase { "Option2", "1 2 -6 0" },
                    ChoiceCase { "Option3", "1 2 -12 0" }, ChoiceCase { "Option4", "1 2 -20 0" },
                    ChoiceCase { "Option5", "1 2 -30 0" }, ChoiceCase { "Option6", "1 2 -40 0" },
                    ChoiceCase { "Option7", "1 2 -50 0" }, ChoiceCase { "Option10", "1 2 -120 -6" },
                    ChoiceCase { "Option11", "1 2 -120 -12" }, ChoiceCase { "Option12", "1 2 -120 -20" },
                    ChoiceCase { "Option13", "1 2 -120 -30" }, ChoiceCase { "Option14", "1 2 -120 -40" },
                    ChoiceCase { "Option15", "1 2 -120 -50" }, ChoiceCase { "Option16", "1 2 -120 -120" }));

// Which of Option9 to Option16 are enabled after a series of choices.
struct EnablingCase {
    std::vector<const char*> choices;
    bool enabled;
};

class SsbEnabling : public SsbWindowTest, public testing::WithParamInterface<EnablingCase> {};

TEST_P(SsbEnabling, OnlyDoubleSidebandEnablesTheUnwantedSidebandButtons)
{
    Form& form = open();
    click(form, "Option12");
    for (const char* choice : GetParam().choices)
        click(form, choice);
    for (int n = 9; n <= 16; ++n)
        EXPECT_EQ(form.control(QStringLiteral("Option%1").arg(n))->isEnabled(), GetParam().enabled) << n;
    // The selection and the stored level stay; nothing else changes its state.
    EXPECT_EQ(checkedIn(form, "fraSuppression"), "Option12");
    EXPECT_EQ(SidebandLevel, -20.0f);
    for (const char* other : { "fraSuppression", "optAudio2000", "optLower", "Option1", "cmdExit" })
        EXPECT_TRUE(form.control(other)->isEnabled()) << other;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, SsbEnabling,
    testing::Values(EnablingCase { {}, true }, EnablingCase { { "optLower" }, false },
                    EnablingCase { { "optUpper" }, false }, EnablingCase { { "optLower", "optUpper" }, false },
                    EnablingCase { { "optUpper", "optDouble" }, true },
                    EnablingCase { { "optLower", "Option2", "optAudio3000" }, false },
                    EnablingCase { { "optLower", "optUpper", "optDouble" }, true }));

TEST_F(SsbWindowTest, RetainedSidebandLevelTakesEffectAgainInDoubleSideband)
{
    Form& form = open();
    click(form, "Option11"); // -12 dB: the lower sideband stands at 2328
    click(form, "optLower");
    click(form, "Option16"); // disabled: cannot be chosen
    EXPECT_EQ(SidebandLevel, -12.0f);
    const std::size_t before = form.opLog()->size();
    click(form, "optDouble");
    std::vector<std::string> sidebands;
    for (const DrawOp& op : traceLines(opsSince(form, before)))
        if (op.width == 3) // not the envelope's trace
            sidebands.push_back(OpLog::format(op));
    EXPECT_EQ(sidebands,
              (std::vector<std::string> { "line 2400 2328 2400 5400 A0FFFF 3", "line 3400 1176 3400 5400 A0FFFF 3" }));
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
