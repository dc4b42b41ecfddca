// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The FM window's variables, shared by its Update handler, the spectrum computation and
// the plot routines. They live as long as the window; the window zeroes them as it loads.
// The plot width in hertz is kept in the shared register modMain::PanelWidth.
namespace FmState {

// The typed inputs and the index.
inline float ModulatingFrequency = 0; // Hz; also the spacing of the spectral lines
inline float PeakDeviation = 0;       // Hz
inline float PlotBottom = 0;          // depth of the plot's floor in dB, never negative
inline float ModIndex = 0;            // PeakDeviation / ModulatingFrequency

// Working values of the Bessel-function spectrum, overwritten by every run.
inline float BesselOrder = 0;       // current order n
inline float ModIndexSquared = 0;   // the index squared
inline float OrderFactorial = 0;    // n! for orders from 1
inline float SeriesIndex = 0;       // index k of the current series term
inline float SeriesTerm = 0;        // current term of the series
inline float SeriesSum = 0;         // running sum; at the end Jn(index)
inline float SeriesTolerance = 0;   // relative stopping tolerance of the series
inline float BesselValue = 0;       // |Jn(index)|
inline std::int16_t FloorCount = 0; // orders so far at or beyond the floor

// Sets every variable back to zero.
void clearFmState();

}
