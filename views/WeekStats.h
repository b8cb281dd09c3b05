#pragma once

// Week statistics: over a window of draws before the analysis point, how often each number fell
// on each day of the week, by the draw's date. Draws whose date cannot be read are left out.

#include "core/GameTypes.h"
#include "views/StatTable.h"

#include <QLocale>
#include <QStringList>

#include <array>
#include <vector>

namespace views {

inline constexpr int kWeekDays = 7;

struct WeekTable
{
    int FirstIndex = 0;
    int LastIndex = -1;
    // Counts[n - 1][d - 1]: draws on weekday d (1 = Monday .. 7 = Sunday) that hold number n.
    std::array<std::array<std::int32_t, kWeekDays>, core::NumberCount> Counts{};
    std::int32_t Max = 0;
    int Skipped = 0; // draws of the window without a readable date

    std::int32_t count(int number, int weekday) const
    {
        return number >= 1 && number <= core::NumberCount && weekday >= 1 && weekday <= kWeekDays
                   ? Counts[std::size_t(number - 1)][std::size_t(weekday - 1)]
                   : 0;
    }
};

// The weekday of the draw's date, 1 = Monday .. 7 = Sunday; 0 when there is no readable date.
int DrawWeekday(const core::TDrawRec& draw);

WeekTable BuildWeekTable(const core::TDrawsArray& draws, int drawsOffset, int length);

// Background of a cell with the value, 0x00BBGGRR: white for small counts, red for the largest;
// 0 (the grid's own) for an empty cell or an empty table.
std::uint32_t WeekCellColor(std::int32_t value, std::int32_t max);

// The short day names of the locale, Monday first.
QStringList WeekDayNames(const QLocale& locale = QLocale());

enum class WeekChartMode {
    Weekdays = 1, // one number over the seven weekdays
    Numbers = 0,  // one weekday over the 54 numbers
};

// The chart's points for the selected number and weekday.
std::vector<ChartPoint> WeekChartPoints(const WeekTable& table, WeekChartMode mode, int number, int weekday,
                                        const QStringList& dayNames);

} // namespace views
