// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/NumberText.h"
#include "core/ParseEngValue.h"
#include "core/PlotData.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>

using modMain::ParseEngValue;

namespace {

float parse(std::string text)
{
    float result = -12345; // anything but a value the table expects
    ParseEngValue(text, result);
    return result;
}

TEST(ParseEngValueTest, GivesTheValueTheTypedTextMeans)
{
    const std::pair<const char*, float> cases[] = {
        { "3k", 3000 }, { "25k", 25000 }, { "-60", -60 }, { "4.7k", 4700 }, { "1,5", 1.5f },
        { "2.2u", 2.2e-6f }, { "100m", 0.1f }, { "100M", 1e8f }, { "3K", 3000 }, { "3g", 3e9f },
        { "3N", 3e-9f }, { "3P", 3e-12f }, { "3U", 3e-6f }, { "1e3", 1000 }, { "1E-3", 0.001f },
        { "1.5E+2", 150 }, { "2e3k", 2000 }, { "5k3", 5000 }, { "1mm", 0.001f }, { "1.2.3", 1.23f },
        { "1.5e.3", 1500 }, { "--5", -5 }, { "+5", 5 }, { "5-", 5 }, { "-.5k", -500 },
        { ".5", 0.5f }, { "  12  ", 12 }, { "x5", 5 }, { "e5", 5 }, { "5 k", 5000 },
        { "", 0 }, { "abc", 0 }, { "k", 0 }, { "-", 0 }, { "2E10", 1e10f },
        { "-2E10", -1e10f }, { "1E99", 1e10f }, { "-1E99", 1e10f }, { "1e5e3", 1e10f }, { "1234567890123k", 1e10f },
        // More of the rules: a comma after a point, a sign after the exponent marker
        // only, a multiplier letter before any digit, an exponent beyond double range,
        // blanks only, a lone point, a second multiplier letter of another kind, the limit.
        { "1.5,5", 1.55f }, { "1e+-2", 100 }, { "k5", 5 }, { "1E999", 1e10f }, { "-1E999", 1e10f },
        { "   ", 0 }, { ".", 0 }, { "2kM", 2000 }, { "1E-99", 0 }, { "1e10", 1e10f },
        { "-1e10", -1e10f }, { "9999999999", 1e10f },
        // An "E" with no exponent digit is not part of the number: the mantissa stands.
        { "1e", 1 }, { "1e-", 1 }, { "-2.5E+", -2.5f }, { "1ek", 1 },
        // Without a digit before the "E" there is no number at all.
        { "-e5", 0 }, { ".e5", 0 }, { "+E-3", 0 },
    };
    // Values that are not exact in single precision (2.2u, 100m) come out within a few
    // units in the last place, the way a single-precision product does.
    for (const auto& [text, value] : cases)
        EXPECT_FLOAT_EQ(parse(text), value) << '"' << text << '"';
}

TEST(ParseEngValueTest, HandsBackTheTextTrimmedOfSpacesAndCutToTwelveCharacters)
{
    const struct {
        std::string text, handedBack;
        float value;
    } cases[] = {
        { "  12  ", "12", 12 },
        { "  1234567890123k ", "123456789012", 1e10f },
        { "3k", "3k", 3000 },
        // Tabs are not trimmed, count towards the twelve characters, and are ignored.
        { "\t3k\t", "\t3k\t", 3000 },
        // The cut counts characters, not bytes, and leaves whole characters.
        { "\u03A9\u03A9\u03A9\u03A9\u03A9\u03A9123456", "\u03A9\u03A9\u03A9\u03A9\u03A9\u03A9123456", 123456 },
        { "\u00B5\u00B5\u00B5\u00B5\u00B5\u00B51234567", "\u00B5\u00B5\u00B5\u00B5\u00B5\u00B5123456", 123456 },
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        float result = 0;
        ParseEngValue(text, result);
        EXPECT_EQ(text, c.handedBack);
        EXPECT_EQ(result, c.value) << c.text;
    }
}

TEST(ParseEngValueTest, ReadsAPointWhateverTheLocale)
{
    // The parser reads its numbers in the "C" locale; a German one must not change "1.5".
    const char* german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(parse("1.5k"), 1500);
    EXPECT_EQ(parse("1,5k"), 1500);
    if (german)
        std::setlocale(LC_NUMERIC, "C");
}

TEST(NumberTextTest, SingleIsWrittenInTheGeneralNumberFormat)
{
    const std::pair<float, const char*> cases[] = {
        { 0.0f, "0" },           { -0.0f, "0" },          { -60.0f, "-60" },        { -25000.0f / 3000.0f, "-8.333333" },
        { 12500.5f, "12500.5" }, { 0.5f, "0.5" },         { 1.2f, "1.2" },          { 0.1f, "0.1" },
        { 2.2e-6f, "2.2E-06" },  { 1e10f, "1E+10" },      { 1234567.0f, "1234567" }, { 12345678.0f, "1.234568E+07" },
        { 0.0001f, "0.0001" },   { 1025.949f, "1025.949" },
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(formatSingle(value), text);
}

TEST(NumberTextTest, DoubleKeepsFifteenDigits)
{
    EXPECT_EQ(formatDouble(11520 * 0.0016), "18.432");
    EXPECT_EQ(formatDouble(1.0 / 3.0), "0.333333333333333");
}

TEST(NumberTextTest, NotANumberAndInfinitiesHaveTheirNames)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double value;
        const char *text, *data;
    } cases[] = {
        { nan, "NaN", "nan" }, { -nan, "NaN", "nan" }, { inf, "Inf", "inf" }, { -inf, "-Inf", "-inf" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatSingle(float(c.value)), c.text) << c.value;
        EXPECT_EQ(formatDouble(c.value), c.text) << c.value;
        EXPECT_EQ(formatDataNumber(c.value), c.data) << c.value;
    }
}

}
