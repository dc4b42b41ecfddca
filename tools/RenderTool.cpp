// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/RenderTool.h"

#include "app/frmOpening.h"
#include "core/RecordingSurface.h"
#include "core/WavFile.h"
#include "surface/PlotActions.h"
#include "surface/Presentation.h"
#include "surface/Program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QKeyEvent>
#include <QMetaEnum>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>

#include <map>
#include <optional>
#include <ostream>
#include <sstream>
#include <stdexcept>

namespace {

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
      "    key:NAME=KEY      give a control the focus and press a key, by its Qt name:\n"
      "                      Return, Enter, Space, Tab, Escape, Up, Down, F11, ...\n"
      "\n"
      "Outputs (at least one; FILE - is standard output, for one output at most):\n"
      "  --png FILE          the window as PNG, 15 twips a pixel times the zoom\n"
      "  --svg FILE          the window as an SVG drawing\n"
      "  --ops FILE          every drawing operation since the window was created, one a\n"
      "                      line, in logical units\n"
      "  --lines-csv FILE    the spectrum's lines: offset_hz,amplitude,level_db\n"
      "  --trace-csv FILE    the traces' points: plot,time_ms,value\n"
      "  --wav FILE          two seconds of the window's sound as WAV (48 kHz, mono,\n"
      "                      16-bit), as Save sound… writes them\n"
      "Options:\n"
      "  --zoom F            the PNG's scale (default 1, at most 16)\n"
      "  --screen WxH        the screen size in twips the windows lay themselves out for\n"
      "                      (default 12000x9000)\n"
      "  --help              this text\n"
      "  --version           the version\n"
      "\n"
      "Exit status: 0 done; 1 a file could not be written; 2 a usage error (an unknown\n"
      "option, window, control, step or key, or data the window does not have), after\n"
      "which nothing is written.\n";

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Options {
    float screenWidth = 12000;
    float screenHeight = 9000;
    double zoom = 1;
    std::optional<std::string> png;
    std::optional<std::string> ops;
    std::optional<std::string> svg;
    std::optional<std::string> linesCsv;
    std::optional<std::string> traceCsv;
    std::optional<std::string> wav;
    std::string window;
    std::vector<std::string> steps;
    bool help = false;
    bool version = false;

    bool asksForOutput() const { return png || ops || svg || linesCsv || traceCsv || wav; }
    int toStandardOutput() const
    {
        int count = 0;
        for (const auto* file : { &png, &ops, &svg, &linesCsv, &traceCsv, &wav })
            count += *file == "-";
        return count;
    }
};

double positiveNumber(const std::string& text, const std::string& what)
{
    std::size_t used = 0;
    double value = 0;
    try {
        value = std::stod(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || !(value > 0) || value > 1e6)
        throw UsageError(what + " must be a positive number, not '" + text + "'");
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
    for (; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--screen") {
            const std::string size = value(argument);
            const auto cross = size.find('x');
            if (cross == std::string::npos)
                throw UsageError("--screen takes WIDTHxHEIGHT in twips, not '" + size + "'");
            options.screenWidth = float(positiveNumber(size.substr(0, cross), "the screen width"));
            options.screenHeight = float(positiveNumber(size.substr(cross + 1), "the screen height"));
        } else if (argument == "--zoom") {
            options.zoom = positiveNumber(value(argument), "--zoom");
            if (options.zoom > 16)
                throw UsageError("--zoom must be at most 16");
        } else if (argument == "--png") {
            options.png = value(argument);
        } else if (argument == "--ops") {
            options.ops = value(argument);
        } else if (argument == "--svg") {
            options.svg = value(argument);
        } else if (argument == "--lines-csv") {
            options.linesCsv = value(argument);
        } else if (argument == "--trace-csv") {
            options.traceCsv = value(argument);
        } else if (argument == "--wav") {
            options.wav = value(argument);
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
        throw UsageError("no output asked for (--png, --svg, --ops, --lines-csv, --trace-csv or --wav)");
    if (options.toStandardOutput() > 1)
        throw UsageError("only one output can go to standard output (-)");
    options.window = arguments[i++];
    options.steps.assign(arguments.begin() + std::ptrdiff_t(i), arguments.end());
    return options;
}

// The window shown after start-up and, for a demonstration, its menu button.
Form* openWindow(const std::string& window)
{
    static const std::map<std::string, QString> menuButtons
        = { { "am", "cmdAMenter" }, { "ssb", "cmdSSBenter" }, { "fm", "cmdFMenter" } };
    if (window != "opening" && !menuButtons.contains(window))
        throw UsageError("unknown window '" + window + "' (choose opening, am, ssb or fm)");

    auto* opening = new frmOpening;
    opening->showWindow();
    if (window == "opening")
        return opening;
    qobject_cast<QAbstractButton*>(opening->control(menuButtons.at(window)))->click();
    const auto forms = Form::loadedForms();
    if (forms.empty())
        throw std::logic_error("the menu button opened no window");
    return forms.back();
}

// The names of a window's controls of a kind, sorted.
template <class Kind>
std::string controlNames(const Form& form)
{
    QStringList names;
    for (const Kind* control : form.findChildren<Kind*>())
        if (!control->objectName().isEmpty() && !control->objectName().startsWith("qt_"))
            names << control->objectName();
    names.sort();
    return names.join(", ").toStdString();
}

std::string noControl(const Form& form, const std::string& kind, const std::string& name, const std::string& names)
{
    return "window " + form.objectName().toStdString() + " has no " + kind + " named '" + name + "'"
        + (names.empty() ? std::string() : " (it has " + names + ")");
}

// A key by its Qt name ("Return", "F11"), or a usage error.
Qt::Key keyNamed(const std::string& name)
{
    bool known = false;
    const int key = QMetaEnum::fromType<Qt::Key>().keyToValue(("Key_" + name).c_str(), &known);
    if (!known || name.empty())
        throw UsageError("unknown key '" + name + "' (use a Qt key name: Return, Enter, Space, Tab, Escape, "
                         "Up, Down, F11, ...)");
    return Qt::Key(key);
}

// One key pressed and released on a control, which first takes the focus, as the user's
// keyboard would deliver it; a shortcut of the window takes the key first.
void pressKey(Form& form, QWidget* control, Qt::Key key)
{
    form.activateWindow();
    QApplication::setActiveWindow(&form);
    control->setFocus(Qt::OtherFocusReason);
    QPointer<QWidget> receiver = control;
    const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QString();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(receiver, &press);
    if (!receiver)
        return;
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(receiver, &release);
}

void applyStep(QPointer<Form>& form, const std::string& step)
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
    if (!form)
        throw UsageError("step '" + step + "' comes after the program has ended");
    QWidget* control = form->control(QString::fromStdString(name));
    if (kind == "key") {
        const Qt::Key key = keyNamed(text);
        if (!control)
            throw UsageError(noControl(*form, "control", name, controlNames<QWidget>(*form)));
        pressKey(*form, control, key);
    } else if (kind == "click") {
        auto* button = qobject_cast<QAbstractButton*>(control);
        if (!button)
            throw UsageError(noControl(*form, "button or option button", name, controlNames<QAbstractButton>(*form)));
        button->click();
    } else {
        auto* box = qobject_cast<QLineEdit*>(control);
        if (!box)
            throw UsageError(noControl(*form, "text box", name, controlNames<QLineEdit>(*form)));
        box->setText(QString::fromStdString(text));
    }
}

// The operations go to standard output as they are written out, without a copy of them
// all; a file gets them whole or not at all.
bool writeOps(const Form& form, const std::string& file, std::ostream& out, std::ostream& err)
{
    if (file == "-") {
        form.opLog()->write(out);
        return bool(out);
    }
    std::ostringstream listing;
    form.opLog()->write(listing);
    QString reason;
    if (!PlotActions::writeWhole(QString::fromStdString(file), QByteArray::fromStdString(listing.str()), reason)) {
        err << "tavinel-render: cannot write " << file << ": " << reason.toStdString() << '\n';
        return false;
    }
    return true;
}

}

namespace RenderTool {

int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    Options options;
    try {
        options = parse(arguments);
    } catch (const UsageError& error) {
        err << "tavinel-render: " << error.what() << '\n' << Usage << "(--help tells more)\n";
        return 2;
    }
    if (options.help) {
        out << Usage << '\n' << Help;
        return 0;
    }
    if (options.version) {
        out << "tavinel-render " << Program::version() << '\n';
        return 0;
    }

    Presentation::setScreenTwips(options.screenWidth, options.screenHeight);
    Presentation::setPixelsPerTwip(options.zoom / 15.0);
    Presentation::setDevicePixelRatio(1);
    Program::reset();
    // Every operation is kept only when they are to be written: a long run of clicks would
    // otherwise keep millions of them.
    Program::setRecording(options.ops.has_value());
    Program::setMessageHandler([](Form&, const std::string&) {});

    QPointer<Form> form;
    QPointer<Form> lastForm;
    try {
        form = openWindow(options.window);
        lastForm = form;
        for (const std::string& step : options.steps) {
            applyStep(form, step);
            // A step may close the window (Exit): later steps have no window to act on,
            // but the picture and operations are still those of the last window.
            const auto forms = Form::loadedForms();
            form = forms.empty() ? nullptr : forms.back();
            if (form)
                lastForm = form;
        }
    } catch (const UsageError& error) {
        err << "tavinel-render: " << error.what() << '\n';
        return 2;
    }

    // Every output is made before any is written, so a window without the data asked for
    // writes nothing at all.
    std::vector<std::pair<std::string, QByteArray>> files;
    auto* actions = lastForm->findChild<PlotActions*>();
    PlotSource* plots = actions ? &actions->source() : nullptr;
    try {
        if (options.png) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            lastForm->grab().save(&buffer, "PNG");
            files.emplace_back(*options.png, bytes);
        }
        if (options.svg)
            files.emplace_back(*options.svg, PlotActions::svgPicture(*lastForm));
        if (options.linesCsv) {
            const auto lines = plots ? plots->spectrumLines() : std::vector<SpectrumLine> {};
            if (lines.empty())
                throw UsageError("window " + lastForm->objectName().toStdString()
                                 + " has no spectrum to write (the FM window draws one after an accepted Update)");
            files.emplace_back(*options.linesCsv, QByteArray::fromStdString(spectrumTable(lines, ',')));
        }
        if (options.traceCsv) {
            const auto traces = plots ? plots->traces() : std::vector<Trace> {};
            if (traces.empty())
                throw UsageError("window " + lastForm->objectName().toStdString() + " has no trace to write");
            files.emplace_back(*options.traceCsv, QByteArray::fromStdString(traceTable(traces, ',')));
        }
        if (options.wav) {
            const PeriodicSound sound = plots ? plots->sound() : PeriodicSound {};
            if (sound.isEmpty())
                throw UsageError("window " + lastForm->objectName().toStdString()
                                 + " has nothing to hear (the FM window has a sound after an accepted Update)");
            files.emplace_back(*options.wav, QByteArray::fromStdString(savedSoundFile(sound)));
        }
    } catch (const UsageError& error) {
        err << "tavinel-render: " << error.what() << '\n';
        return 2;
    }

    int status = 0;
    for (const auto& [file, bytes] : files) {
        if (file == "-") {
            if (!out.write(bytes.constData(), bytes.size()).flush()) {
                err << "tavinel-render: cannot write to standard output\n";
                status = 1;
            }
            continue;
        }
        QString reason;
        if (!PlotActions::writeWhole(QString::fromStdString(file), bytes, reason)) {
            err << "tavinel-render: cannot write " << file << ": " << reason.toStdString() << '\n';
            status = 1;
        }
    }
    if (options.ops && !writeOps(*lastForm, *options.ops, out, err))
        status = 1;
    return status;
}

}
