// SPDX-License-Identifier: GPL-3.0-or-later
#include "am/AmPlots.h"

#include "am/AmAudioSines.h"
#include "core/RecordingSurface.h"
#include "core/modMain.h"

#include <algorithm>
#include <cmath>

using namespace modMain;

// The lines the spectrum draws, each with its level from the table the spectrum uses:
// the line's place says which pair it is.
// Beside it, the line's amplitude in the spectrum of the envelope the left plot draws.
std::vector<SpectrumLine> amSpectrumLines()
{
    std::vector<SpectrumLine> lines;
    std::vector<int> pairs;
    for (const DrawOp& line : traceLinesOf(DrawAmSpectrum)) {
        // The spectrum leaves its panel registers set: 0.1 of the panel's width per kHz.
        const double offsetKHz = (double(line.x1) - PanelCentre) / (0.1 * PanelWidth);
        const int k = int(std::lround(std::fabs(offsetKHz) / AudioKHz));
        const double D = k == 0 ? 0.0 : amSidebandLevel(k);
        lines.push_back({ .offsetHz = offsetKHz * 1000.0, .amplitude = std::pow(10.0, -D / 20.0) });
        pairs.push_back(k);
    }
    const std::vector<double> exact = amEnvelopeSpectrum(pairs.empty() ? 0 : *std::max_element(pairs.begin(), pairs.end()));
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (std::size_t(pairs[i]) < exact.size())
            lines[i].exactAmplitude = exact[std::size_t(pairs[i])];
    return lines;
}

namespace {

// A trace's points: step n of `steps` per millisecond, its value read back from the y it
// was drawn at, where `zero` stands for 0 and 1200 units for the unmodulated carrier.
Trace traceOf(const char* name, void (*plot)(Surface&), double steps, double zero)
{
    Trace trace { name, {} };
    const auto lines = traceLinesOf(plot);
    trace.points.reserve(lines.size());
    for (std::size_t n = 0; n < lines.size(); ++n)
        trace.points.push_back({ double(n) / steps, (zero - double(lines[n].y2)) / 1200.0 });
    return trace;
}

}

std::vector<Trace> amTraces()
{
    // Each point of the envelope plot is the carrier's sample at step n; the outline it
    // fills is the envelope factor at that step.
    Trace envelope = traceOf("envelope", DrawAmEnvelope, 36000, 3000);
    const AudioSineTable audioSines = amAudioSineTable();
    for (std::size_t n = 0; n < envelope.points.size() && n < audioSines->size(); ++n)
        envelope.points[n].envelope = amEnvelopeFactor((*audioSines)[n]);
    return { envelope, traceOf("demodulator", DrawAmDemodOutput, 360, 4200) };
}
