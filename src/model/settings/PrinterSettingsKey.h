#pragma once

#include <QString>

// A key of the settings file cannot hold '=', brackets, blanks or characters code page 932 lacks,
// all of which a printer's name may; such characters are written as %XX of their UTF-8 bytes.
QString PrinterSettingsKey(const QString &printerName);
QString PrinterNameOfSettingsKey(const QString &key);
