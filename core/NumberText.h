// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Numbers as the program writes them: the general number format, with no leading
// blank, no digit grouping and no trailing zeros; exponent form ("1E+10", "2.2E-06")
// for values too large or too small to show plainly. The decimal separator is always
// a point, whatever the user's locale.

// A finite value with at most `digits` significant digits, without trailing zeros and
// with a point whatever the locale, in exponent form ("1.5e-05") when the exponent is
// below -4 or not below `digits`; "0" also for -0.
std::string generalDigits(double value, int digits);

// A single-precision value: at most 7 significant digits ("-8.333333", "12500.5").
std::string formatSingle(float value);

// A double-precision value: at most 15 significant digits.
std::string formatDouble(double value);
