// SPDX-License-Identifier: GPL-3.0-or-later
#include "ssb/frmSSBplot.h"

#include "core/Surface.h"
#include "core/modMain.h"
#include "ssb/SsbPlots.h"
#include "ssb/SsbSineTables.h"

#include <array>

using namespace modMain;

namespace {

// The titles over the two panels, in the window font made bold, which it then leaves
// regular for the axis labels.
void printTitles(Surface& surface)
{
    surface.setFontBold(true);
    for (const PlotPanel& panel : SsbPlotSource::Panels)
        surface.printAt(panel.titleLeft, 100, translated("Plots", panel.title));
    surface.setFontBold(false);
}

// The levels, in dB, offered by both level frames, one per row from the top.
constexpr std::array<float, 8> Levels = { 0, -6, -12, -20, -30, -40, -50, -120 };

// Tops of the rows of the two level frames, in twips from the frame's top.
double rowTop(std::size_t row)
{
    return double(300 + 300 * row);
}

std::string optionName(std::size_t number)
{
    return "Option" + std::to_string(number);
}

}

frmSSBplot::frmSSBplot()
    : DemonstrationWindow("frmSSBplot", tr("SSB plots"), 12000, 9000, false)
{
    addFrame("fraAudioFrequency", tr("Audio frequency"), 300, 6120, 2895, 1380);
    addChoice("optAudio1000", "1000 Hz", 300, 1500, true, [] { AudioKHz = 1; });
    addChoice("optAudio2000", "2000 Hz", 600, 1500, false, [] { AudioKHz = 2; });
    addChoice("optAudio3000", "3000 Hz", 900, 1500, false, [] { AudioKHz = 3; });

    // The unwanted-sideband buttons only mean something in double-sideband mode.
    addFrame("fraMode", tr("Mode"), 300, 7560, 2895, 1380);
    addChoice("optDouble", tr("Double sideband"), 300, 2595, true, [this] {
        enableSuppressionOptions(true);
        SsbMode = 2;
    });
    addChoice("optLower", tr("Ideal lower sideband"), 600, 2595, false, [this] {
        enableSuppressionOptions(false);
        SsbMode = -1;
    });
    addChoice("optUpper", tr("Ideal upper sideband"), 900, 2595, false, [this] {
        enableSuppressionOptions(false);
        SsbMode = 1;
    });

    static const char* const carrierCaptions[]
        = { TAVINEL_TEXT("frmSSBplot", "0 dB (full)"), "-6", "-12", "-20", "-30", "-40", "-50", TAVINEL_TEXT("frmSSBplot", "-120 (off)") };
    addFrame("fraCarrier", tr("Carrier"), 3300, 6120, 1695, 2850);
    for (std::size_t row = 0; row < Levels.size(); ++row) {
        const float level = Levels[row];
        addChoice(optionName(row + 1), tr(carrierCaptions[row]), rowTop(row), 1200, row == 7,
                  [level] { CarrierLevel = level; });
    }

    static const char* const suppressionCaptions[]
        = { TAVINEL_TEXT("frmSSBplot", "0 dB (full DSB)"), "-6", "-12", "-20", "-30", "-40", "-50", TAVINEL_TEXT("frmSSBplot", "-120 (full SSB)") };
    addFrame("fraSuppression", tr("Unwanted sideband"), 5100, 6120, 2775, 2850);
    for (std::size_t row = 0; row < Levels.size(); ++row) {
        const float level = Levels[row];
        const double width = (row == 0 || row == 7) ? 1920 : 1200;
        addChoice(optionName(row + 9), tr(suppressionCaptions[row]), rowTop(row), width, row == 0,
                  [level] { SidebandLevel = level; });
    }

    addExit(9000, 8000, 1188, 354);

    std::vector<std::string> order { "cmdExit", "optAudio3000", "optAudio2000", "optAudio1000",
                                     "optDouble", "optLower", "optUpper" };
    for (std::size_t number = 1; number <= 16; ++number)
        order.push_back(optionName(number));
    setFocusOrder(std::move(order));
}

void frmSSBplot::onLoad()
{
    loadWithPlots([this] {
        setScaleFromScreen();

        moveControl("fraAudioFrequency", 300, 6000);
        moveControl("fraMode", 300, 7480);
        moveControl("fraCarrier", 3300, 6000);
        moveControl("fraSuppression", 5100, 6000);

        placeExit(9000, 8000);

        printTitles(surface());

        // The settings the pre-selected buttons stand for. AudioKHz keeps its start-up
        // value, 1, which "1000 Hz" stands for.
        SsbMode = 2;
        CarrierLevel = -120;
        SidebandLevel = 0;
    });
}

bool frmSSBplot::idleWork()
{
    return computeMissingSsbSineTable();
}

void frmSSBplot::drawPlots(Surface& surface)
{
    redrawSsbPlots(surface);
}

void frmSSBplot::drawContents(Surface& surface)
{
    printTitles(surface);
    drawPlots(surface);
}

// The unwanted-sideband buttons are greyed out one by one and keep their selection; the
// frame stays enabled.
void frmSSBplot::enableSuppressionOptions(bool enabled)
{
    for (std::size_t number = 9; number <= 16; ++number)
        setEnabled(optionName(number), enabled);
}
