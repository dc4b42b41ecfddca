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
        startUpState();
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

class FmFrameLabels : public FmPlotTest, public testing::WithParamInterface<LabelCase> {};

TEST_P(FmFrameLabels, NameTheHalfWidthAndSixthsOfTheFloor)
{
    PlotBottom = GetParam().bottom;
    PanelWidth = GetParam().width;
    DrawFmSpectrumFrame(surface);
    EXPECT_EQ(texts(), GetParam().labels);
    // The panel is painted over first, and the label strips before the new labels.
    const auto fills = formatted(opsOfKind(surface.ops(), DrawOp::Kind::Fill));
    EXPECT_EQ(fills, (std::vector<std::string> { "fill 6000 1000 11000 7000 575757",
                                                 "fill 5400 7030 11990 7400 FFFFFF",
                                                 "fill 11030 900 11990 7400 FFFFFF" }));
    ASSERT_EQ(surface.ops().size(), 1u + 18u + 2u + 10u); // the panel, its grid, the strips, the labels
    EXPECT_EQ(OpLog::format(surface.ops().front()), fills.front());
    EXPECT_EQ(OpLog::format(surface.ops()[20]), fills.back());
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

TEST_F(FmPlotTest, CarrierRisesFromTheBottomEdgeToItsLevelOrIsLoweredToTheFloor)
{
    WorkDb = 2.3245f;
    DrawFmCarrier(surface);
    WorkDb = 75;
    DrawFmCarrier(surface);
    EXPECT_EQ(WorkDb, 60); // the register itself is lowered
    EXPECT_EQ(formatted(lines()), (std::vector<std::string> { "line 8500 1232.45 8500 7000 A0FFFF 2",
                                                              "line 8500 7000 8500 7000 A0FFFF 2" }));
    EXPECT_EQ(surface.lineWidth(), 1);
}

struct PairCase {
    float order;
    float modulatingFrequency;
    float width;
    std::vector<float> xs; // lower, then upper; empty when nothing is drawn
};

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
