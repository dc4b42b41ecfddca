// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's shared state: the demonstration settings, constants and strings, the
// panel geometry registers through which a plot routine tells the routines it calls
// where its panel lies, and the working registers of the drawing routines. There is one
// of each for the whole run; nothing that InitSharedState does not set is non-zero.

#include "core/Colour.h"
#include "core/NumberText.h"

#include <cstdint>
#include <string>

namespace modMain {

// Settings, written by option buttons and load handlers, read by the plot routines.
inline float AudioKHz = 0;         // modulating frequency in kHz: 1, 2 or 3
inline float ModDepth = 0;         // AM depth as a fraction: 0, 0.1, 0.25, 0.5, 1, 1.2, 1.4
inline std::int16_t ClipperOn = 0; // AM modulation clipper: 1 on, 0 off
inline std::int16_t DemodType = 0; // AM demodulator: 0 ideal, 1 diode
inline std::int16_t YAxisMode = 0; // spectrum y axis: 1 linear, 2 decibels
inline std::int16_t SsbMode = 0;   // 2 double sideband, 1 ideal upper, -1 ideal lower
inline float CarrierLevel = 0;     // SSB carrier level in dB
inline float SidebandLevel = 0;    // SSB unwanted-sideband level in dB

// Constants and strings.
inline float Pi = 0;
inline Colour TraceColour = 0; // light cyan &HFFFFA0: traces and spectral lines

// The colours every plot panel shares.
inline constexpr Colour PanelColour = 0x575757;     // the dark background box
inline constexpr Colour GridColour = 0x88AA88;      // grid lines and outlines
inline constexpr Colour ReferenceColour = 0xDDDDDD; // centre and reference lines
inline std::string VersionText;
inline std::string CopyrightText;

// Panel geometry registers: set by a plot routine on entry, read by the routines it calls.
inline std::int16_t PanelLeft = 0;
inline float PanelWidth = 0;
inline std::int16_t PanelBottom = 0;
inline std::int16_t PanelHeight = 0;
inline std::int16_t PanelCentre = 0;

// Working registers of the drawing routines.
inline float WorkX = 0;
inline float WorkY = 0;
inline float WorkEnv = 0;
inline float WorkAngle = 0;
inline float WorkDb = 0;
inline float StepCount = 0;
inline float StepTime = 0;
inline float WorkA = 0;
inline float WorkB = 0;
inline float WorkC = 0;

// The number parser's loop index.
inline std::int16_t ParseIndex = 0;

// Gives the shared state its start values; the menu window runs it once as it loads.
void InitSharedState();

// Sets every variable back to zero and every string to empty, as before start-up.
void clearSharedState();

// A fraction rounded to a 16-bit integer, halves to even.
std::int16_t roundToInteger(double value);

// PanelLeft plus half of PanelWidth, rounded halves to even.
std::int16_t centreOfPanel();

}
