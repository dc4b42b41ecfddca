// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Numbers written and read the same way in every locale and with every standard
// library, with a point for the decimal separator: the C library's snprintf and strtod,
// run in the "C" locale for the calling thread only. Both round correctly, as
// std::to_chars and std::from_chars do, which not every standard library has for
// floating point (Emscripten's libc++).

// A value with at most `digits` significant digits, as "%.*g" writes it: "1.5",
// "1e-05", "-0", "inf", "-nan".
std::string generalText(double value, int digits);

// A value with `decimals` digits after the point, as "%.*f" writes it: "1.500",
// "-0.000", "inf".
std::string fixedText(double value, int decimals);

// Reads a decimal number, "[+-]digits[.digits][(E|e)[+-]digits]" with at least one
// mantissa digit, rounded to the nearest double. Returns false and leaves `value` as it
// was where the number is out of range: it rounds to infinity, or to zero although a
// mantissa digit is not 0. A subnormal result is in range.
bool readDecimal(std::string_view text, double& value);
