// SPDX-License-Identifier: GPL-3.0-or-later
#include "am/AmPlots.h"

void redrawAmPlots(Surface& surface)
{
    DrawAmEnvelope(surface);
    DrawAmSpectrum(surface); // ends with the level scale
    DrawAmDemodOutput(surface);
}
