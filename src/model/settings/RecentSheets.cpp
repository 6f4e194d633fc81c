#include "model/settings/RecentSheets.h"

#include "model/platform/IniFile.h"

namespace {

const QString kSection = QStringLiteral("RecentSheets");

QString key(int i)
{
    return QStringLiteral("Sheet%1").arg(i + 1);
}

} // namespace

void RecentSheets::Use(const QString &name)
{
    names_.removeAll(name);
    names_.prepend(name);
    while (names_.size() > kKept)
        names_.removeLast();
}

void RecentSheets::Load(const IniFile &ini)
{
    names_.clear();
    for (int i = 0; i < kKept; ++i) {
        const QString name = ini.ReadString(kSection, key(i), QString());
        if (!name.isEmpty() && !names_.contains(name))
            names_ << name;
    }
}

bool RecentSheets::Save(IniFile &ini) const
{
    return ini.WriteTogether([this, &ini] {
        for (int i = 0; i < kKept; ++i)
            ini.WriteString(kSection, key(i), names_.value(i));
    });
}
