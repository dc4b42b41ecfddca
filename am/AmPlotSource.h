// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "surface/PlotSource.h"

// The AM window's plots: where they stand, their numbers, names and help.
class AmPlotSource : public PlotSource {
public:
    std::vector<Panel> plotPanels() const override;
    std::vector<SpectrumLine> spectrumLines() override;
    std::vector<Trace> traces() override;
    PeriodicSound sound() override;
    bool hasSound() const override { return true; }
    std::string stateName() const override;
    QString helpText() const override;
};
