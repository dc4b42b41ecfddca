// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmOpening.h"

#include "am/frmAMplot.h"
#include "app/OpeningArtwork.h"
#include "core/modMain.h"
#include "fm/frmFMplot.h"
#include "ssb/frmSSBplot.h"
#include "surface/Presentation.h"
#include "surface/Program.h"

#include <QLabel>
#include <QPushButton>

using namespace modMain;

namespace {
constexpr Colour Blue = 0xFF0000;
constexpr Colour DarkBlue = 0xC00000;
}

frmOpening::frmOpening()
    : Form("frmOpening", "Opening", 12000, 9000, Border::None)
{
    lblHeading = addLabel("lblHeading", "Tavinel", 15, 500, 12000, 1335, Align::Centre);
    setControlFont(lblHeading, 36, false, true);
    setTextColour(lblHeading, Blue);
    lblVersion = addLabel("lblVersion", "", 0, 3600, 12000, 375);
    lblCopyright = addLabel("lblCopyright", "", 0, 3960, 12000, 375);
    for (QLabel* label : { lblVersion, lblCopyright }) {
        setControlFont(label, 9.75, true);
        setTextColour(label, DarkBlue);
    }

    cmdAMenter = addCommandButton("cmdAMenter", "Amplitude modulation", 8040, 6360, 3000, 375);
    cmdFMenter = addCommandButton("cmdFMenter", "Frequency modulation", 8000, 6840, 3000, 375);
    cmdSSBenter = addCommandButton("cmdSSBenter", "Single sideband", 8000, 7320, 3000, 375);
    cmdExit = addCommandButton("cmdExit", "Exit", 8000, 7800, 3000, 375);
    setFocusOrder({ cmdExit, cmdAMenter, cmdSSBenter, cmdFMenter });

    onClicked(cmdAMenter, [this] { cmdAMenter_Click(); });
    onClicked(cmdFMenter, [this] { cmdFMenter_Click(); });
    onClicked(cmdSSBenter, [this] { cmdSSBenter_Click(); });
    onClicked(cmdExit, [this] { cmdExit_Click(); });
}

void frmOpening::onLoad()
{
    const float screenHeight = Presentation::screenHeightTwips();
    setScaleFromScreen();
    InitSharedState();

    moveControl(lblHeading, 15, 1500);
    resizeControl(lblHeading, 12000, 2400);
    setControlFontSize(lblHeading, double(screenHeight) * 0.005);

    moveControl(lblVersion, 1000, 6000);
    resizeControl(lblVersion, 11900, 1200);
    setControlFontSize(lblVersion, double(screenHeight) * 0.0016);
    lblVersion->setText(QString::fromStdString("Version " + VersionText));

    moveControl(lblCopyright, 1000, 6500);
    resizeControl(lblCopyright, 11900, 1200);
    setControlFontSize(lblCopyright, double(screenHeight) * 0.0016);
    lblCopyright->setText(QString::fromStdString(CopyrightText));

    const float buttonPoints = screenButtonPoints();
    moveControl(cmdAMenter, 8000, 6800);
    resizeControl(cmdAMenter, 3000, 375);
    setControlFontSize(cmdAMenter, buttonPoints);
    // The Frequency modulation button is only moved: it keeps its design size and font.
    moveControl(cmdFMenter, 8000, 7300);
    moveControl(cmdSSBenter, 8000, 7800);
    resizeControl(cmdSSBenter, 3000, 375);
    setControlFontSize(cmdSSBenter, buttonPoints);
    moveControl(cmdExit, 8000, 8300);
    resizeControl(cmdExit, 3000, 375);
    setControlFontSize(cmdExit, buttonPoints);

    PanelBackColour = 0xCFCFCF;
    ModDepth = 1.2f;
    drawOpeningArtwork(canvas());

    cmdExit->setFocus();
}

void frmOpening::drawContents(Surface& surface)
{
    drawOpeningArtwork(surface);
}

void frmOpening::cmdAMenter_Click()
{
    (new frmAMplot)->showWindow();
    unload();
}

void frmOpening::cmdFMenter_Click()
{
    (new frmFMplot)->showWindow();
    unload();
}

void frmOpening::cmdSSBenter_Click()
{
    (new frmSSBplot)->showWindow();
    unload();
}

void frmOpening::cmdExit_Click()
{
    unload();
    Program::end();
}
