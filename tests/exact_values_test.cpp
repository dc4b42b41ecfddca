// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotTestSupport.h"

#include "am/AmPlotSource.h"
#include "am/AmPlots.h"
#include "fm/FmSpectrumPlot.h"
#include "fm/FmState.h"
#include "ssb/SsbPlots.h"

#include <algorithm>
#include <cmath>
#include <functional>

using namespace modMain;

namespace {

constexpr double TwoPi = 6.283185307179586;

void am(float audioKHz, float depth, std::int16_t clipper, std::int16_t scale)
{
    startUpState();
    AudioKHz = audioKHz;
    ModDepth = depth;
    ClipperOn = clipper;
    YAxisMode = scale;
    DemodType = 0;
}

void ssb(float audioKHz, std::int16_t mode, float carrier, float sideband)
{
    startUpState();
    AudioKHz = audioKHz;
    SsbMode = mode;
    CarrierLevel = carrier;
    SidebandLevel = sideband;
}

void fm(float index)
{
    startUpState();
    FmState::clearFmState();
    FmState::ModulatingFrequency = 3000;
    FmState::PeakDeviation = 3000 * index;
    FmState::ModIndex = index;
    FmState::PlotBottom = 200;
    PanelWidth = 100000;
}

// The exact amplitude of a line beside the drawn one, against values known without this
// program: a sideband of m/2 for depth m, Bessel functions from tables.
TEST(ExactValuesTest, LinesGiveTheAmplitudeOfTheSignalDescribed)
{
    // The carrier's mean over a period of max(0, 1 + m sin a), for m > 1.
    const double m = double(1.4f), a0 = std::asin(1 / m);
    const double overmodulatedMean = 1 + (2 * m * std::cos(a0) - (TwoPi / 2 - 2 * a0)) / TwoPi;
    const struct {
        const char* name;
        std::function<void()> set;
        std::vector<SpectrumLine> (*lines)();
        double offsetHz, drawn, exact, tolerance;
    } cases[] = {
        { "AM 100 %, linear: -6 dB drawn", [] { am(1, 1, 0, 1); }, amSpectrumLines, 1000, 0.501187, 0.5, 1e-6 },
        { "AM 100 %, decibels: -6.4 dB drawn", [] { am(1, 1, 0, 2); }, amSpectrumLines, -1000, 0.478630, 0.5, 1e-6 },
        { "AM 100 %, carrier", [] { am(1, 1, 0, 2); }, amSpectrumLines, 0, 1, 1, 1e-6 },
        { "AM 50 % at 2 kHz", [] { am(2, 0.5f, 0, 1); }, amSpectrumLines, 2000, 0.251189, 0.25, 1e-6 },
        { "AM 25 % at 3 kHz", [] { am(3, 0.25f, 0, 1); }, amSpectrumLines, -3000, 0.125893, 0.125, 1e-6 },
        { "AM 140 %: the zero limit lifts the mean", [] { am(1, 1.4f, 0, 2); }, amSpectrumLines, 0, 1,
          overmodulatedMean, 1e-5 },
        // The clipper is symmetric about 1: no even harmonics, although the table draws them.
        { "AM 140 % clipped, second pair", [] { am(1, 1.4f, 1, 1); }, amSpectrumLines, 2000, 0.00316228, 0, 1e-6 },
        { "AM 100 % clipped, fourth pair", [] { am(1, 1, 1, 1); }, amSpectrumLines, -4000, 0.00316228, 0, 1e-6 },
        { "FM J0(1)", [] { fm(1); }, fmSpectrumLines, 0, 0.765198, 0.7651976866, 1e-9 },
        { "FM J1(1)", [] { fm(1); }, fmSpectrumLines, 3000, 0.440051, 0.4400505857, 1e-9 },
        { "FM J2(1)", [] { fm(1); }, fmSpectrumLines, -6000, 0.114904, 0.1149034849, 1e-9 },
        { "FM J0 at its first zero", [] { fm(2.404825558f); }, fmSpectrumLines, 0, 7.65868e-08, 0, 1e-7 },
        // Each full sideband of the waveform is half the full carrier: 6.02 dB down.
        { "SSB double, upper sideband", [] { ssb(1, 2, 0, -20); }, ssbSpectrumLines, 1000, 0.501187, 0.5, 1e-12 },
        { "SSB double, unwanted sideband", [] { ssb(1, 2, 0, -20); }, ssbSpectrumLines, -1000, 0.0501187, 0.05,
          1e-12 },
        { "SSB double, carrier at -6 dB", [] { ssb(2, 2, -6, 0); }, ssbSpectrumLines, 0, 0.501187, 0.501187, 1e-6 },
        { "SSB lower", [] { ssb(3, -1, -120, 0); }, ssbSpectrumLines, -3000, 0.501187, 0.5, 1e-12 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.set();
        const auto lines = c.lines();
        const auto line = std::find_if(lines.begin(), lines.end(),
                                       [&](const SpectrumLine& l) { return std::fabs(l.offsetHz - c.offsetHz) < 0.5; });
        ASSERT_NE(line, lines.end());
        EXPECT_NEAR(line->amplitude, c.drawn, 1e-5 * c.drawn);
        EXPECT_NEAR(line->exactAmplitude, c.exact, c.tolerance);
        EXPECT_GE(line->exactAmplitude, 0);
    }

    // The exact values are given to the precision they have: a carrier whose mean is 1 is
    // at 0 dB, not -8.9e-10 dB, and a pair the clipper's symmetry leaves out is 0.
    for (const auto& [depth, clipper] : { std::pair { 1.0f, 0 }, { 0.5f, 0 }, { 0.25f, 0 }, { 1.0f, 1 } }) {
        am(1, depth, std::int16_t(clipper), 1);
        const auto lines = amSpectrumLines();
        const auto carrier = std::find_if(lines.begin(), lines.end(), [](const SpectrumLine& l) { return l.offsetHz == 0; });
        ASSERT_NE(carrier, lines.end());
        if (clipper == 0) {
            EXPECT_EQ(carrier->exactAmplitude, 1) << depth;
            EXPECT_EQ(carrier->exactLevelDb(), 0) << depth;
        }
        for (const SpectrumLine& line : lines)
            if (clipper == 1 && std::lround(std::fabs(line.offsetHz)) % 2000 == 0 && line.offsetHz != 0) {
                EXPECT_EQ(line.exactAmplitude, 0) << line.offsetHz;
            }
    }

    // Beside the drawn levels, the exact ones in dB.
    fm(2.404825558f);
    EXPECT_LT(fmSpectrumLines()[0].exactLevelDb(), -120);
    am(1, 1, 0, 2);
    for (const SpectrumLine& line : amSpectrumLines()) {
        if (line.offsetHz != 0) {
            EXPECT_NEAR(line.exactLevelDb(), 20 * std::log10(0.5), 1e-5);
        }
    }
}

// The envelope beside each point of a trace of a modulated carrier: the trace never leaves
// it, reaches it, and it follows the outline known for the setting.
TEST(ExactValuesTest, EnvelopesOutlineTheirTraces)
{
    const struct {
        const char* name;
        std::function<void()> set;
        std::vector<Trace> (*traces)();
        std::function<double(double)> outline; // of the time in ms, where known
    } cases[] = {
        { "AM 100 %", [] { am(1, 1, 0, 1); }, amTraces, [](double t) { return 1 + std::sin(TwoPi * t); } },
        { "AM 50 % at 3 kHz", [] { am(3, 0.5f, 0, 1); }, amTraces,
          [](double t) { return 1 + 0.5 * std::sin(TwoPi * 3 * t); } },
        { "AM 100 % clipped", [] { am(2, 1, 1, 1); }, amTraces, nullptr },
        { "SSB double, no carrier", [] { ssb(1, 2, -120, 0); }, ssbTraces,
          [](double t) { return std::fabs(std::cos(TwoPi * t)); } },
        { "SSB upper, no carrier: a constant outline", [] { ssb(2, 1, -120, 0); }, ssbTraces,
          [](double) { return 0.5; } },
        { "SSB double, full carrier, unwanted at -12 dB", [] { ssb(3, 2, 0, -12); }, ssbTraces, nullptr },
        { "SSB lower, carrier at -6 dB", [] { ssb(1, -1, -6, 0); }, ssbTraces, nullptr },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.set();
        const Trace trace = c.traces()[0];
        ASSERT_GT(trace.points.size(), 36000u);
        double widest = 0, highest = 0;
        for (const TracePoint& point : trace.points) {
            ASSERT_LE(std::fabs(point.value), point.envelope + 1e-5) << point.timeMs;
            if (c.outline) {
                ASSERT_NEAR(point.envelope, c.outline(point.timeMs), 2e-6) << point.timeMs;
            }
            widest = std::max(widest, std::fabs(point.value));
            highest = std::max(highest, point.envelope);
        }
        EXPECT_NEAR(widest, highest, 0.005 * highest);
    }
    // The demodulator's output is no carrier: it has no envelope.
    am(1, 1, 0, 1);
    EXPECT_TRUE(std::isnan(amTraces()[1].points[0].envelope));
}

// Hovering over the envelope's peak reads the carrier's sample and the envelope there.
TEST(ExactValuesTest, ReadoutsGiveTheEnvelopeAndTheExactLevel)
{
    am(1, 1, 0, 2);
    AmPlotSource plots;
    const std::string peak = readoutAt(plots, 400 + 0.25 * 3200, 3000);
    EXPECT_TRUE(peak.starts_with("0.250 ms \u00B7 ")) << peak;
    EXPECT_TRUE(peak.ends_with(" \u00B7 envelope 2.000")) << peak;
    EXPECT_EQ(readoutAt(plots, 5700 + 300, 3000),
              "+1 kHz \u00B7 0.479 \u00B7 \u22126.40 dB drawn \u00B7 0.500 \u00B7 \u22126.02 dB exact");
}

}
