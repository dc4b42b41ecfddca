// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fm/FmInputMessages.h"
#include "fm/FmPlotSource.h"
#include "surface/Form.h"


// The frequency-modulation demonstration window: four typed values (modulating
// frequency, peak deviation, plot width, plot bottom) and, on Update, the line spectrum
// they give, drawn from Bessel-function amplitudes. Nothing is drawn until Update.
class SoundActions;

class frmFMplot : public Form {
    Q_OBJECT
public:
    frmFMplot();

protected:
    void onLoad() override;
    void drawContents(Surface& surface) override;

private:
    void cmdDisplay_Click();
    void cmdExit_Click();

    void placeRow(QLabel* label, QLineEdit* box, float top);
    FmInputTexts readInputs();

    QLabel* lblModulatingFrequency;
    QLineEdit* txtModulatingFrequency;
    QLabel* lblPeakDeviation;
    QLineEdit* txtPeakDeviation;
    QLabel* lblPlotWidth;
    QLineEdit* txtPlotWidth;
    QLabel* lblPlotBottom;
    QLineEdit* txtPlotBottom;
    QPushButton* cmdDisplay;
    QPushButton* cmdExit;

    FmPlotSource plot_;
    SoundActions* sound_;
};
