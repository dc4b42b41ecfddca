// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/CanvasSurface.h"

#include "core/RecordingSurface.h"
#include "surface/Presentation.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

std::uint32_t pixelValue(Colour colour)
{
    return 0xFF000000u | colourToRgb(colour);
}

}

CanvasSurface::CanvasSurface(float clientWidthTwips, float clientHeightTwips, double pixelsPerTwip)
    : Surface(clientWidthTwips, clientHeightTwips)
    , pixelsPerTwip_(pixelsPerTwip)
    , image_(std::max(1, int(std::lround(clientWidthTwips * pixelsPerTwip))),
             std::max(1, int(std::lround(clientHeightTwips * pixelsPerTwip))), QImage::Format_RGB32)
{
    image_.fill(Qt::white);
    rasteriser_.resize(image_.width(), image_.height());
    scaleChanged();
}

int CanvasSurface::penPixels(int lineWidth) const
{
    return Presentation::penPixels(lineWidth, pixelsPerTwip_);
}

const QImage& CanvasSurface::image()
{
    changeTold_ = false;
    flush();
    if (textPainter_.isActive())
        textPainter_.end();
    textFontValid_ = false;
    return image_;
}

void CanvasSurface::scaleChanged()
{
    pixelsPerUnitX_ = image_.width() / double(scaleWidth());
    pixelsPerUnitY_ = image_.height() / double(scaleHeight());
    if (log_)
        log_->scale(*this);
}

void CanvasSurface::addSegment(float x1, float y1, float x2, float y2, Colour colour)
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
    rasteriser_.addSegment(toPixelX(x1), toPixelY(y1), toPixelX(x2), toPixelY(y2));
}

void CanvasSurface::flush()
{
    if (rasteriser_.empty())
        return;
    rasteriser_.fill(reinterpret_cast<std::uint32_t*>(image_.bits()),
                     image_.bytesPerLine() / 4, pixelValue(pendingColour_));
}

// Tells the window once, until it next reads the picture to paint it: a redraw of 36000
// segments schedules one repaint, not 36000.
void CanvasSurface::changed()
{
    if (changed_ && !changeTold_) {
        changeTold_ = true;
        changed_();
    }
}

void CanvasSurface::drawLine(float x1, float y1, float x2, float y2, Colour colour)
{
    if (log_)
        log_->line(*this, x1, y1, x2, y2, colour);
    addSegment(x1, y1, x2, y2, colour);
    changed();
}

void CanvasSurface::drawBox(float x1, float y1, float x2, float y2, Colour colour)
{
    if (log_)
        log_->box(*this, x1, y1, x2, y2, colour);
    addSegment(x1, y1, x2, y1, colour);
    addSegment(x2, y1, x2, y2, colour);
    addSegment(x2, y2, x1, y2, colour);
    addSegment(x1, y2, x1, y1, colour);
    changed();
}

void CanvasSurface::drawFilledBox(float x1, float y1, float x2, float y2, Colour colour)
{
    if (log_)
        log_->fill(x1, y1, x2, y2, colour);
    flush();
    SpanRasteriser::fillBox(reinterpret_cast<std::uint32_t*>(image_.bits()),
                            image_.bytesPerLine() / 4, image_.width(), image_.height(),
                            toPixelX(x1), toPixelY(y1), toPixelX(x2), toPixelY(y2), penPixels(lineWidth()),
                            pixelValue(colour));
    changed();
}

void CanvasSurface::drawText(float x, float y, const std::string& text)
{
    if (log_)
        log_->text(*this, x, y, text);
    flush();
    if (!textPainter_.isActive())
        textPainter_.begin(&image_);
    if (!textFontValid_ || textPoints_ != fontSize() || textBold_ != fontBold()) {
        textPoints_ = fontSize();
        textBold_ = fontBold();
        textFontValid_ = true;
        textPainter_.setFont(Presentation::printFont(textPoints_, textBold_, pixelsPerTwip_));
    }
    textPainter_.setPen(QColor::fromRgb(colourToRgb(foreColour())));
    // The text's top-left at the position: its baseline one ascent lower.
    const QPointF baseline(toPixelX(x), toPixelY(y) + textPainter_.fontMetrics().ascent());
    textPainter_.drawText(baseline, QString::fromStdString(text));
    changed();
}
