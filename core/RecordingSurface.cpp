// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/RecordingSurface.h"

#include "core/NumberText.h"
#include "core/modMain.h"

#include <cstdio>
#include <ostream>

void OpLog::scale(const Surface& surface)
{
    ops_.push_back({ .kind = DrawOp::Kind::Scale, .x1 = surface.scaleWidth(), .y1 = surface.scaleHeight() });
}

void OpLog::line(const Surface& surface, float x1, float y1, float x2, float y2, Colour colour)
{
    // clang-format off
    ops_.push_back({ .kind = DrawOp::Kind::Line, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .colour = colour,
                     .width = surface.lineWidth() });
    // clang-format on
}

void OpLog::box(const Surface& surface, float x1, float y1, float x2, float y2, Colour colour)
{
    // clang-format off
    ops_.push_back({ .kind = DrawOp::Kind::Box, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .colour = colour,
                     .width = surface.lineWidth() });
    // clang-format on
}

void OpLog::fill(float x1, float y1, float x2, float y2, Colour colour)
{
    ops_.push_back({ .kind = DrawOp::Kind::Fill, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .colour = colour });
}

void OpLog::text(const Surface& surface, float x, float y, const std::string& text)
{
    // clang-format off
    ops_.push_back({ .kind = DrawOp::Kind::Text, .x1 = x, .y1 = y, .bold = surface.fontBold(),
                     .points = surface.fontSize(), .text = text });
    // clang-format on
}

void OpLog::message(const std::string& text)
{
    ops_.push_back({ .kind = DrawOp::Kind::Message, .text = text });
}

namespace {

std::string hexColour(Colour colour)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%06X", unsigned(colourToRgb(colour)));
    return buffer;
}

}

std::string OpLog::quoted(const std::string& text)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue; // CR LF is one line break
        if (c == '\n' || c == '\r')
            out += "\\n";
        else if (c == '"' || c == '\\')
            out += std::string("\\") + c;
        else
            out += c;
    }
    return out + "\"";
}

namespace {

std::string corners(const DrawOp& op)
{
    return formatSingle(op.x1) + ' ' + formatSingle(op.y1) + ' ' + formatSingle(op.x2) + ' '
        + formatSingle(op.y2);
}

}

std::string OpLog::format(const DrawOp& op)
{
    switch (op.kind) {
    case DrawOp::Kind::Scale:
        return "scale " + formatSingle(op.x1) + ' ' + formatSingle(op.y1);
    case DrawOp::Kind::Fill:
        return "fill " + corners(op) + ' ' + hexColour(op.colour);
    case DrawOp::Kind::Box:
        return "box " + corners(op) + ' ' + hexColour(op.colour) + ' ' + std::to_string(op.width);
    case DrawOp::Kind::Line:
        return "line " + corners(op) + ' ' + hexColour(op.colour) + ' ' + std::to_string(op.width);
    case DrawOp::Kind::Text:
        return "text " + formatSingle(op.x1) + ' ' + formatSingle(op.y1) + ' '
            + (op.bold ? "bold " : "regular ") + formatDouble(op.points) + ' ' + quoted(op.text);
    case DrawOp::Kind::Message:
        return "message " + quoted(op.text);
    }
    return {};
}

std::vector<DrawOp> traceLinesOf(void (*plot)(Surface&))
{
    RecordingSurface surface(12000, 9000);
    plot(surface);
    std::vector<DrawOp> lines;
    for (const DrawOp& op : surface.ops())
        if (op.kind == DrawOp::Kind::Line && op.colour == modMain::TraceColour)
            lines.push_back(op);
    return lines;
}

void OpLog::write(std::ostream& out, std::size_t first) const
{
    for (std::size_t i = first; i < ops_.size(); ++i)
        out << format(ops_[i]) << '\n';
}
