// SPDX-License-Identifier: GPL-3.0-or-later
#include "fm/frmFMplot.h"

#include "core/ParseEngValue.h"
#include "core/modMain.h"
#include "fm/FmInputMessages.h"
#include "fm/FmSpectrumPlot.h"
#include "fm/FmState.h"
#include "surface/PlotActions.h"
#include "surface/Program.h"
#include "surface/SoundActions.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

using namespace modMain;
using namespace FmState;

namespace {
constexpr double FontPoints = 9.75;
constexpr float LabelWidth = 3530; // each label ends 70 units left of its text box
constexpr float LabelHeightTwips = 285;
constexpr float BoxLeft = 3600;
constexpr float MaxModIndex = 15;

// The value a text box holds, through the number parser, and the text the parser hands
// back: trimmed and cut. The box itself keeps what was typed.
std::string parseBox(const QLineEdit* box, float& value)
{
    std::string text = box->text().toStdString();
    ParseEngValue(text, value);
    return text;
}
}

frmFMplot::frmFMplot()
    : Form("frmFMplot", "Form1", 11880, 8490, Border::TitleBar)
{
    lblModulatingFrequency = addLabel("lblModulatingFrequency", "Modulating frequency (Hz): ",
                                      0, 2500, 3530, 285, Align::Right);
    txtModulatingFrequency = addTextBox("txtModulatingFrequency", "3k", 3600, 2500, 1485, 360);
    lblPeakDeviation = addLabel("lblPeakDeviation", "Peak deviation (Hz): ", 0, 3000, 3530, 285,
                                Align::Right);
    txtPeakDeviation = addTextBox("txtPeakDeviation", "3k", 3600, 3000, 1485, 360);
    lblPlotWidth = addLabel("lblPlotWidth", "Plot width (Hz): ", 0, 4000, 3530, 285, Align::Right);
    txtPlotWidth = addTextBox("txtPlotWidth", "25k", 3600, 4000, 1455, 360);
    lblPlotBottom = addLabel("lblPlotBottom", "Plot bottom: ", 0, 4500, 3530, 285, Align::Right);
    txtPlotBottom = addTextBox("txtPlotBottom", "-60", 3600, 4500, 1485, 360);
    cmdDisplay = addCommandButton("cmdDisplay", "Update", 3600, 6000, 1455, 375);
    cmdExit = addCommandButton("cmdExit", "Exit", 8000, 8000, 1455, 375);

    for (QWidget* control : std::initializer_list<QWidget*> {
             lblModulatingFrequency, txtModulatingFrequency, lblPeakDeviation, txtPeakDeviation,
             lblPlotWidth, txtPlotWidth, lblPlotBottom, txtPlotBottom, cmdDisplay, cmdExit })
        setControlFont(control, FontPoints, true);
    setFocusOrder({ cmdExit, cmdDisplay, txtPlotWidth, txtPlotBottom, txtPeakDeviation,
                    txtModulatingFrequency });

    onClicked(cmdDisplay, [this] { cmdDisplay_Click(); });
    onClicked(cmdExit, [this] { cmdExit_Click(); });

    // Update is the window's default button: Enter in any of the boxes presses it.
    cmdDisplay->setDefault(true);
    for (QLineEdit* box : { txtModulatingFrequency, txtPeakDeviation, txtPlotWidth, txtPlotBottom })
        connect(box, &QLineEdit::returnPressed, cmdDisplay, &QPushButton::click);

    sound_ = new SoundActions(*new PlotActions(*this, plot_));
}

void frmFMplot::onLoad()
{
    clearFmState();
    setScaleFromScreen();
    canvas().setFontSize(FontPoints);
    canvas().setFontBold(true);

    placeRow(lblModulatingFrequency, txtModulatingFrequency, 2500);
    placeRow(lblPeakDeviation, txtPeakDeviation, 3000);
    placeRow(lblPlotWidth, txtPlotWidth, 4000);
    placeRow(lblPlotBottom, txtPlotBottom, 4500);
    moveControl(cmdDisplay, BoxLeft, 6000);
    moveControl(cmdExit, 8000, 8000);

    cmdExit->setFocus();
}

// A label and its text box on one row; the label keeps its design height.
void frmFMplot::placeRow(QLabel* label, QLineEdit* box, float top)
{
    moveControl(label, 0, top);
    const float designHeight
        = float(LabelHeightTwips * double(canvas().scaleHeight()) / canvas().clientHeightTwips());
    resizeControl(label, LabelWidth, designHeight);
    moveControl(box, BoxLeft, top);
}

FmInputTexts frmFMplot::readInputs()
{
    FmInputTexts texts;
    texts[0] = parseBox(txtModulatingFrequency, ModulatingFrequency);
    texts[1] = parseBox(txtPeakDeviation, PeakDeviation);
    texts[3] = parseBox(txtPlotBottom, PlotBottom);
    PlotBottom = std::fabs(PlotBottom);
    // A negative width would turn the frequency scale round and put lines outside the
    // panel; like the plot bottom, only its size counts.
    texts[2] = parseBox(txtPlotWidth, PanelWidth);
    PanelWidth = std::fabs(PanelWidth);
    return texts;
}

void frmFMplot::cmdDisplay_Click()
{
    const FmInputTexts texts = readInputs();

    // A box without a number reads as 0; saying so is clearer than plotting (or refusing)
    // a zero nobody typed.
    if (const std::string problem = noNumberMessage(texts); !problem.empty()) {
        messageBox(problem);
        return;
    }

    // A zero modulating frequency, width or bottom leaves the index or a scale undefined.
    if (const std::string problem = zeroInputMessage(); !problem.empty()) {
        messageBox(problem);
        return;
    }

    // The limit holds for negative indices too: the series loses its accuracy the same
    // way whatever the sign. An index far beyond it (too large for single precision with
    // a minute modulating frequency) is turned away before it is stored.
    const double index = double(PeakDeviation) / double(ModulatingFrequency);
    if (std::fabs(index) <= MaxModIndex + 1)
        ModIndex = float(index);
    if (!(std::fabs(index) <= MaxModIndex + 1) || !(std::fabs(ModIndex) <= MaxModIndex)) {
        messageBox(indexLimitMessage());
        return;
    }

    plot_.keepPlottedValues();
    redrawFmPlot(canvas());
    sound_->settingsChanged();
}

// The plot of the last accepted Update, from the values it was drawn with: a rejected
// Update since has stored other values but left that plot on the screen.
void frmFMplot::drawContents(Surface& surface)
{
    if (plot_.restorePlottedValues())
        redrawFmPlot(surface);
}

void frmFMplot::cmdExit_Click()
{
    unload();
    Program::end();
}
