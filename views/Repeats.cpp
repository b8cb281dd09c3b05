#include "views/Repeats.h"

#include "core/GameMath.h"

#include <QCoreApplication>

#include <algorithm>

namespace views {

QString RepeatsRow::drawsText() const
{
    QString text;
    for (std::int32_t num : Draws) {
        if (!text.isEmpty())
            text += u' ';
        text += QString::number(num);
    }
    return text;
}

RepeatsResult ComputeRepeats(const core::TDrawsArray& draws, int length, int deep, const std::function<void(int)>& step)
{
    RepeatsResult result;
    const int high = int(draws.size()) - 1;
    if (high < 0 || length < 1 || deep < 1)
        return result;
    const int lowest = int(std::max<std::int64_t>(0, std::int64_t(high) - length + 1));
    int done = 0;
    for (int p = high; p >= lowest; --p) {
        const core::TDrawRec& draw = draws[std::size_t(p)];
        const std::size_t firstRow = result.Rows.size();
        const int stop = int(std::max<std::int64_t>(0, std::int64_t(p) - deep));
        for (int k = p - 1; k >= stop; --k) {
            const int m = core::SameNumbersCount2(draw, draws[std::size_t(k)]);
            if (m <= 0)
                continue;
            const auto row = std::find_if(result.Rows.begin() + std::ptrdiff_t(firstRow), result.Rows.end(),
                                          [m](const RepeatsRow& r) { return r.Matches == m; });
            if (row != result.Rows.end()) {
                ++row->Count;
                row->Draws.push_back(draws[std::size_t(k)].Num);
            } else {
                result.Rows.push_back({draw.Num, m, 1, {draws[std::size_t(k)].Num}});
            }
            result.MaxMatches = std::max(result.MaxMatches, m);
        }
        if (step)
            step(++done);
    }
    return result;
}

QString RepeatsSeriesTitle(int matches)
{
    return QCoreApplication::translate("views", "Совпадений: %1").arg(matches);
}

core::GraphData RepeatsSeries(const RepeatsResult& result)
{
    core::GraphData data;
    for (int m = 1; m <= result.MaxMatches; ++m)
        data.Series.push_back({RepeatsSeriesTitle(m), 0, true, false, false, {}});
    for (auto it = result.Rows.rbegin(); it != result.Rows.rend(); ++it) {
        core::GraphSeries& series = data.Series[std::size_t(it->Matches - 1)];
        series.Points.push_back({double(it->DrawNum), double(it->Count), QString::number(it->DrawNum)});
    }
    return data;
}

} // namespace views
