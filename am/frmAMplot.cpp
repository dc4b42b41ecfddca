// SPDX-License-Identifier: GPL-3.0-or-later
#include "am/frmAMplot.h"

#include "am/AmPlots.h"
#include "core/modMain.h"

using namespace modMain;

namespace {

// The titles over the three panels, in the window font made bold, which it then leaves
// regular for the axis labels.
void printTitles(Surface& surface)
{
    surface.setFontBold(true);
    for (const PlotPanel& panel : AmPlotSource::Panels)
        surface.printAt(panel.titleLeft, 100, translated("Plots", panel.title));
    surface.setFontBold(false);
}

}

frmAMplot::frmAMplot()
    : DemonstrationWindow("frmAMplot", tr("AM plots"), 12000, 9000, false)
{
    // The window font is bold; the titles are printed in it at load.
    setWindowBold(true);

    addFrame("fraAudioFrequency", tr("Audio frequency"), 300, 6200, 2300, 1380);
    addChoice("optAudio1000", "1000 Hz", 300, 1500, true, [] { AudioKHz = 1; });
    addChoice("optAudio2000", "2000 Hz", 600, 1500, false, [] { AudioKHz = 2; });
    addChoice("optAudio3000", "3000 Hz", 900, 1500, false, [] { AudioKHz = 3; });

    addFrame("fraModulationPercent", tr("Modulation"), 2750, 6200, 1695, 2500);
    addChoice("optModulation0", tr("None"), 300, 1500, false, [] { ModDepth = 0; });
    addChoice("optModulation10", "10%", 600, 1500, false, [] { ModDepth = 0.1f; });
    addChoice("optModulation25", "25%", 900, 1500, false, [] { ModDepth = 0.25f; });
    addChoice("optModulation50", "50%", 1200, 1500, false, [] { ModDepth = 0.5f; });
    addChoice("optModulation100", "100%", 1500, 1500, true, [] { ModDepth = 1; });
    addChoice("optModulation120", "120%", 1800, 1500, false, [] { ModDepth = 1.2f; });
    addChoice("optModulation140", "140%", 2100, 1500, false, [] { ModDepth = 1.4f; });

    addFrame("fraYaxis", tr("Y-axis "), 5000, 6200, 2295, 1095).textColour = ColourBlack;
    addChoice("optLinear", tr("Linear (volts)"), 300, 1800, true, [] { YAxisMode = 1; });
    addChoice("optLog", tr("Log (decibels)"), 600, 1800, false, [] { YAxisMode = 2; });

    addFrame("fraClipper", tr("Modulation clipper"), 300, 7600, 2295, 1095);
    addChoice("optClipperOff", tr("Off"), 300, 1500, true, [] { ClipperOn = 0; });
    addChoice("optClipperOn", tr("On"), 600, 1500, false, [] { ClipperOn = 1; });

    addFrame("fraDemodulator", tr("Demodulator type"), 8000, 6200, 2415, 1095);
    addChoice("Option1", tr("Ideal"), 300, 1800, true, [] { DemodType = 0; });
    addChoice("Option2", tr("Diode"), 600, 1800, false, [] { DemodType = 1; });

    addExit(8000, 8000, 1200, 375);

    setFocusOrder({ "cmdExit", "optAudio1000", "optAudio2000", "optAudio3000", "optModulation0",
                    "optModulation10", "optModulation25", "optModulation50", "optModulation100",
                    "optModulation120", "optModulation140", "optLinear", "optLog", "optClipperOff",
                    "optClipperOn", "Option1", "Option2" });
}

void frmAMplot::onLoad()
{
    loadWithPlots([this] {
        setScaleFromScreen();

        moveControl("fraAudioFrequency", 300, 6200);
        moveControl("fraClipper", 300, 7600);
        moveControl("fraModulationPercent", 2750, 6200);
        moveControl("fraYaxis", 5000, 6200);
        moveControl("fraDemodulator", 8000, 6200);

        placeExit(8000, 8000);

        // The choices selected when the window opens; the audio frequency (1 kHz) and the
        // clipper (off) keep their start-up values, which match theirs.
        ModDepth = 1;
        YAxisMode = 1;
        DemodType = 0;

        printTitles(surface());
    });
}

void frmAMplot::drawPlots(Surface& surface)
{
    redrawAmPlots(surface);
}

void frmAMplot::drawContents(Surface& surface)
{
    printTitles(surface);
    drawPlots(surface);
}

void frmAMplot::queryUnload(int reason)
{
    // Closed by the user through the window system: nothing is left to show.
    if (reason == 0)
        endProgram();
}
