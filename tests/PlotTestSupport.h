// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers for the tests of the plots, which run without Qt.

#include "core/RecordingSurface.h"
#include "core/modMain.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

// The shared state as the program starts it.
inline void startUpState()
{
    modMain::clearSharedState();
    modMain::InitSharedState();
}

// The lines drawn in the trace colour, in order.
inline std::vector<DrawOp> traceLines(const std::vector<DrawOp>& ops)
{
    std::vector<DrawOp> found;
    for (const DrawOp& op : ops)
        if (op.kind == DrawOp::Kind::Line && op.colour == modMain::TraceColour)
            found.push_back(op);
    return found;
}

// The operations as the render tool writes them, only those of one kind when it is given.
inline std::vector<std::string> formatted(const std::vector<DrawOp>& ops, std::optional<DrawOp::Kind> kind = {})
{
    std::vector<std::string> text;
    for (const DrawOp& op : ops)
        if (!kind || op.kind == *kind)
            text.push_back(OpLog::format(op));
    return text;
}
