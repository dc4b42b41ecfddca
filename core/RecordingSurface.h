// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Surface.h"

#include <iosfwd>
#include <string>
#include <vector>

// One drawing operation as it reached a surface, in logical units.
struct DrawOp {
    enum class Kind {
        Scale,
        Fill,
        Box,
        Line,
        Text,
        Message
    };
    Kind kind;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0; // scale: x1 = width, y1 = height; text: x1, y1
    Colour colour = 0;
    int width = 1;       // line and box pen width
    bool bold = false;   // text
    double points = 0;   // text
    std::string text {}; // text and message
};

// The operations of a surface in the order they were drawn.
class OpLog {
public:
    void append(DrawOp op) { ops_.push_back(std::move(op)); }
    const std::vector<DrawOp>& ops() const { return ops_; }
    std::size_t size() const { return ops_.size(); }
    void clear() { ops_.clear(); }

    // Operations from index `first` on, one line each:
    //   scale W H | fill X1 Y1 X2 Y2 RRGGBB | box X1 Y1 X2 Y2 RRGGBB WIDTH
    //   line X1 Y1 X2 Y2 RRGGBB WIDTH | text X Y bold|regular POINTS "TEXT" | message "TEXT"
    void write(std::ostream& out, std::size_t first = 0) const;
    static std::string format(const DrawOp& op);
    // A text in double quotes, line breaks written as \n, quotes and backslashes escaped.
    static std::string quoted(const std::string& text);

    // Records what the hooks of a surface receive.
    void scale(const Surface& surface);
    void line(const Surface& surface, float x1, float y1, float x2, float y2, Colour colour);
    void box(const Surface& surface, float x1, float y1, float x2, float y2, Colour colour);
    void fill(float x1, float y1, float x2, float y2, Colour colour);
    void text(const Surface& surface, float x, float y, const std::string& text);
    void message(const std::string& text);

private:
    std::vector<DrawOp> ops_;
};

// The lines a plot routine draws in the trace colour, in order: its spectral lines or the
// points of its trace, as the plot itself decides them.
std::vector<DrawOp> traceLinesOf(void (*plot)(Surface&));

// A surface that keeps every operation in order, for tests and for the render tool.
// Every segment is kept with both ends, also those drawn from the current position.
class RecordingSurface : public Surface {
public:
    using Surface::Surface;

    OpLog& log() { return log_; }
    const std::vector<DrawOp>& ops() const { return log_.ops(); }

protected:
    void scaleChanged() override { log_.scale(*this); }
    void drawLine(float x1, float y1, float x2, float y2, Colour colour) override
    {
        log_.line(*this, x1, y1, x2, y2, colour);
    }
    void drawBox(float x1, float y1, float x2, float y2, Colour colour) override
    {
        log_.box(*this, x1, y1, x2, y2, colour);
    }
    void drawFilledBox(float x1, float y1, float x2, float y2, Colour colour) override
    {
        log_.fill(x1, y1, x2, y2, colour);
    }
    void drawText(float x, float y, const std::string& text) override { log_.text(*this, x, y, text); }

private:
    OpLog log_;
};
