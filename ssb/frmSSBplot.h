// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Translation.h"

#include "core/DemonstrationWindow.h"
#include "ssb/SsbPlotSource.h"

// The single-sideband demonstration window: the spectrum (left) and the transmitted
// waveform (right) of a carrier with one or two sidebands, for the audio frequency,
// mode, carrier level and unwanted-sideband level chosen below the plots. Every choice
// stores its setting and redraws both plots.
//
// Closing the window through the window system needs no handler here: it is the
// program's only window, so the program ends with it.
class frmSSBplot : public DemonstrationWindow {
public:
    TAVINEL_TRANSLATABLE(frmSSBplot)

    frmSSBplot();

    void drawContents(Surface& surface) override;
    void drawPlots(Surface& surface) override;
    PlotSource* plots() override { return &plots_; }
    // The sines of the modulating frequencies not yet chosen are computed while the
    // window stands idle, one table at a time, so that choosing a frequency later
    // redraws as quickly as choosing a level.
    bool idleWork() override;

protected:
    void onLoad() override;

private:
    void enableSuppressionOptions(bool enabled);

    SsbPlotSource plots_;
};
