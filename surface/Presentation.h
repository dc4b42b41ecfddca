// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QSize>
#include <QString>

// How the program's twips meet the real display.
//
// The windows were laid out in twips for an 800 x 600-pixel display of 12000 x 9000
// twips. The program presents itself on a screen of that size in twips, scaled to fit
// the real display, so windows, fonts and plots look as they were designed, only larger
// and sharp. The load handlers read the screen size from here.
namespace Presentation {

float screenWidthTwips();
float screenHeightTwips();
void setScreenTwips(float width, float height);

// Window pixels (device-independent) per twip; 1/15 on the display the layout was made for.
double pixelsPerTwip();
void setPixelsPerTwip(double pixelsPerTwip);

// Device pixels per window pixel (HiDPI screens have 2 or more).
double devicePixelRatio();
void setDevicePixelRatio(double ratio);

// Chooses the pixel size of a twip so a 12000 x 9000-twip window takes about 85 % of the
// primary screen's available height (and fits its width), and takes its pixel ratio.
void fitToPrimaryScreen();
// The pixel size of a twip for a screen's available area: the smaller of 85 % of its
// height and 95 % of its width over the window's, never below 1/30.
double fittedPixelsPerTwip(QSize available);

// Pen width in device pixels for a line width in pixels of the 800 x 600 display (one
// pixel there is 15 twips), on a surface of the given scale.
int penPixels(int lineWidth, double pixelsPerTwip);

// The widget style every window uses, the same on every desktop.
void useProgramStyle();

// Font faces standing in for the design's sans-serif and serif faces.
QString sansFamily();
QString serifFamily();

// A font of the given size in points (20 twips each) for a surface of the given scale.
QFont font(const QString& family, double points, bool bold, double pixelsPerTwip);

// The font text is printed in on a drawing surface: the sans-serif face, without
// smoothing, so printing the same text at the same place again, as every redraw does
// with a plot's axis labels, leaves the picture as it was (smoothed edges would darken
// with each print).
QFont printFont(double points, bool bold, double pixelsPerTwip);

}
