#include "TestSupport.h"
#include "tools/RenderTool.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

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
    std::vector<std::string> lines() const
    {
        std::vector<std::string> result;
        std::istringstream in(out.str());
        for (std::string line; std::getline(in, line);)
            result.push_back(line);
        return result;
    }
    std::ostringstream out, err;
    QTemporaryDir folder;
};

TEST_F(RenderToolTest, OpsListTheMenuArtworkFromTheStart)
{
    ASSERT_EQ(render({ "--ops", "-", "opening" }), 0) << err.str();
    const auto ops = lines();
    ASSERT_GT(ops.size(), 36000u + 361u);
    EXPECT_EQ(ops[0], "scale 12000 9000");
    EXPECT_EQ(ops[1], "fill 300 500 3700 5500 CFCFCF");
    EXPECT_EQ(ops[2], "line 400 5400 3600 5400 88AA88 1");
    EXPECT_NE(std::find(ops.begin(), ops.end(), "line 5800 600 5800 5400 A0FFFF 3"), ops.end());
    EXPECT_NE(std::find(ops.begin(), ops.end(), "line 4300 4526.4 4300 5400 A0FFFF 3"), ops.end());
    EXPECT_EQ(ops.back(), "line 11490.56 3025.131 11500 3000 A0FFFF 2");
}

TEST_F(RenderToolTest, ScreenOptionReachesTheLoadHandler)
{
    ASSERT_EQ(render({ "--screen", "15360x11520", "--ops", "-", "opening" }), 0) << err.str();
    EXPECT_EQ(lines().at(0), "scale 9375 7031.25");
}

TEST_F(RenderToolTest, PngIsTheClientAreaAtFifteenTwipsAPixelTimesZoom)
{
    const QString file = folder.filePath("menu.png");
    ASSERT_EQ(render({ "--png", file.toStdString(), "opening" }), 0) << err.str();
    EXPECT_EQ(QImage(file).size(), QSize(800, 600));

    ASSERT_EQ(render({ "--zoom", "2", "--png", file.toStdString(), "fm" }), 0) << err.str();
    const QImage fm(file);
    EXPECT_EQ(fm.size(), QSize(1584, 1132)); // 11880 x 8490 twips
}

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

TEST(RenderToolProgram, ReportsUsageErrorsWithExitStatusTwo)
{
    QProcess process;
    process.start(TAVINEL_RENDER_PATH, { "nosuchwindow" });
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(process.readAllStandardError().contains("unknown window"));
}

TEST(RenderToolProgram, WritesOpsToStandardOutput)
{
    QProcess process;
    process.start(TAVINEL_RENDER_PATH, { "--ops", "-", "ssb" });
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardOutput().startsWith("scale 12000 9000\n"));
}

}
