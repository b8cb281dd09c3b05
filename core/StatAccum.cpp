#include "core/StatAccum.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace core {

namespace {

// Periods are 16-bit fields; a longer gap saturates instead of wrapping to a small one.
std::uint16_t toPeriod(std::int64_t gap)
{
    return static_cast<std::uint16_t>(std::min<std::int64_t>(gap, std::numeric_limits<std::uint16_t>::max()));
}

} // namespace

void StatSimpleAdd(TStatSimpleArray& arr, std::int32_t key, std::int32_t n)
{
    for (TStatSimpleRec& e : arr)
        if (e.Key == key) {
            if (n > 0)
                e.Count += n;
            return;
        }
    arr.push_back({key, n});
}

std::int32_t LastValueUpdate(TLastValueArray& arr, const TLastValueRec& rec)
{
    for (TLastValueRec& e : arr)
        if (e.Key == rec.Key) {
            const std::int32_t distance = rec.LastDraw - e.LastDraw;
            e.LastDraw = rec.LastDraw;
            return distance;
        }
    arr.push_back(rec);
    return -1;
}

void StatDrawMerge(TStatDrawArray& arr, const TStatDrawRec& rec, bool withPeriods)
{
    const auto it = std::find_if(arr.begin(), arr.end(), [&](const TStatDrawRec& e) { return e.Key == rec.Key; });
    if (it == arr.end()) {
        TStatDrawRec copy = rec;
        copy.Norm = 0;
        arr.push_back(copy);
        return;
    }
    TStatDrawRec& e = *it;
    e.Count += rec.Count;
    // Keep the occurrence closest to the end of the window.
    if (e.Depth == 0 || (rec.Depth > 0 && rec.Depth <= e.Depth)) {
        e.LastDraw = rec.LastDraw;
        e.Depth = rec.Depth;
    }
    if (withPeriods && rec.LastDraw > 0 && e.PrevDraw > 0) {
        const std::int64_t gap = std::llabs(std::int64_t{e.PrevDraw} - rec.LastDraw);
        if (gap < e.MinPeriod || e.MinPeriod == 0)
            e.MinPeriod = toPeriod(gap);
        if (gap > e.MaxPeriod || e.MaxPeriod == 0)
            e.MaxPeriod = toPeriod(gap);
    }
    e.PrevDraw = rec.LastDraw;
}

TStatDrawSummary StatDrawSummary(const TStatDrawArray& arr)
{
    TStatDrawSummary s;
    if (arr.empty())
        return s;
    s.MinCount = arr.front().Count;
    s.MaxCount = arr.front().Count;
    for (const TStatDrawRec& e : arr) {
        s.Total += e.Count;
        s.MinCount = std::min(s.MinCount, e.Count);
        s.MaxCount = std::max(s.MaxCount, e.Count);
        s.MaxDepth = std::max(s.MaxDepth, e.Depth);
    }
    return s;
}

} // namespace core
