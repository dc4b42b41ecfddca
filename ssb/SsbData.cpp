// SPDX-License-Identifier: GPL-3.0-or-later
#include "ssb/SsbPlots.h"

#include "core/ExactSine.h"
#include "core/RecordingSurface.h"
#include "core/modMain.h"

#include <cmath>

using namespace modMain;

namespace {

// The amplitudes of the three sines the waveform sums, in units of the full carrier, from
// the same level gains: the carrier, the upper and the lower sideband (0 where not sent).
struct Components {
    double carrier, upper, lower;
};

Components waveformComponents()
{
    if (SsbMode == 2) // each full sideband half the full carrier
        return { levelGain(CarrierLevel), 0.5, 0.5 * levelGain(SidebandLevel) };
    // One sideband, and the carrier taken 6 dB up and halved, as the waveform has them.
    return { 0.5 * levelGain(CarrierLevel + 6.0), 0.5, 0 };
}

}

// The lines the spectrum draws, each with its own level: the carrier at the carrier
// level, the wanted sideband 6 dB down, the unwanted one SidebandLevel below that, also
// where its line is pulled up to the baseline. Beside it, the amplitude of that component
// in the waveform: the wanted sideband is half the full carrier, 6.02 dB down.
std::vector<SpectrumLine> ssbSpectrumLines()
{
    const Components sent = waveformComponents();
    std::vector<SpectrumLine> lines;
    for (const DrawOp& line : traceLinesOf(DrawSsbSpectrum)) {
        // The spectrum leaves its panel registers set: 0.1 of the panel's width per kHz.
        const double offsetKHz = (double(line.x1) - PanelCentre) / (0.1 * PanelWidth);
        double levelDb = -6;
        double exact = sent.upper;
        if (offsetKHz == 0) {
            levelDb = CarrierLevel;
            exact = sent.carrier;
        } else if (offsetKHz < 0 && SsbMode == 2) {
            levelDb = -6.0 + SidebandLevel;
            exact = sent.lower;
        }
        lines.push_back({ .offsetHz = offsetKHz * 1000.0, .amplitude = levelGain(levelDb), .exactAmplitude = exact });
    }
    return lines;
}

std::vector<Trace> ssbTraces()
{
    Trace waveform { "waveform", {} };
    const auto lines = traceLinesOf(DrawSsbEnvelope);
    waveform.points.reserve(lines.size());
    // The waveform sums sines of its components' phases 2 t pi f, the carrier's at 500 kHz
    // and a sideband's a tone's width either side. Seen from the carrier, each component is
    // a phasor turning at its offset; the outline is the length of their sum, exact for
    // any such sum: |carrier + upper e^(i w) + lower e^(-i w)|, w = 2 t pi AudioKHz.
    const Components sent = waveformComponents();
    constexpr double QuarterTurn = 1.570796326794896619231;
    // The trace counts its time in single precision; so do its points. The zero line is at
    // y 3000 and the unmodulated carrier 1200 units high.
    float t = 0;
    for (const DrawOp& line : lines) {
        const double w = 2.0 * double(t) * double(Pi) * double(AudioKHz);
        const double re = sent.carrier + (sent.upper + sent.lower) * exactSin(w + QuarterTurn);
        const double im = (sent.upper - sent.lower) * exactSin(w);
        waveform.points.push_back({ double(t), (3000.0 - double(line.y2)) / 1200.0, std::sqrt(re * re + im * im) });
        t += 0.00005f;
    }
    return { waveform };
}
