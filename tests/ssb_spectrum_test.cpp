#include "app/modMain.h"
#include "ssb/SsbPlots.h"
#include "surface/RecordingSurface.h"

#include <gtest/gtest.h>

#include <optional>

using namespace modMain;

namespace {

// The spectrum panel drawn for one set of settings.
class SsbSpectrumTest : public testing::Test {
protected:
    void SetUp() override
    {
        ClearSharedState();
        InitSharedState();
        SsbMode = 2;
        CarrierLevel = -120;
        SidebandLevel = 0;
    }

    void draw()
    {
        surface.log().clear();
        DrawSsbSpectrum(surface);
    }

    // The signal lines (carrier and sidebands), in the order drawn.
    std::vector<DrawOp> signalLines() const
    {
        std::vector<DrawOp> lines;
        for (const DrawOp& op : surface.ops())
            if (op.kind == DrawOp::Kind::Line && op.colour == TraceColour)
                lines.push_back(op);
        return lines;
    }

    std::optional<DrawOp> lineAt(float x) const
    {
        for (const DrawOp& line : signalLines())
            if (line.x1 == x)
                return line;
        return std::nullopt;
    }

    RecordingSurface surface { 12000, 9000 };
};

struct LevelCase {
    float level;
    std::optional<float> carrierTop; // none: no carrier line
    float unwantedTop;
};

class SsbLineTops : public SsbSpectrumTest, public testing::WithParamInterface<LevelCase> {};

TEST_P(SsbLineTops, CarrierStandsAtItsLevelOrIsNotDrawn)
{
    CarrierLevel = GetParam().level;
    draw();
    const auto carrier = lineAt(2900);
    ASSERT_EQ(carrier.has_value(), GetParam().carrierTop.has_value());
    if (carrier) {
        EXPECT_FLOAT_EQ(carrier->y1, *GetParam().carrierTop);
        EXPECT_EQ(carrier->y2, 5400);
        EXPECT_EQ(carrier->x2, 2900);
        EXPECT_EQ(carrier->width, 3);
    }
}

TEST_P(SsbLineTops, UnwantedSidebandIsPulledUpToTheBaseline)
{
    SidebandLevel = GetParam().level;
    draw();
    const auto lower = lineAt(2400);
    const auto upper = lineAt(3400);
    ASSERT_TRUE(lower && upper);
    EXPECT_FLOAT_EQ(lower->y1, GetParam().unwantedTop);
    EXPECT_EQ(lower->y2, 5400);
    EXPECT_FLOAT_EQ(upper->y1, 1176); // the wanted one never moves
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
    std::vector<float> sidebandXs; // in the order drawn
};

class SsbSidebandPlaces : public SsbSpectrumTest, public testing::WithParamInterface<PlacementCase> {};

TEST_P(SsbSidebandPlaces, SidebandsStandAtTheAudioFrequencyFromTheCarrier)
{
    SsbMode = GetParam().mode;
    AudioKHz = GetParam().audioKHz;
    SidebandLevel = -30; // only the double-sideband lower line shows it
    CarrierLevel = -6;
    draw();
    const auto lines = signalLines();
    ASSERT_EQ(lines.size(), GetParam().sidebandXs.size() + 1);
    for (std::size_t i = 0; i < GetParam().sidebandXs.size(); ++i) {
        const float x = GetParam().sidebandXs[i];
        EXPECT_EQ(lines[i].x1, x);
        EXPECT_EQ(lines[i].x2, x);
        const bool unwanted = GetParam().mode == 2 && x < 2900;
        EXPECT_FLOAT_EQ(lines[i].y1, unwanted ? 4056 : 1176) << x;
    }
    EXPECT_EQ(lines.back().x1, 2900); // the carrier last
    EXPECT_FLOAT_EQ(lines.back().y1, 1176);
}

INSTANTIATE_TEST_SUITE_P(
    ModesAndFrequencies, SsbSidebandPlaces,
    testing::Values(PlacementCase { 2, 1, { 2400, 3400 } }, PlacementCase { 2, 2, { 1900, 3900 } },
                    PlacementCase { 2, 3, { 1400, 4400 } }, PlacementCase { -1, 1, { 2400 } },
                    PlacementCase { -1, 3, { 1400 } }, PlacementCase { 1, 2, { 3900 } },
                    PlacementCase { 1, 3, { 4400 } }));

TEST_F(SsbSpectrumTest, DefaultsShowTwoEqualSidebandsAndNoCarrier)
{
    draw();
    const auto lines = signalLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].x1, 2400);
    EXPECT_EQ(lines[1].x1, 3400);
    EXPECT_FLOAT_EQ(lines[0].y1, 1176);
    EXPECT_FLOAT_EQ(lines[1].y1, 1176);
}

TEST_F(SsbSpectrumTest, PanelAndGridComeFirstAndLineWidthEndsAtOne)
{
    draw();
    const auto& ops = surface.ops();
    ASSERT_GT(ops.size(), 24u);
    EXPECT_EQ(ops[0].kind, DrawOp::Kind::Fill);
    EXPECT_EQ(ops[0].x1, 300);
    EXPECT_EQ(ops[0].y1, 500);
    EXPECT_EQ(ops[0].x2, 5500);
    EXPECT_EQ(ops[0].y2, 5500);
    EXPECT_EQ(ops[0].colour, 0x575757u);
    // Eleven level lines every 480 from the baseline up, eleven frequency lines every
    // 500 from x 400, then the centre line.
    for (int i = 0; i < 11; ++i) {
        const DrawOp& level = ops[std::size_t(1 + i)];
        EXPECT_NEAR(level.y1, 5400 - 480 * i, 0.01) << i;
        EXPECT_EQ(level.x1, 400);
        EXPECT_EQ(level.x2, 5400);
        EXPECT_EQ(level.colour, 0x88AA88u);
        const DrawOp& frequency = ops[std::size_t(12 + i)];
        EXPECT_NEAR(frequency.x1, 400 + 500 * i, 0.01) << i;
        EXPECT_EQ(frequency.y1, 600);
        EXPECT_EQ(frequency.y2, 5400);
        EXPECT_EQ(frequency.width, 1);
    }
    EXPECT_EQ(ops[23].x1, 2900);
    EXPECT_EQ(ops[23].colour, 0xDDDDDDu);
    EXPECT_EQ(PanelCentre, 2900);
    EXPECT_EQ(surface.lineWidth(), 1);
}

TEST_F(SsbSpectrumTest, EndsWithTheAxisLabelsAndTheLevelScale)
{
    draw();
    std::vector<std::string> texts;
    for (const DrawOp& op : surface.ops())
        if (op.kind == DrawOp::Kind::Text)
            texts.push_back(op.text);
    EXPECT_EQ(texts, (std::vector<std::string> { "-5", "0", "kHz", "+5", "0", "-10", "-20", "-30", "-40", "-50dB" }));
}

struct ScaleLabel {
    const char* text;
    float y;
};

TEST(SsbLevelScale, WhiteStripThenSixLabelsAtTheirGridLines)
{
    ClearSharedState();
    PanelLeft = 400;
    PanelWidth = 5000;
    RecordingSurface surface(12000, 9000);
    DrawSsbLevelScale(surface);
    const auto& ops = surface.ops();
    ASSERT_EQ(ops.size(), 7u);
    EXPECT_EQ(ops[0].kind, DrawOp::Kind::Fill);
    EXPECT_EQ(ops[0].colour, 0xFFFFFFu);
    EXPECT_EQ(ops[0].x1, 5520);
    EXPECT_EQ(ops[0].y1, 480);
    EXPECT_EQ(ops[0].y2, 5500);
    // Between the panels: clear of the spectrum box (to 5500) and the envelope box (from 6400).
    EXPECT_GE(ops[0].x2, 6010);
    EXPECT_LT(ops[0].x2, 6400);
    const ScaleLabel labels[] = { { "0", 480 },    { "-10", 1440 }, { "-20", 2400 },
                                  { "-30", 3360 }, { "-40", 4320 }, { "-50dB", 5300 } };
    for (std::size_t i = 0; i < 6; ++i) {
        const DrawOp& label = ops[i + 1];
        EXPECT_EQ(label.kind, DrawOp::Kind::Text);
        EXPECT_EQ(label.text, labels[i].text);
        EXPECT_EQ(label.x1, 5520);
        EXPECT_EQ(label.y1, labels[i].y);
        EXPECT_FALSE(label.bold);
    }
}

}
