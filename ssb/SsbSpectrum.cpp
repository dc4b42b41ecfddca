// SPDX-License-Identifier: GPL-3.0-or-later
#include "ssb/SsbPlots.h"

#include "core/Surface.h"
#include "core/modMain.h"

using namespace modMain;

namespace {

// A spectral line standing from its top down to the baseline.
void drawSpectralLine(Surface& surface, float x, float top)
{
    surface.line(x, top, x, PanelBottom, TraceColour);
}

void drawFrequencyLabels(Surface& surface)
{
    const struct {
        const char* text;
        float x, y;
    } labels[] = { { "-5", 360, 5600 }, { "0", 2850, 5600 }, { "kHz", 2750, 5800 }, { "+5", 5300, 5600 } };
    for (const auto& label : labels)
        surface.printAt(label.x, label.y, label.text);
}

}

void DrawSsbSpectrum(Surface& surface)
{
    PanelLeft = 400;
    PanelWidth = 5000;
    PanelBottom = 5400;
    PanelHeight = 4800;
    surface.setLineWidth(1);

    surface.fillBox(float(PanelLeft - 100), float(PanelBottom - PanelHeight - 100),
                    float(PanelLeft + double(PanelWidth) + 100), float(PanelBottom + 100), PanelColour);

    // Level grid every 5 dB from the baseline (-50 dB) up to 0 dB. The bound 1.001 lets
    // the single-precision sum near 1.0 through.
    for (WorkY = 0; WorkY <= 1.001f; WorkY += 0.1f) {
        const float y = float(PanelBottom - PanelHeight * double(WorkY));
        surface.line(PanelLeft, y, float(PanelLeft + double(PanelWidth)), y, GridColour);
    }

    // Frequency grid every kHz, 5 kHz either side of the carrier.
    PanelCentre = centreOfPanel();
    for (WorkX = -1; WorkX <= 1.001f; WorkX += 0.2f) {
        const float x = float(PanelCentre + double(WorkX) * 0.5 * PanelWidth);
        surface.line(x, 600, x, PanelBottom, GridColour);
    }
    surface.line(PanelCentre, 600, PanelCentre, PanelBottom, ReferenceColour);

    surface.setLineWidth(3);
    WorkX = float(double(AudioKHz) * 0.1 * PanelWidth);

    // The wanted sideband always stands at -6 dB, half the full carrier's amplitude;
    // the unwanted one SidebandLevel below it, but never below the baseline.
    WorkY = float(6.0 / 50.0 * PanelHeight + (PanelBottom - PanelHeight));
    WorkC = float((PanelBottom - PanelHeight) + PanelHeight * (6.0 / 50.0 - double(SidebandLevel) / 50.0));
    if (WorkC > PanelBottom)
        WorkC = PanelBottom;

    if (SsbMode == 2) {
        drawSpectralLine(surface, float(PanelCentre - double(WorkX)), WorkC);
        drawSpectralLine(surface, float(PanelCentre + double(WorkX)), WorkY);
    } else if (SsbMode == -1) {
        drawSpectralLine(surface, float(PanelCentre - double(WorkX)), WorkY);
    } else if (SsbMode == 1) {
        drawSpectralLine(surface, float(PanelCentre + double(WorkX)), WorkY);
    }

    // A carrier below the baseline (switched off) is not drawn at all.
    WorkY = float((PanelBottom - PanelHeight) - double(CarrierLevel) / 50.0 * PanelHeight);
    if (WorkY <= PanelBottom)
        drawSpectralLine(surface, PanelCentre, WorkY);

    surface.setLineWidth(1);
    drawFrequencyLabels(surface);
    DrawSsbLevelScale(surface);
}
