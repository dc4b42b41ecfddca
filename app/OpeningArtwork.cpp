// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/OpeningArtwork.h"

#include "core/CarrierSine.h"
#include "core/ExactSine.h"
#include "core/Surface.h"
#include "core/modMain.h"

#include <cmath>

using namespace modMain;

namespace {

// The grid shared by the waveform and spectrum panels: eleven horizontal lines from
// the bottom to the top of the panel, then eleven vertical ones across it.
void drawGrid(Surface& surface)
{
    surface.setLineWidth(1);
    for (float v = 0; v <= 1.001f; v += 0.1f) {
        const float y = float(PanelBottom - PanelHeight * double(v));
        surface.line(PanelLeft, y, float(PanelLeft + double(PanelWidth)), y, GridColour);
    }
    PanelCentre = centreOfPanel();
    for (float f = -1; f <= 1.001f; f += 0.2f) {
        const float x = float(PanelCentre + double(f) * 0.5 * PanelWidth);
        surface.line(x, 600, x, PanelBottom, GridColour);
    }
}

}

void drawOpeningArtwork(Surface& surface)
{
    DrawOpeningWaveform(surface);
    DrawOpeningSpectrum(surface);
    DrawOpeningEnvelope(surface);
}

void DrawOpeningWaveform(Surface& surface)
{
    PanelLeft = 400;
    PanelWidth = 3200;
    PanelBottom = 5400;
    PanelHeight = 4800;
    surface.fillBox(300, 500, 3700, 5500, PanelBackColour);
    drawGrid(surface);
    surface.setLineWidth(3);

    // t counts hundredths of a degree of the audio cycle. The carrier advances 3000 rad
    // per step, close to half a cycle, so the trace zigzags between the upper and lower
    // envelope and fills the band 3000 +/- 1200 times the envelope.
    for (StepCount = 0; StepCount <= 36000; StepCount += 1) {
        const double t = StepCount;
        WorkX = float(t * PanelWidth / 36000.0 + PanelLeft);
        WorkAngle = float(double(Pi) * AudioKHz / 180.0 * t / 100.0);
        WorkEnv = float(double(ModDepth) * exactSin(WorkAngle) + 1.0);
        if (WorkEnv < 0)
            WorkEnv = 0;
        WorkY = float(double(WorkEnv) * carrierSine(int(StepCount)));
        WorkY = float(3000.0 - double(WorkY) * 1200.0);
        if (WorkX < PanelLeft)
            WorkX = PanelLeft;
        if (WorkX > PanelLeft + double(PanelWidth))
            WorkX = float(PanelLeft + double(PanelWidth));
        if (WorkY < 500)
            WorkY = 500;
        else if (WorkY > 5500)
            WorkY = 5500;
        surface.tracePoint(StepCount == 0, WorkX, WorkY, TraceColour);
    }
}

void DrawOpeningSpectrum(Surface& surface)
{
    PanelLeft = 4300;
    PanelWidth = 3000;
    PanelBottom = 5400;
    PanelHeight = 4800;
    ModDepth = 1.2f;
    surface.fillBox(float(PanelLeft - 100), 500, float(PanelLeft + double(PanelWidth) + 100), 5500,
                    PanelBackColour);
    drawGrid(surface);
    surface.line(PanelCentre, 600, PanelCentre, PanelBottom, ReferenceColour);
    surface.setLineWidth(3);

    // The carrier at full height: the panel's top is 0 dB, its bottom 50 dB down.
    WorkY = float(PanelBottom - PanelHeight);
    surface.line(PanelCentre, WorkY, PanelCentre, PanelBottom, TraceColour);

    // The first pair, each sideband half the depth times the carrier; the panel spans
    // 5 kHz either side of the carrier.
    WorkX = float(double(AudioKHz) * 0.1 * PanelWidth);
    WorkDb = float(-20.0 * std::log(double(ModDepth) * 0.5) / std::log(10.0));
    WorkY = float(double(WorkDb) / 50.0 * PanelHeight + (PanelBottom - PanelHeight));
    DrawOpeningSidebands(surface);

    // The distortion products of the overmodulated signal, in dB below the carrier.
    const double distortionDb[] = { 33.3, 35.1, 37.5, 40.9 };
    for (int n = 2; n <= 5; ++n) {
        WorkX = float(n * double(AudioKHz) * 0.1 * PanelWidth);
        WorkY = float(distortionDb[n - 2] / 50.0 * PanelHeight + (PanelBottom - PanelHeight));
        DrawOpeningSidebands(surface);
    }
}

void DrawOpeningSidebands(Surface& surface)
{
    const float lowerX = float(PanelCentre - double(WorkX));
    const float upperX = float(PanelCentre + double(WorkX));
    surface.line(lowerX, WorkY, lowerX, PanelBottom, TraceColour);
    surface.line(upperX, WorkY, upperX, PanelBottom, TraceColour);
}

void DrawOpeningEnvelope(Surface& surface)
{
    PanelLeft = 8100;
    PanelWidth = 3400;
    PanelBottom = 5400;
    PanelHeight = 4800;
    ModDepth = 1.2f;
    surface.fillBox(8000, 500, 11600, 5500, PanelBackColour);
    surface.setLineWidth(1);
    const float right = float(PanelLeft + double(PanelWidth));
    surface.box(PanelLeft, float(PanelBottom - PanelHeight), right, PanelBottom, GridColour);

    // The unmodulated carrier level, the envelope's zero and twice the carrier level.
    for (double fraction : { 0.5, 0.25, 0.75 }) {
        const float y = float(PanelBottom - PanelHeight * fraction);
        surface.line(PanelLeft, y, right, y, GridColour);
    }

    surface.setLineWidth(2);
    for (StepCount = 0; StepCount <= 360; StepCount += 1) {
        const double t = StepCount;
        WorkX = float(t * PanelWidth / 360.0 + PanelLeft);
        WorkAngle = float(double(Pi) * AudioKHz / 180.0 * t);
        WorkEnv = float(double(ModDepth) * exactSin(WorkAngle) + 1.0);
        if (WorkEnv < 0)
            WorkEnv = 0;
        WorkY = float(PanelBottom - PanelHeight * 0.25 - PanelHeight * 0.25 * double(WorkEnv));
        surface.tracePoint(StepCount == 0, WorkX, WorkY, TraceColour);
    }
    surface.setLineWidth(1);
}
