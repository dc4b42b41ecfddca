// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Surface.h"

#include <QImage>
#include <QPainter>

// The straightforward way to draw: one QPainter call per operation. Slow for dense traces,
// but simple enough to trust: the canvas is checked and measured against it, and it draws
// the window's vector pictures (on an SVG generator).
class PainterSurface : public Surface {
public:
    // On an image of its own, white to begin with.
    PainterSurface(float clientWidthTwips, float clientHeightTwips, double pixelsPerTwip);
    // On another paint device of the same size in pixels, which it first paints white.
    PainterSurface(float clientWidthTwips, float clientHeightTwips, double pixelsPerTwip, QPaintDevice& device);

    // The picture drawn on the surface's own image.
    const QImage& image();
    // The painter, for drawing what is not an operation of the surface (controls).
    QPainter& painter() { return painter_; }
    // Finishes the drawing on the paint device.
    void finish() { painter_.end(); }

protected:
    void drawLine(float x1, float y1, float x2, float y2, Colour colour) override;
    void drawBox(float x1, float y1, float x2, float y2, Colour colour) override;
    void drawFilledBox(float x1, float y1, float x2, float y2, Colour colour) override;
    void drawText(float x, float y, const std::string& text) override;

private:
    QPointF toPixels(float x, float y) const;
    QPen pen(Colour colour) const;

    double pixelsPerTwip_;
    QSize size_; // in pixels
    QImage image_;
    QPainter painter_;
};
