#include "model/settings/PrinterSettingsKey.h"

#include <QUrl>

QString PrinterSettingsKey(const QString &printerName)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(printerName));
}

QString PrinterNameOfSettingsKey(const QString &key)
{
    return QUrl::fromPercentEncoding(key.toLatin1());
}
