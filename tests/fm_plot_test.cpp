#include "TestSupport.h"

#include "fm/FmSpectrumPlot.h"
#include "fm/FmState.h"

using namespace modMain;
using namespace FmState;

namespace {

class FmPlotTest : public testing::Test {
protected:
    void SetUp() override
    {
        startUpState();
        ClearFmState();
        surface.setScale(12000, 9000);
        surface.setFontBold(true);
    }

    void draw(void (*plot)(Surface&), float bottom, float width, float spacing = 3000)
    {
        PlotBottom = bottom;
        PanelWidth = width;
        ModulatingFrequency = spacing;
        surface.log().clear();
        plot(surface);
        EXPECT_EQ(surface.lineWidth(), 1);
    }

    RecordingSurface surface { 11880, 8490 };
};

TEST_F(FmPlotTest, FrameLabelsNameTheHalfWidthAndSixthsOfTheFloor)
{
    const struct {
        float bottom, width;
        std::vector<std::string> labels; // in the order they are printed
    } cases[] = {
        { 60, 25000, { "-12500", "Fc", "+12500", "0 dB", "-10", "-20", "-30", "-40", "-50", "-60" } },
        { 50, 25000, { "-12500", "Fc", "+12500", "0 dB", "-8.333333", "-16.66667", "-25", "-33.33333", "-41.66667", "-50" } },
        { 60, 25001, { "-12500.5", "Fc", "+12500.5", "0 dB", "-10", "-20", "-30", "-40", "-50", "-60" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "floor " << c.bottom << ", width " << c.width);
        draw(DrawFmSpectrumFrame, c.bottom, c.width);
        std::vector<std::string> labels;
        for (const DrawOp& op : opsOfKind(surface.ops(), DrawOp::Kind::Text))
            labels.push_back(op.text);
        EXPECT_EQ(labels, c.labels);
        // The panel is painted over first, and the label strips before the new labels.
        const auto& ops = surface.ops();
        ASSERT_EQ(ops.size(), 1u + 18u + 2u + 10u); // the panel, its grid, the strips, the labels
        EXPECT_EQ(formatted({ ops[0], ops[19], ops[20] }),
                  (std::vector<std::string> { "fill 6000 1000 11000 7000 575757", "fill 5400 7030 11990 7400 FFFFFF",
                                              "fill 11030 900 11990 7400 FFFFFF" }));
    }
}

TEST_F(FmPlotTest, PairsStandEitherSideOfTheCarrierOrNotAtAll)
{
    const struct {
        float order, spacing, width;
        std::vector<float> xs; // lower, then upper; empty when nothing is drawn
    } cases[] = {
        { 1, 3000, 25000, { 7900, 9100 } }, { 4, 3000, 25000, { 6100, 10900 } },
        // n times the spacing is exactly half the width: on the panel's edges.
        { 5, 2500, 25000, { 6000, 11000 } },
        // Just beyond the edges, and far beyond them.
        { 5, 3000, 25000, {} }, { 5, 2500.001f, 25000, {} }, { 100, 1e10f, 1e-12f, {} },
        // A negative spacing gives the same two places, upper side first.
        { 1, -3000, 25000, { 9100, 7900 } }, { 5, -3000, 25000, {} },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "order " << c.order << " at " << c.spacing << " in " << c.width);
        BesselOrder = c.order;
        WorkDb = 7.1299f;
        draw(DrawFmSidebandPair, 60, c.width, c.spacing);
        std::vector<float> xs;
        for (const DrawOp& line : surface.ops()) {
            xs.push_back(line.x1);
            EXPECT_EQ(OpLog::format(line), OpLog::format({ DrawOp::Kind::Line, line.x1, 1712.99f, line.x1, 7000,
                                                           TraceColour, 2 }));
        }
        EXPECT_EQ(xs, c.xs);
    }
}

}
