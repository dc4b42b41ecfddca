// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Colour.h"

#include <string>

// Everything a plot routine can do to a window's drawing area: set the logical
// coordinate system, draw lines and boxes, and print text at the current position.
// The bookkeeping (scale, line width, current position, font) lives here, so every
// implementation behaves alike; an implementation only turns the finished operations
// into pixels or records.
class Surface {
public:
    // clientWidthTwips/clientHeightTwips: the design size of the drawing area.
    Surface(float clientWidthTwips, float clientHeightTwips);
    virtual ~Surface() = default;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    float clientWidthTwips() const { return clientWidthTwips_; }
    float clientHeightTwips() const { return clientHeightTwips_; }

    // The drawing area spans scaleWidth by scaleHeight logical units.
    void setScale(float width, float height);
    float scaleWidth() const { return scaleWidth_; }
    float scaleHeight() const { return scaleHeight_; }

    // Pen width in pixels of the 800 x 600 display the layout was made for.
    void setLineWidth(int width) { lineWidth_ = width; }
    int lineWidth() const { return lineWidth_; }

    // A segment; equal ends draw a dot of the line width. The current position
    // becomes (x2, y2).
    void line(float x1, float y1, float x2, float y2, Colour colour);
    // A segment from the current position, which then becomes (x2, y2).
    void lineTo(float x2, float y2, Colour colour);
    // A point of a trace (a polyline): the first point is a dot, a line of zero length,
    // and each further point is joined to the one before.
    void tracePoint(bool first, float x, float y, Colour colour)
    {
        if (first)
            line(x, y, x, y, colour);
        else
            lineTo(x, y, colour);
    }
    void box(float x1, float y1, float x2, float y2, Colour colour);
    // A filled box covers what a line of the current width drawn along its edge would,
    // so a line ending on the edge never sticks out of a box drawn over it later.
    void fillBox(float x1, float y1, float x2, float y2, Colour colour);

    void setCurrentX(float x) { currentX_ = x; }
    void setCurrentY(float y) { currentY_ = y; }
    float currentX() const { return currentX_; }
    float currentY() const { return currentY_; }

    void setFontSize(double points) { fontSize_ = points; }
    double fontSize() const { return fontSize_; }
    void setFontBold(bool bold) { fontBold_ = bold; }
    bool fontBold() const { return fontBold_; }
    void setForeColour(Colour colour) { foreColour_ = colour; }
    Colour foreColour() const { return foreColour_; }

    // Prints text with its top-left at the current position; then x returns to 0 and
    // y moves down one line.
    void print(const std::string& text);

    // Sets the current position, then prints there.
    void printAt(float x, float y, const std::string& text)
    {
        setCurrentX(x);
        setCurrentY(y);
        print(text);
    }

    // The height of one printed line, in logical units.
    float lineAdvance() const;

protected:
    virtual void scaleChanged() {}
    virtual void drawLine(float x1, float y1, float x2, float y2, Colour colour) = 0;
    virtual void drawBox(float x1, float y1, float x2, float y2, Colour colour) = 0;
    virtual void drawFilledBox(float x1, float y1, float x2, float y2, Colour colour) = 0;
    virtual void drawText(float x, float y, const std::string& text) = 0;

private:
    float clientWidthTwips_;
    float clientHeightTwips_;
    float scaleWidth_;
    float scaleHeight_;
    int lineWidth_ = 1;
    float currentX_ = 0;
    float currentY_ = 0;
    double fontSize_ = 9.75;
    bool fontBold_ = false;
    Colour foreColour_ = ColourBlack;
};
