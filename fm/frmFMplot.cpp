// SPDX-License-Identifier: GPL-3.0-or-later
#include "fm/frmFMplot.h"

#include "core/ParseEngValue.h"
#include "core/Surface.h"
#include "core/modMain.h"
#include "fm/FmSpectrumPlot.h"
#include "fm/FmState.h"

#include <cmath>

using namespace modMain;
using namespace FmState;

namespace {
constexpr double FontPoints = 9.75;
constexpr float LabelWidth = 3530; // each label ends 70 units left of its text box
constexpr double LabelHeightTwips = 285;
constexpr float BoxLeft = 3600;
constexpr float MaxModIndex = 15;
}

frmFMplot::frmFMplot()
    : DemonstrationWindow("frmFMplot", "Form1", 11880, 8490, true)
{
    addRow("lblModulatingFrequency", tr("Modulating frequency (Hz): "), "txtModulatingFrequency", "3k", 2500, 1485);
    addRow("lblPeakDeviation", tr("Peak deviation (Hz): "), "txtPeakDeviation", "3k", 3000, 1485);
    addRow("lblPlotWidth", tr("Plot width (Hz): "), "txtPlotWidth", "25k", 4000, 1455);
    addRow("lblPlotBottom", tr("Plot bottom: "), "txtPlotBottom", "-60", 4500, 1485);
    addControl(ControlKind::Button, "cmdDisplay", tr("Update"), 3600, 6000, 1455, 375).bold = true;
    addExit(8000, 8000, 1455, 375);
    setFocusOrder({ "cmdExit", "cmdDisplay", "txtPlotWidth", "txtPlotBottom", "txtPeakDeviation",
                    "txtModulatingFrequency" });
    // Update is the window's default button: Return or Enter in any of the boxes presses it.
    setDefaultButton("cmdDisplay");
    on("cmdDisplay", [this] { cmdDisplay_Click(); });
}

// A label, right-aligned, and its text box on one row, both in the bold window font.
void frmFMplot::addRow(const std::string& label, const std::string& caption, const std::string& box,
                       const std::string& text, double top, double boxWidth)
{
    Control& labelControl = addControl(ControlKind::Label, label, caption, 0, top, LabelWidth, LabelHeightTwips);
    labelControl.align = TextAlign::Right;
    labelControl.bold = true;
    labelControl.labelFor = box;
    addControl(ControlKind::TextBox, box, text, BoxLeft, top, boxWidth, 360).bold = true;
}

void frmFMplot::onLoad()
{
    checked([this] {
        clearFmState();
        setScaleFromScreen();
        surface().setFontSize(FontPoints);
        surface().setFontBold(true);

        placeRow("lblModulatingFrequency", "txtModulatingFrequency", 2500);
        placeRow("lblPeakDeviation", "txtPeakDeviation", 3000);
        placeRow("lblPlotWidth", "txtPlotWidth", 4000);
        placeRow("lblPlotBottom", "txtPlotBottom", 4500);
        moveControl("cmdDisplay", BoxLeft, 6000);
        moveControl("cmdExit", 8000, 8000);
    });
    setFocus("cmdExit");
}

// A label and its text box on one row; the label keeps its design height.
void frmFMplot::placeRow(const std::string& label, const std::string& box, float top)
{
    moveControl(label, 0, top);
    const float designHeight = float(LabelHeightTwips * double(surface().scaleHeight())
                                     / surface().clientHeightTwips());
    resizeControl(label, LabelWidth, designHeight);
    moveControl(box, BoxLeft, top);
}

std::string frmFMplot::readAndCheckInputs()
{
    // The value a text box holds, through the number parser, and the text the parser
    // hands back: trimmed and cut. The box itself keeps what was typed.
    const auto parseBox = [this](const std::string& box, float& value) {
        std::string text = this->text(box);
        ParseEngValue(text, value);
        return text;
    };
    FmInputTexts texts;
    texts[0] = parseBox("txtModulatingFrequency", ModulatingFrequency);
    texts[1] = parseBox("txtPeakDeviation", PeakDeviation);
    texts[3] = parseBox("txtPlotBottom", PlotBottom);
    PlotBottom = std::fabs(PlotBottom);
    // A negative width would turn the frequency scale round and put lines outside the
    // panel; like the plot bottom, only its size counts.
    texts[2] = parseBox("txtPlotWidth", PanelWidth);
    PanelWidth = std::fabs(PanelWidth);

    // A box without a number reads as 0; saying so is clearer than plotting (or refusing)
    // a zero nobody typed.
    if (std::string problem = noNumberMessage(texts); !problem.empty())
        return problem;

    // A zero modulating frequency, width or bottom leaves the index or a scale undefined.
    if (std::string problem = zeroInputMessage(); !problem.empty())
        return problem;

    // The limit holds for negative indices too: the series loses its accuracy the same
    // way whatever the sign. An index far beyond it (too large for single precision with
    // a minute modulating frequency) is turned away before it is stored.
    const double index = double(PeakDeviation) / double(ModulatingFrequency);
    if (std::fabs(index) <= MaxModIndex + 1)
        ModIndex = float(index);
    if (!(std::fabs(index) <= MaxModIndex + 1) || !(std::fabs(ModIndex) <= MaxModIndex))
        return indexLimitMessage();
    return {};
}

void frmFMplot::cmdDisplay_Click()
{
    std::string problem;
    if (!checked([&] { problem = readAndCheckInputs(); }))
        return;
    if (!problem.empty()) {
        showMessage(problem);
        return;
    }
    plot_.keepPlottedValues();
    redraw();
}

void frmFMplot::drawPlots(Surface& surface)
{
    redrawFmPlot(surface);
}

// The plot of the last accepted Update, from the values it was drawn with: a rejected
// Update since has stored other values but left that plot on the screen.
void frmFMplot::drawContents(Surface& surface)
{
    if (plot_.restorePlottedValues())
        drawPlots(surface);
}
