// SPDX-License-Identifier: GPL-3.0-or-later
#include "fm/FmSpectrumPlot.h"

#include "fm/FmSpectrum.h"

void redrawFmPlot(Surface& surface)
{
    DrawFmSpectrumFrame(surface);
    ComputeFmSpectrum(surface); // draws each line as soon as its level is known
}
