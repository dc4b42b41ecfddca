#include "am/AmPlots.h"

#include "app/modMain.h"

#include <cmath>
#include <initializer_list>

using namespace modMain;

namespace {

// Where the top of a line D dB below the carrier stands on the current scale.
float LevelToLineTop(double D)
{
    if (YAxisMode == 1)
        return float(PanelBottom - std::pow(10.0, -D / 20.0) * PanelHeight);
    return float((PanelBottom - PanelHeight) + PanelHeight * D / 50.0);
}

// The pairs of one row of the level table, at once, twice, ... the audio frequency,
// each given by its level in dB below the carrier.
void DrawSidebandRow(Surface& surface, std::initializer_list<double> levels)
{
    int k = 1;
    for (double D : levels) {
        const float SidebandOffset = float(double(AudioKHz) * k * 0.1 * PanelWidth);
        const float LineTop = LevelToLineTop(D);
        DrawAmSidebandPair(surface, SidebandOffset, LineTop);
        ++k;
    }
}

// The sideband levels come from a table, not from a transform of the waveform: the
// small depths have one pair whatever the clipper does; the large ones one row each
// with and without the clipper. The clipper's even pairs lie 50 dB down, at the foot
// of the decibel scale.
void DrawSidebands(Surface& surface)
{
    if (ModDepth == 0.1f)
        DrawSidebandRow(surface, { 26 });
    else if (ModDepth == 0.25f)
        DrawSidebandRow(surface, { 18 });
    else if (ModDepth == 0.5f)
        DrawSidebandRow(surface, { 12 });

    if (ClipperOn == 0) {
        if (ModDepth == 1.0f)
            DrawSidebandRow(surface, { YAxisMode == 1 ? 6 : 6.4 });
        else if (ModDepth == 1.2f)
            DrawSidebandRow(surface, { 4.73, 33.3, 34.9, 37.17, 40.9 });
        else if (ModDepth == 1.4f)
            DrawSidebandRow(surface, { 3.9, 25.6, 28.8, 33.7, 42.46 });
    } else if (ClipperOn == 1) {
        if (ModDepth == 1.0f)
            DrawSidebandRow(surface, { 6.4, 50, 38.14, 50, 41.2 });
        else if (ModDepth == 1.2f)
            DrawSidebandRow(surface, { 5.7, 50, 25.75, 50, 35.22 });
        else if (ModDepth == 1.4f)
            DrawSidebandRow(surface, { 5.4, 50, 21.58, 50, 42.6 });
    }
}

}

void DrawAmSpectrum(Surface& surface)
{
    PanelLeft = 4200;
    PanelWidth = 3000;
    PanelBottom = 5400;
    PanelHeight = 4800;
    surface.setLineWidth(1);

    // The dark background also erases the previous spectrum.
    const float right = float(PanelLeft + double(PanelWidth));
    surface.fillBox(float(PanelLeft - 100), float(PanelBottom - PanelHeight - 100), float(right + 100.0),
                    float(PanelBottom + 100), PanelColour);

    // Every 0.1 of the linear scale, which is every 5 dB of the decibel scale.
    for (float v = 0; v <= 1.001; v += 0.1f) {
        const float y = float(PanelBottom - PanelHeight * double(v));
        surface.line(PanelLeft, y, right, y, GridColour);
    }

    PanelCentre = CentreOfPanel();

    // One line per kHz, 300 units apart.
    for (float u = -1; u <= 1.001; u += 0.2f) {
        const float x = float(PanelCentre + double(u) * 0.5 * PanelWidth);
        surface.line(x, 600, x, PanelBottom, GridColour);
    }
    surface.line(PanelCentre, 600, PanelCentre, PanelBottom, ReferenceColour);

    // The carrier stands at full height on either scale.
    surface.setLineWidth(3);
    surface.line(PanelCentre, float(PanelBottom - PanelHeight), PanelCentre, PanelBottom, TraceColour);
    if (YAxisMode == 1 || YAxisMode == 2)
        DrawSidebands(surface);
    surface.setLineWidth(1);

    surface.printAt(4140, 5600, "-5");
    surface.printAt(5700, 5600, "0");
    surface.printAt(5640, 5800, "kHz");
    surface.printAt(7140, 5600, "+5");

    DrawAmLevelScale(surface);
}

void DrawAmSidebandPair(Surface& surface, float SidebandOffset, float LineTop)
{
    const float lowerX = float(PanelCentre - double(SidebandOffset));
    const float upperX = float(PanelCentre + double(SidebandOffset));
    if (lowerX < PanelLeft)
        return; // beyond 5 kHz from the carrier
    if (LineTop >= PanelBottom)
        return; // no height above the baseline
    surface.line(lowerX, LineTop, lowerX, PanelBottom, TraceColour);
    surface.line(upperX, LineTop, upperX, PanelBottom, TraceColour);
}
