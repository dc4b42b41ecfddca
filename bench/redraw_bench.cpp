// SPDX-License-Identifier: GPL-3.0-or-later
// How long the windows take to redraw, on the canvas and the straightforward way.
//
// Every redraw goes into a canvas of 2400 x 1800 device pixels (a 12000 x 9000-twip window
// on a 4K projector or a HiDPI laptop). Each scene is drawn by the program's canvas and by
// one QPainter call per operation; the summary at the end gives the medians and their ratio.

#include "am/AmPlots.h"
#include "app/DesktopSession.h"
#include "core/WavFile.h"
#include "fm/FmSpectrumPlot.h"
#include "ssb/SsbSineTables.h"
#include "surface/Application.h"
#include "surface/CanvasSurface.h"
#include "surface/Form.h"
#include "surface/PainterSurface.h"
#include "surface/Presentation.h"
#include "surface/Program.h"
#include "tests/RedrawScenes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr double PixelsPerTwip = 2400.0 / 12000.0;

// A surface that draws nothing: what is left is the plots' own arithmetic, the same
// whichever way the picture is then drawn.
class DiscardingSurface : public Surface {
public:
    DiscardingSurface()
        : Surface(12000, 9000)
    {
    }

protected:
    void drawLine(float, float, float, float, Colour) override {}
    void drawBox(float, float, float, float, Colour) override {}
    void drawFilledBox(float, float, float, float, Colour) override {}
    void drawText(float, float, const std::string&) override {}
};

void computeOnly(benchmark::State& state, const RedrawScene& scene)
{
    chooseScene(scene);
    DiscardingSurface nothing;
    for (auto _ : state)
        scene.draw(nothing);
}

// With firstAtFrequency, each redraw is the first after a modulating frequency is chosen:
// the SSB window computes that frequency's sines then, and later level clicks reuse them.
void canvasRedraw(benchmark::State& state, const RedrawScene& scene, bool firstAtFrequency)
{
    chooseScene(scene);
    CanvasSurface canvas(12000, 9000, PixelsPerTwip);
    for (auto _ : state) {
        if (firstAtFrequency)
            forgetSsbSineTables();
        scene.draw(canvas);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}

// Two seconds of a window's sound, as Save sound… writes them: the period computed from
// the settings, looped and written as a WAV file.
void soundTwoSeconds(benchmark::State& state, const RedrawScene& scene, PeriodicSound (*sound)())
{
    chooseScene(scene);
    for (auto _ : state)
        benchmark::DoNotOptimize(savedSoundFile(sound()));
}

void painterRedraw(benchmark::State& state, const RedrawScene& scene)
{
    chooseScene(scene);
    PainterSurface painter(12000, 9000, PixelsPerTwip);
    for (auto _ : state) {
        scene.draw(painter);
        benchmark::DoNotOptimize(painter.image().constBits());
    }
}

// Collects the medians to print the summary table.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    std::map<std::string, double> medians; // milliseconds
};

double startUpMilliseconds()
{
    QElapsedTimer timer;
    timer.start();
    DesktopSession session({ .recording = false });
    Form& opening = session.start();
    opening.repaint();
    const double elapsed = double(timer.nsecsElapsed()) / 1e6;
    return elapsed;
}

}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QElapsedTimer toolkitTimer;
    toolkitTimer.start();
    int toolkitArgc = 1;
    Application application(toolkitArgc, argv);
    const double toolkitMs = double(toolkitTimer.nsecsElapsed()) / 1e6;
    const double menuMs = startUpMilliseconds();

    const auto all = redrawScenes();
    for (const RedrawScene& scene : all) {
        benchmark::RegisterBenchmark(("compute/" + scene.name).c_str(), computeOnly, scene)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(9)
            ->ReportAggregatesOnly(true);
        benchmark::RegisterBenchmark(("canvas/" + scene.name).c_str(), canvasRedraw, scene, false)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(9)
            ->ReportAggregatesOnly(true);
        if (scene.name.starts_with("SSB"))
            benchmark::RegisterBenchmark(("first/" + scene.name).c_str(), canvasRedraw, scene, true)
                ->Unit(benchmark::kMillisecond)
                ->Repetitions(9)
                ->ReportAggregatesOnly(true);
        benchmark::RegisterBenchmark(("painter/" + scene.name).c_str(), painterRedraw, scene)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(3)
            ->ReportAggregatesOnly(true)
            ->Iterations(3);
    }
    const std::pair<std::string, PeriodicSound (*)()> sounds[]
        = { { "AM", amSound }, { "SSB", ssbSound }, { "FM", fmSound } };
    for (const RedrawScene& scene : all)
        for (const auto& [window, sound] : sounds)
            if (scene.name.starts_with(window + " "))
                benchmark::RegisterBenchmark(("sound/" + scene.name).c_str(), soundTwoSeconds, scene, sound)
                    ->Unit(benchmark::kMillisecond)
                    ->Repetitions(9)
                    ->ReportAggregatesOnly(true);
    // Both ways are timed in interleaved repetitions, so a busy spell on a shared machine
    // slows both alike instead of skewing their ratio.
    std::vector<char*> arguments(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + 1, interleave);
    int argumentCount = int(arguments.size());
    benchmark::Initialize(&argumentCount, arguments.data());
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\n%-24s %9s %10s %10s %8s %14s\n", "redraw at 2400 x 1800", "canvas", "QPainter",
                "ratio", "compute", "drawing ratio");
    for (const RedrawScene& scene : all) {
        const double canvas = reporter.medians["canvas/" + scene.name];
        const double painter = reporter.medians["painter/" + scene.name];
        const double compute = reporter.medians["compute/" + scene.name];
        if (canvas > 0 && painter > 0)
            std::printf("%-24s %6.2f ms %7.2f ms %9.1fx %5.2f ms %13.1fx\n", scene.name.c_str(), canvas, painter,
                        painter / canvas, compute, (painter - compute) / (canvas - compute));
    }
    for (const RedrawScene& scene : all)
        if (const double first = reporter.medians["first/" + scene.name]; first > 0)
            std::printf("%s, first redraw at a new modulating frequency: %.2f ms\n", scene.name.c_str(), first);
    for (const RedrawScene& scene : all)
        if (const double sound = reporter.medians["sound/" + scene.name]; sound > 0)
            std::printf("%s, two seconds of its sound: %.3f ms\n", scene.name.c_str(), sound);
    std::printf("\nstart-up: toolkit %.0f ms, menu window loaded and painted %.0f ms, total %.0f ms\n",
                toolkitMs, menuMs, toolkitMs + menuMs);
    benchmark::Shutdown();
    return 0;
}
