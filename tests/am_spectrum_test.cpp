#include "TestSupport.h"

#include "am/AmPlots.h"

#include <cmath>
#include <vector>

using namespace modMain;

namespace {

constexpr float none = 0; // a pair that is not drawn

// The tops of the pairs k = 1 to 5 at 1 kHz, on the linear and on the decibel scale.
const struct {
    float depth;
    std::vector<int> clippers;
    std::vector<float> linear, decibel;
} levelRows[] = {
    { 0, { 0, 1 }, {}, {} },
    { 0.1f, { 0, 1 }, { 5159.43f }, { 3096 } },
    { 0.25f, { 0, 1 }, { 4795.72f }, { 2328 } },
    { 0.5f, { 0, 1 }, { 4194.29f }, { 1752 } },
    { 1, { 0 }, { 2994.3f }, { 1214.4f } }, // 6 dB on the linear scale, 6.4 dB on the other
    { 1.2f, { 0 }, { 2615.54f, 5296.19f, 5313.65f, 5333.51f, 5356.72f },
      { 1054.08f, 3796.8f, 3950.4f, 4168.32f, 4526.4f } },
    { 1.4f, { 0 }, { 2336.34f, 5148.09f, 5225.72f, 5300.86f, 5363.84f },
      { 974.4f, 3057.6f, 3364.8f, 3835.2f, 4676.16f } },
    // With the clipper the even pairs are 50 dB down: stubs on the linear scale, none on
    // the decibel scale.
    { 1, { 1 }, { 3102.58f, 5384.82f, 5340.54f, 5384.82f, 5358.19f },
      { 1214.4f, none, 4261.44f, none, 4555.2f } },
    { 1.2f, { 1 }, { 2909.76f, 5384.82f, 5152.41f, 5384.82f, 5316.78f },
      { 1147.2f, none, 3072, none, 3981.12f } },
    { 1.4f, { 1 }, { 2822.25f, 5384.82f, 4999.83f, 5384.82f, 5364.42f },
      { 1118.4f, none, 2671.68f, none, 4689.6f } },
};

struct Line {
    float x, top;
    bool operator==(const Line&) const = default;
};

std::vector<DrawOp> spectrum(float depth, int clipper, int scale, float kHz = 1)
{
    startUpState();
    ModDepth = depth;
    ClipperOn = std::int16_t(clipper);
    YAxisMode = std::int16_t(scale);
    AudioKHz = kHz;
    RecordingSurface surface(12000, 9000);
    DrawAmSpectrum(surface);
    EXPECT_EQ(surface.lineWidth(), 1);
    return surface.ops();
}

// The sideband lines, after the carrier, which stands full height in the centre.
std::vector<Line> sidebands(const std::vector<DrawOp>& ops)
{
    std::vector<Line> lines;
    for (const DrawOp& op : traceLines(ops)) {
        EXPECT_EQ(op.width, 3);
        EXPECT_EQ(op.y2, 5400);
        lines.push_back({ op.x1, op.y1 });
    }
    EXPECT_EQ(lines.at(0), (Line { 5700, 600 }));
    lines.erase(lines.begin());
    return lines;
}

TEST(AmSpectrum, LineTopsForEveryDepthClipperAndScale)
{
    for (const auto& row : levelRows)
        for (int clipper : row.clippers)
            for (int scale : { 1, 2 }) {
                SCOPED_TRACE(testing::Message() << "depth " << row.depth << ", clipper " << clipper
                                                << ", scale " << scale);
                std::vector<Line> expected;
                const auto& tops = scale == 1 ? row.linear : row.decibel;
                for (std::size_t k = 1; k <= tops.size(); ++k)
                    if (tops[k - 1] != none) {
                        expected.push_back({ 5700 - 300.0f * k, tops[k - 1] });
                        expected.push_back({ 5700 + 300.0f * k, tops[k - 1] });
                    }
                const auto drawn = sidebands(spectrum(row.depth, clipper, scale));
                ASSERT_EQ(drawn.size(), expected.size());
                for (std::size_t i = 0; i < drawn.size(); ++i) {
                    EXPECT_EQ(drawn[i].x, expected[i].x) << i;
                    EXPECT_NEAR(drawn[i].top, expected[i].top, 0.01) << i;
                }
            }
}

TEST(AmSpectrum, PairsBeyondFiveKilohertzAreSkipped)
{
    const struct {
        float kHz;
        std::vector<float> x;
    } cases[] = { { 3, { 4800, 6600 } }, { 2, { 5100, 6300, 4500, 6900 } },
                  { 1, { 5400, 6000, 5100, 6300, 4800, 6600, 4500, 6900, 4200, 7200 } } };
    for (const auto& c : cases) {
        std::vector<float> x;
        for (const Line& line : sidebands(spectrum(1.4f, 0, 1, c.kHz)))
            x.push_back(line.x);
        EXPECT_EQ(x, c.x) << c.kHz << " kHz";
    }
}

TEST(AmSpectrum, OnlyExactSettingsDrawSidebands)
{
    EXPECT_TRUE(sidebands(spectrum(std::nextafter(1.2f, 2.0f), 0, 1)).empty());
    EXPECT_TRUE(sidebands(spectrum(0.1f, 0, 0)).empty());      // no such scale
    EXPECT_EQ(sidebands(spectrum(0.1f, 2, 1)).size(), 2u);     // small depths ignore the clipper
    EXPECT_TRUE(sidebands(spectrum(1.2f, 2, 1)).empty());      // no such clipper setting
}

TEST(AmSpectrum, EndsWithTheLevelScaleOverAWhiteColumn)
{
    for (const auto& [scale, labels, last] : { std::tuple { 1, 11u, "0" }, std::tuple { 2, 6u, "-50dB" } }) {
        const auto ops = spectrum(1, 0, scale);
        ASSERT_GT(ops.size(), labels + 1);
        EXPECT_EQ(OpLog::format(ops[ops.size() - labels - 1]), "fill 7320 480 7980 5500 FFFFFF");
        EXPECT_EQ(OpLog::format(ops.back()), std::string("text 7320 5300 regular 9.75 \"") + last + '"');
    }
}

}
