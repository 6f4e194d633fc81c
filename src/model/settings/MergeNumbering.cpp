#include "model/settings/MergeNumbering.h"

#include "model/merge/MergeRecord.h"
#include "model/platform/ProgramFolder.h"

MergeNumbering::MergeNumbering(const TVkVellumPanel &card, bool continues)
    : ini_(ProgramFile(QStringLiteral("VELLUMAX.INI"))), start_(MergeRecord::FirstSerialStart(card))
{
    kept_.Load(ini_);
    if (continues)
        cardsBefore_ = kept_.CardsBefore(start_);
}

bool MergeNumbering::Keep(std::int64_t cards)
{
    if (!start_ || cards <= 0)
        return true;
    kept_.Keep(start_, cardsBefore_, cards);
    return kept_.Save(ini_);
}
