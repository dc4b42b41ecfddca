// SPDX-License-Identifier: GPL-3.0-or-later
#include "fm/FmInputMessages.h"

#include "core/NumberText.h"
#include "core/ParseEngValue.h"
#include "core/PlotData.h"
#include "core/Translation.h"
#include "core/modMain.h"
#include "fm/FmState.h"

#include <cmath>

using namespace FmState;

std::string noNumberMessage(const FmInputTexts& texts)
{
    static const char* const Messages[] = {
        TAVINEL_TEXT("frmFMplot", "The modulating frequency box holds no number: \"%1\"."),
        TAVINEL_TEXT("frmFMplot", "The peak deviation box holds no number: \"%1\"."),
        TAVINEL_TEXT("frmFMplot", "The plot width box holds no number: \"%1\"."),
        TAVINEL_TEXT("frmFMplot", "The plot bottom box holds no number: \"%1\"."),
    };
    for (std::size_t box = 0; box < texts.size(); ++box)
        if (!modMain::holdsNumber(texts[box]))
            return withValues(translated("frmFMplot", Messages[box]), { texts[box] });
    return {};
}

std::string zeroInputMessage()
{
    if (ModulatingFrequency == 0)
        return translated("frmFMplot", "The modulating frequency must not be zero.");
    if (modMain::PanelWidth == 0)
        return translated("frmFMplot", "The plot width must not be zero.");
    if (PlotBottom == 0)
        return translated("frmFMplot", "The plot bottom must not be zero.");
    return {};
}

std::string indexLimitMessage()
{
    // A negative index is turned away too; its advice is in magnitudes, never a maximum
    // deviation of "-75".
    const float rate = std::fabs(ModulatingFrequency);
    const float deviation = std::fabs(PeakDeviation);
    // The figures as the language writes them ("3333,333" in French).
    const std::string maximumDeviation = readoutNumber(formatSingle(float(15.0 * double(rate))));
    const std::string minimumRate = readoutNumber(formatSingle(float(double(deviation) / 15.0)));
    // Eight lines, each ended by the message box's own line break.
    const std::string text = withValues(translated("frmFMplot", "This utility only handles modulation indices up to 15.\n"
                                                                "Please reduce the deviation or increase the modulating rate.\n"
                                                                "\n"
                                                                "For a modulating rate of %1 the maximum\n"
                                                                "allowed deviation is %2.\n"
                                                                "\n"
                                                                "For a deviation of %3 the minimum modulating rate is\n"
                                                                "%4."),
                                        { readoutNumber(formatSingle(rate)), maximumDeviation,
                                          readoutNumber(formatSingle(deviation)), minimumRate });
    std::string message;
    for (const char c : text)
        message += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return message;
}
