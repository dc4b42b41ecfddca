// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <limits>
#include <string>
#include <vector>

// The numbers behind a plot, as spreadsheets and lab reports take them.

// One line of a spectrum plot.
struct SpectrumLine {
    double offsetHz = 0;  // from the carrier; negative below it
    double amplitude = 0; // relative to the unmodulated carrier, as the plot draws it
    int order = -1;       // the Bessel order of an FM line; -1 elsewhere
    // The amplitude of the signal the window describes, worked out in double precision
    // where the plot takes its level from a table or a single-precision series; NaN
    // where the window gives none.
    double exactAmplitude = std::numeric_limits<double>::quiet_NaN();

    // 20 log10(amplitude): negative when weaker than the unmodulated carrier.
    double levelDb() const;
    // The same of exactAmplitude.
    double exactLevelDb() const;
};

// One point of a time trace, and a trace by name.
struct TracePoint {
    double timeMs = 0;
    double value = 0; // relative to the unmodulated carrier's amplitude
    // Where the trace is a modulated carrier, its envelope (the outline the trace fills)
    // at that time, in the same units; NaN elsewhere.
    double envelope = std::numeric_limits<double>::quiet_NaN();
};

struct Trace {
    std::string plot; // "envelope", "demodulator", "waveform"
    std::vector<TracePoint> points;
};

// A number with six significant digits and a point for the decimal separator, whatever
// the locale: "0.501187", "-6", "1.5e-05".
std::string formatDataNumber(double value);

// The lines sorted by offset, with the header "offset_hz,amplitude,level_db", one row
// each, fields separated by `separator` (',' for a CSV file, '\t' for the clipboard).
// Where a line has an exact amplitude, every row ends with two more fields,
// "exact_amplitude,exact_level_db" ("nan" for a line without).
std::string spectrumTable(std::vector<SpectrumLine> lines, char separator);

// The traces' points, with the header "plot,time_ms,value", one row each, in order.
// Where a point has an envelope, every row ends with one more field, "envelope" (empty
// for a point without: the demodulator's output is no carrier).
std::string traceTable(const std::vector<Trace>& traces, char separator);

// Readouts, as a tooltip shows them (UTF-8, a true minus sign):
// "+3 kHz · 0.440 · −7.13 dB"; an FM line also names its Bessel function and the index,
// "+3 kHz · J1(1.000) · 0.440 · −7.13 dB" (fmIndex is NaN for other lines). A line with
// an exact amplitude gives it after the drawn one:
// "+1 kHz · 0.479 · −6.40 dB drawn · 0.500 · −6.02 dB exact".
std::string lineReadout(const SpectrumLine& line, double fmIndex);
// "0.250 ms · −1.848"; with the envelope, "0.250 ms · −1.848 · envelope 1.905".
std::string pointReadout(const TracePoint& point);
// A number with a fixed count of decimals, a point and a true minus sign: "−7.13" ("−∞" for
// the level of a line that is not there).
std::string fixedReadout(double value, int decimals);
// A number as a readout writes it: with the reader's decimal separator.
std::string readoutNumber(std::string number);
