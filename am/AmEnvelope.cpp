// SPDX-License-Identifier: GPL-3.0-or-later
#include "am/AmPlots.h"

#include "am/AmAudioSines.h"
#include "core/CarrierSine.h"
#include "core/Surface.h"
#include "core/modMain.h"

using namespace modMain;

float amEnvelopeFactor(double audioSine)
{
    float E = float(double(ModDepth) * audioSine + 1.0);
    if (ClipperOn == 1)
        E = applyModulationClipper(E);
    if (E < 0)
        E = 0;
    return E;
}

void DrawAmEnvelope(Surface& surface)
{
    PanelLeft = 400;
    PanelWidth = 3200;
    PanelBottom = 5400;
    PanelHeight = 4800;
    surface.setLineWidth(1);

    // The dark background also erases the previous plot.
    const float right = float(PanelLeft + double(PanelWidth));
    surface.fillBox(float(PanelLeft - 100), 500, float(right + 100.0), 5500, PanelColour);

    // One millisecond in 36000 steps of a hundredth of a degree of the 1 kHz audio
    // cycle. The carrier advances 3000 rad per step (about 2.92 rad after whole turns),
    // so successive points jump between the upper and the lower envelope and the
    // joined points fill the band between them. The sines of the tone's phase
    // a = pi AudioKHz / 180 n / 100 and of the carrier are kept between redraws.
    const AudioSineTable audioSines = amAudioSineTable();
    for (float n = 0; n <= 36000; n += 1) {
        float x = float(double(n) * PanelWidth / 36000.0 + PanelLeft);
        const float E = amEnvelopeFactor((*audioSines)[int(n)]);
        float y = float(3000.0 - 1200.0 * E * carrierSine(int(n)));
        if (x < PanelLeft)
            x = PanelLeft;
        if (x > right)
            x = right;
        if (y < 500)
            y = 500;
        else if (y > 5500)
            y = 5500;
        surface.tracePoint(n == 0, x, y, TraceColour);
    }

    // The grid goes over the trace: one line per 0.2 of the carrier amplitude.
    for (float v = -1; v <= 1.001; v += 0.1f) {
        const float y = float(3000.0 + 2400.0 * v);
        surface.line(float(PanelLeft - 100), y, float(right + 100.0), y, GridColour);
    }

    // The signal's extremes at twice the carrier amplitude, then zero.
    for (float y : { 600.0f, 5400.0f, 3000.0f })
        surface.line(float(PanelLeft - 100), y, float(right + 100.0), y, ReferenceColour);

    surface.printAt(300, 5600, "0");
    surface.printAt(1900, 5600, ".5");
    surface.printAt(1840, 5800, "ms");
    surface.printAt(3600, 5600, "1");

    surface.setLineWidth(1);
}
