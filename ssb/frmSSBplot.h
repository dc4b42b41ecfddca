// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ssb/SsbPlotSource.h"
#include "surface/Form.h"

#include <array>
#include <functional>

// The single-sideband demonstration window: the spectrum (left) and the transmitted
// waveform (right) of a carrier with one or two sidebands, for the audio frequency,
// mode, carrier level and unwanted-sideband level chosen below the plots. Every choice
// stores its setting and redraws both plots.
//
// Closing the window through the window system needs no handler here: it is the
// program's only window, so the program ends with it.
class SoundActions;

class frmSSBplot : public Form {
    Q_OBJECT
public:
    frmSSBplot();

protected:
    void onLoad() override;
    void drawContents(Surface& surface) override;

private:
    void addAudioFrame();
    void addModeFrame();
    void addCarrierFrame();
    void addSuppressionFrame();

    void optAudio_Click(float kHz);
    void optDouble_Click();
    void optLower_Click();
    void optUpper_Click();
    void carrierOption_Click(float level);
    void suppressionOption_Click(float level);
    void cmdExit_Click();

    void enableSuppressionOptions(bool enabled);
    void redraw();
    void prepareSineTables();

    QGroupBox* fraAudioFrequency;
    QRadioButton* optAudio1000;
    QRadioButton* optAudio2000;
    QRadioButton* optAudio3000;
    QGroupBox* fraMode;
    QRadioButton* optDouble;
    QRadioButton* optLower;
    QRadioButton* optUpper;
    QGroupBox* fraCarrier;
    std::array<QRadioButton*, 8> carrierOptions;     // Option1 to Option8
    QGroupBox* fraSuppression;
    std::array<QRadioButton*, 8> suppressionOptions; // Option9 to Option16
    QPushButton* cmdExit;

    SsbPlotSource plots_;
    SoundActions* sound_;
};
