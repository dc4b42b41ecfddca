// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/CanvasSurface.h"

#include "surface/Presentation.h"

CanvasSurface::CanvasSurface(float clientWidthTwips, float clientHeightTwips, double pixelsPerTwip)
    : PixelSurface(clientWidthTwips, clientHeightTwips, pixelsPerTwip, Format::Argb32)
    , image_(width(), height(), QImage::Format_RGB32)
{
    image_.fill(Qt::white);
}

const QImage& CanvasSurface::image()
{
    finish();
    if (textPainter_.isActive())
        textPainter_.end();
    textFontValid_ = false;
    return image_;
}

void CanvasSurface::printText(double left, double top, const std::string& text)
{
    if (!textPainter_.isActive())
        textPainter_.begin(&image_);
    if (!textFontValid_ || textPoints_ != fontSize() || textBold_ != fontBold()) {
        textPoints_ = fontSize();
        textBold_ = fontBold();
        textFontValid_ = true;
        textPainter_.setFont(Presentation::printFont(textPoints_, textBold_, pixelsPerTwip()));
    }
    textPainter_.setPen(QColor::fromRgb(colourToRgb(foreColour())));
    // The text's top-left at the position: its baseline one ascent lower.
    const QPointF baseline(left, top + textPainter_.fontMetrics().ascent());
    textPainter_.drawText(baseline, QString::fromStdString(text));
}
