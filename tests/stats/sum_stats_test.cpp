#include "StatTestSupport.h"
#include "TestPaths.h"

#include "core/DrawArchive.h"

#include <gtest/gtest.h>

#include <map>

using namespace stattest;
using core::TDrawsArray;
using core::TStatDrawArray;

namespace {

int SumOf(const std::uint8_t* v)
{
    return v[0] + v[1] + v[2] + v[3] + v[4];
}

int SumOf(const core::TDrawRec& d)
{
    return SumOf(d.Values);
}

stats::TCustomGraphStat& Graph(stats::TCustomStat& stat)
{
    auto* graph = dynamic_cast<stats::TCustomGraphStat*>(&stat);
    EXPECT_NE(graph, nullptr);
    return *graph;
}

class SumStats : public ::testing::Test
{
protected:
    // Sums 150, 120, 125, 120, 108, 130, 120, 120, in drawn (unsorted) order.
    TDrawsArray draws = {
        Draw(101, {50, 10, 40, 20, 30}), Draw(102, {30, 10, 20, 35, 25}), Draw(103, {5, 45, 25, 35, 15}),
        Draw(104, {44, 1, 2, 33, 40}),   Draw(105, {38, 12, 20, 30, 8}),  Draw(106, {6, 14, 26, 38, 46}),
        Draw(107, {24, 22, 26, 28, 20}), Draw(108, {50, 40, 10, 11, 9}),
    };
    stats::StatEnv env = Env(&draws);

    QStringList combTexts(const char* cls, const core::TComb& comb, int param = 0)
    {
        auto stat = Make(cls, env, param);
        return Texts(*stat, CombValues(*stat, comb));
    }
};

TEST_F(SumStats, ArchiveSumsAreAsPlanned)
{
    const std::vector<int> sums = {150, 120, 125, 120, 108, 130, 120, 120};
    for (std::size_t i = 0; i < draws.size(); ++i)
        EXPECT_EQ(SumOf(draws[i]), sums[i]) << i;
}

TEST_F(SumStats, PlainSumsOfOneDraw)
{
    // 3+6+9+14+17 = 49; even 6+14; primes 3, 17; 9 = 3+6 and 17 = 3+14.
    EXPECT_EQ(combTexts("TstSumValues", Comb({3, 6, 9, 14, 17})), Strs({"49"}));
    EXPECT_EQ(combTexts("TstSumEvenValues", Comb({3, 6, 9, 14, 17})), Strs({"20"}));
    EXPECT_EQ(combTexts("TstSumPrimeValues", Comb({2, 7, 14, 33, 50})), Strs({"9"}));
    EXPECT_EQ(combTexts("TstSum2To3", Comb({3, 6, 9, 14, 17})), Strs({"2"}));
    // 1+2=3, 1+3=4, 1+4=5, 2+3=5.
    EXPECT_EQ(combTexts("TstSum2To3", Comb({1, 2, 3, 4, 5})), Strs({"4"}));
    EXPECT_EQ(combTexts("TstSum2To3", Comb({1, 2, 3, 5, 8})), Strs({"3"}));
    // No even number: the even sum is 0; 1 counts as prime.
    EXPECT_EQ(combTexts("TstSumEvenValues", Comb({1, 3, 5, 7, 9})), Strs({"0"}));
    EXPECT_EQ(combTexts("TstSumPrimeValues", Comb({1, 3, 5, 7, 9})), Strs({"16"}));
    EXPECT_EQ(combTexts("TstSumPrimeValues", Comb({4, 6, 8, 9, 10})), Strs({"0"}));

    auto sums = Make("TstSumValues", env);
    const TStatDrawArray list = DrawValues(*sums, 4, 4);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(stats::KeyHalf(list[0].Key, 1), 108u);
    EXPECT_EQ(list[0].LastDraw, 105);
    EXPECT_EQ(list[0].Depth, 1);
    EXPECT_EQ(Graph(*sums).DrawValue(4, 7, false), 108);
    EXPECT_EQ(Graph(*Make("TstSum2To3", env)).CombValue(Comb({2, 4, 6, 8, 10}).v, -1, false, 0), 4);
    EXPECT_EQ(Graph(*Make("TstSumEvenValues", env)).CombValue(Comb({2, 4, 6, 8, 11}).v, -1, false, 0), 20);

    auto even = Make("TstSumEvenValues", env);
    TStatDrawArray none;
    even->InitValues(7, none);
    EXPECT_TRUE(none.empty());
}

TEST_F(SumStats, PreListedRows)
{
    auto sums = Make("TstSumValues", env);
    const TStatDrawArray list = Table(*sums, 0, 7);
    ASSERT_EQ(list.size(), 246u);
    EXPECT_EQ(sums->ValueToText(list.front()), u"15"_s);
    EXPECT_EQ(sums->ValueToText(list.back()), u"260"_s);
    // 120 four times, 150 once; 15 never.
    EXPECT_EQ(list[120 - 15].Count, 4);
    EXPECT_EQ(list[150 - 15].Count, 1);
    EXPECT_EQ(list[0].Count, 0);
    EXPECT_EQ(list[120 - 15].MinPeriod, 1);
    EXPECT_EQ(list[120 - 15].MaxPeriod, 3);

    auto band = Make("TstSumRanges", env, 1);
    const TStatDrawArray bandList = Table(*band, 0, 7);
    EXPECT_EQ(Texts(*band, bandList), Strs({"Остальные", "86-189"}));
    EXPECT_EQ(Counts(bandList), std::vector<int>({0, 8}));

    auto trend = Make("TstSumTrend", env);
    TStatDrawArray trendList;
    trend->InitValues(7, trendList);
    EXPECT_EQ(Texts(*trend, trendList), Strs({"=", "+", "-"}));
    EXPECT_EQ(Counts(trendList), std::vector<int>({0, 0, 0}));
}

TEST_F(SumStats, SumBands)
{
    struct Case
    {
        core::TComb comb;
        int sum;
        bool in[3];
    };
    const Case cases[] = {
        {Comb({5, 10, 20, 22, 28}), 85, {false, false, false}},
        {Comb({5, 10, 20, 22, 29}), 86, {true, false, false}},
        {Comb({10, 15, 20, 25, 26}), 96, {true, false, false}},
        {Comb({10, 15, 20, 25, 27}), 97, {true, true, false}},
        {Comb({10, 15, 20, 25, 35}), 105, {true, true, false}},
        {Comb({10, 15, 20, 25, 36}), 106, {true, true, true}},
        {Comb({25, 30, 35, 38, 41}), 169, {true, true, true}},
        {Comb({25, 30, 35, 38, 42}), 170, {true, true, false}},
        {Comb({30, 33, 35, 38, 42}), 178, {true, true, false}},
        {Comb({30, 33, 35, 38, 43}), 179, {true, false, false}},
        {Comb({30, 35, 40, 41, 43}), 189, {true, false, false}},
        {Comb({30, 35, 40, 41, 44}), 190, {false, false, false}},
        {Comb({50, 51, 52, 53, 54}), 260, {false, false, false}},
    };
    const TStatDrawArray inside = Rows({stats::KeyW(1)});
    const TStatDrawArray outside = Rows({stats::KeyW(0)});
    const TStatDrawArray both = Rows({stats::KeyW(0), stats::KeyW(1)});
    for (int param = 1; param <= 3; ++param) {
        auto band = Make("TstSumRanges", env, param);
        for (const Case& c : cases) {
            ASSERT_EQ(SumOf(c.comb.v), c.sum);
            const bool in = c.in[param - 1];
            EXPECT_EQ(Graph(*band).CombValue(c.comb.v, -1, false, 0), in ? 1 : 0) << param << " " << c.sum;
            const TStatDrawArray values = CombValues(*band, c.comb);
            ASSERT_EQ(values.size(), 1u);
            EXPECT_EQ(values[0].Key.c[0], in ? 1 : 0);
            EXPECT_EQ(band->TestComb(c.comb, inside, false, false, 0), in) << param << " " << c.sum;
            EXPECT_EQ(band->TestComb(c.comb, outside, false, false, 0), !in) << param << " " << c.sum;
            // Both rows selected: only the band.
            EXPECT_EQ(band->TestComb(c.comb, both, false, false, 0), in) << param << " " << c.sum;
        }
    }
    core::TStatDrawRec one;
    one.Key = stats::KeyW(1);
    EXPECT_EQ(Make("TstSumRanges", env, 2)->ValueToText(one), u"97-178"_s);
    EXPECT_EQ(Make("TstSumRanges", env, 3)->ValueToText(one), u"106-169"_s);
    EXPECT_EQ(Make("TstSumRanges", env, 1)->GetName(), u"Сумма тиража: диапазон 1 (1/3)"_s);
    EXPECT_EQ(Make("TstSumRanges", env, 3)->GetName(), u"Сумма тиража: диапазон 3 (2/3)"_s);
}

TEST_F(SumStats, ChangeTablesFollowDrawsLikeTheLastOne)
{
    // Reference sum 120 (the draw at 7). Predecessor sums 0, 150, 120, 125, 120, 108, 130, 120.
    for (bool sorted : {false, true}) {
        auto change = Make("TstSumChange", env);
        const TStatDrawArray c = Table(*change, 0, 7, sorted);
        EXPECT_EQ(Texts(*change, c), Strs({"+05 : 120 + 5 = 125", "- 12 : 120 - 12 = 108", "+00 : 120 + 0 = 120"}));
        ASSERT_EQ(c.size(), 3u);
        EXPECT_EQ(c[0].Key, stats::KeyHalves(120, 125));
        EXPECT_EQ(c[1].LastDraw, 105);
        EXPECT_EQ(c[1].Depth, 4);

        auto some = Make("TstSumChangeSome", env);
        const TStatDrawArray v = Table(*some, 0, 7, sorted);
        // The first draw (predecessor sum 0) and the second (150) lie more than 24 away.
        EXPECT_EQ(Texts(*some, v), Strs({"+05", "- 05", "- 12", "+22", "- 10", "+00"}));
        ASSERT_EQ(v.size(), 6u);
        EXPECT_EQ(v[2].Key, stats::KeyHalfSigned(-12));
        EXPECT_EQ(std::int32_t(stats::KeyHalf(v[2].Key, 1)), -12);

        auto trend = Make("TstSumTrend", env);
        const TStatDrawArray t = Table(*trend, 0, 7, sorted);
        EXPECT_EQ(Texts(*trend, t), Strs({"=", "+", "-"}));
        EXPECT_EQ(Counts(t), std::vector<int>({1, 1, 1}));
    }
    // A window ending at the draw at 6 (sum 120 as well) no longer sees the equal step.
    auto trend = Make("TstSumTrend", env);
    EXPECT_EQ(Counts(Table(*trend, 0, 6)), std::vector<int>({0, 1, 1}));
    // Ending at the draw at 4 (sum 108): no predecessor had 108.
    auto change = Make("TstSumChange", env);
    EXPECT_TRUE(Table(*change, 0, 4).empty());
    EXPECT_EQ(Counts(Table(*trend, 0, 4)), std::vector<int>({0, 0, 0}));
    // Ending at the draw at 5 (sum 130): predecessors with sums 106..154 count, 150 -> 120 among them.
    auto some = Make("TstSumChangeSome", env);
    EXPECT_EQ(Texts(*some, Table(*some, 0, 5)), Strs({"- 30", "+05", "- 05", "- 12", "+22"}));
    // None of them adds anything for a combination.
    EXPECT_TRUE(CombValues(*change, Comb({1, 2, 3, 4, 5})).empty());
    EXPECT_TRUE(CombValues(*some, Comb({1, 2, 3, 4, 5})).empty());
    EXPECT_TRUE(CombValues(*trend, Comb({1, 2, 3, 4, 5})).empty());
}

TEST_F(SumStats, FirstDrawFollowsAnAllZeroDraw)
{
    // Sums 15, 20, 16: every predecessor (0, 15, 20) lies within 24 of 16, none equals it.
    TDrawsArray small = {Draw(1, {1, 2, 3, 4, 5}), Draw(2, {6, 2, 3, 4, 5}), Draw(3, {1, 6, 2, 3, 4})};
    const stats::StatEnv smallEnv = Env(&small);
    auto some = Make("TstSumChangeSome", smallEnv);
    EXPECT_EQ(Texts(*some, Table(*some, 0, 2)), Strs({"+15", "+05", "- 04"}));
    EXPECT_EQ(Texts(*some, Table(*some, 0, 0)), Strs({"+15"}));
    auto change = Make("TstSumChange", smallEnv);
    EXPECT_TRUE(Table(*change, 0, 2).empty());
    EXPECT_TRUE(Table(*change, 0, 0).empty());
    auto trend = Make("TstSumTrend", smallEnv);
    const TStatDrawArray t = Table(*trend, 0, 2);
    EXPECT_EQ(Texts(*trend, t), Strs({"=", "+", "-"}));
    EXPECT_EQ(Counts(t), std::vector<int>({0, 0, 0}));

    // The bound of 24 itself still counts.
    TDrawsArray bound = {Draw(1, {1, 2, 3, 4, 14}), Draw(2, {15, 1, 2, 3, 4})};
    const stats::StatEnv boundEnv = Env(&bound);
    auto someBound = Make("TstSumChangeSome", boundEnv);
    EXPECT_EQ(Texts(*someBound, Table(*someBound, 0, 0)), Strs({"+24"}));
    EXPECT_EQ(Texts(*someBound, Table(*someBound, 0, 1)), Strs({"+01"}));

    // With the reference sum above 24 the first draw adds nothing.
    auto someA = Make("TstSumChangeSome", env);
    EXPECT_TRUE(DrawValues(*someA, 0, 7).empty());
    EXPECT_TRUE(DrawValues(*someA, 0, 0).empty());
}

TEST_F(SumStats, ChangeTablesWithIrregularDrawNumbers)
{
    // The draw numbers no longer tell the index; the same draws give the same tables.
    TDrawsArray renumbered = draws;
    const int nums[] = {7, 3, 3, 40, 12, 12, 13, 1};
    for (std::size_t i = 0; i < renumbered.size(); ++i)
        renumbered[i].Num = nums[i];
    const stats::StatEnv odd = Env(&renumbered);
    auto change = Make("TstSumChange", odd);
    EXPECT_EQ(Texts(*change, Table(*change, 0, 7)),
              Strs({"+05 : 120 + 5 = 125", "- 12 : 120 - 12 = 108", "+00 : 120 + 0 = 120"}));
    auto some = Make("TstSumChangeSome", odd);
    EXPECT_EQ(Texts(*some, Table(*some, 0, 7, true)), Strs({"+05", "- 05", "- 12", "+22", "- 10", "+00"}));
}

TEST_F(SumStats, ChangeGraphsUseTheOwnPredecessor)
{
    auto change = Make("TstSumChange", env);
    stats::TCustomGraphStat& g = Graph(*change);
    EXPECT_EQ(g.DrawValue(0, 7, false), 150);
    EXPECT_EQ(g.DrawValue(1, 7, false), -30);
    EXPECT_EQ(g.DrawValue(4, 7, true), -12);
    EXPECT_EQ(g.CombValue(Comb({1, 2, 3, 4, 5}).v, -1, false, 7), 15);
    auto trend = Make("TstSumTrend", env);
    stats::TCustomGraphStat& t = Graph(*trend);
    EXPECT_EQ(t.DrawValue(0, 7, false), 1);
    EXPECT_EQ(t.DrawValue(1, 7, false), -1);
    EXPECT_EQ(t.DrawValue(7, 7, false), 0);
    EXPECT_EQ(t.CombValue(Comb({1, 2, 3, 4, 5}).v, -1, false, 7), 1);
}

TEST_F(SumStats, ChangeFiltersJudgeACandidateAfterTheLastDraw)
{
    const core::TComb s108 = Comb({8, 12, 20, 30, 38});
    const core::TComb s118 = Comb({8, 12, 20, 30, 48});
    const core::TComb s120 = Comb({10, 20, 24, 30, 36});
    const core::TComb s125 = Comb({5, 15, 25, 35, 45});
    ASSERT_EQ(SumOf(s108.v), 108);
    ASSERT_EQ(SumOf(s118.v), 118);
    ASSERT_EQ(SumOf(s120.v), 120);

    auto change = Make("TstSumChange", env);
    const TStatDrawArray followed = Rows({stats::KeyHalves(120, 125)});
    EXPECT_TRUE(change->TestComb(s125, followed, false, false, 7));
    EXPECT_FALSE(change->TestComb(s120, followed, false, false, 7));

    auto some = Make("TstSumChangeSome", env);
    const TStatDrawArray drop12 = Rows({stats::KeyHalfSigned(-12)});
    some->LoadDraws(-1, 7, false);
    EXPECT_TRUE(some->TestComb(s108, drop12, false, false, 7));
    EXPECT_FALSE(some->TestComb(s120, drop12, false, false, 7));
    // Without the caller loading the draws: the reference draw is the one at 5 (sum 130).
    auto fresh = Make("TstSumChangeSome", env);
    DrawValues(*fresh, 4, 4);
    EXPECT_TRUE(fresh->TestComb(s118, drop12, false, false, 5));
    EXPECT_FALSE(fresh->TestComb(s108, drop12, false, false, 5));
    EXPECT_TRUE(fresh->TestComb(s120, Rows({stats::KeyHalfSigned(-10)}), false, true, 5));

    auto trend = Make("TstSumTrend", env);
    const TStatDrawArray equal = Rows({stats::KeyHalfSigned(0)});
    const TStatDrawArray up = Rows({stats::KeyHalfSigned(1)});
    const TStatDrawArray down = Rows({stats::KeyHalfSigned(-1)});
    // Reference: the draw at 4, sum 108.
    EXPECT_TRUE(trend->TestComb(s108, equal, false, false, 4));
    EXPECT_FALSE(trend->TestComb(s118, equal, false, false, 4));
    EXPECT_TRUE(trend->TestComb(s118, up, false, false, 4));
    EXPECT_FALSE(trend->TestComb(s108, up, false, false, 4));
    EXPECT_TRUE(trend->TestComb(s108, down, false, false, 5));
    EXPECT_FALSE(trend->TestComb(s125, up, false, false, 5));
    EXPECT_TRUE(trend->TestComb(s125, down, false, false, 5));
}

TEST_F(SumStats, FiltersOfThePlainSums)
{
    auto sums = Make("TstSumValues", env);
    const TStatDrawArray rows = Rows({stats::KeyHalves(49)});
    EXPECT_TRUE(sums->TestComb(Comb({3, 6, 9, 14, 17}), rows, false, false, 0));
    EXPECT_FALSE(sums->TestComb(Comb({3, 6, 9, 14, 18}), rows, false, false, 0));
    // A row whose component 2 is set never matches a sum.
    EXPECT_FALSE(sums->TestComb(Comb({3, 6, 9, 14, 17}), Rows({stats::KeyW(49, 0, 1)}), false, false, 0));
    auto even = Make("TstSumEvenValues", env);
    EXPECT_TRUE(even->TestComb(Comb({1, 3, 5, 7, 9}), Rows({stats::KeyHalves(0)}), false, false, 0));
    EXPECT_FALSE(even->TestComb(Comb({1, 3, 5, 7, 10}), Rows({stats::KeyHalves(0)}), false, false, 0));
    auto prime = Make("TstSumPrimeValues", env);
    EXPECT_TRUE(prime->TestComb(Comb({1, 3, 5, 7, 9}), Rows({stats::KeyHalves(16)}), false, false, 0));
    auto s2t3 = Make("TstSum2To3", env);
    EXPECT_TRUE(s2t3->TestComb(Comb({1, 2, 3, 4, 5}), Rows({stats::KeyW(4)}), false, false, 0));
    EXPECT_FALSE(s2t3->TestComb(Comb({1, 2, 3, 4, 6}), Rows({stats::KeyW(4)}), false, false, 0));
}

TEST_F(SumStats, BatchFormsAgreeWithSingleCalls)
{
    // Sums 15, 49, 108, 120, 125, 190, 260, 96, 130, 15.
    const std::vector<core::TComb> combs = {
        Comb({1, 2, 3, 4, 5}),     Comb({3, 6, 9, 14, 17}),    Comb({8, 12, 20, 30, 38}),  Comb({10, 20, 24, 30, 36}),
        Comb({5, 15, 25, 35, 45}), Comb({30, 35, 40, 41, 44}), Comb({50, 51, 52, 53, 54}), Comb({10, 15, 20, 25, 26}),
        Comb({6, 14, 26, 38, 46}), Comb({1, 2, 3, 4, 5})};
    struct Cls
    {
        const char* name;
        int param;
        // Rows for the classes that add nothing for a combination.
        TStatDrawArray rows;
    };
    const Cls classes[] = {
        {"TstSumValues", 0, {}},
        {"TstSumRanges", 2, {}},
        {"TstSumChange", 0, Rows({stats::KeyHalves(120, 125), stats::KeyHalves(130, 108)})},
        {"TstSumChangeSome", 0, Rows({stats::KeyHalfSigned(-12), stats::KeyHalfSigned(5), stats::KeyHalfSigned(-10)})},
        {"TstSumTrend", 0, Rows({stats::KeyHalfSigned(0)})},
        {"TstSumEvenValues", 0, {}},
        {"TstSumPrimeValues", 0, {}},
        {"TstSum2To3", 0, {}},
    };
    for (const Cls& cls : classes) {
        auto a = Make(cls.name, env, cls.param);
        auto b = Make(cls.name, env, cls.param);
        ASSERT_TRUE(a && b) << cls.name;
        TStatDrawArray one, batch;
        for (const core::TComb& c : combs)
            a->CalcComb(c, one);
        b->CalcCombs(combs, batch);
        ASSERT_EQ(one.size(), batch.size()) << cls.name;
        for (std::size_t i = 0; i < one.size(); ++i) {
            EXPECT_EQ(one[i].Key, batch[i].Key) << cls.name;
            EXPECT_EQ(one[i].Count, batch[i].Count) << cls.name;
        }
        EXPECT_EQ(one.empty(), !cls.rows.empty()) << cls.name;
        const TStatDrawArray rows = one.size() >= 2 ? TStatDrawArray(one.begin(), one.begin() + 2) : cls.rows;
        const stats::TSelection sel(rows);
        for (int last : {4, 5, 7}) {
            std::vector<std::uint8_t> flags(combs.size());
            b->TestCombs(combs, sel, false, false, last, flags.data());
            int matched = 0;
            for (std::size_t i = 0; i < combs.size(); ++i) {
                EXPECT_EQ(flags[i] != 0, a->TestComb(combs[i], rows, false, false, last)) << cls.name << " " << i;
                matched += flags[i];
            }
            EXPECT_GT(matched, 0) << cls.name << " " << last;
            EXPECT_LT(matched, int(combs.size())) << cls.name << " " << last;
        }
    }
}

TEST(SumStatsArchive, CountsAgreeWithAPlainLoop)
{
    TDrawsArray draws;
    ASSERT_TRUE(core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), draws));
    ASSERT_GE(draws.size(), 300u);
    const stats::StatEnv env = Env(&draws);
    const int n = int(draws.size());

    int totalChanges = 0;
    for (int last = n - 1; last >= n - 20; --last) {
        const int first = last - 199;
        std::map<int, int> sums;
        std::map<std::pair<int, int>, int> changes;
        const int ref = SumOf(draws[std::size_t(last)]);
        for (int i = first; i <= last; ++i) {
            const int cur = SumOf(draws[std::size_t(i)]);
            ++sums[cur];
            const int prev = i > 0 ? SumOf(draws[std::size_t(i - 1)]) : 0;
            if (prev == ref)
                ++changes[{prev, cur}];
        }

        auto sumStat = Make("TstSumValues", env);
        const TStatDrawArray sumList = Table(*sumStat, first, last, true);
        ASSERT_EQ(sumList.size(), 246u);
        int total = 0;
        for (const core::TStatDrawRec& r : sumList) {
            const int s = int(stats::KeyHalf(r.Key, 1));
            const auto it = sums.find(s);
            EXPECT_EQ(r.Count, it == sums.end() ? 0 : it->second) << s;
            total += r.Count;
        }
        EXPECT_EQ(total, 200);

        auto changeStat = Make("TstSumChange", env);
        const TStatDrawArray changeList = Table(*changeStat, first, last);
        EXPECT_EQ(changeList.size(), changes.size()) << last;
        for (const core::TStatDrawRec& r : changeList) {
            const std::pair<int, int> key{int(stats::KeyHalf(r.Key, 1)), int(stats::KeyHalf(r.Key, 2))};
            const auto it = changes.find(key);
            ASSERT_NE(it, changes.end()) << key.first << " " << key.second;
            EXPECT_EQ(r.Count, it->second);
            totalChanges += r.Count;
        }
    }
    EXPECT_GT(totalChanges, 0);
}

} // namespace
