#include "TestSupport.h"

#include "fm/frmFMplot.h"
#include "tools/RenderTool.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <sstream>

namespace {

class FmWindowTest : public ProgramTest {
protected:
    // Starts the program and chooses "Frequency modulation" in the menu.
    Form& openFm()
    {
        click(start(), "cmdFMenter");
        const auto forms = Form::loadedForms();
        EXPECT_EQ(forms.size(), 1u);
        return *forms.back();
    }

    static void type(Form& form, const char* box, const std::string& text)
    {
        auto* edit = qobject_cast<QLineEdit*>(form.control(box));
        ASSERT_NE(edit, nullptr) << box;
        edit->setText(QString::fromStdString(text));
    }

    static QString boxText(Form& form, const char* box)
    {
        return qobject_cast<QLineEdit*>(form.control(box))->text();
    }

    // The operations an Update added to the window's log.
    static std::vector<DrawOp> update(Form& form)
    {
        const std::size_t before = form.opLog()->size();
        click(form, "cmdDisplay");
        const auto& ops = form.opLog()->ops();
        return { ops.begin() + std::ptrdiff_t(before), ops.end() };
    }

    static std::vector<std::string> lines(const std::string& message)
    {
        std::vector<std::string> found;
        std::size_t start = 0;
        for (std::size_t end; (end = message.find("\r\n", start)) != std::string::npos; start = end + 2)
            found.push_back(message.substr(start, end - start));
        found.push_back(message.substr(start));
        return found;
    }
};

TEST_F(FmWindowTest, OpensWithItsCaptionBoxesAndButtonsAndDrawsNothing)
{
    Form& fm = openFm();
    EXPECT_EQ(fm.windowTitle(), "Form1");
    EXPECT_FALSE(fm.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(fm.size(), QSize(792, 566)); // 11880 x 8490 twips
    EXPECT_EQ(fm.surface().scaleWidth(), 12000);
    EXPECT_EQ(fm.surface().scaleHeight(), 9000);

    EXPECT_EQ(boxText(fm, "txtModulatingFrequency"), "3k");
    EXPECT_EQ(boxText(fm, "txtPeakDeviation"), "3k");
    EXPECT_EQ(boxText(fm, "txtPlotWidth"), "25k");
    EXPECT_EQ(boxText(fm, "txtPlotBottom"), "-60");
    EXPECT_EQ(qobject_cast<QAbstractButton*>(fm.control("cmdDisplay"))->text(), "Update");
    EXPECT_EQ(qobject_cast<QAbstractButton*>(fm.control("cmdExit"))->text(), "Exit");

    // Only the scale: the plot first appears with Update.
    ASSERT_EQ(fm.opLog()->size(), 1u);
    EXPECT_EQ(fm.opLog()->ops()[0].kind, DrawOp::Kind::Scale);
}

TEST_F(FmWindowTest, ClosingThroughTheTitleBarLeavesNoWindow)
{
    Form& fm = openFm();
    fm.closeByUser();
    EXPECT_TRUE(Form::loadedForms().empty());
}

struct LabelRow {
    const char* label;
    const char* caption;
    const char* box;
    int top; // pixels: logical top x 8490/9000 twips, 15 twips a pixel
    int boxWidth;
};

TEST_F(FmWindowTest, LabelsEndJustLeftOfTheirBoxesRowByRow)
{
    Form& fm = openFm();
    const LabelRow rows[] = {
        { "lblModulatingFrequency", "Modulating frequency (Hz): ", "txtModulatingFrequency", 157, 99 },
        { "lblPeakDeviation", "Peak deviation (Hz): ", "txtPeakDeviation", 189, 99 },
        { "lblPlotWidth", "Plot width (Hz): ", "txtPlotWidth", 252, 97 },
        { "lblPlotBottom", "Plot bottom: ", "txtPlotBottom", 283, 99 },
    };
    for (const LabelRow& row : rows) {
        SCOPED_TRACE(row.label);
        auto* label = qobject_cast<QLabel*>(fm.control(row.label));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), row.caption);
        EXPECT_TRUE(label->alignment() & Qt::AlignRight);
        EXPECT_EQ(label->geometry(), QRect(0, row.top, 233, 19)); // 3530 units wide
        EXPECT_EQ(fm.control(row.box)->geometry(), QRect(238, row.top, row.boxWidth, 24));
        for (QWidget* control : { static_cast<QWidget*>(label), fm.control(row.box) }) {
            EXPECT_TRUE(control->font().bold());
            EXPECT_EQ(control->property("tavinelPoints").toDouble(), 9.75);
        }
    }
    EXPECT_EQ(fm.control("cmdDisplay")->geometry(), QRect(238, 377, 97, 25));
    EXPECT_EQ(fm.control("cmdExit")->geometry(), QRect(528, 503, 97, 25));
}

TEST_F(FmWindowTest, FocusStartsOnExitThenUpdateThenTheBoxesFromTheBottomUp)
{
    Form& fm = openFm();
    fm.activateWindow();
    QWidget* exit = fm.control("cmdExit");
    EXPECT_EQ(fm.focusWidget(), exit);
    std::vector<QString> order;
    for (QWidget* widget = exit->nextInFocusChain(); widget != exit && order.size() < 10;
         widget = widget->nextInFocusChain())
        if (widget->focusPolicy() & Qt::TabFocus)
            order.push_back(widget->objectName());
    EXPECT_EQ(order, (std::vector<QString> { "cmdDisplay", "txtPlotWidth", "txtPlotBottom",
                                             "txtPeakDeviation", "txtModulatingFrequency" }));
}

TEST_F(FmWindowTest, DefaultInputsGiveIndexOneOnTheDefaultScales)
{
    Form& fm = openFm();
    const auto drawn = update(fm);
    EXPECT_TRUE(messages.empty());
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(OpLog::format(drawn.front()), "fill 6000 1000 11000 7000 575757");
    std::vector<std::string> spectrum;
    for (const DrawOp& op : drawn)
        if (op.kind == DrawOp::Kind::Line && op.colour == 0xFFFFA0)
            spectrum.push_back(OpLog::format(op));
    EXPECT_EQ(spectrum, (std::vector<std::string> {
                            "line 8500 1232.453 8500 7000 A0FFFF 2",
                            "line 7900 1712.994 7900 7000 A0FFFF 2", "line 9100 1712.994 9100 7000 A0FFFF 2",
                            "line 7300 2879.333 7300 7000 A0FFFF 2", "line 9700 2879.333 9700 7000 A0FFFF 2",
                            "line 6700 4417.113 6700 7000 A0FFFF 2", "line 10300 4417.113 10300 7000 A0FFFF 2",
                            "line 6100 6212.274 6100 7000 A0FFFF 2", "line 10900 6212.274 10900 7000 A0FFFF 2" }));
}

TEST_F(FmWindowTest, IndexFifteenIsAcceptedAndAnythingAboveRejected)
{
    Form& fm = openFm();
    type(fm, "txtModulatingFrequency", "1k");
    type(fm, "txtPeakDeviation", "15k");
    EXPECT_FALSE(update(fm).empty());
    EXPECT_TRUE(messages.empty());

    type(fm, "txtPeakDeviation", "15.1k");
    update(fm);
    ASSERT_EQ(messages.size(), 1u);
    const auto text = lines(messages[0]);
    ASSERT_EQ(text.size(), 8u);
    EXPECT_EQ(text[3], "For a modulating rate of 1000 the maximum");
    EXPECT_EQ(text[4], "allowed deviation is 15000.");
}

TEST_F(FmWindowTest, TheLimitMessageGivesTheLargestDeviationAndSmallestRate)
{
    Form& fm = openFm();
    type(fm, "txtPeakDeviation", "60k");
    update(fm);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "This utility only handles modulation indices up to 15.\r\n"
              "Please reduce the deviation or increase the modulating rate.\r\n"
              "\r\n"
              "For a modulating rate of 3000 the maximum\r\n"
              "allowed deviation is 45000.\r\n"
              "\r\n"
              "For a deviation of 60000 the minimum modulating rate is\r\n"
              "4000.");
}

TEST_F(FmWindowTest, ANegativeIndexBeyondFifteenIsRejectedWithTheNumbersAsTyped)
{
    Form& fm = openFm();
    type(fm, "txtModulatingFrequency", "1k");
    type(fm, "txtPeakDeviation", "-16k");
    update(fm);
    ASSERT_EQ(messages.size(), 1u);
    const auto text = lines(messages[0]);
    EXPECT_EQ(text[0], "This utility only handles modulation indices up to 15.");
    EXPECT_EQ(text[6], "For a deviation of -16000 the minimum modulating rate is");
    EXPECT_EQ(text[7], "-1066.667.");

    // From -15 to 15 the index is accepted.
    messages.clear();
    type(fm, "txtPeakDeviation", "-15k");
    EXPECT_FALSE(update(fm).empty());
    EXPECT_TRUE(messages.empty());
}

TEST_F(FmWindowTest, ARejectedUpdateLeavesThePlotAsItWas)
{
    Form& fm = openFm();
    update(fm);
    const QImage before = fm.canvas().image().copy();

    for (const auto& [box, text] : std::vector<std::pair<const char*, std::string>> {
             { "txtPeakDeviation", "100k" }, { "txtModulatingFrequency", "0" } }) {
        type(fm, box, text);
        const auto added = update(fm);
        ASSERT_EQ(added.size(), 1u) << text;
        EXPECT_EQ(added[0].kind, DrawOp::Kind::Message);
        EXPECT_EQ(fm.canvas().image(), before);
    }
    EXPECT_EQ(messages.size(), 2u);
}

struct ZeroCase {
    const char* box;
    const char* text;
    const char* message;
};

void PrintTo(const ZeroCase& c, std::ostream* out)
{
    *out << c.box << " = \"" << c.text << '"';
}

class FmZeroInput : public FmWindowTest, public testing::WithParamInterface<ZeroCase> {};

TEST_P(FmZeroInput, NamesTheBoxAndDrawsNothing)
{
    Form& fm = openFm();
    type(fm, GetParam().box, GetParam().text);
    const auto added = update(fm);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], GetParam().message);
    ASSERT_EQ(added.size(), 1u);
    EXPECT_EQ(added[0].kind, DrawOp::Kind::Message);
    EXPECT_EQ(added[0].text, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, FmZeroInput,
    testing::Values(
        ZeroCase { "txtModulatingFrequency", "0", "The modulating frequency must not be zero." },
        ZeroCase { "txtModulatingFrequency", "Hz", "The modulating frequency must not be zero." },
        ZeroCase { "txtModulatingFrequency", "1E-99", "The modulating frequency must not be zero." },
        ZeroCase { "txtPlotWidth", "0", "The plot width must not be zero." },
        ZeroCase { "txtPlotWidth", "-0k", "The plot width must not be zero." },
        ZeroCase { "txtPlotBottom", "0", "The plot bottom must not be zero." },
        ZeroCase { "txtPlotBottom", "", "The plot bottom must not be zero." }));

TEST_F(FmWindowTest, TheFloorAndWidthCountByTheirSize)
{
    Form& fm = openFm();
    const auto reference = update(fm);
    auto formatted = [](const std::vector<DrawOp>& ops) {
        std::vector<std::string> text;
        for (const DrawOp& op : ops)
            text.push_back(OpLog::format(op));
        return text;
    };
    type(fm, "txtPlotBottom", "60");
    EXPECT_EQ(formatted(update(fm)), formatted(reference));
    type(fm, "txtPlotWidth", "-25k");
    EXPECT_EQ(formatted(update(fm)), formatted(reference)); // no "--12500"
    EXPECT_TRUE(messages.empty());
}

TEST_F(FmWindowTest, TheBoxesKeepTheirTextAsTyped)
{
    Form& fm = openFm();
    type(fm, "txtModulatingFrequency", "  3k  ");
    type(fm, "txtPlotWidth", "25000 Hz and more");
    update(fm);
    EXPECT_EQ(boxText(fm, "txtModulatingFrequency"), "  3k  ");
    EXPECT_EQ(boxText(fm, "txtPlotWidth"), "25000 Hz and more");
}

// Whatever is typed, nothing of the FM plot may land outside its panel and label strips,
// and no label carries a doubled sign.
TEST_F(FmWindowTest, NothingIsDrawnOutsideThePanelWhateverIsTyped)
{
    const char* hostile[] = { "0", "1p", "-1p", "1e-12", "-1e-12", "1e10", "-1e10", "1E99", "-3k",
                              "-25k", "1E-40", "Hz", "--", "1e", "-e5", "99999999999G" };
    const char* boxes[] = { "txtModulatingFrequency", "txtPeakDeviation", "txtPlotWidth",
                            "txtPlotBottom" };
    Form& fm = openFm();
    int drawnUpdates = 0;
    auto check = [&](const std::string& what) {
        SCOPED_TRACE(what);
        for (const DrawOp& op : update(fm)) {
            if (op.kind == DrawOp::Kind::Line) {
                EXPECT_GE(std::min(op.x1, op.x2), 6000) << OpLog::format(op);
                EXPECT_LE(std::max(op.x1, op.x2), 11000) << OpLog::format(op);
                EXPECT_GE(std::min(op.y1, op.y2), 1000) << OpLog::format(op);
                EXPECT_LE(std::max(op.y1, op.y2), 7000) << OpLog::format(op);
                ++drawnUpdates;
            } else if (op.kind == DrawOp::Kind::Text) {
                EXPECT_EQ(op.text.find("--"), std::string::npos);
                EXPECT_EQ(op.text.find("+-"), std::string::npos);
            } else if (op.kind == DrawOp::Kind::Fill) {
                EXPECT_GE(op.x1, 5400);
                EXPECT_LE(op.x2, 11990);
                EXPECT_GE(op.y1, 900);
                EXPECT_LE(op.y2, 7400);
            }
        }
    };

    // Each box on its own, the others at their defaults.
    for (const char* box : boxes) {
        const QString typed = boxText(fm, box);
        for (const char* text : hostile) {
            type(fm, box, text);
            check(std::string(box) + " = " + text);
        }
        type(fm, box, typed.toStdString());
    }
    // Signs against each other, a deep floor at the highest index, tiny and huge widths.
    const char* combinations[][4] = {
        { "-3k", "3k", "-25k", "-60" },   { "-1k", "-15k", "-25k", "1e10" },
        { "1k", "15k", "25k", "1e10" },   { "-1k", "15k", "1p", "-1e10" },
        { "1p", "1p", "1p", "1p" },       { "1e10", "1e10", "1e10", "1e10" },
        { "-1e10", "1e10", "-1e-12", "1e-12" }, { "3k", "0", "25k", "60" },
        { "1E-40", "1E-40", "1E-40", "1E-40" },
    };
    for (const auto& combination : combinations) {
        std::string what;
        for (int i = 0; i < 4; ++i) {
            type(fm, boxes[i], combination[i]);
            what += std::string(combination[i]) + " ";
        }
        check(what);
    }
    EXPECT_GT(drawnUpdates, 0);
    EXPECT_FALSE(Program::ended());
}

class FmRenderTest : public ProgramTest {
protected:
    int render(const std::vector<std::string>& arguments)
    {
        out.str("");
        err.str("");
        return RenderTool::run(arguments, out, err);
    }
    std::ostringstream out, err;
};

TEST_F(FmRenderTest, UpdateDrawsThroughTheRenderTool)
{
    ASSERT_EQ(render({ "--ops", "-", "fm", "click:cmdDisplay" }), 0) << err.str();
    const std::string ops = out.str();
    EXPECT_NE(ops.find("text 5800 7100 bold 9.75 \"-12500\"\n"), std::string::npos);
    EXPECT_NE(ops.find("line 8500 1232.453 8500 7000 A0FFFF 2\n"), std::string::npos);
    EXPECT_NE(ops.find("line 10900 6212.274 10900 7000 A0FFFF 2\n"), std::string::npos);
}

TEST_F(FmRenderTest, TypedValuesReachTheWindowAndTheMessageIsRecorded)
{
    ASSERT_EQ(render({ "--ops", "-", "fm", "type:txtModulatingFrequency=1k",
                       "type:txtPeakDeviation=15.1k", "click:cmdDisplay" }),
              0)
        << err.str();
    EXPECT_NE(out.str().find("message \"This utility only handles modulation indices up to 15."),
              std::string::npos);
    EXPECT_EQ(out.str().find("575757"), std::string::npos); // nothing drawn
}

TEST_F(FmRenderTest, ThePictureShowsTheCarrierOnTheDarkPanel)
{
    QTemporaryDir folder;
    const QString file = folder.filePath("fm.png");
    ASSERT_EQ(render({ "--png", file.toStdString(), "fm", "click:cmdDisplay" }), 0) << err.str();
    const QImage picture(file);
    ASSERT_EQ(picture.size(), QSize(792, 566));
    // Logical (x, y) is pixel (x x 0.99 / 15, y x 0.9433 / 15).
    const auto pixel = [&](double x, double y) {
        return picture.pixelColor(int(x * 11880.0 / 12000.0 / 15.0), int(y * 8490.0 / 9000.0 / 15.0));
    };
    EXPECT_EQ(pixel(8500, 4000), QColor(0xA0, 0xFF, 0xFF));
    EXPECT_EQ(pixel(7700, 1500), QColor(0x57, 0x57, 0x57));
    EXPECT_EQ(pixel(2000, 1000), QColor(Qt::white));
}

}
