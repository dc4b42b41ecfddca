// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/Translations.h"

#include "core/Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

std::unique_ptr<QTranslator> programTexts;
std::unique_ptr<QTranslator> toolkitTexts;

void removeTranslators()
{
    for (auto* translator : { &programTexts, &toolkitTexts })
        if (*translator) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
}

}

namespace Translations {

const QStringList& languages()
{
    // As many as the build compiled in.
    static const QStringList codes = [] {
        QStringList found;
        for (const QString& file : QDir(":/i18n").entryList({ "tavinel_*.qm" }, QDir::Files, QDir::Name))
            found << file.mid(8, file.size() - 8 - 3);
        return found;
    }();
    return codes;
}

bool use(const QString& code)
{
    if (code == "en") {
        removeTranslators();
        setLanguage({}, '.');
        return true;
    }
    if (!languages().contains(code))
        return false;
    auto program = std::make_unique<QTranslator>();
    if (!program->load(":/i18n/tavinel_" + code + ".qm"))
        return false;
    removeTranslators();
    programTexts = std::move(program);
    QCoreApplication::installTranslator(programTexts.get());
    // Qt's own dialogs (the file dialog's buttons and columns), where Debian's
    // qt6-translations-l10n has put them.
    toolkitTexts = std::make_unique<QTranslator>();
    if (toolkitTexts->load("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(toolkitTexts.get());
    else
        toolkitTexts.reset();
    const QString point = QLocale(code).decimalPoint();
    setLanguage(
        [](const char* context, const char* text) {
            return QCoreApplication::translate(context, text).toStdString();
        },
        point.size() == 1 ? point.at(0).toLatin1() : '.');
    return true;
}

QString systemLanguage()
{
    for (QString name : QLocale::system().uiLanguages()) {
        name.replace('-', '_');
        for (const QString& code : languages())
            if (name == code || name.section('_', 0, 0) == code.section('_', 0, 0))
                return code;
        if (name.section('_', 0, 0) == "en")
            return "en";
    }
    return "en";
}

}
