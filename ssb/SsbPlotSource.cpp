// SPDX-License-Identifier: GPL-3.0-or-later
#include "ssb/SsbPlotSource.h"

#include "core/modMain.h"
#include "ssb/SsbPlots.h"

#include <cmath>

using namespace modMain;

namespace {

// A level choice as a file name says it: "0db", "minus12db", "off" for -120 dB.
std::string levelName(float level)
{
    if (level == -120)
        return "off";
    return (level < 0 ? "minus" : "") + std::to_string(std::lround(std::fabs(level))) + "db";
}

}

std::vector<SpectrumLine> SsbPlotSource::spectrumLines()
{
    return ssbSpectrumLines();
}

std::vector<Trace> SsbPlotSource::traces()
{
    return ssbTraces();
}

PeriodicSound SsbPlotSource::sound()
{
    return ssbSound();
}

std::string SsbPlotSource::stateName() const
{
    const char* mode = SsbMode == 2 ? "dsb" : SsbMode == -1 ? "lsb"
                                                            : "usb";
    std::string name = std::string("ssb-") + mode + "-" + std::to_string(std::lround(AudioKHz)) + "khz-carrier-"
        + levelName(CarrierLevel);
    if (SsbMode == 2)
        name += "-unwanted-" + levelName(SidebandLevel);
    return name;
}

std::string SsbPlotSource::helpText() const
{
    return translated("frmSSBplot", "<p><b>Single sideband.</b> Both sidebands of an AM signal carry the same tone; one of "
                                    "them, without the carrier, is enough.</p>"
                                    "<p><b>Transmitted signal spectrum</b> (left): the carrier and the sidebands in "
                                    "decibels, 5 kHz either side of the carrier.<br>"
                                    "<b>Transmitted signal envelope</b> (right): two milliseconds of the signal sent; its "
                                    "outline is the envelope a simple receiver would follow.</p>"
                                    "<p><b>Things to try</b><ul>"
                                    "<li>Start with the opening choices (double sideband, carrier off): the outline dips to "
                                    "nothing twice per audio cycle, so an envelope detector hears twice the tone.</li>"
                                    "<li>Choose \"0 dB (full)\" for the carrier: the outline now follows the tone, as in AM.</li>"
                                    "<li>Choose \"Ideal upper sideband\" with the carrier off: one line, and a band of constant "
                                    "height: nothing for an envelope detector to find.</li>"
                                    "</ul></p>");
}
