#include "cli/BatchPreflight.h"

#include "cli/BatchCard.h"
#include "cli/BatchOptions.h"
#include "model/merge/MergeTableReader.h"
#include "model/output/PressPreflight.h"

#include <cstdio>
#include <optional>

int RunBatchPreflight(const BatchCard &card, const BatchOptions &options)
{
    std::optional<MergeTable> table;
    if (!options.MergeTable.isEmpty())
        table = MergeTableReader::ReadFile(options.MergeTable);
    const PressPreflight preflight(card.CardDef(), options.Press.value_or(PressPdfOptions()).BleedTenthMm,
                                   table ? &*table : nullptr);
    int found = 0;
    for (const bool back : {false, true}) {
        if (back && !card.HasBackSide())
            break;
        const TVkVellumPanel &side = back ? card.Back() : card.Surface();
        for (const PreflightFinding &finding : preflight.Check(side, back)) {
            std::printf("%s\n", qPrintable(PressPreflight::Describe(finding, side)));
            ++found;
        }
    }
    return found == 0 ? 0 : 2;
}
