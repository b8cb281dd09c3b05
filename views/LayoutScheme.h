#pragma once

// The layout ("Схема"): for a window of draws before the analysis point, how often each number
// fell and in which draw it fell last, as a grid whose rows are the counts and whose columns
// are the draws of the last occurrence; each cell lists its numbers. Numbers of the draw just
// after the analysis point are written "[n]". Five short lists compare the count groups of
// five window lengths.

#include "core/GameTypes.h"

#include <QString>
#include <QStringList>

#include <bitset>
#include <cstdint>
#include <vector>

namespace views {

// One number that occurred in the window.
struct TShemaRec
{
    std::uint8_t Number = 0;
    std::int32_t Count = 0;    // occurrences in the window
    std::int32_t LastDraw = 0; // number of the newest draw of the window that holds it
};
// In order of first appearance, scanning from the newest draw to the oldest and each draw in
// drawn order.
using TShemaArray = std::vector<TShemaRec>;

TShemaArray BuildShema(const core::TDrawsArray& draws, int first, int last);

struct LayoutGrid
{
    int FirstIndex = 0;
    int LastIndex = -1;
    std::vector<std::int32_t> Counts;   // row captions, descending
    std::vector<std::int32_t> DrawNums; // column captions, descending
    std::vector<QString> Cells;         // row-major, Counts.size() x DrawNums.size()
    std::vector<std::uint8_t> Marked;   // the cell holds a next-draw number

    int rowCount() const { return int(Counts.size()); }
    int columnCount() const { return int(DrawNums.size()); }
    const QString& cell(int row, int column) const { return Cells[std::size_t(row * columnCount() + column)]; }
    bool marked(int row, int column) const { return Marked[std::size_t(row * columnCount() + column)] != 0; }
};

LayoutGrid BuildLayoutGrid(const core::TDrawsArray& draws, int drawsOffset, int length,
                           const std::bitset<256>& nextDraw);

inline constexpr std::uint32_t kLayoutMarkedColor = 0x00FF00; // 0x00BBGGRR, green
inline constexpr std::uint32_t kLayoutBandSingle = 0xEAEAFF;  // light red
inline constexpr std::uint32_t kLayoutBandOther = 0xEAFFEA;   // light green

// Background of a data cell (row, column counted from 0 without the captions), 0x00BBGGRR.
std::uint32_t LayoutCellColor(const LayoutGrid& grid, int row, int column, bool gradient);
// Whether a grid index (captions being 0) lies in one of the bands 1-5, 11-15, 21-25, ...
bool LayoutBandMarked(int index);

// The numbers of a cell text: parts between commas, without the brackets.
std::vector<int> LayoutCellNumbers(const QString& text);

struct LayoutCompareRow
{
    std::int32_t Count = 0;
    QString Numbers;
};
struct LayoutCompareList
{
    QString Caption;                    // "oldest - newest" draw number of the window; empty without draws
    std::vector<LayoutCompareRow> Rows; // in order of first appearance of each count
};

inline constexpr int kLayoutCompareLists = 5;
inline constexpr int kLayoutCompareDefaults[kLayoutCompareLists] = {50, 100, 200, 300, 400};

LayoutCompareList BuildLayoutCompare(const core::TDrawsArray& draws, int drawsOffset, int length);

} // namespace views
