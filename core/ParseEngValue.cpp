// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ParseEngValue.h"

#include "core/PortableNumbers.h"
#include "core/modMain.h"

#include <cmath>
#include <cstddef>
#include <string_view>
#include <vector>

namespace {

using modMain::LeadingNumberReader;

constexpr std::size_t MaxTextLength = 12;   // characters kept of the typed text
constexpr std::size_t MaxNumberLength = 16; // digits stop being taken at this length
constexpr float ResultLimit = 1e10f;

// The text without its leading and trailing spaces.
std::string trimSpaces(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// The text split into its characters; a character outside ASCII (UTF-8, several
// bytes) stays one character, so the 12-character cut never splits one.
std::vector<std::string> splitCharacters(const std::string& text)
{
    std::vector<std::string> characters;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        if (lead >= 0xF0)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC0)
            length = 2;
        characters.push_back(text.substr(i, length));
        i += length;
    }
    return characters;
}

std::string joinCharacters(const std::vector<std::string>& characters)
{
    std::string text;
    for (const std::string& character : characters)
        text += character;
    return text;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isDigit(const std::string& character)
{
    return character.size() == 1 && isDigit(character[0]);
}

// A multiplier letter: the letter the number text records for it and its value.
// Lower-case "m" is milli and upper-case "M" mega; every other letter is taken in
// either case.
bool findMultiplier(const std::string& character, char& recorded, float& value)
{
    if (character.size() != 1)
        return false;
    switch (character[0]) {
    case 'p':
    case 'P':
        recorded = 'p';
        value = 1e-12f;
        return true;
    case 'n':
    case 'N':
        recorded = 'n';
        value = 1e-9f;
        return true;
    case 'u':
    case 'U':
        recorded = 'u';
        value = 1e-6f;
        return true;
    case 'm':
        recorded = 'm';
        value = 0.001f;
        return true;
    case 'k':
    case 'K':
        recorded = 'k';
        value = 1000.0f;
        return true;
    case 'M':
        recorded = 'M';
        value = 1e6f;
        return true;
    case 'g':
    case 'G':
        recorded = 'G';
        value = 1e9f;
        return true;
    default:
        return false;
    }
}

std::size_t skipDigits(const std::string& text, std::size_t at, std::size_t& count)
{
    while (at < text.size() && isDigit(text[at])) {
        ++at;
        ++count;
    }
    return at;
}

// Reads the longest leading number of the number text in double precision: an
// optional sign, digits with at most one point, then "E" with an optional sign and
// digits. An "E" without a digit after it is not part of the number ("1E" and "1E-"
// read as 1), and a number text without a mantissa digit reads as 0 ("", "-", "-E5").
// A number too small for double precision reads as 0. Returns false when the number
// is too large for double precision.
bool readLeadingNumber(const std::string& numberText, double& value)
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

    // Read the same way in every locale.
    if (!readDecimal(std::string_view(numberText).substr(0, end), value)) {
        value = 0;
        return negativeExponent; // too small reads as 0, too large is an error
    }
    return true;
}

// Whether a value rounds to a finite single-precision number. Tested before rounding, so
// a value out of range is caught without a floating-point overflow.
bool fitsSingle(double value)
{
    // Half a unit in the last place above the largest single: from there on, rounding
    // goes to infinity.
    constexpr double limit = 0x1.ffffffp+127;
    return std::fabs(value) < limit;
}

// Converts the number text, its leading number read by `read`, and applies the
// multiplier. Returns false where the value does not fit double or single precision.
bool convertNumberText(const std::string& numberText, float multiplier, float& Result,
                       LeadingNumberReader read)
{
    double value = 0;
    if (!read(numberText, value))
        return false;
    if (!fitsSingle(value))
        return false;
    const float number = float(value);
    const double product = double(number) * double(multiplier);
    if (!fitsSingle(product))
        return false;
    Result = float(product);
    if (Result > ResultLimit)
        Result = ResultLimit;
    if (Result < -ResultLimit)
        Result = -ResultLimit;
    return true;
}

// Whether a number text has a digit in its mantissa, before any "E" or multiplier letter:
// without one it reads as 0 whatever else it holds.
bool hasMantissaDigit(const std::string& numberText)
{
    for (const char c : numberText) {
        if (isDigit(c))
            return true;
        if (c != '+' && c != '-' && c != '.')
            return false;
    }
    return false;
}

// Steps 1 to 3 of the parser: trims and cuts the caller's text and scans it into the
// number text, giving the multiplier of the letter taken.
std::string scanNumberText(std::string& Text, float& multiplier)
{
    using modMain::ParseIndex;
    Text = trimSpaces(Text);
    std::vector<std::string> characters = splitCharacters(Text);
    if (characters.size() > MaxTextLength) {
        characters.resize(MaxTextLength);
        Text = joinCharacters(characters);
    }

    std::string numberText;
    multiplier = 1;
    bool pointTaken = false;
    bool multiplierTaken = false;
    bool exponentTaken = false;

    for (ParseIndex = 1; ParseIndex <= std::int16_t(characters.size()); ++ParseIndex) {
        std::string character = characters[std::size_t(ParseIndex - 1)];

        // A digit, until a multiplier letter has ended the number.
        if (isDigit(character) && numberText.size() < MaxNumberLength && !multiplierTaken)
            numberText += character;

        // A decimal comma counts as a point.
        if (character == ",")
            character = ".";

        // One decimal point, in the mantissa only (the exponent marker sets the flag too).
        if (character == "." && !multiplierTaken && !pointTaken) {
            pointTaken = true;
            numberText += ".";
        }

        // A sign at the start of the number or of its exponent.
        if ((character == "-" || character == "+") && (numberText.empty() || numberText.back() == 'E'))
            numberText += character;

        // Letters before the number starts are ignored.
        if (numberText.empty())
            continue;

        // The exponent marker, once.
        if ((character == "e" || character == "E") && !multiplierTaken) {
            if (exponentTaken)
                continue;
            exponentTaken = true;
            numberText += "E";
            pointTaken = true;
        }

        // No multiplier letter once an exponent has started.
        if (exponentTaken)
            continue;

        // The first multiplier letter ends the number; a second one is ignored.
        char recorded = 0;
        float value = 1;
        if (!multiplierTaken && findMultiplier(character, recorded, value)) {
            multiplierTaken = true;
            numberText += recorded;
            multiplier = value;
        }

        // Anything else (a space inside the text, another letter, a symbol) is ignored.
    }
    return numberText;
}

}

namespace modMain {

void ParseEngValue(std::string& Text, float& Result)
{
    ParseEngValue(Text, Result, readLeadingNumber);
}

void ParseEngValue(std::string& Text, float& Result, LeadingNumberReader read)
{
    float multiplier = 1;
    const std::string numberText = scanNumberText(Text, multiplier);

    // A value beyond single or double precision gives the upper limit, whatever its sign.
    if (!convertNumberText(numberText, multiplier, Result, read))
        Result = ResultLimit;
}

bool holdsNumber(std::string text)
{
    float multiplier = 1;
    return hasMantissaDigit(scanNumberText(text, multiplier));
}

}
