// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Surface.h"

#include <QImage>
#include <QPainter>

// The straightforward way to draw on an image: one QPainter call per operation. Slow for
// dense traces, but simple enough to trust; the canvas is checked and measured against it.
class PainterSurface : public Surface {
public:
    PainterSurface(float clientWidthTwips, float clientHeightTwips, double pixelsPerTwip);

    const QImage& image();

protected:
    void drawLine(float x1, float y1, float x2, float y2, Colour colour) override;
    void drawBox(float x1, float y1, float x2, float y2, Colour colour) override;
    void drawFilledBox(float x1, float y1, float x2, float y2, Colour colour) override;
    void drawText(float x, float y, const std::string& text) override;

private:
    QPointF toPixels(float x, float y) const;
    QPen pen(Colour colour) const;

    double pixelsPerTwip_;
    QImage image_;
    QPainter painter_;
};
