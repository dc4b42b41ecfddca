// SPDX-License-Identifier: GPL-3.0-or-later
#include "am/frmAMplot.h"

#include "am/AmPlots.h"
#include "core/modMain.h"
#include "surface/PlotActions.h"
#include "surface/Program.h"
#include "surface/SoundActions.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

using namespace modMain;

namespace {

// The titles over the three panels, in the window font made bold, which it then leaves
// regular for the axis labels.
void printTitles(Surface& surface)
{
    surface.setFontBold(true);
    surface.printAt(400, 100, "Transmitted signal envelope");
    surface.printAt(4300, 100, "Transmitted signal spectrum");
    surface.printAt(8300, 100, "Envelope demodulator output");
    surface.setFontBold(false);
}

}

frmAMplot::frmAMplot()
    : Form("frmAMplot", "AM plots", 12000, 9000, Border::None)
{
    // The window font is bold; the titles are printed in it at load.
    canvas().setFontBold(true);

    fraAudioFrequency = addFrame("fraAudioFrequency", "Audio frequency", 300, 6200, 2300, 1380);
    auto* optAudio1000 = addChoice(fraAudioFrequency, "optAudio1000", "1000 Hz", 300, 1500, true,
                                   [] { AudioKHz = 1; });
    auto* optAudio2000 = addChoice(fraAudioFrequency, "optAudio2000", "2000 Hz", 600, 1500, false,
                                   [] { AudioKHz = 2; });
    auto* optAudio3000 = addChoice(fraAudioFrequency, "optAudio3000", "3000 Hz", 900, 1500, false,
                                   [] { AudioKHz = 3; });

    fraModulationPercent = addFrame("fraModulationPercent", "Modulation", 2750, 6200, 1695, 2500);
    auto* optModulation0 = addChoice(fraModulationPercent, "optModulation0", "None", 300, 1500,
                                     false, [] { ModDepth = 0; });
    auto* optModulation10 = addChoice(fraModulationPercent, "optModulation10", "10%", 600, 1500,
                                      false, [] { ModDepth = 0.1f; });
    auto* optModulation25 = addChoice(fraModulationPercent, "optModulation25", "25%", 900, 1500,
                                      false, [] { ModDepth = 0.25f; });
    auto* optModulation50 = addChoice(fraModulationPercent, "optModulation50", "50%", 1200, 1500,
                                      false, [] { ModDepth = 0.5f; });
    auto* optModulation100 = addChoice(fraModulationPercent, "optModulation100", "100%", 1500,
                                       1500, true, [] { ModDepth = 1; });
    auto* optModulation120 = addChoice(fraModulationPercent, "optModulation120", "120%", 1800,
                                       1500, false, [] { ModDepth = 1.2f; });
    auto* optModulation140 = addChoice(fraModulationPercent, "optModulation140", "140%", 2100,
                                       1500, false, [] { ModDepth = 1.4f; });

    fraYaxis = addFrame("fraYaxis", "Y-axis ", 5000, 6200, 2295, 1095);
    setTextColour(fraYaxis, ColourBlack);
    auto* optLinear = addChoice(fraYaxis, "optLinear", "Linear (volts)", 300, 1800, true,
                                [] { YAxisMode = 1; });
    auto* optLog = addChoice(fraYaxis, "optLog", "Log (decibels)", 600, 1800, false,
                             [] { YAxisMode = 2; });

    fraClipper = addFrame("fraClipper", "Modulation clipper", 300, 7600, 2295, 1095);
    auto* optClipperOff = addChoice(fraClipper, "optClipperOff", "Off", 300, 1500, true,
                                    [] { ClipperOn = 0; });
    auto* optClipperOn = addChoice(fraClipper, "optClipperOn", "On", 600, 1500, false,
                                   [] { ClipperOn = 1; });

    fraDemodulator = addFrame("fraDemodulator", "Demodulator type", 8000, 6200, 2415, 1095);
    auto* Option1 = addChoice(fraDemodulator, "Option1", "Ideal", 300, 1800, true,
                              [] { DemodType = 0; });
    auto* Option2 = addChoice(fraDemodulator, "Option2", "Diode", 600, 1800, false,
                              [] { DemodType = 1; });

    cmdExit = addCommandButton("cmdExit", "Exit", 8000, 8000, 1200, 375);
    onClicked(cmdExit, [this] { cmdExit_Click(); });

    setFocusOrder({ cmdExit, optAudio1000, optAudio2000, optAudio3000, optModulation0,
                    optModulation10, optModulation25, optModulation50, optModulation100,
                    optModulation120, optModulation140, optLinear, optLog, optClipperOff,
                    optClipperOn, Option1, Option2 });
    cmdExit->setFocus();

    sound_ = new SoundActions(*new PlotActions(*this, plots_));
}

// An option button of a frame, at left 120 and 300 high; choosing it stores its setting
// and redraws the three plots.
QRadioButton* frmAMplot::addChoice(QGroupBox* frame, const QString& name, const QString& caption,
                                   float top, float width, bool selected,
                                   std::function<void()> store)
{
    QRadioButton* option = addOptionButton(frame, name, caption, 120, top, width, 300, selected);
    onChosen(option, [this, store = std::move(store)] {
        store();
        redraw();
    });
    return option;
}

void frmAMplot::onLoad()
{
    setScaleFromScreen();

    moveControl(fraAudioFrequency, 300, 6200);
    moveControl(fraClipper, 300, 7600);
    moveControl(fraModulationPercent, 2750, 6200);
    moveControl(fraYaxis, 5000, 6200);
    moveControl(fraDemodulator, 8000, 6200);

    moveControl(cmdExit, 8000, 8000);
    resizeControl(cmdExit, 1200, 375);
    setControlFontSize(cmdExit, screenButtonPoints());

    // The choices selected when the window opens; the audio frequency (1 kHz) and the
    // clipper (off) keep their start-up values, which match theirs.
    ModDepth = 1;
    YAxisMode = 1;
    DemodType = 0;

    printTitles(canvas());
    redraw();
}

// The three plots for the settings as they now stand, and the sound with them.
void frmAMplot::redraw()
{
    redrawAmPlots(canvas());
    sound_->settingsChanged();
}

void frmAMplot::drawContents(Surface& surface)
{
    printTitles(surface);
    redrawAmPlots(surface);
}

void frmAMplot::onQueryUnload(int reason)
{
    // Closed by the user through the window system: nothing is left to show.
    if (reason == 0)
        Program::end();
}

void frmAMplot::cmdExit_Click()
{
    unload();
    Program::end();
}
