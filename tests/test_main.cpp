// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/Application.h"

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    // The tests never need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    int toolkitArgc = 1;
    Application application(toolkitArgc, argv);
    return RUN_ALL_TESTS();
}
