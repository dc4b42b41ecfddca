// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Colour.h"

class Surface;

// The menu window's three small plots of one overmodulated AM signal (1 kHz at 120 %),
// drawn once as the window loads: the carrier waveform over one audio cycle, its line
// spectrum in decibels and its envelope.

// Fill colour of the three artwork panels; the menu window sets it before drawing.
inline Colour PanelBackColour = 0;

// The three panels, left to right, as the menu window draws them once it has set
// PanelBackColour and ModDepth.
void drawOpeningArtwork(Surface& surface);

void DrawOpeningWaveform(Surface& surface);
void DrawOpeningSpectrum(Surface& surface);
void DrawOpeningSidebands(Surface& surface);
void DrawOpeningEnvelope(Surface& surface);
