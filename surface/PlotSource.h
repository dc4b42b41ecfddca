// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PeriodicSound.h"
#include "core/PlotData.h"

#include <QRectF>
#include <QString>

#include <limits>
#include <string>
#include <vector>

// What a demonstration window tells of its plots: where they stand, the numbers behind
// them, how they sound, and how to name and explain them. The window's plot actions
// (PlotActions), its sound actions (SoundActions) and the render tool ask for these.
class PlotSource {
public:
    struct Panel {
        enum class Kind { Spectrum, Trace };
        Kind kind = Kind::Spectrum;
        QRectF area;             // in the window's logical units
        double originX = 0;      // x of the carrier (spectrum) or of t = 0 (trace)
        double unitsPerStep = 1; // x units per Hz (spectrum) or per ms (trace)
        std::string trace;       // the trace's name, for a trace panel
    };

    virtual ~PlotSource() = default;

    virtual std::vector<Panel> plotPanels() const = 0;
    // The lines and traces of the plots as they stand; none where there is no plot yet.
    virtual std::vector<SpectrumLine> spectrumLines() = 0;
    virtual std::vector<Trace> traces() = 0;
    // The state, as a file name says it: "am-100pct-1khz-linear".
    virtual std::string stateName() const = 0;
    // What the window's help says: a short text in simple HTML.
    virtual QString helpText() const = 0;
    // The index of an FM line's Bessel function (NaN elsewhere), and a line that every
    // readout over the plot adds (empty for none).
    virtual double besselIndex() const { return std::numeric_limits<double>::quiet_NaN(); }
    virtual QString plotNote() { return {}; }
    // What the plots sound like, for the settings as they stand; empty when there is
    // nothing to hear (no plot yet). hasSound() tells which without computing it.
    virtual PeriodicSound sound() { return {}; }
    virtual bool hasSound() const { return false; }
};
