#include "surface/SpanRasteriser.h"

#include <algorithm>
#include <cmath>

namespace {

// Far outside any canvas, but safe to turn into an int.
constexpr double coordinateLimit = 1e7;

double clampCoordinate(double value)
{
    return std::clamp(value, -coordinateLimit, coordinateLimit);
}

// First and last pixel index whose window [i - half + 0.5, i + half + 0.5) meets [low, high].
int firstIndex(double low, double half) { return int(std::floor(low - half - 0.5)) + 1; }
int lastIndex(double high, double half) { return int(std::floor(high + half - 0.5)); }

}

void SpanRasteriser::resize(int width, int height)
{
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    openTop_.assign(std::size_t(width_), 1);
    openBottom_.assign(std::size_t(width_), 0);
    closed_.clear();
    touchedFirst_ = 1;
    touchedLast_ = 0;
}

void SpanRasteriser::addSpan(int column, int top, int bottom)
{
    int& openTop = openTop_[std::size_t(column)];
    int& openBottom = openBottom_[std::size_t(column)];
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
    if (empty()) {
        touchedFirst_ = touchedLast_ = column;
    } else {
        touchedFirst_ = std::min(touchedFirst_, column);
        touchedLast_ = std::max(touchedLast_, column);
    }
}

void SpanRasteriser::addSegment(double u0, double v0, double u1, double v1, int penWidth)
{
    if (!std::isfinite(u0) || !std::isfinite(v0) || !std::isfinite(u1) || !std::isfinite(v1))
        return;
    u0 = clampCoordinate(u0);
    v0 = clampCoordinate(v0);
    u1 = clampCoordinate(u1);
    v1 = clampCoordinate(v1);
    const double half = std::max(penWidth, 1) * 0.5;
    const double du = u1 - u0;
    const double dv = v1 - v0;

    const int columnFirst = std::max(firstIndex(std::min(u0, u1), half), 0);
    const int columnLast = std::min(lastIndex(std::max(u0, u1), half), width_ - 1);
    for (int column = columnFirst; column <= columnLast; ++column) {
        // The part of the segment whose pen square reaches this column's centre: the
        // points with u in [column - half + 0.5, column + half + 0.5), the right end open.
        double tLow = 0, tHigh = 1;
        bool lowOpen = false, highOpen = false;
        if (du != 0) {
            const double tLeft = (column - half + 0.5 - u0) / du;
            const double tRight = (column + half + 0.5 - u0) / du;
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
        // Rows whose window [row - half + 0.5, row + half + 0.5) meets [vMin, vMax].
        const double topEdge = vMax + half - 0.5;
        const int top = std::max(firstIndex(vMin, half), 0);
        const int bottom = std::min(maxOpen ? int(std::ceil(topEdge)) - 1 : int(std::floor(topEdge)),
                                    height_ - 1);
        if (top <= bottom)
            addSpan(column, top, bottom);
    }
}

void SpanRasteriser::fill(std::uint32_t* pixels, std::ptrdiff_t pixelsPerLine, std::uint32_t value)
{
    auto paint = [&](int column, int top, int bottom) {
        std::uint32_t* p = pixels + top * pixelsPerLine + column;
        for (int row = top; row <= bottom; ++row, p += pixelsPerLine)
            *p = value;
    };
    for (const Span& span : closed_)
        paint(span.column, span.top, span.bottom);
    for (int column = touchedFirst_; column <= touchedLast_; ++column) {
        int& top = openTop_[std::size_t(column)];
        int& bottom = openBottom_[std::size_t(column)];
        if (top <= bottom)
            paint(column, top, bottom);
        top = 1;
        bottom = 0;
    }
    closed_.clear();
    touchedFirst_ = 1;
    touchedLast_ = 0;
}

void SpanRasteriser::fillBox(std::uint32_t* pixels, std::ptrdiff_t pixelsPerLine, int width,
                             int height, double u0, double v0, double u1, double v1,
                             std::uint32_t value)
{
    if (!std::isfinite(u0) || !std::isfinite(v0) || !std::isfinite(u1) || !std::isfinite(v1))
        return;
    const int left = std::max(int(std::floor(clampCoordinate(std::min(u0, u1)))), 0);
    const int right = std::min(int(std::floor(clampCoordinate(std::max(u0, u1)))), width - 1);
    const int top = std::max(int(std::floor(clampCoordinate(std::min(v0, v1)))), 0);
    const int bottom = std::min(int(std::floor(clampCoordinate(std::max(v0, v1)))), height - 1);
    for (int row = top; row <= bottom; ++row)
        std::fill(pixels + row * pixelsPerLine + left, pixels + row * pixelsPerLine + right + 1, value);
}
