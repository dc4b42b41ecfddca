// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PixelSurface.h"

#include <string>
#include <vector>

// A window's canvas for the browser page: lines and boxes in pixels held here, in the
// byte order of the browser's image data, and the texts printed, for the page to print
// over them in its own fonts. A text stays while it can still be seen: a box filled over
// its top-left corner later removes it (the plots clear a panel before they print on it
// again), and printing the same text at the same place again keeps one copy.
class PageCanvas : public PixelSurface {
public:
    struct Text {
        double left = 0, top = 0; // device pixels
        std::string text;
        double pixelSize = 12; // the font's size in device pixels
        bool bold = false;
        Colour colour = ColourBlack;
    };

    PageCanvas(float clientWidthTwips, float clientHeightTwips, double pixelsPerTwip);

    const std::vector<std::uint32_t>& picture()
    {
        finish();
        return pixels_;
    }
    const std::vector<Text>& texts() const { return texts_; }
    // Counts the changes to the picture, so the page repaints only when there is one.
    unsigned changes() const { return changes_; }
    // The bounds of the pixels painted since the last call (all of them at first), so the
    // page copies only that part of the picture; the texts are the page's to compare.
    SpanRasteriser::PixelBox takePaintedBox()
    {
        finish();
        const SpanRasteriser::PixelBox box = painted_;
        painted_ = {};
        return box;
    }

protected:
    std::uint32_t* pixels() override { return pixels_.data(); }
    std::ptrdiff_t pixelsPerLine() const override { return width(); }
    void printText(double left, double top, const std::string& text) override;
    void boxFilled(const SpanRasteriser::PixelBox& box) override;
    void pixelsPainted(const SpanRasteriser::PixelBox& box) override { painted_.include(box); }

private:
    std::vector<std::uint32_t> pixels_;
    std::vector<Text> texts_;
    unsigned changes_ = 0;
    SpanRasteriser::PixelBox painted_;
};
