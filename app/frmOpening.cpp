// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmOpening.h"

#include "app/OpeningArtwork.h"
#include "core/Screen.h"
#include "core/modMain.h"

using namespace modMain;

namespace {
constexpr Colour Blue = 0xFF0000;
constexpr Colour DarkBlue = 0xC00000;
}

frmOpening::frmOpening()
    : WindowModel("frmOpening", "Opening", 12000, 9000, false)
{
    Control& heading = addControl(ControlKind::Label, "lblHeading", "Tavinel", 15, 500, 12000, 1335);
    heading.align = TextAlign::Centre;
    heading.points = 36;
    heading.serif = true;
    heading.textColour = Blue;
    for (const char* name : { "lblVersion", "lblCopyright" }) {
        Control& label = addControl(ControlKind::Label, name, "", 0, name[3] == 'V' ? 3600 : 3960, 12000, 375);
        label.bold = true;
        label.textColour = DarkBlue;
    }

    addControl(ControlKind::Button, "cmdAMenter", tr("Amplitude modulation"), 8040, 6360, 3000, 375).bold = true;
    addControl(ControlKind::Button, "cmdFMenter", tr("Frequency modulation"), 8000, 6840, 3000, 375).bold = true;
    addControl(ControlKind::Button, "cmdSSBenter", tr("Single sideband"), 8000, 7320, 3000, 375).bold = true;
    addControl(ControlKind::Button, "cmdExit", tr("Exit"), 8000, 7800, 3000, 375).bold = true;
    setFocusOrder({ "cmdExit", "cmdAMenter", "cmdSSBenter", "cmdFMenter" });

    on("cmdAMenter", [this] { enter("frmAMplot"); });
    on("cmdFMenter", [this] { enter("frmFMplot"); });
    on("cmdSSBenter", [this] { enter("frmSSBplot"); });
    on("cmdExit", [this] { cmdExit_Click(); });
}

void frmOpening::onLoad()
{
    const bool drawn = checked([this] {
        const float screenHeight = Screen::heightTwips();
        setScaleFromScreen();
        InitSharedState();

        moveControl("lblHeading", 15, 1500);
        resizeControl("lblHeading", 12000, 2400);
        setFontSize("lblHeading", double(screenHeight) * 0.005);

        moveControl("lblVersion", 1000, 6000);
        resizeControl("lblVersion", 11900, 1200);
        setFontSize("lblVersion", double(screenHeight) * 0.0016);
        setCaption("lblVersion", withValues(tr("Version %1"), { VersionText }));

        moveControl("lblCopyright", 1000, 6500);
        resizeControl("lblCopyright", 11900, 1200);
        setFontSize("lblCopyright", double(screenHeight) * 0.0016);
        setCaption("lblCopyright", tr(CopyrightText.c_str()));

        const float buttonPoints = screenButtonPoints();
        moveControl("cmdAMenter", 8000, 6800);
        resizeControl("cmdAMenter", 3000, 375);
        setFontSize("cmdAMenter", buttonPoints);
        // The Frequency modulation button is only moved: it keeps its design size and font.
        moveControl("cmdFMenter", 8000, 7300);
        moveControl("cmdSSBenter", 8000, 7800);
        resizeControl("cmdSSBenter", 3000, 375);
        setFontSize("cmdSSBenter", buttonPoints);
        moveControl("cmdExit", 8000, 8300);
        resizeControl("cmdExit", 3000, 375);
        setFontSize("cmdExit", buttonPoints);

        PanelBackColour = 0xCFCFCF;
        ModDepth = 1.2f;
        drawOpeningArtwork(surface());
    });
    if (drawn)
        setFocus("cmdExit");
}

void frmOpening::drawContents(Surface& surface)
{
    drawOpeningArtwork(surface);
}

std::string frmOpening::helpText()
{
    return tr("<p><b>Tavinel</b> shows how a transmitter puts a sound on a radio carrier.</p>"
              "<p>Choose a demonstration:<ul>"
              "<li><b>Amplitude modulation</b>: the signal, its spectrum and what a receiver's detector "
              "gives back, for the tone, depth and detector you choose.</li>"
              "<li><b>Frequency modulation</b>: the line spectrum for the modulating frequency and "
              "deviation you type.</li>"
              "<li><b>Single sideband</b>: the spectrum and the signal with the carrier and the unwanted "
              "sideband as strong as you choose.</li>"
              "</ul></p>"
              "<p><b>Exit</b> ends the program.</p>");
}

void frmOpening::enter(const std::string& window)
{
    openWindow(window);
    unload();
}

void frmOpening::cmdExit_Click()
{
    unload();
    endProgram();
}
