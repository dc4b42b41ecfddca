#include "fm/FmInputMessages.h"

#include "app/NumberText.h"
#include "app/modMain.h"
#include "fm/FmState.h"

using namespace FmState;

std::string ZeroInputMessage()
{
    if (ModulatingFrequency == 0)
        return "The modulating frequency must not be zero.";
    if (modMain::PanelWidth == 0)
        return "The plot width must not be zero.";
    if (PlotBottom == 0)
        return "The plot bottom must not be zero.";
    return {};
}

std::string IndexLimitMessage()
{
    const std::string maximumDeviation = FormatSingle(float(15.0 * double(ModulatingFrequency)));
    const std::string minimumRate = FormatSingle(float(double(PeakDeviation) / 15.0));
    const char* newLine = "\r\n";
    return std::string("This utility only handles modulation indices up to 15.") + newLine
        + "Please reduce the deviation or increase the modulating rate." + newLine
        + newLine
        + "For a modulating rate of " + FormatSingle(ModulatingFrequency) + " the maximum" + newLine
        + "allowed deviation is " + maximumDeviation + "." + newLine
        + newLine
        + "For a deviation of " + FormatSingle(PeakDeviation) + " the minimum modulating rate is"
        + newLine
        + minimumRate + ".";
}
