// SPDX-License-Identifier: GPL-3.0-or-later
#include "am/AmPlots.h"

// Each rule works on the result of the one before, and each result is kept in single
// precision like the envelope factor itself.

float applyDiodeKnee(float E)
{
    if (E < 0.1)
        E = float((double(E) - 0.1) * 0.3 + 0.1);
    if (E < 0.05)
        E = float((double(E) - 0.05) * 0.1 + 0.05);
    return E;
}

float applyModulationClipper(float E)
{
    E = applyDiodeKnee(E);
    if (E > 1.9)
        E = float((double(E) - 1.9) * 0.3 + 1.9);
    if (E > 1.95)
        E = float((double(E) - 1.95) * 0.1 + 1.95);
    return E;
}
