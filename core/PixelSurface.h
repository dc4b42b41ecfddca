// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/SpanRasteriser.h"
#include "core/Surface.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class OpLog;

// A drawing area of 32-bit pixels in memory: lines and boxes land on the pixels the span
// rasteriser and its box rule give them, the same wherever the program runs; text is left
// to the host, which knows its fonts (printText).
//
// Consecutive segments of the same colour and width are collected and painted together
// when something else is drawn or the picture is read (finish), so a trace of 40 000
// joined points costs one pass over its pixel columns.
class PixelSurface : public Surface {
public:
    // How a pixel is held: a word 0xFFRRGGBB (Qt's RGB32), or the bytes red, green, blue
    // and alpha in that order in memory (a browser's image data).
    enum class Format {
        Argb32,
        Rgba8888
    };

    // pixelsPerTwip: device pixels per twip of the design layout (1/15 on the 800 x 600
    // display the layout was made for).
    PixelSurface(float clientWidthTwips, float clientHeightTwips, double pixelsPerTwip, Format format);

    double pixelsPerTwip() const { return pixelsPerTwip_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // Pen width in device pixels for a line width in pixels of the 800 x 600 display.
    int penPixels(int lineWidth) const { return penPixels(lineWidth, pixelsPerTwip_); }
    static int penPixels(int lineWidth, double pixelsPerTwip);
    std::uint32_t pixelValue(Colour colour) const;

    // Paints what is pending, so the pixels are the finished picture.
    void finish();

    // Also record every operation here (not owned; nullptr to stop).
    void setLog(OpLog* log) { log_ = log; }
    // Called whenever the picture has changed, once until the picture is next read.
    void setChangedHandler(std::function<void()> handler) { changed_ = std::move(handler); }

protected:
    // The pixel buffer, width() by height() pixels, set up by the derived class.
    virtual std::uint32_t* pixels() = 0;
    virtual std::ptrdiff_t pixelsPerLine() const = 0;
    // Prints text with its top-left at a point in device pixels, in the surface's font
    // and fore colour; everything drawn before it is already in the pixels.
    virtual void printText(double left, double top, const std::string& text) = 0;
    // A box of pixels was filled with one pixel value (inclusive edges; empty when
    // left > right).
    virtual void boxFilled(const SpanRasteriser::PixelBox&, std::uint32_t) {}
    // Pixels within the box were painted by lines (for a host that shows only the part of
    // the picture that changed; filled boxes come to boxFilled).
    virtual void pixelsPainted(const SpanRasteriser::PixelBox&) {}

    // A segment in device pixels, as the rasteriser took it.
    struct Segment {
        double u0, v0, u1, v1;
        bool operator==(const Segment&) const = default;
    };
    // The lines being painted when pixelsPainted is called, for a host that compares them
    // with those of an earlier picture: their pixel value, pen, and segments, none when
    // there are more than KeptSegments (a trace has thousands); keepSegments(true) first.
    static constexpr std::size_t KeptSegments = 64;
    void keepSegments(bool keep) { keepSegments_ = keep; }
    std::uint32_t paintedValue() const { return pixelValue(pendingColour_); }
    int paintedPen() const { return rasteriser_.pen(); }
    const std::vector<Segment>& paintedSegments() const { return segments_; }

    void scaleChanged() override;
    void drawLine(float x1, float y1, float x2, float y2, Colour colour) override;
    void drawBox(float x1, float y1, float x2, float y2, Colour colour) override;
    void drawFilledBox(float x1, float y1, float x2, float y2, Colour colour) override;
    void drawText(float x, float y, const std::string& text) override;

private:
    double toPixelX(float x) const { return double(x) * pixelsPerUnitX_; }
    double toPixelY(float y) const { return double(y) * pixelsPerUnitY_; }
    void addSegment(float x1, float y1, float x2, float y2, Colour colour);
    void flush();
    void changed();

    double pixelsPerTwip_;
    Format format_;
    int width_;
    int height_;
    double pixelsPerUnitX_ = 1;
    double pixelsPerUnitY_ = 1;
    SpanRasteriser rasteriser_;
    Colour pendingColour_ = 0;
    int penLineWidth_ = 0; // the line width pen_ was worked out for
    int pen_ = 1;
    OpLog* log_ = nullptr;
    std::function<void()> changed_;
    bool changeTold_ = false; // the host knows of a change it has not yet read
    bool keepSegments_ = false;
    std::vector<Segment> segments_; // of the lines pending, while there are few
    std::size_t segmentCount_ = 0;  // of the lines pending, all
};
