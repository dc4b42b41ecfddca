// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramTest.h"
#include "SoundTestSupport.h"
#include "tools/RenderTool.h"

#include <QFile>
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

    // Runs with the operations on stdout; the given lines must come in this order, others between.
    std::vector<std::string> expectOps(std::vector<std::string> arguments, const std::vector<std::string>& inOrder)
    {
        arguments.insert(arguments.begin(), { "--ops", "-" });
        EXPECT_EQ(render(arguments), 0) << err.str();
        std::vector<std::string> lines;
        std::istringstream text(out.str());
        for (std::string line; std::getline(text, line);)
            lines.push_back(line);
        auto next = lines.begin();
        for (const std::string& line : inOrder) {
            next = std::find(next, lines.end(), line);
            EXPECT_NE(next, lines.end()) << line;
        }
        return lines;
    }

    std::ostringstream out, err;
    QTemporaryDir folder;
};

// The figures of the plots are pinned by their own tests; here only what the tool adds:
// the screen option, every operation since the window was created, the steps, messages.
TEST_F(RenderToolTest, OpsListEveryOperationSinceTheWindowWasCreated)
{
    expectOps({ "--screen", "15360x11520", "opening" }, { "scale 9375 7031.25" });

    // The load, then one redraw for the click: the lower sideband alone. A redraw is the
    // envelope (fill, trace, labels), the spectrum (fill, grid, centre line, sidebands,
    // labels) and the scale (fill, labels).
    constexpr std::size_t redraw = (1 + 40019 + 4) + (1 + 22 + 1 + 4) + (1 + 6);
    const auto ssb = expectOps({ "ssb", "click:optLower" },
                               { "scale 12000 9000", "line 2400 1176 2400 5400 A0FFFF 3",
                                 "line 3400 1176 3400 5400 A0FFFF 3", "line 2400 1176 2400 5400 A0FFFF 3" });
    EXPECT_EQ(ssb.size(), 3 + (redraw + 2) + (redraw + 1));

    // The default Update reads the four boxes: labels for 25k, order 4 at 3k spacing.
    expectOps({ "fm", "click:cmdDisplay" },
              { "text 5800 7100 bold 9.75 \"-12500\"", "line 8500 1232.453 8500 7000 A0FFFF 2",
                "line 10900 6212.274 10900 7000 A0FFFF 2" });

    // A rejected Update: the message with its line breaks written as \n, and no plot.
    const auto rejected = expectOps(
        { "fm", "type:txtModulatingFrequency=1k", "type:txtPeakDeviation=15.1k", "click:cmdDisplay" },
        { "scale 12000 9000",
          "message \"This utility only handles modulation indices up to 15.\\nPlease reduce the deviation or "
          "increase the modulating rate.\\n\\nFor a modulating rate of 1000 the maximum\\nallowed deviation is "
          "15000.\\n\\nFor a deviation of 15100 the minimum modulating rate is\\n1006.667.\"" });
    EXPECT_EQ(rejected.size(), 2u);

    // A key step: Return in a text box presses Update, which draws the 50 kHz plot.
    expectOps({ "fm", "type:txtPlotWidth=50k", "key:txtPlotWidth=Return" },
              { "text 5800 7100 bold 9.75 \"-25000\"", "line 8500 1232.453 8500 7000 A0FFFF 2" });

    expectOps({ "am", "click:cmdExit" }, {});
    EXPECT_TRUE(Program::ended());
}

// An 11880 x 8490-twip window: logical x is pixel x x 0.99 x zoom / 15, y x 0.9433.
TEST_F(RenderToolTest, PngIsTheClientAreaAtFifteenTwipsAPixelTimesTheZoom)
{
    const std::string file = folder.filePath("window.png").toStdString();
    ASSERT_EQ(render({ "--png", file, "--zoom", "2", "fm", "click:cmdDisplay" }), 0) << err.str();
    EXPECT_TRUE(out.str().empty());
    const QImage picture(QString::fromStdString(file));
    ASSERT_EQ(picture.size(), QSize(1584, 1132));
    EXPECT_EQ(picture.pixelColor(1122, 503), QColor(0xA0, 0xFF, 0xFF));
    EXPECT_EQ(picture.pixelColor(1016, 188), QColor(0x57, 0x57, 0x57));
}

// The picture and the tables of the state the steps leave, beside the other outputs.
TEST_F(RenderToolTest, SvgAndTablesOfTheStateTheStepsLeave)
{
    const auto read = [](const QString& file) {
        QFile text(file);
        return text.open(QIODevice::ReadOnly) ? text.readAll() : QByteArray();
    };
    const QString svg = folder.filePath("am.svg"), lines = folder.filePath("lines.csv"),
                  trace = folder.filePath("trace.csv"), png = folder.filePath("am.png");
    ASSERT_EQ(render({ "--svg", svg.toStdString(), "--lines-csv", lines.toStdString(), "--trace-csv",
                       trace.toStdString(), "--png", png.toStdString(), "am", "click:optModulation140" }),
              0)
        << err.str();
    EXPECT_TRUE(read(svg).contains(">Transmitted signal spectrum</text>"));
    EXPECT_TRUE(read(lines).startsWith(
        "offset_hz,amplitude,level_db,exact_amplitude,exact_level_db\n-5000,0.00753356,-42.46,0.007868,-42.0827\n"));
    const QList<QByteArray> rows = read(trace).split('\n');
    EXPECT_EQ(rows.size(), 1 + 36001 + 361 + 1); // and the empty line after the last newline
    EXPECT_EQ(rows[0], "plot,time_ms,value,envelope");
    EXPECT_EQ(rows[1], "envelope,0,0,1");
    EXPECT_EQ(rows[36002], "demodulator,0,1,");
    EXPECT_TRUE(QFile::exists(png));

    ASSERT_EQ(render({ "--lines-csv", lines.toStdString(), "fm", "click:cmdDisplay" }), 0) << err.str();
    EXPECT_TRUE(read(lines).startsWith(
        "offset_hz,amplitude,level_db,exact_amplitude,exact_level_db\n-12000,0.00247664,-52.1227,0.00247664,-52.1227\n"));
}

TEST_F(RenderToolTest, WavIsTheSoundOfTheStateTheStepsLeave)
{
    const QString wav = folder.filePath("ssb.wav");
    ASSERT_EQ(render({ "--wav", wav.toStdString(), "ssb", "click:optUpper", "click:Option3" }), 0) << err.str();
    QFile file(wav);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 44 + 2 * 96000);
    // The upper sideband with the carrier at -12 dB: the tone, 1 kHz.
    std::vector<float> samples;
    for (qsizetype at = 44; at < bytes.size(); at += 2)
        samples.push_back(float(std::int16_t(std::uint8_t(bytes[at]) | std::uint8_t(bytes[at + 1]) << 8)) / 32767.0f);
    EXPECT_EQ(strongestComponent(PeriodicSound(samples), 250), 1000);

    ASSERT_EQ(render({ "--wav", wav.toStdString(), "fm", "type:txtPeakDeviation=7.215k", "click:cmdDisplay" }), 0)
        << err.str();
    EXPECT_TRUE(QFile::exists(wav));
}

// Any screen the tool takes draws every window, at any zoom: what falls beside the canvas
// (a screen far larger or smaller than the design's) is left out, never written past it.
TEST_F(RenderToolTest, EveryScreenSizeAndZoomDraws)
{
    const std::string file = folder.filePath("controls.txt").toStdString();
    for (const char* screen : { "1x1", "600x450", "19200x14400", "28800x16200", "1000000x1000000" })
        for (const char* zoom : { "0.5", "2" })
            for (const std::vector<std::string>& window :
                 { std::vector<std::string> { "opening" }, { "am" }, { "ssb" }, { "fm", "click:cmdDisplay" } }) {
                std::vector<std::string> arguments { "--screen", screen, "--zoom", zoom, "--controls", file };
                arguments.insert(arguments.end(), window.begin(), window.end());
                EXPECT_EQ(render(arguments), 0) << screen << " " << zoom << " " << window[0] << ": " << err.str();
            }
}

// The largest zoom the help promises is taken (and nothing is drawn for --help).
TEST_F(RenderToolTest, TakesTheLargestZoomItOffers)
{
    EXPECT_EQ(render({ "--zoom", "16", "--help" }), 0) << err.str();
    EXPECT_NE(out.str().find("at most 16"), std::string::npos);
}

TEST_F(RenderToolTest, ErrorsExitWithStatusTwoAndWriteNothing)
{
    const QString file = folder.filePath("out.png");
    const std::string csv = folder.filePath("x.csv").toStdString();
    const std::pair<std::vector<std::string>, const char*> calls[] = {
        { { "plot" }, "unknown window 'plot'" },
        { {}, "no window" },
        { { "opening", "click:cmdNothing" }, "no button or option button named 'cmdNothing'" },
        { { "am", "press:cmdExit" }, "unknown step 'press:cmdExit'" },
        { { "fm", "type:cmdExit=3k" }, "no text box named 'cmdExit'" },
        { { "fm", "type:txtPlotWidth" }, "NAME=TEXT" },
        { { "fm", "key:txtPlotWidth=Foo" }, "unknown key 'Foo'" },
        { { "fm", "key:txtNothing=Return" }, "no control named 'txtNothing'" },
        { { "fm", "key:txtPlotWidth" }, "NAME=KEY" },
        { { "--zoom", "0", "opening" }, "--zoom must be a positive number" },
        { { "--zoom", "16.01", "opening" }, "--zoom must be at most 16" },
        { { "--screen", "12000", "opening" }, "WIDTHxHEIGHT" },
        { { "--frobnicate", "opening" }, "unknown option" },
        { { "--lines-csv", csv, "opening" }, "has no spectrum" },
        { { "--lines-csv", csv, "fm" }, "after an accepted Update" },
        { { "--trace-csv", csv, "fm", "click:cmdDisplay" }, "has no trace" },
        { { "--wav", csv, "fm" }, "has nothing to hear" },
        { { "--wav", csv, "opening" }, "has nothing to hear" },
        { { "--controls", csv, "fm", "key:cmdExit=PageDown" }, "unknown key 'PageDown'" },
        // A number too large says how large it may be.
        { { "--screen", "99999999x99999999", "opening" }, "the screen width must be at most 1000000, not '99999999'" },
        { { "--screen", "12000x0", "opening" }, "the screen height must be a positive number, not '0'" },
    };
    for (const auto& [call, complaint] : calls) {
        std::vector<std::string> arguments { "--png", file.toStdString(), "--ops", "-" };
        arguments.insert(arguments.end(), call.begin(), call.end());
        EXPECT_EQ(render(arguments), 2) << complaint;
        EXPECT_NE(err.str().find(complaint), std::string::npos) << err.str();
        EXPECT_TRUE(out.str().empty()) << complaint;
        EXPECT_FALSE(QFile::exists(file)) << complaint;
        EXPECT_FALSE(QFile::exists(QString::fromStdString(csv))) << complaint;
    }
}

// The programs as a script runs them: exit status, standard output, and nothing on
// standard error for a good run, also without a desktop session.
TEST(RenderToolProcessTest, AnswersOnItsOutputsAndStaysQuietWhenAllIsWell)
{
    QTemporaryDir folder;
    const QString picture = folder.filePath("fm.png");
    const struct {
        const char* program;
        QStringList arguments;
        int status;
        std::vector<const char*> out, err; // texts each must hold; no texts for err: nothing at all
    } runs[] = {
        { TAVINEL_RENDER_PATH, { "--ops", "-", "ssb" }, 0, { "scale 12000 9000\n" }, {} },
        { TAVINEL_RENDER_PATH, { "--png", picture, "fm", "key:cmdExit=F11", "key:cmdExit=Escape" }, 0, {}, {} },
        { TAVINEL_RENDER_PATH, { "--ops", "-", "nosuchwindow" }, 2, {}, { "unknown window" } },
        { TAVINEL_RENDER_PATH, { "am", "click:optLog" }, 2, {}, { "no output asked for" } },
        { TAVINEL_RENDER_PATH, { "--ops", "-", "fm", "click:cmdNothing" }, 2, {}, { "(it has cmdDisplay, cmdExit)" } },
        // clang-format off
        { TAVINEL_RENDER_PATH, { "--lines-csv", "-", "fm", "click:cmdDisplay" }, 0,
          { "offset_hz,amplitude,level_db,exact_amplitude,exact_level_db\n-12000,0.00247664,-52.1227,0.00247664,-52.1227\n" }, {} },
        // clang-format on
        { TAVINEL_RENDER_PATH, { "--wav", "-", "--png", picture, "am" }, 0, { "RIFF", "WAVEfmt " }, {} },
        { TAVINEL_RENDER_PATH, { "--svg", "-", "--ops", "-", "am" }, 2, {}, { "only one output can go to standard output" } },
        { TAVINEL_RENDER_PATH, { "--version" }, 0, { "tavinel-render 2.01\n" }, {} },
        // clang-format off
        { TAVINEL_RENDER_PATH, { "--help" }, 0,
          { "usage:", "--png", "--svg", "--ops", "--lines-csv", "--trace-csv", "--wav", "--zoom", "--screen", "--help", "--version",
            "click:NAME", "type:NAME=TEXT", "key:NAME=KEY", "Exit status" }, {} },
        // clang-format on
        { TAVINEL_PROGRAM_PATH, { "--version" }, 0, { "tavinel 2.01\n" }, {} },
        { TAVINEL_PROGRAM_PATH, { "--help" }, 0, { "usage: tavinel [--help | --version]" }, {} },
        { TAVINEL_PROGRAM_PATH, { "--frobnicate" }, 2, {}, { "unknown option '--frobnicate'" } },
        // The option that is wrong is the one named, and the program asks one question.
        { TAVINEL_PROGRAM_PATH, { "--help", "--bogus" }, 2, {}, { "unknown option '--bogus'" } },
        { TAVINEL_PROGRAM_PATH, { "--version", "--help" }, 2, {}, { "one question at a time" } },
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("XDG_RUNTIME_DIR");
    for (const auto& run : runs) {
        SCOPED_TRACE(testing::Message() << run.program << ' ' << run.arguments.join(' ').toStdString());
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(run.program, run.arguments);
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), run.status);
        const QByteArray out = process.readAllStandardOutput(), err = process.readAllStandardError();
        for (const char* text : run.out)
            EXPECT_TRUE(out.contains(text)) << text << " in " << out.toStdString();
        for (const char* text : run.err)
            EXPECT_TRUE(err.contains(text)) << text << " in " << err.toStdString();
        if (run.err.empty()) {
            EXPECT_TRUE(err.isEmpty()) << err.toStdString();
        }
    }
    EXPECT_TRUE(QFile::exists(picture));
}

// Started with no display, or with one that does not answer, the program says so in one
// line, with how to start it, and exits with status 1 (not the toolkit's abort).
TEST(ProgramProcessTest, WithoutADisplayThatAnswersSaysHowToStartAndExitsWithOne)
{
    // A display number no server has here.
    int unused = 77;
    while (QFile::exists(QString("/tmp/.X11-unix/X%1").arg(unused)))
        ++unused;
    const QString silent = QString(":%1").arg(unused);
    const struct {
        std::vector<std::pair<const char*, QString>> set;
        QString line;
    } starts[] = {
        { {}, "tavinel: no display found: start Tavinel from a desktop session\n" },
        { { { "DISPLAY", silent } }, "tavinel: no display found (" + silent + " does not answer): start Tavinel from a desktop session\n" },
        { { { "QT_QPA_PLATFORM", "xcb" } }, "tavinel: no display found: start Tavinel from a desktop session\n" },
        { { { "WAYLAND_DISPLAY", "wayland-tavinel-none" } },
          "tavinel: no display found (wayland-tavinel-none does not answer): start Tavinel from a desktop session\n" },
    };
    for (const auto& start : starts) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* variable : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
            environment.remove(variable);
        for (const auto& [name, value] : start.set)
            environment.insert(name, value);
        SCOPED_TRACE(start.line.toStdString());
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(TAVINEL_PROGRAM_PATH, {});
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 1);
        EXPECT_EQ(QString::fromLocal8Bit(process.readAllStandardError()), start.line);
    }
}

}
