#pragma once

#include <cstdint>

// The first index in [low, high) for which predicate holds, high when none does; predicate must be
// false for a run of indices and then true for the rest. Halving keeps it to some 32 steps, however
// many cells a card sheet claims.
template <typename Predicate>
std::int64_t FirstIndexWhere(std::int64_t low, std::int64_t high, const Predicate &predicate)
{
    while (low < high) {
        const std::int64_t middle = low + (high - low) / 2;
        if (predicate(middle))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}
