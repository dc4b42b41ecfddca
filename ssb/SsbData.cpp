// SPDX-License-Identifier: GPL-3.0-or-later
#include "ssb/SsbPlots.h"

#include "core/RecordingSurface.h"
#include "core/modMain.h"

using namespace modMain;

// The lines the spectrum draws, each with its own level: the carrier at the carrier
// level, the wanted sideband 6 dB down, the unwanted one SidebandLevel below that, also
// where its line is pulled up to the baseline.
std::vector<SpectrumLine> ssbSpectrumLines()
{
    std::vector<SpectrumLine> lines;
    for (const DrawOp& line : traceLinesOf(DrawSsbSpectrum)) {
        // The spectrum leaves its panel registers set: 0.1 of the panel's width per kHz.
        const double offsetKHz = (double(line.x1) - PanelCentre) / (0.1 * PanelWidth);
        double levelDb = -6;
        if (offsetKHz == 0)
            levelDb = CarrierLevel;
        else if (offsetKHz < 0 && SsbMode == 2)
            levelDb = -6.0 + SidebandLevel;
        lines.push_back({ .offsetHz = offsetKHz * 1000.0, .amplitude = levelGain(levelDb) });
    }
    return lines;
}

std::vector<Trace> ssbTraces()
{
    Trace waveform { "waveform", {} };
    const auto lines = traceLinesOf(DrawSsbEnvelope);
    waveform.points.reserve(lines.size());
    // The trace counts its time in single precision; so do its points. The zero line is at
    // y 3000 and the unmodulated carrier 1200 units high.
    float t = 0;
    for (const DrawOp& line : lines) {
        waveform.points.push_back({ double(t), (3000.0 - double(line.y2)) / 1200.0 });
        t += 0.00005f;
    }
    return { waveform };
}
