#include "TestSupport.h"

#include <QGroupBox>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

using namespace modMain;

namespace {

// The SSB window opened from the menu, as a user opens it.
class SsbWindowTest : public ProgramTest {
protected:
    Form& open()
    {
        click(start(), "cmdSSBenter");
        const auto forms = Form::loadedForms();
        EXPECT_EQ(forms.size(), 1u);
        return *forms.back();
    }

    static QRadioButton* option(Form& form, const QString& name)
    {
        return qobject_cast<QRadioButton*>(form.control(name));
    }

    static QString checkedIn(Form& form, const char* frame)
    {
        for (QRadioButton* button : form.control(frame)->findChildren<QRadioButton*>())
            if (button->isChecked())
                return button->objectName();
        return {};
    }

    // The fills of the three routines of a redraw from index `first` on.
    static std::vector<DrawOp> fillsFrom(const Form& form, std::size_t first)
    {
        const auto& ops = form.opLog()->ops();
        return opsOfKind({ ops.begin() + std::ptrdiff_t(first), ops.end() }, DrawOp::Kind::Fill);
    }
};

bool sameBox(const DrawOp& op, float x1, float y1, float x2, float y2)
{
    return op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2;
}

bool isEnvelopeFill(const DrawOp& op) { return sameBox(op, 6400, 500, 11600, 5500); }
bool isSpectrumFill(const DrawOp& op) { return sameBox(op, 300, 500, 5500, 5500); }
bool isScaleFill(const DrawOp& op) { return sameBox(op, 5520, 480, 6300, 5500); }

TEST_F(SsbWindowTest, OpensWithTheDefaultChoicesAndSettings)
{
    AudioKHz = 3; // whatever the settings held, the load puts mode and levels back
    SsbMode = -1;
    CarrierLevel = 0;
    SidebandLevel = -50;
    Form& form = open();
    EXPECT_EQ(form.windowTitle(), "SSB plots");
    EXPECT_EQ(form.size(), QSize(800, 600));
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(checkedIn(form, "fraAudioFrequency"), "optAudio1000");
    EXPECT_EQ(checkedIn(form, "fraMode"), "optDouble");
    EXPECT_EQ(checkedIn(form, "fraCarrier"), "Option8");
    EXPECT_EQ(checkedIn(form, "fraSuppression"), "Option9");
    EXPECT_EQ(AudioKHz, 1.0f); // from start-up, not from the window
    EXPECT_EQ(SsbMode, 2);
    EXPECT_EQ(CarrierLevel, -120.0f);
    EXPECT_EQ(SidebandLevel, 0.0f);
}

TEST_F(SsbWindowTest, LoadSetsTheScaleWritesTheTitlesThenDrawsBothPlots)
{
    Presentation::setScreenTwips(15360, 11520);
    Form& form = open();
    const auto& ops = form.opLog()->ops();
    ASSERT_GT(ops.size(), 40019u);
    EXPECT_EQ(ops[0].kind, DrawOp::Kind::Scale);
    EXPECT_EQ(ops[0].x1, 9375);
    EXPECT_EQ(ops[0].y1, 7031.25f);
    ASSERT_EQ(ops[1].kind, DrawOp::Kind::Text);
    EXPECT_EQ(ops[1].text, "Transmitted signal spectrum");
    EXPECT_EQ(ops[1].x1, 1000);
    EXPECT_EQ(ops[1].y1, 100);
    EXPECT_TRUE(ops[1].bold);
    EXPECT_EQ(ops[2].text, "Transmitted signal envelope");
    EXPECT_EQ(ops[2].x1, 7000);
    EXPECT_TRUE(ops[2].bold);
    EXPECT_TRUE(isEnvelopeFill(ops[3]));

    const auto fills = fillsFrom(form, 0);
    ASSERT_EQ(fills.size(), 3u);
    EXPECT_TRUE(isSpectrumFill(fills[1]));
    EXPECT_TRUE(isScaleFill(fills[2]));
    for (const DrawOp& text : opsOfKind(ops, DrawOp::Kind::Text))
        if (text.text != ops[1].text && text.text != ops[2].text)
            EXPECT_FALSE(text.bold) << text.text;
    EXPECT_EQ(form.surface().lineWidth(), 1);
}

struct ControlCase {
    const char* name;
    QRect geometry; // pixels at 15 twips a pixel, relative to the parent
    const char* caption;
};

class SsbControls : public SsbWindowTest, public testing::WithParamInterface<ControlCase> {};

TEST_P(SsbControls, StandWhereTheLayoutPutsThem)
{
    Form& form = open();
    QWidget* control = form.control(GetParam().name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), GetParam().geometry);
    if (auto* frame = qobject_cast<QGroupBox*>(control))
        EXPECT_EQ(frame->title(), GetParam().caption);
    else
        EXPECT_EQ(qobject_cast<QAbstractButton*>(control)->text(), GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(
    Layout, SsbControls,
    testing::Values(ControlCase { "fraAudioFrequency", QRect(20, 400, 193, 92), "Audio frequency" },
                    ControlCase { "fraMode", QRect(20, 499, 193, 92), "Mode" },
                    ControlCase { "fraCarrier", QRect(220, 400, 113, 190), "Carrier" },
                    ControlCase { "fraSuppression", QRect(340, 400, 185, 190), "Unwanted sideband" },
                    ControlCase { "cmdExit", QRect(600, 533, 80, 25), "Exit" },
                    ControlCase { "optAudio3000", QRect(8, 60, 100, 20), "3000 Hz" },
                    ControlCase { "optUpper", QRect(8, 60, 173, 20), "Ideal upper sideband" },
                    ControlCase { "Option1", QRect(8, 20, 80, 20), "0 dB (full)" },
                    ControlCase { "Option8", QRect(8, 160, 80, 20), "-120 (off)" },
                    ControlCase { "Option9", QRect(8, 20, 128, 20), "0 dB (full DSB)" },
                    ControlCase { "Option12", QRect(8, 80, 80, 20), "-20" },
                    ControlCase { "Option16", QRect(8, 160, 128, 20), "-120 (full SSB)" }));

TEST_F(SsbWindowTest, ExitFontFollowsTheScreenWidth)
{
    Presentation::setScreenTwips(15360, 11520);
    Form& form = open();
    EXPECT_DOUBLE_EQ(form.control("cmdExit")->property("tavinelPoints").toDouble(),
                     double(float(15360 * 0.0008)));
    EXPECT_TRUE(form.control("cmdExit")->font().bold());
    EXPECT_TRUE(form.control("fraCarrier")->font().bold());
    EXPECT_FALSE(form.control("optAudio2000")->font().bold());
}

TEST_F(SsbWindowTest, FocusStartsOnExitAndFollowsTheDesignOrder)
{
    Form& form = open();
    form.activateWindow();
    QWidget* exit = form.control("cmdExit");
    EXPECT_EQ(form.focusWidget(), exit);
    std::vector<QString> order;
    for (QWidget* widget = exit->nextInFocusChain(); widget != exit && order.size() < 30;
         widget = widget->nextInFocusChain())
        if (widget->focusPolicy() & Qt::TabFocus)
            order.push_back(widget->objectName());
    std::vector<QString> expected { "optAudio3000", "optAudio2000", "optAudio1000",
                                    "optDouble",    "optLower",     "optUpper" };
    for (int n = 1; n <= 16; ++n)
        expected.push_back(QStringLiteral("Option%1").arg(n));
    EXPECT_EQ(order, expected);
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
    EXPECT_TRUE(option(form, GetParam().option)->isChecked());

    const auto fills = fillsFrom(form, before);
    ASSERT_EQ(fills.size(), 3u);
    EXPECT_TRUE(isEnvelopeFill(fills[0]));
    EXPECT_TRUE(isSpectrumFill(fills[1]));
    EXPECT_TRUE(isScaleFill(fills[2]));
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

TEST_F(SsbWindowTest, ChoosingTheSelectedButtonAgainChangesNothing)
{
    Form& form = open();
    const std::size_t before = form.opLog()->size();
    click(form, "optAudio1000");
    click(form, "optDouble");
    EXPECT_EQ(form.opLog()->size(), before);
}

TEST_F(SsbWindowTest, ChoosingSwitchesTheOtherButtonsOfTheFrameOff)
{
    Form& form = open();
    click(form, "Option3");
    click(form, "optAudio3000");
    EXPECT_EQ(checkedIn(form, "fraCarrier"), "Option3");
    EXPECT_FALSE(option(form, "Option8")->isChecked());
    EXPECT_EQ(checkedIn(form, "fraAudioFrequency"), "optAudio3000");
    EXPECT_EQ(checkedIn(form, "fraMode"), "optDouble"); // frames are separate groups
}

// Which of Option9 to Option16 are enabled after a series of choices.
struct EnablingCase {
    std::vector<const char*> choices;
    bool enabled;
    std::int16_t mode;
};

class SsbEnabling : public SsbWindowTest, public testing::WithParamInterface<EnablingCase> {};

TEST_P(SsbEnabling, OnlyDoubleSidebandEnablesTheUnwantedSidebandButtons)
{
    Form& form = open();
    click(form, "Option12");
    for (const char* choice : GetParam().choices)
        click(form, choice);
    for (int n = 9; n <= 16; ++n)
        EXPECT_EQ(option(form, QStringLiteral("Option%1").arg(n))->isEnabled(), GetParam().enabled) << n;
    EXPECT_EQ(SsbMode, GetParam().mode);
    // The selection and the stored level stay, and nothing else changes its state.
    EXPECT_EQ(checkedIn(form, "fraSuppression"), "Option12");
    EXPECT_EQ(SidebandLevel, -20.0f);
    EXPECT_TRUE(form.control("fraSuppression")->isEnabled());
    for (const char* other : { "optAudio2000", "optLower", "Option1", "cmdExit" })
        EXPECT_TRUE(form.control(other)->isEnabled()) << other;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, SsbEnabling,
    testing::Values(EnablingCase { {}, true, 2 }, EnablingCase { { "optLower" }, false, -1 },
                    EnablingCase { { "optUpper" }, false, 1 },
                    EnablingCase { { "optLower", "optUpper" }, false, 1 },
                    EnablingCase { { "optUpper", "optDouble" }, true, 2 },
                    EnablingCase { { "optLower", "Option2", "optAudio3000" }, false, -1 },
                    EnablingCase { { "optLower", "optUpper", "optDouble" }, true, 2 }));

TEST_F(SsbWindowTest, RetainedSidebandLevelTakesEffectAgainInDoubleSideband)
{
    Form& form = open();
    click(form, "Option11"); // -12 dB: the lower sideband stands at 2328
    click(form, "optLower");
    click(form, "Option16"); // a disabled button cannot be chosen
    EXPECT_EQ(SidebandLevel, -12.0f);
    const std::size_t before = form.opLog()->size();
    click(form, "optDouble");
    std::vector<DrawOp> sidebands;
    for (std::size_t i = before; i < form.opLog()->size(); ++i) {
        const DrawOp& op = form.opLog()->ops()[i];
        if (op.kind == DrawOp::Kind::Line && op.width == 3)
            sidebands.push_back(op);
    }
    ASSERT_EQ(sidebands.size(), 2u);
    EXPECT_EQ(sidebands[0].x1, 2400);
    EXPECT_FLOAT_EQ(sidebands[0].y1, 2328);
    EXPECT_EQ(sidebands[1].x1, 3400);
    EXPECT_FLOAT_EQ(sidebands[1].y1, 1176);
}

TEST_F(SsbWindowTest, ScaleStripShowsOnlyTheLatestLabels)
{
    Form& form = open();
    const QRect strip(5400 / 15, 400 / 15, (6400 - 5400) / 15, (5600 - 400) / 15); // the gap between the panels
    const QImage once = form.canvas().image().copy(strip);

    // Scribble in the strip, then redraw a few times.
    form.surface().setCurrentX(5530);
    form.surface().setCurrentY(2000);
    form.surface().print("-8");
    for (const char* choice : { "optAudio2000", "Option3", "optLower", "optDouble", "optAudio1000", "Option8" })
        click(form, choice);
    const QImage now = form.canvas().image().copy(strip);
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x)
            if (now.pixel(x, y) != once.pixel(x, y))
                ADD_FAILURE() << "pixel " << strip.x() + x << ", " << strip.y() + y;
}

TEST_F(SsbWindowTest, ExitEndsTheProgram)
{
    Form& form = open();
    click(form, "cmdExit");
    EXPECT_TRUE(Program::ended());
    EXPECT_TRUE(Form::loadedForms().empty());
}

TEST_F(SsbWindowTest, ClosingTheWindowLeavesNoWindowOpen)
{
    Form& form = open();
    form.closeByUser();
    EXPECT_TRUE(Form::loadedForms().empty());
}

}

namespace {

void pressKey(QWidget* widget, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
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
    pressKey(audio1000, Qt::Key_Down);
    EXPECT_EQ(checkedIn(form, "fraAudioFrequency"), "optAudio2000");
    EXPECT_EQ(AudioKHz, 2.0f);
    EXPECT_EQ(checkedIn(form, "fraMode"), "optDouble");
    EXPECT_EQ(SsbMode, 2);
}

}
