// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/Application.h"
#include "tools/RenderTool.h"

#include <QByteArray>

#include <iostream>

int main(int argc, char* argv[])
{
    // The render tool never shows a window: it draws on the offscreen platform.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application::provideRuntimeFolder();
    // The offscreen platform says on stderr what it cannot do (raise a window, grab the
    // keyboard); none of it matters to a picture or a sound file, and a good run prints nothing.
    Application::leaveOutNotices("This plugin does not support");
    int toolkitArgc = 1;
    char* toolkitArgv[] = { argv[0], nullptr };
    Application application(toolkitArgc, toolkitArgv);

    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return RenderTool::run(arguments, std::cout, std::cerr);
}
