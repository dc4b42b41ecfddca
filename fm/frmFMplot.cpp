#include "fm/frmFMplot.h"

#include "surface/Program.h"

#include <QPushButton>

frmFMplot::frmFMplot()
    : Form("frmFMplot", "Form1", 11880, 8490, Border::TitleBar)
{
    cmdExit = addCommandButton("cmdExit", "Exit", 8000, 8000, 1200, 375);
    setFaceColour(cmdExit, 0xE0E0E0);
    connect(cmdExit, &QPushButton::clicked, this, &frmFMplot::cmdExit_Click);
}

void frmFMplot::onLoad()
{
    setScaleFromScreen();
}

void frmFMplot::cmdExit_Click()
{
    unload();
    Program::end();
}
