#include "am/AmPlots.h"
#include "app/modMain.h"
#include "surface/RecordingSurface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace modMain;

namespace {

constexpr float none = 0; // a pair that is not drawn

// The tops of the pairs k = 1 to 5 at 1 kHz, on the linear and on the decibel scale.
struct LevelRow {
    float depth;
    std::vector<int> clippers;
    std::vector<float> linear, decibel;
};

const LevelRow levelRows[] = {
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
};

std::vector<DrawOp> spectrum(float depth, int clipper, int scale, float kHz = 1)
{
    ClearSharedState();
    InitSharedState();
    ModDepth = depth;
    ClipperOn = std::int16_t(clipper);
    YAxisMode = std::int16_t(scale);
    AudioKHz = kHz;
    RecordingSurface surface(12000, 9000);
    DrawAmSpectrum(surface);
    EXPECT_EQ(surface.lineWidth(), 1);
    return surface.ops();
}

// The spectral lines after the carrier, which must stand full height in the centre.
std::vector<Line> sidebands(const std::vector<DrawOp>& ops)
{
    std::vector<Line> lines;
    for (const DrawOp& op : ops)
        if (op.kind == DrawOp::Kind::Line && op.colour == 0xFFFFA0) {
            EXPECT_EQ(op.width, 3);
            EXPECT_EQ(op.x1, op.x2);
            EXPECT_EQ(op.y2, 5400);
            lines.push_back({ op.x1, op.y1 });
        }
    EXPECT_FALSE(lines.empty());
    EXPECT_EQ(lines.front().x, 5700);
    EXPECT_EQ(lines.front().top, 600);
    lines.erase(lines.begin());
    return lines;
}

TEST(AmSpectrum, LineTopsForEveryDepthClipperAndScale)
{
    for (const LevelRow& row : levelRows)
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
        float kHz, depth;
        std::vector<float> x;
    } cases[] = { { 3, 1.4f, { 4800, 6600 } },
                  { 2, 1.2f, { 5100, 6300, 4500, 6900 } },
                  { 1, 1.2f, { 5400, 6000, 5100, 6300, 4800, 6600, 4500, 6900, 4200, 7200 } } };
    for (const auto& c : cases) {
        std::vector<float> x;
        for (const Line& line : sidebands(spectrum(c.depth, 0, 1, c.kHz)))
            x.push_back(line.x);
        EXPECT_EQ(x, c.x) << c.kHz << " kHz";
    }
}

TEST(AmSpectrum, OnlyTheExactSettingsDrawSidebands)
{
    // A depth just off a table value, or a scale or clipper setting out of range.
    EXPECT_TRUE(sidebands(spectrum(std::nextafter(1.2f, 2.0f), 0, 1)).empty());
    EXPECT_TRUE(sidebands(spectrum(0.1f, 0, 0)).empty());
    EXPECT_EQ(sidebands(spectrum(0.1f, 2, 1)).size(), 2u);
    EXPECT_TRUE(sidebands(spectrum(1.2f, 2, 1)).empty());
}

TEST(AmSpectrum, GridCentreLineAndLabels)
{
    const auto ops = spectrum(1, 0, 1);
    EXPECT_EQ(OpLog::format(ops.front()), "fill 4100 500 7300 5500 575757");
    std::vector<float> rows, columns;
    for (const DrawOp& op : ops)
        if (op.kind == DrawOp::Kind::Line && op.colour == 0x88AA88)
            (op.y1 == op.y2 ? rows : columns).push_back(op.y1 == op.y2 ? op.y1 : op.x1);
    ASSERT_EQ(rows.size(), 11u);
    ASSERT_EQ(columns.size(), 11u);
    for (std::size_t i = 0; i < 11; ++i) {
        EXPECT_NEAR(rows[i], 5400 - 480.0f * i, 0.01);
        EXPECT_NEAR(columns[i], 4200 + 300.0f * i, 0.01);
    }
    EXPECT_EQ(PanelCentre, 5700);
    const std::vector<std::string> written = [&] {
        std::vector<std::string> lines;
        for (const DrawOp& op : ops)
            if (op.kind == DrawOp::Kind::Text || op.colour == 0xDDDDDD || op.colour == 0xFFFFFF)
                lines.push_back(OpLog::format(op));
        return lines;
    }();
    ASSERT_GE(written.size(), 7u);
    EXPECT_EQ(written[0], "line 5700 600 5700 5400 DDDDDD 1");
    EXPECT_EQ(written[1], "text 4140 5600 regular 9.75 \"-5\"");
    EXPECT_EQ(written[4], "text 7140 5600 regular 9.75 \"+5\"");
    EXPECT_EQ(written[5], "fill 7320 480 7810 5500 FFFFFF"); // the level scale comes last
}

TEST(AmLevelScale, WhitensTheColumnThenPrintsTheLabelsOfTheScale)
{
    const struct {
        int scale;
        std::vector<std::pair<float, std::string>> labels;
    } cases[] = {
        { 1, { { 480, "1.0" }, { 960, ".9" }, { 1440, ".8" }, { 1920, ".7" }, { 2400, ".6" },
               { 2880, ".5" }, { 3360, ".4" }, { 3840, ".3" }, { 4320, ".2" }, { 4800, ".1" },
               { 5300, "0" } } },
        { 2, { { 480, "0" }, { 1440, "-10" }, { 2400, "-20" }, { 3360, "-30" }, { 4320, "-40" },
               { 5300, "-50dB" } } },
    };
    for (const auto& c : cases) {
        PanelLeft = 4200;
        PanelWidth = 3000;
        YAxisMode = std::int16_t(c.scale);
        RecordingSurface surface(12000, 9000);
        DrawAmLevelScale(surface);
        const auto& ops = surface.ops();
        ASSERT_EQ(ops.size(), c.labels.size() + 1);
        EXPECT_EQ(OpLog::format(ops[0]), "fill 7320 480 7810 5500 FFFFFF");
        for (std::size_t i = 0; i < c.labels.size(); ++i) {
            EXPECT_EQ(ops[i + 1].x1, 7320);
            EXPECT_EQ(ops[i + 1].y1, c.labels[i].first);
            EXPECT_EQ(ops[i + 1].text, c.labels[i].second);
        }
    }
}

}
