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
    // The program takes no settings from its command line, only one of these two questions,
    // and answers it without a display.
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--version") != 0 && std::strcmp(argv[i], "--help") != 0) {
            std::fprintf(stderr, "tavinel: unknown option '%s'\n%s", argv[i], Usage);
            return 2;
        }
    if (argc > 2) {
        std::fprintf(stderr, "tavinel: one question at a time: --help or --version\n%s", Usage);
        return 2;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("tavinel %s\n", Program::version());
        return 0;
    }
    if (argc == 2) {
        std::fputs(Usage, stdout);
        return 0;
    }

    // Without a display, or with one that does not answer, the toolkit would abort with
    // advice that does not apply.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs(Application::noDisplayMessage({}).constData(), stderr);
        return 1;
    }
    Application::endQuietlyWithoutDisplay();
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
