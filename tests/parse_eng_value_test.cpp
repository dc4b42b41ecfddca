#include "app/ParseEngValue.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

using modMain::ParseEngValue;

namespace {

float parse(std::string text)
{
    float result = -12345; // anything but a value the table expects
    ParseEngValue(text, result);
    return result;
}

struct ParseCase {
    const char* text;
    float expected;
};

void PrintTo(const ParseCase& c, std::ostream* out)
{
    *out << '"' << c.text << '"';
}

class ParseEngValueTable : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseEngValueTable, GivesTheValueTheTypedTextMeans)
{
    // Values that are not exact in single precision (2.2u, 100m) come out within a few
    // units in the last place, the way a single-precision product does.
    EXPECT_FLOAT_EQ(parse(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    TypedValues, ParseEngValueTable,
    testing::Values(
        ParseCase { "3k", 3000 }, ParseCase { "25k", 25000 }, ParseCase { "-60", -60 },
        ParseCase { "4.7k", 4700 }, ParseCase { "1,5", 1.5f }, ParseCase { "2.2u", 2.2e-6f },
        ParseCase { "100m", 0.1f }, ParseCase { "100M", 1e8f },
        ParseCase { "3K", 3000 }, ParseCase { "3g", 3e9f }, ParseCase { "3N", 3e-9f },
        ParseCase { "3P", 3e-12f }, ParseCase { "3U", 3e-6f },
        ParseCase { "1e3", 1000 }, ParseCase { "1E-3", 0.001f }, ParseCase { "1.5E+2", 150 },
        ParseCase { "2e3k", 2000 }, ParseCase { "5k3", 5000 }, ParseCase { "1mm", 0.001f },
        ParseCase { "1.2.3", 1.23f }, ParseCase { "1.5e.3", 1500 },
        ParseCase { "--5", -5 }, ParseCase { "+5", 5 }, ParseCase { "5-", 5 },
        ParseCase { "-.5k", -500 }, ParseCase { ".5", 0.5f }, ParseCase { "  12  ", 12 },
        ParseCase { "x5", 5 }, ParseCase { "e5", 5 }, ParseCase { "5 k", 5000 },
        ParseCase { "", 0 }, ParseCase { "abc", 0 }, ParseCase { "k", 0 }, ParseCase { "-", 0 },
        ParseCase { "2E10", 1e10f }, ParseCase { "-2E10", -1e10f },
        ParseCase { "1E99", 1e10f }, ParseCase { "-1E99", 1e10f },
        ParseCase { "1e5e3", 1e10f }, ParseCase { "1234567890123k", 1e10f },
        // More of the rules: a comma after a point, a sign after the exponent marker
        // only, a multiplier letter before any digit, an exponent beyond double range,
        // blanks only, a lone point, a second multiplier letter of another kind.
        ParseCase { "1.5,5", 1.55f }, ParseCase { "1e+-2", 100 }, ParseCase { "k5", 5 },
        ParseCase { "1E999", 1e10f }, ParseCase { "-1E999", 1e10f }, ParseCase { "   ", 0 },
        ParseCase { ".", 0 }, ParseCase { "2kM", 2000 }, ParseCase { "1E-99", 0 },
        ParseCase { "1e10", 1e10f }, ParseCase { "-1e10", -1e10f }, ParseCase { "9999999999", 1e10f }));

// The cases where "E" has no digit after it, or no mantissa digit before it.
INSTANTIATE_TEST_SUITE_P(
    ExponentWithoutDigits, ParseEngValueTable,
    testing::Values(
        // An "E" with no exponent digit is not part of the number: the mantissa stands.
        ParseCase { "1e", 1 }, ParseCase { "1e-", 1 }, ParseCase { "-2.5E+", -2.5f },
        ParseCase { "1ek", 1 },
        // Without a digit before the "E" there is no number at all.
        ParseCase { "-e5", 0 }, ParseCase { ".e5", 0 }, ParseCase { "+E-3", 0 }));

TEST(ParseEngValue, HandsBackTheTextTrimmedOfSpacesAndCutToTwelveCharacters)
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

TEST(ParseEngValue, ReadsAPointWhateverTheLocale)
{
    // from_chars never looks at the C locale; a German locale must not change "1.5".
    const char* german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(parse("1.5k"), 1500);
    EXPECT_EQ(parse("1,5k"), 1500);
    if (german)
        std::setlocale(LC_NUMERIC, "C");
}

}
