#include "TestSupport.h"

#include "am/AmPlots.h"

#include <algorithm>
#include <cmath>
#include <vector>

using namespace modMain;

namespace {

struct Settings {
    float depth = 1;
    std::int16_t clipper = 0;
    std::int16_t demod = 0;
    float kHz = 1;
};

// The trace of one plot drawn at the given settings: its joined points, in order.
std::vector<DrawOp> trace(void (*plot)(Surface&), const Settings& s)
{
    startUpState();
    ModDepth = s.depth;
    ClipperOn = s.clipper;
    DemodType = s.demod;
    AudioKHz = s.kHz;
    RecordingSurface surface(12000, 9000);
    plot(surface);
    EXPECT_EQ(surface.lineWidth(), 1);
    return traceLines(surface.ops());
}

struct Extent {
    Settings settings;
    float top, bottom;
};

void expectExtent(const std::vector<DrawOp>& lines, const Extent& e, float tolerance)
{
    const auto [top, bottom] = std::minmax_element(
        lines.begin(), lines.end(), [](const DrawOp& a, const DrawOp& b) { return a.y2 < b.y2; });
    EXPECT_NEAR(top->y2, e.top, tolerance);
    EXPECT_NEAR(bottom->y2, e.bottom, tolerance);
}

TEST(AmEnvelope, BandSpansTheEnvelopeAcrossTheMillisecond)
{
    const Extent cases[] = { { { .depth = 0 }, 1800, 4200 }, { { .depth = 1 }, 600, 5400 },
                             { { .depth = 1.4f }, 500, 5500 }, // cut flat
                             { { .depth = 1.4f, .clipper = 1 }, 648, 5352 } };
    for (const Extent& e : cases) {
        SCOPED_TRACE(testing::Message() << "depth " << e.settings.depth << ", clipper " << e.settings.clipper);
        const auto lines = trace(DrawAmEnvelope, e.settings);
        ASSERT_EQ(lines.size(), 36001u);
        EXPECT_EQ(lines.front().x2, 400);
        EXPECT_EQ(lines.back().x2, 3600);
        expectExtent(lines, e, 0.5);
    }
}

TEST(AmEnvelope, PinchesWhereTheEnvelopeReachesZero)
{
    // One trough at 0.75 ms at 1 kHz, three at 3 kHz.
    for (const auto& [kHz, troughs] : std::vector<std::pair<float, std::vector<int>>> {
             { 1.0f, { 27000 } }, { 3.0f, { 9000, 21000, 33000 } } }) {
        const auto lines = trace(DrawAmEnvelope, { .kHz = kHz });
        for (int n : troughs)
            EXPECT_NEAR(lines[std::size_t(n)].y2, 3000, 0.5) << kHz << " kHz, n " << n;
    }
    // Overmodulated, flat on the centre line while 1 + 1.4 sin is negative; the clipper
    // keeps the band open by 0.04 of the carrier.
    const auto flat = trace(DrawAmEnvelope, { .depth = 1.4f });
    const auto open = trace(DrawAmEnvelope, { .depth = 1.4f, .clipper = 1 });
    float widest = 0;
    for (std::size_t n = 23000; n <= 31000; ++n)
        EXPECT_EQ(flat[n].y2, 3000) << n;
    for (std::size_t n = 26900; n <= 27100; ++n)
        widest = std::max(widest, std::abs(open[n].y2 - 3000));
    EXPECT_NEAR(widest, 48, 0.5);
}

TEST(AmClipper, EachRuleWorksOnTheResultOfTheOneBefore)
{
    const struct {
        float in, clipped, knee;
    } cases[] = { { -0.4f, 0.04f, 0.04f }, { 0, 0.07f, 0.07f }, { 0.07f, 0.091f, 0.091f },
                  { 1, 1, 1 }, { 2, 1.93f, 2 }, { 2.4f, 1.96f, 2.4f } };
    for (const auto& c : cases) {
        EXPECT_NEAR(ApplyModulationClipper(c.in), c.clipped, 1e-6) << c.in;
        EXPECT_NEAR(ApplyDiodeKnee(c.in), c.knee, 1e-6) << c.in;
    }
}

TEST(AmDemodOutput, PeakAndTroughOfTheOutput)
{
    const Extent cases[] = { { {}, 1800, 4200 },
                             { { .demod = 1 }, 1800, 4116 },
                             { { .clipper = 1, .demod = 1 }, 1884, 4090.8f },
                             { { .depth = 1.4f }, 1320, 4200 },
                             { { .depth = 1.4f, .demod = 1 }, 1320, 4152 },
                             { { .depth = 1.4f, .clipper = 1 }, 1848, 4152 },
                             { { .depth = 0, .demod = 1 }, 3000, 3000 } };
    for (const Extent& e : cases) {
        SCOPED_TRACE(testing::Message() << "depth " << e.settings.depth << ", clipper " << e.settings.clipper
                                        << ", demodulator " << e.settings.demod);
        const auto lines = trace(DrawAmDemodOutput, e.settings);
        ASSERT_EQ(lines.size(), 361u);
        EXPECT_EQ(lines.front().x2, 8100);
        EXPECT_EQ(lines.back().x2, 11500);
        expectExtent(lines, e, 0.01);
    }
}

}
