// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramTest.h"

#include "core/PlotData.h"
#include "core/PlotSource.h"
#include "surface/Translations.h"
#include "tools/RenderTool.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

#include <cmath>
#include <sstream>

namespace {

// The windows in each language: every text fits its control and its place at the design
// size, and the figures stay those of English.
class TranslationTest : public ProgramTest, public testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Translations::use(GetParam()));
        ProgramTest::SetUp();
    }
    void TearDown() override
    {
        ProgramTest::TearDown();
        Translations::use("en");
    }
};

// How much wider than its place a caption is, in pixels (0 where it fits): beside an option
// button's marker, within a frame's or a button's margins.
int overflow(QWidget& control)
{
    const QFontMetrics metrics(control.font());
    if (auto* option = qobject_cast<QRadioButton*>(&control)) {
        QStyleOptionButton style;
        style.initFrom(option);
        const QRect text = option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
        return std::max(0, metrics.horizontalAdvance(option->text()) - text.width());
    }
    if (auto* button = qobject_cast<QPushButton*>(&control))
        return std::max(0, metrics.horizontalAdvance(button->text()) + 2 * metrics.averageCharWidth() - button->width());
    if (auto* frame = qobject_cast<QGroupBox*>(&control)) {
        // The caption's place as the style sets it over the frame's top edge, which it must
        // leave before the frame's right border.
        QStyleOptionGroupBox style;
        style.initFrom(frame);
        style.text = frame->title();
        style.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect title = frame->style()->subControlRect(QStyle::CC_GroupBox, &style, QStyle::SC_GroupBoxLabel, frame);
        return std::max(0, title.right() + 1 - (frame->width() - 1));
    }
    if (auto* label = qobject_cast<QLabel*>(&control))
        return std::max(0, metrics.horizontalAdvance(label->text()) - label->width());
    return 0;
}

}

TEST_P(TranslationTest, EveryCaptionAndPlotTitleFitsItsPlace)
{
    for (const char* button : { "", "cmdAMenter", "cmdSSBenter", "cmdFMenter" }) {
        SCOPED_TRACE(*button ? button : "menu");
        closeAll();
        Form* form = nullptr;
        if (*button) {
            ASSERT_NO_FATAL_FAILURE(open(button));
            form = window;
        } else {
            form = &start();
        }
        for (const Control& control : form->model().design().controls) {
            QWidget* widget = form->control(QString::fromStdString(control.name));
            ASSERT_NE(widget, nullptr) << control.name;
            EXPECT_EQ(overflow(*widget), 0) << control.name << " \"" << control.caption << "\" in "
                                            << widget->width() << " px";
        }
        PlotSource* plots = form->model().plots();
        if (!plots)
            continue;
        // A title runs from its left end to the panel's right edge, in the window's bold font
        // at 15 twips a pixel.
        QFont bold = form->font();
        bold.setBold(true);
        const QFontMetricsF metrics(bold);
        for (const PlotPanel& panel : plots->plotPanels()) {
            const double widthTwips = metrics.horizontalAdvance(QString::fromStdString(panel.title)) * 15.0;
            EXPECT_LE(widthTwips, panel.area.right - panel.titleLeft) << panel.title;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TranslationTest, testing::Values("en", "de", "fr", "es", "pt_BR"));

namespace {

struct Rendered {
    int status;
    std::string out, err;
};

Rendered render(std::vector<std::string> arguments)
{
    std::ostringstream out, err;
    const int status = RenderTool::run(arguments, out, err);
    return { status, out.str(), err.str() };
}

// The drawing operations without their texts.
std::string figures(const std::string& ops)
{
    std::istringstream lines(ops);
    std::string figure, line;
    while (std::getline(lines, line))
        if (!line.starts_with("text "))
            figure += line + '\n';
    return figure;
}

}

TEST(RenderLanguageTest, TextsChangeWithTheLanguageAndNothingElseDoes)
{
    struct Case {
        std::vector<std::string> window;
        const char* englishCaption;
    };
    const Case cases[] = {
        { { "am", "click:optLog", "click:optModulation120", "click:Option2" }, "\"Log (decibels)\"" },
        { { "ssb", "click:optUpper", "click:Option1" }, "\"Ideal upper sideband\"" },
        { { "fm", "type:txtPeakDeviation=7.215k", "click:cmdDisplay" }, "\"Update\"" },
        { { "opening" }, "\"Amplitude modulation\"" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window.front());
        std::vector<std::string> english { "--ops", "-" };
        english.insert(english.end(), c.window.begin(), c.window.end());
        const Rendered englishOps = render(english);
        ASSERT_EQ(englishOps.status, 0) << englishOps.err;
        for (const char* language : { "de", "fr", "es", "pt_BR" }) {
            SCOPED_TRACE(language);
            std::vector<std::string> arguments { "--lang", language };
            arguments.insert(arguments.end(), english.begin(), english.end());
            const Rendered ops = render(arguments);
            ASSERT_EQ(ops.status, 0) << ops.err;
            EXPECT_EQ(figures(ops.out), figures(englishOps.out));
            arguments[2] = "--controls";
            const Rendered controls = render(arguments);
            EXPECT_EQ(controls.out.find(c.englishCaption), std::string::npos) << controls.out;
            if (c.window.front() != "opening") {
                arguments[2] = c.window.front() == "ssb" ? "--trace-csv" : "--lines-csv";
                const std::vector<std::string> table(arguments.begin() + 2, arguments.end());
                EXPECT_EQ(render(arguments).out, render(table).out) << "tables keep their columns and points";
            }
        }
        // The render tool speaks English unless told otherwise, whatever the last run said.
        EXPECT_EQ(render(english).out, englishOps.out);
    }
    const Rendered unknown = render({ "--lang", "xx", "--ops", "-", "am" });
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("no translation into 'xx'"), std::string::npos) << unknown.err;
}

TEST(ReadoutLanguageTest, NumbersInReadoutsTakeTheLanguagesDecimalSeparator)
{
    SpectrumLine line;
    line.offsetHz = 1000;
    line.amplitude = 0.479;
    line.exactAmplitude = 0.5;
    const struct {
        const char* language;
        std::string readout;
    } cases[] = {
        { "en", "+1 kHz \u00B7 0.479 \u00B7 \u22126.39 dB drawn \u00B7 0.500 \u00B7 \u22126.02 dB exact" },
        { "de", "+1 kHz \u00B7 0,479 \u00B7 \u22126,39 dB" },
        { "fr", "+1 kHz \u00B7 0,479 \u00B7 \u22126,39 dB" },
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Translations::use(c.language));
        EXPECT_TRUE(lineReadout(line, std::nan("")).starts_with(c.readout)) << lineReadout(line, std::nan(""));
        EXPECT_EQ(fixedReadout(-2.5, 1), c.language == std::string("en") ? "\u22122.5" : "\u22122,5");
    }
    Translations::use("en");
    EXPECT_EQ(lineReadout(line, std::nan("")), cases[0].readout);
}

// The FM window's limit message writes its figures as the language writes numbers.
TEST(MessageLanguageTest, TheIndexLimitWritesItsFiguresWithTheLanguagesSeparator)
{
    const struct {
        const char* language;
        const char* rate;
    } cases[] = { { "en", "3333.333" }, { "de", "3333,333" }, { "fr", "3333,333" }, { "es", "3333,333" }, { "pt_BR", "3333,333" } };
    for (const auto& c : cases) {
        const Rendered ops = render({ "--lang", c.language, "--ops", "-", "fm", "type:txtPeakDeviation=50k", "click:cmdDisplay" });
        ASSERT_EQ(ops.status, 0) << ops.err;
        const std::size_t message = ops.out.find("message ");
        ASSERT_NE(message, std::string::npos) << c.language;
        EXPECT_NE(ops.out.find(c.rate, message), std::string::npos) << c.language << ": " << ops.out.substr(message);
        EXPECT_NE(ops.out.find("50000", message), std::string::npos) << c.language;
    }
}

TEST(ToolkitLanguageTest, QtsOwnDialogsSpeakTheProgramsLanguage)
{
    ASSERT_TRUE(Translations::use("de"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    ASSERT_TRUE(Translations::use("en"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}
