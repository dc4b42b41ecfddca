// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Surface.h"
#include "surface/SpanRasteriser.h"

#include <QImage>
#include <QPainter>

#include <functional>

class OpLog;

// The drawing area of a window: a retained image that keeps whatever was drawn until
// it is painted over, so a repaint only copies pixels and never recomputes a plot.
//
// Lines go through the span rasteriser. Consecutive segments of the same colour and
// width are collected and painted together when something else is drawn or the image
// is read, so a trace of 40 000 joined points costs one pass over its pixel columns.
class CanvasSurface : public Surface {
public:
    // pixelsPerTwip: device pixels per twip of the design layout (1/15 on the
    // 800 x 600 display the layout was made for).
    CanvasSurface(float clientWidthTwips, float clientHeightTwips, double pixelsPerTwip);

    double pixelsPerTwip() const { return pixelsPerTwip_; }
    // Pen width in device pixels for a line width in pixels of the 800 x 600 display.
    int penPixels(int lineWidth) const;

    // The finished picture (pending segments painted first).
    const QImage& image();

    // Also record every operation here (not owned; nullptr to stop).
    void setLog(OpLog* log) { log_ = log; }
    // Called whenever the picture has changed, so the window can schedule a repaint.
    void setChangedHandler(std::function<void()> handler) { changed_ = std::move(handler); }

protected:
    void scaleChanged() override;
    void drawLine(float x1, float y1, float x2, float y2, Colour colour) override;
    void drawBox(float x1, float y1, float x2, float y2, Colour colour) override;
    void drawFilledBox(float x1, float y1, float x2, float y2, Colour colour) override;
    void drawText(float x, float y, const std::string& text) override;

private:
    double toPixelX(float x) const { return double(x) * pixelsPerUnitX_; }
    double toPixelY(float y) const { return double(y) * pixelsPerUnitY_; }
    void addSegment(float x1, float y1, float x2, float y2, Colour colour);
    void flush();
    void changed();

    double pixelsPerTwip_;
    double pixelsPerUnitX_ = 1;
    double pixelsPerUnitY_ = 1;
    QImage image_;
    SpanRasteriser rasteriser_;
    Colour pendingColour_ = 0;
    int penLineWidth_ = 0; // the line width pen_ was worked out for
    int pen_ = 1;
    // Text is printed through one painter, kept open between prints of a redraw.
    QPainter textPainter_;
    bool textFontValid_ = false;
    double textPoints_ = 0;
    bool textBold_ = false;
    OpLog* log_ = nullptr;
    std::function<void()> changed_;
    bool changeTold_ = false; // the window knows of a change it has not yet painted
};
