#include "model/settings/PrinterAdjustments.h"

#include "model/platform/IniFile.h"
#include "model/settings/PrinterSettingsKey.h"

#include <algorithm>

namespace {

const QString kSection = QStringLiteral("PrintAdjustment");

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
            Set(PrinterNameOfSettingsKey(key), *adjustment);
    }
}

bool PrinterAdjustments::Save(IniFile &ini) const
{
    bool ok = true;
    for (const Entry &entry : entries_)
        ok &= ini.WriteString(kSection, PrinterSettingsKey(entry.PrinterName),
                              FormatPrintAdjustment(entry.Adjustment));
    return ok;
}
