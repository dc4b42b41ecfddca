// SPDX-License-Identifier: GPL-3.0-or-later
#include "ssb/SsbPlots.h"

#include "core/Surface.h"
#include "core/modMain.h"
#include "ssb/SsbSineTables.h"

#include <cmath>

using namespace modMain;

double levelGain(double levelDb)
{
    return std::pow(10.0, levelDb / 20.0);
}

void DrawSsbEnvelope(Surface& surface)
{
    PanelLeft = 6500;
    PanelWidth = 5000;
    PanelBottom = 5400;
    PanelHeight = 4800;
    surface.setLineWidth(1);

    surface.fillBox(float(PanelLeft - 100), 500, float(PanelLeft + double(PanelWidth) + 100), 5500,
                    PanelColour);

    // The level gains stay the same for the whole trace.
    const double sidebandGain = levelGain(SidebandLevel);
    const double carrierGain = levelGain(CarrierLevel);
    const double singleSidebandCarrierGain = levelGain(CarrierLevel + 6.0);

    // The sines of the three components at each sample, sin(2 t pi f) for f in kHz and t
    // in ms, kept from earlier redraws at the same modulating frequency.
    // The lower sideband is only needed when both sidebands are sent.
    const SineTable upperSideband = ssbSineTable(500.0 + AudioKHz);
    const SineTable lowerSideband = SsbMode == 2 ? ssbSineTable(500.0 - AudioKHz) : upperSideband;
    const SineTable carrier = ssbSineTable(500.0);
    std::size_t step = 0;

    // 40 samples per carrier cycle. The time is counted in single precision, so the
    // sum runs a little slow and the loop makes 40019 points, the last at t = 1.99998.
    for (StepTime = 0; StepTime <= 2; StepTime += 0.00005f, ++step) {
        const double t = StepTime;
        WorkX = float(PanelLeft + t * PanelWidth / 2.0);
        if (SsbMode == 2) {
            // Carrier and both sidebands; each full sideband is half the full carrier.
            WorkA = float((*upperSideband)[step]);
            WorkAngle = float(sidebandGain * (*lowerSideband)[step]);
            WorkB = float(2.0 * carrierGain * (*carrier)[step]);
            WorkY = float(PanelBottom - PanelHeight * 0.5
                          - (double(WorkA) + double(WorkAngle) + double(WorkB)) * (PanelHeight * 0.125));
        } else {
            // One sideband and the carrier, the sideband 6 dB below the full carrier.
            // The outline is the same whichever sideband is sent, so both modes draw
            // the upper one.
            WorkA = float(0.5 * (*upperSideband)[step]);
            WorkB = float(0.5 * singleSidebandCarrierGain * (*carrier)[step]);
            WorkY = float(PanelBottom - PanelHeight * 0.5
                          - (double(WorkA) + double(WorkB)) * (PanelHeight * 0.25));
        }
        if (WorkY < PanelBottom - PanelHeight - 100)
            WorkY = float(PanelBottom - PanelHeight - 100);
        if (WorkY > PanelBottom + 100)
            WorkY = float(PanelBottom + 100);
        surface.tracePoint(StepTime == 0, WorkX, WorkY, TraceColour);
    }

    // The trace spans t = 0 to 2 ms (at 1 kHz the outline repeats twice), and the axis
    // says so.
    const struct {
        const char* text;
        float x, y;
    } labels[] = { { "0", 6500, 5600 }, { "1", 9000, 5600 }, { "ms", 8940, 5800 }, { "2", 11500, 5600 } };
    for (const auto& label : labels)
        surface.printAt(label.x, label.y, label.text);
    surface.setLineWidth(1);
}
