// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotTestSupport.h"

#include "am/AmPlots.h"
#include "ssb/SsbPlots.h"

#include <algorithm>
#include <cfenv>
#include <tuple>

using namespace modMain;

namespace {

// Draws with an overflow, invalid operation or division by zero trapped (stopping the
// program with a floating-point exception instead of passing unnoticed), then checks that
// every line and box outline lies within one of the dark panel boxes drawn before it.
void expectSafeAndInsidePanels(void (*draw)(Surface&), const std::string& settings)
{
    RecordingSurface surface(12000, 9000);
    std::feclearexcept(FE_ALL_EXCEPT);
    feenableexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
    draw(surface);
    fedisableexcept(FE_ALL_EXCEPT);
    std::vector<const DrawOp*> panels;
    for (const DrawOp& op : surface.ops()) {
        if (op.kind == DrawOp::Kind::Fill && op.colour == 0x575757)
            panels.push_back(&op);
        if (op.kind != DrawOp::Kind::Line && op.kind != DrawOp::Kind::Box)
            continue;
        const bool inside = std::any_of(panels.begin(), panels.end(), [&](const DrawOp* panel) {
            return std::min(op.x1, op.x2) >= panel->x1 && std::max(op.x1, op.x2) <= panel->x2
                && std::min(op.y1, op.y2) >= panel->y1 && std::max(op.y1, op.y2) <= panel->y2;
        });
        ASSERT_TRUE(inside) << settings << ": " << OpLog::format(op);
    }
}

// Computes the numbers behind the plots, the exact values and envelopes included, with
// the same faults trapped.
void expectNumbersSafe(std::vector<SpectrumLine> (*lines)(), std::vector<Trace> (*traces)())
{
    std::feclearexcept(FE_ALL_EXCEPT);
    feenableexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
    const auto spectrum = lines();
    const auto points = traces();
    fedisableexcept(FE_ALL_EXCEPT);
    EXPECT_FALSE(spectrum.empty());
    EXPECT_FALSE(points.empty());
}

TEST(FaultSweepTest, EveryAmSettingDrawsInsideItsPanelsWithoutAFloatingPointFault)
{
    EXPECT_EQ(forEachAmSetting([](const std::string& setting) { expectSafeAndInsidePanels(redrawAmPlots, setting); }),
              3 * 7 * 2 * 2 * 2);
}

TEST(FaultSweepTest, EverySsbSettingDrawsInsideItsPanelsWithoutAFloatingPointFault)
{
    EXPECT_EQ(forEachSsbSetting([](const std::string& setting) { expectSafeAndInsidePanels(redrawSsbPlots, setting); }),
              3 * 3 * 8 * 8);
}

TEST(FaultSweepTest, TheNumbersOfEveryAmAndSsbSettingComputeWithoutAFloatingPointFault)
{
    EXPECT_EQ(forEachAmSetting([](const std::string&) { expectNumbersSafe(amSpectrumLines, amTraces); }),
              3 * 7 * 2 * 2 * 2);
    // The levels are what could go wrong: every carrier level with the unwanted sideband at
    // either extreme, at one audio frequency.
    forEachSsbSetting([](const std::string&) {
        if (AudioKHz == 3 && (SidebandLevel == 0 || SidebandLevel == -120))
            expectNumbersSafe(ssbSpectrumLines, ssbTraces);
    });
}

}
