// SPDX-License-Identifier: GPL-3.0-or-later
#include "ssb/SsbPlots.h"

#include "core/Surface.h"
#include "core/modMain.h"

using namespace modMain;

void DrawSsbLevelScale(Surface& surface)
{
    WorkX = float(PanelLeft + double(PanelWidth) + 120);

    // White over the previous labels. The strip reaches across the gap between the two
    // panels to 100 short of the envelope panel, wide enough for "-50dB" in any of the
    // sans-serif faces the program may be given: a label that stuck out of the strip
    // would be printed over itself on every redraw, its smoothed edges growing darker.
    surface.fillBox(WorkX, 480, float(double(WorkX) + 780), 5500, ColourWhite);

    // One label every 10 dB, each just above its grid line; the last one a little
    // lower so that it stays inside the strip.
    // clang-format off
    const struct {
        const char* text;
        float y;
    } labels[] = { { "0", 480 },    { "-10", 1440 }, { "-20", 2400 },
                   { "-30", 3360 }, { "-40", 4320 }, { "-50dB", 5300 } };
    // clang-format on
    for (const auto& label : labels)
        surface.printAt(WorkX, label.y, label.text);
}
