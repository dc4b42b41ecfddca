// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <vector>

// The translations compiled into the WebAssembly render tool (from translations/*.ts, by
// web/page/translations.mjs): each language's texts by "context\x04source".
struct TranslatedLanguage {
    std::string code;
    char decimalSeparator;
    std::map<std::string, std::string> texts;
};

const std::vector<TranslatedLanguage>& translatedLanguages();
