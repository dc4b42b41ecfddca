// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace modMain {

// Turns a typed value such as "3k", "-60", "4,7u" or "1.5E+2" into a number.
//
// Text is trimmed of spaces and cut to its first 12 characters, and the caller's string
// is replaced by that text. The scan takes an optional sign, digits with one decimal
// point or comma, an optional exponent and one multiplier letter (p n u m k M G; "m" is
// milli and "M" mega), and ignores every other character. Text without a number gives 0;
// a value beyond +/-1e10 gives the limit by its sign, and a value beyond single or
// double precision gives 1e10 whatever its sign. No error reaches the caller.
void ParseEngValue(std::string& Text, float& Result);

// Reads the leading number of the text the scan has made ("-1.5E+3k", "2.5E-"), in
// double precision; false where it is too large. ParseEngValue has its own; a test
// hands it another to compare the two.
using LeadingNumberReader = bool (*)(const std::string& numberText, double& value);
void ParseEngValue(std::string& Text, float& Result, LeadingNumberReader read);

// Whether the parser finds a number in a text: a digit before any exponent or multiplier
// letter, among its first 12 characters. Text without one ("", "abc", "-k5", "-e5") reads
// as 0 without meaning it.
bool holdsNumber(std::string text);

}
