// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/PainterSurface.h"

#include "core/SpanRasteriser.h"
#include "surface/Presentation.h"

#include <algorithm>
#include <cmath>

namespace {

QSize pixelSize(float clientWidthTwips, float clientHeightTwips, double pixelsPerTwip)
{
    return { std::max(1, int(std::lround(clientWidthTwips * pixelsPerTwip))),
             std::max(1, int(std::lround(clientHeightTwips * pixelsPerTwip))) };
}

}

PainterSurface::PainterSurface(float clientWidthTwips, float clientHeightTwips,
                               double pixelsPerTwip)
    : Surface(clientWidthTwips, clientHeightTwips)
    , pixelsPerTwip_(pixelsPerTwip)
    , size_(pixelSize(clientWidthTwips, clientHeightTwips, pixelsPerTwip))
    , image_(size_, QImage::Format_RGB32)
{
    image_.fill(Qt::white);
    painter_.begin(&image_);
}

PainterSurface::PainterSurface(float clientWidthTwips, float clientHeightTwips, double pixelsPerTwip,
                               QPaintDevice& device)
    : Surface(clientWidthTwips, clientHeightTwips)
    , pixelsPerTwip_(pixelsPerTwip)
    , size_(pixelSize(clientWidthTwips, clientHeightTwips, pixelsPerTwip))
{
    painter_.begin(&device);
    painter_.fillRect(QRect(QPoint(), size_), Qt::white);
}

const QImage& PainterSurface::image()
{
    painter_.end();
    painter_.begin(&image_);
    return image_;
}

QPointF PainterSurface::toPixels(float x, float y) const
{
    return { double(x) * size_.width() / scaleWidth(), double(y) * size_.height() / scaleHeight() };
}

QPen PainterSurface::pen(Colour colour) const
{
    return QPen(QColor::fromRgb(colourToRgb(colour)), Presentation::penPixels(lineWidth(), pixelsPerTwip_),
                Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void PainterSurface::drawLine(float x1, float y1, float x2, float y2, Colour colour)
{
    painter_.setPen(pen(colour));
    const QPointF from = toPixels(x1, y1);
    const QPointF to = toPixels(x2, y2);
    if (from == to)
        painter_.drawPoint(from);
    else
        painter_.drawLine(from, to);
}

void PainterSurface::drawBox(float x1, float y1, float x2, float y2, Colour colour)
{
    painter_.setPen(pen(colour));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(toPixels(x1, y1), toPixels(x2, y2)).normalized());
}

void PainterSurface::drawFilledBox(float x1, float y1, float x2, float y2, Colour colour)
{
    const QPointF a = toPixels(x1, y1);
    const QPointF b = toPixels(x2, y2);
    const auto box = SpanRasteriser::boxPixels(a.x(), a.y(), b.x(), b.y(), Presentation::penPixels(lineWidth(), pixelsPerTwip_),
                                               size_.width(), size_.height());
    if (box.left <= box.right && box.top <= box.bottom)
        painter_.fillRect(QRect(QPoint(box.left, box.top), QPoint(box.right, box.bottom)),
                          QColor::fromRgb(colourToRgb(colour)));
}

void PainterSurface::drawText(float x, float y, const std::string& text)
{
    painter_.setFont(Presentation::printFont(fontSize(), fontBold(), pixelsPerTwip_));
    painter_.setPen(QColor::fromRgb(colourToRgb(foreColour())));
    const QPointF topLeft = toPixels(x, y);
    painter_.drawText(QRectF(topLeft, QSizeF(size_.width() * 4.0, size_.height() * 4.0)),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, QString::fromStdString(text));
}
