#include "StatTestSupport.h"
#include "TestPaths.h"

#include "core/DrawArchive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

using namespace stattest;
using core::TComb;
using core::TDrawsArray;
using core::TStatDrawArray;

namespace {

// The table over draws first..last with last as the reference draw.
TStatDrawArray Table(stats::TCustomStat& stat, int first, int last, bool sorted, bool init = true)
{
    TStatDrawArray list;
    if (init)
        stat.InitValues(last, list);
    stats::TWorkArea work{};
    core::TLastValueArray lastValues;
    for (int i = first; i <= last; ++i)
        stat.CalcDraw(i, last, sorted, list, work, lastValues);
    return list;
}

TStatDrawArray Rows(std::initializer_list<int> values)
{
    TStatDrawArray rows;
    for (int v : values) {
        core::TStatDrawRec r;
        r.Key = stats::KeyW(std::uint16_t(v));
        rows.push_back(r);
    }
    return rows;
}

bool Filter(stats::TCustomStat& stat, const TComb& comb, std::initializer_list<int> rows, int lastIndex,
            bool sorted = false)
{
    return stat.TestComb(comb, Rows(rows), false, sorted, lastIndex);
}

stats::TCustomGraphStat& Graph(stats::TCustomStat& stat)
{
    return dynamic_cast<stats::TCustomGraphStat&>(stat);
}

// Every combination of five numbers from 1..top, ascending.
std::vector<TComb> AllCombs(int top)
{
    std::vector<TComb> combs;
    for (int a = 1; a <= top; ++a)
        for (int b = a + 1; b <= top; ++b)
            for (int c = b + 1; c <= top; ++c)
                for (int d = c + 1; d <= top; ++d)
                    for (int e = d + 1; e <= top; ++e)
                        combs.push_back(Comb({a, b, c, d, e}));
    return combs;
}

// Run lengths of an ascending combination read off its set of numbers: a run starts at a
// number whose predecessor is missing and lasts while the successors are present.
std::vector<int> RunLengthsBySet(const TComb& c)
{
    std::set<int> set(c.v, c.v + 5);
    std::vector<int> lengths;
    for (int n : set) {
        if (set.count(n - 1))
            continue;
        int len = 1;
        while (set.count(n + len))
            ++len;
        lengths.push_back(len);
    }
    return lengths;
}

// ---------------------------------------------------------------------------------------------
// Sequences

class SequenceStats : public ::testing::Test
{
protected:
    TDrawsArray draws = {
        Draw(1, {3, 4, 5, 10, 20}),  Draw(2, {1, 2, 7, 8, 9}),     Draw(3, {5, 17, 29, 41, 53}),
        Draw(4, {19, 18, 40, 2, 3}), Draw(5, {20, 19, 18, 40, 2}),
    };
    stats::StatEnv env = Env(&draws);

    QStringList texts(const char* cls, int index, bool sorted = false)
    {
        auto stat = Make(cls, env);
        return Texts(*stat, DrawValues(*stat, index, index, sorted));
    }
};

TEST_F(SequenceStats, RunsOfTheWorkedDraws)
{
    auto len = Make("TstSequenceLen", env);
    TStatDrawArray list = DrawValues(*len, 0, 0);
    EXPECT_EQ(Texts(*len, list), Strs({"3", "1"}));
    EXPECT_EQ(Counts(list), std::vector<int>({1, 2}));
    EXPECT_EQ(texts("TstSequenceCnt", 0), Strs({"1"}));
    EXPECT_EQ(texts("TstSequenceLenMax", 0), Strs({"3"}));

    EXPECT_EQ(texts("TstSequenceLen", 1), Strs({"2", "3"}));
    EXPECT_EQ(texts("TstSequenceCnt", 1), Strs({"2"}));
    EXPECT_EQ(texts("TstSequenceLenMax", 1), Strs({"3"}));

    list = DrawValues(*len, 2, 2);
    EXPECT_EQ(Texts(*len, list), Strs({"1"}));
    EXPECT_EQ(Counts(list), std::vector<int>({5}));
    EXPECT_EQ(texts("TstSequenceCnt", 2), Strs({"0"}));
    EXPECT_EQ(texts("TstSequenceLenMax", 2), Strs({"1"}));
}

TEST_F(SequenceStats, GraphValueCountsFallingNeighboursTheTableDoesNot)
{
    // Drawn 19, 18, 40, 2, 3: the table sees only 2, 3; the graph also 19, 18.
    EXPECT_EQ(texts("TstSequenceCnt", 3), Strs({"1"}));
    auto cnt = Make("TstSequenceCnt", env);
    EXPECT_EQ(Graph(*cnt).DrawValue(3, 3, false), 2);
    // Sorted: 2, 3, 18, 19, 40 has two runs either way.
    EXPECT_EQ(texts("TstSequenceCnt", 3, true), Strs({"2"}));
    EXPECT_EQ(Graph(*cnt).DrawValue(3, 3, true), 2);

    // Drawn 20, 19, 18, 40, 2: no rising neighbours, but a falling run of three.
    EXPECT_EQ(texts("TstSequenceLenMax", 4), Strs({"1"}));
    EXPECT_EQ(texts("TstSequenceLen", 4), Strs({"1"}));
    auto lens = Make("TstSequenceLenMax", env);
    EXPECT_EQ(Graph(*lens).DrawValue(4, 4, false), 3);
    EXPECT_EQ(Graph(*lens).CombValue(Comb({2, 18, 19, 20, 40}).v, -1, false, 4), 3);
    EXPECT_EQ(texts("TstSequenceLenMax", 4, true), Strs({"3"}));
}

TEST_F(SequenceStats, PreListedValues)
{
    for (const char* cls : {"TstSequenceLen", "TstSequenceLenMax"}) {
        auto stat = Make(cls, env);
        TStatDrawArray list;
        stat->InitValues(4, list);
        EXPECT_EQ(Texts(*stat, list), Strs({"1", "2", "3", "4", "5"})) << cls;
        EXPECT_EQ(Counts(list), std::vector<int>(5, 0)) << cls;
    }
    auto cnt = Make("TstSequenceCnt", env);
    TStatDrawArray list = Table(*cnt, 0, 4, false);
    // 1, 2, 0, 1, 0
    EXPECT_EQ(Texts(*cnt, list), Strs({"0", "1", "2"}));
    EXPECT_EQ(Counts(list), std::vector<int>({2, 2, 1}));
}

TEST_F(SequenceStats, CombinationsAgreeWithRunsReadOffTheSet)
{
    const std::vector<TComb> combs = AllCombs(12);
    std::map<int, int> lenCount, cntCount, maxCount;
    for (const TComb& c : combs) {
        const std::vector<int> runs = RunLengthsBySet(c);
        for (int l : runs)
            ++lenCount[l];
        ++cntCount[int(std::count_if(runs.begin(), runs.end(), [](int l) { return l >= 2; }))];
        ++maxCount[*std::max_element(runs.begin(), runs.end())];
    }
    const std::pair<const char*, std::map<int, int>*> cases[] = {
        {"TstSequenceLen", &lenCount}, {"TstSequenceCnt", &cntCount}, {"TstSequenceLenMax", &maxCount}};
    for (const auto& [cls, expected] : cases) {
        auto batch = Make(cls, env);
        TStatDrawArray dist;
        batch->CalcCombs(combs, dist);
        std::map<int, int> got;
        for (const auto& r : dist)
            got[r.Key.c[0]] = r.Count;
        EXPECT_EQ(got, *expected) << cls;

        auto single = Make(cls, env);
        TStatDrawArray one;
        for (const TComb& c : combs)
            single->CalcComb(c, one);
        ASSERT_EQ(one.size(), dist.size()) << cls;
        for (std::size_t i = 0; i < one.size(); ++i) {
            EXPECT_EQ(one[i].Key, dist[i].Key) << cls;
            EXPECT_EQ(one[i].Count, dist[i].Count) << cls;
        }
    }

    // Filtering: a selected length 3 keeps the combinations with a run of three.
    auto len = Make("TstSequenceLen", env);
    auto lens = Make("TstSequenceLenMax", env);
    auto cnt = Make("TstSequenceCnt", env);
    const TStatDrawArray three = Rows({3});
    const stats::TSelection sel(three);
    std::vector<std::uint8_t> flags(combs.size());
    len->TestCombs(combs, sel, false, false, 0, flags.data());
    for (std::size_t i = 0; i < combs.size(); ++i) {
        const std::vector<int> runs = RunLengthsBySet(combs[i]);
        const bool hasThree = std::find(runs.begin(), runs.end(), 3) != runs.end();
        ASSERT_EQ(flags[i] != 0, hasThree);
        ASSERT_EQ(len->TestComb(combs[i], three, false, false, 0), hasThree);
        ASSERT_EQ(lens->TestComb(combs[i], three, false, false, 0), *std::max_element(runs.begin(), runs.end()) == 3);
    }
    EXPECT_TRUE(Filter(*cnt, Comb({1, 2, 7, 8, 9}), {2}, 0));
    EXPECT_FALSE(Filter(*cnt, Comb({1, 2, 7, 8, 9}), {0, 1}, 0));
    EXPECT_TRUE(Filter(*cnt, Comb({5, 17, 29, 41, 53}), {0}, 0));
}

// ---------------------------------------------------------------------------------------------
// Repeats

class RepeatStats : public ::testing::Test
{
protected:
    // 0: the draw before; 1: the draw analysed; 2: the last draw of the window.
    TDrawsArray draws = {Draw(1, {1, 12, 20, 22, 50}), Draw(2, {12, 20, 21, 30, 40}), Draw(3, {5, 12, 20, 33, 47}),
                         Draw(4, {3, 20, 33, 44, 54})};
    stats::StatEnv env = Env(&draws);

    QStringList texts(const char* cls, int index, int last, bool sorted = false)
    {
        auto stat = Make(cls, env);
        return Texts(*stat, DrawValues(*stat, index, last, sorted));
    }
};

TEST_F(RepeatStats, WorkedExampleAgainstTheLastDraw)
{
    EXPECT_EQ(texts("TstRepValues2", 1, 2), Strs({"12", "20"}));
    EXPECT_EQ(texts("TstRepCount2", 1, 2), Strs({"2"}));
    // 20 + 1 was drawn after 20, and 20 (shifted: 21) belongs to the last draw.
    EXPECT_EQ(texts("TstRepValues2P1", 1, 2), Strs({"21"}));
    // 2, 13, 21, 23, 51 against 12, 20, 21, 30, 40.
    EXPECT_EQ(texts("TstRepCount2P1", 1, 2), Strs({"1"}));
    // 54, 11, 19, 21, 49 against the last draw - 1 (4, 11, 19, 32, 46): 11 and 19, not drawn again.
    EXPECT_TRUE(texts("TstRepValues2N1", 1, 2).isEmpty());
    EXPECT_EQ(texts("TstRepCount2N1", 1, 2), Strs({"1"}));

    // Another reference draw without 12: the values shrink, the count does not.
    EXPECT_EQ(texts("TstRepValues2", 1, 3), Strs({"20"}));
    EXPECT_EQ(texts("TstRepCount2", 1, 3), Strs({"2"}));

    // Sorted reading changes nothing here.
    EXPECT_EQ(texts("TstRepValues2", 1, 2, true), Strs({"12", "20"}));

    // Depth and draw of a merged value come from the analysed draw.
    auto rpv = Make("TstRepValues2", env);
    const TStatDrawArray list = DrawValues(*rpv, 1, 2);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].LastDraw, 2);
    EXPECT_EQ(list[0].Depth, 2);
}

TEST_F(RepeatStats, GapClassesReachFurtherBack)
{
    TDrawsArray arc = {Draw(10, {1, 2, 3, 4, 5}),      Draw(11, {6, 7, 8, 9, 10}),   Draw(12, {11, 12, 13, 14, 15}),
                       Draw(13, {16, 17, 18, 19, 20}), Draw(14, {1, 6, 11, 16, 30}), Draw(15, {1, 6, 11, 16, 40})};
    const stats::StatEnv e = Env(&arc);
    // Draw 4 repeats one number of each of the four draws before it.
    const std::pair<const char*, const char*> pairs[] = {{"TstRepValues2", "TstRepCount2"},
                                                         {"TstRepValues2over1", "TstRepCount2over1"},
                                                         {"TstRepValues2over2", "TstRepCount2over2"},
                                                         {"TstRepValues2over3", "TstRepCount2over3"}};
    const char* expected[] = {"16", "11", "6", "1"};
    for (int g = 0; g < 4; ++g) {
        auto values = Make(pairs[g].first, e);
        auto count = Make(pairs[g].second, e);
        EXPECT_EQ(Texts(*values, DrawValues(*values, 4, 5)), Strs({expected[g]})) << pairs[g].first;
        EXPECT_EQ(Texts(*count, DrawValues(*count, 4, 5)), Strs({"1"})) << pairs[g].second;
    }
    // Reference draw 1, 2, 3, 4, 5: only the number 1 can be a value.
    auto over3 = Make("TstRepValues2over3", e);
    EXPECT_EQ(Texts(*over3, DrawValues(*over3, 4, 0)), Strs({"1"}));
    auto rpv = Make("TstRepValues2", e);
    EXPECT_TRUE(DrawValues(*rpv, 4, 0).empty());
}

TEST_F(RepeatStats, ShiftedNumbersWrapAround)
{
    // Shift +1: the 54 of the earlier draw stands for 1; the last draw holds 54 as well.
    TDrawsArray arc = {Draw(1, {54, 10, 20, 30, 40}), Draw(2, {1, 11, 25, 35, 45}), Draw(3, {54, 2, 3, 4, 5})};
    stats::StatEnv e = Env(&arc);
    auto pv = Make("TstRepValues2P1", e);
    EXPECT_EQ(Texts(*pv, DrawValues(*pv, 1, 2)), Strs({"1"}));
    auto pc = Make("TstRepCount2P1", e);
    EXPECT_EQ(Texts(*pc, DrawValues(*pc, 1, 2)), Strs({"2"})); // 1 and 11
    auto p2 = Make("TstRepCount2P2", e);
    EXPECT_EQ(Texts(*p2, DrawValues(*p2, 1, 2)), Strs({"0"}));

    // Shift -2: 1 stands for 53 and 2 for 54.
    TDrawsArray arc2 = {Draw(1, {1, 2, 30, 31, 32}), Draw(2, {53, 54, 10, 11, 12})};
    e = Env(&arc2);
    auto n2 = Make("TstRepCount2N2", e);
    EXPECT_EQ(Texts(*n2, DrawValues(*n2, 1, 1)), Strs({"2"}));
    auto n2v = Make("TstRepValues2N2", e);
    // The last draw shifted by -2: 51, 52, 8, 9, 10; of 53 and 54 neither is in it.
    EXPECT_TRUE(DrawValues(*n2v, 1, 1).empty());
    TStatDrawArray init;
    n2v->InitValues(1, init);
    EXPECT_EQ(Texts(*n2v, init), Strs({"51", "52", "8", "9", "10"}));
    init.clear();
    n2v->InitValues(0, init);
    EXPECT_EQ(Texts(*n2v, init), Strs({"53", "54", "28", "29", "30"}));
}

TEST_F(RepeatStats, EarlierDrawOutsideTheArchiveIsAllZero)
{
    TDrawsArray arc = {Draw(1, {1, 7, 20, 30, 54}), Draw(2, {2, 8, 21, 31, 40})};
    const stats::StatEnv e = Env(&arc);
    // Shift +1 turns the empty record into five copies of 1, all drawn in draw 0.
    auto pc = Make("TstRepCount2P1", e);
    EXPECT_EQ(Texts(*pc, DrawValues(*pc, 0, 0)), Strs({"5"}));
    auto pv = Make("TstRepValues2P1", e);
    TStatDrawArray list = DrawValues(*pv, 0, 0); // 54 of the last draw shifted is 1
    EXPECT_EQ(Texts(*pv, list), Strs({"1"}));
    EXPECT_EQ(Counts(list), std::vector<int>({5}));
    EXPECT_EQ(list[0].MinPeriod, 0);
    // Shift -1: five copies of 53, never drawn here.
    auto nc = Make("TstRepCount2N1", e);
    EXPECT_EQ(Texts(*nc, DrawValues(*nc, 0, 0)), Strs({"0"}));
    // No shift: zeros never repeat.
    auto rc = Make("TstRepCount2", e);
    EXPECT_EQ(Texts(*rc, DrawValues(*rc, 0, 1)), Strs({"0"}));
    auto r3 = Make("TstRepCount3", e);
    EXPECT_EQ(Texts(*r3, DrawValues(*r3, 1, 1)), Strs({"0"}));
}

TEST_F(RepeatStats, PreListedValues)
{
    // Values classes: the last draw as stored (not sorted), shifted.
    auto rpv = Make("TstRepValues2", env);
    TStatDrawArray list = Table(*rpv, 1, 3, true);
    EXPECT_EQ(Texts(*rpv, list).mid(0, 5), Strs({"3", "20", "33", "44", "54"}));
    EXPECT_EQ(list.size(), 5u) << "every value is a number of the last draw";
    auto p1 = Make("TstRepValues2P1", env);
    TStatDrawArray init;
    p1->InitValues(3, init);
    EXPECT_EQ(Texts(*p1, init), Strs({"4", "21", "34", "45", "1"}));
    // Count classes: 1..5.
    for (const char* cls : {"TstRepCount2", "TstRepCount2over2", "TstRepCount2N2"}) {
        auto stat = Make(cls, env);
        TStatDrawArray l;
        stat->InitValues(3, l);
        EXPECT_EQ(Texts(*stat, l), Strs({"1", "2", "3", "4", "5"})) << cls;
    }
    // The three-draw classes list only what occurs.
    for (const char* cls : {"TstRepValues3", "TstRepValues2B3", "TstRepCount3", "TstRepCount2B3"}) {
        auto stat = Make(cls, env);
        TStatDrawArray l;
        stat->InitValues(3, l);
        EXPECT_TRUE(l.empty()) << cls;
    }
    // The count 0 gets its row after the pre-listed ones.
    auto rpc = Make("TstRepCount2", env);
    list = Table(*rpc, 0, 3, false);
    // Draw 0: 0 (nothing before); 1: 2; 2: 2 (12, 20); 3: 2 (20, 33).
    EXPECT_EQ(Texts(*rpc, list), Strs({"1", "2", "3", "4", "5", "0"}));
    EXPECT_EQ(Counts(list), std::vector<int>({0, 3, 0, 0, 0, 1}));
}

class ThreeDrawStats : public ::testing::Test
{
protected:
    TDrawsArray draws = {Draw(1, {7, 8, 9, 10, 11}), Draw(2, {7, 8, 20, 21, 22}), Draw(3, {7, 20, 21, 31, 32}),
                         Draw(4, {7, 20, 8, 40, 41})};
    stats::StatEnv env = Env(&draws);
};

TEST_F(ThreeDrawStats, TableAndFilterRules)
{
    auto v3 = Make("TstRepValues3", env);
    auto c3 = Make("TstRepCount3", env);
    auto v2b3 = Make("TstRepValues2B3", env);
    auto c2b3 = Make("TstRepCount2B3", env);
    // Draw 2 = 7, 20, 21, 31, 32 after 7, 8, 20, 21, 22 and 7, 8, 9, 10, 11; last draw 7, 20, 8, 40, 41.
    EXPECT_EQ(Texts(*v3, DrawValues(*v3, 2, 3)), Strs({"7"}));
    EXPECT_EQ(Texts(*c3, DrawValues(*c3, 2, 3)), Strs({"1"}));
    EXPECT_EQ(Texts(*v2b3, DrawValues(*v2b3, 2, 3)), Strs({"20"})) << "21 is not in the last draw";
    EXPECT_EQ(Texts(*c2b3, DrawValues(*c2b3, 2, 3)), Strs({"2"}));
    // With draw 2 as its own reference 21 counts too.
    EXPECT_EQ(Texts(*v2b3, DrawValues(*v2b3, 2, 2)), Strs({"20", "21"}));
    // Two draws before the first draws are empty.
    EXPECT_EQ(Texts(*c2b3, DrawValues(*c2b3, 1, 3)), Strs({"2"}));
    EXPECT_EQ(Texts(*c3, DrawValues(*c3, 1, 3)), Strs({"0"}));

    // A candidate follows draw 3: in both 3 and 2 are 7, 20; in 3 but not in 2 are 8, 40, 41.
    EXPECT_TRUE(Filter(*c3, Comb({7, 20, 25, 26, 27}), {2}, 3));
    EXPECT_FALSE(Filter(*c3, Comb({7, 8, 25, 26, 27}), {2}, 3));
    EXPECT_TRUE(Filter(*c2b3, Comb({8, 40, 41, 50, 51}), {3}, 3));
    EXPECT_TRUE(Filter(*c2b3, Comb({7, 8, 20, 21, 22}), {1}, 3));
    // The values classes only look for a selected number.
    EXPECT_TRUE(Filter(*v3, Comb({1, 2, 3, 4, 7}), {7}, 3));
    EXPECT_FALSE(Filter(*v3, Comb({1, 2, 3, 4, 8}), {7}, 3));
    EXPECT_TRUE(Filter(*v2b3, Comb({20, 30, 31, 32, 33}), {20, 21}, 3));
}

TEST_F(ThreeDrawStats, CountClassesTestTheDrawThatTheCandidateRepeats)
{
    // The candidate follows draw 3, so gap g compares it with draw 4 - g.
    const TComb c = Comb({20, 21, 22, 40, 50});
    const std::pair<const char*, int> cases[] = {
        {"TstRepCount2", 2}, {"TstRepCount2over1", 2}, {"TstRepCount2over2", 3}, {"TstRepCount2over3", 0}};
    for (const auto& [cls, count] : cases) {
        auto stat = Make(cls, env);
        for (int v = 0; v <= 5; ++v)
            EXPECT_EQ(Filter(*stat, c, {v}, 3), v == count) << cls << " " << v;
    }
    // Shifted: the last draw + 1 is 8, 21, 9, 41, 42.
    auto p1 = Make("TstRepCount2P1", env);
    EXPECT_TRUE(Filter(*p1, Comb({8, 9, 21, 41, 42}), {5}, 3));
    EXPECT_TRUE(Filter(*p1, Comb({7, 9, 21, 41, 42}), {4}, 3));
    auto n1 = Make("TstRepCount2N1", env); // 6, 19, 7, 39, 40
    EXPECT_TRUE(Filter(*n1, Comb({6, 7, 19, 39, 40}), {5}, 3));
    // The values classes ignore the draws and match a selected number.
    auto rpv = Make("TstRepValues2over2", env);
    EXPECT_TRUE(Filter(*rpv, Comb({1, 2, 3, 4, 5}), {5}, 3));
    EXPECT_FALSE(Filter(*rpv, Comb({1, 2, 3, 4, 5}), {6}, 3));
    // A candidate after the first draw compares with an empty record.
    auto rc = Make("TstRepCount2over3", env);
    EXPECT_TRUE(Filter(*rc, Comb({7, 8, 9, 10, 11}), {0}, 0));
}

TEST_F(ThreeDrawStats, BatchTestsAgreeWithSingleTests)
{
    const std::vector<TComb> combs = AllCombs(11);
    const char* classes[] = {"TstRepValues2",  "TstRepValues3",  "TstRepValues2B3",    "TstRepValues2P1",
                             "TstRepCount2",   "TstRepCount3",   "TstRepCount2B3",     "TstRepCount2over1",
                             "TstRepCount2P2", "TstRepCount2N1", "TstRepValues2over3", "TstSequenceLen"};
    for (bool sorted : {false, true}) {
        for (const char* cls : classes) {
            auto a = Make(cls, env);
            auto b = Make(cls, env);
            const TStatDrawArray rows = Rows({1, 8, 3});
            a->LoadDraws(-1, 3, sorted);
            b->LoadDraws(-1, 3, sorted);
            std::vector<std::uint8_t> flags(combs.size());
            b->TestCombs(combs, stats::TSelection(rows), false, sorted, 3, flags.data());
            int matched = 0;
            for (std::size_t i = 0; i < combs.size(); ++i) {
                const bool one = a->TestComb(combs[i], rows, false, sorted, 3);
                ASSERT_EQ(flags[i] != 0, one) << cls;
                matched += one ? 1 : 0;
            }
            EXPECT_GT(matched, 0) << cls;
            EXPECT_LT(matched, int(combs.size())) << cls;
            // Kind D builds no full-set distribution.
            if (!(a->statClass().Kind & stats::KindN)) {
                TStatDrawArray dist;
                a->CalcCombs(combs, dist);
                a->CalcComb(combs[0], dist);
                EXPECT_TRUE(dist.empty()) << cls;
            }
        }
    }
}

TEST(RepeatArchive, CurrentDrawFoundDespiteCopiesAndGaps)
{
    // Draw numbers with gaps, and draw 2 an exact copy of draw 0.
    TDrawsArray arc = {Draw(100, {1, 2, 3, 4, 5}), Draw(205, {1, 2, 30, 40, 50}), Draw(100, {1, 2, 3, 4, 5}),
                       Draw(7, {1, 2, 3, 41, 42})};
    const stats::StatEnv e = Env(&arc);
    auto rc = Make("TstRepCount2", e);
    // Draw 2 after draw 1 repeats 1 and 2; draw 0 has nothing before it.
    EXPECT_EQ(Texts(*rc, DrawValues(*rc, 2, 3)), Strs({"2"}));
    EXPECT_EQ(Texts(*rc, DrawValues(*rc, 0, 1)), Strs({"0"}));
    EXPECT_EQ(Texts(*rc, DrawValues(*rc, 3, 3)), Strs({"3"}));
    // The whole table, sorted or not.
    for (bool sorted : {false, true}) {
        const TStatDrawArray t = Table(*rc, 0, 3, sorted);
        EXPECT_EQ(Texts(*rc, t), Strs({"1", "2", "3", "4", "5", "0"}));
        EXPECT_EQ(Counts(t), std::vector<int>({0, 2, 1, 0, 0, 1}));
    }
}

// ---------------------------------------------------------------------------------------------
// The real archive

class RepeatRealArchive : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), draws, &error))
            << error.toStdString();
        ASSERT_GE(draws.size(), 200u);
        env = Env(&draws);
        last = int(draws.size()) - 1;
        first = last - 149;
    }

    // The numbers of a draw (none before the archive), moved by shift and wrapped into 1..54.
    std::vector<int> numbers(int index, int shift = 0) const
    {
        std::vector<int> v;
        for (int p = 0; p < 5; ++p) {
            const int n = (index >= 0 ? draws[std::size_t(index)].Values[p] : 0) + shift;
            v.push_back(shift == 0 ? n : n > 54 ? n - 54 : n <= 0 ? n + 54 : n);
        }
        return v;
    }
    bool in(int x, int index, int shift = 0) const
    {
        const std::vector<int> v = numbers(index, shift);
        return std::find(v.begin(), v.end(), x) != v.end();
    }

    // The table of the window, sorted and not, against the values valuesOf(i) of each draw:
    // the count and the newest draw of every value that occurred.
    template <class Values> void check(const char* cls, Values&& valuesOf)
    {
        std::map<int, int> counts, newest;
        for (int i = first; i <= last; ++i)
            for (int x : valuesOf(i)) {
                ++counts[x];
                newest[x] = draws[std::size_t(i)].Num;
            }
        ASSERT_FALSE(counts.empty()) << cls;
        for (bool sorted : {false, true}) {
            auto stat = Make(cls, env);
            std::map<int, int> got;
            for (const auto& r : Table(*stat, first, last, sorted)) {
                EXPECT_EQ(r.Key.c[1] | r.Key.c[2] | r.Key.c[3], 0) << cls;
                if (r.Count == 0)
                    continue;
                got[r.Key.c[0]] = r.Count;
                EXPECT_EQ(r.LastDraw, newest[r.Key.c[0]]) << cls;
            }
            EXPECT_EQ(got, counts) << cls << (sorted ? " sorted" : "");
        }
    }

    TDrawsArray draws;
    stats::StatEnv env;
    int first = 0;
    int last = 0;
};

TEST_F(RepeatRealArchive, TablesAgreeWithAPlainLoop)
{
    // Two-draw values and counts: gap, shift.
    const std::tuple<const char*, const char*, int, int> twoDraw[] = {{"TstRepValues2", "TstRepCount2", 1, 0},
                                                                      {"TstRepValues2over1", "TstRepCount2over1", 2, 0},
                                                                      {"TstRepValues2over3", "TstRepCount2over3", 4, 0},
                                                                      {"TstRepValues2P1", "TstRepCount2P1", 1, 1},
                                                                      {"TstRepValues2N2", "TstRepCount2N2", 1, -2}};
    for (const auto& [values, count, gap, shift] : twoDraw) {
        check(values, [&, gap = gap, shift = shift](int i) {
            std::vector<int> out;
            for (int x : numbers(i - gap, shift))
                if (in(x, last, shift) && in(x, i))
                    out.push_back(x);
            return out;
        });
        check(count, [&, gap = gap, shift = shift](int i) {
            int n = 0;
            for (int x : numbers(i - gap, shift))
                n += in(x, i) ? 1 : 0;
            return std::vector<int>{n};
        });
    }
    // Three draws.
    auto counted = [&](bool inBoth) {
        return [&, inBoth](int i) {
            int n = 0;
            for (int x : numbers(i))
                n += in(x, i - 1) && (in(x, i - 2) == inBoth) ? 1 : 0;
            return std::vector<int>{n};
        };
    };
    auto listed = [&](bool inBoth) {
        return [&, inBoth](int i) {
            std::vector<int> out;
            for (int x : numbers(i))
                if (in(x, last) && in(x, i - 1) && (in(x, i - 2) == inBoth))
                    out.push_back(x);
            return out;
        };
    };
    check("TstRepCount3", counted(true));
    check("TstRepCount2B3", counted(false));
    check("TstRepValues2B3", listed(false));
    // Numbers in three draws running that are in the last draw too are rare: move the window
    // back until its last draw has some.
    const int newest = last;
    for (; last > newest - 200; --last, --first) {
        const auto three = listed(true);
        bool any = false;
        for (int i = first; i <= last && !any; ++i)
            any = !three(i).empty();
        if (any)
            break;
    }
    check("TstRepValues3", listed(true));
}

TEST_F(RepeatRealArchive, FindNextWalksPastTheWindow)
{
    const int windowEnd = last - 40;
    auto repeats = [&](int i) {
        int n = 0;
        for (int x : numbers(i))
            n += in(x, i - 1) ? 1 : 0;
        return n;
    };
    // The next draw from windowEnd - 10 on that repeats exactly two numbers of the draw before.
    int i = windowEnd - 10;
    while (i <= last && repeats(i) != 2)
        ++i;
    ASSERT_LE(i, last);
    auto rpc = Make("TstRepCount2", env);
    EXPECT_EQ(rpc->FindNext(stats::KeyW(2), windowEnd - 10, windowEnd, false), draws[std::size_t(i)].Num);
    EXPECT_EQ(rpc->FindNext(stats::KeyW(2), last + 1, windowEnd, false), -1);

    // After the window: the first draw that repeats a number of the window's last draw.
    auto rpv = Make("TstRepValues2", env);
    for (i = windowEnd + 1; i <= last; ++i)
        for (int x : numbers(i))
            if (in(x, windowEnd) && in(x, i - 1)) {
                EXPECT_EQ(rpv->FindNext(stats::KeyW(std::uint16_t(x)), windowEnd + 1, windowEnd, true),
                          draws[std::size_t(i)].Num);
                return;
            }
}

TEST_F(RepeatRealArchive, CandidateCountEqualsTheTableValueOfTheDraw)
{
    // Every draw of the window as a candidate after the draw before it.
    auto rpc = Make("TstRepCount2", env);
    auto rpc3 = Make("TstRepCount3", env);
    for (int i = first; i <= last; ++i) {
        TComb c;
        std::copy(draws[std::size_t(i)].Values, draws[std::size_t(i)].Values + 5, c.v);
        std::sort(c.v, c.v + 5);
        for (auto* stat : {rpc.get(), rpc3.get()}) {
            const TStatDrawArray value = DrawValues(*stat, i, last);
            ASSERT_EQ(value.size(), 1u);
            EXPECT_TRUE(stat->TestComb(c, value, false, false, i - 1)) << i;
        }
    }
}

} // namespace
