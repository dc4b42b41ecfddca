// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PixelSurface.h"

#include "core/RecordingSurface.h"

#include <algorithm>
#include <cmath>

PixelSurface::PixelSurface(float clientWidthTwips, float clientHeightTwips, double pixelsPerTwip, Format format)
    : Surface(clientWidthTwips, clientHeightTwips)
    , pixelsPerTwip_(pixelsPerTwip)
    , format_(format)
    , width_(std::max(1, int(std::lround(clientWidthTwips * pixelsPerTwip))))
    , height_(std::max(1, int(std::lround(clientHeightTwips * pixelsPerTwip))))
{
    rasteriser_.resize(width_, height_);
    pixelsPerUnitX_ = width_ / double(scaleWidth());
    pixelsPerUnitY_ = height_ / double(scaleHeight());
}

int PixelSurface::penPixels(int lineWidth, double pixelsPerTwip)
{
    return std::max(1, int(std::lround(std::clamp(lineWidth, 1, 100) * 15 * pixelsPerTwip)));
}

std::uint32_t PixelSurface::pixelValue(Colour colour) const
{
    const std::uint32_t rgb = colourToRgb(colour);
    if (format_ == Format::Argb32)
        return 0xFF000000u | rgb;
    // Little-endian words: red is the lowest byte.
    const std::uint32_t red = rgb >> 16 & 0xFF, green = rgb >> 8 & 0xFF, blue = rgb & 0xFF;
    return 0xFF000000u | blue << 16 | green << 8 | red;
}

void PixelSurface::finish()
{
    changeTold_ = false;
    flush();
}

void PixelSurface::scaleChanged()
{
    pixelsPerUnitX_ = width_ / double(scaleWidth());
    pixelsPerUnitY_ = height_ / double(scaleHeight());
    if (log_)
        log_->scale(*this);
}

void PixelSurface::addSegment(float x1, float y1, float x2, float y2, Colour colour)
{
    if (lineWidth() != penLineWidth_) {
        penLineWidth_ = lineWidth();
        pen_ = penPixels(penLineWidth_);
    }
    const int pen = pen_;
    if (colour != pendingColour_ || pen != rasteriser_.pen()) {
        flush();
        pendingColour_ = colour;
        rasteriser_.setPen(pen);
    }
    const Segment segment { toPixelX(x1), toPixelY(y1), toPixelX(x2), toPixelY(y2) };
    if (keepSegments_) {
        if (++segmentCount_ <= KeptSegments)
            segments_.push_back(segment);
        else
            segments_.clear();
    }
    rasteriser_.addSegment(segment.u0, segment.v0, segment.u1, segment.v1);
}

void PixelSurface::flush()
{
    if (rasteriser_.empty())
        return;
    pixelsPainted(rasteriser_.fill(pixels(), pixelsPerLine(), pixelValue(pendingColour_)));
    segments_.clear();
    segmentCount_ = 0;
}

// Tells the host once, until it next reads the picture: a redraw of 36000 segments
// schedules one repaint, not 36000.
void PixelSurface::changed()
{
    if (changed_ && !changeTold_) {
        changeTold_ = true;
        changed_();
    }
}

void PixelSurface::drawLine(float x1, float y1, float x2, float y2, Colour colour)
{
    if (log_)
        log_->line(*this, x1, y1, x2, y2, colour);
    addSegment(x1, y1, x2, y2, colour);
    changed();
}

void PixelSurface::drawBox(float x1, float y1, float x2, float y2, Colour colour)
{
    if (log_)
        log_->box(*this, x1, y1, x2, y2, colour);
    addSegment(x1, y1, x2, y1, colour);
    addSegment(x2, y1, x2, y2, colour);
    addSegment(x2, y2, x1, y2, colour);
    addSegment(x1, y2, x1, y1, colour);
    changed();
}

void PixelSurface::drawFilledBox(float x1, float y1, float x2, float y2, Colour colour)
{
    if (log_)
        log_->fill(x1, y1, x2, y2, colour);
    flush();
    const SpanRasteriser::PixelBox box = SpanRasteriser::boxPixels(toPixelX(x1), toPixelY(y1), toPixelX(x2), toPixelY(y2),
                                                                   penPixels(lineWidth()), width_, height_);
    const std::uint32_t value = pixelValue(colour);
    SpanRasteriser::fillBox(pixels(), pixelsPerLine(), box, value);
    boxFilled(box, value);
    changed();
}

void PixelSurface::drawText(float x, float y, const std::string& text)
{
    if (log_)
        log_->text(*this, x, y, text);
    flush();
    printText(toPixelX(x), toPixelY(y), text);
    changed();
}
