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
    // Where the pixels changed since the last call (all of the picture at first), as a
    // few boxes, so the page copies only those parts: a redraw paints each plot panel
    // anew, and the gaps between them stay as they were. Within a box filled again with
    // the same value as at the last call, only the lines that differ from those drawn
    // over it then have changed (a level scale's strip is cleared before its figures are
    // printed on it again; a spectrum's grid is the same, one line moved). The texts are
    // the page's to compare.
    std::vector<SpanRasteriser::PixelBox> takePaintedBoxes();

protected:
    std::uint32_t* pixels() override { return pixels_.data(); }
    std::ptrdiff_t pixelsPerLine() const override { return width(); }
    void printText(double left, double top, const std::string& text) override;
    void boxFilled(const SpanRasteriser::PixelBox& box, std::uint32_t value) override;
    void pixelsPainted(const SpanRasteriser::PixelBox& box) override;

private:
    std::vector<std::uint32_t> pixels_;
    std::vector<Text> texts_;
    unsigned changes_ = 0;
    // Lines painted at once, and what they were (their segments only when few).
    struct Lines {
        SpanRasteriser::PixelBox box;
        std::uint32_t value = 0;
        int pen = 0;
        std::vector<Segment> segments;
        // Lines whose segments were not kept are never known to be the same.
        bool sameAs(const Lines& other) const
        {
            return !segments.empty() && box == other.box && value == other.value && pen == other.pen
                && segments == other.segments;
        }
    };
    struct Fill {
        SpanRasteriser::PixelBox box;
        std::uint32_t value = 0;
        std::vector<Lines> over; // the lines drawn within it since, in order
        bool sameBox(const Fill& other) const { return box == other.box && value == other.value; }
    };
    void addPainted(const SpanRasteriser::PixelBox& box);
    void paintOverFills(const SpanRasteriser::PixelBox& box);

    // Painted since the last call, apart from each other.
    std::vector<SpanRasteriser::PixelBox> painted_;
    // Filled since the last call, with nothing drawn over them since but lines within them.
    std::vector<Fill> fills_;
    // Those at the last call: their pixels still hold that value and those lines.
    std::vector<Fill> fillsTaken_;
};
