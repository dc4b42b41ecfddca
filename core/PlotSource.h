// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PeriodicSound.h"
#include "core/PlotData.h"
#include "core/Translation.h"

#include <cstddef>
#include <limits>
#include <string>
#include <vector>

// A rectangle in a window's logical units; its edges belong to it.
struct LogicalRect {
    double left = 0, top = 0, right = 0, bottom = 0;

    double width() const { return right - left; }
    bool contains(double x, double y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// One plot of a window: its dark box and how its x axis runs.
struct PlotPanel {
    enum class Kind {
        Spectrum,
        Trace
    };
    Kind kind = Kind::Spectrum;
    LogicalRect area;        // the dark box, in the window's logical units
    double originX = 0;      // x of the carrier (spectrum) or of t = 0 (trace)
    double unitsPerStep = 1; // x units per Hz (spectrum) or per ms (trace)
    std::string trace;       // the trace's name, for a trace panel
    std::string title;       // as printed over the panel, in bold at y 100
    float titleLeft = 0;     // where the title starts
};

// The panels with their titles in the reader's language.
std::vector<PlotPanel> inReadersLanguage(std::vector<PlotPanel> panels);

// What a demonstration window tells of its plots: where they stand, the numbers behind
// them, how they sound, and how to name and explain them. The context menu, readouts,
// sound and the render tools ask for these.
class PlotSource {
public:
    virtual ~PlotSource() = default;

    virtual std::vector<PlotPanel> plotPanels() const = 0;
    // Whether there is a plot to take numbers or a sound from (the FM window has none
    // before its first accepted Update), without computing anything.
    virtual bool hasPlot() const { return true; }
    // The lines and traces of the plots as they stand; none where there is no plot yet.
    virtual std::vector<SpectrumLine> spectrumLines() = 0;
    virtual std::vector<Trace> traces() = 0;
    // The state, as a file name says it: "am-100pct-1khz-linear".
    virtual std::string stateName() const = 0;
    // What the window's help says: a short text in simple HTML.
    virtual std::string helpText() const = 0;
    // The index of an FM line's Bessel function (NaN elsewhere), and a line that every
    // readout over the plot adds (empty for none), in UTF-8.
    virtual double besselIndex() const { return std::numeric_limits<double>::quiet_NaN(); }
    virtual std::string plotNote() { return {}; }
    // What the plots sound like, for the settings as they stand; empty when there is
    // nothing to hear (no plot yet).
    virtual PeriodicSound sound() { return {}; }
};

// The panel at a point in logical units, or -1.
int panelAt(const PlotSource& source, double x, double y);

// Whether a panel has numbers to copy or save, without computing them.
bool panelHasData(const PlotSource& source, std::size_t panel);

// The numbers behind one panel, as a table (see spectrumTable, traceTable); empty where
// the panel has none.
std::string panelTable(PlotSource& source, std::size_t panel, char separator);

// The default name of a file: "tavinel-am-100pct-1khz-linear.png" for the picture,
// "tavinel-am-100pct-1khz-linear-lines.csv" for a panel's data, "...wav" for the sound.
std::string pictureFileName(const PlotSource& source, const std::string& extension);
std::string dataFileName(const PlotSource& source, std::size_t panel);
std::string soundFileName(const PlotSource& source);

// The readout over a point in logical units, lines joined by "\n" (UTF-8); empty where
// there is none: the nearest spectral line within 2 % of the panel's width, or the
// trace's point drawn nearest in time, then the plot's note.
std::string readoutAt(PlotSource& source, double x, double y);
