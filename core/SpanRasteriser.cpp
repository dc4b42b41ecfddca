// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SpanRasteriser.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace {

// Far outside any canvas, but safe to turn into an int.
constexpr double CoordinateLimit = 1e7;

double clampCoordinate(double value)
{
    return std::clamp(value, -CoordinateLimit, CoordinateLimit);
}

// floor() for the clamped coordinates here, without a library call per use: these run
// several times for each of the tens of thousands of segments of a trace.
int floorToInt(double value)
{
    const int truncated = int(value);
    return truncated - (value < truncated ? 1 : 0);
}

int ceilToInt(double value)
{
    const int truncated = int(value);
    return truncated + (value > truncated ? 1 : 0);
}

// First and last pixel index whose window [i - half + 0.5, i + half + 0.5) meets [low, high].
int firstIndex(double low, double half) { return floorToInt(low - half - 0.5) + 1; }
int lastIndex(double high, double half) { return floorToInt(high + half - 0.5); }

}

void SpanRasteriser::resize(int width, int height)
{
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    first_ = 1;
    last_ = 0;
    closed_.clear();
    boxes_.clear();
    setPen(pen_);
}

void SpanRasteriser::setPen(int penWidth)
{
    assert(empty());
    pen_ = std::max(penWidth, 1);
    // An odd pen 2k + 1 covers the one-pixel columns c - k .. c + k of [c', c' + 1);
    // an even pen 2k covers c - k .. c + k - 1 of [c' + 0.5, c' + 1.5).
    const int k = pen_ / 2;
    if (pen_ % 2) {
        reachLeft_ = reachRight_ = k;
        columnOffset_ = 0;
    } else {
        reachLeft_ = k - 1;
        reachRight_ = k;
        columnOffset_ = 0.5;
    }
    margin_ = pen_ + 1;
    openTop_.assign(std::size_t(width_ + 2 * margin_), 1);
    openBottom_.assign(std::size_t(width_ + 2 * margin_), 0);
}

void SpanRasteriser::addSpan(int column, int top, int bottom)
{
    const auto index = std::size_t(column + margin_);
    int& openTop = openTop_[index];
    int& openBottom = openBottom_[index];
    if (openTop > openBottom) {
        openTop = top;
        openBottom = bottom;
    } else if (top <= openBottom + 1 && bottom >= openTop - 1) {
        openTop = std::min(openTop, top);
        openBottom = std::max(openBottom, bottom);
    } else {
        closed_.push_back({ column, openTop, openBottom });
        openTop = top;
        openBottom = bottom;
    }
    if (first_ > last_) {
        first_ = last_ = column;
    } else {
        first_ = std::min(first_, column);
        last_ = std::max(last_, column);
    }
}

void SpanRasteriser::addSegment(double u0, double v0, double u1, double v1)
{
    if (!std::isfinite(u0) || !std::isfinite(v0) || !std::isfinite(u1) || !std::isfinite(v1))
        return;
    u0 = clampCoordinate(u0);
    v0 = clampCoordinate(v0);
    u1 = clampCoordinate(u1);
    v1 = clampCoordinate(v1);
    const double half = pen_ * 0.5;
    const double du = u1 - u0;
    const double dv = v1 - v0;

    // One-pixel columns that can widen into the canvas.
    const int columnFirst = std::max(floorToInt(std::min(u0, u1) - columnOffset_), -reachRight_);
    const int columnLast = std::min(floorToInt(std::max(u0, u1) - columnOffset_),
                                    width_ - 1 + reachLeft_);
    // A level or upright segment covers a rectangle: grid lines and spectral lines are
    // kept whole and filled row by row.
    if (u0 == u1 || v0 == v1) {
        const Box box { std::max(firstIndex(std::min(u0, u1), half), 0),
                        std::max(firstIndex(std::min(v0, v1), half), 0),
                        std::min(lastIndex(std::max(u0, u1), half), width_ - 1),
                        std::min(lastIndex(std::max(v0, v1), half), height_ - 1) };
        if (box.left <= box.right && box.top <= box.bottom)
            boxes_.push_back(box);
        return;
    }
    // A short stroke of a dense trace lies within one column: it covers its whole
    // height there.
    if (floorToInt(std::min(u0, u1) - columnOffset_) == floorToInt(std::max(u0, u1) - columnOffset_)
        && columnFirst == columnLast) {
        const int top = std::max(firstIndex(std::min(v0, v1), half), 0);
        const int bottom = std::min(lastIndex(std::max(v0, v1), half), height_ - 1);
        if (top <= bottom)
            addSpan(columnFirst, top, bottom);
        return;
    }
    for (int column = columnFirst; column <= columnLast; ++column) {
        // The part of the segment with u in [left, left + 1), the right end open.
        const double left = column + columnOffset_;
        double tLow = 0, tHigh = 1;
        bool lowOpen = false, highOpen = false;
        if (du != 0) {
            const double tLeft = (left - u0) / du;
            const double tRight = (left + 1 - u0) / du;
            if (du > 0) {
                tLow = tLeft;
                tHigh = tRight;
                highOpen = true;
            } else {
                tLow = tRight;
                tHigh = tLeft;
                lowOpen = true;
            }
            if (tLow < 0) {
                tLow = 0;
                lowOpen = false;
            }
            if (tHigh > 1) {
                tHigh = 1;
                highOpen = false;
            }
            if (tLow > tHigh || (tLow == tHigh && (lowOpen || highOpen)))
                continue;
        }
        double vMin = v0 + tLow * dv;
        double vMax = v0 + tHigh * dv;
        bool maxOpen = highOpen;
        if (dv < 0) {
            std::swap(vMin, vMax);
            maxOpen = lowOpen;
        } else if (dv == 0) {
            maxOpen = false;
        }
        // Rows whose window [row - half + 0.5, row + half + 0.5) meets that part.
        const double bottomEdge = vMax + half - 0.5;
        const int top = std::max(firstIndex(vMin, half), 0);
        const int bottom = std::min(maxOpen ? ceilToInt(bottomEdge) - 1 : floorToInt(bottomEdge),
                                    height_ - 1);
        if (top <= bottom)
            addSpan(column, top, bottom);
    }
}

void SpanRasteriser::PixelBox::include(const PixelBox& other)
{
    if (other.empty())
        return;
    if (empty()) {
        *this = other;
        return;
    }
    left = std::min(left, other.left);
    top = std::min(top, other.top);
    right = std::max(right, other.right);
    bottom = std::max(bottom, other.bottom);
}

SpanRasteriser::PixelBox SpanRasteriser::fill(std::uint32_t* pixels, std::ptrdiff_t pixelsPerLine, std::uint32_t value)
{
    PixelBox painted;
    for (const Box& box : boxes_) {
        for (int row = box.top; row <= box.bottom; ++row)
            std::fill(pixels + row * pixelsPerLine + box.left, pixels + row * pixelsPerLine + box.right + 1,
                      value);
        painted.include({ box.left, box.top, box.right, box.bottom });
    }
    boxes_.clear();
    if (first_ > last_)
        return painted;
    // The columns' spans, bounded as they are painted.
    PixelBox spanned { width_, height_, -1, -1 };
    auto paint = [&](int column, int top, int bottom) {
        spanned.left = std::min(spanned.left, column);
        spanned.right = std::max(spanned.right, column);
        spanned.top = std::min(spanned.top, top);
        spanned.bottom = std::max(spanned.bottom, bottom);
        std::uint32_t* p = pixels + top * pixelsPerLine + column;
        for (int row = top; row <= bottom; ++row, p += pixelsPerLine)
            *p = value;
    };
    // Each column takes the spans of the one-pixel columns its pen reaches; sorted by top
    // and merged, so every pixel is written once.
    const auto isOpen = [&](int column) {
        return openTop_[std::size_t(column + margin_)] <= openBottom_[std::size_t(column + margin_)];
    };
    std::sort(closed_.begin(), closed_.end(), [](const Span& a, const Span& b) { return a.column < b.column; });
    std::size_t closedFrom = 0; // first closed span that can still reach a column to come
    std::vector<Span>& spans = widened_;
    for (int column = std::max(first_ - reachLeft_, 0); column <= std::min(last_ + reachRight_, width_ - 1);
         ++column) {
        spans.clear();
        for (int source = std::max(column - reachRight_, first_); source <= std::min(column + reachLeft_, last_);
             ++source)
            if (isOpen(source))
                spans.push_back({ column, openTop_[std::size_t(source + margin_)],
                                  openBottom_[std::size_t(source + margin_)] });
        while (closedFrom < closed_.size() && closed_[closedFrom].column < column - reachRight_)
            ++closedFrom;
        for (std::size_t i = closedFrom; i < closed_.size() && closed_[i].column <= column + reachLeft_; ++i)
            spans.push_back({ column, closed_[i].top, closed_[i].bottom });
        const auto byTop = [](const Span& a, const Span& b) { return a.top < b.top; };
        if (!std::is_sorted(spans.begin(), spans.end(), byTop))
            std::sort(spans.begin(), spans.end(), byTop);
        for (std::size_t i = 0; i < spans.size();) {
            Span merged = spans[i++];
            while (i < spans.size() && spans[i].top <= merged.bottom + 1)
                merged.bottom = std::max(merged.bottom, spans[i++].bottom);
            paint(column, merged.top, merged.bottom);
        }
    }
    for (int column = first_; column <= last_; ++column) {
        openTop_[std::size_t(column + margin_)] = 1;
        openBottom_[std::size_t(column + margin_)] = 0;
    }
    closed_.clear();
    first_ = 1;
    last_ = 0;
    painted.include(spanned);
    return painted;
}

SpanRasteriser::PixelBox SpanRasteriser::boxPixels(double u0, double v0, double u1, double v1,
                                                   int edgePen, int width, int height)
{
    if (!std::isfinite(u0) || !std::isfinite(v0) || !std::isfinite(u1) || !std::isfinite(v1))
        return {};
    const double half = std::max(edgePen, 1) * 0.5;
    return { std::max(firstIndex(clampCoordinate(std::min(u0, u1)), half), 0),
             std::max(firstIndex(clampCoordinate(std::min(v0, v1)), half), 0),
             std::min(lastIndex(clampCoordinate(std::max(u0, u1)), half), width - 1),
             std::min(lastIndex(clampCoordinate(std::max(v0, v1)), half), height - 1) };
}

void SpanRasteriser::fillBox(std::uint32_t* pixels, std::ptrdiff_t pixelsPerLine, int width,
                             int height, double u0, double v0, double u1, double v1, int edgePen,
                             std::uint32_t value)
{
    fillBox(pixels, pixelsPerLine, boxPixels(u0, v0, u1, v1, edgePen, width, height), value);
}

void SpanRasteriser::fillBox(std::uint32_t* pixels, std::ptrdiff_t pixelsPerLine, const PixelBox& box, std::uint32_t value)
{
    // A box wholly beside the canvas (the window drawn on a surface smaller than its
    // scale) has nothing to fill.
    if (box.left > box.right)
        return;
    for (int row = box.top; row <= box.bottom; ++row)
        std::fill(pixels + row * pixelsPerLine + box.left, pixels + row * pixelsPerLine + box.right + 1,
                  value);
}
