// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

// Rasterises runs of line segments drawn with a square pen, fit for the dense traces
// of the demonstrations: tens of thousands of near-vertical strokes, each covering a
// band that the next hundred strokes cover again.
//
// A segment is first cut into one-pixel-wide columns, in each of which it covers one
// vertical span (already widened by the pen); consecutive segments of a trace overlap,
// so a column's new span merges into the one it holds and a column costs one span
// however many strokes cross it. When the run is painted, each column's spans are
// widened sideways to the pen width and filled. The work per segment is therefore that
// of a one-pixel pen, whatever the pen width.
//
// Pixel convention (the same as an aliased QPainter pen): the pixel (c, r) is covered
// when a point of the segment lies in [c - half + 0.5, c + half + 0.5) across and
// [r - half + 0.5, r + half + 0.5) down, half being half the pen width: the pen square
// swept along the segment. A one-pixel pen lights pixel (floor(u), floor(v)) for a
// point (u, v), and a vertical or horizontal segment is exactly as wide as the pen.
class SpanRasteriser {
public:
    void resize(int width, int height);
    int width() const { return width_; }
    int height() const { return height_; }

    // The pen of the segments to come, a whole number of pixels (>= 1). A run of
    // segments shares one pen: changing it paints nothing but must follow a fill.
    void setPen(int penWidth);
    int pen() const { return pen_; }

    // Adds a segment in device pixels.
    void addSegment(double u0, double v0, double u1, double v1);
    bool empty() const { return first_ > last_ && boxes_.empty(); }

    // A box of pixels, inclusive edges; empty when left > right.
    struct PixelBox {
        int left = 0, top = 0, right = -1, bottom = -1;
        bool empty() const { return left > right || top > bottom; }
        bool operator==(const PixelBox&) const = default;
        // The smallest box holding both.
        void include(const PixelBox& other);
    };

    // Paints every span collected since the last fill into a 32-bit pixel buffer of
    // width() by height() pixels, then starts afresh. Returns the bounds of the pixels painted.
    PixelBox fill(std::uint32_t* pixels, std::ptrdiff_t pixelsPerLine, std::uint32_t value);

    // The pixels of a filled box between two corners, clipped to a canvas of the given
    // size: those a pen of edgePen pixels covers when swept over the box, so that a box
    // and a line along its edge drawn with that pen (the line width in effect, scaled to
    // the canvas) end on the same pixel. Empty for corners that are not numbers.
    static PixelBox boxPixels(double u0, double v0, double u1, double v1, int edgePen, int width,
                              int height);

    // Paints a box of boxPixels into a 32-bit pixel buffer.
    static void fillBox(std::uint32_t* pixels, std::ptrdiff_t pixelsPerLine, const PixelBox& box, std::uint32_t value);
    // Paints a box of boxPixels into a 32-bit pixel buffer of width by height pixels.
    static void fillBox(std::uint32_t* pixels, std::ptrdiff_t pixelsPerLine, int width, int height,
                        double u0, double v0, double u1, double v1, int edgePen, std::uint32_t value);

private:
    struct Span {
        int column, top, bottom;
    };
    struct Box {
        int left, top, right, bottom;
    };
    void addSpan(int column, int top, int bottom);

    int width_ = 0;
    int height_ = 0;
    int pen_ = 1;
    int reachLeft_ = 0;       // a one-pixel column widens to the pen: this many columns left
    int reachRight_ = 0;      // ... and this many right
    double columnOffset_ = 0; // one-pixel column c holds u in [c + offset, c + offset + 1)
    int margin_ = 0;          // columns kept beyond each side of the canvas
    // Per one-pixel column (index column + margin_): the span still growing, top > bottom
    // when none; spans it replaced are kept in closed_.
    std::vector<int> openTop_;
    std::vector<int> openBottom_;
    std::vector<Span> closed_;
    std::vector<Span> widened_; // scratch for fill()
    std::vector<Box> boxes_;    // level and upright segments, whole
    int first_ = 1;             // range of one-pixel columns holding spans
    int last_ = 0;
};
