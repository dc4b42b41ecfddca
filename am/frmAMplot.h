// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "am/AmPlotSource.h"
#include "surface/Form.h"

#include <functional>

// The amplitude-modulation demonstration window: the transmitted envelope, the
// transmitted spectrum and the demodulator output side by side, over five frames of
// option buttons. Every choice stores one setting and redraws all three plots.
class SoundActions;

class frmAMplot : public Form {
    Q_OBJECT
public:
    frmAMplot();

protected:
    void onLoad() override;
    void onQueryUnload(int reason) override;
    void drawContents(Surface& surface) override;

private:
    QRadioButton* addChoice(QGroupBox* frame, const QString& name, const QString& caption,
                            float top, float width, bool selected, std::function<void()> store);
    void cmdExit_Click();
    void redraw();

    QGroupBox* fraAudioFrequency;
    QGroupBox* fraModulationPercent;
    QGroupBox* fraYaxis;
    QGroupBox* fraClipper;
    QGroupBox* fraDemodulator;
    QPushButton* cmdExit;

    AmPlotSource plots_;
    SoundActions* sound_;
};
