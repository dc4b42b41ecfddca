// SPDX-License-Identifier: GPL-3.0-or-later
#include "ssb/SsbPlots.h"

void redrawSsbPlots(Surface& surface)
{
    DrawSsbEnvelope(surface);
    DrawSsbSpectrum(surface); // ends with the level scale
}
