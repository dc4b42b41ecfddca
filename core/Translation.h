// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <initializer_list>
#include <string>

// The texts a person reads are written here in English, each in a context (the window it
// belongs to, or "Plots" for what every plot says), and shown in the reader's language.
// The translators' tool finds them in the sources in three spellings:
//   translated("frmAMplot", "Modulation")       a text looked up where it is shown;
//   TAVINEL_TEXT("frmAMplot", "Modulation")     a text kept in a table, looked up later;
//   TAVINEL_TRANSLATABLE(frmAMplot) in a class  gives its members tr("Modulation").
// Until a host sets a language every text stays as written: the render tools draw English
// unless told otherwise, whatever the machine's locale.

#define TAVINEL_TEXT(context, text) text
#define TAVINEL_TRANSLATABLE(context) \
    static std::string tr(const char* text) { return translated(#context, text); }

using Translator = std::function<std::string(const char* context, const char* text)>;

// The language texts are shown in: `translator` gives a text in it (an empty string for one
// it does not know, which then stays English), and numbers in readouts and descriptions
// take `decimalSeparator`. An empty translator is English.
void setLanguage(Translator translator, char decimalSeparator);

// `text` of `context` in the reader's language.
std::string translated(const char* context, const char* text);
std::string translated(const char* context, const std::string& text);

// `pattern` with %1, %2, … replaced by `values`, in the order a translation puts them.
std::string withValues(std::string pattern, std::initializer_list<std::string> values);

// The decimal separator of the reader's language ('.' in English).
char decimalSeparator();
