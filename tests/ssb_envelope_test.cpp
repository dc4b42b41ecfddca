#include "app/modMain.h"
#include "ssb/SsbPlots.h"
#include "surface/RecordingSurface.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace modMain;

namespace {

// The trace's segments drawn for one set of settings.
std::vector<DrawOp> traceFor(std::int16_t mode, float carrier, float sideband, float audioKHz)
{
    ClearSharedState();
    InitSharedState();
    SsbMode = mode;
    CarrierLevel = carrier;
    SidebandLevel = sideband;
    AudioKHz = audioKHz;
    RecordingSurface surface(12000, 9000);
    DrawSsbEnvelope(surface);
    std::vector<DrawOp> lines;
    for (const DrawOp& op : surface.ops())
        if (op.kind == DrawOp::Kind::Line)
            lines.push_back(op);
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

TEST(SsbEnvelope, TraceIs40019JoinedPointsAcrossThePanel)
{
    const auto lines = traceFor(2, -120, 0, 1);
    ASSERT_EQ(lines.size(), 40019u);
    EXPECT_EQ(OpLog::format(lines.front()), "line 6500 3000 6500 3000 A0FFFF 1"); // a dot at t = 0
    for (std::size_t i = 1; i < lines.size(); ++i)
        ASSERT_TRUE(lines[i].x1 == lines[i - 1].x2 && lines[i].y1 == lines[i - 1].y2) << i;
    // The single-precision time runs slow: the last point is at t = 1.99998, short of x 11500.
    EXPECT_NEAR(lines.back().x2, 6500 + 1.999982 * 2500, 0.01);
}

struct OutlineCase {
    std::int16_t mode;
    float carrier, sideband, audioKHz;
    float x;
    float height;    // of the outline above the zero line at x
    float tolerance; // the 40 samples of a carrier cycle miss its crest by up to 0.3 %
};

class SsbOutline : public testing::TestWithParam<OutlineCase> {};

TEST_P(SsbOutline, FollowsTheEnvelope)
{
    const OutlineCase& c = GetParam();
    EXPECT_NEAR(outlineAt(traceFor(c.mode, c.carrier, c.sideband, c.audioKHz), c.x), c.height, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, SsbOutline,
    testing::Values(
        // Suppressed carrier (the defaults): the sidebands cancel twice per audio cycle.
        OutlineCase { 2, -120, 0, 1, 6500, 1200, 6 }, OutlineCase { 2, -120, 0, 1, 7125, 0, 8 },
        OutlineCase { 2, -120, 0, 1, 7750, 1200, 6 }, OutlineCase { 2, -120, 0, 1, 8375, 0, 8 },
        OutlineCase { 2, -120, 0, 1, 9625, 0, 8 }, OutlineCase { 2, -120, 0, 1, 10875, 0, 8 },
        OutlineCase { 2, -120, 0, 2, 6812.5f, 0, 16 },
        // Full carrier and sidebands: from the panel's edges down to nothing.
        OutlineCase { 2, 0, 0, 1, 9000, 2400, 12 }, OutlineCase { 2, 0, 0, 1, 10250, 0, 8 },
        // The unwanted sideband at -120 dB or -6 dB.
        OutlineCase { 2, -120, -120, 1, 7125, 600, 3 }, OutlineCase { 2, -120, -6, 1, 7125, 299.3f, 4 },
        // One sideband: a flat band with the carrier off, 597 to 1797 with it full on.
        OutlineCase { 1, -120, 0, 1, 7125, 600, 3 }, OutlineCase { -1, -120, 0, 3, 9700, 600, 3 },
        OutlineCase { 1, 0, 0, 1, 6500, 1797.15f, 8 }, OutlineCase { 1, 0, 0, 1, 7750, 597.15f, 3 },
        OutlineCase { -1, 0, -50, 1, 10250, 597.15f, 3 }, OutlineCase { -1, 0, 0, 1, 11497.5f, 1797.15f, 8 },
        OutlineCase { 1, -20, 0, 1, 6500, 719.72f, 4 }));

TEST(SsbEnvelope, SingleSidebandOutlineStaysBetween597And1797)
{
    const auto trace = traceFor(1, 0, 0, 1);
    float narrowest = 9000, widest = 0;
    for (float x = 6502.5f; x <= 11497.5f; x += 5) {
        narrowest = std::min(narrowest, outlineAt(trace, x));
        widest = std::max(widest, outlineAt(trace, x));
    }
    EXPECT_NEAR(narrowest, 597.15f, 3);
    EXPECT_NEAR(widest, 1797.15f, 8);
}

TEST(SsbEnvelope, LowerAndUpperSidebandDrawTheSameTrace)
{
    for (float carrier : { 0.f, -120.f }) {
        const auto lower = traceFor(-1, carrier, -6, 2);
        const auto upper = traceFor(1, carrier, 0, 2);
        ASSERT_EQ(lower.size(), upper.size());
        for (std::size_t i = 0; i < lower.size(); ++i)
            ASSERT_EQ(lower[i].y2, upper[i].y2) << "carrier " << carrier << ", point " << i;
    }
}

}
