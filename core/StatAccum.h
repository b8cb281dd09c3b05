#pragma once

// Accumulators that statistics fill while they walk the draws.

#include "core/GameTypes.h"

namespace core {

void StatSimpleAdd(TStatSimpleArray& arr, std::int32_t key, std::int32_t n);
// Returns the distance since the value last occurred, or -1 for a new value.
std::int32_t LastValueUpdate(TLastValueArray& arr, const TLastValueRec& rec);
void StatDrawMerge(TStatDrawArray& arr, const TStatDrawRec& rec, bool withPeriods);

struct TStatDrawSummary
{
    std::int64_t Total = 0;
    std::int32_t MinCount = 0;
    std::int32_t MaxCount = 0;
    std::int32_t MaxDepth = 0;
};
TStatDrawSummary StatDrawSummary(const TStatDrawArray& arr);

} // namespace core
