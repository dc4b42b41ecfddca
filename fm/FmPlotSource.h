// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PlotSource.h"

#include <optional>

// The FM window's plot: where it stands, the values of the last accepted Update (the plot
// on the screen), its lines, name and help. There is no plot before the first Update.
class FmPlotSource : public PlotSource {
public:
    // The dark box of the spectrum, its carrier at x 8500.
    static inline const LogicalRect Area { 6000, 1000, 11000, 7000 };

    // Keeps the values an accepted Update has just stored.
    void keepPlottedValues();
    // Stores the kept values back where the plot routines read them (a rejected Update
    // since may have stored others); false before the first accepted Update.
    bool restorePlottedValues() const;

    std::vector<PlotPanel> plotPanels() const override;
    bool hasPlot() const override { return plotted_.has_value(); }
    std::vector<SpectrumLine> spectrumLines() override;
    std::vector<Trace> traces() override;
    PeriodicSound sound() override;
    std::string stateName() const override;
    std::string helpText() const override;
    double besselIndex() const override;
    std::string plotNote() override;

private:
    struct Values {
        float modulatingFrequency, peakDeviation, plotBottom, plotWidth, modIndex;
    };
    std::optional<Values> plotted_;
};
