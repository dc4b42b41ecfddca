#pragma once

// The redraws the benchmarks time and the picture tests compare: each window's plots for
// one setting, drawn on any surface the way the window draws them after a click.

#include "am/AmPlots.h"
#include "app/OpeningArtwork.h"
#include "app/modMain.h"
#include "fm/FmSpectrum.h"
#include "fm/FmSpectrumPlot.h"
#include "fm/FmState.h"
#include "ssb/SsbPlots.h"
#include "surface/Surface.h"

#include <functional>
#include <string>
#include <vector>

struct RedrawScene {
    std::string name;
    std::function<void()> choose; // the settings, as the window's controls leave them
    std::function<void(Surface&)> draw;
};

inline void drawAmWindow(Surface& surface)
{
    DrawAmEnvelope(surface);
    DrawAmSpectrum(surface);
    DrawAmDemodOutput(surface);
}

inline void drawSsbWindow(Surface& surface)
{
    DrawSsbEnvelope(surface);
    DrawSsbSpectrum(surface);
}

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
        { "AM 100 %", am(1, 0), drawAmWindow },
        { "AM 140 % with clipper", am(1.4f, 1), drawAmWindow },
        { "SSB carrier off", ssb(-120), drawSsbWindow },
        { "SSB carrier 0 dB", ssb(0), drawSsbWindow },
        { "FM index 15",
          [] {
              FmState::ClearFmState();
              FmState::ModulatingFrequency = 1000;
              FmState::PeakDeviation = 15000;
              FmState::ModIndex = 15;
              FmState::PlotBottom = 60;
              PanelWidth = 25000;
          },
          [](Surface& surface) {
              surface.setFontBold(true);
              DrawFmSpectrumFrame(surface);
              ComputeFmSpectrum(surface);
          } },
        { "menu artwork", [] { PanelBackColour = 0xCFCFCF; },
          [](Surface& surface) {
              DrawOpeningWaveform(surface);
              DrawOpeningSpectrum(surface);
              DrawOpeningEnvelope(surface);
          } },
    };
}

// Shared state as after start-up, then the scene's settings.
inline void chooseScene(const RedrawScene& scene)
{
    modMain::ClearSharedState();
    modMain::InitSharedState();
    scene.choose();
}
