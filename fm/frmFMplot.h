// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Translation.h"

#include "core/DemonstrationWindow.h"
#include "fm/FmInputMessages.h"
#include "fm/FmPlotSource.h"

// The frequency-modulation demonstration window: four typed values (modulating
// frequency, peak deviation, plot width, plot bottom) and, on Update, the line spectrum
// they give, drawn from Bessel-function amplitudes. Nothing is drawn until Update.
class frmFMplot : public DemonstrationWindow {
public:
    TAVINEL_TRANSLATABLE(frmFMplot)

    frmFMplot();

    void drawContents(Surface& surface) override;
    void drawPlots(Surface& surface) override;
    PlotSource* plots() override { return &plot_; }

protected:
    void onLoad() override;

private:
    void cmdDisplay_Click();
    // Reads the four boxes through the number parser; the message that turns the values
    // away, or empty when they can be plotted.
    std::string readAndCheckInputs();
    void addRow(const std::string& label, const std::string& caption, const std::string& box,
                const std::string& text, double top, double boxWidth);
    void placeRow(const std::string& label, const std::string& box, float top);

    FmPlotSource plot_;
};
