// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PortableNumbers.h"

#include <cfenv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <string>
#include <vector>

namespace {

// A finite value's exact decimal digits, without leading zeros: 0.digits × 10^point.
// No digits for zero.
struct Decimal {
    std::string digits;
    int point = 0;
};

// Multiplies a number held in base 10^9, least significant part first, `count` times by
// `factor` (at most 5^13, so that a part times it fits in 64 bits).
void multiply(std::vector<std::uint32_t>& parts, std::uint32_t factor, int count)
{
    for (; count > 0; --count) {
        std::uint64_t carry = 0;
        for (std::uint32_t& part : parts) {
            const std::uint64_t product = std::uint64_t(part) * factor + carry;
            part = std::uint32_t(product % 1000000000);
            carry = product / 1000000000;
        }
        for (; carry > 0; carry /= 1000000000)
            parts.push_back(std::uint32_t(carry % 1000000000));
    }
}

// Every double is an integer times a power of two, m × 2^e, so its decimal digits are
// those of m × 2^e for e >= 0, or of m × 5^-e with the point -e digits from the end:
// exact, whatever printf would round.
Decimal exactDecimal(double value)
{
    Decimal decimal;
    if (value == 0)
        return decimal;
    int exponent = 0;
    auto mantissa = std::uint64_t(std::ldexp(std::frexp(std::fabs(value), &exponent), 53));
    exponent -= 53;
    for (; mantissa % 2 == 0; mantissa /= 2)
        ++exponent;

    std::vector<std::uint32_t> parts;
    for (; mantissa > 0; mantissa /= 1000000000)
        parts.push_back(std::uint32_t(mantissa % 1000000000));
    constexpr std::uint32_t FivePower13 = 1220703125;
    if (exponent > 0) {
        multiply(parts, std::uint32_t(1) << 29, exponent / 29);
        multiply(parts, std::uint32_t(1) << (exponent % 29), 1);
    } else {
        multiply(parts, FivePower13, -exponent / 13);
        std::uint32_t rest = 1;
        for (int i = 0; i < -exponent % 13; ++i)
            rest *= 5;
        multiply(parts, rest, 1);
    }

    decimal.digits = std::to_string(parts.back());
    for (auto part = parts.rbegin() + 1; part != parts.rend(); ++part) {
        const std::string nine = std::to_string(*part);
        decimal.digits.append(9 - nine.size(), '0').append(nine);
    }
    decimal.point = int(decimal.digits.size()) + (exponent < 0 ? exponent : 0);
    return decimal;
}

// Keeps the first `keep` digits, rounded half to even as printf and std::to_chars
// round. A negative count keeps none: the value rounds to 0.
void roundTo(Decimal& decimal, int keep)
{
    std::string& digits = decimal.digits;
    if (keep >= int(digits.size()))
        return;
    if (keep < 0) {
        digits.clear();
        return;
    }
    const auto at = std::size_t(keep);
    bool up = digits[at] > '5';
    if (digits[at] == '5') {
        const bool beyondHalf = digits.find_first_not_of('0', at + 1) != std::string::npos;
        up = beyondHalf || (at > 0 && (digits[at - 1] - '0') % 2 == 1);
    }
    digits.resize(at);
    if (!up)
        return;
    std::size_t i = at;
    for (; i > 0 && digits[i - 1] == '9'; --i)
        digits[i - 1] = '0';
    if (i == 0) {
        digits.insert(digits.begin(), '1');
        ++decimal.point;
    } else {
        ++digits[i - 1];
    }
}

// The digit at a place of 0.digits, 0 where the digits have none.
char digitAt(const Decimal& decimal, int place)
{
    return place >= 0 && place < int(decimal.digits.size()) ? decimal.digits[std::size_t(place)] : '0';
}

// "inf", "-inf", "nan" or "-nan", as printf writes them; empty for a finite value.
std::string nonFiniteText(double value)
{
    if (std::isfinite(value))
        return {};
    return std::string(std::signbit(value) ? "-" : "") + (std::isnan(value) ? "nan" : "inf");
}

// The "C" locale for the calling thread while it lives; the program's own locale (set
// from the user's with setlocale) stays as it is for every other thread and afterwards.
class CLocaleScope {
public:
    CLocaleScope()
        : previous_(uselocale(cLocale()))
    {
    }
    ~CLocaleScope() { uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    // Made once and kept for the program's life.
    static locale_t cLocale()
    {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
        return c;
    }

    locale_t previous_;
};

}

std::string generalText(double value, int digits)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const std::string sign = std::signbit(value) ? "-" : "";
    if (value == 0)
        return sign + "0";
    Decimal decimal = exactDecimal(value);
    digits = digits < 1 ? 1 : digits;
    roundTo(decimal, digits);
    const int exponent = decimal.point - 1; // of the first digit
    const std::size_t last = decimal.digits.find_last_not_of('0');
    decimal.digits.resize(last + 1); // no trailing zeros

    std::string text = sign;
    if (exponent >= -4 && exponent < digits) {
        for (int place = 0; place < decimal.point; ++place)
            text += digitAt(decimal, place);
        if (decimal.point <= 0)
            text += '0';
        if (int(decimal.digits.size()) > decimal.point) {
            text += '.';
            for (int place = decimal.point < 0 ? decimal.point : 0; place < 0; ++place)
                text += '0';
            text.append(decimal.digits, std::size_t(decimal.point > 0 ? decimal.point : 0));
        }
        return text;
    }
    text += decimal.digits[0];
    if (decimal.digits.size() > 1)
        text.append(".").append(decimal.digits, 1);
    const int size = std::abs(exponent);
    return text + (exponent < 0 ? "e-" : "e+") + (size < 10 ? "0" : "") + std::to_string(size);
}

std::string fixedText(double value, int decimals)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    // A value below half a unit of the last decimal is written as zeros without working
    // out its digits (up to 767): |value| < 2^exponent <= 2^(-1 - 4 decimals), less
    // than 0.5 × 10^-decimals.
    int exponent = 0;
    std::frexp(value, &exponent);
    Decimal decimal = exponent <= -1 - 4 * decimals ? Decimal {} : exactDecimal(value);
    roundTo(decimal, decimal.point + decimals);

    std::string text = std::signbit(value) ? "-" : "";
    for (int place = 0; place < decimal.point; ++place)
        text += digitAt(decimal, place);
    if (decimal.point <= 0)
        text += '0';
    if (decimals > 0) {
        text += '.';
        for (int place = decimal.point; place < decimal.point + decimals; ++place)
            text += digitAt(decimal, place);
    }
    return text;
}

bool readDecimal(std::string_view text, double& value)
{
    const std::string terminated(text);
    double read = 0;
    {
        // A number out of range is an answer here, not a fault: the floating-point flags
        // strtod raises for it (overflow, underflow) are put back as they were.
        std::fexcept_t flags;
        std::fegetexceptflag(&flags, FE_ALL_EXCEPT);
        const CLocaleScope c;
        read = std::strtod(terminated.c_str(), nullptr);
        std::fesetexceptflag(&flags, FE_ALL_EXCEPT);
    }
    // strtod's ERANGE also flags subnormal results, so the range is judged by the result.
    bool nonZeroDigit = false;
    for (const char ch : text) {
        if (ch == 'E' || ch == 'e')
            break;
        nonZeroDigit = nonZeroDigit || (ch >= '1' && ch <= '9');
    }
    if (std::isinf(read) || (read == 0 && nonZeroDigit))
        return false;
    value = read;
    return true;
}
