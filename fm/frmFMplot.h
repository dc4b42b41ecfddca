// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fm/FmInputMessages.h"
#include "surface/Form.h"

#include <optional>

// The frequency-modulation demonstration window: four typed values (modulating
// frequency, peak deviation, plot width, plot bottom) and, on Update, the line spectrum
// they give, drawn from Bessel-function amplitudes. Nothing is drawn until Update.
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

    // The values of the last accepted Update.
    struct PlottedValues {
        float modulatingFrequency, peakDeviation, plotBottom, plotWidth, modIndex;
    };
    std::optional<PlottedValues> plotted_;

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
};
