#include "ui/platform/QtTranslations.h"

#include "model/settings/ProgramLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QObject *InstallQtTranslations(QCoreApplication &application)
{
    auto *translations = new QObject(&application);
    const ProgramLanguage language = ChosenProgramLanguage();
    InstallProgramTranslation(language, translations);
    if (language == ProgramLanguage::Japanese) {
        auto *qtTexts = new QTranslator(translations);
        if (qtTexts->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qtTexts);
    }
    return translations;
}
