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

class AmWindowTest : public ProgramTest {
protected:
    Form& open()
    {
        click(start(), "cmdAMenter");
        return *Form::loadedForms().back();
    }

    // The operations of one redraw from the log index `first` on, split by panel: the
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

    static std::size_t firstPanelBox(const Form& form)
    {
        const auto& ops = form.opLog()->ops();
        return std::size_t(std::find_if(ops.begin(), ops.end(), [](const DrawOp& op) {
                               return op.kind == DrawOp::Kind::Fill;
                           }) - ops.begin());
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
    EXPECT_EQ(ModDepth, 1.0f); // the menu had left 1.2
    EXPECT_EQ(AudioKHz, 1.0f);
    EXPECT_EQ(YAxisMode, 1);
    EXPECT_EQ(DemodType, 0);

    std::ostringstream head;
    am.opLog()->write(head);
    EXPECT_TRUE(head.str().starts_with("scale 12000 9000\n"
                                       "text 400 100 bold 9.75 \"Transmitted signal envelope\"\n"
                                       "text 4300 100 bold 9.75 \"Transmitted signal spectrum\"\n"
                                       "text 8300 100 bold 9.75 \"Envelope demodulator output\"\n"
                                       "fill 300 500 3700 5500 575757\n"));
    const auto drawn = panels(am, firstPanelBox(am));
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[1].front(), "fill 4100 500 7300 5500 575757");
    EXPECT_EQ(drawn[2].front(), "fill 8000 500 11600 5500 575757");
    EXPECT_NE(std::find(drawn[1].begin(), drawn[1].end(), "line 5400 2994.301 5400 5400 A0FFFF 3"),
              drawn[1].end());
}

TEST_F(AmWindowTest, ControlsAsDesigned)
{
    Form& am = open();
    // Twips at 15 a pixel; option buttons relative to their frames.
    const struct {
        const char* name;
        const char* caption;
        const char* frame;
        QRect geometry;
        bool selected;
    } controls[] = {
        { "fraAudioFrequency", "Audio frequency", "frmAMplot", { 20, 413, 153, 92 }, false },
        { "optAudio1000", "1000 Hz", "fraAudioFrequency", { 8, 20, 100, 20 }, true },
        { "optAudio3000", "3000 Hz", "fraAudioFrequency", { 8, 60, 100, 20 }, false },
        { "fraModulationPercent", "Modulation", "frmAMplot", { 183, 413, 113, 167 }, false },
        { "optModulation0", "None", "fraModulationPercent", { 8, 20, 100, 20 }, false },
        { "optModulation100", "100%", "fraModulationPercent", { 8, 100, 100, 20 }, true },
        { "optModulation140", "140%", "fraModulationPercent", { 8, 140, 100, 20 }, false },
        { "fraYaxis", "Y-axis ", "frmAMplot", { 333, 413, 153, 73 }, false },
        { "optLinear", "Linear (volts)", "fraYaxis", { 8, 20, 120, 20 }, true },
        { "optLog", "Log (decibels)", "fraYaxis", { 8, 40, 120, 20 }, false },
        { "fraClipper", "Modulation clipper", "frmAMplot", { 20, 507, 153, 73 }, false },
        { "optClipperOff", "Off", "fraClipper", { 8, 20, 100, 20 }, true },
        { "optClipperOn", "On", "fraClipper", { 8, 40, 100, 20 }, false },
        { "fraDemodulator", "Demodulator type", "frmAMplot", { 533, 413, 161, 73 }, false },
        { "Option1", "Ideal", "fraDemodulator", { 8, 20, 120, 20 }, true },
        { "Option2", "Diode", "fraDemodulator", { 8, 40, 120, 20 }, false },
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.name);
        QWidget* control = am.control(c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->parentWidget()->objectName(), c.frame);
        EXPECT_EQ(control->geometry(), c.geometry);
        if (auto* option = qobject_cast<QRadioButton*>(control)) {
            EXPECT_EQ(option->text(), c.caption);
            EXPECT_EQ(option->isChecked(), c.selected);
            EXPECT_FALSE(option->font().bold());
        } else {
            EXPECT_EQ(qobject_cast<QGroupBox*>(control)->title(), c.caption);
            EXPECT_TRUE(control->font().bold());
        }
    }
    EXPECT_EQ(am.control("cmdExit")->geometry(), QRect(533, 533, 80, 25));
}

TEST_F(AmWindowTest, ExitFontFollowsTheScreenWidth)
{
    for (const auto& [width, points] : { std::pair { 12000.0f, 9.6000003814697266 },
                                         std::pair { 15360.0f, 12.288000106811523 } }) {
        closeAll();
        Presentation::setScreenTwips(width, width * 0.75f);
        Form& am = open();
        EXPECT_EQ(am.control("cmdExit")->property("tavinelPoints").toDouble(), points);
    }
}

struct Choice {
    const char* button;
    double (*setting)();
    double value;
    bool envelope, spectrum, demodulator; // which panels change
};

class AmChoices : public AmWindowTest, public testing::WithParamInterface<Choice> {};

TEST_P(AmChoices, StoreTheSettingThenRedrawAllThreePanels)
{
    const Choice& c = GetParam();
    Form& am = open();
    const auto before = panels(am, firstPanelBox(am));
    const std::size_t logged = am.opLog()->size();
    click(am, c.button);
    EXPECT_EQ(c.setting(), c.value);
    const auto after = panels(am, logged);
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(after[0] != before[0], c.envelope);
    EXPECT_EQ(after[1] != before[1], c.spectrum);
    EXPECT_EQ(after[2] != before[2], c.demodulator);
}

double audio() { return AudioKHz; }
double depth() { return ModDepth; }
double scale() { return YAxisMode; }
double clipper() { return ClipperOn; }
double demod() { return DemodType; }

INSTANTIATE_TEST_SUITE_P(
    Buttons, AmChoices,
    testing::Values(Choice { "optAudio2000", audio, 2, true, true, true },
                    Choice { "optAudio3000", audio, 3, true, true, true },
                    Choice { "optModulation0", depth, 0, true, true, true },
                    Choice { "optModulation10", depth, 0.1f, true, true, true },
                    Choice { "optModulation25", depth, 0.25f, true, true, true },
                    Choice { "optModulation50", depth, 0.5f, true, true, true },
                    Choice { "optModulation120", depth, 1.2f, true, true, true },
                    Choice { "optModulation140", depth, 1.4f, true, true, true },
                    Choice { "optLog", scale, 2, false, true, false },
                    Choice { "optClipperOn", clipper, 1, true, true, true },
                    Choice { "Option2", demod, 1, false, false, true }));

TEST_F(AmWindowTest, ChoosingTheDefaultsAgainRestoresThePicture)
{
    Form& am = open();
    const auto first = panels(am, firstPanelBox(am));
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
