#include "core/GameMath.h"
#include "views/WeekStats.h"

#include "core/Dates.h"
#include "core/TextForms.h"
#include "views/DrawWindow.h"

#include <cmath>

namespace views {

int DrawWeekday(const core::TDrawRec& draw)
{
    const QString text = core::DrawDateText(draw).trimmed();
    if (text.isEmpty())
        return 0;
    double date = 0;
    try {
        date = core::TextToDate(text);
    } catch (const core::EConvertError&) {
        return 0;
    }
    // Day 0 (30 Dec 1899) was a Saturday.
    const auto day = static_cast<long long>(std::floor(date));
    return int(((day + 5) % 7 + 7) % 7) + 1;
}

WeekTable BuildWeekTable(const core::TDrawsArray& draws, int drawsOffset, int length)
{
    WeekTable table;
    const DrawWindow w = AnalysisWindow(int(draws.size()), drawsOffset, length);
    table.FirstIndex = w.First;
    table.LastIndex = w.Last;
    for (int i = w.First; i <= w.Last; ++i) {
        const core::TDrawRec& draw = draws[std::size_t(i)];
        const int weekday = DrawWeekday(draw);
        if (weekday == 0) {
            ++table.Skipped;
            continue;
        }
        for (std::uint8_t n : draw.Values) {
            if (n < 1 || n > core::NumberCount)
                continue;
            std::int32_t& c = table.Counts[std::size_t(n - 1)][std::size_t(weekday - 1)];
            table.Max = std::max(table.Max, ++c);
        }
    }
    return table;
}

std::uint32_t WeekCellColor(std::int32_t value, std::int32_t max)
{
    if (max <= 0 || value <= 0)
        return 0;
    const auto fade = std::uint32_t(core::RoundHalfEven(255 - 255.0L * value / max));
    return 0xFF | fade << 8 | fade << 16;
}

QStringList WeekDayNames(const QLocale& locale)
{
    QStringList names;
    for (int d = 1; d <= kWeekDays; ++d)
        names << locale.dayName(d, QLocale::ShortFormat);
    return names;
}

std::vector<ChartPoint> WeekChartPoints(const WeekTable& table, WeekChartMode mode, int number, int weekday,
                                        const QStringList& dayNames)
{
    std::vector<ChartPoint> points;
    if (mode == WeekChartMode::Weekdays) {
        for (int d = 1; d <= kWeekDays; ++d)
            points.push_back({double(d), double(table.count(number, d)), dayNames.value(d - 1)});
    } else {
        for (int n = 1; n <= core::NumberCount; ++n)
            points.push_back({double(n), double(table.count(n, weekday)), QString::number(n)});
    }
    return points;
}

} // namespace views
