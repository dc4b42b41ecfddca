#include "app/modMain.h"
#include "ssb/SsbPlots.h"
#include "surface/RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace modMain;

namespace {

struct Point {
    float x, y;
};

// The waveform panel drawn for one set of settings, and the outline of its trace.
class SsbEnvelopeTest : public testing::Test {
protected:
    void SetUp() override
    {
        ClearSharedState();
        InitSharedState();
        SsbMode = 2;
        CarrierLevel = -120;
        SidebandLevel = 0;
    }

    std::vector<DrawOp> draw(std::int16_t mode, float carrier, float sideband, float audioKHz)
    {
        SsbMode = mode;
        CarrierLevel = carrier;
        SidebandLevel = sideband;
        AudioKHz = audioKHz;
        RecordingSurface surface(12000, 9000);
        DrawSsbEnvelope(surface);
        EXPECT_EQ(surface.lineWidth(), 1);
        return surface.ops();
    }

    static std::vector<Point> trace(const std::vector<DrawOp>& ops)
    {
        std::vector<Point> points;
        for (const DrawOp& op : ops)
            if (op.kind == DrawOp::Kind::Line)
                points.push_back({ op.x2, op.y2 });
        return points;
    }

    // The height of the outline above the zero line at x: the largest excursion within
    // one carrier cycle (5 units) around it.
    static float outlineAt(const std::vector<Point>& points, float x)
    {
        float height = 0;
        for (const Point& p : points)
            if (std::abs(p.x - x) <= 2.5f)
                height = std::max(height, std::abs(p.y - 3000));
        return height;
    }
};

TEST_F(SsbEnvelopeTest, TraceIs40019JoinedPointsAcrossThePanel)
{
    const auto ops = draw(2, -120, 0, 1);
    ASSERT_EQ(ops[0].kind, DrawOp::Kind::Fill);
    EXPECT_EQ(ops[0].x1, 6400);
    EXPECT_EQ(ops[0].y1, 500);
    EXPECT_EQ(ops[0].x2, 11600);
    EXPECT_EQ(ops[0].y2, 5500);
    EXPECT_EQ(ops[0].colour, 0x575757u);

    std::vector<DrawOp> lines;
    for (const DrawOp& op : ops)
        if (op.kind == DrawOp::Kind::Line)
            lines.push_back(op);
    ASSERT_EQ(lines.size(), 40019u);
    // The first point is a dot at t = 0, every later one joins on to the one before.
    EXPECT_EQ(lines.front().x1, 6500);
    EXPECT_EQ(lines.front().x2, 6500);
    EXPECT_EQ(lines.front().y1, lines.front().y2);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        ASSERT_EQ(lines[i].x1, lines[i - 1].x2) << i;
        ASSERT_EQ(lines[i].y1, lines[i - 1].y2) << i;
    }
    // The single-precision time runs slow: the last point is at t = 1.99998, short of x 11500.
    EXPECT_NEAR(lines.back().x2, 6500 + 1.999982f * 2500, 0.01);
    EXPECT_LT(lines.back().x2, 11500);
    EXPECT_EQ(lines.back().colour, TraceColour);
    EXPECT_EQ(lines.back().width, 1);
}

TEST_F(SsbEnvelopeTest, TimeLabelsFollowTheTrace)
{
    const auto ops = draw(2, -120, 0, 1);
    std::vector<std::string> texts;
    for (std::size_t i = ops.size() - 4; i < ops.size(); ++i) {
        EXPECT_EQ(ops[i].kind, DrawOp::Kind::Text);
        EXPECT_FALSE(ops[i].bold);
        texts.push_back(ops[i].text);
    }
    EXPECT_EQ(texts, (std::vector<std::string> { "0", ".5", "ms", "1" }));
    EXPECT_EQ(ops[ops.size() - 4].x1, 6500);
    EXPECT_EQ(ops[ops.size() - 2].x1, 8940);
    EXPECT_EQ(ops[ops.size() - 2].y1, 5800);
    EXPECT_EQ(ops.back().x1, 11500);
}

struct OutlineCase {
    const char* what;
    std::int16_t mode;
    float carrier, sideband, audioKHz;
    float x;
    float height;    // of the outline above the zero line at x
    float tolerance; // the 40 samples of a carrier cycle miss its crest by up to 0.3 %
};

class SsbOutline : public SsbEnvelopeTest, public testing::WithParamInterface<OutlineCase> {};

TEST_P(SsbOutline, FollowsTheEnvelope)
{
    const OutlineCase& c = GetParam();
    const auto points = trace(draw(c.mode, c.carrier, c.sideband, c.audioKHz));
    EXPECT_NEAR(outlineAt(points, c.x), c.height, c.tolerance) << c.what << " at x " << c.x;
}

INSTANTIATE_TEST_SUITE_P(
    Settings, SsbOutline,
    testing::Values(
        // Suppressed carrier: the sidebands cancel twice per audio cycle.
        OutlineCase { "default", 2, -120, 0, 1, 6500, 1200, 6 },
        OutlineCase { "default", 2, -120, 0, 1, 7125, 0, 8 },
        OutlineCase { "default", 2, -120, 0, 1, 7750, 1200, 6 },
        OutlineCase { "default", 2, -120, 0, 1, 8375, 0, 8 },
        OutlineCase { "default", 2, -120, 0, 1, 9625, 0, 8 },
        OutlineCase { "default", 2, -120, 0, 1, 10875, 0, 8 },
        OutlineCase { "default at 2 kHz", 2, -120, 0, 2, 6812.5f, 0, 16 },
        // Full carrier, full sidebands: from the panel's edges down to nothing.
        OutlineCase { "full DSB", 2, 0, 0, 1, 9000, 2400, 12 },
        OutlineCase { "full DSB", 2, 0, 0, 1, 7750, 0, 8 },
        OutlineCase { "full DSB", 2, 0, 0, 1, 10250, 0, 8 },
        OutlineCase { "full DSB", 2, 0, 0, 1, 8375, 1200, 8 },
        // The unwanted sideband at -120 dB leaves the upper one alone: a flat band.
        OutlineCase { "no lower sideband", 2, -120, -120, 1, 7125, 600, 3 },
        OutlineCase { "-6 dB lower sideband", 2, -120, -6, 1, 7125, 600 * (1 - 0.501187f), 4 },
        OutlineCase { "-6 dB lower sideband", 2, -120, -6, 1, 6500, 600 * (1 + 0.501187f), 6 },
        // One sideband with the carrier off: a band of constant height.
        OutlineCase { "SSB, no carrier", 1, -120, 0, 1, 7125, 600, 3 },
        OutlineCase { "SSB, no carrier", -1, -120, 0, 3, 9700, 600, 3 },
        // One sideband with the full carrier: between about 597 and 1797.
        OutlineCase { "SSB, full carrier", 1, 0, 0, 1, 6500, 1797.15f, 8 },
        OutlineCase { "SSB, full carrier", 1, 0, 0, 1, 9000, 1797.15f, 8 },
        OutlineCase { "SSB, full carrier", 1, 0, 0, 1, 7750, 597.15f, 3 },
        OutlineCase { "SSB, full carrier", -1, 0, 0, 1, 10250, 597.15f, 3 },
        OutlineCase { "SSB, full carrier", -1, 0, -50, 1, 11497.5f, 1797.15f, 8 },
        OutlineCase { "SSB, -20 dB carrier", 1, -20, 0, 1, 6500, 600 + 119.72f, 4 }));

TEST_F(SsbEnvelopeTest, SingleSidebandOutlineStaysBetween597And1797)
{
    const auto points = trace(draw(1, 0, 0, 1));
    float narrowest = 9000, widest = 0;
    for (float x = 6502.5f; x <= 11497.5f; x += 5) {
        const float height = outlineAt(points, x);
        narrowest = std::min(narrowest, height);
        widest = std::max(widest, height);
    }
    EXPECT_NEAR(narrowest, 597.15f, 3);
    EXPECT_NEAR(widest, 1797.15f, 8);
}

TEST_F(SsbEnvelopeTest, LowerAndUpperSidebandDrawTheSameTrace)
{
    for (float carrier : { 0.f, -12.f, -120.f }) {
        const auto lower = trace(draw(-1, carrier, -6, 2));
        const auto upper = trace(draw(1, carrier, 0, 2));
        ASSERT_EQ(lower.size(), upper.size());
        for (std::size_t i = 0; i < lower.size(); ++i)
            ASSERT_EQ(lower[i].y, upper[i].y) << "carrier " << carrier << ", point " << i;
    }
}

TEST_F(SsbEnvelopeTest, NoPointLeavesThePanel)
{
    for (std::int16_t mode : { 2, 1 }) {
        const auto points = trace(draw(mode, 0, 0, 3));
        const auto [low, high] = std::minmax_element(points.begin(), points.end(),
                                                     [](Point a, Point b) { return a.y < b.y; });
        EXPECT_GE(low->y, 600 - 0.5f) << mode;
        EXPECT_LE(high->y, 5400 + 0.5f) << mode;
    }
}

}
