// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the number parser. On every input it checks that the parser returns
// a finite value within +/-1e10, that the text it hands back is the input without its
// leading and trailing spaces cut to 12 characters, and that parsing the handed-back
// text again changes neither the value nor (apart from trailing spaces the cut has
// brought to the end) the text.

#include "core/ParseEngValue.h"
#include "fuzz/EscapedText.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string trimSpaces(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string trimTrailingSpaces(const std::string& text)
{
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

// The first `count` characters of UTF-8 text. A lead byte announces how many bytes its
// character has; any other byte (ASCII, or a stray continuation byte) is a character of
// its own. A character cut short by the end of the text still counts as one.
std::string firstCharacters(const std::string& text, std::size_t count)
{
    std::size_t at = 0;
    for (std::size_t taken = 0; taken < count && at < text.size(); ++taken) {
        const auto lead = static_cast<unsigned char>(text[at]);
        at += lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3
            : lead >= 0xC0                    ? 2
                                              : 1;
    }
    return text.substr(0, at < text.size() ? at : text.size());
}

[[noreturn]] void fail(const char* what, const std::string& input, const std::string& text, float value)
{
    std::fprintf(stderr, "ParseEngValue: %s\n  input: \"%s\"\n  text: \"%s\"\n  value: %.9g\n", what,
                 escaped(input).c_str(), escaped(text).c_str(), double(value));
    std::abort();
}

}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);

    std::string text = input;
    float value = -12345;
    modMain::ParseEngValue(text, value);

    if (!std::isfinite(value) || std::fabs(value) > 1e10f)
        fail("value not finite or beyond 1e10", input, text, value);
    if (text != firstCharacters(trimSpaces(input), 12))
        fail("handed-back text is not the trimmed input cut to 12 characters", input, text, value);

    // The handed-back text once more: the same value, and the same text but for spaces
    // the cut has left at its end, which this time are trimmed.
    std::string again = text;
    float valueAgain = -12345;
    modMain::ParseEngValue(again, valueAgain);
    if (valueAgain != value)
        fail("parsing the handed-back text gives another value", input, again, valueAgain);
    if (again != trimTrailingSpaces(text))
        fail("parsing the handed-back text changes it", input, again, valueAgain);

    // From then on nothing changes any more.
    std::string third = again;
    float valueThird = -12345;
    modMain::ParseEngValue(third, valueThird);
    if (third != again || valueThird != value)
        fail("parsing is not settled after the second pass", input, third, valueThird);
    return 0;
}
