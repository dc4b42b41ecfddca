// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Surface.h"

namespace {
// A printed line is about 1.15 em high; one point is 20 twips.
constexpr double TwipsPerPoint = 20.0;
constexpr double LineSpacing = 1.15;
}

Surface::Surface(float clientWidthTwips, float clientHeightTwips)
    : clientWidthTwips_(clientWidthTwips)
    , clientHeightTwips_(clientHeightTwips)
    , scaleWidth_(clientWidthTwips)
    , scaleHeight_(clientHeightTwips)
{
}

void Surface::setScale(float width, float height)
{
    scaleWidth_ = width;
    scaleHeight_ = height;
    scaleChanged();
}

void Surface::line(float x1, float y1, float x2, float y2, Colour colour)
{
    drawLine(x1, y1, x2, y2, colour);
    currentX_ = x2;
    currentY_ = y2;
}

void Surface::lineTo(float x2, float y2, Colour colour)
{
    drawLine(currentX_, currentY_, x2, y2, colour);
    currentX_ = x2;
    currentY_ = y2;
}

void Surface::box(float x1, float y1, float x2, float y2, Colour colour)
{
    drawBox(x1, y1, x2, y2, colour);
    currentX_ = x2;
    currentY_ = y2;
}

void Surface::fillBox(float x1, float y1, float x2, float y2, Colour colour)
{
    drawFilledBox(x1, y1, x2, y2, colour);
    currentX_ = x2;
    currentY_ = y2;
}

void Surface::print(const std::string& text)
{
    drawText(currentX_, currentY_, text);
    currentX_ = 0;
    currentY_ = float(currentY_ + lineAdvance());
}

float Surface::lineAdvance() const
{
    return float(fontSize_ * TwipsPerPoint * LineSpacing * scaleHeight_ / clientHeightTwips_);
}
