// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotTestSupport.h"

#include "ssb/SsbPlots.h"
#include "ssb/SsbSineTables.h"

#include <cmath>
#include <optional>

using namespace modMain;

namespace {

struct Settings {
    std::int16_t mode = 2; // double sideband
    float kHz = 1, carrier = -120, sideband = 0;
};

// The lines one plot draws in the trace colour at the given settings, in order.
std::vector<DrawOp> trace(void (*plot)(Surface&), const Settings& s)
{
    startUpState();
    SsbMode = s.mode;
    AudioKHz = s.kHz;
    CarrierLevel = s.carrier;
    SidebandLevel = s.sideband;
    RecordingSurface surface(12000, 9000);
    plot(surface);
    EXPECT_EQ(surface.lineWidth(), 1);
    return traceLines(surface.ops());
}

// The carrier and sideband lines of the spectrum, each standing on the baseline.
std::vector<DrawOp> spectrum(const Settings& s)
{
    const auto lines = trace(DrawSsbSpectrum, s);
    for (const DrawOp& line : lines)
        EXPECT_TRUE(line.width == 3 && line.x1 == line.x2 && line.y2 == 5400) << OpLog::format(line);
    return lines;
}

// The height of the outline above the zero line at x: the largest excursion within
// one carrier cycle (5 units) around it.
float outlineAt(const std::vector<DrawOp>& trace, float x)
{
    float height = 0;
    for (const DrawOp& line : trace)
        if (std::abs(line.x2 - x) <= 2.5f)
            height = std::max(height, std::abs(line.y2 - 3000));
    return height;
}

TEST(SsbEnvelopeTest, TraceIs40019JoinedPointsAcrossThePanel)
{
    const auto lines = trace(DrawSsbEnvelope, {});
    ASSERT_EQ(lines.size(), 40019u);
    EXPECT_EQ(OpLog::format(lines.front()), "line 6500 3000 6500 3000 A0FFFF 1"); // a dot at t = 0
    for (std::size_t i = 1; i < lines.size(); ++i)
        ASSERT_TRUE(lines[i].x1 == lines[i - 1].x2 && lines[i].y1 == lines[i - 1].y2) << i;
    // The single-precision time runs slow: the last point is at t = 1.99998, short of x 11500.
    EXPECT_NEAR(lines.back().x2, 6500 + 1.999982 * 2500, 0.01);
}

// The trace spans t = 0 to 2 ms, so the axis under it reads 0, 1 and 2 ms.
TEST(SsbEnvelopeTest, TimeAxisReadsZeroToTwoMilliseconds)
{
    startUpState();
    SsbMode = 2;
    CarrierLevel = -120;
    RecordingSurface surface(12000, 9000);
    DrawSsbEnvelope(surface);
    EXPECT_EQ(formatted(surface.ops(), DrawOp::Kind::Text),
              (std::vector<std::string> { "text 6500 5600 regular 9.75 \"0\"", "text 9000 5600 regular 9.75 \"1\"",
                                          "text 8940 5800 regular 9.75 \"ms\"", "text 11500 5600 regular 9.75 \"2\"" }));
}

TEST(SsbEnvelopeTest, OutlineFollowsTheEnvelope)
{
    const struct {
        Settings settings;
        float x;
        float height;    // of the outline above the zero line at x
        float tolerance; // the 40 samples of a carrier cycle miss its crest by up to 0.3 %
    } cases[] = {
        // Suppressed carrier (the defaults): the sidebands cancel twice per audio cycle.
        { {}, 6500, 1200, 6 },
        { {}, 7125, 0, 8 },
        { {}, 8375, 0, 8 },
        { {}, 9625, 0, 8 },
        { {}, 10875, 0, 8 },
        { { .kHz = 2 }, 6812.5f, 0, 16 },
        // Full carrier and sidebands: from the panel's edges down to nothing.
        { { .carrier = 0 }, 9000, 2400, 12 },
        { { .carrier = 0 }, 10250, 0, 8 },
        // The unwanted sideband at -6 dB; one sideband: a flat band with the carrier off,
        // its ripple scaled by the carrier.
        { { .sideband = -6 }, 7125, 299.3f, 4 },
        { { .mode = 1 }, 7125, 600, 3 },
        { { .mode = 1, .carrier = -20 }, 6500, 719.72f, 4 },
    };
    for (const auto& c : cases)
        EXPECT_NEAR(outlineAt(trace(DrawSsbEnvelope, c.settings), c.x), c.height, c.tolerance)
            << "mode " << c.settings.mode << ", " << c.settings.kHz << " kHz, carrier " << c.settings.carrier
            << ", sideband " << c.settings.sideband << ", x " << c.x;
}

TEST(SsbEnvelopeTest, SingleSidebandOutlineWithFullCarrierStaysBetween597And1797)
{
    for (const std::int16_t mode : { -1, 1 }) {
        const auto lines = trace(DrawSsbEnvelope, { .mode = mode, .carrier = 0 });
        float narrowest = 9000, widest = 0;
        for (float x = 6502.5f; x <= 11497.5f; x += 5) {
            narrowest = std::min(narrowest, outlineAt(lines, x));
            widest = std::max(widest, outlineAt(lines, x));
        }
        EXPECT_NEAR(narrowest, 597.15f, 3) << mode;
        EXPECT_NEAR(widest, 1797.15f, 8) << mode;
    }
}

TEST(SsbEnvelopeTest, LowerAndUpperSidebandDrawTheSameTraceWhateverTheSidebandLevel)
{
    for (float carrier : { 0.f, -120.f }) {
        const auto lower = trace(DrawSsbEnvelope, { .mode = -1, .kHz = 2, .carrier = carrier, .sideband = -6 });
        const auto upper = trace(DrawSsbEnvelope, { .mode = 1, .kHz = 2, .carrier = carrier, .sideband = 0 });
        ASSERT_EQ(lower.size(), upper.size());
        for (std::size_t i = 0; i < lower.size(); ++i)
            ASSERT_EQ(lower[i].y2, upper[i].y2) << "carrier " << carrier << ", point " << i;
    }
}

// The sines are kept between redraws: whatever was drawn before, a trace must be the one
// drawn from freshly computed sines at its own frequency and mode.
TEST(SsbEnvelopeTest, TraceIsTheSameWhateverWasDrawnBefore)
{
    // clang-format off
    const Settings order[] = { { .mode = 1, .kHz = 1 }, { .kHz = 3, .carrier = 0 }, { .mode = -1, .kHz = 2 },
                               { .kHz = 1, .sideband = -6 }, { .mode = 1, .kHz = 3, .carrier = -20 } };
    // clang-format on
    std::vector<std::vector<DrawOp>> fresh;
    for (const Settings& s : order) {
        forgetSsbSineTables();
        fresh.push_back(trace(DrawSsbEnvelope, s));
    }
    forgetSsbSineTables();
    for (int pass = 0; pass < 2; ++pass)
        for (std::size_t i = 0; i < std::size(order); ++i) {
            const auto kept = trace(DrawSsbEnvelope, order[i]);
            ASSERT_EQ(kept.size(), fresh[i].size());
            for (std::size_t k = 0; k < kept.size(); ++k)
                ASSERT_EQ(kept[k].y2, fresh[i][k].y2) << "pass " << pass << ", settings " << i << ", point " << k;
        }
}

TEST(SsbSineTableTest, HeldTableSurvivesTheCollectionBeingRenewed)
{
    startUpState();
    const SineTable held = ssbSineTable(501);
    const std::vector<double> copy = *held;
    for (int kHz = 400; kHz < 440; ++kHz)
        ssbSineTable(kHz);
    EXPECT_EQ(*held, copy);
    EXPECT_EQ(held->size(), 40019u);
    EXPECT_DOUBLE_EQ((*held)[1], std::sin(2.0 * double(0.00005f) * double(Pi) * 501));
}

TEST(SsbSpectrumTest, CarrierAndUnwantedSidebandStandAtTheirLevels)
{
    const struct {
        float level;
        std::optional<float> carrierTop; // none: no carrier line
        float unwantedTop;
        // clang-format off
    } cases[] = { { 0, 600, 1176 },     { -6, 1176, 1752 },   { -12, 1752, 2328 }, { -20, 2520, 3096 },
                  { -30, 3480, 4056 },  { -40, 4440, 5016 },  { -50, 5400, 5400 }, { -120, std::nullopt, 5400 } };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.level);
        const auto upper = spectrum({ .mode = 1, .carrier = c.level }); // upper sideband, then carrier
        ASSERT_EQ(upper.size(), c.carrierTop ? 2u : 1u);
        if (c.carrierTop) {
            EXPECT_EQ(upper[1].x1, 2900);
            EXPECT_FLOAT_EQ(upper[1].y1, *c.carrierTop);
        }
        const auto pair = spectrum({ .sideband = c.level });
        ASSERT_EQ(pair.size(), 2u);
        EXPECT_EQ(pair[0].x1, 2400);
        EXPECT_FLOAT_EQ(pair[0].y1, c.unwantedTop);
        EXPECT_FLOAT_EQ(pair[1].y1, 1176); // the wanted one never moves
    }
}

TEST(SsbSpectrumTest, SidebandsStandAtTheAudioFrequencyFromTheCarrier)
{
    const struct {
        std::int16_t mode;
        float kHz;
        std::vector<float> xs; // sidebands in the order drawn, then the carrier
        // clang-format off
    } cases[] = { { 2, 1, { 2400, 3400, 2900 } }, { 2, 3, { 1400, 4400, 2900 } }, { -1, 3, { 1400, 2900 } },
                  { 1, 3, { 4400, 2900 } } };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << ", " << c.kHz << " kHz");
        std::vector<float> xs;
        for (const DrawOp& line : spectrum({ c.mode, c.kHz, -6, -30 })) {
            xs.push_back(line.x1);
            const bool unwanted = c.mode == 2 && line.x1 < 2900;
            EXPECT_FLOAT_EQ(line.y1, unwanted ? 4056 : 1176) << line.x1;
        }
        EXPECT_EQ(xs, c.xs);
    }
}

}
