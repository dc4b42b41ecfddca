// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/PageCanvas.h"

#include <algorithm>
#include <cmath>

PageCanvas::PageCanvas(float clientWidthTwips, float clientHeightTwips, double pixelsPerTwip)
    : PixelSurface(clientWidthTwips, clientHeightTwips, pixelsPerTwip, Format::Rgba8888)
    , pixels_(std::size_t(width()) * std::size_t(height()), pixelValue(ColourWhite))
    , painted_ { 0, 0, width() - 1, height() - 1 }
{
    setChangedHandler([this] { ++changes_; });
}

void PageCanvas::printText(double left, double top, const std::string& text)
{
    // The desktop's font size: the points at 20 twips each, in whole pixels.
    Text printed { left, top, text, std::max(1.0, double(std::lround(fontSize() * 20.0 * pixelsPerTwip()))), fontBold(),
                   foreColour() };
    const auto same = [&](const Text& t) {
        return t.left == printed.left && t.top == printed.top && t.text == printed.text && t.pixelSize == printed.pixelSize
            && t.bold == printed.bold && t.colour == printed.colour;
    };
    if (std::none_of(texts_.begin(), texts_.end(), same))
        texts_.push_back(std::move(printed));
}

void PageCanvas::boxFilled(const SpanRasteriser::PixelBox& box)
{
    std::erase_if(texts_, [&](const Text& t) {
        const int column = int(std::floor(t.left)), row = int(std::floor(t.top));
        return column >= box.left && column <= box.right && row >= box.top && row <= box.bottom;
    });
}
