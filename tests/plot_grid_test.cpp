// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotTestSupport.h"

#include "am/AmPlots.h"
#include "app/OpeningArtwork.h"
#include "fm/FmSpectrumPlot.h"
#include "fm/FmState.h"
#include "ssb/SsbPlots.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>

using namespace modMain;

namespace {

struct Segment {
    float x1, y1, x2, y2;
};
using Segments = std::vector<Segment>;

// `count` level lines from y0 on, `dy` apart, across x1 to x2, or with `upright` frequency
// lines from x0 = y0 on, from y = x1 down to x2.
Segments across(float y0, float dy, int count, float x1, float x2, bool upright = false)
{
    Segments lines;
    for (int k = 0; k < count; ++k) {
        const float at = y0 + dy * float(k);
        lines.push_back(upright ? Segment { at, x1, at, x2 } : Segment { x1, at, x2, at });
    }
    return lines;
}

Segments upright(float x0, float dx, int count, float y1, float y2)
{
    return across(x0, dx, count, y1, y2, true);
}

Segments operator+(Segments a, const Segments& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The start-up state of every window, with the FM window's too.
void startUp()
{
    startUpState();
    FmState::clearFmState();
    PanelBackColour = 0xCFCFCF; // as the menu sets it
}

void chooseFm(float modulating, float deviation, float width, float bottom)
{
    FmState::ModulatingFrequency = modulating;
    FmState::PeakDeviation = deviation;
    FmState::ModIndex = float(double(deviation) / modulating);
    FmState::PlotBottom = bottom;
    PanelWidth = width;
}

}

TEST(PlotGridTest, EveryPlotDrawsItsGridLinesWhereTheScaleHasThem)
{
    // The demodulator output and the menu's envelope: an outline and the levels 1, 0 and 2.
    const Segments outputLevels = across(3000, 1200, 2, 8100, 11500) + across(1800, 0, 1, 8100, 11500);
    const Segments outline { { 8100, 600, 11500, 5400 } };
    const struct {
        const char* what;
        std::function<void()> choose;
        void (*draw)(Surface&);
        Segments lines, boxes;
    } cases[] = {
        // Every 0.2 of the carrier amplitude, from twice the carrier down to nothing.
        { "AM envelope", [] {}, DrawAmEnvelope, across(600, 240, 21, 300, 3700), {} },
        // Every 5 dB or 0.1 of the carrier, from the baseline up; every kHz.
        // clang-format off
        { "AM spectrum, linear", [] { YAxisMode = 1; }, DrawAmSpectrum,
          across(5400, -480, 11, 4200, 7200) + upright(4200, 300, 11, 600, 5400), {} },
        { "AM spectrum, decibels", [] { YAxisMode = 2; }, DrawAmSpectrum,
          across(5400, -480, 11, 4200, 7200) + upright(4200, 300, 11, 600, 5400), {} },
        // clang-format on
        { "AM demodulator", [] {}, DrawAmDemodOutput, outputLevels, outline },
        // clang-format off
        { "SSB spectrum", [] {}, DrawSsbSpectrum, across(5400, -480, 11, 400, 5400) + upright(400, 500, 11, 600, 5400),
          {} },
        // clang-format on
        { "SSB envelope", [] {}, DrawSsbEnvelope, {}, {} },
        // clang-format off
        { "FM frame", [] { chooseFm(3000, 3000, 25000, 60); }, DrawFmSpectrumFrame,
          across(1000, 1000, 7, 6000, 11000) + upright(6000, 500, 11, 1000, 7000), {} },
        // clang-format on
        { "menu artwork", [] {}, drawOpeningArtwork,
          across(5400, -480, 11, 400, 3600) + upright(400, 320, 11, 600, 5400) + across(5400, -480, 11, 4300, 7300)
              + upright(4300, 300, 11, 600, 5400) + outputLevels,
          outline },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        startUp();
        c.choose();
        RecordingSurface surface(12000, 9000);
        c.draw(surface);
        Segments lines, boxes;
        for (const DrawOp& op : surface.ops())
            if (op.colour == GridColour && (op.kind == DrawOp::Kind::Line || op.kind == DrawOp::Kind::Box))
                (op.kind == DrawOp::Kind::Line ? lines : boxes).push_back({ op.x1, op.y1, op.x2, op.y2 });
        for (const auto& [found, expected] : { std::pair { &lines, &c.lines }, std::pair { &boxes, &c.boxes } }) {
            ASSERT_EQ(found->size(), expected->size());
            for (std::size_t i = 0; i < found->size(); ++i) {
                SCOPED_TRACE(testing::Message() << "grid line or box " << i);
                const Segment &f = (*found)[i], &e = (*expected)[i];
                EXPECT_LT(std::max({ std::abs(f.x1 - e.x1), std::abs(f.y1 - e.y1), std::abs(f.x2 - e.x2),
                                     std::abs(f.y2 - e.y2) }),
                          0.01f);
            }
        }
    }
}

TEST(WindowRedrawTest, EachRedrawGivesThePinnedOperations)
{
    // Every operation of a window's redraw, as the render tool's --ops writes them,
    // counted and hashed (FNV-1a, 64 bits, over the lines, each ending in a newline). The
    // pinned figures are those of the program as it stands; any change to any figure of
    // any plot shows here, and a wanted one is pinned anew from the failure message.
    const struct {
        const char* what;
        std::function<void()> choose;
        void (*draw)(Surface&);
        std::size_t ops;
        std::uint64_t hash;
    } cases[] = {
        { "AM start-up", [] {}, redrawAmPlots, 36447, 0xc4ddbbfbe06cf945 },
        { "AM 140 % with clipper on the decibel scale, diode",
          [] { ModDepth = 1.4f; ClipperOn = 1; YAxisMode = 2; DemodType = 1; },
          redrawAmPlots, 36438, 0xf7292fbcdd459a8d },
        { "SSB start-up", [] {}, redrawSsbPlots, 40060, 0x52f9b79bf756b872 },
        { "SSB upper sideband, carrier -6 dB, 3 kHz",
          [] { SsbMode = 1; CarrierLevel = -6; AudioKHz = 3; },
          redrawSsbPlots, 40061, 0x3a0768097433392e },
        { "FM 3 kHz tone, 3 kHz deviation, 25 kHz wide, down to -60 dB", [] { chooseFm(3000, 3000, 25000, 60); },
          redrawFmPlot, 40, 0x96ca159a0e0104e3 },
        // The menu artwork with the correctly rounded sine: where glibc's sine was an ulp
        // off, 22 of its points moved by one in the last digit written.
        { "menu artwork", [] {}, drawOpeningArtwork, 36425, 0x9a8df9fdbeaa0fe4 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        startUp();
        c.choose();
        RecordingSurface surface(12000, 9000);
        surface.setFontBold(c.draw == redrawFmPlot); // the FM window's font
        c.draw(surface);
        std::uint64_t hash = 0xcbf29ce484222325u;
        for (const std::string& line : formatted(surface.ops()))
            for (char ch : line + "\n")
                hash = (hash ^ std::uint8_t(ch)) * 0x100000001b3u;
        EXPECT_EQ(surface.ops().size(), c.ops);
        EXPECT_EQ(hash, c.hash) << std::hex << std::showbase << hash;
    }
}
