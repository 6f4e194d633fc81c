#include "model/output/RecordRange.h"

#include <algorithm>

std::optional<RecordRange> RecordRange::Of(int firstFromOne, std::optional<int> lastFromOne, int recordCount)
{
    const int first = std::max(firstFromOne, 1) - 1;
    const int end = std::min(lastFromOne.value_or(recordCount), recordCount);
    if (first >= recordCount || end <= first)
        return std::nullopt;
    return RecordRange{first, end - first};
}
