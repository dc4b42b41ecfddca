// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/modMain.h"

#include "core/Translation.h"
#include "core/Version.h"

#include <cmath>
#include <stdexcept>

namespace modMain {

void InitSharedState()
{
    CopyrightText = TAVINEL_TEXT("frmOpening", "Copyright \u00A9 2026 The Tavinel authors");
    VersionText = ProgramVersion;
    ClipperOn = 0;
    YAxisMode = 1;
    ModDepth = 1.2f;
    AudioKHz = 1;
    TraceColour = 0xFFFFA0;
    Pi = float(4.0 * std::atan(1.0));
}

void clearSharedState()
{
    AudioKHz = ModDepth = CarrierLevel = SidebandLevel = Pi = PanelWidth = 0;
    ClipperOn = DemodType = YAxisMode = SsbMode = 0;
    PanelLeft = PanelBottom = PanelHeight = PanelCentre = ParseIndex = 0;
    WorkX = WorkY = WorkEnv = WorkAngle = WorkDb = StepCount = StepTime = WorkA = WorkB = WorkC = 0;
    TraceColour = 0;
    VersionText.clear();
    CopyrightText.clear();
}

std::int16_t roundToInteger(double value)
{
    const double rounded = std::nearbyint(value); // the default rounding mode: halves to even
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        throw std::overflow_error("Overflow");
    return std::int16_t(rounded);
}

std::int16_t centreOfPanel()
{
    return roundToInteger(double(PanelLeft) + double(PanelWidth) * 0.5);
}

}
