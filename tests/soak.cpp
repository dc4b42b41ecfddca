// SPDX-License-Identifier: GPL-3.0-or-later
// A long run of one process through every window: random choices of every option button,
// random texts, good and hostile, typed into the FM window's boxes and Update pressed, and
// now and then the plots' tables and readouts asked for. It checks after every step that
// no handler failed, that everything drawn stayed inside its panel, and at the end that
// resident memory after the warm-up grew by no more than 10 MB.
//
//   tavinel_soak [--steps N] [--seed N]      (default 20000 steps, seed 1)

#include "app/DesktopSession.h"
#include "core/RecordingSurface.h"
#include "surface/Application.h"
#include "surface/Form.h"
#include "surface/PlotActions.h"
#include "surface/Presentation.h"
#include "surface/Program.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QRectF>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct Window {
    const char* menuButton;
    std::vector<QRectF> panels; // where its lines and box outlines may stand
};

const Window Windows[] = {
    // clang-format off
    { "cmdAMenter", { { QPointF(300, 500), QPointF(3700, 5500) }, { QPointF(4100, 500), QPointF(7300, 5500) },
                      { QPointF(8000, 500), QPointF(11600, 5500) } } },
    // clang-format on
    { "cmdSSBenter", { { QPointF(300, 500), QPointF(5500, 5500) }, { QPointF(6400, 500), QPointF(11600, 5500) } } },
    { "cmdFMenter", { { QPointF(6000, 1000), QPointF(11000, 7000) } } },
};

const char* const Texts[] = { "3k", "25k", "-60", "4.7k", "1,5", "100m", "1e3", "15k", "15.1k", "-15k", "60",
                              "0", "", "abc", "1E99", "-1E99", "1e-40", "9999999999G", "--5", "1p", "-1p",
                              "2.405k", "7.215k", "1e10", "-1e10", "k5", "-e5", "\u03A9\u03A9", "  12  ", "12345678901234" };
const char* const Boxes[] = { "txtModulatingFrequency", "txtPeakDeviation", "txtPlotWidth", "txtPlotBottom" };

std::vector<std::string> messages;
DesktopSession* session = nullptr;

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "soak: %s\n", what.c_str());
    std::exit(1);
}

double residentMegabytes()
{
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

Form& open(const Window& window)
{
    Form* opened = session->open(window.menuButton);
    if (!opened || Program::windows().size() != 1)
        fail(std::string("the menu's ") + window.menuButton + " did not open one window");
    return *Program::windows().back();
}

// Everything recorded since the last check, then forgotten.
void checkDrawing(Form& form, const Window& window, const std::string& step)
{
    if (Program::ended() || Program::windows().size() != 1)
        fail(step + ": the program ended");
    for (const std::string& message : messages)
        if (message.find("unexpected error") != std::string::npos)
            fail(step + ": " + message);
    messages.clear();
    for (const DrawOp& op : form.opLog()->ops()) {
        if (op.kind != DrawOp::Kind::Line && op.kind != DrawOp::Kind::Box)
            continue;
        const QRectF extent = QRectF(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2)).normalized();
        bool inside = false;
        // clang-format off
        for (const QRectF& panel : window.panels)
            inside = inside || (extent.left() >= panel.left() && extent.right() <= panel.right()
                                && extent.top() >= panel.top() && extent.bottom() <= panel.bottom());
        // clang-format on
        if (!inside)
            fail(step + ": outside its panel: " + OpLog::format(op));
    }
    form.clearOpLog();
}

}

int main(int argc, char* argv[])
{
    long steps = 20000;
    unsigned seed = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--steps") == 0)
            steps = std::atol(argv[i + 1]);
        else if (std::strcmp(argv[i], "--seed") == 0)
            seed = unsigned(std::atol(argv[i + 1]));
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application::provideRuntimeFolder();
    int toolkitArgc = 1;
    Application application(toolkitArgc, argv);
    DesktopSession desktop;
    session = &desktop;
    Program::setMessageHandler([](Form&, const std::string& text) { messages.push_back(text); });

    std::mt19937 random(seed);
    const auto pick = [&](std::size_t count) { return std::size_t(random() % count); };
    const auto start = std::chrono::steady_clock::now();
    const long warmUp = steps / 10;
    double afterWarmUp = 0, largest = 0;
    long step = 0;
    while (step < steps) {
        // A window for a few hundred steps, then the next.
        const Window& window = Windows[pick(std::size(Windows))];
        Form& form = open(window);
        checkDrawing(form, window, std::string("opening ") + window.menuButton);
        const auto options = form.findChildren<QRadioButton*>();
        auto* plots = form.findChild<PlotActions*>();
        for (int inWindow = 0; inWindow < 300 && step < steps; ++inWindow, ++step) {
            std::string done;
            if (!options.isEmpty()) {
                QRadioButton* option = options[qsizetype(pick(std::size_t(options.size())))];
                option->click();
                done = option->objectName().toStdString();
            } else {
                for (const char* box : Boxes)
                    if (pick(2) == 0) {
                        const char* text = Texts[pick(std::size(Texts))];
                        qobject_cast<QLineEdit*>(form.control(box))->setText(QString::fromUtf8(text));
                        done += std::string(box) + "=\"" + text + "\" ";
                    }
                qobject_cast<QAbstractButton*>(form.control("cmdDisplay"))->click();
                done += "Update";
            }
            // Now and then the numbers behind the plots, as the context menu and readouts ask.
            if (pick(20) == 0) {
                form.model().table(0, ',');
                form.model().table(1, ',');
                plots->readoutAt(QPointF(6000, 3000));
                done += " and its data";
            }
            checkDrawing(form, window, "step " + std::to_string(step) + ": " + done);
            if (step == warmUp)
                afterWarmUp = residentMegabytes();
            if (step > warmUp)
                largest = std::max(largest, residentMegabytes());
        }
    }
    DesktopSession::closeAll();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double growth = largest - afterWarmUp;
    std::printf("soak: %ld steps in %.1f s, resident memory %.1f MB after the warm-up, at most %.1f MB later "
                "(growth %.1f MB)\n",
                steps, seconds, afterWarmUp, largest, growth);
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer holds freed memory back to catch its reuse: growth means nothing here.
    (void)growth;
#else
    if (growth > 10)
        fail("resident memory grew by more than 10 MB");
#endif
    return 0;
}
