#pragma once

#include <optional>

// The records of a merge table one output job draws: Count records from First, counted from 0.
struct RecordRange {
    int First = 0;
    int Count = 0;

    // The records from firstFromOne up to lastFromOne, both counted from 1 as a spreadsheet's rows
    // below its header, of a table of recordCount records; up to its last record when lastFromOne
    // is none or lies beyond it. None when that leaves no record at all.
    static std::optional<RecordRange> Of(int firstFromOne, std::optional<int> lastFromOne, int recordCount);

    bool operator==(const RecordRange &) const = default;
};
