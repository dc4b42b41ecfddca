// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Windows.h"
#include "surface/Application.h"
#include "surface/Presentation.h"
#include "surface/Program.h"
#include "surface/Translations.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* Usage = "usage: tavinel [--help | --version]\n"
                              "Tavinel teaches analogue modulation: amplitude modulation, single sideband and\n"
                              "frequency modulation, each drawn at once for the settings chosen.\n";

}

int main(int argc, char* argv[])
{
    // The program takes no settings from its command line, only these two questions, and
    // answers them without a display.
    if (argc > 1) {
        if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
            std::printf("tavinel %s\n", Program::version());
            return 0;
        }
        if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
            std::fputs(Usage, stdout);
            return 0;
        }
        std::fprintf(stderr, "tavinel: unknown option '%s'\n%s", argv[1], Usage);
        return 2;
    }

    // Without a display the toolkit would abort with advice that does not apply.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("tavinel: no display found: start Tavinel from a desktop session, or with ./build.sh run, "
                   "which starts it on a virtual one\n",
                   stderr);
        return 1;
    }
    Application::provideRuntimeFolder();
    int toolkitArgc = 1;
    char* toolkitArgv[] = { argv[0], nullptr };
    Application application(toolkitArgc, toolkitArgv);
    Presentation::fitToPrimaryScreen();
    Translations::use(Translations::systemLanguage());

    Program::setWindowFactory(createWindow);
    Program::open("frmOpening");
    if (Program::ended())
        return 1;
    return application.exec();
}
