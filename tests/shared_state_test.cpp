// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotTestSupport.h"

#include <tuple>

using namespace modMain;

namespace {

TEST(SharedStateTest, PanelCentreRoundsHalvesToEven)
{
    // clang-format off
    for (const auto& [left, width, centre] : { std::tuple { 4300, 3000, 5800 }, { 400, 3200, 2000 },
                                                { 0, 5, 2 }, { 0, 7, 4 }, { 1, 3, 2 } }) {
        // clang-format on
        PanelLeft = std::int16_t(left);
        PanelWidth = float(width);
        EXPECT_EQ(centreOfPanel(), centre) << left << " + " << width << " / 2";
    }
}

}
