// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

// The program's own arithmetic runs under a check: an exception, or an overflow, invalid
// operation or division by zero in its floating-point arithmetic, is caught and named
// instead of ending in a silent crash or a plot drawn from meaningless numbers.

// Runs `work`; empty when it ran cleanly, else the error ("Division by zero").
std::string runChecked(const std::function<void()>& work);

// What the program says before it closes on such an error.
std::string unexpectedErrorMessage(const std::string& error);
