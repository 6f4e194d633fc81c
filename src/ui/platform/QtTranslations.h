#pragma once

class QCoreApplication;
class QTranslator;

// Loads Qt's own Japanese texts (standard buttons such as キャンセル, file dialog labels) when they
// are installed; without them the standard texts stay English. Returns the installed translator,
// which the application owns, or null.
QTranslator *InstallQtTranslations(QCoreApplication &application);
