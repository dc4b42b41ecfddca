// SPDX-License-Identifier: GPL-3.0-or-later
#include "am/AmPlots.h"

#include "core/modMain.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace modMain;

namespace {

// Where the top of a line D dB below the carrier stands on the current scale.
float levelToLineTop(double D)
{
    if (YAxisMode == 1)
        return float(PanelBottom - std::pow(10.0, -D / 20.0) * PanelHeight);
    return float((PanelBottom - PanelHeight) + PanelHeight * D / 50.0);
}

// The sideband levels come from a table, not from a transform of the waveform: each row
// gives the level in dB below the carrier of the pairs at once, twice, ... five times
// the audio frequency. The small depths have one pair whatever the clipper does; the
// large ones one row each with and without the clipper, whose even pairs lie 50 dB down,
// at the foot of the decibel scale. Depths are matched exactly, as the option buttons
// store them.
constexpr std::int16_t AnyClipper = -1;
constexpr std::int16_t AnyScale = 0;

struct SidebandRow {
    float depth;
    std::int16_t clipper; // ClipperOn, or AnyClipper
    std::int16_t scale;   // YAxisMode, or AnyScale
    std::array<double, 5> levels;
    std::size_t pairs;
};

constexpr SidebandRow SidebandRows[] = {
    { 0.1f, AnyClipper, AnyScale, { 26 }, 1 },
    { 0.25f, AnyClipper, AnyScale, { 18 }, 1 },
    { 0.5f, AnyClipper, AnyScale, { 12 }, 1 },
    // At full modulation the pair reads 6 dB on the linear scale, 6.4 dB on the other.
    { 1.0f, 0, 1, { 6 }, 1 },
    { 1.0f, 0, 2, { 6.4 }, 1 },
    { 1.2f, 0, AnyScale, { 4.73, 33.3, 34.9, 37.17, 40.9 }, 5 },
    { 1.4f, 0, AnyScale, { 3.9, 25.6, 28.8, 33.7, 42.46 }, 5 },
    { 1.0f, 1, AnyScale, { 6.4, 50, 38.14, 50, 41.2 }, 5 },
    { 1.2f, 1, AnyScale, { 5.7, 50, 25.75, 50, 35.22 }, 5 },
    { 1.4f, 1, AnyScale, { 5.4, 50, 21.58, 50, 42.6 }, 5 },
};

// The row for the current settings, or none.
const SidebandRow* sidebandRow()
{
    for (const SidebandRow& row : SidebandRows)
        if (row.depth == ModDepth && (row.clipper == AnyClipper || row.clipper == ClipperOn)
            && (row.scale == AnyScale || row.scale == YAxisMode))
            return &row;
    return nullptr;
}

// The pairs of the row for the current settings, if one matches.
void drawSidebands(Surface& surface)
{
    const SidebandRow* row = sidebandRow();
    if (!row)
        return;
    for (std::size_t k = 1; k <= row->pairs; ++k) {
        const float SidebandOffset = float(double(AudioKHz) * double(k) * 0.1 * PanelWidth);
        const float LineTop = levelToLineTop(row->levels[k - 1]);
        DrawAmSidebandPair(surface, SidebandOffset, LineTop);
    }
}

}

double amSidebandLevel(int k)
{
    const SidebandRow* row = sidebandRow();
    if (!row || k < 1 || std::size_t(k) > row->pairs)
        return 0;
    return row->levels[std::size_t(k - 1)];
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

    PanelCentre = centreOfPanel();

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
        drawSidebands(surface);
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
