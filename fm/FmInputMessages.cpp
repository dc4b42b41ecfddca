// SPDX-License-Identifier: GPL-3.0-or-later
#include "fm/FmInputMessages.h"

#include "core/NumberText.h"
#include "core/ParseEngValue.h"
#include "core/modMain.h"
#include "fm/FmState.h"

#include <cmath>

using namespace FmState;

std::string noNumberMessage(const FmInputTexts& texts)
{
    static const char* const Boxes[] = { "modulating frequency", "peak deviation", "plot width", "plot bottom" };
    for (std::size_t box = 0; box < texts.size(); ++box)
        if (!modMain::holdsNumber(texts[box]))
            return std::string("The ") + Boxes[box] + " box holds no number: \"" + texts[box] + "\".";
    return {};
}

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
    // A negative index is turned away too; its advice is in magnitudes, never a maximum
    // deviation of "-75".
    const float rate = std::fabs(ModulatingFrequency);
    const float deviation = std::fabs(PeakDeviation);
    const std::string maximumDeviation = formatSingle(float(15.0 * double(rate)));
    const std::string minimumRate = formatSingle(float(double(deviation) / 15.0));
    const char* newLine = "\r\n";
    return std::string("This utility only handles modulation indices up to 15.") + newLine
        + "Please reduce the deviation or increase the modulating rate." + newLine
        + newLine
        + "For a modulating rate of " + formatSingle(rate) + " the maximum" + newLine
        + "allowed deviation is " + maximumDeviation + "." + newLine
        + newLine
        + "For a deviation of " + formatSingle(deviation) + " the minimum modulating rate is"
        + newLine
        + minimumRate + ".";
}
