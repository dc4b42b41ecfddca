#include "TestSupport.h"
#include "tools/RenderTool.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QRadioButton>
#include <QTemporaryDir>

#include <algorithm>
#include <sstream>

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
    Form& open()
    {
        click(start(), "cmdAMenter");
        return *Form::loadedForms().back();
    }

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

    static void press(Qt::Key key)
    {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &down);
    }
};

TEST_F(AmWindowTest, LoadsWithTitlesThenDrawsTheDefaultChoices)
{
    Form& am = open();
    EXPECT_EQ(am.windowTitle(), "AM plots");
    EXPECT_EQ(am.size(), QSize(800, 600));
    EXPECT_TRUE(am.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(settings(), "1 1 0 1 0"); // the menu had left the depth at 1.2

    std::ostringstream head;
    am.opLog()->write(head);
    EXPECT_TRUE(head.str().starts_with("scale 12000 9000\n"
                                       "text 400 100 bold 9.75 \"Transmitted signal envelope\"\n"
                                       "text 4300 100 bold 9.75 \"Transmitted signal spectrum\"\n"
                                       "text 8300 100 bold 9.75 \"Envelope demodulator output\"\n"
                                       "fill 300 500 3700 5500 575757\n"));
    const auto drawn = panels(am, 0); // drawn once
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[1].front(), "fill 4100 500 7300 5500 575757");
    EXPECT_EQ(drawn[2].front(), "fill 8000 500 11600 5500 575757");
    EXPECT_EQ(std::count(drawn[1].begin(), drawn[1].end(), "line 5400 2994.301 5400 5400 A0FFFF 3"), 1);
}

TEST_F(AmWindowTest, FramesHoldTheirOptionButtonsAsDesigned)
{
    Form& am = open();
    // In pixels of 15 twips; option buttons at left 120 and 300 apart in their frames.
    const struct {
        const char* frame;
        QRect geometry;
        int optionWidth;
        std::vector<QString> options;
        const char* selected;
    } frames[] = {
        { "fraAudioFrequency", { 20, 413, 153, 92 }, 100, { "optAudio1000", "optAudio2000", "optAudio3000" },
          "optAudio1000" },
        { "fraModulationPercent", { 183, 413, 113, 167 }, 100,
          { "optModulation0", "optModulation10", "optModulation25", "optModulation50", "optModulation100",
            "optModulation120", "optModulation140" },
          "optModulation100" },
        { "fraYaxis", { 333, 413, 153, 73 }, 120, { "optLinear", "optLog" }, "optLinear" },
        { "fraClipper", { 20, 507, 153, 73 }, 100, { "optClipperOff", "optClipperOn" }, "optClipperOff" },
        { "fraDemodulator", { 533, 413, 161, 73 }, 120, { "Option1", "Option2" }, "Option1" },
    };
    for (const auto& f : frames) {
        QWidget* frame = am.control(f.frame);
        ASSERT_NE(frame, nullptr) << f.frame;
        EXPECT_EQ(frame->geometry(), f.geometry) << f.frame;
        EXPECT_TRUE(frame->font().bold());
        const auto options = frame->findChildren<QRadioButton*>();
        ASSERT_EQ(options.size(), qsizetype(f.options.size())) << f.frame;
        for (int i = 0; i < options.size(); ++i) {
            EXPECT_EQ(options[i]->objectName(), f.options[std::size_t(i)]);
            EXPECT_EQ(options[i]->geometry(), QRect(8, 20 * (i + 1), f.optionWidth, 20));
            EXPECT_EQ(options[i]->isChecked(), options[i]->objectName() == f.selected);
            EXPECT_FALSE(options[i]->font().bold());
        }
    }
    EXPECT_EQ(qobject_cast<QGroupBox*>(am.control("fraYaxis"))->title(), "Y-axis ");
    EXPECT_EQ(am.control("cmdExit")->geometry(), QRect(533, 533, 80, 25));
    EXPECT_EQ(am.control("cmdExit")->property("tavinelPoints").toDouble(), 9.6000003814697266);
}

struct Choice {
    const char* button;
    const char* settings;
    const char* changed; // the panels that change: envelope, spectrum, demodulator output
};

class AmChoices : public AmWindowTest, public testing::WithParamInterface<Choice> {};

TEST_P(AmChoices, StoreTheSettingThenRedrawAllThreePanels)
{
    Form& am = open();
    EXPECT_EQ(settings(), "1 1 0 1 0");
    const auto before = panels(am, 0);
    const std::size_t logged = am.opLog()->size();
    click(am, GetParam().button);
    EXPECT_EQ(settings(), GetParam().settings);
    const auto after = panels(am, logged);
    ASSERT_EQ(after.size(), 3u);
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

TEST_F(AmWindowTest, ExitAndTheCloseBoxEndTheProgram)
{
    click(open(), "cmdExit");
    EXPECT_TRUE(Program::ended());
    EXPECT_TRUE(Form::loadedForms().empty());

    Program::reset();
    open().closeByUser();
    EXPECT_TRUE(Program::ended());
    EXPECT_TRUE(Form::loadedForms().empty());

    Program::reset();
    open().unload(); // closed by the program: no reason to end it
    EXPECT_FALSE(Program::ended());
}

TEST_F(AmWindowTest, RenderToolDrawsTheWindowAfterAClick)
{
    std::ostringstream out, err;
    ASSERT_EQ(RenderTool::run({ "--ops", "-", "am", "click:optLog" }, out, err), 0) << err.str();
    const std::string ops = out.str();
    EXPECT_TRUE(ops.starts_with("scale 12000 9000\n"));
    const auto redraw = ops.rfind("fill 4100 500 7300 5500 575757\n");
    ASSERT_NE(redraw, std::string::npos);
    EXPECT_NE(ops.find("line 5400 1214.4 5400 5400 A0FFFF 3", redraw), std::string::npos);
    EXPECT_NE(ops.find("text 7320 5300 regular 9.75 \"-50dB\"", redraw), std::string::npos);

    QTemporaryDir folder;
    const std::string file = folder.filePath("am.png").toStdString();
    ASSERT_EQ(RenderTool::run({ "--png", file, "am", "click:Option2" }, out, err), 0) << err.str();
    const QImage picture(QString::fromStdString(file));
    ASSERT_EQ(picture.size(), QSize(800, 600));
    EXPECT_EQ(picture.pixelColor(380, 100), QColor(0xA0, 0xFF, 0xFF)); // the carrier at x 5700
    EXPECT_EQ(picture.pixelColor(400, 4), QColor(Qt::white));
}

}
