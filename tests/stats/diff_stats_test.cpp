#include "StatTestSupport.h"
#include "TestPaths.h"

#include "core/DrawArchive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>

using namespace stattest;
using core::TDrawsArray;
using core::TStatDrawArray;

namespace {

class DiffStats : public ::testing::Test
{
protected:
    // The same five numbers drawn in the order 17, 3, 14, 6, 9.
    TDrawsArray draws = {Draw(1, {17, 3, 14, 6, 9})};
    stats::StatEnv env = Env(&draws);

    QStringList drawTexts(const char* cls, bool sorted)
    {
        auto stat = Make(cls, env);
        return Texts(*stat, DrawValues(*stat, 0, 0, sorted));
    }
    int combValue(const char* cls, const core::TComb& comb)
    {
        auto stat = Make(cls, env);
        auto* graph = dynamic_cast<stats::TCustomGraphStat*>(stat.get());
        EXPECT_NE(graph, nullptr) << cls;
        return graph ? graph->CombValue(comb.v, -1, false, 0) : -1;
    }
};

TEST_F(DiffStats, WorkedDrawAscending)
{
    // 3, 6, 9, 14, 17: differences 3, 3, 5, 3.
    auto total = Make("TstDiffTotal", env);
    const TStatDrawArray diffs = DrawValues(*total, 0, 0, true);
    EXPECT_EQ(Texts(*total, diffs), Strs({"3", "5"}));
    EXPECT_EQ(Counts(diffs), std::vector<int>({3, 1}));
    EXPECT_EQ(drawTexts("TstDiffMax", true), Strs({"5"}));
    EXPECT_EQ(drawTexts("TstMinMaxDiffs", true), Strs({"14"}));
    EXPECT_EQ(drawTexts("TstDiffSame", true), Strs({"3 x 3", "5 x 1"}));
    EXPECT_EQ(drawTexts("TstDiffSameCnt", true), Strs({"3"}));
    EXPECT_EQ(drawTexts("TstCombDiffSeq2", true), Strs({"3:3", "3:5", "5:3"}));
    EXPECT_EQ(drawTexts("TstCombDiffSeq3", true), Strs({"3:3:5", "3:5:3"}));
    EXPECT_EQ(drawTexts("TstCombDiffSeq4", true), Strs({"3:3:5:3"}));

    // A combination is ascending and gives the same values; the run classes add nothing.
    const core::TComb comb = Comb({3, 6, 9, 14, 17});
    auto same = Make("TstDiffSame", env);
    EXPECT_EQ(Texts(*same, CombValues(*same, comb)), Strs({"3 x 3", "5 x 1"}));
    EXPECT_EQ(Counts(CombValues(*total, comb)), std::vector<int>({3, 1}));
    for (const char* cls : {"TstCombDiffSeq2", "TstCombDiffSeq3", "TstCombDiffSeq4"}) {
        auto seq = Make(cls, env);
        EXPECT_TRUE(CombValues(*seq, comb).empty()) << cls;
    }
    EXPECT_EQ(combValue("TstDiffMax", comb), 5);
    EXPECT_EQ(combValue("TstMinMaxDiffs", comb), 14);
    EXPECT_EQ(combValue("TstDiffSameCnt", comb), 3);
}

TEST_F(DiffStats, WorkedDrawInDrawnOrder)
{
    // 17, 3, 14, 6, 9: differences 14, 11, 8, 3, all different.
    EXPECT_EQ(drawTexts("TstDiffTotal", false), Strs({"14", "11", "8", "3"}));
    EXPECT_EQ(drawTexts("TstDiffMax", false), Strs({"14"}));
    EXPECT_EQ(drawTexts("TstMinMaxDiffs", false), Strs({"14"}));
    EXPECT_EQ(drawTexts("TstDiffSame", false), Strs({"14 x 1", "11 x 1", "8 x 1", "3 x 1"}));
    EXPECT_EQ(drawTexts("TstDiffSameCnt", false), Strs({"1"}));
    EXPECT_EQ(drawTexts("TstCombDiffSeq2", false), Strs({"14:11", "11:8", "8:3"}));
    EXPECT_EQ(drawTexts("TstCombDiffSeq4", false), Strs({"14:11:8:3"}));

    const core::TComb drawn = Comb({17, 3, 14, 6, 9});
    EXPECT_EQ(combValue("TstDiffMax", drawn), 14);
    EXPECT_EQ(combValue("TstMinMaxDiffs", drawn), 14);
    auto max = Make("TstDiffMax", env);
    auto* graph = dynamic_cast<stats::TCustomGraphStat*>(max.get());
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->DrawValue(0, 0, false), 14);
    EXPECT_EQ(graph->DrawValue(0, 0, true), 5);
    // Four different differences: 1, 2, 3, 4.
    EXPECT_EQ(combValue("TstDiffSameCnt", Comb({1, 2, 4, 7, 11})), 1);
    EXPECT_EQ(combValue("TstDiffSameCnt", Comb({1, 2, 3, 4, 5})), 4);
}

TEST_F(DiffStats, PreListedRows)
{
    for (const char* cls : {"TstDiffTotal", "TstDiffMax", "TstMinMaxDiffs"}) {
        auto stat = Make(cls, env);
        TStatDrawArray list;
        stat->InitValues(0, list);
        ASSERT_EQ(list.size(), 53u) << cls;
        EXPECT_EQ(stat->ValueToText(list.front()), u"1"_s) << cls;
        EXPECT_EQ(stat->ValueToText(list.back()), u"53"_s) << cls;
    }
    auto cnt = Make("TstDiffSameCnt", env);
    EXPECT_EQ(Texts(*cnt, Table(*cnt, 0, 0, true)), Strs({"1", "2", "3", "4"}));
    EXPECT_EQ(Counts(Table(*cnt, 0, 0, true)), std::vector<int>({0, 0, 1, 0}));
    for (const char* cls : {"TstDiffSame", "TstCombDiffSeq2", "TstCombDiffSeq3", "TstCombDiffSeq4"}) {
        auto stat = Make(cls, env);
        TStatDrawArray list;
        stat->InitValues(0, list);
        EXPECT_TRUE(list.empty()) << cls;
    }
}

TEST_F(DiffStats, OnlyTheFirstValueOfADrawMeasuresPeriods)
{
    // Drawn order; the difference 5 comes first in draws 10 and 14, second in draw 12 and
    // third in draw 13; the difference 7 only in later positions, in draws 10 and 12.
    TDrawsArray seq = {Draw(10, {1, 6, 13, 20, 30}), Draw(11, {40, 41, 43, 46, 50}), Draw(12, {20, 22, 27, 34, 35}),
                       Draw(13, {1, 3, 6, 11, 19}), Draw(14, {30, 35, 44, 54, 53})};
    const stats::StatEnv seqEnv = Env(&seq);
    auto total = Make("TstDiffTotal", seqEnv);
    const TStatDrawArray list = Table(*total, 0, 4);
    const core::TStatDrawRec& five = list[5 - 1];
    EXPECT_EQ(five.Count, 4);
    // Only draw 14 measures, from the occurrence in draw 13.
    EXPECT_EQ(five.MinPeriod, 1);
    EXPECT_EQ(five.MaxPeriod, 1);
    EXPECT_EQ(five.LastDraw, 14);
    EXPECT_EQ(five.Depth, 1);
    const core::TStatDrawRec& seven = list[7 - 1];
    EXPECT_EQ(seven.Count, 3);
    EXPECT_EQ(seven.MinPeriod, 0);
    EXPECT_EQ(seven.MaxPeriod, 0);
    EXPECT_EQ(seven.LastDraw, 12);
    EXPECT_EQ(seven.Depth, 3);

    // The pair 2:3 comes first in draws 11 and 13 and second in draw 12: the period measured
    // at draw 13 runs from draw 12.
    TDrawsArray pairs = {Draw(10, {1, 10, 20, 30, 40}), Draw(11, {1, 3, 6, 10, 20}), Draw(12, {10, 20, 22, 25, 40}),
                         Draw(13, {5, 7, 10, 20, 40})};
    const stats::StatEnv pairEnv = Env(&pairs);
    auto seq2 = Make("TstCombDiffSeq2", pairEnv);
    const TStatDrawArray p = Table(*seq2, 0, 3);
    const auto it =
        std::find_if(p.begin(), p.end(), [](const core::TStatDrawRec& r) { return r.Key == stats::KeyW(2, 3); });
    ASSERT_NE(it, p.end());
    EXPECT_EQ(it->Count, 3);
    EXPECT_EQ(it->MinPeriod, 1);
    EXPECT_EQ(it->MaxPeriod, 1);
    // A single run per draw always measures.
    TDrawsArray fours = {Draw(1, {1, 2, 3, 4, 5}), Draw(4, {10, 11, 12, 13, 14})};
    const stats::StatEnv fourEnv = Env(&fours);
    auto seq4 = Make("TstCombDiffSeq4", fourEnv);
    const TStatDrawArray f = Table(*seq4, 0, 1);
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(f[0].MinPeriod, 3);
}

TEST_F(DiffStats, FiltersOnAscendingCombinations)
{
    const core::TComb worked = Comb({3, 6, 9, 14, 17});
    const core::TComb other = Comb({1, 2, 4, 7, 11}); // 1, 2, 3, 4; spread 10
    struct Case
    {
        const char* cls;
        TStatDrawArray rows;
        bool worked;
        bool other;
    };
    const Case cases[] = {
        {"TstDiffTotal", Rows({stats::KeyW(5)}), true, false},
        {"TstDiffTotal", Rows({stats::KeyW(3), stats::KeyW(40)}), true, true},
        {"TstDiffMax", Rows({stats::KeyW(5)}), true, false},
        {"TstDiffMax", Rows({stats::KeyW(3)}), false, false},
        {"TstDiffMax", Rows({stats::KeyW(4)}), false, true},
        {"TstMinMaxDiffs", Rows({stats::KeyW(10), stats::KeyW(14)}), true, true},
        {"TstMinMaxDiffs", Rows({stats::KeyW(4)}), false, false},
        {"TstDiffSame", Rows({stats::KeyW(3, 3)}), true, false},
        {"TstDiffSame", Rows({stats::KeyW(3, 1)}), false, true},
        {"TstDiffSame", Rows({stats::KeyW(3)}), false, false},
        {"TstDiffSameCnt", Rows({stats::KeyW(1)}), false, true},
        {"TstDiffSameCnt", Rows({stats::KeyW(3)}), true, false},
        {"TstCombDiffSeq2", Rows({stats::KeyW(5, 3)}), true, false},
        {"TstCombDiffSeq2", Rows({stats::KeyW(3, 3, 5)}), false, false},
        {"TstCombDiffSeq3", Rows({stats::KeyW(2, 3, 4)}), false, true},
        {"TstCombDiffSeq3", Rows({stats::KeyW(3, 5, 3)}), true, false},
        {"TstCombDiffSeq4", Rows({stats::KeyW(3, 3, 5, 3)}), true, false},
        {"TstCombDiffSeq4", Rows({stats::KeyW(3, 3, 5)}), false, false},
    };
    for (const Case& c : cases) {
        auto stat = Make(c.cls, env);
        EXPECT_EQ(stat->TestComb(worked, c.rows, false, false, 0), c.worked) << c.cls;
        EXPECT_EQ(stat->TestComb(other, c.rows, false, true, 0), c.other) << c.cls;
    }
}

TEST_F(DiffStats, BatchFormsAgreeWithSingleCalls)
{
    const std::vector<core::TComb> combs = {Comb({1, 2, 3, 4, 5}),     Comb({3, 6, 9, 14, 17}),
                                            Comb({1, 2, 4, 7, 11}),    Comb({10, 20, 30, 40, 50}),
                                            Comb({1, 20, 21, 53, 54}), Comb({3, 6, 9, 14, 17})};
    TDrawsArray asDraws;
    for (const core::TComb& c : combs)
        asDraws.push_back(Draw(int(asDraws.size()) + 1, {c.v[0], c.v[1], c.v[2], c.v[3], c.v[4]}));
    const stats::StatEnv combEnv = Env(&asDraws);
    for (const char* cls : {"TstDiffTotal", "TstDiffMax", "TstMinMaxDiffs", "TstDiffSame", "TstDiffSameCnt",
                            "TstCombDiffSeq2", "TstCombDiffSeq3", "TstCombDiffSeq4"}) {
        auto a = Make(cls, combEnv);
        auto b = Make(cls, combEnv);
        TStatDrawArray one, batch;
        for (const core::TComb& c : combs)
            a->CalcComb(c, one);
        b->CalcCombs(combs, batch);
        ASSERT_EQ(one.size(), batch.size()) << cls;
        for (std::size_t i = 0; i < one.size(); ++i) {
            EXPECT_EQ(one[i].Key, batch[i].Key) << cls;
            EXPECT_EQ(one[i].Count, batch[i].Count) << cls;
        }
        // Rows: two values of the table over the same numbers as draws.
        const TStatDrawArray table = Table(*a, 0, int(asDraws.size()) - 1);
        TStatDrawArray rows;
        for (const core::TStatDrawRec& r : table)
            if (r.Count > 0 && rows.size() < 2)
                rows.push_back(r);
        ASSERT_EQ(rows.size(), 2u) << cls;
        const stats::TSelection sel(rows);
        std::vector<std::uint8_t> flags(combs.size());
        b->TestCombs(combs, sel, false, false, 0, flags.data());
        int matched = 0;
        for (std::size_t i = 0; i < combs.size(); ++i) {
            EXPECT_EQ(flags[i] != 0, a->TestComb(combs[i], rows, false, false, 0)) << cls << " " << i;
            matched += flags[i];
        }
        EXPECT_GT(matched, 0) << cls;
        EXPECT_LT(matched, int(combs.size())) << cls;
    }
}

TEST(DiffStatsArchive, CountsAgreeWithAPlainLoop)
{
    TDrawsArray draws;
    ASSERT_TRUE(core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), draws));
    ASSERT_GE(draws.size(), 200u);
    const stats::StatEnv env = Env(&draws);
    const int last = int(draws.size()) - 1;
    const int first = last - 199;
    for (bool sorted : {false, true}) {
        std::map<int, int> expected;
        std::map<int, int> spreads;
        for (int i = first; i <= last; ++i) {
            int v[5];
            for (int p = 0; p < 5; ++p)
                v[p] = draws[std::size_t(i)].Values[p];
            if (sorted)
                std::sort(v, v + 5);
            for (int p = 0; p < 4; ++p)
                ++expected[std::abs(v[p + 1] - v[p])];
            ++spreads[*std::max_element(v, v + 5) - *std::min_element(v, v + 5)];
        }
        auto total = Make("TstDiffTotal", env);
        const TStatDrawArray list = Table(*total, first, last, sorted);
        int sum = 0;
        for (const core::TStatDrawRec& r : list) {
            const auto it = expected.find(r.Key.c[0]);
            EXPECT_EQ(r.Count, it == expected.end() ? 0 : it->second) << r.Key.c[0];
            sum += r.Count;
        }
        EXPECT_EQ(sum, 800);
        EXPECT_EQ(list.size(), 53u) << "every difference of five numbers 1..54 is pre-listed";

        // The spread never takes 1, 2 or 3.
        auto spread = Make("TstMinMaxDiffs", env);
        const TStatDrawArray s = Table(*spread, first, last, sorted);
        ASSERT_EQ(s.size(), 53u);
        for (const core::TStatDrawRec& r : s) {
            const auto it = spreads.find(r.Key.c[0]);
            EXPECT_EQ(r.Count, it == spreads.end() ? 0 : it->second) << r.Key.c[0];
        }
        EXPECT_EQ(s[0].Count + s[1].Count + s[2].Count, 0);
    }
}

} // namespace
