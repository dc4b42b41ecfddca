// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Numbers written and read the same way in every locale and with every standard
// library, with a point for the decimal separator, for standard libraries without
// floating-point std::to_chars and std::from_chars (Emscripten's libc++). The text is
// worked out here from the value's exact decimal digits, since not every C library's
// printf rounds correctly (Emscripten's cuts its digits short); reading is the C
// library's strtod, which rounds correctly, in the "C" locale.

// A value with at most `digits` significant digits, as to_chars writes it in its
// general format with that precision (and printf's "%.*g"): "1.5", "1e-05", "-0",
// "inf", "-nan".
std::string generalText(double value, int digits);

// A value with `decimals` digits after the point, as to_chars writes it in its fixed
// format with that precision (and printf's "%.*f"): "1.500", "-0.000", "inf".
std::string fixedText(double value, int decimals);

// Reads a decimal number, "[+-]digits[.digits][(E|e)[+-]digits]" with at least one
// mantissa digit, rounded to the nearest double. Returns false and leaves `value` as it
// was where the number is out of range: it rounds to infinity, or to zero although a
// mantissa digit is not 0. A subnormal result is in range.
bool readDecimal(std::string_view text, double& value);
