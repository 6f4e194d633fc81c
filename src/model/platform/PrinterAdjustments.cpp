#include "model/platform/PrinterAdjustments.h"

#include "model/platform/IniFile.h"

#include <QUrl>
#include <algorithm>

namespace {

const QString kSection = QStringLiteral("PrintAdjustment");

// A key of the settings file cannot hold '=', brackets, blanks or characters code page 932 lacks,
// all of which a printer's name may; such characters are written as %XX of their UTF-8 bytes.
QString keyOf(const QString &printerName)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(printerName));
}

QString printerNameOf(const QString &key)
{
    return QUrl::fromPercentEncoding(key.toLatin1());
}

} // namespace

PrintAdjustment PrinterAdjustments::For(const QString &printerName) const
{
    for (const Entry &entry : entries_) {
        if (entry.PrinterName.compare(printerName, Qt::CaseInsensitive) == 0)
            return entry.Adjustment;
    }
    return {};
}

void PrinterAdjustments::Set(const QString &printerName, const PrintAdjustment &adjustment)
{
    for (Entry &entry : entries_) {
        if (entry.PrinterName.compare(printerName, Qt::CaseInsensitive) == 0) {
            entry.Adjustment = adjustment;
            return;
        }
    }
    entries_.push_back({printerName, adjustment});
}

void PrinterAdjustments::Load(const IniFile &ini)
{
    entries_.clear();
    for (const QString &key : ini.ReadSection(kSection)) {
        if (const std::optional<PrintAdjustment> adjustment =
                ParsePrintAdjustment(ini.ReadString(kSection, key, QString())))
            Set(printerNameOf(key), *adjustment);
    }
}

bool PrinterAdjustments::Save(IniFile &ini) const
{
    bool ok = true;
    for (const Entry &entry : entries_)
        ok &= ini.WriteString(kSection, keyOf(entry.PrinterName), FormatPrintAdjustment(entry.Adjustment));
    return ok;
}
