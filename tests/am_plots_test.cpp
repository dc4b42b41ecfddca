// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotTestSupport.h"

#include "am/AmPlots.h"
#include "core/ExactSine.h"

#include <algorithm>
#include <cmath>
#include <vector>

using namespace modMain;

namespace {

struct Settings {
    float depth = 1;
    std::int16_t clipper = 0, demod = 0, scale = 1;
    float kHz = 1;
};

// The operations of one plot drawn at the given settings.
std::vector<DrawOp> draw(void (*plot)(Surface&), const Settings& s)
{
    startUpState();
    ModDepth = s.depth;
    ClipperOn = s.clipper;
    DemodType = s.demod;
    YAxisMode = s.scale;
    AudioKHz = s.kHz;
    RecordingSurface surface(12000, 9000);
    plot(surface);
    EXPECT_EQ(surface.lineWidth(), 1);
    return surface.ops();
}

// The top and bottom of a trace, its point count and its first and last x.
void expectTrace(void (*plot)(Surface&), const Settings& s, float top, float bottom, float tolerance)
{
    SCOPED_TRACE(testing::Message() << "depth " << s.depth << ", clipper " << s.clipper << ", demodulator "
                                    << s.demod);
    const auto lines = traceLines(draw(plot, s));
    const bool envelope = plot == DrawAmEnvelope;
    ASSERT_EQ(lines.size(), envelope ? 36001u : 361u);
    EXPECT_EQ(lines.front().x2, envelope ? 400 : 8100);
    EXPECT_EQ(lines.back().x2, envelope ? 3600 : 11500);
    const auto [high, low] = std::minmax_element(
        lines.begin(), lines.end(), [](const DrawOp& a, const DrawOp& b) { return a.y2 < b.y2; });
    EXPECT_NEAR(high->y2, top, tolerance);
    EXPECT_NEAR(low->y2, bottom, tolerance);
}

TEST(AmEnvelopeTest, BandSpansTheEnvelopeAcrossTheMillisecond)
{
    expectTrace(DrawAmEnvelope, { .depth = 0 }, 1800, 4200, 0.5);
    expectTrace(DrawAmEnvelope, { .depth = 1 }, 600, 5400, 0.5);
    expectTrace(DrawAmEnvelope, { .depth = 1.4f }, 500, 5500, 0.5); // cut flat
    expectTrace(DrawAmEnvelope, { .depth = 1.4f, .clipper = 1 }, 648, 5352, 0.5);
}

// The first points, one step of a hundredth of a degree apart: the carrier advances 3000
// rad a step, so the trace jumps between the upper and the lower half of the band.
TEST(AmEnvelopeTest, FirstPointsAlternateAboutTheCentreLine)
{
    // clang-format off
    const std::pair<float, float> points[] = { { 400, 3000 },          { 400.088898f, 2736.92603f },
                                               { 400.177765f, 3513.44263f }, { 400.266663f, 2261.07739f },
                                               { 400.35556f, 3928.53711f },  { 400.444458f, 1926.95007f } };
    // clang-format on
    const auto lines = traceLines(draw(DrawAmEnvelope, {}));
    for (std::size_t n = 0; n < std::size(points); ++n) {
        EXPECT_FLOAT_EQ(lines.at(n).x2, points[n].first) << n;
        EXPECT_FLOAT_EQ(lines.at(n).y2, points[n].second) << n;
    }
}

TEST(AmEnvelopeTest, PinchesWhereTheEnvelopeReachesZero)
{
    // One trough at 0.75 ms at 1 kHz, three at 3 kHz.
    for (const auto& [kHz, troughs] : std::vector<std::pair<float, std::vector<int>>> {
             { 1.0f, { 27000 } }, { 3.0f, { 9000, 21000, 33000 } } }) {
        const auto lines = traceLines(draw(DrawAmEnvelope, { .kHz = kHz }));
        for (int n : troughs)
            EXPECT_NEAR(lines[std::size_t(n)].y2, 3000, 0.5) << kHz << " kHz, n " << n;
    }
    // Overmodulated, flat on the centre line while 1 + 1.4 sin is negative.
    const auto flat = traceLines(draw(DrawAmEnvelope, { .depth = 1.4f }));
    for (std::size_t n = 23000; n <= 31000; ++n)
        EXPECT_EQ(flat[n].y2, 3000) << n;
}

// The envelope's sines are kept between redraws: whatever was drawn before, every point
// must be the one computed afresh from its own audio frequency, depth and clipper.
TEST(AmEnvelopeTest, TraceIsTheSameWhateverWasDrawnBefore)
{
    // clang-format off
    const Settings order[] = { { .kHz = 3 }, { .depth = 1.4f, .clipper = 1, .kHz = 1 }, { .depth = 0.5f, .kHz = 2 },
                               { .depth = 1.2f, .kHz = 3 }, { .depth = 0.1f, .kHz = 1 } };
    // clang-format on
    for (int pass = 0; pass < 2; ++pass)
        for (const Settings& s : order) {
            const auto lines = traceLines(draw(DrawAmEnvelope, s));
            ASSERT_EQ(lines.size(), 36001u);
            for (int n = 0; n <= 36000; ++n) {
                const float a = float(double(Pi) * s.kHz / 180.0 * n / 100.0);
                float E = float(double(s.depth) * exactSin(double(a)) + 1.0);
                if (s.clipper == 1)
                    E = applyModulationClipper(E);
                const float y = float(3000.0 - 1200.0 * std::max(E, 0.0f) * exactSin(3000.0 * n));
                ASSERT_EQ(lines[std::size_t(n)].y2, std::clamp(y, 500.0f, 5500.0f))
                    << "pass " << pass << ", " << s.kHz << " kHz, depth " << s.depth << ", point " << n;
            }
        }
}

TEST(AmClipperTest, EachRuleWorksOnTheResultOfTheOneBefore)
{
    // clang-format off
    const struct {
        float in, clipped, knee;
    } cases[] = { { -0.4f, 0.04f, 0.04f }, { 0, 0.07f, 0.07f }, { 0.07f, 0.091f, 0.091f },
                  { 1, 1, 1 }, { 2, 1.93f, 2 }, { 2.4f, 1.96f, 2.4f } };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_NEAR(applyModulationClipper(c.in), c.clipped, 1e-6) << c.in;
        EXPECT_NEAR(applyDiodeKnee(c.in), c.knee, 1e-6) << c.in;
    }
}

TEST(AmDemodOutputTest, PeakAndTroughOfTheOutput)
{
    expectTrace(DrawAmDemodOutput, {}, 1800, 4200, 0.01);
    expectTrace(DrawAmDemodOutput, { .demod = 1 }, 1800, 4116, 0.01);
    expectTrace(DrawAmDemodOutput, { .clipper = 1, .demod = 1 }, 1884, 4090.8f, 0.01);
    expectTrace(DrawAmDemodOutput, { .depth = 1.4f }, 1320, 4200, 0.01);
    expectTrace(DrawAmDemodOutput, { .depth = 1.4f, .demod = 1 }, 1320, 4152, 0.01);
    expectTrace(DrawAmDemodOutput, { .depth = 1.4f, .clipper = 1 }, 1848, 4152, 0.01);
    expectTrace(DrawAmDemodOutput, { .depth = 0, .demod = 1 }, 3000, 3000, 0.01);
}

constexpr float NotDrawn = 0; // a pair that is not drawn

// The tops of the pairs k = 1 to 5 at 1 kHz, on the linear and on the decibel scale.
const struct {
    float depth;
    std::vector<std::int16_t> clippers;
    std::vector<float> linear, decibel;
} levelRows[] = {
    { 0, { 0, 1 }, {}, {} },
    { 0.1f, { 0, 1 }, { 5159.43f }, { 3096 } },
    { 0.25f, { 0, 1 }, { 4795.72f }, { 2328 } },
    { 0.5f, { 0, 1 }, { 4194.29f }, { 1752 } },
    { 1, { 0 }, { 2994.3f }, { 1214.4f } }, // 6 dB on the linear scale, 6.4 dB on the other
    // clang-format off
    { 1.2f, { 0 }, { 2615.54f, 5296.19f, 5313.65f, 5333.51f, 5356.72f },
      { 1054.08f, 3796.8f, 3950.4f, 4168.32f, 4526.4f } },
    { 1.4f, { 0 }, { 2336.34f, 5148.09f, 5225.72f, 5300.86f, 5363.84f },
      { 974.4f, 3057.6f, 3364.8f, 3835.2f, 4676.16f } },
    // clang-format on
    // With the clipper the even pairs are 50 dB down: stubs on the linear scale, none on
    // the decibel scale.
    // clang-format off
    { 1, { 1 }, { 3102.58f, 5384.82f, 5340.54f, 5384.82f, 5358.19f },
      { 1214.4f, NotDrawn, 4261.44f, NotDrawn, 4555.2f } },
    { 1.2f, { 1 }, { 2909.76f, 5384.82f, 5152.41f, 5384.82f, 5316.78f },
      { 1147.2f, NotDrawn, 3072, NotDrawn, 3981.12f } },
    { 1.4f, { 1 }, { 2822.25f, 5384.82f, 4999.83f, 5384.82f, 5364.42f },
      { 1118.4f, NotDrawn, 2671.68f, NotDrawn, 4689.6f } },
    // clang-format on
};

using Line = std::pair<float, float>; // x, top

// The sideband lines of the spectrum, after the carrier, which stands full height in the centre.
std::vector<Line> sidebands(const Settings& s)
{
    std::vector<Line> lines;
    for (const DrawOp& op : traceLines(draw(DrawAmSpectrum, s))) {
        EXPECT_EQ(op.width, 3);
        EXPECT_EQ(op.y2, 5400);
        lines.emplace_back(op.x1, op.y1);
    }
    EXPECT_EQ(lines.at(0), Line(5700, 600));
    lines.erase(lines.begin());
    return lines;
}

TEST(AmSpectrumTest, LineTopsForEveryDepthClipperAndScale)
{
    for (const auto& row : levelRows)
        for (std::int16_t clipper : row.clippers)
            for (std::int16_t scale : { 1, 2 }) {
                SCOPED_TRACE(testing::Message() << "depth " << row.depth << ", clipper " << clipper
                                                << ", scale " << scale);
                std::vector<Line> expected;
                const auto& tops = scale == 1 ? row.linear : row.decibel;
                for (std::size_t k = 1; k <= tops.size(); ++k)
                    if (tops[k - 1] != NotDrawn) {
                        expected.push_back({ 5700 - 300.0f * k, tops[k - 1] });
                        expected.push_back({ 5700 + 300.0f * k, tops[k - 1] });
                    }
                const auto drawn = sidebands({ .depth = row.depth, .clipper = clipper, .scale = scale });
                ASSERT_EQ(drawn.size(), expected.size());
                for (std::size_t i = 0; i < drawn.size(); ++i) {
                    EXPECT_EQ(drawn[i].first, expected[i].first) << i;
                    EXPECT_NEAR(drawn[i].second, expected[i].second, 0.01) << i;
                }
            }
}

TEST(AmSpectrumTest, PairsBeyondFiveKilohertzAreSkipped)
{
    for (const auto& [kHz, xs] : { std::pair { 3.0f, std::vector<float> { 4800, 6600 } },
                                   std::pair { 2.0f, std::vector<float> { 5100, 6300, 4500, 6900 } } }) {
        std::vector<float> drawn;
        for (const Line& line : sidebands({ .depth = 1.4f, .kHz = kHz }))
            drawn.push_back(line.first);
        EXPECT_EQ(drawn, xs) << kHz << " kHz";
    }
}

TEST(AmSpectrumTest, OnlyExactSettingsDrawSidebands)
{
    EXPECT_TRUE(sidebands({ .depth = std::nextafter(1.2f, 2.0f) }).empty());
    EXPECT_TRUE(sidebands({ .depth = 0.1f, .scale = 0 }).empty());    // no such scale
    EXPECT_EQ(sidebands({ .depth = 0.1f, .clipper = 2 }).size(), 2u); // small depths ignore the clipper
    EXPECT_TRUE(sidebands({ .depth = 1.2f, .clipper = 2 }).empty());  // no such clipper setting
}

// The spectrum ends with its level scale: a white column, then every label, each 120
// above the grid line it names and the last 100 above the baseline.
TEST(AmSpectrumTest, EndsWithTheLevelScaleOverAWhiteColumn)
{
    const std::pair<std::int16_t, std::vector<std::pair<int, const char*>>> scales[] = {
        // clang-format off
        { 1, { { 480, "1.0" }, { 960, ".9" }, { 1440, ".8" }, { 1920, ".7" }, { 2400, ".6" }, { 2880, ".5" },
               { 3360, ".4" }, { 3840, ".3" }, { 4320, ".2" }, { 4800, ".1" }, { 5300, "0" } } },
        // clang-format on
        { 2, { { 480, "0" }, { 1440, "-10" }, { 2400, "-20" }, { 3360, "-30" }, { 4320, "-40" }, { 5300, "-50dB" } } },
    };
    for (const auto& [scale, labels] : scales) {
        std::vector<std::string> expected { "fill 7320 480 7980 5500 FFFFFF" };
        for (const auto& [y, text] : labels)
            expected.push_back("text 7320 " + std::to_string(y) + " regular 9.75 \"" + text + '"');
        const auto ops = draw(DrawAmSpectrum, { .scale = scale });
        ASSERT_GT(ops.size(), expected.size());
        EXPECT_EQ(formatted({ ops.end() - std::ptrdiff_t(expected.size()), ops.end() }), expected) << scale;
    }
}

}
