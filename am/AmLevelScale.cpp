// SPDX-License-Identifier: GPL-3.0-or-later
#include "am/AmPlots.h"

#include "core/modMain.h"

using namespace modMain;

void DrawAmLevelScale(Surface& surface)
{
    // The column starts 20 units right of the spectrum's dark box.
    const float X = float(PanelLeft + double(PanelWidth) + 120.0);

    // White as the window, to erase the labels of the other scale. The strip reaches to
    // 20 short of the demodulator panel, wide enough for "-50dB" in the sans-serif faces
    // the program may be given: a label sticking out of the strip would leave a sliver
    // behind when the other scale is chosen.
    surface.fillBox(X, 480, X + 660, 5500, ColourWhite);

    // Each label stands 120 above the grid line it names, the last 100 above the baseline.
    if (YAxisMode == 1) {
        surface.printAt(X, 480, "1.0");
        surface.printAt(X, 960, ".9");
        surface.printAt(X, 1440, ".8");
        surface.printAt(X, 1920, ".7");
        surface.printAt(X, 2400, ".6");
        surface.printAt(X, 2880, ".5");
        surface.printAt(X, 3360, ".4");
        surface.printAt(X, 3840, ".3");
        surface.printAt(X, 4320, ".2");
        surface.printAt(X, 4800, ".1");
        surface.printAt(X, 5300, "0");
    } else {
        // Every second grid line, 10 dB apart.
        surface.printAt(X, 480, "0");
        surface.printAt(X, 1440, "-10");
        surface.printAt(X, 2400, "-20");
        surface.printAt(X, 3360, "-30");
        surface.printAt(X, 4320, "-40");
        surface.printAt(X, 5300, "-50dB");
    }
}
