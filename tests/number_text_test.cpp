#include "app/NumberText.h"

#include <gtest/gtest.h>

namespace {

struct SingleCase {
    float value;
    const char* text;
};

class FormatSingleTest : public testing::TestWithParam<SingleCase> {};

TEST_P(FormatSingleTest, WritesTheGeneralNumberFormat)
{
    EXPECT_EQ(FormatSingle(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatSingleTest,
    testing::Values(SingleCase { 0.0f, "0" }, SingleCase { -0.0f, "0" }, SingleCase { 3000.0f, "3000" },
                    SingleCase { -60.0f, "-60" }, SingleCase { -25000.0f / 3000.0f, "-8.333333" },
                    SingleCase { -50000.0f / 3000.0f, "-16.66667" }, SingleCase { 12500.5f, "12500.5" },
                    SingleCase { 0.5f, "0.5" }, SingleCase { 1.2f, "1.2" }, SingleCase { 0.1f, "0.1" },
                    SingleCase { 2.2e-6f, "2.2E-06" }, SingleCase { 1e10f, "1E+10" },
                    SingleCase { 1234567.0f, "1234567" }, SingleCase { 12345678.0f, "1.234568E+07" },
                    SingleCase { 0.0001f, "0.0001" }, SingleCase { 4000.0f, "4000" },
                    SingleCase { 1025.949f, "1025.949" }));

TEST(FormatDouble, KeepsFifteenDigits)
{
    EXPECT_EQ(FormatDouble(57.6), "57.6");
    EXPECT_EQ(FormatDouble(11520 * 0.0016), "18.432");
    EXPECT_EQ(FormatDouble(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(FormatDouble(9.75), "9.75");
}

}
