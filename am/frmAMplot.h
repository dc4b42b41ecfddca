// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Translation.h"

#include "am/AmPlotSource.h"
#include "core/DemonstrationWindow.h"

// The amplitude-modulation demonstration window: the transmitted envelope, the
// transmitted spectrum and the demodulator output side by side, over five frames of
// option buttons. Every choice stores one setting and redraws all three plots.
class frmAMplot : public DemonstrationWindow {
public:
    TAVINEL_TRANSLATABLE(frmAMplot)

    frmAMplot();

    void queryUnload(int reason) override;
    void drawContents(Surface& surface) override;
    void drawPlots(Surface& surface) override;
    PlotSource* plots() override { return &plots_; }

protected:
    void onLoad() override;

private:
    AmPlotSource plots_;
};
