#include "am/AmPlots.h"
#include "app/modMain.h"
#include "ssb/SsbPlots.h"
#include "surface/RecordingSurface.h"

#include <gtest/gtest.h>

#include <cfenv>

using namespace modMain;

namespace {

constexpr Colour PanelColour = 0x575757;

// While alive, an overflow, invalid operation or division by zero stops the program
// with a floating-point exception instead of passing unnoticed.
struct FloatingPointTraps {
    FloatingPointTraps()
    {
        std::feclearexcept(FE_ALL_EXCEPT);
        feenableexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
    }
    ~FloatingPointTraps() { fedisableexcept(FE_ALL_EXCEPT); }
};

// Every line and box outline lies within one of the dark panel boxes drawn before it.
void expectInsidePanels(const std::vector<DrawOp>& ops, const std::string& settings)
{
    std::vector<const DrawOp*> panels;
    for (const DrawOp& op : ops) {
        if (op.kind == DrawOp::Kind::Fill && op.colour == PanelColour)
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

TEST(FaultSweep, EveryAmSettingDrawsInsideItsPanelsWithoutAFloatingPointFault)
{
    const float depths[] = { 0, 0.1f, 0.25f, 0.5f, 1, 1.2f, 1.4f };
    int combinations = 0;
    RecordingSurface surface(12000, 9000);
    for (float audio : { 1.0f, 2.0f, 3.0f })
        for (float depth : depths)
            for (std::int16_t clipper : { 0, 1 })
                for (std::int16_t scale : { 1, 2 })
                    for (std::int16_t demodulator : { 0, 1 }) {
                        ClearSharedState();
                        InitSharedState();
                        AudioKHz = audio;
                        ModDepth = depth;
                        ClipperOn = clipper;
                        YAxisMode = scale;
                        DemodType = demodulator;
                        surface.log().clear();
                        {
                            FloatingPointTraps traps;
                            DrawAmEnvelope(surface);
                            DrawAmSpectrum(surface);
                            DrawAmDemodOutput(surface);
                        }
                        expectInsidePanels(surface.ops(),
                                           "audio " + FormatSingle(audio) + " depth " + FormatSingle(depth)
                                               + " clipper " + std::to_string(clipper) + " scale "
                                               + std::to_string(scale) + " demodulator "
                                               + std::to_string(demodulator));
                        ++combinations;
                    }
    EXPECT_EQ(combinations, 3 * 7 * 2 * 2 * 2);
}

TEST(FaultSweep, EverySsbSettingDrawsInsideItsPanelsWithoutAFloatingPointFault)
{
    const float levels[] = { 0, -6, -12, -20, -30, -40, -50, -120 };
    int combinations = 0;
    RecordingSurface surface(12000, 9000);
    for (float audio : { 1.0f, 2.0f, 3.0f })
        for (std::int16_t mode : { 2, -1, 1 })
            for (float carrier : levels)
                for (float sideband : levels) {
                    ClearSharedState();
                    InitSharedState();
                    AudioKHz = audio;
                    SsbMode = mode;
                    CarrierLevel = carrier;
                    SidebandLevel = sideband;
                    surface.log().clear();
                    {
                        FloatingPointTraps traps;
                        DrawSsbEnvelope(surface);
                        DrawSsbSpectrum(surface);
                    }
                    expectInsidePanels(surface.ops(),
                                       "audio " + FormatSingle(audio) + " mode " + std::to_string(mode)
                                           + " carrier " + FormatSingle(carrier) + " sideband "
                                           + FormatSingle(sideband));
                    ++combinations;
                }
    EXPECT_EQ(combinations, 3 * 3 * 8 * 8);
}

}
