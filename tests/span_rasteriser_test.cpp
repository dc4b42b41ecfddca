// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SpanRasteriser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <utility>
#include <vector>

namespace {

constexpr std::uint32_t Ink = 0xFF00FFFF;

// A small canvas that records which pixels a rasteriser painted.
struct Canvas {
    Canvas(int width, int height)
        : width(width)
        , height(height)
        , pixels(std::size_t(width * height), 0)
    {
        rasteriser.resize(width, height);
    }
    void paint() { rasteriser.fill(pixels.data(), width, Ink); }
    std::set<std::pair<int, int>> inked() const
    {
        std::set<std::pair<int, int>> result;
        for (std::size_t i = 0; i < pixels.size(); ++i)
            if (pixels[i] == Ink)
                result.insert({ int(i) % width, int(i) / width });
        return result;
    }
    int width, height;
    std::vector<std::uint32_t> pixels;
    SpanRasteriser rasteriser;
};

std::set<std::pair<int, int>> block(int left, int top, int right, int bottom)
{
    std::set<std::pair<int, int>> result;
    for (int column = left; column <= right; ++column)
        for (int row = top; row <= bottom; ++row)
            result.insert({ column, row });
    return result;
}

TEST(SpanRasteriserTest, OneSegmentLightsExactlyThePenSquareSweep)
{
    const struct {
        const char* what;
        double u0, v0, u1, v1;
        int pen;
        std::set<std::pair<int, int>> expected;
    } cases[] = {
        { "dot, pen 1", 5.2, 5.7, 5.2, 5.7, 1, block(5, 5, 5, 5) },
        { "dot, pen 2", 5, 5, 5, 5, 2, block(4, 4, 5, 5) },
        { "dot, pen 3", 5.5, 5.5, 5.5, 5.5, 3, block(4, 4, 6, 6) },
        { "vertical, pen 1", 10, 5, 10, 15, 1, block(10, 5, 10, 15) },
        { "vertical, pen 3", 10.5, 5.5, 10.5, 15.5, 3, block(9, 4, 11, 16) },
        { "horizontal, pen 1", 2, 3, 8, 3, 1, block(2, 3, 8, 3) },
        { "horizontal drawn backwards", 8, 3, 2, 3, 1, block(2, 3, 8, 3) },
        { "horizontal, pen 3", 2.5, 3.5, 8.5, 3.5, 3, block(1, 2, 9, 4) },
        { "steep, pen 1", 0.5, 0.5, 1.5, 4.5, 1, { { 0, 0 }, { 0, 1 }, { 0, 2 }, { 1, 2 }, { 1, 3 }, { 1, 4 } } },
        { "clipped at the top-left corner", -10, -10, 2.5, 2.5, 1, { { 0, 0 }, { 1, 1 }, { 2, 2 } } },
        { "clipped at the bottom-right edge", 19.5, 10, 19.5, 40, 3, block(18, 9, 19, 19) },
        { "just left of the canvas, widened into it", -0.5, 5, -0.5, 10, 3, block(0, 4, 0, 11) },
        { "wholly outside", -5, -5, -5, 30, 3, {} },
        { "not a number", std::nan(""), 1, 5, 5, 1, {} },
        { "infinitely far", -std::numeric_limits<double>::infinity(), 1, 5, 1, 1, {} },
        { "huge but finite", -1e300, 2, 1e300, 2, 1, block(0, 2, 19, 2) },
    };
    for (const auto& c : cases) {
        Canvas canvas(20, 20);
        canvas.rasteriser.setPen(c.pen);
        canvas.rasteriser.addSegment(c.u0, c.v0, c.u1, c.v1);
        canvas.paint();
        EXPECT_EQ(canvas.inked(), c.expected) << c.what;
    }
}

TEST(SpanRasteriserTest, KeepsSeparateSpansOfOneColumnApartThenStartsAfresh)
{
    Canvas canvas(10, 20);
    canvas.rasteriser.addSegment(5, 0, 5, 3);
    canvas.rasteriser.addSegment(5, 10, 5, 12);
    canvas.rasteriser.addSegment(5, 2, 5, 1); // touches the first span again
    canvas.paint();
    auto expected = block(5, 0, 5, 3);
    expected.merge(block(5, 10, 5, 12));
    EXPECT_EQ(canvas.inked(), expected);
    // The next run paints only its own segments.
    std::fill(canvas.pixels.begin(), canvas.pixels.end(), 0);
    canvas.rasteriser.addSegment(5, 6, 5, 6); // in the same column
    canvas.paint();
    EXPECT_EQ(canvas.inked(), block(5, 6, 5, 6));
}

TEST(SpanRasteriserTest, DenseZigzagFillsItsBandWidenedByThePen)
{
    // A trace like the demonstrations': many near-vertical strokes across a band.
    for (int pen : { 1, 2, 3, 6 }) {
        Canvas canvas(60, 60);
        canvas.rasteriser.setPen(pen);
        for (int i = 0; i < 20 * 64 - 1; ++i)
            canvas.rasteriser.addSegment(20 + i / 64.0, (i % 2) ? 40.0 : 20.0, 20 + (i + 1) / 64.0,
                                         (i % 2) ? 20.0 : 40.0);
        canvas.paint();
        // The band is u 20 .. 39.98, v 20 .. 40; the pen square reaches half a pen
        // beyond it, pixel centres counted as half a pixel in from the corner.
        const double half = pen / 2.0;
        const auto first = [&](double low) { return int(std::floor(low - half - 0.5)) + 1; };
        const auto last = [&](double high) { return int(std::floor(high + half - 0.5)); };
        EXPECT_EQ(canvas.inked(), block(first(20), first(20), last(20 + 1279 / 64.0), last(40))) << pen;
    }
}

TEST(SpanRasteriserTest, FilledBoxIncludesBothCornerPixelsAndClips)
{
    std::vector<std::uint32_t> pixels(100, 0);
    SpanRasteriser::fillBox(pixels.data(), 10, 10, 10, 2.5, 3.9, 5.2, 1.1, 1, Ink);
    for (int row = 0; row < 10; ++row)
        for (int column = 0; column < 10; ++column)
            EXPECT_EQ(pixels[std::size_t(row * 10 + column)] == Ink, column >= 2 && column <= 5 && row >= 1 && row <= 3)
                << column << ',' << row;
    SpanRasteriser::fillBox(pixels.data(), 10, 10, 10, -50, -50, 1e9, 1e9, 1, 0);
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0u), 100);
}

}
