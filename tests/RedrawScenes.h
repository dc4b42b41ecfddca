// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The redraws the picture test compares and the benchmarks time: each window's own redraw
// for one setting, on any surface.

#include "am/AmPlots.h"
#include "app/OpeningArtwork.h"
#include "core/Surface.h"
#include "core/modMain.h"
#include "fm/FmSpectrumPlot.h"
#include "fm/FmState.h"
#include "ssb/SsbPlots.h"

#include <functional>
#include <string>
#include <vector>

struct RedrawScene {
    std::string name;
    std::function<void()> choose; // the settings, as the window's controls leave them
    std::function<void(Surface&)> draw;
};

inline std::vector<RedrawScene> redrawScenes()
{
    using namespace modMain;
    auto am = [](float depth, std::int16_t clipper) {
        return [=] {
            ModDepth = depth;
            ClipperOn = clipper;
            YAxisMode = 1;
            DemodType = 0;
        };
    };
    auto ssb = [](float carrier) {
        return [=] {
            SsbMode = 2;
            CarrierLevel = carrier;
            SidebandLevel = 0;
        };
    };
    return {
        { "AM 100 %", am(1, 0), redrawAmPlots },
        { "AM 140 % with clipper", am(1.4f, 1), redrawAmPlots },
        { "SSB carrier off", ssb(-120), redrawSsbPlots },
        { "SSB carrier 0 dB", ssb(0), redrawSsbPlots },
        { "FM index 15",
          [] {
              FmState::clearFmState();
              FmState::ModulatingFrequency = 1000;
              FmState::PeakDeviation = 15000;
              FmState::ModIndex = 15;
              FmState::PlotBottom = 60;
              PanelWidth = 25000;
          },
          [](Surface& surface) {
              surface.setFontBold(true); // the FM window's font
              redrawFmPlot(surface);
          } },
        { "menu artwork", [] { PanelBackColour = 0xCFCFCF; }, drawOpeningArtwork },
    };
}

// Shared state as after start-up, then the scene's settings.
inline void chooseScene(const RedrawScene& scene)
{
    modMain::clearSharedState();
    modMain::InitSharedState();
    scene.choose();
}
