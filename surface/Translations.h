// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The program's texts, and Qt's own in its dialogs, in one language: the system's on the
// desktop, the one a render tool is told (English otherwise, whatever the machine's locale).
namespace Translations {

// The languages translated, besides English as the texts are written ("de", "es", "fr",
// "pt_BR"): one for each translations/tavinel_CODE.ts.
const QStringList& languages();

// Shows every text from now on in the language `code` names ("en" for English); false,
// with nothing changed, where there is no translation into it.
bool use(const QString& code);

// The first of the system's languages that has a translation (a "pt_PT" desktop gets
// "pt_BR"); English where none has.
QString systemLanguage();

}
