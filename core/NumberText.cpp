// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/NumberText.h"

#include "core/PortableNumbers.h"

#include <cmath>

std::string generalDigits(double value, int digits)
{
    if (value == 0)
        return "0"; // also for -0
    return generalText(value, digits);
}

namespace {

std::string formatGeneral(double value, int digits)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Inf" : "-Inf";
    std::string text = generalDigits(value, digits);
    for (char& c : text)
        if (c == 'e')
            c = 'E';
    return text;
}

}

std::string formatSingle(float value)
{
    return formatGeneral(value, 7);
}

std::string formatDouble(double value)
{
    return formatGeneral(value, 15);
}
