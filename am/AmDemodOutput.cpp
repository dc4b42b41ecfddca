// SPDX-License-Identifier: GPL-3.0-or-later
#include "am/AmPlots.h"

#include "core/ExactSine.h"
#include "core/modMain.h"

using namespace modMain;

float demodulatorOutput(float a)
{
    float E = float(double(ModDepth) * exactSin(double(a)) + 1.0);
    if (ClipperOn == 1)
        E = applyModulationClipper(E);
    // The diode's knee acts before the limit at zero, so it also lifts the negative
    // envelope of an overmodulated signal.
    if (DemodType == 1)
        E = applyDiodeKnee(E);
    if (E < 0)
        E = 0;
    return E;
}

void DrawAmDemodOutput(Surface& surface)
{
    PanelLeft = 8100;
    PanelWidth = 3400;
    PanelBottom = 5400;
    PanelHeight = 4800;
    surface.setLineWidth(1);

    // The dark background also erases the previous plot.
    const float right = float(PanelLeft + double(PanelWidth));
    const float top = float(PanelBottom - PanelHeight);
    surface.fillBox(float(PanelLeft - 100), top - 100, float(right + 100.0), float(PanelBottom + 100),
                    PanelColour);
    surface.box(PanelLeft, top, right, PanelBottom, GridColour);

    // Output 1 (the unmodulated carrier), 0 and 2.
    for (double fraction : { 0.5, 0.25, 0.75 }) {
        const float y = float(PanelBottom - PanelHeight * fraction);
        surface.line(PanelLeft, y, right, y, GridColour);
    }
    surface.setLineWidth(1);

    // One point per degree of the 1 kHz audio phase; the output is the envelope factor
    // itself, with no carrier: 0 at y 4200, 1 at 3000, 2 at 1800.
    for (float n = 0; n <= 360; n += 1) {
        float x = float(double(n) * PanelWidth / 360.0 + PanelLeft);
        const float a = float(double(Pi) * AudioKHz / 180.0 * n);
        const float E = demodulatorOutput(a);
        float y = float(PanelBottom - PanelHeight * 0.25 - PanelHeight * 0.25 * E);
        if (x < PanelLeft)
            x = PanelLeft;
        if (x > right)
            x = right;
        if (y < top - 100)
            y = top - 100;
        if (y > PanelBottom + 100)
            y = float(PanelBottom + 100);
        surface.tracePoint(n == 0, x, y, TraceColour);
    }

    surface.setLineWidth(1);
}
