// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The size of the screen in twips, as the windows' load handlers read it. A host sets it
// from its display (the desktop presents the program on a screen of 12000 x 9000 twips
// scaled to fit; the render tools take it from --screen).
namespace Screen {

float widthTwips();
float heightTwips();
void setTwips(float width, float height);

}
