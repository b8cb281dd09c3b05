#include "core/GameMath.h"
#include "views/LayoutScheme.h"

#include "views/DrawWindow.h"
#include "views/StatTable.h"

#include <algorithm>
#include <array>
#include <functional>

namespace views {

TShemaArray BuildShema(const core::TDrawsArray& draws, int first, int last)
{
    TShemaArray shema;
    std::array<int, core::NumberCount + 1> at;
    at.fill(-1);
    for (int i = last; i >= first; --i) {
        const core::TDrawRec& draw = draws[std::size_t(i)];
        for (std::uint8_t n : draw.Values) {
            // A damaged record may hold numbers outside the game; they have no place in the grid.
            if (n < 1 || n > core::NumberCount)
                continue;
            if (at[n] < 0) {
                at[n] = int(shema.size());
                shema.push_back({n, 1, draw.Num});
            } else {
                ++shema[std::size_t(at[n])].Count;
            }
        }
    }
    return shema;
}

namespace {

std::vector<std::int32_t> distinctDescending(std::vector<std::int32_t> values)
{
    std::sort(values.begin(), values.end(), std::greater<>());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

int indexIn(const std::vector<std::int32_t>& descending, std::int32_t v)
{
    const auto it = std::lower_bound(descending.begin(), descending.end(), v, std::greater<>());
    return int(it - descending.begin());
}

} // namespace

LayoutGrid BuildLayoutGrid(const core::TDrawsArray& draws, int drawsOffset, int length,
                           const std::bitset<256>& nextDraw)
{
    LayoutGrid grid;
    const DrawWindow w = AnalysisWindow(int(draws.size()), drawsOffset, length);
    grid.FirstIndex = w.First;
    grid.LastIndex = w.Last;
    if (w.IsEmpty())
        return grid;
    const TShemaArray shema = BuildShema(draws, w.First, w.Last);
    std::vector<std::int32_t> counts, lastDraws;
    for (const TShemaRec& r : shema) {
        counts.push_back(r.Count);
        lastDraws.push_back(r.LastDraw);
    }
    grid.Counts = distinctDescending(std::move(counts));
    grid.DrawNums = distinctDescending(std::move(lastDraws));
    const std::size_t cells = grid.Counts.size() * grid.DrawNums.size();
    grid.Cells.resize(cells);
    grid.Marked.resize(cells);
    for (const TShemaRec& r : shema) {
        const std::size_t at = std::size_t(indexIn(grid.Counts, r.Count)) * grid.DrawNums.size() +
                               std::size_t(indexIn(grid.DrawNums, r.LastDraw));
        const bool next = nextDraw.test(r.Number);
        const QString text = next ? QStringLiteral("[%1]").arg(r.Number) : QString::number(r.Number);
        QString& cell = grid.Cells[at];
        cell += cell.isEmpty() ? text : QStringLiteral(", ") + text;
        if (next)
            grid.Marked[at] = 1;
    }
    return grid;
}

bool LayoutBandMarked(int index)
{
    // The bands go on past 95 for grids with a hundred and more rows.
    return index >= 1 && (index - 1) / 5 % 2 == 0;
}

std::uint32_t LayoutCellColor(const LayoutGrid& grid, int row, int column, bool gradient)
{
    if (grid.marked(row, column))
        return kLayoutMarkedColor;
    // Indices and counts of the whole grid, captions included.
    const int r = row + 1;
    const int c = column + 1;
    if (gradient) {
        const long double rows = grid.rowCount() + 1;
        const long double columns = grid.columnCount() + 1;
        const auto red = std::uint32_t(core::RoundHalfEven(255 - 155.0L * r / rows));
        const auto green = std::uint32_t(core::RoundHalfEven(255 - 155.0L * c / columns));
        const auto blue = std::uint32_t(core::RoundHalfEven(100 + 155.0L * r / rows));
        return red | green << 8 | blue << 16;
    }
    return LayoutBandMarked(r) != LayoutBandMarked(c) ? kLayoutBandSingle : kLayoutBandOther;
}

std::vector<int> LayoutCellNumbers(const QString& text)
{
    std::vector<int> numbers;
    for (QString part : text.split(u',', Qt::SkipEmptyParts)) {
        part.remove(u'[').remove(u']');
        bool ok = false;
        const int n = part.trimmed().toInt(&ok);
        if (ok)
            numbers.push_back(n);
    }
    return numbers;
}

LayoutCompareList BuildLayoutCompare(const core::TDrawsArray& draws, int drawsOffset, int length)
{
    LayoutCompareList list;
    const DrawWindow w = AnalysisWindow(int(draws.size()), drawsOffset, length);
    if (w.IsEmpty())
        return list;
    list.Caption = QStringLiteral("%1 - %2").arg(draws[std::size_t(w.First)].Num).arg(draws[std::size_t(w.Last)].Num);
    for (const TShemaRec& r : BuildShema(draws, w.First, w.Last)) {
        const auto row = std::find_if(list.Rows.begin(), list.Rows.end(),
                                      [&](const LayoutCompareRow& x) { return x.Count == r.Count; });
        if (row != list.Rows.end())
            row->Numbers += QStringLiteral(", ") + QString::number(r.Number);
        else
            list.Rows.push_back({r.Count, QString::number(r.Number)});
    }
    return list;
}

} // namespace views
