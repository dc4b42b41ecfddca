// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Screen.h"

namespace {
float screenWidth = 12000;
float screenHeight = 9000;
}

namespace Screen {

float widthTwips() { return screenWidth; }
float heightTwips() { return screenHeight; }

void setTwips(float width, float height)
{
    screenWidth = width;
    screenHeight = height;
}

}
