#pragma once

#include "model/sheet/PrintAdjustment.h"

#include <QString>
#include <vector>

class IniFile;

// Each printer's correction as the user measured it, kept under the printer's name in the
// settings file's [PrintAdjustment] section. Printer names compare without regard to case, as the
// print system compares them.
class PrinterAdjustments {
public:
    // The correction of that printer; none when it was never measured.
    PrintAdjustment For(const QString &printerName) const;
    void Set(const QString &printerName, const PrintAdjustment &adjustment);

    // Reads every entry; one whose value is malformed or out of range is left out.
    void Load(const IniFile &ini);
    // Writes every printer measured, and nothing for a settings file that never had one.
    bool Save(IniFile &ini) const;

    bool operator==(const PrinterAdjustments &) const = default;

private:
    struct Entry {
        QString PrinterName;
        PrintAdjustment Adjustment;
        bool operator==(const Entry &) const = default;
    };
    std::vector<Entry> entries_;
};
