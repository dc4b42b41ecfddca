// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PlotData.h"

#include "core/Translation.h"

#include "core/NumberText.h"
#include "core/PortableNumbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

double decibels(double amplitude)
{
    if (!(amplitude > 0))
        return -std::numeric_limits<double>::infinity();
    return 20.0 * std::log10(amplitude);
}

}

double SpectrumLine::levelDb() const
{
    return decibels(amplitude);
}

double SpectrumLine::exactLevelDb() const
{
    return std::isnan(exactAmplitude) ? exactAmplitude : decibels(exactAmplitude);
}

std::string formatDataNumber(double value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    return generalDigits(value, 6);
}

std::string fixedReadout(double value, int decimals)
{
    // The level of a line that is not there at all.
    if (std::isinf(value))
        return value < 0 ? "\u2212\u221E" : "\u221E";
    const std::string digits = fixedText(std::fabs(value), decimals);
    const bool zero = digits.find_first_not_of("0.") == std::string::npos;
    return readoutNumber((value < 0 && !zero ? "\u2212" : "") + digits);
}

std::string readoutNumber(std::string number)
{
    std::replace(number.begin(), number.end(), '.', decimalSeparator());
    return number;
}

namespace {

// "+3 kHz", "−1.5 kHz", "+600 Hz", "0 kHz": kilohertz with at most three decimals, hertz
// below one kilohertz.
std::string offsetReadout(double offsetHz)
{
    const double size = std::fabs(offsetHz);
    std::string number = size >= 1000 || size == 0 ? fixedReadout(size / 1000, 3) : fixedReadout(size, 3);
    number.erase(number.find_last_not_of('0') + 1);
    if (number.back() == decimalSeparator())
        number.pop_back();
    const char* sign = offsetHz > 0 ? "+" : offsetHz < 0 ? "\u2212"
                                                         : "";
    return sign + number + (size >= 1000 || size == 0 ? " kHz" : " Hz");
}

// Three decimals, or six significant digits for what would read 0.000.
std::string amplitudeReadout(double amplitude)
{
    return amplitude >= 0.001 || amplitude == 0 ? fixedReadout(amplitude, 3) : readoutNumber(formatDataNumber(amplitude));
}

}

std::string lineReadout(const SpectrumLine& line, double fmIndex)
{
    const char* dot = " \u00B7 ";
    std::string text = offsetReadout(line.offsetHz) + dot;
    if (line.order >= 0 && !std::isnan(fmIndex))
        text.append("J").append(std::to_string(line.order)).append("(").append(fixedReadout(fmIndex, 3)).append(")").append(dot);
    text += amplitudeReadout(line.amplitude) + dot + fixedReadout(line.levelDb(), 2) + " dB";
    if (std::isnan(line.exactAmplitude))
        return text;
    return text + " " + translated("Plots", "drawn") + dot + amplitudeReadout(line.exactAmplitude) + dot
        + fixedReadout(line.exactLevelDb(), 2) + " dB " + translated("Plots", "exact");
}

std::string pointReadout(const TracePoint& point)
{
    std::string text = fixedReadout(point.timeMs, 3) + " ms \u00B7 " + fixedReadout(point.value, 3);
    if (!std::isnan(point.envelope))
        text += " \u00B7 " + translated("Plots", "envelope") + " " + fixedReadout(point.envelope, 3);
    return text;
}

std::string spectrumTable(std::vector<SpectrumLine> lines, char separator)
{
    std::stable_sort(lines.begin(), lines.end(),
                     [](const SpectrumLine& a, const SpectrumLine& b) { return a.offsetHz < b.offsetHz; });
    const bool exact
        = std::any_of(lines.begin(), lines.end(), [](const SpectrumLine& line) { return !std::isnan(line.exactAmplitude); });
    std::string table = std::string("offset_hz") + separator + "amplitude" + separator + "level_db";
    table += exact ? std::string(1, separator) + "exact_amplitude" + separator + "exact_level_db\n" : "\n";
    for (const SpectrumLine& line : lines) {
        table += formatDataNumber(line.offsetHz) + separator + formatDataNumber(line.amplitude) + separator
            + formatDataNumber(line.levelDb());
        if (exact)
            table += separator + formatDataNumber(line.exactAmplitude) + separator + formatDataNumber(line.exactLevelDb());
        table += '\n';
    }
    return table;
}

std::string traceTable(const std::vector<Trace>& traces, char separator)
{
    const bool envelope = std::any_of(traces.begin(), traces.end(), [](const Trace& trace) {
        return std::any_of(trace.points.begin(), trace.points.end(),
                           [](const TracePoint& point) { return !std::isnan(point.envelope); });
    });
    std::string table = std::string("plot") + separator + "time_ms" + separator + "value";
    table += envelope ? std::string(1, separator) + "envelope\n" : "\n";
    for (const Trace& trace : traces)
        for (const TracePoint& point : trace.points) {
            table += trace.plot + separator + formatDataNumber(point.timeMs) + separator + formatDataNumber(point.value);
            if (envelope)
                table += separator + (std::isnan(point.envelope) ? std::string() : formatDataNumber(point.envelope));
            table += '\n';
        }
    return table;
}
