// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ExactSine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// Sines rounded to nearest from libquadmath's 113-bit sinq, each confirmed by a separate
// computation in 3000-bit integers.
constexpr struct {
    double x, sine;
} Doubles[] = {
    { 0.5, 0x1.eaee8744b05fp-2 },
    { -2.5, -0x1.326af0dcfcab1p-1 },
    { 1.0, 0x1.aed548f090ceep-1 },
    { 0x1.921fb54442d18p+1, 0x1.1a62633145c07p-53 }, // the double nearest pi
    { 0x1.921fb54442d18p+0, 1.0 },                   // and pi/2
    { 1e8, 0x1.dcffca623a20bp-1 },
    { 3000.0 * 36000, -0x1.96ab997979d2dp-1 }, // the carrier's last step
    { 0x1p27, -0x1.86dcc9babb0a4p-1 },
    { 1e22, -0x1.b453ab76bf397p-1 },
    { 0x1.fffffffffffffp+1023, 0x1.452fc98b34e97p-8 },
    { 0x1.6c6cbc45dc8dep+6, -0x1.6d61b58c99c43p-60 }, // 2^-60 from 29 pi
    { 6381956970095103.0 * 0x1p797, 1.0 },            // the double nearest a multiple of pi/2
    { 0x1p-30, 0x1p-30 },
    { 0x1p-1074, 0x1p-1074 },
    // glibc's sin is an ulp out: carrier steps 525, 868 and 2217, the 1 kHz tone's 1327th
    // and 1357th hundredths of a degree.
    { 3000.0 * 525, 0x1.c36638e09c5c9p-3 },
    { 3000.0 * 868, 0x1.68d675bb063efp-3 },
    { 3000.0 * 2217, -0x1.537b175b215a3p-3 },
    { 0x1.da53d4p-3, 0x1.d61926ced552fp-3 },
    { 0x1.e50cfep-3, 0x1.e0875b0e3bae5p-3 },
};

constexpr struct {
    float x, sine;
} Floats[] = {
    { 0.5f, 0x1.eaee88p-2f },
    { 100.0f, -0x1.03425cp-1f },
    { 0x1.921fb6p+1f, -0x1.777a5cp-24f }, // the float nearest pi
    // glibc's sinf is an ulp out: the menu's 1 kHz envelope at 610 and 641.
    { 0x1.b414bcp-4f, 0x1.b341f4p-4f },
    { 0x1.ca3e14p-4f, 0x1.c94984p-4f },
};

TEST(ExactSine, RoundsDoublesToNearest)
{
    for (const auto& c : Doubles) {
        EXPECT_EQ(exactSin(c.x), c.sine) << std::hexfloat << c.x;
        EXPECT_EQ(exactSin(-c.x), -c.sine) << std::hexfloat << c.x;
        EXPECT_EQ(exactSinWide(c.x), c.sine) << std::hexfloat << c.x;
    }
}

TEST(ExactSine, RoundsFloatsToNearest)
{
    for (const auto& c : Floats) {
        EXPECT_EQ(exactSin(c.x), c.sine) << std::hexfloat << c.x;
        EXPECT_EQ(exactSin(-c.x), -c.sine) << std::hexfloat << c.x;
        EXPECT_EQ(exactSinWide(c.x), c.sine) << std::hexfloat << c.x;
    }
}

TEST(ExactSine, KeepsZerosSignAndGivesNaNForInfinities)
{
    EXPECT_TRUE(std::signbit(exactSin(-0.0)));
    EXPECT_FALSE(std::signbit(exactSin(0.0)));
    EXPECT_TRUE(std::signbit(exactSin(-0.0f)));
    const double inf = std::numeric_limits<double>::infinity();
    for (double x : { inf, -inf, std::numeric_limits<double>::quiet_NaN() }) {
        EXPECT_TRUE(std::isnan(exactSin(x)));
        EXPECT_TRUE(std::isnan(exactSin(float(x))));
    }
}

} // namespace
