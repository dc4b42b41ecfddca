// SPDX-License-Identifier: GPL-3.0-or-later
#include "fm/FmInputMessages.h"

#include "core/NumberText.h"
#include "core/modMain.h"
#include "fm/FmState.h"

using namespace FmState;

std::string zeroInputMessage()
{
    if (ModulatingFrequency == 0)
        return "The modulating frequency must not be zero.";
    if (modMain::PanelWidth == 0)
        return "The plot width must not be zero.";
    if (PlotBottom == 0)
        return "The plot bottom must not be zero.";
    return {};
}

std::string indexLimitMessage()
{
    const std::string maximumDeviation = formatSingle(float(15.0 * double(ModulatingFrequency)));
    const std::string minimumRate = formatSingle(float(double(PeakDeviation) / 15.0));
    const char* newLine = "\r\n";
    return std::string("This utility only handles modulation indices up to 15.") + newLine
        + "Please reduce the deviation or increase the modulating rate." + newLine
        + newLine
        + "For a modulating rate of " + formatSingle(ModulatingFrequency) + " the maximum" + newLine
        + "allowed deviation is " + maximumDeviation + "." + newLine
        + newLine
        + "For a deviation of " + formatSingle(PeakDeviation) + " the minimum modulating rate is"
        + newLine
        + minimumRate + ".";
}
