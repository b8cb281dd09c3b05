#pragma once

// The sum distribution: the sums of the five numbers of every draw of the archive against the
// sums of all 3,162,510 combinations, with three levels of the combinations' curve (a third, a
// half and two thirds of the way up) and the range of sums that reaches each.

#include "core/GameTypes.h"
#include "core/GraphData.h"

#include <QString>

#include <array>
#include <vector>

namespace views {

struct SumCount
{
    int Sum = 0;
    std::int64_t Count = 0;
};

struct SumRange
{
    std::int64_t Level = 0;
    int From = 0; // 0: no sum reaches the level
    int To = 0;
};

struct SumDistribution
{
    std::vector<SumCount> Theoretical; // every sum of the combinations, ascending
    std::vector<SumCount> Actual;      // every sum that occurred in the draws, ascending
    std::int64_t MaxT = 0;
    std::int64_t MinT = 0;
    std::int64_t MaxA = 0;
    std::array<SumRange, 3> Ranges;

    std::int64_t actual(int sum) const;
};

inline constexpr std::uint32_t kSumActualColor = 0x0000FF;
inline constexpr std::uint32_t kSumTheoryColor = 0x000080;
inline constexpr std::uint32_t kSumRangeColors[3] = {0x008000, 0xFF0000, 0xFF00FF};
inline constexpr const char* kSumRangeNames[3] = {"1/3", "1/2", "2/3"};

SumDistribution ComputeSumDistribution(const core::TDrawsArray& draws);

QString SumActualTitle();
QString SumTheoryTitle();
QString SumRangeTitle(int level, const SumRange& range);
// The graph window's content: both curves, the theoretical one scaled to the draws, and the
// three levels as flat lines.
core::GraphData SumDistributionGraph(const SumDistribution& d, const QString& title);

} // namespace views
