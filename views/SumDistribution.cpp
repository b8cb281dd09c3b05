#include "views/SumDistribution.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <map>

namespace views {

std::int64_t SumDistribution::actual(int sum) const
{
    const auto it =
        std::lower_bound(Actual.begin(), Actual.end(), sum, [](const SumCount& c, int s) { return c.Sum < s; });
    return it != Actual.end() && it->Sum == sum ? it->Count : 0;
}

SumDistribution ComputeSumDistribution(const core::TDrawsArray& draws)
{
    SumDistribution d;
    std::array<std::int64_t, core::MaxSum + 1> theory{};
    // Every combination once, in lexicographic order; the sum grows with each inner number.
    for (int a = 1; a <= 50; ++a)
        for (int b = a + 1; b <= 51; ++b)
            for (int c = b + 1; c <= 52; ++c)
                for (int e4 = c + 1; e4 <= 53; ++e4) {
                    const int base = a + b + c + e4;
                    for (int e5 = e4 + 1; e5 <= 54; ++e5)
                        ++theory[std::size_t(base + e5)];
                }
    for (int s = core::MinSum; s <= core::MaxSum; ++s)
        if (theory[std::size_t(s)] > 0)
            d.Theoretical.push_back({s, theory[std::size_t(s)]});

    std::map<int, std::int64_t> actual;
    for (const core::TDrawRec& draw : draws) {
        int sum = 0;
        for (std::uint8_t v : draw.Values)
            sum += v;
        ++actual[sum];
    }
    for (const auto& [sum, count] : actual) {
        d.Actual.push_back({sum, count});
        d.MaxA = std::max(d.MaxA, count);
    }

    d.MaxT = d.Theoretical.front().Count;
    d.MinT = d.MaxT;
    for (const SumCount& t : d.Theoretical) {
        d.MaxT = std::max(d.MaxT, t.Count);
        d.MinT = std::min(d.MinT, t.Count);
    }
    const double band = double(d.MaxT - d.MinT + 1);
    const double shares[3] = {band / 3, band / 2, 2 * band / 3};
    const std::size_t half = d.Theoretical.size() / 2;
    for (std::size_t k = 0; k < 3; ++k) {
        SumRange& r = d.Ranges[k];
        r.Level = std::int64_t(std::trunc(double(d.MinT) + shares[k]));
        for (std::size_t i = 0; i <= half; ++i)
            if (d.Theoretical[i].Count >= r.Level) {
                r.From = d.Theoretical[i].Sum;
                break;
            }
        for (std::size_t i = d.Theoretical.size(); i-- > half;)
            if (d.Theoretical[i].Count >= r.Level) {
                r.To = d.Theoretical[i].Sum;
                break;
            }
    }
    return d;
}

QString SumActualTitle()
{
    return QCoreApplication::translate("views", "Фактическое распределение сумм (по тиражам)");
}

QString SumTheoryTitle()
{
    return QCoreApplication::translate("views", "Теоретическое распределение сумм (по комбинациям)");
}

QString SumRangeTitle(int level, const SumRange& range)
{
    return QCoreApplication::translate("views", "Диапазон %1 (от %2 и выше по оси Y) - суммы %3-%4")
        .arg(level)
        .arg(QString::fromLatin1(kSumRangeNames[level - 1]))
        .arg(range.From)
        .arg(range.To);
}

core::GraphData SumDistributionGraph(const SumDistribution& d, const QString& title)
{
    core::GraphData graph(title);
    for (const SumCount& a : d.Actual)
        graph.AddPoint(a.Sum, SumActualTitle(), double(a.Count), true, true, kSumActualColor);
    const double scale = d.MaxT > 0 ? double(d.MaxA) / double(d.MaxT) : 0;
    for (const SumCount& t : d.Theoretical)
        graph.AddPoint(t.Sum, SumTheoryTitle(), double(t.Count) * scale, false, false, kSumTheoryColor);
    for (int k = 0; k < 3; ++k) {
        const QString name = SumRangeTitle(k + 1, d.Ranges[std::size_t(k)]);
        const double y = double(d.Ranges[std::size_t(k)].Level) * scale;
        for (const SumCount& t : d.Theoretical)
            graph.AddPoint(t.Sum, name, y, false, false, kSumRangeColors[k]);
    }
    return graph;
}

} // namespace views
