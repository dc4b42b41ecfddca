// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// The numbers behind a plot, as spreadsheets and lab reports take them.

// One line of a spectrum plot.
struct SpectrumLine {
    double offsetHz = 0;  // from the carrier; negative below it
    double amplitude = 0; // relative to the unmodulated carrier
    int order = -1;       // the Bessel order of an FM line; -1 elsewhere

    // 20 log10(amplitude): negative when weaker than the unmodulated carrier.
    double levelDb() const;
};

// One point of a time trace, and a trace by name.
struct TracePoint {
    double timeMs = 0;
    double value = 0; // relative to the unmodulated carrier's amplitude
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
std::string spectrumTable(std::vector<SpectrumLine> lines, char separator);

// The traces' points, with the header "plot,time_ms,value", one row each, in order.
std::string traceTable(const std::vector<Trace>& traces, char separator);

// Readouts, as a tooltip shows them (UTF-8, a true minus sign):
// "+3 kHz · 0.440 · −7.13 dB"; an FM line also names its Bessel function and the index,
// "+3 kHz · J1(1.000) · 0.440 · −7.13 dB" (fmIndex is NaN for other lines).
std::string lineReadout(const SpectrumLine& line, double fmIndex);
// "0.250 ms · −1.848"
std::string pointReadout(const TracePoint& point);
// A number with a fixed count of decimals, a point and a true minus sign: "−7.13".
std::string fixedReadout(double value, int decimals);
