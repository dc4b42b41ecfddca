#include <QAbstractButton>
#include "TestSupport.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QRadioButton>

using namespace modMain;

namespace {

// The SSB window opened from the menu, as a user opens it.
class SsbWindowTest : public ProgramTest {
protected:
    Form& open()
    {
        click(start(), "cmdSSBenter");
        return *Form::loadedForms().back();
    }

    static QString checkedIn(Form& form, const char* frame)
    {
        for (QRadioButton* button : form.control(frame)->findChildren<QRadioButton*>())
            if (button->isChecked())
                return button->objectName();
        return {};
    }

    // The fills drawn from index `first` of the window's log on, as text.
    static std::vector<std::string> fillsFrom(const Form& form, std::size_t first)
    {
        std::vector<std::string> fills;
        for (std::size_t i = first; i < form.opLog()->size(); ++i)
            if (form.opLog()->ops()[i].kind == DrawOp::Kind::Fill)
                fills.push_back(OpLog::format(form.opLog()->ops()[i]));
        return fills;
    }

    const std::vector<std::string> redrawFills { "fill 6400 500 11600 5500 575757",
                                                 "fill 300 500 5500 5500 575757",
                                                 "fill 5520 480 6300 5500 FFFFFF" };
};

TEST_F(SsbWindowTest, OpensWithTheDefaultChoicesTitlesAndPlots)
{
    SsbMode = -1; // whatever the settings held, the load puts mode and levels back
    CarrierLevel = 0;
    SidebandLevel = -50;
    Form& form = open();
    EXPECT_EQ(form.windowTitle(), "SSB plots");
    EXPECT_EQ(form.size(), QSize(800, 600));
    EXPECT_EQ(checkedIn(form, "fraAudioFrequency"), "optAudio1000");
    EXPECT_EQ(checkedIn(form, "fraMode"), "optDouble");
    EXPECT_EQ(checkedIn(form, "fraCarrier"), "Option8");
    EXPECT_EQ(checkedIn(form, "fraSuppression"), "Option9");
    EXPECT_EQ(AudioKHz, 1.0f);
    EXPECT_EQ(SsbMode, 2);
    EXPECT_EQ(CarrierLevel, -120.0f);
    EXPECT_EQ(SidebandLevel, 0.0f);

    const auto& ops = form.opLog()->ops();
    EXPECT_EQ(OpLog::format(ops[0]), "scale 12000 9000");
    EXPECT_EQ(OpLog::format(ops[1]), "text 1000 100 bold 9.75 \"Transmitted signal spectrum\"");
    EXPECT_EQ(OpLog::format(ops[2]), "text 7000 100 bold 9.75 \"Transmitted signal envelope\"");
    EXPECT_EQ(fillsFrom(form, 0), redrawFills);
    EXPECT_FALSE(ops.back().bold);
}

TEST_F(SsbWindowTest, FocusStartsOnExitAndFollowsTheDesignOrder)
{
    Form& form = open();
    QWidget* exit = form.control("cmdExit");
    EXPECT_EQ(form.focusWidget(), exit);
    std::vector<QString> order;
    for (QWidget* widget = exit->nextInFocusChain(); widget != exit && order.size() < 30;
         widget = widget->nextInFocusChain())
        if (qobject_cast<QAbstractButton*>(widget))
            order.push_back(widget->objectName());
    std::vector<QString> expected { "optAudio3000", "optAudio2000", "optAudio1000", "optDouble", "optLower", "optUpper" };
    for (int n = 1; n <= 16; ++n)
        expected.push_back(QStringLiteral("Option%1").arg(n));
    EXPECT_EQ(order, expected);

    // Tab stops at the selected button of each frame only.
    std::vector<QString> tabStops;
    for (const QString& name : order)
        if (form.control(name)->focusPolicy() & Qt::TabFocus)
            tabStops.push_back(name);
    EXPECT_EQ(tabStops, (std::vector<QString> { "optAudio1000", "optDouble", "Option8", "Option9" }));
}

struct ChoiceCase {
    const char* option;
    float audioKHz;
    std::int16_t mode;
    float carrier, sideband;
};

class SsbChoices : public SsbWindowTest, public testing::WithParamInterface<ChoiceCase> {};

TEST_P(SsbChoices, StoreTheirSettingThenRedrawEnvelopeSpectrumAndScale)
{
    Form& form = open();
    const std::size_t before = form.opLog()->size();
    click(form, GetParam().option);
    EXPECT_EQ(AudioKHz, GetParam().audioKHz);
    EXPECT_EQ(SsbMode, GetParam().mode);
    EXPECT_EQ(CarrierLevel, GetParam().carrier);
    EXPECT_EQ(SidebandLevel, GetParam().sideband);
    EXPECT_EQ(fillsFrom(form, before), redrawFills);
    EXPECT_EQ(form.opLog()->ops().back().text, "-50dB");
}

INSTANTIATE_TEST_SUITE_P(
    Options, SsbChoices,
    testing::Values(ChoiceCase { "optAudio2000", 2, 2, -120, 0 }, ChoiceCase { "optAudio3000", 3, 2, -120, 0 },
                    ChoiceCase { "optLower", 1, -1, -120, 0 }, ChoiceCase { "optUpper", 1, 1, -120, 0 },
                    ChoiceCase { "Option1", 1, 2, 0, 0 }, ChoiceCase { "Option2", 1, 2, -6, 0 },
                    ChoiceCase { "Option3", 1, 2, -12, 0 }, ChoiceCase { "Option4", 1, 2, -20, 0 },
                    ChoiceCase { "Option5", 1, 2, -30, 0 }, ChoiceCase { "Option6", 1, 2, -40, 0 },
                    ChoiceCase { "Option7", 1, 2, -50, 0 }, ChoiceCase { "Option10", 1, 2, -120, -6 },
                    ChoiceCase { "Option11", 1, 2, -120, -12 }, ChoiceCase { "Option12", 1, 2, -120, -20 },
                    ChoiceCase { "Option13", 1, 2, -120, -30 }, ChoiceCase { "Option14", 1, 2, -120, -40 },
                    ChoiceCase { "Option15", 1, 2, -120, -50 }, ChoiceCase { "Option16", 1, 2, -120, -120 }));

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
    for (std::size_t i = before; i < form.opLog()->size(); ++i)
        if (form.opLog()->ops()[i].width == 3)
            sidebands.push_back(OpLog::format(form.opLog()->ops()[i]));
    EXPECT_EQ(sidebands, (std::vector<std::string> { "line 2400 2328 2400 5400 A0FFFF 3",
                                                     "line 3400 1176 3400 5400 A0FFFF 3" }));
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

TEST_F(SsbWindowTest, ArrowKeysChooseWithinOneFrame)
{
    Form& form = open();
    form.activateWindow();
    QWidget* audio1000 = form.control("optAudio1000");
    audio1000->setFocus();
    for (int i = 0; i < 20 && QApplication::focusWidget() != audio1000; ++i)
        QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), audio1000);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(audio1000, &down);
    EXPECT_EQ(checkedIn(form, "fraAudioFrequency"), "optAudio2000");
    EXPECT_EQ(AudioKHz, 2.0f);
    EXPECT_EQ(checkedIn(form, "fraMode"), "optDouble");
}

}
