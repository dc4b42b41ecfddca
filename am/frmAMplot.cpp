#include "am/frmAMplot.h"

#include "surface/Program.h"

#include <QPushButton>

frmAMplot::frmAMplot()
    : Form("frmAMplot", "AM plots", 12000, 9000, Border::None)
{
    cmdExit = addCommandButton("cmdExit", "Exit", 8000, 8000, 1200, 375);
    setFaceColour(cmdExit, 0xE0E0E0);
    connect(cmdExit, &QPushButton::clicked, this, &frmAMplot::cmdExit_Click);
}

void frmAMplot::onLoad()
{
    setScaleFromScreen();
}

void frmAMplot::cmdExit_Click()
{
    unload();
    Program::end();
}
