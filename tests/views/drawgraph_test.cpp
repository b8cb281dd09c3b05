// The draw graph and the sum distribution: small archives built here, and the real draw
// history checked against plain loops written in the test.

#include "StatTestSupport.h"
#include "TestPaths.h"

#include "core/DrawArchive.h"
#include "stats/StatList.h"
#include "views/DrawGraph.h"
#include "views/SumDistribution.h"

#include <gtest/gtest.h>

#include <map>
#include <numeric>

using namespace stattest;
using namespace views;

namespace {

core::TDrawsArray RealDraws()
{
    core::TDrawsArray draws;
    EXPECT_TRUE(core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), draws));
    return draws;
}

int SumOf(const core::TDrawRec& d)
{
    return d.Values[0] + d.Values[1] + d.Values[2] + d.Values[3] + d.Values[4];
}

std::unique_ptr<stats::TCustomGraphStat> GraphStat(const char* className, const core::TDrawsArray& draws)
{
    auto stat = Make(className, Env(&draws));
    auto* graph = dynamic_cast<stats::TCustomGraphStat*>(stat.get());
    if (!graph)
        return nullptr;
    stat.release();
    return std::unique_ptr<stats::TCustomGraphStat>(graph);
}

TEST(DrawGraph, OffsetFiveEndsAtTheSixthNewestDraw)
{
    const core::TDrawsArray draws = RealDraws();
    ASSERT_EQ(draws.size(), 1114u);
    const auto stat = GraphStat("TstSumValues", draws);
    ASSERT_TRUE(stat);
    const DrawGraph g = ComputeDrawGraph(*stat, draws, 5, 100, false, u"Сумма"_s);
    ASSERT_EQ(g.Points.size(), 100u);
    const std::size_t last = draws.size() - 1 - 5;
    EXPECT_EQ(g.Points.back().DrawNum, draws[last].Num);
    EXPECT_EQ(g.Points.front().DrawNum, draws[last - 99].Num);

    // Values, average and most frequent value from the draws themselves.
    double total = 0;
    std::map<int, int> counts;
    for (std::size_t i = 0; i < 100; ++i) {
        const int sum = SumOf(draws[last - 99 + i]);
        ASSERT_EQ(g.Points[i].Value, sum);
        total += sum;
        ++counts[sum];
    }
    EXPECT_DOUBLE_EQ(g.Average, total / 100);
    int best = 0;
    for (const auto& [sum, n] : counts)
        best = std::max(best, n);
    int firstBest = -1;
    for (std::size_t i = 0; i < 100 && firstBest < 0; ++i)
        if (counts[SumOf(draws[last - 99 + i])] == best)
            firstBest = SumOf(draws[last - 99 + i]);
    EXPECT_EQ(g.MostFrequent, firstBest);
}

TEST(DrawGraph, WindowStopsAtTheOldestDrawAndAtTheArchiveEnd)
{
    const core::TDrawsArray draws{Draw(7, {1, 2, 3, 4, 5}), Draw(8, {2, 4, 6, 8, 10}), Draw(9, {1, 3, 5, 7, 9})};
    const auto stat = GraphStat("TstEvenCount", draws);
    ASSERT_TRUE(stat);
    const DrawGraph whole = ComputeDrawGraph(*stat, draws, 0, 1000, false, {});
    ASSERT_EQ(whole.Points.size(), 3u);
    EXPECT_EQ(whole.Points[0].Value, 2);
    EXPECT_EQ(whole.Points[1].Value, 5);
    EXPECT_EQ(whole.Points[2].Value, 0);
    EXPECT_DOUBLE_EQ(whole.Average, 7.0 / 3);
    // All three counts once: the first seen wins.
    EXPECT_EQ(whole.MostFrequent, 2);

    EXPECT_EQ(ComputeDrawGraph(*stat, draws, 2, 1000, false, {}).Points.size(), 1u);
    EXPECT_TRUE(ComputeDrawGraph(*stat, draws, 3, 1000, false, {}).IsEmpty());
    EXPECT_TRUE(ComputeDrawGraph(*stat, core::TDrawsArray{}, 0, 100, false, {}).IsEmpty());
}

TEST(DrawGraph, MostFrequentKeepsTheEarlierValueOnATie)
{
    EXPECT_EQ(MostFrequentValue({5, 7, 7, 5}), 5);
    EXPECT_EQ(MostFrequentValue({1, 2, 2}), 2);
    EXPECT_EQ(MostFrequentValue({-3, 4, -3}), -3);
    EXPECT_EQ(MostFrequentValue({}), 0);
}

TEST(DrawGraph, AConstantStatisticGivesThreeCoincidingLines)
{
    // Every draw holds three even numbers.
    core::TDrawsArray draws;
    for (int i = 0; i < 20; ++i)
        draws.push_back(Draw(100 + i, {2, 4, 6, 1 + 2 * (i % 5), 41}));
    const auto stat = GraphStat("TstEvenCount", draws);
    const DrawGraph g = ComputeDrawGraph(*stat, draws, 0, 10, false, u"Чётные"_s);
    const core::GraphData data = DrawGraphSeries(g, true);
    ASSERT_EQ(data.Series.size(), 3u);
    EXPECT_EQ(data.Series[0].Title, u"Чётные"_s);
    EXPECT_EQ(data.Series[1].Title, u"Среднее значение"_s);
    EXPECT_EQ(data.Series[2].Title, u"Наиболее часто встречающееся значение"_s);
    EXPECT_EQ(data.Series[0].Color, 0x008000u);
    EXPECT_EQ(data.Series[1].Color, 0xFF0000u);
    EXPECT_EQ(data.Series[2].Color, 0x0000FFu);
    EXPECT_TRUE(data.Series[0].ShowPoints);
    EXPECT_TRUE(data.Series[0].ShowMarks);
    EXPECT_FALSE(data.Series[1].ShowPoints);
    for (const core::GraphSeries& s : data.Series) {
        ASSERT_EQ(s.Points.size(), 10u);
        for (std::size_t i = 0; i < 10; ++i) {
            EXPECT_EQ(s.Points[i].X, 110 + int(i));
            EXPECT_EQ(s.Points[i].Y, 3);
            EXPECT_EQ(s.Points[i].Label, QString::number(110 + i));
        }
    }
    EXPECT_FALSE(DrawGraphSeries(g, false).Series[0].ShowMarks);
}

// Combinations of five numbers out of 1..54 per sum, counted by a recurrence over the numbers
// rather than by walking the combinations.
std::vector<std::int64_t> SumsByRecurrence()
{
    // ways[k][s]: sets of k numbers among those seen so far with sum s.
    std::vector<std::vector<std::int64_t>> ways(6, std::vector<std::int64_t>(300));
    ways[0][0] = 1;
    for (int n = 1; n <= 54; ++n)
        for (int k = 5; k >= 1; --k)
            for (int s = 299; s >= n; --s)
                ways[std::size_t(k)][std::size_t(s)] += ways[std::size_t(k - 1)][std::size_t(s - n)];
    return ways[5];
}

TEST(SumDistribution, CountsLevelsAndRangesOfTheRealHistory)
{
    const core::TDrawsArray draws = RealDraws();
    const SumDistribution d = ComputeSumDistribution(draws);
    const std::vector<std::int64_t> expected = SumsByRecurrence();

    ASSERT_EQ(d.Theoretical.size(), 246u); // sums 15..260
    std::int64_t total = 0;
    for (const SumCount& t : d.Theoretical) {
        ASSERT_EQ(t.Count, expected[std::size_t(t.Sum)]) << t.Sum;
        total += t.Count;
    }
    EXPECT_EQ(total, 3162510);
    EXPECT_EQ(d.Theoretical.front().Sum, 15);
    EXPECT_EQ(d.Theoretical.back().Sum, 260);
    EXPECT_EQ(d.MinT, 1);
    EXPECT_EQ(d.MaxT, std::max(expected[137], expected[138]));

    std::map<int, std::int64_t> actual;
    for (const core::TDrawRec& draw : draws)
        ++actual[SumOf(draw)];
    ASSERT_EQ(d.Actual.size(), actual.size());
    std::int64_t maxA = 0;
    for (const auto& [sum, n] : actual) {
        EXPECT_EQ(d.actual(sum), n);
        maxA = std::max(maxA, n);
    }
    EXPECT_EQ(d.MaxA, maxA);
    EXPECT_EQ(d.actual(14), 0);

    // Each range: every sum whose count reaches the level, the curve being one hill.
    const double band = double(d.MaxT - d.MinT + 1);
    const double shares[] = {band / 3, band / 2, band * 2 / 3};
    for (int k = 0; k < 3; ++k) {
        const auto level = std::int64_t(double(d.MinT) + shares[k]);
        EXPECT_EQ(d.Ranges[std::size_t(k)].Level, level);
        int from = 0, to = 0;
        for (int s = 15; s <= 260; ++s)
            if (expected[std::size_t(s)] >= level) {
                if (from == 0)
                    from = s;
                to = s;
            }
        EXPECT_EQ(d.Ranges[std::size_t(k)].From, from) << k;
        EXPECT_EQ(d.Ranges[std::size_t(k)].To, to) << k;
        // The curve is symmetric about 137.5.
        EXPECT_EQ(from + to, 275);
    }
    EXPECT_LT(d.Ranges[0].From, d.Ranges[1].From);
    EXPECT_LT(d.Ranges[1].From, d.Ranges[2].From);
}

TEST(SumDistribution, GraphScalesTheCombinationsToTheDraws)
{
    const core::TDrawsArray draws{Draw(1, {1, 2, 3, 4, 5}), Draw(2, {1, 2, 3, 4, 5}), Draw(3, {50, 51, 52, 53, 54})};
    const SumDistribution d = ComputeSumDistribution(draws);
    EXPECT_EQ(d.MaxA, 2);
    const core::GraphData g = SumDistributionGraph(d, u"Распределение"_s);
    EXPECT_EQ(g.Title, u"Распределение"_s);
    ASSERT_EQ(g.Series.size(), 5u);
    const core::GraphSeries* actual = g.Find(u"Фактическое распределение сумм (по тиражам)"_s);
    ASSERT_TRUE(actual);
    ASSERT_EQ(actual->Points.size(), 2u);
    EXPECT_EQ(actual->Points[0].X, 15);
    EXPECT_EQ(actual->Points[0].Y, 2);
    EXPECT_EQ(actual->Points[1].X, 260);
    EXPECT_TRUE(actual->ShowPoints && actual->ShowMarks);
    EXPECT_EQ(actual->Color, 0x0000FFu);

    const core::GraphSeries* theory = g.Find(u"Теоретическое распределение сумм (по комбинациям)"_s);
    ASSERT_TRUE(theory);
    ASSERT_EQ(theory->Points.size(), 246u);
    double top = 0;
    for (const core::GraphPoint& p : theory->Points)
        top = std::max(top, p.Y);
    EXPECT_DOUBLE_EQ(top, 2.0); // the peak of the combinations meets the peak of the draws
    EXPECT_DOUBLE_EQ(theory->Points.front().Y, 2.0 / double(d.MaxT));

    for (int k = 0; k < 3; ++k) {
        const SumRange& r = d.Ranges[std::size_t(k)];
        const QString title = QStringLiteral("Диапазон %1 (от %2 и выше по оси Y) - суммы %3-%4")
                                  .arg(k + 1)
                                  .arg(QString::fromLatin1(k == 0   ? "1/3"
                                                           : k == 1 ? "1/2"
                                                                    : "2/3"))
                                  .arg(r.From)
                                  .arg(r.To);
        const core::GraphSeries* line = g.Find(title);
        ASSERT_TRUE(line) << title.toStdString();
        ASSERT_EQ(line->Points.size(), 246u);
        EXPECT_DOUBLE_EQ(line->Points[100].Y, double(r.Level) * 2 / double(d.MaxT));
    }
}

TEST(SumDistribution, EmptyArchiveHasNoActualCurve)
{
    const SumDistribution d = ComputeSumDistribution({});
    EXPECT_TRUE(d.Actual.empty());
    EXPECT_EQ(d.MaxA, 0);
    EXPECT_EQ(d.Theoretical.size(), 246u);
    const core::GraphData g = SumDistributionGraph(d, {});
    EXPECT_EQ(g.Find(u"Фактическое распределение сумм (по тиражам)"_s), nullptr);
}

} // namespace
