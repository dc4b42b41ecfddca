// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PlotSource.h"

#include <array>

// The AM window's plots: where they stand, their numbers, names and help.
class AmPlotSource : public PlotSource {
public:
    // The dark boxes of the three plots; the spectrum has 300 units per kHz about its
    // carrier at x 5700, the traces span a millisecond from x 400 and x 8100.
    static inline const std::array<PlotPanel, 3> Panels = {
        // clang-format off
        PlotPanel { PlotPanel::Kind::Trace, { 300, 500, 3700, 5500 }, 400, 3200, "envelope",
                    TAVINEL_TEXT("Plots", "Transmitted signal envelope"), 400 },
        PlotPanel { PlotPanel::Kind::Spectrum, { 4100, 500, 7300, 5500 }, 5700, 0.3, {},
                    TAVINEL_TEXT("Plots", "Transmitted signal spectrum"), 4300 },
        PlotPanel { PlotPanel::Kind::Trace, { 8000, 500, 11600, 5500 }, 8100, 3400, "demodulator",
                    TAVINEL_TEXT("Plots", "Envelope demodulator output"), 8300 },
        // clang-format on
    };

    std::vector<PlotPanel> plotPanels() const override { return inReadersLanguage({ Panels.begin(), Panels.end() }); }
    std::vector<SpectrumLine> spectrumLines() override;
    std::vector<Trace> traces() override;
    PeriodicSound sound() override;
    std::string stateName() const override;
    std::string helpText() const override;
};
