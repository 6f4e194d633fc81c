#pragma once

class QCoreApplication;

// Loads Qt's own Japanese texts (standard buttons such as キャンセル, file dialog labels) when they
// are installed; without them the standard texts stay English.
void InstallQtTranslations(QCoreApplication &application);
