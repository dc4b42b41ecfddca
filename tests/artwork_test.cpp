// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotTestSupport.h"

#include "app/OpeningArtwork.h"

#include <algorithm>
#include <cmath>

using namespace modMain;

namespace {

// The menu's artwork drawn as the menu window draws it, the trace of each panel apart.
class ArtworkTest : public testing::Test {
protected:
    void SetUp() override
    {
        startUpState();
        PanelBackColour = 0xCFCFCF;
        for (auto draw : { DrawOpeningWaveform, DrawOpeningSpectrum, DrawOpeningEnvelope }) {
            RecordingSurface surface(12000, 9000);
            draw(surface);
            panels.push_back(traceLines(surface.ops()));
        }
    }

    std::vector<std::vector<DrawOp>> panels; // waveform, spectrum, envelope
};

TEST_F(ArtworkTest, SpectrumLinesStandWhereTheLevelsPutThem)
{
    const auto& lines = panels[1];
    ASSERT_EQ(lines.size(), 11u); // the carrier, then five pairs, lower side first
    EXPECT_EQ(OpLog::format(lines[0]), "line 5800 600 5800 5400 A0FFFF 3");
    const float tops[] = { 1025.95f, 3796.8f, 3969.6f, 4200, 4526.4f };
    for (std::size_t k = 1; k <= 5; ++k)
        for (const DrawOp& line : { lines[2 * k - 1], lines[2 * k] }) {
            SCOPED_TRACE(k);
            EXPECT_EQ(std::abs(line.x1 - 5800), 300.0f * float(k));
            EXPECT_NEAR(line.y1, tops[k - 1], 0.01);
            EXPECT_EQ(line.y2, 5400);
            EXPECT_EQ(line.width, 3);
        }
    EXPECT_LT(lines[1].x1, lines[2].x1);
}

TEST_F(ArtworkTest, WaveformIs36001PointsClampedToThePanelBox)
{
    const auto& lines = panels[0];
    ASSERT_EQ(lines.size(), 36001u);
    EXPECT_EQ(OpLog::format(lines.front()), "line 400 3000 400 3000 A0FFFF 3"); // the first point is a dot
    EXPECT_EQ(lines.back().x2, 3600);
    const auto [top, bottom] = std::minmax_element(
        lines.begin(), lines.end(), [](const DrawOp& a, const DrawOp& b) { return a.y2 < b.y2; });
    // The envelope peaks at 2.2, so 1200 x 2.2 reaches past the clamp lines.
    EXPECT_EQ(top->y2, 500);
    EXPECT_EQ(bottom->y2, 5500);
    // Where the envelope is zero (a quarter of the way from the trough) the band
    // collapses onto the zero line.
    EXPECT_EQ(lines[27000].y2, 3000);
}

TEST_F(ArtworkTest, EnvelopePeaksAndFlattensWhereOvermodulated)
{
    const auto& lines = panels[2];
    ASSERT_EQ(lines.size(), 361u);
    EXPECT_EQ(OpLog::format(lines[0]), "line 8100 3000 8100 3000 A0FFFF 2");
    EXPECT_NEAR(lines[90].y2, 1560, 0.01);
    EXPECT_NEAR(lines[180].y2, 3000, 0.01);
    EXPECT_EQ(lines[360].x2, 11500);
    // Flat on the zero line while the sine is below -1/1.2: t from about 236.4 to 303.6.
    EXPECT_GT(4200 - lines[236].y2, 1);
    for (int t = 237; t <= 303; ++t)
        EXPECT_EQ(lines[std::size_t(t)].y2, 4200) << t;
    EXPECT_GT(4200 - lines[304].y2, 1);
}

}
