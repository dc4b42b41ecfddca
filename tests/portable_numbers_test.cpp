// SPDX-License-Identifier: GPL-3.0-or-later
// The portable number text against the standard library's own conversions, where it has
// them for floating point (libstdc++, not Emscripten's libc++): the same text for every
// value, and for every decimal text the same double and the same range outcome, in the
// "C" locale and in a German one.
#include "core/PortableNumbers.h"

#include <gtest/gtest.h>

#include <charconv>

#if defined(__cpp_lib_to_chars)

#include <array>
#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <system_error>
#include <vector>

namespace {

// splitmix64: the same numbers with every standard library.
class Random {
public:
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int count) { return int(next() % std::uint64_t(count)); }
    char digit() { return char('0' + below(10)); }

private:
    std::uint64_t state_ = 20240601;
};

constexpr int GeneralDigits[] = { 1, 6, 7, 15, 17 };
constexpr int FixedDecimals[] = { 0, 1, 2, 3, 4, 5, 6 };

std::string toCharsText(double value, std::chars_format format, int precision)
{
    std::array<char, 400> buffer {}; // fixed decimals of the largest double fit
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    EXPECT_EQ(result.ec, std::errc());
    return std::string(buffer.data(), result.ptr);
}

double readWithFromChars(const char* text)
{
    double value = 0;
    std::from_chars(text, text + std::char_traits<char>::length(text), value);
    return value;
}

// Values to write: the edges of both precisions, powers of ten and their neighbours,
// values halfway between two texts of each precision and their neighbours, random bit
// patterns of doubles and floats, and random values of everyday size.
const std::vector<double>& valuesToWrite()
{
    static const std::vector<double> values = [] {
        using Double = std::numeric_limits<double>;
        using Float = std::numeric_limits<float>;
        std::vector<double> edges = {
            0.0,
            Double::denorm_min(),
            Double::min() - Double::denorm_min(),
            Double::min(),
            Double::max(),
            Double::epsilon(),
            Float::denorm_min(),
            Float::min(),
            Float::max(),
            Float::epsilon(),
            Double::infinity(),
            Double::quiet_NaN(),
            0.1,
            0.5,
            1.5,
            2.5,
            0.125,
            0.375,
            1e10,
            1e-10,
            9007199254740993.0,
            123456.5,
            1234567.5,
            0.0001,
            0.00001,
            999999.5,
            9999999.5,
            99999.95,
            0.9999995,
            0.99999995,
            999999999999999.5,
            0.05,
            0.005,
            0.0005,
            // 3.5e-214 and 1.3e-18 of it, which a printf that cuts its digits short
            // (Emscripten's) writes as "3e-214" with one digit.
            readWithFromChars("3.5e-214"),
        };
        for (int exponent = -324; exponent <= 308; ++exponent) {
            const double power = readWithFromChars(("1e" + std::to_string(exponent)).c_str());
            edges.insert(edges.end(), { power, std::nextafter(power, 0.0), std::nextafter(power, Double::infinity()) });
        }
        Random random;
        // Exact ties: an odd m / 2^(d+1) ends in a 5 at its (d+1)th decimal; an odd
        // m / 2^j of p + 1 significant digits, and an integer of p + 1 digits ending in
        // 5, end in a 5 at their (p+1)th digit (exactly where below 2^53).
        for (int i = 0; i < 4000; ++i) {
            const int decimals = random.below(7);
            const double odd = double(2 * (random.next() % 1000000000) + 1);
            edges.push_back(std::ldexp(odd, -(decimals + 1)));
        }
        for (const int digits : GeneralDigits) {
            const auto lowest = std::uint64_t(std::pow(10.0, digits - 1));
            for (int i = 0; i < 1000; ++i) {
                const int j = 1 + random.below(digits);
                const auto low = std::uint64_t(std::pow(10.0, digits - j)) << j;
                const std::uint64_t odd = (low + random.next() % (9 * low)) | 1;
                edges.push_back(std::ldexp(double(odd), -j));
                edges.push_back(double((lowest + random.next() % (9 * lowest)) * 10 + 5));
            }
        }
        // The doubles nearest to decimal ties, as close to one as a double comes without
        // being one: ties of 2 to 18 significant digits at every exponent, and ties at
        // the 1st to 7th decimal of values of up to 15 digits before the point.
        auto digitsText = [&random](int count) {
            std::string text;
            for (int k = 0; k < count; ++k)
                text += random.digit();
            return text;
        };
        for (int i = 0; i < 3000; ++i) {
            const std::string tie = std::to_string(1 + random.below(9)) + digitsText(random.below(17)) + "5e"
                + std::to_string(random.below(650) - 340);
            edges.push_back(readWithFromChars(tie.c_str()));
            const std::string fixedTie = digitsText(random.below(16)) + "." + digitsText(random.below(7)) + "5";
            edges.push_back(readWithFromChars(fixedTie.c_str()));
        }
        std::vector<double> all;
        for (const double edge : edges)
            // clang-format off
            all.insert(all.end(), { edge, -edge, std::nextafter(edge, 0.0), std::nextafter(edge, Double::infinity()),
                                    -std::nextafter(edge, Double::infinity()) });
        // clang-format on
        for (int i = 0; i < 10000; ++i) {
            const std::uint64_t bits = random.next();
            if (i % 2 == 0)
                all.push_back(std::bit_cast<double>(bits)); // mostly far from 1: slow to write
            all.push_back(std::bit_cast<float>(std::uint32_t(bits)));
            all.push_back(std::ldexp(double(bits >> 11), random.below(140) - 100 - 53)); // 1e-30 to 1e12
            all.push_back(double(float(std::ldexp(double(bits >> 40), random.below(60) - 40 - 24))));
            if (i % 5 == 0)
                all.push_back(std::bit_cast<double>(bits >> 12)); // subnormal
        }
        return all;
    }();
    return values;
}

void expectWritesAsToChars()
{
    int mismatches = 0;
    auto compare = [&](const std::string& portable, const std::string& reference, double value, const char* how,
                       int precision) {
        if (portable != reference && ++mismatches <= 10)
            ADD_FAILURE() << how << precision << " of " << std::hexfloat << value << ": \"" << portable
                          << "\", to_chars \"" << reference << '"';
    };
    for (const double value : valuesToWrite()) {
        for (const int digits : GeneralDigits)
            compare(generalText(value, digits), toCharsText(value, std::chars_format::general, digits), value,
                    "general ", digits);
        for (const int decimals : FixedDecimals)
            compare(fixedText(value, decimals), toCharsText(value, std::chars_format::fixed, decimals), value,
                    "fixed ", decimals);
    }
    EXPECT_EQ(mismatches, 0) << "of " << valuesToWrite().size() << " values";
}

// The exact decimal expansion of a value halfway between two neighbouring doubles, of
// its long double neighbours just below and just above, and near-halfway ones of few
// digits: the hardest texts to round.
void addHalfwayTexts(std::vector<std::string>& texts, double low)
{
    if constexpr (std::numeric_limits<long double>::digits > std::numeric_limits<double>::digits) {
        // Above the largest double, the next would be 2^1024.
        const double next = std::nextafter(low, std::numeric_limits<double>::infinity());
        const long double high = std::isinf(next) ? 2.0L * low - std::nextafter(low, 0.0) : next;
        const long double halfway = (low + high) / 2;
        const long double inf = std::numeric_limits<long double>::infinity();
        for (const long double value : { halfway, std::nextafter(halfway, 0.0L), std::nextafter(halfway, inf) }) {
            std::array<char, 1200> buffer {};
            const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                              std::chars_format::scientific, 800);
            if (result.ec == std::errc())
                texts.emplace_back(buffer.data(), result.ptr);
        }
    }
}

// Decimal texts to read: the edges of the range and of the rounding, random texts of
// every shape the parser's scan makes, each double's own text at every length, and
// texts of values halfway between two doubles.
const std::vector<std::string>& textsToRead()
{
    static const std::vector<std::string> texts = [] {
        const std::string zeros400(400, '0');
        std::vector<std::string> all = {
            "0",
            "-0",
            "0.0",
            "-0.0E-5",
            "0e999",
            "-0e999",
            "0.000e-99999999999999999999",
            "1e-400",
            "-1e-400",
            "1e400",
            "-1e400",
            "4.9e-324",
            "-4.9e-324",
            "2e-324",
            "2.5e-324",
            "2.4703282292062327e-324",
            "2.4703282292062328e-324",
            "2.47032822920623272088e-324",
            "2.4703282292062327208828439643411068618252990130716238221279284125033775364e-324",
            "2.4703282292062327208828439643411068618252990130716238221279284125033775363e-324",
            "1.7976931348623158e308",
            "1.7976931348623159e308",
            "1.797693134862315807937e308",
            "1.797693134862315807938e308",
            "-1.7976931348623159e308",
            "2.2250738585072011e-308",
            "2.2250738585072012e-308",
            "2.2250738585072014e-308",
            "1e-320",
            "1e308",
            "1.8e308",
            "9007199254740993",
            "9007199254740993.0000000000000001",
            "1.",
            "5.E3",
            ".5",
            "-.5E-1",
            "00000000000000000000000000000001",
            "1E00000000000000000000000000000000000000000300",
            "1E-00000000000000000000000000000000000000000324",
            "1e99999999999999999999",
            "1e-99999999999999999999",
            "0.000001e99999999999999999999",
            "100000e-99999999999999999999",
            "1" + zeros400,
            "1" + zeros400 + "E-100",
            "1" + zeros400 + "E-10",
            "0." + zeros400 + "1",
            "0." + zeros400 + "1E100",
            "0." + zeros400 + "1E5",
            "1E-99",
            "-1E-99",
            "1E99",
            "1E38",
            "3.4028235E38",
            "3.4028236E38",
            "1e10",
            "-1e10",
            "1234567890123456789012345",
        };
        Random random;
        for (int i = 0; i < 150000; ++i) {
            std::string text;
            if (random.below(3) == 0)
                text += '-';
            else if (random.below(6) == 0)
                text += '+';
            std::size_t digits = 0;
            const int leadingZeros = random.below(4) == 0 ? random.below(30) : 0;
            text.append(std::size_t(leadingZeros), '0');
            const int whole = random.below(4) == 0 ? random.below(25) : random.below(5);
            for (int k = 0; k < whole; ++k)
                text += random.digit();
            digits += std::size_t(leadingZeros + whole);
            if (random.below(2) == 0) {
                text += '.';
                const int fraction = random.below(4) == 0 ? random.below(25) : random.below(6);
                for (int k = 0; k < fraction; ++k)
                    text += random.digit();
                digits += std::size_t(fraction);
            }
            if (digits == 0)
                text += random.digit();
            if (random.below(3) != 0) {
                text += random.below(2) == 0 ? 'E' : 'e';
                const int sign = random.below(3);
                text += sign == 0 ? "-" : sign == 1 ? "+"
                                                    : "";
                text.append(std::size_t(random.below(5) == 0 ? random.below(20) : 0), '0');
                if (random.below(50) == 0) {
                    for (int k = 0, count = 1 + random.below(25); k < count; ++k)
                        text += random.digit();
                } else {
                    text += std::to_string(random.below(sign == 0 ? 360 : 330));
                }
            }
            all.push_back(text);
        }
        for (int i = 0; i < 20000; ++i) {
            const std::uint64_t bits = random.next();
            const double value = i % 2 == 0 ? std::bit_cast<double>(bits) : std::bit_cast<double>(bits >> 12);
            if (!std::isfinite(value))
                continue;
            std::array<char, 64> buffer {};
            const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                              std::chars_format::scientific, random.below(20));
            all.emplace_back(buffer.data(), result.ptr);
            if (i % 10 == 0)
                addHalfwayTexts(all, value);
        }
        for (const double low : { 0.0, std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::min(),
                                  std::nextafter(std::numeric_limits<double>::max(), 0.0),
                                  std::numeric_limits<double>::max(), 1.0, 9007199254740992.0 })
            addHalfwayTexts(all, low);
        return all;
    }();
    return texts;
}

void expectReadsAsFromChars()
{
    constexpr double untouched = -12345.678;
    int mismatches = 0;
    for (const std::string& text : textsToRead()) {
        // from_chars takes no leading "+".
        const char* first = text.data() + (text[0] == '+' ? 1 : 0);
        const char* last = text.data() + text.size();
        double reference = untouched;
        const auto result = std::from_chars(first, last, reference);
        ASSERT_EQ(result.ptr, last) << text; // every text is one whole number
        ASSERT_TRUE(result.ec == std::errc() || result.ec == std::errc::result_out_of_range) << text;
        double portable = untouched;
        const bool inRange = readDecimal(text, portable);
        if ((inRange != (result.ec == std::errc())
             || std::bit_cast<std::uint64_t>(portable) != std::bit_cast<std::uint64_t>(reference))
            && ++mismatches <= 10)
            ADD_FAILURE() << '"' << text << "\": " << std::hexfloat << portable << (inRange ? "" : " out of range")
                          << ", from_chars " << reference
                          << (result.ec == std::errc() ? "" : " out of range");
    }
    EXPECT_EQ(mismatches, 0) << "of " << textsToRead().size() << " texts";
}

TEST(PortableNumbersTest, WritesWhatToCharsWrites)
{
    expectWritesAsToChars();
}

TEST(PortableNumbersTest, ReadsWhatFromCharsReads)
{
    expectReadsAsFromChars();
}

// The program takes the user's locale with setlocale(LC_ALL, ""); a German one writes and
// reads decimal commas in printf and strtod.
TEST(PortableNumbersTest, WritesAndReadsAPointInAGermanLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const char* german = nullptr;
    for (const char* name : { "de_DE.UTF-8", "de_DE.utf8", "de_DE" })
        if (!german)
            german = std::setlocale(LC_ALL, name);
    if (!german)
        GTEST_SKIP() << "no German locale installed";
    struct Restore {
        const std::string& name;
        ~Restore() { std::setlocale(LC_ALL, name.c_str()); }
    } restore { previous };

    // The locale is in force: printf writes a comma and strtod stops at a point.
    std::array<char, 16> buffer {};
    std::snprintf(buffer.data(), buffer.size(), "%.1f", 1.5);
    ASSERT_STREQ(buffer.data(), "1,5");
    ASSERT_EQ(std::strtod("1.5", nullptr), 1.0);

    expectWritesAsToChars();
    expectReadsAsFromChars();
}

}

#else

TEST(PortableNumbersTest, NeedsFloatingPointToCharsToCompare)
{
    GTEST_SKIP() << "this standard library has no floating-point to_chars and from_chars";
}

#endif
