#include "ssb/frmSSBplot.h"

#include "surface/Program.h"

#include <QPushButton>

frmSSBplot::frmSSBplot()
    : Form("frmSSBplot", "SSB plots", 12000, 9000, Border::None)
{
    cmdExit = addCommandButton("cmdExit", "Exit", 9000, 8000, 1200, 375);
    setFaceColour(cmdExit, 0xE0E0E0);
    connect(cmdExit, &QPushButton::clicked, this, &frmSSBplot::cmdExit_Click);
}

void frmSSBplot::onLoad()
{
    setScaleFromScreen();
}

void frmSSBplot::cmdExit_Click()
{
    unload();
    Program::end();
}
