// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PlotSource.h"

#include <array>

// The SSB window's plots: where they stand, their numbers, names and help.
class SsbPlotSource : public PlotSource {
public:
    // The spectrum has 500 units per kHz about its carrier at x 2900; the waveform spans
    // two milliseconds from x 6500.
    static inline const std::array<PlotPanel, 2> Panels = {
        // clang-format off
        PlotPanel { PlotPanel::Kind::Spectrum, { 300, 500, 5500, 5500 }, 2900, 0.5, {},
                    TAVINEL_TEXT("Plots", "Transmitted signal spectrum"), 1000 },
        PlotPanel { PlotPanel::Kind::Trace, { 6400, 500, 11600, 5500 }, 6500, 2500, "waveform",
                    TAVINEL_TEXT("Plots", "Transmitted signal envelope"), 7000 },
        // clang-format on
    };

    std::vector<PlotPanel> plotPanels() const override { return inReadersLanguage({ Panels.begin(), Panels.end() }); }
    std::vector<SpectrumLine> spectrumLines() override;
    std::vector<Trace> traces() override;
    PeriodicSound sound() override;
    std::string stateName() const override;
    std::string helpText() const override;
};
