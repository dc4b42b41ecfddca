// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CarrierSine.h"

#include "core/ExactSine.h"

#include <array>
#include <cassert>

namespace {

using CarrierTable = std::array<double, CarrierSteps + 1>;

const CarrierTable& carrierTable()
{
    static const CarrierTable table = [] {
        CarrierTable sines {};
        for (int step = 0; step <= CarrierSteps; ++step)
            sines[step] = exactSin(3000.0 * step);
        return sines;
    }();
    return table;
}

} // namespace

double carrierSine(int step)
{
    assert(step >= 0 && step <= CarrierSteps);
    return carrierTable()[step];
}
