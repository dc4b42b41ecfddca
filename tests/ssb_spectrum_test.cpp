#include "app/modMain.h"
#include "ssb/SsbPlots.h"
#include "surface/RecordingSurface.h"

#include <gtest/gtest.h>

#include <optional>

using namespace modMain;

namespace {

// The spectral lines (carrier and sidebands) drawn for one set of settings, in order.
std::vector<DrawOp> spectrumLines(std::int16_t mode, float audioKHz, float carrier, float sideband)
{
    ClearSharedState();
    InitSharedState();
    SsbMode = mode;
    AudioKHz = audioKHz;
    CarrierLevel = carrier;
    SidebandLevel = sideband;
    RecordingSurface surface(12000, 9000);
    DrawSsbSpectrum(surface);
    EXPECT_EQ(surface.lineWidth(), 1);
    std::vector<DrawOp> lines;
    for (const DrawOp& op : surface.ops())
        if (op.kind == DrawOp::Kind::Line && op.colour == TraceColour) {
            EXPECT_EQ(op.width, 3);
            EXPECT_EQ(op.x1, op.x2);
            EXPECT_EQ(op.y2, 5400);
            lines.push_back(op);
        }
    return lines;
}

struct LevelCase {
    float level;
    std::optional<float> carrierTop; // none: no carrier line
    float unwantedTop;
};

class SsbLineTops : public testing::TestWithParam<LevelCase> {};

TEST_P(SsbLineTops, CarrierAndUnwantedSidebandStandAtTheirLevels)
{
    const auto carrierOnly = spectrumLines(1, 1, GetParam().level, 0); // upper sideband, then carrier
    ASSERT_EQ(carrierOnly.size(), GetParam().carrierTop ? 2u : 1u);
    if (GetParam().carrierTop) {
        EXPECT_EQ(carrierOnly[1].x1, 2900);
        EXPECT_FLOAT_EQ(carrierOnly[1].y1, *GetParam().carrierTop);
    }
    const auto pair = spectrumLines(2, 1, -120, GetParam().level);
    ASSERT_EQ(pair.size(), 2u);
    EXPECT_EQ(pair[0].x1, 2400);
    EXPECT_FLOAT_EQ(pair[0].y1, GetParam().unwantedTop);
    EXPECT_FLOAT_EQ(pair[1].y1, 1176); // the wanted one never moves
}

INSTANTIATE_TEST_SUITE_P(
    Levels, SsbLineTops,
    testing::Values(LevelCase { 0, 600, 1176 }, LevelCase { -6, 1176, 1752 }, LevelCase { -12, 1752, 2328 },
                    LevelCase { -20, 2520, 3096 }, LevelCase { -30, 3480, 4056 },
                    LevelCase { -40, 4440, 5016 }, LevelCase { -50, 5400, 5400 },
                    LevelCase { -120, std::nullopt, 5400 }));

struct PlacementCase {
    std::int16_t mode;
    float audioKHz;
    std::vector<float> xs; // sidebands in the order drawn, then the carrier
};

class SsbSidebandPlaces : public testing::TestWithParam<PlacementCase> {};

TEST_P(SsbSidebandPlaces, SidebandsStandAtTheAudioFrequencyFromTheCarrier)
{
    const auto lines = spectrumLines(GetParam().mode, GetParam().audioKHz, -6, -30);
    std::vector<float> xs;
    for (const DrawOp& line : lines) {
        xs.push_back(line.x1);
        const bool unwanted = GetParam().mode == 2 && line.x1 < 2900;
        EXPECT_FLOAT_EQ(line.y1, unwanted ? 4056 : 1176) << line.x1;
    }
    EXPECT_EQ(xs, GetParam().xs);
}

INSTANTIATE_TEST_SUITE_P(
    ModesAndFrequencies, SsbSidebandPlaces,
    testing::Values(PlacementCase { 2, 1, { 2400, 3400, 2900 } }, PlacementCase { 2, 2, { 1900, 3900, 2900 } },
                    PlacementCase { 2, 3, { 1400, 4400, 2900 } }, PlacementCase { -1, 1, { 2400, 2900 } },
                    PlacementCase { -1, 3, { 1400, 2900 } }, PlacementCase { 1, 3, { 4400, 2900 } }));

TEST(SsbLevelScale, WhiteStripBetweenThePanelsThenSixLabels)
{
    ClearSharedState();
    PanelLeft = 400;
    PanelWidth = 5000;
    RecordingSurface surface(12000, 9000);
    DrawSsbLevelScale(surface);
    const auto& ops = surface.ops();
    ASSERT_EQ(ops.size(), 7u);
    EXPECT_EQ(OpLog::format(ops[0]).substr(0, 15), "fill 5520 480 6");
    EXPECT_EQ(ops[0].colour, colourWhite);
    EXPECT_EQ(ops[0].y2, 5500);
    EXPECT_GE(ops[0].x2, 6010); // wide enough for "-50dB"
    EXPECT_LT(ops[0].x2, 6400); // clear of the envelope panel
    const std::pair<const char*, float> labels[]
        = { { "0", 480 }, { "-10", 1440 }, { "-20", 2400 }, { "-30", 3360 }, { "-40", 4320 }, { "-50dB", 5300 } };
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(OpLog::format(ops[i + 1]),
                  "text 5520 " + std::to_string(int(labels[i].second)) + " regular 9.75 \"" + labels[i].first + "\"");
}

}
