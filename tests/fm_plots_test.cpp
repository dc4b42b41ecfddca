// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotTestSupport.h"

#include "fm/FmSpectrum.h"
#include "fm/FmSpectrumPlot.h"
#include "fm/FmState.h"

#include <cmath>
#include <map>
#include <optional>

using namespace modMain;
using namespace FmState;

namespace {

class FmPlotTest : public testing::Test {
protected:
    void SetUp() override
    {
        startUpState();
        clearFmState();
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

    // A run of the spectrum computation as the plot shows it: the level of each drawn line
    // by order (0 for the carrier), read back from its height. The spacing and width put
    // pair n at 25 n units either side of the carrier, so every order up to 100 stays on
    // the panel.
    std::map<int, std::vector<double>> spectrum(float index, float bottom)
    {
        SetUp();
        ModIndex = index;
        draw(ComputeFmSpectrum, bottom, 600000);
        std::map<int, std::vector<double>> levels;
        for (const DrawOp& line : surface.ops()) {
            EXPECT_TRUE(line.kind == DrawOp::Kind::Line && line.x1 == line.x2 && line.y2 == 7000
                        && line.width == 2 && line.colour == TraceColour)
                << OpLog::format(line);
            const int order = int(std::lround(std::abs(line.x1 - 8500) / 25.0));
            levels[order].push_back((line.y1 - 1000.0) / 6000.0 * bottom);
        }
        return levels;
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
        for (const DrawOp& op : surface.ops())
            if (op.kind == DrawOp::Kind::Text)
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
        { 1, 3000, 25000, { 7900, 9100 } },
        { 4, 3000, 25000, { 6100, 10900 } },
        // n times the spacing is exactly half the width: on the panel's edges.
        { 5, 2500, 25000, { 6000, 11000 } },
        // Just beyond the edges, and far beyond them.
        { 5, 3000, 25000, {} },
        { 5, 2500.001f, 25000, {} },
        { 100, 1e10f, 1e-12f, {} },
        // A negative spacing gives the same two places, upper side first.
        { 1, -3000, 25000, { 9100, 7900 } },
        { 5, -3000, 25000, {} },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "order " << c.order << " at " << c.spacing << " in " << c.width);
        BesselOrder = c.order;
        WorkDb = 7.1299f;
        draw(DrawFmSidebandPair, 60, c.width, c.spacing);
        std::vector<float> xs;
        for (const DrawOp& line : surface.ops()) {
            xs.push_back(line.x1);
            // clang-format off
            EXPECT_EQ(OpLog::format(line), OpLog::format({ DrawOp::Kind::Line, line.x1, 1712.99f, line.x1, 7000,
                                                           TraceColour, 2 }));
            // clang-format on
        }
        EXPECT_EQ(xs, c.xs);
    }
}

std::vector<int> range(int first, int last)
{
    std::vector<int> orders;
    for (int n = first; n <= last; ++n)
        orders.push_back(n);
    return orders;
}

TEST_F(FmPlotTest, SpectrumLinesStandAtTheirLevelsAndTheRunStopsAtTheThirdOrderAtTheFloor)
{
    const std::map<int, double> indexOne { { 0, 2.32 }, { 1, 7.13 }, { 2, 18.79 }, { 3, 34.17 }, { 4, 52.12 } };
    const std::map<int, double> indexFive { { 0, 15.01 }, { 1, 9.69 }, { 2, 26.64 }, { 3, 8.76 } };
    const struct {
        float index, bottom;
        std::map<int, double> levels;             // dB, by order (0: the carrier)
        int lastOrder;                            // the last order evaluated
        std::optional<std::vector<int>> drawn {}; // the orders of the pairs drawn, when checked
        double tolerance = 0.005;
    } cases[] = {
        // The default inputs: order 5 is the first at the floor, 5, 6 and 7 make three.
        { 1, 60, indexOne, 7, range(1, 4) },
        // A deeper floor shows order 5.
        { 1, 100, { { 5, 72.05 } }, 9, range(1, 6) },
        // A floor just under the carrier: only order 1 is drawn, three at the floor by order 4.
        { 1, 10, {}, 4, range(1, 1) },
        // Order 2 is weaker than its neighbours; orders up to 10 lie above the floor.
        { 5, 60, indexFive, 13, range(1, 10) },
        // Only the magnitude of each amplitude is used, so the sign of the index is lost.
        { -5, 60, indexFive, 13, range(1, 10) },
        // The carrier is beyond the floor: a line of no height, counted as the first of
        // the three; the count is not reset by the strong orders that follow.
        { 2.405f, 60, { { 0, 60 } }, 8 },
        // The single-precision sum puts the carrier about 1 dB below the exact J0(15).
        { 15, 60, { { 0, 37.9 } }, 25, std::nullopt, 0.1 },
        // No deviation: every order from 1 has an amplitude of exactly zero, counted at
        // the floor and not drawn.
        { 0, 60, { { 0, 0 } }, 3, std::vector<int> {} },
        // At a tiny index the first term of order 4, (5e-13)^4 / 4!, underflows single
        // precision to zero; orders 4, 5 and 6 end the run below a floor of 1e10 dB.
        { 1e-12f, 1e10f, {}, 6, range(1, 3) },
        // At index 15 orders 33 and 34 lie about 176 and 189 dB down; 34! still fits
        // single precision, 35! does not, so 35, 36 and 37 end the run whatever the floor.
        { 15, 200, { { 33, 176 }, { 34, 188.7 } }, 37, range(1, 34), 1 },
        { 15, 1e10f, {}, 37, range(1, 34) },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "index " << c.index << ", floor " << c.bottom << " dB");
        const auto lines = spectrum(c.index, c.bottom);
        for (const auto& [order, level] : c.levels) {
            ASSERT_TRUE(lines.contains(order)) << "order " << order;
            EXPECT_NEAR(lines.at(order)[0], level, c.tolerance) << "order " << order;
        }
        EXPECT_EQ(int(BesselOrder), c.lastOrder);
        std::vector<int> drawn;
        for (const auto& [order, levels] : lines) {
            // The carrier once, each pair on both sides at one height.
            EXPECT_EQ(levels.size(), order == 0 ? 1u : 2u) << order;
            EXPECT_EQ(levels.front(), levels.back()) << order;
            EXPECT_TRUE(std::isfinite(levels[0])) << order;
            if (order > 0)
                drawn.push_back(order);
        }
        if (c.drawn) {
            EXPECT_EQ(drawn, *c.drawn);
        }
    }
}

}
