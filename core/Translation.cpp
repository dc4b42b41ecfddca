// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Translation.h"

namespace {

Translator currentTranslator;
char currentSeparator = '.';

}

void setLanguage(Translator translator, char separator)
{
    currentTranslator = std::move(translator);
    currentSeparator = separator;
}

std::string translated(const char* context, const char* text)
{
    if (currentTranslator && *text)
        if (std::string translation = currentTranslator(context, text); !translation.empty())
            return translation;
    return text;
}

std::string translated(const char* context, const std::string& text)
{
    return translated(context, text.c_str());
}

std::string withValues(std::string pattern, std::initializer_list<std::string> values)
{
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9'
            && std::size_t(pattern[i + 1] - '1') < values.size()) {
            text += values.begin()[pattern[i + 1] - '1'];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

char decimalSeparator()
{
    return currentSeparator;
}
