#pragma once

#include <QStringList>

class IniFile;

// The sheets makers sell that the paper setup applied last, newest first, by their full names, as
// VELLUMAX.INI keeps them in [RecentSheets] (Sheet1, Sheet2, ...), so that the paper setup lists
// them first.
class RecentSheets {
public:
    static constexpr int kKept = 8;

    const QStringList &Names() const { return names_; }
    // Puts name first, once, dropping the oldest beyond kKept.
    void Use(const QString &name);

    void Load(const IniFile &ini);
    // Returns false when the file could not be written.
    bool Save(IniFile &ini) const;

private:
    QStringList names_;
};
