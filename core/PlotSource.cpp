// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PlotSource.h"

#include <algorithm>
#include <cmath>

int panelAt(const PlotSource& source, double x, double y)
{
    const auto panels = source.plotPanels();
    for (std::size_t i = 0; i < panels.size(); ++i)
        if (panels[i].area.contains(x, y))
            return int(i);
    return -1;
}

bool panelHasData(const PlotSource& source, std::size_t panel)
{
    return panel < source.plotPanels().size() && source.hasPlot();
}

std::string panelTable(PlotSource& source, std::size_t panel, char separator)
{
    const auto panels = source.plotPanels();
    if (panel >= panels.size() || !source.hasPlot())
        return {};
    if (panels[panel].kind == PlotPanel::Kind::Spectrum) {
        const auto lines = source.spectrumLines();
        return lines.empty() ? std::string() : spectrumTable(lines, separator);
    }
    auto traces = source.traces();
    std::erase_if(traces, [&](const Trace& trace) { return trace.plot != panels[panel].trace; });
    return traces.empty() ? std::string() : traceTable(traces, separator);
}

std::string pictureFileName(const PlotSource& source, const std::string& extension)
{
    return "tavinel-" + source.stateName() + "." + extension;
}

std::string dataFileName(const PlotSource& source, std::size_t panel)
{
    const auto panels = source.plotPanels();
    const std::string what
        = panel < panels.size() && panels[panel].kind == PlotPanel::Kind::Trace ? panels[panel].trace : "lines";
    return "tavinel-" + source.stateName() + "-" + what + ".csv";
}

std::string soundFileName(const PlotSource& source)
{
    return pictureFileName(source, "wav");
}

std::string readoutAt(PlotSource& source, double x, double y)
{
    const int index = panelAt(source, x, y);
    if (index < 0)
        return {};
    const PlotPanel panel = source.plotPanels()[std::size_t(index)];
    std::vector<std::string> readout;
    if (panel.kind == PlotPanel::Kind::Spectrum) {
        // The nearest line, if one stands within 2 % of the panel's width.
        const auto lines = source.spectrumLines();
        const auto distance = [&](const SpectrumLine& line) {
            return std::fabs(panel.originX + line.offsetHz * panel.unitsPerStep - x);
        };
        const auto nearest = std::min_element(lines.begin(), lines.end(), [&](const auto& a, const auto& b) {
            return distance(a) < distance(b);
        });
        if (nearest != lines.end() && distance(*nearest) <= 0.02 * panel.area.width())
            readout.push_back(lineReadout(*nearest, source.besselIndex()));
    } else {
        // The point drawn nearest in time.
        const double time = (x - panel.originX) / panel.unitsPerStep;
        for (const Trace& trace : source.traces()) {
            if (trace.plot != panel.trace || trace.points.empty())
                continue;
            auto after = std::lower_bound(trace.points.begin(), trace.points.end(), time,
                                          [](const TracePoint& p, double t) { return p.timeMs < t; });
            if (after == trace.points.end()
                || (after != trace.points.begin() && time - (after - 1)->timeMs < after->timeMs - time))
                --after;
            readout.push_back(pointReadout(*after));
        }
    }
    if (const std::string note = source.plotNote(); !note.empty())
        readout.push_back(note);
    std::string text;
    for (const std::string& line : readout)
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

std::vector<PlotPanel> inReadersLanguage(std::vector<PlotPanel> panels)
{
    for (PlotPanel& panel : panels)
        panel.title = translated("Plots", panel.title);
    return panels;
}
