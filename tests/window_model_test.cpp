// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' models without a toolkit: their layout at load, what their keys do, the
// readouts under a position, and the panels their plots fill.
#include "PlotTestSupport.h"

#include "am/AmPlotSource.h"
#include "am/AmPlots.h"
#include "app/HeadlessSession.h"
#include "core/PlotSource.h"
#include "fm/FmPlotSource.h"
#include "fm/FmSpectrumPlot.h"
#include "fm/FmState.h"
#include "ssb/SsbPlotSource.h"
#include "ssb/SsbPlots.h"
#include "tools/RenderCommand.h"

#include <sstream>

namespace {

// The listing line of one control after the steps, on a screen of the given size.
std::string listedControl(float width, float height, const char* menuButton, const std::string& name,
                          const std::vector<std::string>& clicks = {})
{
    HeadlessSession session(width, height, false);
    session.start();
    if (*menuButton)
        session.click(menuButton);
    for (const std::string& click : clicks)
        session.click(click);
    std::istringstream listing(RenderCommand::controlListing(*session.window(), session.lastSurface()));
    for (std::string line; std::getline(listing, line);)
        if (line.starts_with("control " + name + " "))
            return line;
    return "no control " + name;
}

TEST(WindowModelTest, LoadPlacesAndSizesTheControlsForTheScreen)
{
    const struct {
        float width, height;
        const char* menuButton;
        std::string control, line;
    } cases[] = {
        { 12000, 9000, "", "frmOpening", "control frmOpening window 0 0 12000 9000 9.75 regular - enabled - \"Opening\"" },
        { 12000, 9000, "", "lblVersion", "control lblVersion label 1000 6000 11900 1200 14.4 bold - enabled - \"Version 2.01\"" },
        // Frequency modulation keeps its design size and font: 3000 x 375 twips in a
        // scale of 9375 x 7031.25.
        { 15360, 11520, "", "cmdAMenter", "control cmdAMenter button 8000 6800 3000 375 12.288 bold 1 enabled - \"Amplitude modulation\"" },
        { 15360, 11520, "", "cmdFMenter", "control cmdFMenter button 8000 7300 2343.75 292.969 9.75 bold 3 enabled - \"Frequency modulation\"" },
        { 15360, 11520, "", "lblHeading", "control lblHeading label 15 1500 12000 2400 57.6 regular - enabled - \"Tavinel\"" },
        // Option buttons stand in their frames: 120 twips in, the frame moved in logical units.
        { 12000, 9000, "cmdAMenter", "optLog", "control optLog option 5120 6800 1800 300 9.75 regular 12 enabled unchecked \"Log (decibels)\"" },
        { 15360, 11520, "cmdAMenter", "optAudio3000", "control optAudio3000 option 393.75 6903.12 1171.88 234.375 9.75 regular 3 enabled unchecked \"3000 Hz\"" },
        { 12000, 9000, "cmdSSBenter", "Option16", "control Option16 option 5220 8400 1920 300 9.75 regular 22 enabled unchecked \"-120 (full SSB)\"" },
        { 12000, 9000, "cmdSSBenter", "cmdExit", "control cmdExit button 9000 8000 1200 375 9.6 bold 0 enabled - \"Exit\"" },
        // The FM window's client area is 11880 x 8490 twips in a scale of 12000 x 9000: its
        // labels keep their design height of 285 twips, its boxes their design size.
        { 12000, 9000, "cmdFMenter", "lblPlotWidth", "control lblPlotWidth label 0 4000 3530 302.12 9.75 bold - enabled - \"Plot width (Hz): \"" },
        { 12000, 9000, "cmdFMenter", "txtPlotWidth", "control txtPlotWidth textbox 3600 4000 1469.7 381.625 9.75 bold 2 enabled \"25k\" \"\"" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(listedControl(c.width, c.height, c.menuButton, c.control), c.line);
}

TEST(WindowModelTest, ChoicesStoreTheirSettingAndTheUnwantedSidebandFollowsTheMode)
{
    EXPECT_EQ(listedControl(12000, 9000, "cmdSSBenter", "Option9", { "optUpper" }),
              "control Option9 option 5220 6300 1920 300 9.75 regular 15 disabled checked \"0 dB (full DSB)\"");
    EXPECT_EQ(listedControl(12000, 9000, "cmdSSBenter", "Option12", { "optLower", "Option12", "optDouble", "Option12" }),
              "control Option12 option 5220 7200 1200 300 9.75 regular 18 enabled checked \"-20\"");
}

// The arrows, Home and End move within a frame, never round it, and choose only where the
// option left was chosen; Return in a box presses the window's default button.
TEST(WindowModelTest, KeysMoveWithinAFrameAndPressTheDefaultButton)
{
    HeadlessSession session(12000, 9000, true);
    session.start();
    session.click("cmdAMenter");
    const auto checked = [&](const char* name) { return session.window()->control(name)->checked; };
    session.key("optAudio1000", "Down");
    EXPECT_TRUE(checked("optAudio2000"));
    EXPECT_EQ(modMain::AudioKHz, 2);
    session.key("optAudio3000", "Down"); // not chosen: the focus moves, nothing is chosen
    EXPECT_TRUE(checked("optAudio2000"));
    session.key("optAudio2000", "Up");
    EXPECT_TRUE(checked("optAudio1000"));
    session.key("optAudio1000", "Up"); // the first: nothing before it
    EXPECT_TRUE(checked("optAudio1000"));
    session.key("optLinear", "Right"); // the next one, as Down
    EXPECT_TRUE(checked("optLog"));
    session.key("optLog", "Right"); // the last: nothing after it
    EXPECT_TRUE(checked("optLog"));
    session.key("optLog", "Left");
    EXPECT_TRUE(checked("optLinear"));
    session.key("optModulation100", "End");
    EXPECT_TRUE(checked("optModulation140"));
    session.key("optModulation140", "Home");
    EXPECT_TRUE(checked("optModulation0"));
    EXPECT_EQ(modMain::ModDepth, 0);
    session.key("optModulation50", "End"); // not chosen: the focus moves, nothing is chosen
    EXPECT_TRUE(checked("optModulation0"));
    EXPECT_EQ(session.focusRequest, "optModulation140");
    session.key("optClipperOn", "Space");
    EXPECT_EQ(modMain::ClipperOn, 1);

    session.start();
    session.click("cmdFMenter");
    PlotSource& fm = *session.window()->plots();
    session.key("lblPlotWidth", "Return");
    EXPECT_FALSE(fm.hasPlot());
    session.key("txtPlotBottom", "Enter");
    EXPECT_TRUE(fm.hasPlot());
    session.key("cmdExit", "Space");
    EXPECT_TRUE(session.ended());
}

// A plot with three lines and one trace, and how often its numbers were asked for.
class TwoPanels : public PlotSource {
public:
    std::vector<PlotPanel> plotPanels() const override
    {
        return { { PlotPanel::Kind::Spectrum, { 0, 0, 1000, 100 }, 500, 0.1, {}, {}, 0 },
                 { PlotPanel::Kind::Trace, { 2000, 0, 3000, 100 }, 2000, 100, "wave", {}, 0 } };
    }
    std::vector<SpectrumLine> spectrumLines() override
    {
        ++computed;
        return { { -1000, 0.25 }, { 0, 1 }, { 1000, 0.25 } };
    }
    std::vector<Trace> traces() override
    {
        ++computed;
        return { { "wave", { { 0, 0 }, { 1, 0.5 }, { 2, -0.5 } } } };
    }
    std::string stateName() const override { return "two"; }
    std::string helpText() const override { return {}; }
    std::string plotNote() override { return note; }

    int computed = 0;
    std::string note;
};

TEST(PlotReadoutTest, NamesTheNearestLineOrPointAndNothingElsewhere)
{
    TwoPanels plots;
    const struct {
        double x, y;
        std::string readout;
    } cases[] = {
        { 500, 50, "0 kHz \u00B7 1.000 \u00B7 0.00 dB" },
        { 419, 50, "\u22121 kHz \u00B7 0.250 \u00B7 \u221212.04 dB" }, // 19 units off: within 2 % of 1000
        { 450, 50, "" },                                               // 50 off the nearest: none
        { 2140, 20, "1.000 ms \u00B7 0.500" },                         // t = 1.4 ms: the point at 1 ms
        { 2160, 20, "2.000 ms \u00B7 \u22120.500" },
        { 9000, 9000, "" }, // outside every panel
    };
    for (const auto& c : cases)
        EXPECT_EQ(readoutAt(plots, c.x, c.y), c.readout) << c.x;
    plots.note = "note";
    EXPECT_EQ(readoutAt(plots, 500, 50), "0 kHz \u00B7 1.000 \u00B7 0.00 dB\nnote");

    // Whether a panel has data is known without computing a table; its file is named.
    plots.computed = 0;
    EXPECT_TRUE(panelHasData(plots, 1));
    EXPECT_FALSE(panelHasData(plots, 2));
    EXPECT_EQ(plots.computed, 0);
    EXPECT_EQ(dataFileName(plots, 1), "tavinel-two-wave.csv");
    EXPECT_EQ(panelTable(plots, 1, ','), "plot,time_ms,value\nwave,0,0\nwave,1,0.5\nwave,2,-0.5\n");
}

// Each panel the context menu and readouts know is the dark box its plot routine fills.
TEST(PanelGeometryTest, EveryPanelIsTheBoxItsPlotFills)
{
    const auto fills = [](void (*redraw)(Surface&)) {
        RecordingSurface surface(12000, 9000);
        surface.setScale(12000, 9000);
        redraw(surface);
        std::vector<LogicalRect> boxes;
        for (const DrawOp& op : surface.ops())
            if (op.kind == DrawOp::Kind::Fill && op.colour == modMain::PanelColour)
                boxes.push_back({ op.x1, op.y1, op.x2, op.y2 });
        return boxes;
    };
    const auto expectFilled = [](const std::vector<LogicalRect>& boxes, const LogicalRect& area) {
        const bool found = std::any_of(boxes.begin(), boxes.end(), [&](const LogicalRect& box) {
            return box.left == area.left && box.top == area.top && box.right == area.right && box.bottom == area.bottom;
        });
        EXPECT_TRUE(found) << area.left << " " << area.top << " " << area.right << " " << area.bottom;
    };
    startUpState();
    modMain::ModDepth = 1;
    modMain::YAxisMode = 1;
    const auto am = fills(redrawAmPlots);
    for (const PlotPanel& panel : AmPlotSource::Panels)
        expectFilled(am, panel.area);
    startUpState();
    modMain::SsbMode = 2;
    modMain::CarrierLevel = -120;
    const auto ssb = fills(redrawSsbPlots);
    for (const PlotPanel& panel : SsbPlotSource::Panels)
        expectFilled(ssb, panel.area);
    startUpState();
    modMain::PanelWidth = 25000;
    FmState::PlotBottom = 60;
    expectFilled(fills(DrawFmSpectrumFrame), FmPlotSource::Area);
}

}
