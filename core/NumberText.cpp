// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>

std::string generalDigits(double value, int digits)
{
    if (value == 0)
        return "0"; // also for -0
    std::array<char, 64> buffer {};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, digits);
    return std::string(buffer.data(), result.ptr);
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
