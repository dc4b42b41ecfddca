// SPDX-License-Identifier: GPL-3.0-or-later
#include "am/AmPlotSource.h"

#include "am/AmPlots.h"
#include "core/modMain.h"

#include <cmath>

using namespace modMain;

std::vector<SpectrumLine> AmPlotSource::spectrumLines()
{
    return amSpectrumLines();
}

std::vector<Trace> AmPlotSource::traces()
{
    return amTraces();
}

PeriodicSound AmPlotSource::sound()
{
    return amSound();
}

std::string AmPlotSource::stateName() const
{
    std::string name = "am-" + std::to_string(std::lround(ModDepth * 100.0)) + "pct-"
        + std::to_string(std::lround(AudioKHz)) + "khz-" + (YAxisMode == 2 ? "log" : "linear");
    if (ClipperOn == 1)
        name += "-clipper";
    if (DemodType == 1)
        name += "-diode";
    return name;
}

std::string AmPlotSource::helpText() const
{
    return translated("frmAMplot", "<p><b>Amplitude modulation.</b> A carrier whose amplitude follows an audio tone.</p>"
                                   "<p><b>Transmitted signal envelope</b> (left): one millisecond of the signal sent. The "
                                   "carrier swings so fast that it fills the band between the upper and the lower "
                                   "envelope, which follow the audio tone.<br>"
                                   "<b>Transmitted signal spectrum</b> (middle): the carrier in the centre and a pair of "
                                   "sidebands at each multiple of the audio frequency, up to 5 kHz either side, as "
                                   "voltages or in decibels.<br>"
                                   "<b>Envelope demodulator output</b> (right): what a receiver's envelope detector gives "
                                   "back, with an ideal detector or a diode.</p>"
                                   "<p><b>Things to try</b><ul>"
                                   "<li>Choose 140 %, then switch the clipper on, then the diode: watch the envelope pinch "
                                   "to nothing, the clipper round it off, and the diode lift the troughs.</li>"
                                   "<li>Choose \"Log (decibels)\" at 120 % to see the distortion products beside the first "
                                   "pair.</li>"
                                   "<li>Choose 3000 Hz: the sidebands move out, and pairs beyond 5 kHz leave the plot.</li>"
                                   "</ul></p>");
}
