// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PortableNumbers.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace {

// The "C" locale for the calling thread while it lives; the program's own locale (set
// from the user's with setlocale) stays as it is for every other thread and afterwards.
class CLocaleScope {
public:
    CLocaleScope() : previous_(uselocale(cLocale())) {}
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

// `value` as snprintf writes it with a conversion taking a precision ("%.*g", "%.*f").
std::string printed(const char* format, int precision, double value)
{
    const CLocaleScope c;
    std::array<char, 64> buffer {};
    const int length = std::snprintf(buffer.data(), buffer.size(), format, precision, value);
    if (length < 0)
        return {};
    if (std::size_t(length) < buffer.size())
        return std::string(buffer.data(), std::size_t(length));
    // Fixed decimals of a large value: up to 309 digits before the point.
    std::string text(std::size_t(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format, precision, value);
    return text;
}

}

std::string generalText(double value, int digits)
{
    return printed("%.*g", digits, value);
}

std::string fixedText(double value, int decimals)
{
    return printed("%.*f", decimals, value);
}

bool readDecimal(std::string_view text, double& value)
{
    const std::string terminated(text);
    double read = 0;
    {
        const CLocaleScope c;
        read = std::strtod(terminated.c_str(), nullptr);
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
