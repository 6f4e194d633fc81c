#include "model/settings/ProgramLanguage.h"

#include "model/platform/IniFile.h"
#include "model/platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace {

const QString kLanguageKey = QStringLiteral("VELLUMAX_LANG");

ProgramLanguage &shownLanguage()
{
    static ProgramLanguage language = ProgramLanguage::Japanese;
    return language;
}

} // namespace

std::optional<ProgramLanguage> ParseProgramLanguage(const QString &value)
{
    const QString name = value.trimmed().toLower();
    if (name == u"ja")
        return ProgramLanguage::Japanese;
    if (name == u"en")
        return ProgramLanguage::English;
    return std::nullopt;
}

ProgramLanguage ChooseProgramLanguage(const QString &environment, const QString &setting,
                                      const QLocale &desktop)
{
    if (const auto chosen = ParseProgramLanguage(environment))
        return *chosen;
    if (const auto chosen = ParseProgramLanguage(setting))
        return *chosen;
    // The languages the desktop shows its messages in (LANGUAGE, LC_MESSAGES, LANG), first choice first.
    const QStringList shown = desktop.uiLanguages();
    const QLocale first = shown.isEmpty() ? desktop : QLocale(shown.first());
    return first.language() == QLocale::Japanese ? ProgramLanguage::Japanese : ProgramLanguage::English;
}

ProgramLanguage ChosenProgramLanguage()
{
    const IniFile ini(ProgramFile(QStringLiteral("VELLUMAX.INI")));
    return ChooseProgramLanguage(qEnvironmentVariable("VELLUMAX_LANG"),
                                 ini.ReadString(QStringLiteral("Settings"), kLanguageKey, QString()),
                                 QLocale::system());
}

QTranslator *InstallProgramTranslation(ProgramLanguage language, QObject *owner)
{
    shownLanguage() = language;
    if (language == ProgramLanguage::Japanese)
        return nullptr;
    Q_INIT_RESOURCE(vellumia_translations);
    auto translator = std::make_unique<QTranslator>(owner);
    if (!translator->load(QStringLiteral(":/translations/vellumia_en.qm")) ||
        !QCoreApplication::installTranslator(translator.get())) {
        shownLanguage() = ProgramLanguage::Japanese;
        return nullptr;
    }
    return translator.release();
}

ProgramLanguage ShownProgramLanguage()
{
    return shownLanguage();
}
