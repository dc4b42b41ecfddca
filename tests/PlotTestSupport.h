// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers for the tests of the plots, which run without Qt.

#include "core/RecordingSurface.h"
#include "core/modMain.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

// The shared state as the program starts it.
inline void startUpState()
{
    modMain::clearSharedState();
    modMain::InitSharedState();
}

// Runs `check` once in every setting the AM window offers (168), from the start-up state,
// with the setting's name for failure messages; returns how many it ran.
inline int forEachAmSetting(const std::function<void(const std::string&)>& check)
{
    int settings = 0;
    for (float audio : { 1.0f, 2.0f, 3.0f })
        for (float depth : { 0.0f, 0.1f, 0.25f, 0.5f, 1.0f, 1.2f, 1.4f })
            for (std::int16_t clipper : { 0, 1 })
                for (std::int16_t scale : { 1, 2 })
                    for (std::int16_t demodulator : { 0, 1 }) {
                        startUpState();
                        modMain::AudioKHz = audio;
                        modMain::ModDepth = depth;
                        modMain::ClipperOn = clipper;
                        modMain::YAxisMode = scale;
                        modMain::DemodType = demodulator;
                        check(testing::PrintToString(std::tuple { audio, depth, clipper, scale, demodulator }));
                        ++settings;
                    }
    return settings;
}

// The same in every setting the SSB window offers (576).
inline int forEachSsbSetting(const std::function<void(const std::string&)>& check)
{
    const float levels[] = { 0, -6, -12, -20, -30, -40, -50, -120 };
    int settings = 0;
    for (float audio : { 1.0f, 2.0f, 3.0f })
        for (std::int16_t mode : { 2, -1, 1 })
            for (float carrier : levels)
                for (float sideband : levels) {
                    startUpState();
                    modMain::AudioKHz = audio;
                    modMain::SsbMode = mode;
                    modMain::CarrierLevel = carrier;
                    modMain::SidebandLevel = sideband;
                    check(testing::PrintToString(std::tuple { audio, mode, carrier, sideband }));
                    ++settings;
                }
    return settings;
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
