#pragma once

#include <cstdint>
#include <vector>

// Rasterises runs of line segments drawn with a square pen, fit for the dense traces
// of the demonstrations: tens of thousands of near-vertical strokes, each covering a
// band that the next hundred strokes cover again.
//
// Each segment is cut into the pixel columns its stroke touches; in every column it
// covers one vertical span of pixels. Consecutive segments of a trace overlap, so a
// column's new span is merged into the span it already holds, and the visible result
// of many segments in a column costs a single span fill.
//
// Pixel convention (the same as an aliased QPainter pen): the pixel (c, r) has its
// centre at (c + 0.5, r + 0.5) and is covered when the pen square, of side penWidth
// centred on a point of the segment and shifted by half a pixel, contains that centre.
// A one-pixel pen therefore lights pixel (floor(u), floor(v)) for a point (u, v).
class SpanRasteriser {
public:
    void resize(int width, int height);
    int width() const { return width_; }
    int height() const { return height_; }

    // Adds a segment in device pixels; penWidth is a whole number of pixels (>= 1).
    void addSegment(double u0, double v0, double u1, double v1, int penWidth);
    bool empty() const { return touchedFirst_ > touchedLast_; }

    // Paints every span collected since the last fill into a 32-bit pixel buffer of
    // width() by height() pixels, then starts afresh.
    void fill(std::uint32_t* pixels, std::ptrdiff_t pixelsPerLine, std::uint32_t value);

    // Paints the pixels whose centres fall in the box between the two corners, both
    // corner pixels included, clipped to the buffer.
    static void fillBox(std::uint32_t* pixels, std::ptrdiff_t pixelsPerLine, int width, int height,
                        double u0, double v0, double u1, double v1, std::uint32_t value);

private:
    struct Span {
        int column, top, bottom;
    };
    void addSpan(int column, int top, int bottom);

    int width_ = 0;
    int height_ = 0;
    std::vector<int> openTop_;    // per column: the span still growing, top > bottom when none
    std::vector<int> openBottom_;
    std::vector<Span> closed_;    // spans that a later, separate span of the column replaced
    int touchedFirst_ = 1;
    int touchedLast_ = 0;
};
