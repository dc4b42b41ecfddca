// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the FM window's Update. An input is the four texts of the window's
// boxes, one a line: modulating frequency, peak deviation, plot width, plot bottom
// (a missing line leaves its box empty; further newlines stay in the last text). The
// target types them into the boxes, presses Update and checks that the window either
// shows one message and draws nothing, or draws its plot and nothing of it outside the
// panel: every line and box within x 6000 to 11000 and y 1000 to 7000, the filled boxes
// within the panel and its label strips, and no label with a doubled sign.

#include "app/DesktopSession.h"
#include "core/RecordingSurface.h"
#include "core/modMain.h"
#include "fuzz/EscapedText.h"
#include "surface/Application.h"
#include "surface/Form.h"
#include "surface/Presentation.h"
#include "surface/Program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const char* const Boxes[4] = { "txtModulatingFrequency", "txtPeakDeviation", "txtPlotWidth",
                               "txtPlotBottom" };

// A window serves this many inputs before a fresh one replaces it, so its operation log
// stays small.
constexpr int InputsPerWindow = 200;

std::vector<std::string> messages;
DesktopSession* session = nullptr;
Form* window = nullptr;
int windowUses = 0;

void click(Form& form, const char* name)
{
    auto* button = qobject_cast<QAbstractButton*>(form.control(name));
    if (!button) {
        std::fprintf(stderr, "fmupdate: no button %s\n", name);
        std::abort();
    }
    button->click();
}

void closeWindows()
{
    for (Form* form : Program::windows())
        form->release();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window = nullptr;
}

// The FM window as the user reaches it: the program starts with its menu, which sets up
// the shared state, and "Frequency modulation" opens the FM window.
Form& fmWindow()
{
    if (window && windowUses < InputsPerWindow) {
        ++windowUses;
        return *window;
    }
    closeWindows();
    modMain::clearSharedState();
    session->open("cmdFMenter");
    const auto forms = Program::windows();
    if (forms.size() != 1 || !forms.back()->opLog()) {
        std::fprintf(stderr, "fmupdate: the FM window did not open alone\n");
        std::abort();
    }
    window = forms.back();
    windowUses = 1;
    return *window;
}

std::vector<std::string> splitTexts(const std::string& input)
{
    std::vector<std::string> texts;
    std::size_t start = 0;
    for (int i = 0; i < 3; ++i) {
        const std::size_t end = input.find('\n', start);
        if (end == std::string::npos)
            break;
        texts.push_back(input.substr(start, end - start));
        start = end + 1;
    }
    texts.push_back(start <= input.size() ? input.substr(start) : std::string());
    texts.resize(4);
    return texts;
}

[[noreturn]] void fail(const std::vector<std::string>& texts, const std::string& what)
{
    std::fprintf(stderr, "fmupdate: %s\n", what.c_str());
    for (int i = 0; i < 4; ++i)
        std::fprintf(stderr, "  %s = \"%s\"\n", Boxes[i], escaped(texts[std::size_t(i)]).c_str());
    std::abort();
}

bool within(float value, float low, float high)
{
    return value >= low && value <= high; // false for NaN
}

}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_fmupdate";
    static char* argv[] = { name, nullptr };
    // Never destroyed: a toolkit torn down by the exit handlers, with windows still
    // open, would crash after the run has passed.
    new Application(argc, argv);
    session = new DesktopSession; // as long as the toolkit
    Program::setMessageHandler([](Form&, const std::string& text) { messages.push_back(text); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> texts
        = splitTexts(std::string(reinterpret_cast<const char*>(data), size));

    Form& fm = fmWindow();
    for (int i = 0; i < 4; ++i)
        qobject_cast<QLineEdit*>(fm.control(Boxes[i]))
            ->setText(QString::fromUtf8(texts[std::size_t(i)].data(), qsizetype(texts[std::size_t(i)].size())));

    messages.clear();
    const std::size_t before = fm.opLog()->size();
    click(fm, "cmdDisplay");
    const std::vector<DrawOp>& ops = fm.opLog()->ops();
    const std::vector<DrawOp> added(ops.begin() + std::ptrdiff_t(before), ops.end());

    if (Program::ended() || Program::windows().size() != 1)
        fail(texts, "Update closed the window or ended the program");

    if (!messages.empty()) {
        if (messages.size() != 1 || added.size() != 1 || added[0].kind != DrawOp::Kind::Message)
            fail(texts, "a message came with other messages or with drawing");
        return 0;
    }

    if (added.empty() || added[0].kind != DrawOp::Kind::Fill)
        fail(texts, "neither a message nor a plot");
    for (const DrawOp& op : added) {
        const std::string line = OpLog::format(op);
        switch (op.kind) {
        case DrawOp::Kind::Line:
        case DrawOp::Kind::Box:
            if (!within(op.x1, 6000, 11000) || !within(op.x2, 6000, 11000) || !within(op.y1, 1000, 7000)
                || !within(op.y2, 1000, 7000))
                fail(texts, "outside the panel: " + line);
            break;
        case DrawOp::Kind::Fill:
            if (!within(op.x1, 5400, 11990) || !within(op.x2, 5400, 11990) || !within(op.y1, 900, 7400)
                || !within(op.y2, 900, 7400))
                fail(texts, "filled box outside the panel and its label strips: " + line);
            break;
        case DrawOp::Kind::Text:
            if (!std::isfinite(op.x1) || !std::isfinite(op.y1) || op.text.find("--") != std::string::npos
                || op.text.find("+-") != std::string::npos || op.text.find("NaN") != std::string::npos
                || op.text.find("Inf") != std::string::npos)
                fail(texts, "bad label: " + line);
            break;
        case DrawOp::Kind::Scale:
        case DrawOp::Kind::Message:
            fail(texts, "unexpected operation with a plot: " + line);
        }
    }
    return 0;
}
