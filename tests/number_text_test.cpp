#include "app/NumberText.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatSingle, WritesTheGeneralNumberFormat)
{
    const std::pair<float, const char*> cases[] = {
        { 0.0f, "0" },           { -0.0f, "0" },          { -60.0f, "-60" },        { -25000.0f / 3000.0f, "-8.333333" },
        { 12500.5f, "12500.5" }, { 0.5f, "0.5" },         { 1.2f, "1.2" },          { 0.1f, "0.1" },
        { 2.2e-6f, "2.2E-06" },  { 1e10f, "1E+10" },      { 1234567.0f, "1234567" }, { 12345678.0f, "1.234568E+07" },
        { 0.0001f, "0.0001" },   { 1025.949f, "1025.949" },
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(FormatSingle(value), text);
}

TEST(FormatDouble, KeepsFifteenDigits)
{
    EXPECT_EQ(FormatDouble(11520 * 0.0016), "18.432");
    EXPECT_EQ(FormatDouble(1.0 / 3.0), "0.333333333333333");
}

}
