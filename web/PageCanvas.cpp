// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/PageCanvas.h"

#include <algorithm>
#include <cmath>

PageCanvas::PageCanvas(float clientWidthTwips, float clientHeightTwips, double pixelsPerTwip)
    : PixelSurface(clientWidthTwips, clientHeightTwips, pixelsPerTwip, Format::Rgba8888)
    , pixels_(std::size_t(width()) * std::size_t(height()), pixelValue(ColourWhite))
    , painted_ { { 0, 0, width() - 1, height() - 1 } }
{
    setChangedHandler([this] { ++changes_; });
    keepSegments(true);
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

namespace {

bool meet(const SpanRasteriser::PixelBox& a, const SpanRasteriser::PixelBox& b)
{
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

// Boxes that overlap or touch are better copied as one.
bool meetOrTouch(const SpanRasteriser::PixelBox& a, const SpanRasteriser::PixelBox& b)
{
    return a.left <= b.right + 1 && b.left <= a.right + 1 && a.top <= b.bottom + 1 && b.top <= a.bottom + 1;
}

// More boxes than a window has panels cost more calls than they save pixels.
constexpr std::size_t MostPaintedBoxes = 8;

}

void PageCanvas::boxFilled(const SpanRasteriser::PixelBox& box, std::uint32_t value)
{
    std::erase_if(texts_, [&](const Text& t) {
        const int column = int(std::floor(t.left)), row = int(std::floor(t.top));
        return column >= box.left && column <= box.right && row >= box.top && row <= box.bottom;
    });
    if (box.empty())
        return;
    paintOverFills(box);
    fills_.push_back({ box, value, {} });
}

void PageCanvas::pixelsPainted(const SpanRasteriser::PixelBox& box)
{
    if (box.empty())
        return;
    // Lines within one fill are that fill's to compare.
    const auto within = [&](const Fill& fill) {
        return box.left >= fill.box.left && box.right <= fill.box.right && box.top >= fill.box.top
            && box.bottom <= fill.box.bottom;
    };
    const auto inside = std::find_if(fills_.rbegin(), fills_.rend(), within);
    if (inside != fills_.rend()
        && std::none_of(fills_.begin(), fills_.end(),
                        [&](const Fill& fill) { return &fill != &*inside && meet(fill.box, box); })) {
        inside->over.push_back({ box, paintedValue(), paintedPen(), paintedSegments() });
        return;
    }
    paintOverFills(box);
    addPainted(box);
}

std::vector<SpanRasteriser::PixelBox> PageCanvas::takePaintedBoxes()
{
    finish();
    for (const Fill& fill : fills_) {
        const auto taken
            = std::find_if(fillsTaken_.begin(), fillsTaken_.end(), [&](const Fill& f) { return f.sameBox(fill); });
        if (taken == fillsTaken_.end()) {
            addPainted(fill.box);
            continue;
        }
        // Lines paint their pixels over whatever was there, so a pixel that no differing
        // line covers, then or now, is as it was: the same lines cover it, in the same order.
        const std::size_t count = std::max(fill.over.size(), taken->over.size());
        for (std::size_t i = 0; i < count; ++i) {
            if (i < fill.over.size() && i < taken->over.size() && fill.over[i].sameAs(taken->over[i]))
                continue;
            if (i < fill.over.size())
                addPainted(fill.over[i].box);
            if (i < taken->over.size())
                addPainted(taken->over[i].box);
        }
    }
    fillsTaken_.swap(fills_);
    fills_.clear();
    std::vector<SpanRasteriser::PixelBox> boxes;
    boxes.swap(painted_);
    return boxes;
}

// Filled boxes that something is drawn over are no longer plain: they are painted.
void PageCanvas::paintOverFills(const SpanRasteriser::PixelBox& box)
{
    std::erase_if(fills_, [&](const Fill& fill) {
        if (!meet(fill.box, box))
            return false;
        addPainted(fill.box);
        return true;
    });
}

void PageCanvas::addPainted(const SpanRasteriser::PixelBox& box)
{
    SpanRasteriser::PixelBox grown = box;
    // A box meeting one already there joins it, and the two together may meet others.
    for (std::size_t i = 0; i < painted_.size();) {
        if (meetOrTouch(painted_[i], grown)) {
            grown.include(painted_[i]);
            painted_.erase(painted_.begin() + std::ptrdiff_t(i));
            i = 0;
        } else {
            ++i;
        }
    }
    painted_.push_back(grown);
    if (painted_.size() > MostPaintedBoxes) {
        for (const SpanRasteriser::PixelBox& other : painted_)
            grown.include(other);
        painted_.assign(1, grown);
    }
}
