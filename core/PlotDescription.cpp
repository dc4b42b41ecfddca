// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PlotDescription.h"

#include "core/PlotSource.h"
#include "core/Translation.h"

#include <algorithm>
#include <cmath>

namespace {

// An FM spectrum has tens of lines: its five strongest say what it looks like.
constexpr std::size_t StrongestLines = 5;

// The traces' names, which the descriptions say in the reader's language.
[[maybe_unused]] constexpr const char* TraceNames[]
    = { TAVINEL_TEXT("Plots", "envelope"), TAVINEL_TEXT("Plots", "demodulator"), TAVINEL_TEXT("Plots", "waveform") };

std::string level(const SpectrumLine& line)
{
    return fixedReadout(line.levelDb(), 1) + " dB";
}

std::string frequency(double hz)
{
    return std::fabs(hz) >= 1000 ? fixedReadout(std::fabs(hz) / 1000, 3) + " kHz" : fixedReadout(std::fabs(hz), 0) + " Hz";
}

std::string describeSpectrum(std::vector<SpectrumLine> lines, double fmIndex)
{
    std::string text;
    const auto add = [&text](const std::string& part) { text += (text.empty() ? "" : "; ") + part; };
    if (lines.empty())
        return translated("Plots", "No lines");
    if (!std::isnan(fmIndex) && lines.size() > StrongestLines) {
        std::stable_sort(lines.begin(), lines.end(),
                         [](const SpectrumLine& a, const SpectrumLine& b) { return a.amplitude > b.amplitude; });
        text = withValues(translated("Plots", "%1 lines; the strongest"), { std::to_string(lines.size()) });
        lines.resize(StrongestLines);
        for (const SpectrumLine& line : lines)
            text += "; " + (line.offsetHz == 0 ? translated("Plots", "carrier") : std::string(line.offsetHz < 0 ? "\u2212" : "+") + frequency(line.offsetHz))
                + " " + level(line);
        return text;
    }
    std::stable_sort(lines.begin(), lines.end(),
                     [](const SpectrumLine& a, const SpectrumLine& b) { return std::fabs(a.offsetHz) < std::fabs(b.offsetHz); });
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const SpectrumLine& line = lines[i];
        if (line.offsetHz == 0) {
            add(translated("Plots", "carrier") + " " + level(line));
            continue;
        }
        // A pair: the same offset below and above the carrier.
        if (i + 1 < lines.size() && lines[i + 1].offsetHz == -line.offsetHz) {
            const SpectrumLine& other = lines[++i];
            const bool same = std::fabs(line.levelDb() - other.levelDb()) < 0.05;
            const std::string levels = same ? level(line)
                                            : withValues(translated("Plots", "%1 below, %2 above"),
                                                         { level(line.offsetHz < 0 ? line : other), level(line.offsetHz < 0 ? other : line) });
            add(withValues(translated("Plots", "sidebands at \u00B1%1 %2"), { frequency(line.offsetHz), levels }));
            continue;
        }
        const std::string offset = (line.offsetHz < 0 ? "\u2212" : "+") + frequency(line.offsetHz);
        add(withValues(line.offsetHz < 0 ? translated("Plots", "lower sideband at %1 %2") : translated("Plots", "upper sideband at %1 %2"),
                       { offset, level(line) }));
    }
    return text;
}

std::string describeTrace(const Trace& trace)
{
    const auto [low, high] = std::minmax_element(trace.points.begin(), trace.points.end(),
                                                 [](const TracePoint& a, const TracePoint& b) { return a.value < b.value; });
    return withValues(translated("Plots", "%1 from %2 to %3 ms, swinging between %4 and %5"),
                      { translated("Plots", trace.plot), fixedReadout(trace.points.front().timeMs, 1),
                        fixedReadout(trace.points.back().timeMs, 1), fixedReadout(low->value, 3), fixedReadout(high->value, 3) });
}

}

std::vector<std::string> panelDescriptions(PlotSource& source)
{
    const std::vector<PlotPanel> panels = source.plotPanels();
    if (!source.hasPlot())
        return std::vector<std::string>(panels.size());
    const auto has = [&](PlotPanel::Kind kind) {
        return std::any_of(panels.begin(), panels.end(), [&](const PlotPanel& p) { return p.kind == kind; });
    };
    const std::vector<SpectrumLine> lines = has(PlotPanel::Kind::Spectrum) ? source.spectrumLines() : std::vector<SpectrumLine>();
    const std::vector<Trace> traces = has(PlotPanel::Kind::Trace) ? source.traces() : std::vector<Trace>();
    const std::string note = source.plotNote();
    std::vector<std::string> descriptions;
    for (const PlotPanel& panel : panels) {
        std::string text;
        if (panel.kind == PlotPanel::Kind::Spectrum)
            text = describeSpectrum(lines, source.besselIndex());
        else
            for (const Trace& trace : traces)
                if (trace.plot == panel.trace && !trace.points.empty())
                    text = describeTrace(trace);
        if (!note.empty())
            text += (text.empty() ? "" : ". ") + note;
        descriptions.push_back(text.empty() ? text : text + ".");
    }
    return descriptions;
}
