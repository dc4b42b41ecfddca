#include "am/AmPlots.h"
#include "app/modMain.h"
#include "surface/RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

using namespace modMain;

namespace {

// One plot drawn at the given settings (1 kHz, linear scale, ideal demodulator unless set).
struct Settings {
    float depth = 1;
    std::int16_t clipper = 0;
    std::int16_t scale = 1;
    std::int16_t demod = 0;
    float kHz = 1;
};

std::vector<DrawOp> draw(void (*plot)(Surface&), const Settings& s)
{
    ClearSharedState();
    InitSharedState();
    ModDepth = s.depth;
    ClipperOn = s.clipper;
    YAxisMode = s.scale;
    DemodType = s.demod;
    AudioKHz = s.kHz;
    RecordingSurface surface(12000, 9000);
    plot(surface);
    EXPECT_EQ(surface.lineWidth(), 1);
    return surface.ops();
}

std::vector<DrawOp> trace(const std::vector<DrawOp>& ops)
{
    std::vector<DrawOp> lines;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(lines),
                 [](const DrawOp& op) { return op.kind == DrawOp::Kind::Line && op.colour == 0xFFFFA0; });
    return lines;
}

std::pair<float, float> extent(const std::vector<DrawOp>& lines)
{
    const auto [low, high] = std::minmax_element(lines.begin(), lines.end(),
                                                 [](const DrawOp& a, const DrawOp& b) { return a.y2 < b.y2; });
    return { low->y2, high->y2 };
}

struct EnvelopeCase {
    Settings settings;
    float top, bottom;
};

class AmEnvelopeBand : public testing::TestWithParam<EnvelopeCase> {};

TEST_P(AmEnvelopeBand, FillsTheBandBetweenTheEnvelopes)
{
    const auto lines = trace(draw(DrawAmEnvelope, GetParam().settings));
    ASSERT_EQ(lines.size(), 36001u);
    EXPECT_EQ(lines.front().x1, 400);
    EXPECT_EQ(lines.front().x2, 400); // a dot places the pen
    EXPECT_EQ(lines.back().x2, 3600);
    const auto [top, bottom] = extent(lines);
    EXPECT_NEAR(top, GetParam().top, 0.5);
    EXPECT_NEAR(bottom, GetParam().bottom, 0.5);
}

INSTANTIATE_TEST_SUITE_P(
    Depths, AmEnvelopeBand,
    testing::Values(EnvelopeCase { { .depth = 0 }, 1800, 4200 },
                    EnvelopeCase { { .depth = 0, .clipper = 1 }, 1800, 4200 },
                    EnvelopeCase { { .depth = 1 }, 600, 5400 },
                    EnvelopeCase { { .depth = 1.4f }, 500, 5500 }, // cut flat beyond the grid
                    EnvelopeCase { { .depth = 1.4f, .clipper = 1 }, 648, 5352 },
                    EnvelopeCase { { .depth = 1.2f, .clipper = 1 }, 655.2f, 5344.8f }));

TEST(AmEnvelope, PinchesWhereTheEnvelopeReachesZero)
{
    // 1 kHz: the trough at 0.75 ms; 3 kHz: three troughs in the millisecond.
    for (const auto& [kHz, troughs] : std::vector<std::pair<float, std::vector<int>>> {
             { 1.0f, { 27000 } }, { 3.0f, { 9000, 21000, 33000 } } }) {
        const auto lines = trace(draw(DrawAmEnvelope, { .kHz = kHz }));
        for (int n : troughs)
            EXPECT_NEAR(lines[std::size_t(n)].y2, 3000, 0.5) << kHz << " kHz, n " << n;
    }
    // Overmodulated, the band lies flat on the centre line while 1 + 1.4 sin is negative;
    // the clipper keeps it open at the trough by 0.04 of the carrier.
    const auto flat = trace(draw(DrawAmEnvelope, { .depth = 1.4f }));
    for (std::size_t n = 23000; n <= 31000; ++n)
        EXPECT_EQ(flat[n].y2, 3000) << n;
    const auto open = trace(draw(DrawAmEnvelope, { .depth = 1.4f, .clipper = 1 }));
    float widest = 0;
    for (std::size_t n = 26900; n <= 27100; ++n)
        widest = std::max(widest, std::abs(open[n].y2 - 3000));
    EXPECT_NEAR(widest, 48, 0.5);
}

TEST(AmEnvelope, GridAndReferenceLinesGoOverTheTrace)
{
    const auto ops = draw(DrawAmEnvelope, {});
    EXPECT_EQ(OpLog::format(ops.front()), "fill 300 500 3700 5500 575757");
    std::vector<float> grid, reference;
    for (const DrawOp& op : ops) {
        if (op.kind == DrawOp::Kind::Line && op.colour == 0x88AA88)
            grid.push_back(op.y1);
        if (op.kind == DrawOp::Kind::Line && op.colour == 0xDDDDDD)
            reference.push_back(op.y1);
        if (op.kind == DrawOp::Kind::Line && op.colour != 0xFFFFA0)
            EXPECT_EQ(op.x1, 300) << OpLog::format(op);
    }
    ASSERT_EQ(grid.size(), 21u);
    for (std::size_t i = 0; i < grid.size(); ++i)
        EXPECT_NEAR(grid[i], 600 + 240 * float(i), 0.01);
    EXPECT_EQ(reference, (std::vector<float> { 600, 5400, 3000 }));
    EXPECT_EQ(ops.back().kind, DrawOp::Kind::Text);
    EXPECT_EQ(trace(ops).back().x2, 3600); // nothing after the trace but grid and labels
}

TEST(AmClipper, EachRuleWorksOnTheResultOfTheOneBefore)
{
    const struct {
        float in, clipped, knee;
    } cases[] = { { -0.4f, 0.04f, 0.04f }, { 0, 0.07f, 0.07f }, { 0.07f, 0.091f, 0.091f },
                  { 0.5f, 0.5f, 0.5f },   { 1, 1, 1 },         { 2, 1.93f, 2 },
                  { 2.2f, 1.954f, 2.2f }, { 2.4f, 1.96f, 2.4f } };
    for (const auto& c : cases) {
        EXPECT_NEAR(ApplyModulationClipper(c.in), c.clipped, 1e-6) << c.in;
        EXPECT_NEAR(ApplyDiodeKnee(c.in), c.knee, 1e-6) << c.in;
    }
}

struct DemodCase {
    Settings settings;
    float trough, peak;
};

class AmDemodOutput : public testing::TestWithParam<DemodCase> {};

TEST_P(AmDemodOutput, TroughAndPeakOfTheOutput)
{
    const auto ops = draw(DrawAmDemodOutput, GetParam().settings);
    const auto lines = trace(ops);
    ASSERT_EQ(lines.size(), 361u);
    EXPECT_EQ(lines.front().x2, 8100);
    EXPECT_EQ(lines.back().x2, 11500);
    const auto [peak, trough] = extent(lines);
    EXPECT_NEAR(trough, GetParam().trough, 0.01);
    EXPECT_NEAR(peak, GetParam().peak, 0.01);
}

INSTANTIATE_TEST_SUITE_P(
    Demodulators, AmDemodOutput,
    testing::Values(DemodCase { {}, 4200, 1800 }, DemodCase { { .demod = 1 }, 4116, 1800 },
                    DemodCase { { .clipper = 1, .demod = 1 }, 4090.8f, 1884 },
                    DemodCase { { .depth = 1.4f }, 4200, 1320 },
                    DemodCase { { .depth = 1.4f, .demod = 1 }, 4152, 1320 },
                    DemodCase { { .depth = 1.4f, .clipper = 1 }, 4152, 1848 },
                    DemodCase { { .depth = 0, .demod = 1 }, 3000, 3000 }));

TEST(AmDemodOutput, OutlineThenReferenceLinesForOneZeroAndTwo)
{
    const auto ops = draw(DrawAmDemodOutput, {});
    ASSERT_GE(ops.size(), 5u);
    EXPECT_EQ(OpLog::format(ops[0]), "fill 8000 500 11600 5500 575757");
    EXPECT_EQ(OpLog::format(ops[1]), "box 8100 600 11500 5400 88AA88 1");
    EXPECT_EQ(OpLog::format(ops[2]), "line 8100 3000 11500 3000 88AA88 1");
    EXPECT_EQ(OpLog::format(ops[3]), "line 8100 4200 11500 4200 88AA88 1");
    EXPECT_EQ(OpLog::format(ops[4]), "line 8100 1800 11500 1800 88AA88 1");
    EXPECT_NEAR(trace(ops)[90].y2, 1800, 0.01);
}

}
