#include "core/GraphData.h"

#include <cmath>

namespace core {

void GraphData::AddPoint(double x, const QString& series, double y, bool showPoints, bool showMarks,
                         std::uint32_t colour)
{
    GraphSeries* target = nullptr;
    for (GraphSeries& s : Series)
        if (s.Title.compare(series, Qt::CaseInsensitive) == 0) {
            target = &s;
            break;
        }
    if (!target) {
        GraphSeries s;
        s.Title = series;
        s.Color = colour;
        s.ShowPoints = showPoints;
        s.ShowMarks = showMarks;
        s.Markable = showMarks;
        Series.push_back(std::move(s));
        target = &Series.back();
    }
    target->Points.push_back({x, y, GraphXText(x)});
}

const GraphSeries* GraphData::Find(const QString& series) const
{
    for (const GraphSeries& s : Series)
        if (s.Title.compare(series, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

QString GraphXText(double x)
{
    if (std::isfinite(x) && x == std::trunc(x) && std::fabs(x) < 9e15)
        return QString::number(static_cast<long long>(x));
    return QString::number(x, 'g', 15);
}

} // namespace core
