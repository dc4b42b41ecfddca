#include "TestSupport.h"
#include "tools/RenderTool.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <sstream>

namespace {

class RenderToolTest : public ProgramTest {
protected:
    int render(const std::vector<std::string>& arguments)
    {
        out.str("");
        err.str("");
        return RenderTool::run(arguments, out, err);
    }
    std::ostringstream out, err;
    QTemporaryDir folder;
};

struct OpsCase {
    std::vector<std::string> arguments;
    std::vector<std::string> expected; // lines that must come in this order, others between
    std::size_t count = 0;             // of all lines; 0: not checked
    const char* absent = nullptr;      // text that must appear nowhere
};

void PrintTo(const OpsCase& c, std::ostream* out)
{
    for (const std::string& argument : c.arguments)
        *out << argument << ' ';
}

class RenderToolOps : public RenderToolTest, public testing::WithParamInterface<OpsCase> {};

TEST_P(RenderToolOps, ListEveryOperationSinceTheWindowWasCreated)
{
    std::vector<std::string> arguments { "--ops", "-" };
    arguments.insert(arguments.end(), GetParam().arguments.begin(), GetParam().arguments.end());
    ASSERT_EQ(render(arguments), 0) << err.str();
    const auto lines = split(out.str(), "\n");
    auto next = lines.begin();
    for (const std::string& line : GetParam().expected) {
        next = std::find(next, lines.end(), line);
        ASSERT_NE(next, lines.end()) << line;
    }
    if (GetParam().count)
        EXPECT_EQ(lines.size(), GetParam().count);
    if (GetParam().absent)
        EXPECT_EQ(out.str().find(GetParam().absent), std::string::npos);
}

// The SSB window's redraw: the envelope (fill, trace, labels), the spectrum (fill, grid
// and centre line, the sidebands, labels) and the scale (fill, labels).
constexpr std::size_t ssbRedraw = (1 + 40019 + 4) + (1 + 22 + 1 + 4) + (1 + 6);

INSTANTIATE_TEST_SUITE_P(
    Windows, RenderToolOps,
    testing::Values(
        OpsCase { { "opening" },
                  { "scale 12000 9000", "fill 300 500 3700 5500 CFCFCF", "line 400 5400 3600 5400 88AA88 1",
                    "line 5800 600 5800 5400 A0FFFF 3", "line 4300 4526.4 4300 5400 A0FFFF 3",
                    "line 11490.56 3025.131 11500 3000 A0FFFF 2" } },
        OpsCase { { "--screen", "15360x11520", "opening" }, { "scale 9375 7031.25" } },
        // The level scale is redrawn after the decibel spectrum.
        OpsCase { { "am", "click:optLog" },
                  { "scale 12000 9000", "fill 4100 500 7300 5500 575757", "line 5400 1214.4 5400 5400 A0FFFF 3",
                    "fill 7320 480 7980 5500 FFFFFF", "text 7320 5300 regular 9.75 \"-50dB\"",
                    "fill 8000 500 11600 5500 575757" } },
        // The load, then one redraw for the click: the lower sideband alone.
        OpsCase { { "ssb", "click:optLower" },
                  { "text 1000 100 bold 9.75 \"Transmitted signal spectrum\"", "line 2400 1176 2400 5400 A0FFFF 3",
                    "line 3400 1176 3400 5400 A0FFFF 3", "line 2400 1176 2400 5400 A0FFFF 3" },
                  3 + (ssbRedraw + 2) + (ssbRedraw + 1) },
        OpsCase { { "fm", "click:cmdDisplay" },
                  { "fill 6000 1000 11000 7000 575757", "text 5800 7100 bold 9.75 \"-12500\"",
                    "line 8500 1232.453 8500 7000 A0FFFF 2", "line 10900 6212.274 10900 7000 A0FFFF 2" } },
        OpsCase { { "fm", "type:txtModulatingFrequency=1k", "type:txtPeakDeviation=15.1k", "click:cmdDisplay" },
                  { "scale 12000 9000",
                    "message \"This utility only handles modulation indices up to 15.\\nPlease reduce the "
                    "deviation or increase the modulating rate.\\n\\nFor a modulating rate of 1000 the "
                    "maximum\\nallowed deviation is 15000.\\n\\nFor a deviation of 15100 the minimum "
                    "modulating rate is\\n1006.667.\"" },
                  2, "575757" }));

struct PngCase {
    std::vector<std::string> arguments;
    QSize size;
    std::vector<std::pair<QPoint, QColor>> pixels;
};

class RenderToolPng : public RenderToolTest, public testing::WithParamInterface<PngCase> {};

TEST_P(RenderToolPng, IsTheClientAreaAtFifteenTwipsAPixelTimesTheZoom)
{
    const std::string file = folder.filePath("window.png").toStdString();
    std::vector<std::string> arguments { "--png", file };
    arguments.insert(arguments.end(), GetParam().arguments.begin(), GetParam().arguments.end());
    ASSERT_EQ(render(arguments), 0) << err.str();
    EXPECT_TRUE(out.str().empty());
    const QImage picture(QString::fromStdString(file));
    ASSERT_EQ(picture.size(), GetParam().size);
    for (const auto& [place, colour] : GetParam().pixels)
        EXPECT_EQ(picture.pixelColor(place), colour) << place.x() << ',' << place.y();
}

const QColor trace(0xA0, 0xFF, 0xFF), panel(0x57, 0x57, 0x57), white(Qt::white);

INSTANTIATE_TEST_SUITE_P(
    Windows, RenderToolPng,
    testing::Values(
        // The menu's carrier at x 5800.
        PngCase { { "opening" }, { 800, 600 }, { { { 386, 200 }, trace } } },
        // An 11880 x 8490-twip window: logical x is pixel x x 0.99 x zoom / 15, y x 0.9433.
        PngCase { { "--zoom", "2", "fm", "click:cmdDisplay" },
                  { 1584, 1132 },
                  { { { 1122, 503 }, trace }, { { 1016, 188 }, panel }, { { 264, 125 }, white } } }));

TEST_F(RenderToolTest, ClicksRunInOrderAndEndTheProgram)
{
    ASSERT_EQ(render({ "--ops", "-", "am", "click:cmdExit" }), 0) << err.str();
    EXPECT_TRUE(Program::ended());
}

struct BadCall {
    std::vector<std::string> arguments;
    const char* complaint;
};

class RenderToolErrors : public RenderToolTest, public testing::WithParamInterface<BadCall> {};

TEST_P(RenderToolErrors, ExitWithStatusTwoAndWriteNothing)
{
    const QString file = folder.filePath("out.png");
    std::vector<std::string> arguments { "--png", file.toStdString(), "--ops", "-" };
    arguments.insert(arguments.end(), GetParam().arguments.begin(), GetParam().arguments.end());
    EXPECT_EQ(render(arguments), 2);
    EXPECT_NE(err.str().find(GetParam().complaint), std::string::npos) << err.str();
    EXPECT_TRUE(out.str().empty());
    EXPECT_FALSE(QFile::exists(file));
}

INSTANTIATE_TEST_SUITE_P(
    Calls, RenderToolErrors,
    testing::Values(BadCall { { "plot" }, "unknown window 'plot'" },
                    BadCall { {}, "no window" },
                    BadCall { { "opening", "click:cmdNothing" }, "no button or option button named 'cmdNothing'" },
                    BadCall { { "am", "press:cmdExit" }, "unknown step 'press:cmdExit'" },
                    BadCall { { "fm", "type:cmdExit=3k" }, "no text box named 'cmdExit'" },
                    BadCall { { "fm", "type:txtPlotWidth" }, "NAME=TEXT" },
                    BadCall { { "--zoom", "0", "opening" }, "--zoom must be a positive number" },
                    BadCall { { "--screen", "12000", "opening" }, "WIDTHxHEIGHT" },
                    BadCall { { "--frobnicate", "opening" }, "unknown option" }));

TEST(RenderToolProgram, PassesItsExitStatusAndOutputOn)
{
    QProcess process;
    process.start(TAVINEL_RENDER_PATH, { "--ops", "-", "ssb" });
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardOutput().startsWith("scale 12000 9000\n"));

    process.start(TAVINEL_RENDER_PATH, { "nosuchwindow" });
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(process.readAllStandardError().contains("unknown window"));
}

}
