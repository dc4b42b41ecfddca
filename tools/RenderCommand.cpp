// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/RenderCommand.h"

#include "core/PlotSource.h"
#include "core/RecordingSurface.h"
#include "core/Version.h"
#include "core/WavFile.h"
#include "core/WholeFile.h"
#include "core/WindowModel.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>

namespace RenderCommand {

namespace {

// The largest zoom and screen side (twips) the tool takes, as its messages write them.
constexpr const char* LargestZoom = "16";
constexpr const char* LargestScreen = "1000000";

constexpr const char* Usage = "usage: tavinel-render [OPTION ...] WINDOW [STEP ...]\n"
                              "       tavinel-render --help | --version\n";

constexpr const char* Help
    = "Draws a window of Tavinel in a given state without showing it, and writes its picture,\n"
      "its drawing operations or the numbers behind its plots.\n"
      "\n"
      "  WINDOW              opening, am, ssb or fm (as the menu's button opens it)\n"
      "  STEP                one of these, run in order:\n"
      "    click:NAME        press a button, or choose an option button\n"
      "    type:NAME=TEXT    replace a text box's text\n"
      "    key:NAME=KEY      give a control the focus and press a key: Return, Enter,\n"
      "                      Space, Tab, Backtab, Escape, Up, Down, Left, Right, Home,\n"
      "                      End, F1, F11\n"
      "\n"
      "Outputs (at least one; FILE - is standard output, for one output at most):\n"
      "  --png FILE          the window as PNG, 15 twips a pixel times the zoom\n"
      "  --svg FILE          the window as an SVG drawing\n"
      "  --ops FILE          every drawing operation since the window was created, one a\n"
      "                      line, in logical units\n"
      "  --lines-csv FILE    the spectrum's lines: offset_hz,amplitude,level_db,\n"
      "                      exact_amplitude,exact_level_db\n"
      "  --trace-csv FILE    the traces' points: plot,time_ms,value,envelope\n"
      "  --wav FILE          two seconds of the window's sound as WAV (48 kHz, mono,\n"
      "                      16-bit), as Save sound… writes them\n"
      "  --controls FILE     the window's controls after the steps, one a line: name, kind,\n"
      "                      place and size in logical units, font, tab index, state, caption\n"
      "Options:\n"
      "  --zoom F            the PNG's scale (default 1, at most 16)\n"
      "  --screen WxH        the screen size in twips the windows lay themselves out for\n"
      "                      (default 12000x9000, each at most 1000000)\n"
      "  --lang CODE         the language of every text: en (the default, whatever the\n"
      "                      machine's locale), de, fr, es or pt_BR\n"
      "  --help              this text\n"
      "  --version           the version\n"
      "\n"
      "Exit status: 0 done; 1 a file could not be written; 2 a usage error (an unknown\n"
      "option, window, control, step or key, or data the window does not have), after\n"
      "which nothing is written.\n";

struct Options {
    float screenWidth = 12000;
    float screenHeight = 9000;
    double zoom = 1;
    std::string language = "en";
    std::optional<std::string> png;
    std::optional<std::string> ops;
    std::optional<std::string> svg;
    std::optional<std::string> linesCsv;
    std::optional<std::string> traceCsv;
    std::optional<std::string> wav;
    std::optional<std::string> controls;
    std::string window;
    std::vector<std::string> steps;
    bool help = false;
    bool version = false;

    std::array<const std::optional<std::string>*, 7> outputs() const
    {
        return { &png, &ops, &svg, &linesCsv, &traceCsv, &wav, &controls };
    }
    bool asksForOutput() const
    {
        const auto all = outputs();
        return std::any_of(all.begin(), all.end(), [](const auto* file) { return file->has_value(); });
    }
    int toStandardOutput() const
    {
        int count = 0;
        for (const auto* file : outputs())
            count += *file == "-";
        return count;
    }
};

// A number as the C locale writes it: digits, at most one point, an exponent; above 0 and
// at most `largest` (written as given).
double positiveNumber(const std::string& text, const std::string& what, const char* largest)
{
    const char* start = text.c_str();
    char* end = nullptr;
    const double value = std::strtod(start, &end);
    if (end != start + text.size() || !(value > 0))
        throw UsageError(what + " must be a positive number, not '" + text + "'");
    if (value > std::strtod(largest, nullptr))
        throw UsageError(what + " must be at most " + largest + ", not '" + text + "'");
    return value;
}

Options parse(const std::vector<std::string>& arguments)
{
    Options options;
    std::size_t i = 0;
    auto value = [&](const std::string& option) {
        if (i + 1 >= arguments.size())
            throw UsageError(option + " needs a value");
        return arguments[++i];
    };
    const std::map<std::string, std::optional<std::string> Options::*> files
        // clang-format off
        = { { "--png", &Options::png },           { "--ops", &Options::ops },
            { "--svg", &Options::svg },           { "--lines-csv", &Options::linesCsv },
            { "--trace-csv", &Options::traceCsv }, { "--wav", &Options::wav },
            { "--controls", &Options::controls } };
    // clang-format on
    for (; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--screen") {
            const std::string size = value(argument);
            const auto cross = size.find('x');
            if (cross == std::string::npos)
                throw UsageError("--screen takes WIDTHxHEIGHT in twips, not '" + size + "'");
            options.screenWidth = float(positiveNumber(size.substr(0, cross), "the screen width", LargestScreen));
            options.screenHeight = float(positiveNumber(size.substr(cross + 1), "the screen height", LargestScreen));
        } else if (argument == "--zoom") {
            options.zoom = positiveNumber(value(argument), "--zoom", LargestZoom);
        } else if (argument == "--lang") {
            options.language = value(argument);
        } else if (const auto file = files.find(argument); file != files.end()) {
            options.*(file->second) = value(argument);
        } else if (argument == "--help") {
            options.help = true;
            return options;
        } else if (argument == "--version") {
            options.version = true;
            return options;
        } else if (argument.starts_with("--")) {
            throw UsageError("unknown option '" + argument + "'");
        } else {
            break;
        }
    }
    if (i >= arguments.size())
        throw UsageError("no window given");
    if (!options.asksForOutput())
        throw UsageError("no output asked for (--png, --svg, --ops, --lines-csv, --trace-csv, --wav or --controls)");
    if (options.toStandardOutput() > 1)
        throw UsageError("only one output can go to standard output (-)");
    options.window = arguments[i++];
    options.steps.assign(arguments.begin() + std::ptrdiff_t(i), arguments.end());
    return options;
}

// The names of a window's controls of some kinds, sorted.
std::string controlNames(const WindowModel& window, std::initializer_list<ControlKind> kinds)
{
    std::vector<std::string> names;
    for (const Control& control : window.design().controls)
        if (std::find(kinds.begin(), kinds.end(), control.kind) != kinds.end())
            names.push_back(control.name);
    std::sort(names.begin(), names.end());
    std::string joined;
    for (const std::string& name : names)
        joined += (joined.empty() ? "" : ", ") + name;
    return joined;
}

void requireControl(const WindowModel& window, const std::string& name, const std::string& kindText,
                    std::initializer_list<ControlKind> kinds)
{
    const Control* control = window.control(name);
    if (control && std::find(kinds.begin(), kinds.end(), control->kind) != kinds.end())
        return;
    const std::string names = controlNames(window, kinds);
    throw UsageError("window " + window.design().name + " has no " + kindText + " named '" + name + "'"
                     + (names.empty() ? std::string() : " (it has " + names + ")"));
}

constexpr std::initializer_list<ControlKind> AllKinds
    = { ControlKind::Frame, ControlKind::Option, ControlKind::Button, ControlKind::Label, ControlKind::TextBox };

void applyStep(Target& target, const std::string& step)
{
    const auto colon = step.find(':');
    const std::string kind = step.substr(0, colon);
    if (colon == std::string::npos || (kind != "click" && kind != "type" && kind != "key"))
        throw UsageError("unknown step '" + step + "' (use click:NAME, type:NAME=TEXT or key:NAME=KEY)");
    std::string name = step.substr(colon + 1);
    std::string text;
    if (kind == "type" || kind == "key") {
        const auto equals = name.find('=');
        if (equals == std::string::npos)
            throw UsageError("a " + kind + " step needs NAME=" + (kind == "type" ? "TEXT" : "KEY") + ", not '"
                             + step + "'");
        text = name.substr(equals + 1);
        name = name.substr(0, equals);
    }
    WindowModel* window = target.window();
    if (!window)
        throw UsageError("step '" + step + "' comes after the program has ended");
    if (kind == "key") {
        const auto& keys = keyNames();
        if (std::find(keys.begin(), keys.end(), text) == keys.end())
            throw UsageError("unknown key '" + text
                             + "' (use Return, Enter, Space, Tab, Backtab, Escape, Up, Down, Left, Right, Home, End, F1 or F11)");
        requireControl(*window, name, "control", AllKinds);
        target.key(name, text);
    } else if (kind == "click") {
        requireControl(*window, name, "button or option button", { ControlKind::Button, ControlKind::Option });
        target.click(name);
    } else {
        requireControl(*window, name, "text box", { ControlKind::TextBox });
        target.type(name, text);
    }
}

std::string number(double value)
{
    return formatDataNumber(value);
}

}

const std::vector<std::string>& keyNames()
{
    static const std::vector<std::string> names
        = { "Return", "Enter", "Space", "Tab", "Backtab", "Escape", "Up",
            "Down", "Left", "Right", "Home", "End", "F1", "F11" };
    return names;
}

std::string controlListing(const WindowModel& window, const Surface& surface)
{
    const WindowDesign& design = window.design();
    const double unitsPerTwipX = double(surface.scaleWidth()) / design.clientWidthTwips;
    const double unitsPerTwipY = double(surface.scaleHeight()) / design.clientHeightTwips;
    std::string listing = "control " + design.name + " window 0 0 " + number(surface.scaleWidth()) + " "
        + number(surface.scaleHeight()) + " 9.75 " + (design.bold ? "bold" : "regular") + " - enabled - "
        + OpLog::quoted(design.caption) + "\n";
    for (const Control& control : design.controls) {
        TwipsRect twips = control.twips;
        if (const Control* frame = control.frame.empty() ? nullptr : window.control(control.frame)) {
            twips.left += frame->twips.left;
            twips.top += frame->twips.top;
        }
        const int tab = window.tabIndex(control.name);
        const std::string state = control.kind == ControlKind::Option ? (control.checked ? "checked" : "unchecked")
            : control.kind == ControlKind::TextBox                    ? OpLog::quoted(control.caption)
                                                                      : "-";
        listing += "control " + control.name + " " + controlKindName(control.kind) + " "
            + number(twips.left * unitsPerTwipX) + " " + number(twips.top * unitsPerTwipY) + " "
            + number(twips.width * unitsPerTwipX) + " " + number(twips.height * unitsPerTwipY) + " "
            + number(control.points) + " " + (control.bold ? "bold" : "regular") + " "
            + (tab < 0 ? "-" : std::to_string(tab)) + " " + (control.enabled ? "enabled" : "disabled") + " " + state
            + " " + OpLog::quoted(control.kind == ControlKind::TextBox ? std::string() : control.caption) + "\n";
    }
    return listing;
}

int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err, Target& target)
{
    Options options;
    try {
        options = parse(arguments);
        if ((options.png || options.svg) && !target.drawsPictures())
            throw UsageError("this build draws no pictures (--png, --svg): use the desktop's tavinel-render");
        if (!target.useLanguage(options.language))
            throw UsageError("no translation into '" + options.language + "' (en, de, fr, es or pt_BR)");
    } catch (const UsageError& error) {
        err << "tavinel-render: " << error.what() << '\n'
            << Usage << "(--help tells more)\n";
        return 2;
    }
    if (options.help) {
        out << Usage << '\n'
            << Help;
        return 0;
    }
    if (options.version) {
        out << "tavinel-render " << ProgramVersion << '\n';
        return 0;
    }

    static const std::map<std::string, std::string> menuButtons
        = { { "opening", "" }, { "am", "cmdAMenter" }, { "ssb", "cmdSSBenter" }, { "fm", "cmdFMenter" } };
    try {
        const auto button = menuButtons.find(options.window);
        if (button == menuButtons.end())
            throw UsageError("unknown window '" + options.window + "' (choose opening, am, ssb or fm)");
        // Every operation is kept only when they are to be written: a long run of clicks
        // would otherwise keep millions of them.
        target.setUp(options.screenWidth, options.screenHeight, options.zoom, options.ops.has_value());
        target.open(button->second);
        // A step may close the window (Exit): later steps have no window to act on, but
        // the picture and operations are still those of the last window.
        for (const std::string& step : options.steps)
            applyStep(target, step);
    } catch (const UsageError& error) {
        err << "tavinel-render: " << error.what() << '\n';
        return 2;
    }

    // Every output is made before any is written, so a window without the data asked for
    // writes nothing at all.
    std::vector<std::pair<std::string, std::string>> files;
    WindowModel& window = *target.lastWindow();
    PlotSource* plots = window.plots();
    const std::string& windowName = window.design().name;
    try {
        if (options.png)
            files.emplace_back(*options.png, target.png());
        if (options.svg)
            files.emplace_back(*options.svg, target.svg());
        if (options.linesCsv) {
            const auto lines = window.spectrumLines();
            if (lines.empty())
                throw UsageError("window " + windowName
                                 + " has no spectrum to write (the FM window draws one after an accepted Update)");
            files.emplace_back(*options.linesCsv, spectrumTable(lines, ','));
        }
        if (options.traceCsv) {
            const auto traces = window.traces();
            if (traces.empty())
                throw UsageError("window " + windowName + " has no trace to write");
            files.emplace_back(*options.traceCsv, traceTable(traces, ','));
        }
        if (options.wav) {
            const PeriodicSound sound = plots && plots->hasPlot() ? plots->sound() : PeriodicSound {};
            if (sound.isEmpty())
                throw UsageError("window " + windowName
                                 + " has nothing to hear (the FM window has a sound after an accepted Update)");
            files.emplace_back(*options.wav, savedSoundFile(sound));
        }
        if (options.controls)
            files.emplace_back(*options.controls, controlListing(window, target.lastSurface()));
    } catch (const UsageError& error) {
        err << "tavinel-render: " << error.what() << '\n';
        return 2;
    }

    int status = 0;
    const auto write = [&](const std::string& file, const std::string& bytes) {
        if (file == "-") {
            if (!out.write(bytes.data(), std::streamsize(bytes.size())).flush()) {
                err << "tavinel-render: cannot write to standard output\n";
                status = 1;
            }
            return;
        }
        std::string reason;
        if (!writeWhole(file, bytes, reason)) {
            err << "tavinel-render: cannot write " << file << ": " << reason << '\n';
            status = 1;
        }
    };
    for (const auto& [file, bytes] : files)
        write(file, bytes);
    if (options.ops) {
        const OpLog* log = target.lastOps();
        if (*options.ops == "-" && log) {
            // Straight to standard output as they are written out, without a copy of them all.
            log->write(out);
            if (!out.flush()) {
                err << "tavinel-render: cannot write to standard output\n";
                status = 1;
            }
        } else {
            std::ostringstream listing;
            if (log)
                log->write(listing);
            write(*options.ops, listing.str());
        }
    }
    return status;
}

}
