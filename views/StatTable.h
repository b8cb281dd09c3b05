#pragma once

// The statistics table: one statistic computed over a window of the newest draws before the
// analysis point, one row per value with how often and how recently it occurred, how far that
// departs from the full-set distribution, and when it should come next.

#include "core/GameTypes.h"
#include "stats/CustomStat.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace views {

inline constexpr int StatColumnCount = 20;

enum StatColumn {
    ColValue = 0,
    ColCount,
    ColCountPct,
    ColNorm,
    ColDeviation,
    ColDeviationPct,
    ColDepth,
    ColDepthPct,
    ColWeight,
    ColLastDraw,
    ColPeriodMin,
    ColPeriod,
    ColPeriodMax,
    ColExpectPrd,
    ColExpectStf,
    ColExpectKrn,
    ColFact,
    ColDiffPrd,
    ColDiffStf,
    ColDiffKrn,
};

// The column captions in the interface language.
QStringList StatColumnCaptions();

// The distribution of a statistic over all combinations: one count per value, ascending by
// value, and the smallest and largest count.
struct FullSetCounts
{
    struct Record
    {
        core::TStatKey Key;
        std::int32_t Count = 0;
    };
    std::vector<Record> Records;
    std::int32_t MinCount = 0;
    std::int32_t MaxCount = 0;
};

struct StatTableParams
{
    int DrawsOffset = 0;
    int Window = 1000;
    bool Sorted = false;
    core::TCdlData Cdl;
    // The full-set distribution when the comparison is on; nullptr: no comparison.
    const FullSetCounts* FullSet = nullptr;
    // The decimal separator of the texts.
    QString DecimalPoint = QStringLiteral(".");
};

struct StatTableRow
{
    core::TStatDrawRec Rec; // the accumulator the row was built from
    std::array<QString, StatColumnCount> Cells;
};

struct StatTable
{
    int LastIndex = -1; // array index of the analysis point
    int FirstIndex = 0; // first draw of the window
    int DrawCount = 0;  // draws analysed
    bool Compared = false;
    double NormScale = 0;        // multiplier from full-set counts to the window's counts
    core::TStatDrawArray Values; // in array order, with norms
    std::vector<StatTableRow> Rows;
};

// The chart under the table: the observed counts and, with the comparison, the scaled
// full-set counts, one point per value with its text as the label.
struct ChartPoint
{
    double X = 0;
    double Y = 0;
    QString Label;
};
struct StatChart
{
    std::vector<ChartPoint> Actual; // "Фактические данные"
    std::vector<ChartPoint> Total; // "Все возможные комбинации", only with the comparison and the total line
};

// Computes the table of a fresh statistic instance over the draws it reads.
StatTable ComputeStatTable(stats::TCustomStat& stat, const core::TDrawsArray& draws, const StatTableParams& params);

// The chart of a computed table; empty unless the table has more than one value.
StatChart ComputeStatChart(const stats::TCustomStat& stat, const StatTable& table, const StatTableParams& params,
                           bool showTotalLine);

// Two cells compare as numbers when both read as numbers (with "," as "."), else as text
// without regard to case. <0, 0, >0.
int CompareStatCells(const QString& a, const QString& b);
// Sorts rows by a column, equal cells by column 0; -1 leaves the order. Stable.
void SortStatRows(std::vector<StatTableRow>& rows, int column, bool descending);

// One table row as the filter conditions read it: the texts of the table.
struct TStatValues
{
    QString ValueText;
    std::int32_t Value = 0;
    QString CountText;
    QString CountPct;
    QString DeviationText;
    QString DeviationPct;
    QString DepthText;
    QString DepthPct;
    QString WeightText;
    QString PeriodMinText;
    QString PeriodText;
    QString PeriodMaxText;
};
TStatValues StatRowText(const StatTableRow& row);

} // namespace views
