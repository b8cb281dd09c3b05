#pragma once

// The draw graph: the single value of one chartable statistic draw by draw over a window of
// the newest draws before the analysis point, with the window's average and its most frequent
// value drawn as two flat lines over the same draws.

#include "core/GameTypes.h"
#include "core/GraphData.h"

#include <QString>

#include <vector>

namespace stats {
class TCustomGraphStat;
}

namespace views {

struct DrawGraphPoint
{
    std::int32_t DrawNum = 0;
    std::int32_t Value = 0;
};

struct DrawGraph
{
    QString Title;                      // the method's caption
    std::vector<DrawGraphPoint> Points; // oldest draw first
    double Average = 0;
    std::int32_t MostFrequent = 0;
    bool IsEmpty() const { return Points.empty(); }
};

// Colours of the three lines, 0x00BBGGRR.
inline constexpr std::uint32_t kGraphValueColor = 0x008000;
inline constexpr std::uint32_t kGraphValuePointPen = 0xFF00FF;
inline constexpr std::uint32_t kGraphAverageColor = 0xFF0000;
inline constexpr std::uint32_t kGraphFrequentColor = 0x0000FF;

DrawGraph ComputeDrawGraph(stats::TCustomGraphStat& stat, const core::TDrawsArray& draws, int drawsOffset, int length,
                           bool sorted, const QString& title);

// Of the values in the order given, the first whose count is above every earlier maximum: on a
// tie the value seen first wins.
std::int32_t MostFrequentValue(const std::vector<std::int32_t>& values);

// The three line series: the values (with points and, when asked, value marks), the average
// and the most frequent value.
core::GraphData DrawGraphSeries(const DrawGraph& graph, bool showMarks);
QString GraphAverageTitle();
QString GraphFrequentTitle();

} // namespace views
