// SPDX-License-Identifier: GPL-3.0-or-later
#include "fm/FmPlotSource.h"

#include "core/NumberText.h"
#include "core/modMain.h"
#include "fm/FmSpectrumPlot.h"
#include "fm/FmState.h"

#include <cmath>

using namespace FmState;

void FmPlotSource::keepPlottedValues()
{
    plotted_ = Values { ModulatingFrequency, PeakDeviation, PlotBottom, modMain::PanelWidth, ModIndex };
}

bool FmPlotSource::restorePlottedValues() const
{
    if (!plotted_)
        return false;
    ModulatingFrequency = plotted_->modulatingFrequency;
    PeakDeviation = plotted_->peakDeviation;
    PlotBottom = plotted_->plotBottom;
    modMain::PanelWidth = plotted_->plotWidth;
    ModIndex = plotted_->modIndex;
    return true;
}

std::vector<PlotPanel> FmPlotSource::plotPanels() const
{
    // The panel's 5000 units span the plot width about the carrier at x 8500.
    const double unitsPerHz = plotted_ ? 5000.0 / double(plotted_->plotWidth) : 1.0;
    return { { PlotPanel::Kind::Spectrum, Area, 8500, unitsPerHz, {}, {}, 0 } };
}

std::vector<SpectrumLine> FmPlotSource::spectrumLines()
{
    if (!restorePlottedValues())
        return {};
    return fmSpectrumLines();
}

std::vector<Trace> FmPlotSource::traces()
{
    return {};
}

PeriodicSound FmPlotSource::sound()
{
    if (!restorePlottedValues())
        return {};
    return fmSound();
}

std::string FmPlotSource::stateName() const
{
    if (!plotted_)
        return "fm";
    return "fm-" + formatSingle(plotted_->modulatingFrequency) + "hz-dev" + formatSingle(plotted_->peakDeviation)
        + "hz-width" + formatSingle(plotted_->plotWidth) + "hz-bottom-" + formatSingle(plotted_->plotBottom) + "db";
}

double FmPlotSource::besselIndex() const
{
    return plotted_ ? double(plotted_->modIndex) : PlotSource::besselIndex();
}

std::string FmPlotSource::plotNote()
{
    if (!plotted_)
        return {};
    // Carson's rule: nearly all the power lies within twice the deviation plus the
    // modulating frequency.
    const double bandwidth
        = 2.0 * (std::fabs(double(plotted_->peakDeviation)) + std::fabs(double(plotted_->modulatingFrequency)));
    return withValues(translated("Plots", "Modulation index %1 \u00B7 bandwidth by Carson's rule %2 kHz"),
                      { fixedReadout(plotted_->modIndex, 3), readoutNumber(formatDataNumber(bandwidth / 1000.0)) });
}

std::string FmPlotSource::helpText() const
{
    return translated("frmFMplot", "<p><b>Frequency modulation.</b> A carrier whose frequency swings with an audio tone.</p>"
                                   "<p><b>The plot</b> shows the line spectrum: the carrier at Fc and a pair of lines at each "
                                   "multiple of the modulating frequency, their levels in decibels from Bessel functions of "
                                   "the modulation index, the peak deviation divided by the modulating frequency. Type the "
                                   "four values (\"3k\" is 3000) and press Update or Enter.</p>"
                                   "<p><b>Things to try</b><ul>"
                                   "<li>Peak deviation 7.215k with 3k: index 2.405, the first zero of J0: the carrier "
                                   "all but vanishes.</li>"
                                   "<li>Peak deviation 15k: index 5, many lines, some pairs weaker than their neighbours.</li>"
                                   "<li>Plot bottom -100 to see the weak outer lines; plot width 50k to see further out.</li>"
                                   "</ul></p>");
}
