#include "app/OpeningArtwork.h"
#include "app/modMain.h"
#include "surface/RecordingSurface.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace modMain;

namespace {

// The menu's artwork drawn as the menu window draws it, split by panel.
class ArtworkTest : public testing::Test {
protected:
    void SetUp() override
    {
        ClearSharedState();
        InitSharedState();
        PanelBackColour = 0xCFCFCF;
        DrawOpeningWaveform(surface);
        waveformEnd = surface.ops().size();
        DrawOpeningSpectrum(surface);
        spectrumEnd = surface.ops().size();
        DrawOpeningEnvelope(surface);
    }

    std::vector<DrawOp> traceLines(std::size_t first, std::size_t last) const
    {
        std::vector<DrawOp> lines;
        for (std::size_t i = first; i < last; ++i)
            if (surface.ops()[i].kind == DrawOp::Kind::Line && surface.ops()[i].colour == TraceColour)
                lines.push_back(surface.ops()[i]);
        return lines;
    }

    RecordingSurface surface { 12000, 9000 };
    std::size_t waveformEnd = 0;
    std::size_t spectrumEnd = 0;
};

TEST_F(ArtworkTest, SpectrumLinesStandWhereTheLevelsPutThem)
{
    const auto lines = traceLines(waveformEnd, spectrumEnd);
    ASSERT_EQ(lines.size(), 11u); // the carrier and five pairs

    struct Expected {
        float lowerX, upperX, top;
    };
    const Expected pairs[] = { { 5500, 6100, 1025.95f }, { 5200, 6400, 3796.8f },
                               { 4900, 6700, 3969.6f }, { 4600, 7000, 4200 },
                               { 4300, 7300, 4526.4f } };
    EXPECT_EQ(lines[0].x1, 5800);
    EXPECT_EQ(lines[0].y1, 600);
    EXPECT_EQ(lines[0].y2, 5400);
    for (int pair = 0; pair < 5; ++pair) {
        const DrawOp& lower = lines[std::size_t(1 + 2 * pair)];
        const DrawOp& upper = lines[std::size_t(2 + 2 * pair)];
        SCOPED_TRACE(pair + 1);
        EXPECT_EQ(lower.x1, pairs[pair].lowerX);
        EXPECT_EQ(upper.x1, pairs[pair].upperX);
        EXPECT_NEAR(lower.y1, pairs[pair].top, 0.01);
        EXPECT_NEAR(upper.y1, pairs[pair].top, 0.01);
        EXPECT_EQ(lower.y2, 5400);
        EXPECT_EQ(lower.width, 3);
    }
}

TEST_F(ArtworkTest, WaveformIs36001PointsClampedToThePanelBox)
{
    const auto lines = traceLines(0, waveformEnd);
    ASSERT_EQ(lines.size(), 36001u);
    EXPECT_EQ(lines.front().x1, lines.front().x2); // the first point is a dot
    EXPECT_EQ(lines.front().y1, lines.front().y2);
    EXPECT_EQ(lines.front().x1, 400);
    EXPECT_EQ(lines.back().x2, 3600);
    float top = 9000, bottom = 0;
    for (const DrawOp& line : lines) {
        top = std::min(top, line.y2);
        bottom = std::max(bottom, line.y2);
        EXPECT_EQ(line.width, 3);
    }
    // The envelope peaks at 2.2, so 1200 x 2.2 reaches past the clamp lines.
    EXPECT_EQ(top, 500);
    EXPECT_EQ(bottom, 5500);
    // Where the envelope is zero (a quarter of the way from the trough) the band
    // collapses onto the zero line.
    EXPECT_EQ(lines[27000].y2, 3000);
}

TEST_F(ArtworkTest, EnvelopePeaksAndFlattensWhereOvermodulated)
{
    const auto lines = traceLines(spectrumEnd, surface.ops().size());
    ASSERT_EQ(lines.size(), 361u);
    EXPECT_EQ(lines[0].x2, 8100);
    EXPECT_EQ(lines[0].y2, 3000);
    EXPECT_NEAR(lines[90].y2, 1560, 0.01);
    EXPECT_NEAR(lines[180].y2, 3000, 0.01);
    EXPECT_EQ(lines[360].x2, 11500);
    // Flat on the zero line while the sine is below -1/1.2: t from about 236.4 to 303.6.
    EXPECT_GT(4200 - lines[236].y2, 1);
    for (int t = 237; t <= 303; ++t)
        EXPECT_EQ(lines[std::size_t(t)].y2, 4200) << t;
    EXPECT_GT(4200 - lines[304].y2, 1);
    EXPECT_EQ(lines[1].width, 2);
}

TEST_F(ArtworkTest, PanelsAndGridAsDrawnOverTheMenu)
{
    const auto fills = [&] {
        std::vector<DrawOp> found;
        for (const DrawOp& op : surface.ops())
            if (op.kind == DrawOp::Kind::Fill)
                found.push_back(op);
        return found;
    }();
    ASSERT_EQ(fills.size(), 3u);
    const float boxes[3][4] = { { 300, 500, 3700, 5500 }, { 4200, 500, 7400, 5500 },
                                { 8000, 500, 11600, 5500 } };
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(fills[std::size_t(i)].x1, boxes[i][0]);
        EXPECT_EQ(fills[std::size_t(i)].x2, boxes[i][2]);
        EXPECT_EQ(fills[std::size_t(i)].colour, 0xCFCFCFu);
    }
    // Eleven horizontal and eleven vertical grid lines in each of the first two panels;
    // the vertical ones of the waveform panel step 320 from x 400.
    int gridLines = 0;
    for (std::size_t i = 0; i < waveformEnd; ++i) {
        const DrawOp& op = surface.ops()[i];
        if (op.kind == DrawOp::Kind::Line && op.colour == 0x88AA88) {
            if (op.x1 == op.x2)
                EXPECT_NEAR(std::fmod(op.x1 - 400, 320), 0, 0.01) << op.x1;
            ++gridLines;
        }
    }
    EXPECT_EQ(gridLines, 22);
    EXPECT_EQ(ModDepth, 1.2f);
    EXPECT_EQ(surface.lineWidth(), 1);
}

}
