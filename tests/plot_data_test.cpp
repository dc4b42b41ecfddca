// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotTestSupport.h"

#include "am/AmPlots.h"
#include "fm/FmSpectrumPlot.h"
#include "fm/FmState.h"
#include "ssb/SsbPlots.h"

#include <cmath>
#include <set>

using namespace modMain;

namespace {

struct Row {
    double offsetHz, amplitude, levelDb;
};

std::vector<Row> rows(std::vector<SpectrumLine> lines)
{
    std::sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) { return a.offsetHz < b.offsetHz; });
    std::vector<Row> result;
    for (const SpectrumLine& line : lines)
        result.push_back({ line.offsetHz, line.amplitude, line.levelDb() });
    return result;
}

void expectRows(const std::vector<Row>& actual, const std::vector<Row>& expected, double tolerance)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].offsetHz, expected[i].offsetHz) << i;
        EXPECT_NEAR(actual[i].amplitude, expected[i].amplitude, tolerance) << i;
        EXPECT_NEAR(actual[i].levelDb, expected[i].levelDb, tolerance) << i;
    }
}

TEST(PlotDataTest, SpectrumLinesHaveTheLevelsThePlotsDraw)
{
    // AM defaults: the carrier and one pair 6 dB down on the linear scale, 6.4 dB on the
    // decibel scale; at 120 % with the clipper the even pairs are stubs 50 dB down on the
    // linear scale and not drawn, so not listed, on the decibel scale.
    startUpState();
    ModDepth = 1;
    expectRows(rows(amSpectrumLines()), { { -1000, 0.501187, -6 }, { 0, 1, 0 }, { 1000, 0.501187, -6 } }, 1e-6);
    YAxisMode = 2;
    expectRows(rows(amSpectrumLines()), { { -1000, 0.47863, -6.4 }, { 0, 1, 0 }, { 1000, 0.47863, -6.4 } }, 1e-5);
    ModDepth = 1.2f;
    ClipperOn = 1;
    YAxisMode = 1;
    EXPECT_EQ(rows(amSpectrumLines()).size(), 11u);
    EXPECT_NEAR(rows(amSpectrumLines())[3].levelDb, -50, 1e-9); // -2 kHz, a stub
    YAxisMode = 2;
    expectRows(rows(amSpectrumLines()),
               // clang-format off
               { { -5000, 0.017338, -35.22 }, { -3000, 0.0515822, -25.75 }, { -1000, 0.5188, -5.7 },
                 { 0, 1, 0 }, { 1000, 0.5188, -5.7 }, { 3000, 0.0515822, -25.75 }, { 5000, 0.017338, -35.22 } },
               // clang-format on
               1e-6);

    // SSB: double sideband with the carrier off is listed without a carrier; the unwanted
    // sideband at "-120 (full SSB)" keeps its own level, 126 dB down, though drawn on the
    // baseline.
    startUpState();
    SsbMode = 2;
    CarrierLevel = -120;
    SidebandLevel = -120;
    expectRows(rows(ssbSpectrumLines()), { { -1000, 5.01187e-7, -126 }, { 1000, 0.501187, -6 } }, 1e-5);
    SsbMode = 1;
    CarrierLevel = -12;
    AudioKHz = 3;
    expectRows(rows(ssbSpectrumLines()), { { 0, 0.251189, -12 }, { 3000, 0.501187, -6 } }, 1e-5);

    // FM defaults: index 1 with lines 3 kHz apart down to 60 dB.
    startUpState();
    FmState::clearFmState();
    FmState::ModulatingFrequency = 3000;
    FmState::ModIndex = 1;
    FmState::PlotBottom = 60;
    PanelWidth = 25000;
    const double levels[] = { -2.32, -7.13, -18.79, -34.17, -52.12 };
    const auto fm = rows(fmSpectrumLines());
    ASSERT_EQ(fm.size(), 9u);
    for (std::size_t i = 0; i < fm.size(); ++i) {
        const int order = int(i) - 4;
        EXPECT_EQ(fm[i].offsetHz, 3000.0 * order);
        EXPECT_NEAR(fm[i].levelDb, levels[std::abs(order)], 0.005) << order;
    }
}

// Every line listed is a line the plot draws, at the place and height its level gives on
// the plot's own scale, and every line drawn is listed: for every AM and SSB setting.
TEST(PlotDataTest, EveryListedLineIsDrawnAtItsLevelAndEveryDrawnLineIsListed)
{
    struct Scale {
        double centre, unitsPerHz;
        bool linear;
    };
    auto check = [](const std::vector<SpectrumLine>& lines, void (*plot)(Surface&), const Scale& scale,
                    const std::string& settings) {
        const auto drawn = traceLinesOf(plot);
        ASSERT_EQ(lines.size(), drawn.size()) << settings;
        std::set<std::size_t> matched;
        for (const SpectrumLine& line : lines) {
            const double x = scale.centre + line.offsetHz * scale.unitsPerHz;
            const double top = scale.linear ? 5400 - line.amplitude * 4800 : 600 - line.levelDb() * 96;
            const auto at = std::find_if(drawn.begin(), drawn.end(), [&](const DrawOp& op) { return op.x1 == x; });
            ASSERT_NE(at, drawn.end()) << settings << ", line at " << x;
            matched.insert(std::size_t(at - drawn.begin()));
            if (top <= 5400) // a line below the baseline is drawn on it
                EXPECT_NEAR(at->y1, top, 0.01) << settings << ", line at " << x;
            else
                EXPECT_EQ(at->y1, 5400) << settings << ", line at " << x;
        }
        EXPECT_EQ(matched.size(), drawn.size()) << settings;
    };
    forEachAmSetting([&](const std::string& setting) {
        check(amSpectrumLines(), DrawAmSpectrum, { 5700, 0.3, YAxisMode == 1 }, setting);
    });
    forEachSsbSetting([&](const std::string& setting) {
        check(ssbSpectrumLines(), DrawSsbSpectrum, { 2900, 0.5, false }, setting);
    });
}

TEST(PlotDataTest, TracesSpanTheirPlotsPointForPoint)
{
    startUpState();
    ModDepth = 1;
    const auto am = amTraces();
    ASSERT_EQ(am.size(), 2u);
    const struct {
        const Trace& trace;
        const char* name;
        std::size_t points;
        double last, peak;
    } cases[] = { { am[0], "envelope", 36001, 1, 2 }, { am[1], "demodulator", 361, 1, 2 } };
    for (const auto& c : cases) {
        EXPECT_EQ(c.trace.plot, c.name);
        ASSERT_EQ(c.trace.points.size(), c.points) << c.name;
        EXPECT_EQ(c.trace.points.front().timeMs, 0) << c.name;
        EXPECT_DOUBLE_EQ(c.trace.points.back().timeMs, c.last) << c.name;
        double peak = 0;
        for (const TracePoint& point : c.trace.points)
            peak = std::max(peak, point.value);
        EXPECT_NEAR(peak, c.peak, 1e-3) << c.name;
    }
    // The demodulator output at a quarter of the cycle: twice the carrier.
    EXPECT_NEAR(am[1].points[90].value, 2, 1e-6);

    startUpState();
    SsbMode = 2;
    CarrierLevel = -120;
    const auto ssb = ssbTraces();
    ASSERT_EQ(ssb.size(), 1u);
    EXPECT_EQ(ssb[0].plot, "waveform");
    ASSERT_EQ(ssb[0].points.size(), 40019u);
    EXPECT_NEAR(ssb[0].points.back().timeMs, 1.99998, 1e-5);
    // Each full sideband is half the carrier: together at most 1.
    double peak = 0;
    for (const TracePoint& point : ssb[0].points)
        peak = std::max(peak, std::fabs(point.value));
    EXPECT_NEAR(peak, 1, 0.01);
}

TEST(PlotDataTest, TablesAndReadoutsWriteNumbersAlike)
{
    EXPECT_EQ(spectrumTable({ { 1000, 0.501187233627 }, { -1000, 0.501187233627 }, { 0, 1 } }, ','),
              "offset_hz,amplitude,level_db\n-1000,0.501187,-6\n0,1,0\n1000,0.501187,-6\n");
    EXPECT_EQ(traceTable({ { "envelope", { { 0, 0 }, { 2.7777777e-05, -0.219228 } } } }, '\t'),
              "plot\ttime_ms\tvalue\nenvelope\t0\t0\nenvelope\t2.77778e-05\t-0.219228\n");
    // Exact amplitudes and envelopes add columns at the end, where there are any.
    EXPECT_EQ(spectrumTable({ { 1000, 0.47863, -1, 0.5 }, { 0, 1, -1, 1 }, { 2000, 0.1 } }, ','),
              "offset_hz,amplitude,level_db,exact_amplitude,exact_level_db\n0,1,0,1,0\n"
              "1000,0.47863,-6.4,0.5,-6.0206\n2000,0.1,-20,nan,nan\n");
    EXPECT_EQ(traceTable({ { "envelope", { { 0, 0.5, 1.25 } } }, { "demodulator", { { 0, 1 } } } }, ','),
              "plot,time_ms,value,envelope\nenvelope,0,0.5,1.25\ndemodulator,0,1,\n");
    const struct {
        SpectrumLine line;
        double index;
        const char* readout;
    } lines[] = {
        { { 3000, 0.440051, 1 }, 1, "+3 kHz \u00B7 J1(1.000) \u00B7 0.440 \u00B7 \u22127.13 dB" },
        { { -1500, 0.501187 }, NAN, "\u22121.5 kHz \u00B7 0.501 \u00B7 \u22126.00 dB" },
        { { 0, 1 }, NAN, "0 kHz \u00B7 1.000 \u00B7 0.00 dB" },
        { { 600, 0.000123 }, NAN, "+600 Hz \u00B7 0.000123 \u00B7 \u221278.20 dB" },
        { { 1000, 0.47863, -1, 0.5 }, NAN, "+1 kHz \u00B7 0.479 \u00B7 \u22126.40 dB drawn \u00B7 0.500 \u00B7 \u22126.02 dB exact" },
        { { 0, 7.65868e-08, 0, 5.64344e-08 }, 2.405, "0 kHz \u00B7 J0(2.405) \u00B7 7.65868e-08 \u00B7 \u2212142.32 dB drawn \u00B7 5.64344e-08 \u00B7 "
                                                     "\u2212144.97 dB exact" },
    };
    for (const auto& l : lines)
        EXPECT_EQ(lineReadout(l.line, l.index), l.readout);
    EXPECT_EQ(pointReadout({ 0.25, -1.8476 }), "0.250 ms \u00B7 \u22121.848");
    EXPECT_EQ(pointReadout({ 0.25, -0.0001 }), "0.250 ms \u00B7 0.000"); // no "−0.000"
    EXPECT_EQ(pointReadout({ 0.25, -0.442, 1.9048 }), "0.250 ms \u00B7 \u22120.442 \u00B7 envelope 1.905");
}

}
