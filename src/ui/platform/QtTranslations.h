#pragma once

class QCoreApplication;
class QObject;

// Installs the texts of the language chosen for this run (ChosenProgramLanguage): in Japanese, Qt's
// own texts (standard buttons such as キャンセル, file dialog labels) when they are installed, the
// program's being written in it; in English, the program's translation, Qt's own texts being
// English. Returns the object owning the translators, a child of the application: deleting it
// takes them away again.
QObject *InstallQtTranslations(QCoreApplication &application);
