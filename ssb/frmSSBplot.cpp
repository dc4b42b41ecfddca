// SPDX-License-Identifier: GPL-3.0-or-later
#include "ssb/frmSSBplot.h"

#include "core/modMain.h"
#include "ssb/SsbPlots.h"
#include "ssb/SsbSineTables.h"
#include "surface/PlotActions.h"
#include "surface/Program.h"
#include "surface/SoundActions.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace modMain;

namespace {

// The titles over the two panels, in the window font made bold, which it then leaves
// regular for the axis labels.
void printTitles(Surface& surface)
{
    surface.setFontBold(true);
    surface.printAt(1000, 100, "Transmitted signal spectrum");
    surface.printAt(7000, 100, "Transmitted signal envelope");
    surface.setFontBold(false);
}

// The levels, in dB, offered by both level frames, one per row from the top.
constexpr std::array<float, 8> Levels = { 0, -6, -12, -20, -30, -40, -50, -120 };

// Tops of the rows of the two level frames, in twips from the frame's top.
float rowTop(std::size_t row)
{
    return float(300 + 300 * row);
}

QString optionName(std::size_t number)
{
    return QStringLiteral("Option%1").arg(number);
}

}

frmSSBplot::frmSSBplot()
    : Form("frmSSBplot", "SSB plots", 12000, 9000, Border::None)
{
    addAudioFrame();
    addModeFrame();
    addCarrierFrame();
    addSuppressionFrame();

    cmdExit = addCommandButton("cmdExit", "Exit", 9000, 8000, 1188, 354);
    onClicked(cmdExit, [this] { cmdExit_Click(); });

    std::vector<QWidget*> order { cmdExit, optAudio3000, optAudio2000, optAudio1000,
                                  optDouble, optLower, optUpper };
    order.insert(order.end(), carrierOptions.begin(), carrierOptions.end());
    order.insert(order.end(), suppressionOptions.begin(), suppressionOptions.end());
    setFocusOrder(order);

    sound_ = new SoundActions(*new PlotActions(*this, plots_));
}

void frmSSBplot::addAudioFrame()
{
    fraAudioFrequency = addFrame("fraAudioFrequency", "Audio frequency", 300, 6120, 2895, 1380);
    optAudio1000 = addOptionButton(fraAudioFrequency, "optAudio1000", "1000 Hz", 120, 300, 1500, 300, true);
    optAudio2000 = addOptionButton(fraAudioFrequency, "optAudio2000", "2000 Hz", 120, 600, 1500, 300);
    optAudio3000 = addOptionButton(fraAudioFrequency, "optAudio3000", "3000 Hz", 120, 900, 1500, 300);
    onChosen(optAudio1000, [this] { optAudio_Click(1); });
    onChosen(optAudio2000, [this] { optAudio_Click(2); });
    onChosen(optAudio3000, [this] { optAudio_Click(3); });
}

void frmSSBplot::addModeFrame()
{
    fraMode = addFrame("fraMode", "Mode", 300, 7560, 2895, 1380);
    optDouble = addOptionButton(fraMode, "optDouble", "Double sideband", 120, 300, 2595, 300, true);
    optLower = addOptionButton(fraMode, "optLower", "Ideal lower sideband", 120, 600, 2595, 300);
    optUpper = addOptionButton(fraMode, "optUpper", "Ideal upper sideband", 120, 900, 2595, 300);
    onChosen(optDouble, [this] { optDouble_Click(); });
    onChosen(optLower, [this] { optLower_Click(); });
    onChosen(optUpper, [this] { optUpper_Click(); });
}

void frmSSBplot::addCarrierFrame()
{
    static const char* const captions[] = { "0 dB (full)", "-6", "-12", "-20", "-30", "-40", "-50", "-120 (off)" };
    fraCarrier = addFrame("fraCarrier", "Carrier", 3300, 6120, 1695, 2850);
    for (std::size_t row = 0; row < carrierOptions.size(); ++row) {
        QRadioButton* option = addOptionButton(fraCarrier, optionName(row + 1), captions[row], 120,
                                               rowTop(row), 1200, 300, row == 7);
        const float level = Levels[row];
        onChosen(option, [this, level] { carrierOption_Click(level); });
        carrierOptions[row] = option;
    }
}

void frmSSBplot::addSuppressionFrame()
{
    static const char* const captions[]
        = { "0 dB (full DSB)", "-6", "-12", "-20", "-30", "-40", "-50", "-120 (full SSB)" };
    fraSuppression = addFrame("fraSuppression", "Unwanted sideband", 5100, 6120, 2775, 2850);
    for (std::size_t row = 0; row < suppressionOptions.size(); ++row) {
        const float width = (row == 0 || row == 7) ? 1920 : 1200;
        QRadioButton* option = addOptionButton(fraSuppression, optionName(row + 9), captions[row], 120,
                                               rowTop(row), width, 300, row == 0);
        const float level = Levels[row];
        onChosen(option, [this, level] { suppressionOption_Click(level); });
        suppressionOptions[row] = option;
    }
}

void frmSSBplot::onLoad()
{
    setScaleFromScreen();

    moveControl(fraAudioFrequency, 300, 6000);
    moveControl(fraMode, 300, 7480);
    moveControl(fraCarrier, 3300, 6000);
    moveControl(fraSuppression, 5100, 6000);

    moveControl(cmdExit, 9000, 8000);
    resizeControl(cmdExit, 1200, 375);
    setControlFontSize(cmdExit, screenButtonPoints());

    printTitles(canvas());

    // The settings the pre-selected buttons stand for. AudioKHz keeps its start-up
    // value, 1, which "1000 Hz" stands for.
    SsbMode = 2;
    CarrierLevel = -120;
    SidebandLevel = 0;

    redraw();
    cmdExit->setFocus();
    QTimer::singleShot(0, this, &frmSSBplot::prepareSineTables);
}

// The sines of the other modulating frequencies are computed while the window stands
// idle, one table at a time, so that choosing a frequency later redraws as quickly as
// choosing a level.
void frmSSBplot::prepareSineTables()
{
    if (computeMissingSsbSineTable())
        QTimer::singleShot(0, this, &frmSSBplot::prepareSineTables);
}

void frmSSBplot::drawContents(Surface& surface)
{
    printTitles(surface);
    redrawSsbPlots(surface);
}

// Both plots for the settings as they now stand, and the sound with them.
void frmSSBplot::redraw()
{
    redrawSsbPlots(canvas());
    sound_->settingsChanged();
}

void frmSSBplot::optAudio_Click(float kHz)
{
    AudioKHz = kHz;
    redraw();
}

void frmSSBplot::optDouble_Click()
{
    enableSuppressionOptions(true);
    SsbMode = 2;
    redraw();
}

void frmSSBplot::optLower_Click()
{
    enableSuppressionOptions(false);
    SsbMode = -1;
    redraw();
}

void frmSSBplot::optUpper_Click()
{
    enableSuppressionOptions(false);
    SsbMode = 1;
    redraw();
}

void frmSSBplot::carrierOption_Click(float level)
{
    CarrierLevel = level;
    redraw();
}

void frmSSBplot::suppressionOption_Click(float level)
{
    SidebandLevel = level;
    redraw();
}

void frmSSBplot::cmdExit_Click()
{
    unload();
    Program::end();
}

// The unwanted-sideband buttons only mean something in double-sideband mode. They are
// greyed out one by one and keep their selection; the frame stays enabled.
void frmSSBplot::enableSuppressionOptions(bool enabled)
{
    for (QRadioButton* option : suppressionOptions)
        option->setEnabled(enabled);
}

