#include "model/settings/CardNumberingSettings.h"

#include "model/platform/IniFile.h"

#include <algorithm>

namespace {

const QString kSection = QStringLiteral("Numbering");
const QString kLast = QStringLiteral("Last");
// Numbers of more digits than a counting field's start may have are no count of cards; within the
// bound, counting on never overflows.
constexpr std::int64_t kMostNumber = 999'999'999'999'999;

} // namespace

std::int64_t CardNumberingSettings::CardsBefore(std::optional<std::int64_t> start) const
{
    // A count kept below the card's start begins the card at its start.
    return start && Last ? std::max<std::int64_t>(*Last + 1 - *start, 0) : 0;
}

void CardNumberingSettings::Keep(std::optional<std::int64_t> start, std::int64_t cardsBefore,
                                 std::int64_t cards)
{
    if (start && cards > 0)
        Last = *start + cardsBefore + cards - 1;
}

void CardNumberingSettings::Load(const IniFile &ini)
{
    bool isNumber = false;
    const std::int64_t last = ini.ReadString(kSection, kLast, QString()).trimmed().toLongLong(&isNumber);
    Last = isNumber ? std::optional(std::clamp<std::int64_t>(last, 0, kMostNumber)) : std::nullopt;
}

bool CardNumberingSettings::Save(IniFile &ini) const
{
    return !Last || ini.WriteString(kSection, kLast, QString::number(*Last));
}
