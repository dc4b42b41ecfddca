// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/NumberText.h"
#include "core/ParseEngValue.h"

#include "core/PlotData.h"
#include <cfenv>

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <limits>
#include <string>

#if defined(__cpp_lib_to_chars)
#include <bit>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>
#endif

using modMain::ParseEngValue;

namespace {

float parse(std::string text)
{
    float result = -12345; // anything but a value the table expects
    ParseEngValue(text, result);
    return result;
}

// Typed texts and the values they mean.
const std::pair<const char*, float> TypedValues[] = {
    { "3k", 3000 },
    { "25k", 25000 },
    { "-60", -60 },
    { "4.7k", 4700 },
    { "1,5", 1.5f },
    { "2.2u", 2.2e-6f },
    { "100m", 0.1f },
    { "100M", 1e8f },
    { "3K", 3000 },
    { "3g", 3e9f },
    { "3N", 3e-9f },
    { "3P", 3e-12f },
    { "3U", 3e-6f },
    { "1e3", 1000 },
    { "1E-3", 0.001f },
    { "1.5E+2", 150 },
    { "2e3k", 2000 },
    { "5k3", 5000 },
    { "1mm", 0.001f },
    { "1.2.3", 1.23f },
    { "1.5e.3", 1500 },
    { "--5", -5 },
    { "+5", 5 },
    { "5-", 5 },
    { "-.5k", -500 },
    { ".5", 0.5f },
    { "  12  ", 12 },
    { "x5", 5 },
    { "e5", 5 },
    { "5 k", 5000 },
    { "", 0 },
    { "abc", 0 },
    { "k", 0 },
    { "-", 0 },
    { "2E10", 1e10f },
    { "-2E10", -1e10f },
    { "1E99", 1e10f },
    { "-1E99", 1e10f },
    { "1e5e3", 1e10f },
    { "1234567890123k", 1e10f },
    // More of the rules: a comma after a point, a sign after the exponent marker
    // only, a multiplier letter before any digit, an exponent beyond double range,
    // blanks only, a lone point, a second multiplier letter of another kind, the limit.
    { "1.5,5", 1.55f },
    { "1e+-2", 100 },
    { "k5", 5 },
    { "1E999", 1e10f },
    { "-1E999", 1e10f },
    { "   ", 0 },
    { ".", 0 },
    { "2kM", 2000 },
    { "1E-99", 0 },
    { "1e10", 1e10f },
    { "-1e10", -1e10f },
    { "9999999999", 1e10f },
    // An "E" with no exponent digit is not part of the number: the mantissa stands.
    { "1e", 1 },
    { "1e-", 1 },
    { "-2.5E+", -2.5f },
    { "1ek", 1 },
    // Without a digit before the "E" there is no number at all.
    { "-e5", 0 },
    { ".e5", 0 },
    { "+E-3", 0 },
};

TEST(ParseEngValueTest, GivesTheValueTheTypedTextMeans)
{
    // Values that are not exact in single precision (2.2u, 100m) come out within a few
    // units in the last place, the way a single-precision product does.
    for (const auto& [text, value] : TypedValues)
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

#if defined(__cpp_lib_to_chars)

// The parser's reading of its number text as it was before it was made portable, with
// std::from_chars (which Emscripten's libc++ lacks for floating point).
std::size_t skipDigits(const std::string& text, std::size_t at, std::size_t& count)
{
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        ++at;
        ++count;
    }
    return at;
}

bool fromCharsLeadingNumber(const std::string& numberText, double& value)
{
    value = 0;
    std::size_t end = 0;
    std::size_t mantissaDigits = 0;
    if (end < numberText.size() && (numberText[end] == '+' || numberText[end] == '-'))
        ++end;
    end = skipDigits(numberText, end, mantissaDigits);
    if (end < numberText.size() && numberText[end] == '.')
        end = skipDigits(numberText, end + 1, mantissaDigits);
    if (mantissaDigits == 0)
        return true;

    bool negativeExponent = false;
    if (end < numberText.size() && numberText[end] == 'E') {
        std::size_t exponent = end + 1;
        bool negative = false;
        if (exponent < numberText.size() && (numberText[exponent] == '+' || numberText[exponent] == '-')) {
            negative = numberText[exponent] == '-';
            ++exponent;
        }
        std::size_t exponentDigits = 0;
        const std::size_t exponentEnd = skipDigits(numberText, exponent, exponentDigits);
        if (exponentDigits > 0) {
            end = exponentEnd;
            negativeExponent = negative;
        }
    }

    // from_chars reads the same way in every locale but takes no leading "+".
    const char* first = numberText.data();
    if (*first == '+')
        ++first;
    const auto [stop, error] = std::from_chars(first, numberText.data() + end, value);
    (void)stop;
    if (error == std::errc::result_out_of_range) {
        value = 0;
        return negativeExponent; // too small reads as 0, too large is an error
    }
    return error == std::errc();
}

// Every input of the fuzz corpus, whole and line by line (the FM window's inputs are its
// boxes' texts, one a line); none is left out unnoticed.
std::vector<std::string> corpusTexts()
{
    const std::filesystem::path corpus = TAVINEL_SOURCE_DIR "/fuzz/corpus";
    std::vector<std::string> texts;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(corpus)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        texts.push_back(content);
        for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
            end = content.find('\n', start);
            texts.push_back(content.substr(start, end == std::string::npos ? end : end - start));
        }
    }
    return texts;
}

TEST(ParseEngValueTest, ReadsEveryTextAsFromCharsDid)
{
    std::vector<std::string> texts = corpusTexts();
    ASSERT_GE(texts.size(), 100u) << "the fuzz corpus is missing";
    for (const auto& [text, value] : TypedValues)
        texts.push_back(text);
    // Beyond the range of either precision, and the sign of a zero.
    for (const char* text : { "-0", "-0k", "0E-5", "-0E-5", "-1E-99", "1E-400", "-1E-400", "1E400", "-1E400",
                              "4.9E-324", "-4.9E-324", "2E-324", "1E-45", "-1E-46", "1E308", "-1E309", "1E-320p" })
        texts.push_back(text);
    // Random texts of the characters the scan looks at, some of them taken apart.
    const std::string alphabet = "0123456789.,+-eEkKmMuUnNpPgG x\xCE\xA9";
    std::uint64_t state = 1;
    auto below = [&state](std::size_t count) {
        state = state * 6364136223846793005ull + 1442695040888963407ull; // Knuth's MMIX generator
        return std::size_t(state >> 33) % count;
    };
    for (int i = 0; i < 200000; ++i) {
        std::string text;
        for (std::size_t length = below(16); length > 0; --length)
            text += alphabet[below(alphabet.size())];
        texts.push_back(text);
    }

    int mismatches = 0;
    for (const std::string& text : texts) {
        std::string portableText = text;
        std::string fromCharsText = text;
        float portable = -12345;
        float fromChars = -12345;
        ParseEngValue(portableText, portable);
        ParseEngValue(fromCharsText, fromChars, fromCharsLeadingNumber);
        if ((std::bit_cast<std::uint32_t>(portable) != std::bit_cast<std::uint32_t>(fromChars)
             || portableText != fromCharsText)
            && ++mismatches <= 10)
            ADD_FAILURE() << '"' << text << "\": " << portable << " \"" << portableText << "\", from_chars " << fromChars
                          << " \"" << fromCharsText << '"';
    }
    EXPECT_EQ(mismatches, 0) << "of " << texts.size() << " texts";
}

#endif

TEST(NumberTextTest, SingleIsWrittenInTheGeneralNumberFormat)
{
    const std::pair<float, const char*> cases[] = {
        { 0.0f, "0" },
        { -0.0f, "0" },
        { -60.0f, "-60" },
        { -25000.0f / 3000.0f, "-8.333333" },
        { 12500.5f, "12500.5" },
        { 0.5f, "0.5" },
        { 1.2f, "1.2" },
        { 0.1f, "0.1" },
        { 2.2e-6f, "2.2E-06" },
        { 1e10f, "1E+10" },
        { 1234567.0f, "1234567" },
        { 12345678.0f, "1.234568E+07" },
        { 0.0001f, "0.0001" },
        { 1025.949f, "1025.949" },
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
        { nan, "NaN", "nan" },
        { -nan, "NaN", "nan" },
        { inf, "Inf", "inf" },
        { -inf, "-Inf", "-inf" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatSingle(float(c.value)), c.text) << c.value;
        EXPECT_EQ(formatDouble(c.value), c.text) << c.value;
        EXPECT_EQ(formatDataNumber(c.value), c.data) << c.value;
    }
}

}

// A number too large or too small to read is the parser's to handle: it raises none of the
// floating-point faults the program's check stops at.
TEST(ParseEngValueTest, ReadsNumbersOutOfRangeWithoutAFloatingPointFault)
{
    for (const char* typed : { "1E999", "-1E999", "1e1015", "1e-400", "1E99", "9999999999G" }) {
        std::string text = typed;
        float result = 0;
        std::feclearexcept(FE_ALL_EXCEPT);
        ParseEngValue(text, result);
        EXPECT_EQ(std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW), 0) << typed;
    }
}
