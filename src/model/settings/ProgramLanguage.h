#pragma once

#include <QString>
#include <optional>

class QLocale;
class QObject;
class QTranslator;

// The language of the program's texts: Japanese, the language they are written in, or English
// through the translation carried inside the program.
enum class ProgramLanguage { Japanese, English };

// "ja" or "en" in any case; none for anything else, which leaves the choice to the next source.
std::optional<ProgramLanguage> ParseProgramLanguage(const QString &value);

// VELLUMAX_LANG in the environment wins, then the same key in [Settings] of VELLUMAX.INI, then the
// desktop's language: Japanese for Japanese, English for any other.
ProgramLanguage ChooseProgramLanguage(const QString &environment, const QString &setting,
                                      const QLocale &desktop);

// The choice for this run, from the environment, the program's settings file and the system's locale.
ProgramLanguage ChosenProgramLanguage();

// Installs the program's translation for the language (Japanese needs none) as a child of owner.
// Returns the translator, or null when none was installed.
QTranslator *InstallProgramTranslation(ProgramLanguage language, QObject *owner);

// The language of the texts shown: the one last installed, Japanese before any.
ProgramLanguage ShownProgramLanguage();
