// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmOpening.h"
#include "surface/Application.h"
#include "surface/Presentation.h"
#include "surface/Program.h"

int main(int argc, char* argv[])
{
    // The program reads no command line: the toolkit sees only the program name.
    (void)argc;
    int toolkitArgc = 1;
    char* toolkitArgv[] = { argv[0], nullptr };
    Application application(toolkitArgc, toolkitArgv);
    Presentation::fitToPrimaryScreen();

    auto* opening = new frmOpening;
    Program::runHandler(*opening, [opening] { opening->showWindow(); });
    if (Program::ended())
        return 1;
    return application.exec();
}
