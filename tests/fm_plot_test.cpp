#include "TestSupport.h"

#include "fm/FmSpectrumPlot.h"
#include "fm/FmState.h"

#include <string>
#include <vector>

using namespace modMain;
using namespace FmState;

namespace {

class FmPlotTest : public testing::Test {
protected:
    void SetUp() override
    {
        ClearSharedState();
        InitSharedState();
        ClearFmState();
        ModulatingFrequency = 3000;
        PlotBottom = 60;
        PanelWidth = 25000;
        surface.setScale(12000, 9000);
        surface.setFontBold(true);
        surface.log().clear();
    }

    std::vector<DrawOp> lines() const { return opsOfKind(surface.ops(), DrawOp::Kind::Line); }

    std::vector<std::string> texts() const
    {
        std::vector<std::string> found;
        for (const DrawOp& op : opsOfKind(surface.ops(), DrawOp::Kind::Text))
            found.push_back(op.text);
        return found;
    }

    RecordingSurface surface { 11880, 8490 };
};

struct LabelCase {
    float bottom;
    float width;
    std::vector<std::string> labels; // in the order they are printed
};

void PrintTo(const LabelCase& c, std::ostream* out)
{
    *out << "floor " << c.bottom << " dB, width " << c.width << " Hz";
}

class FmFrameLabels : public FmPlotTest, public testing::WithParamInterface<LabelCase> {};

TEST_P(FmFrameLabels, NameTheHalfWidthAndSixthsOfTheFloor)
{
    PlotBottom = GetParam().bottom;
    PanelWidth = GetParam().width;
    DrawFmSpectrumFrame(surface);
    EXPECT_EQ(texts(), GetParam().labels);
}

INSTANTIATE_TEST_SUITE_P(
    Scales, FmFrameLabels,
    testing::Values(
        LabelCase { 60, 25000,
                    { "-12500", "Fc", "+12500", "0 dB", "-10", "-20", "-30", "-40", "-50", "-60" } },
        LabelCase { 50, 25000,
                    { "-12500", "Fc", "+12500", "0 dB", "-8.333333", "-16.66667", "-25", "-33.33333",
                      "-41.66667", "-50" } },
        LabelCase { 60, 25001,
                    { "-12500.5", "Fc", "+12500.5", "0 dB", "-10", "-20", "-30", "-40", "-50", "-60" } }));

TEST_F(FmPlotTest, FrameRepaintsThePanelThenGridThenLabelStrips)
{
    DrawFmSpectrumFrame(surface);
    const auto& ops = surface.ops();
    ASSERT_EQ(ops.size(), 1u + 7u + 11u + 2u + 10u);
    EXPECT_EQ(OpLog::format(ops[0]), "fill 6000 1000 11000 7000 575757");
    for (int i = 0; i < 7; ++i) {
        const float y = 1000.0f * float(i + 1);
        EXPECT_EQ(OpLog::format(ops[std::size_t(1 + i)]),
                  OpLog::format({ DrawOp::Kind::Line, 6000, y, 11000, y, 0x88AA88, 1 }));
    }
    for (int i = 0; i < 11; ++i) {
        const float x = 6000.0f + 500.0f * float(i);
        EXPECT_EQ(OpLog::format(ops[std::size_t(8 + i)]),
                  OpLog::format({ DrawOp::Kind::Line, x, 1000, x, 7000, 0x88AA88, 1 }));
    }
    EXPECT_EQ(OpLog::format(ops[19]), "fill 5400 7030 11990 7400 FFFFFF");
    EXPECT_EQ(OpLog::format(ops[20]), "fill 11030 900 11990 7400 FFFFFF");
    EXPECT_EQ(surface.lineWidth(), 1);
}

TEST_F(FmPlotTest, LabelsSitUnderThePanelAndAboveTheirGridLines)
{
    DrawFmSpectrumFrame(surface);
    const auto labels = opsOfKind(surface.ops(), DrawOp::Kind::Text);
    ASSERT_EQ(labels.size(), 10u);
    const float places[10][2] = { { 5800, 7100 }, { 8400, 7100 }, { 10700, 7100 }, { 11100, 900 },
                                  { 11100, 1870 }, { 11100, 2870 }, { 11100, 3870 },
                                  { 11100, 4870 }, { 11100, 5870 }, { 11100, 6870 } };
    for (std::size_t i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(labels[i].x1, places[i][0]) << labels[i].text;
        EXPECT_EQ(labels[i].y1, places[i][1]) << labels[i].text;
        EXPECT_TRUE(labels[i].bold);
    }
}

TEST_F(FmPlotTest, CarrierRisesFromTheBottomEdgeToItsLevel)
{
    WorkDb = 2.3245f;
    DrawFmCarrier(surface);
    ASSERT_EQ(lines().size(), 1u);
    EXPECT_EQ(OpLog::format(lines()[0]), "line 8500 1232.45 8500 7000 A0FFFF 2");
    EXPECT_EQ(surface.lineWidth(), 1);
}

TEST_F(FmPlotTest, CarrierBeyondTheFloorIsLoweredToIt)
{
    WorkDb = 75;
    DrawFmCarrier(surface);
    EXPECT_EQ(WorkDb, 60); // the register itself is lowered
    EXPECT_EQ(OpLog::format(lines().at(0)), "line 8500 7000 8500 7000 A0FFFF 2");
}

struct PairCase {
    float order;
    float modulatingFrequency;
    float width;
    std::vector<float> xs; // lower, then upper; empty when nothing is drawn
};

void PrintTo(const PairCase& c, std::ostream* out)
{
    *out << "order " << c.order << " at " << c.modulatingFrequency << " Hz in " << c.width << " Hz";
}

class FmPairPlaces : public FmPlotTest, public testing::WithParamInterface<PairCase> {};

TEST_P(FmPairPlaces, StandEitherSideOfTheCarrierOrNotAtAll)
{
    const PairCase& c = GetParam();
    BesselOrder = c.order;
    ModulatingFrequency = c.modulatingFrequency;
    PanelWidth = c.width;
    WorkDb = 7.1299f;
    DrawFmSidebandPair(surface);
    std::vector<float> xs;
    for (const DrawOp& line : lines()) {
        xs.push_back(line.x1);
        EXPECT_EQ(line.x2, line.x1);
        EXPECT_NEAR(line.y1, 1712.99, 0.01);
        EXPECT_EQ(line.y2, 7000);
        EXPECT_EQ(line.width, 2);
    }
    EXPECT_EQ(xs, c.xs);
    EXPECT_EQ(surface.lineWidth(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Offsets, FmPairPlaces,
    testing::Values(PairCase { 1, 3000, 25000, { 7900, 9100 } },
                    PairCase { 4, 3000, 25000, { 6100, 10900 } },
                    // n times the spacing is exactly half the width: on the panel's edges.
                    PairCase { 5, 2500, 25000, { 6000, 11000 } },
                    // Just beyond the edges, and far beyond them.
                    PairCase { 5, 3000, 25000, {} }, PairCase { 5, 2500.001f, 25000, {} },
                    PairCase { 100, 1e10f, 1e-12f, {} },
                    // A negative spacing gives the same two places, upper side first.
                    PairCase { 1, -3000, 25000, { 9100, 7900 } },
                    PairCase { 5, -3000, 25000, {} }));

}
