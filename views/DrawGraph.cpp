#include "views/DrawGraph.h"

#include "stats/CustomStat.h"
#include "views/DrawWindow.h"

#include <QCoreApplication>

#include <unordered_map>

namespace views {

QString GraphAverageTitle()
{
    return QCoreApplication::translate("views", "Среднее значение");
}

QString GraphFrequentTitle()
{
    return QCoreApplication::translate("views", "Наиболее часто встречающееся значение");
}

std::int32_t MostFrequentValue(const std::vector<std::int32_t>& values)
{
    // Counted in first-seen order, as a key/count list would be.
    std::vector<core::TStatSimpleRec> counts;
    std::unordered_map<std::int32_t, std::size_t> at;
    for (std::int32_t v : values) {
        const auto [it, added] = at.try_emplace(v, counts.size());
        if (added)
            counts.push_back({v, 1});
        else
            ++counts[it->second].Count;
    }
    std::int32_t best = 0;
    std::int32_t bestCount = 0;
    for (const core::TStatSimpleRec& r : counts) {
        if (r.Count > bestCount) {
            bestCount = r.Count;
            best = r.Key;
        }
    }
    return best;
}

DrawGraph ComputeDrawGraph(stats::TCustomGraphStat& stat, const core::TDrawsArray& draws, int drawsOffset, int length,
                           bool sorted, const QString& title)
{
    DrawGraph graph;
    graph.Title = title;
    const DrawWindow w = AnalysisWindow(int(draws.size()), drawsOffset, length);
    if (w.IsEmpty())
        return graph;
    std::vector<std::int32_t> values;
    values.reserve(std::size_t(w.Size()));
    graph.Points.reserve(std::size_t(w.Size()));
    double sum = 0;
    for (int i = w.First; i <= w.Last; ++i) {
        const std::int32_t v = stat.DrawValue(i, w.Last, sorted);
        graph.Points.push_back({draws[std::size_t(i)].Num, v});
        values.push_back(v);
        sum += v;
    }
    graph.Average = sum / double(values.size());
    graph.MostFrequent = MostFrequentValue(values);
    return graph;
}

core::GraphData DrawGraphSeries(const DrawGraph& graph, bool showMarks)
{
    core::GraphData data(graph.Title);
    for (const DrawGraphPoint& p : graph.Points)
        data.AddPoint(p.DrawNum, graph.Title, p.Value, true, showMarks, kGraphValueColor);
    for (const DrawGraphPoint& p : graph.Points)
        data.AddPoint(p.DrawNum, GraphAverageTitle(), graph.Average, false, false, kGraphAverageColor);
    for (const DrawGraphPoint& p : graph.Points)
        data.AddPoint(p.DrawNum, GraphFrequentTitle(), graph.MostFrequent, false, false, kGraphFrequentColor);
    return data;
}

} // namespace views
