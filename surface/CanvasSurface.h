// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PixelSurface.h"

#include <QImage>
#include <QPainter>

// The drawing area of a window: a retained image that keeps whatever was drawn until
// it is painted over, so a repaint only copies pixels and never recomputes a plot.
// Lines and boxes are the pixel surface's; text is printed with Qt's painter.
class CanvasSurface : public PixelSurface {
public:
    // pixelsPerTwip: device pixels per twip of the design layout (1/15 on the
    // 800 x 600 display the layout was made for).
    CanvasSurface(float clientWidthTwips, float clientHeightTwips, double pixelsPerTwip);

    // The finished picture (pending segments painted first).
    const QImage& image();

protected:
    std::uint32_t* pixels() override { return reinterpret_cast<std::uint32_t*>(image_.bits()); }
    std::ptrdiff_t pixelsPerLine() const override { return image_.bytesPerLine() / 4; }
    void printText(double left, double top, const std::string& text) override;

private:
    QImage image_;
    // Text is printed through one painter, kept open between prints of a redraw.
    QPainter textPainter_;
    bool textFontValid_ = false;
    double textPoints_ = 0;
    bool textBold_ = false;
};
