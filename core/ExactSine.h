// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sine correctly rounded: the double (or float) nearest the true sine of x, for every
// finite x. std::sin is not correctly rounded, and glibc's and the web build's musl differ
// in the last bit of a few percent of results, which now and then moves a figure of a
// plot; this one is computed with double arithmetic and integers only, so every platform
// gives the same bits. NaN and infinities give NaN, as std::sin does.
double exactSin(double x);
float exactSin(float x);

// The same values by the slow, wide route alone (some 280 bits throughout), which
// exactSin takes where its fast route cannot tell which way the rounding goes; for
// checking that route. If undecided is given, it says whether even this route left the
// rounding open (no argument is known to need more).
double exactSinWide(double x, bool* undecided = nullptr);
float exactSinWide(float x, bool* undecided = nullptr);
