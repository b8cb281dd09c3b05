#include "StatTestSupport.h"
#include "TestPaths.h"

#include "core/DrawArchive.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

using namespace stattest;
using core::TComb;
using core::TDrawsArray;
using core::TStatDrawArray;

namespace {

TStatDrawArray Tuples(std::initializer_list<std::initializer_list<int>> tuples)
{
    TStatDrawArray rows;
    for (const auto& t : tuples) {
        core::TStatDrawRec r;
        int i = 0;
        for (int n : t)
            r.Key.c[i++] = std::uint16_t(n);
        rows.push_back(r);
    }
    return rows;
}

class CombValueStats : public ::testing::Test
{
protected:
    // The same five numbers, ascending and in a drawn order.
    TDrawsArray draws = {Draw(1, {4, 11, 23, 38, 52}), Draw(2, {23, 4, 52, 11, 38})};
    stats::StatEnv env = Env(&draws);

    QStringList texts(const char* cls, int index, bool sorted = false, int param = 0)
    {
        auto stat = Make(cls, env, param);
        return Texts(*stat, DrawValues(*stat, index, index, sorted));
    }
};

TEST_F(CombValueStats, TuplesOfTheWorkedDraw)
{
    EXPECT_EQ(texts("TstCombValMix2", 0),
              Strs({"4:11", "4:23", "4:38", "4:52", "11:23", "11:38", "11:52", "23:38", "23:52", "38:52"}));
    EXPECT_EQ(texts("TstCombValSeq2", 0), Strs({"4:11", "11:23", "23:38", "38:52"}));
    EXPECT_EQ(texts("TstCombValPos2", 0, false, 3), Strs({"23:38"}));
    EXPECT_EQ(texts("TstCombValSeq4", 0), Strs({"4:11:23:38", "11:23:38:52"}));
    EXPECT_EQ(texts("TstCombValSeq3", 0), Strs({"4:11:23", "11:23:38", "23:38:52"}));
    EXPECT_EQ(texts("TstCombValMix3", 0), Strs({"4:11:23", "4:11:38", "4:11:52", "4:23:38", "4:23:52", "4:38:52",
                                                "11:23:38", "11:23:52", "11:38:52", "23:38:52"}));
    EXPECT_EQ(texts("TstCombValMix4", 0),
              Strs({"4:11:23:38", "4:11:23:52", "4:11:38:52", "4:23:38:52", "11:23:38:52"}));
    EXPECT_EQ(texts("TstCombValPos3", 0, false, 1), Strs({"4:11:23"}));
    EXPECT_EQ(texts("TstCombValPos3", 0, false, 3), Strs({"23:38:52"}));
    EXPECT_EQ(texts("TstCombValPos4", 0, false, 2), Strs({"11:23:38:52"}));

    // The key holds the numbers in components 0..k-1 and zeros after.
    auto mix = Make("TstCombValMix2", env);
    const TStatDrawArray list = DrawValues(*mix, 0, 0);
    EXPECT_EQ(list[0].Key, stats::KeyW(4, 11));
    EXPECT_EQ(Counts(list), std::vector<int>(10, 1));
    // A pair shows as its two numbers.
    core::TStatDrawRec r;
    r.Key = stats::KeyW(7, 23);
    EXPECT_EQ(mix->ValueToText(r), u"7:23"_s);
}

TEST_F(CombValueStats, DrawnOrderDecidesTheTuples)
{
    EXPECT_EQ(texts("TstCombValSeq2", 1), Strs({"23:4", "4:52", "52:11", "11:38"}));
    EXPECT_EQ(texts("TstCombValSeq2", 1, true), Strs({"4:11", "11:23", "23:38", "38:52"}));
    EXPECT_EQ(texts("TstCombValPos2", 1, false, 1), Strs({"23:4"}));
    EXPECT_EQ(texts("TstCombValMix2", 1).mid(0, 4), Strs({"23:4", "23:52", "23:11", "23:38"}));
    // The Sort classes sort the numbers whatever the flag says.
    EXPECT_EQ(texts("TstCombValSort2", 1), Strs({"4:11", "11:23", "23:38", "38:52"}));
    EXPECT_EQ(texts("TstCombValSort3", 1), Strs({"4:11:23", "11:23:38", "23:38:52"}));
    EXPECT_EQ(texts("TstCombValSort4", 1), Strs({"4:11:23:38", "11:23:38:52"}));

    // Candidates are ascending, so the falling pairs of the drawn order never match.
    auto seq = Make("TstCombValSeq2", env);
    const TStatDrawArray drawn = DrawValues(*seq, 1, 1);
    const TComb c = Comb({4, 11, 23, 38, 52});
    EXPECT_FALSE(seq->TestComb(c, drawn, false, false, 1));
    EXPECT_TRUE(seq->TestComb(c, DrawValues(*seq, 1, 1, true), false, false, 1));
    // 4:52 rises, but it is not a neighbour pair of the candidate; it is of this one.
    EXPECT_TRUE(seq->TestComb(Comb({1, 4, 52, 53, 54}), drawn, false, false, 1));
}

TEST_F(CombValueStats, FilterComparesWholeTuples)
{
    const TComb c = Comb({4, 11, 23, 38, 52});
    const TComb moved = Comb({23, 38, 40, 41, 42});
    const TStatDrawArray pair = Tuples({{23, 38}});
    auto pos = Make("TstCombValPos2", env, 3);
    EXPECT_TRUE(pos->TestComb(c, pair, false, false, 0));
    EXPECT_FALSE(pos->TestComb(moved, pair, false, false, 0)) << "only the tuple at position 3 is tested";
    auto pos1 = Make("TstCombValPos2", env, 1);
    EXPECT_TRUE(pos1->TestComb(moved, pair, false, false, 0));
    auto mix = Make("TstCombValMix2", env);
    EXPECT_TRUE(mix->TestComb(c, pair, false, false, 0));
    EXPECT_TRUE(mix->TestComb(moved, pair, false, false, 0));
    auto seq = Make("TstCombValSeq2", env);
    EXPECT_FALSE(seq->TestComb(Comb({23, 30, 38, 40, 41}), pair, false, false, 0));
    // A pair row never equals a triple: all four components count.
    auto mix3 = Make("TstCombValMix3", env);
    EXPECT_FALSE(mix3->TestComb(c, pair, false, false, 0));
    EXPECT_TRUE(mix3->TestComb(c, Tuples({{4, 38, 52}}), false, false, 0));
    EXPECT_FALSE(mix3->TestComb(c, Tuples({{4, 38, 52, 1}}), false, false, 0));
    auto sort = Make("TstCombValSort2", env);
    EXPECT_TRUE(sort->TestComb(c, Tuples({{38, 52}}), false, false, 0));
    EXPECT_FALSE(sort->TestComb(c, Tuples({{4, 23}}), false, false, 0));
}

TEST_F(CombValueStats, RegistryFacesAndNoDistribution)
{
    for (const char* cls : {"TstCombValMix2", "TstCombValSeq4", "TstCombValPos3"}) {
        auto stat = Make(cls, env, 1);
        ASSERT_NE(stat, nullptr) << cls;
        EXPECT_TRUE(stat->statClass().IsAvailable()) << cls;
        EXPECT_TRUE(CombValues(*stat, Comb({1, 2, 3, 4, 5})).empty()) << cls;
        TStatDrawArray list;
        stat->InitValues(1, list);
        EXPECT_TRUE(list.empty()) << cls;
        EXPECT_FALSE(stat->statClass().AllowsValueList()) << cls;
    }
    for (const char* cls : {"TstCombValSort2", "TstCombValSort3", "TstCombValSort4"}) {
        auto stat = Make(cls, env);
        ASSERT_NE(stat, nullptr) << cls;
        EXPECT_FALSE(stat->statClass().IsAvailable()) << cls;
    }
    auto pos = Make("TstCombValPos2", env, 3);
    EXPECT_EQ(pos->statClass().GetCodeFmt(3), u"KNP23"_s);
    EXPECT_EQ(pos->GetName(), u"Сочетания из 2-х чисел тиража начиная с 3 позиции"_s);
    auto mix = Make("TstCombValMix4", env);
    EXPECT_EQ(mix->statClass().GetCodeFmt(0), u"KNM4"_s);
    EXPECT_EQ(mix->GetName(), u"Сочетания из 4 чисел по всем числам тиража"_s);
    // A start position without room for the tuple gives nothing and matches nothing.
    auto bad = Make("TstCombValPos4", env, 3);
    EXPECT_TRUE(DrawValues(*bad, 0, 0).empty());
    EXPECT_FALSE(bad->TestComb(Comb({4, 11, 23, 38, 52}), Tuples({{0, 0, 0, 0}}), false, false, 0));
}

TEST_F(CombValueStats, BatchTestsAgreeWithSingleTests)
{
    std::vector<TComb> combs;
    for (int a = 1; a <= 12; ++a)
        for (int b = a + 1; b <= 12; ++b)
            for (int c = b + 1; c <= 12; ++c)
                for (int d = c + 1; d <= 12; ++d)
                    for (int e = d + 1; e <= 12; ++e)
                        combs.push_back(Comb({a, b, c, d, e}));
    const TStatDrawArray rows = Tuples({{2, 5}, {3, 4}, {1, 2, 3}, {7, 8, 9, 10}, {4, 6, 8}, {9, 11}});
    const std::pair<const char*, int> classes[] = {
        {"TstCombValMix2", 0}, {"TstCombValMix3", 0},  {"TstCombValMix4", 0},  {"TstCombValSeq2", 0},
        {"TstCombValSeq3", 0}, {"TstCombValSeq4", 0},  {"TstCombValPos2", 2},  {"TstCombValPos3", 1},
        {"TstCombValPos4", 2}, {"TstCombValSort2", 0}, {"TstCombValSort3", 0}, {"TstCombValSort4", 0}};
    for (const auto& [cls, param] : classes) {
        auto a = Make(cls, env, param);
        auto b = Make(cls, env, param);
        std::vector<std::uint8_t> flags(combs.size());
        b->TestCombs(combs, stats::TSelection(rows), false, false, 1, flags.data());
        int matched = 0;
        for (std::size_t i = 0; i < combs.size(); ++i) {
            // The single test against the plain rows: one of the draw-form tuples is a row.
            core::TDrawsArray one = {
                Draw(1, {combs[i].v[0], combs[i].v[1], combs[i].v[2], combs[i].v[3], combs[i].v[4]})};
            auto viaDraw = Make(cls, Env(&one), param);
            bool expected = false;
            for (const auto& t : DrawValues(*viaDraw, 0, 0))
                for (const auto& r : rows)
                    expected = expected || t.Key == r.Key;
            ASSERT_EQ(a->TestComb(combs[i], rows, false, false, 1), expected) << cls;
            ASSERT_EQ(flags[i] != 0, expected) << cls;
            matched += expected ? 1 : 0;
        }
        EXPECT_GT(matched, 0) << cls;
    }
}

// Pairs of numbers in any order, also of damaged numbers past 63, in single tests and in the
// marking pass, against the pairs (v[i], v[j]), i < j, looked up in the rows one by one.
TEST_F(CombValueStats, PairsInAnyOrderAndPastSixtyThree)
{
    std::mt19937 random(3);
    // Runs of neighbours that share their first four numbers, as in a list in the order of the
    // numbers, with damaged numbers in either part; 3001 so the last word is a part one.
    std::vector<TComb> combs(3001);
    for (std::size_t i = 0; i < combs.size(); ++i) {
        TComb& c = combs[i];
        const bool sameHead = i > 0 && random() % 4 != 0;
        for (int p = 0; p < 5; ++p)
            c.v[p] = sameHead && p < 4 ? combs[i - 1].v[p]
                                       : std::uint8_t(random() % 9 == 0 ? 60 + random() % 140 : 1 + random() % 54);
    }
    auto mix = Make("TstCombValMix2", env);
    for (int round = 0; round < 20; ++round) {
        TStatDrawArray rows(std::size_t(1 + random() % 300));
        for (core::TStatDrawRec& r : rows) {
            r.Key.c[0] = std::uint16_t(random() % 8 == 0 ? 60 + random() % 140 : 1 + random() % 54);
            r.Key.c[1] = std::uint16_t(random() % 8 == 0 ? 60 + random() % 140 : 1 + random() % 54);
        }
        std::vector<std::uint64_t> bits((combs.size() + 63) / 64);
        mix->MarkCombs(combs, stats::TSelection(rows), false, false, 1, true, bits.data());
        std::vector<std::uint64_t> others((combs.size() + 63) / 64);
        mix->MarkCombs(combs, stats::TSelection(rows), false, false, 1, false, others.data());
        const std::uint64_t lastWord = (std::uint64_t{1} << (combs.size() % 64)) - 1;
        for (std::size_t w = 0; w < bits.size(); ++w)
            ASSERT_EQ(others[w], ~bits[w] & (w + 1 < bits.size() ? ~std::uint64_t{0} : lastWord)) << "word " << w;
        for (std::size_t i = 0; i < combs.size(); ++i) {
            const TComb& c = combs[i];
            bool expected = false;
            for (int a = 0; a < 5; ++a)
                for (int b = a + 1; b < 5; ++b)
                    for (const core::TStatDrawRec& r : rows)
                        expected = expected || (r.Key.c[0] == c.v[a] && r.Key.c[1] == c.v[b]);
            ASSERT_EQ(mix->TestComb(c, rows, false, false, 1), expected) << round << " " << i;
            ASSERT_EQ(((bits[i / 64] >> (i % 64)) & 1) != 0, expected) << round << " " << i;
        }
    }
}

// The pass over the whole set in order marks what the pass combination by combination marks:
// no pair, every pair, pairs given high number first, pairs past the numbers, and random ones.
TEST_F(CombValueStats, PairsOverTheWholeSetInOrder)
{
    core::TCombsArray all;
    for (int a = 1; a <= 54; ++a)
        for (int b = a + 1; b <= 54; ++b)
            for (int c = b + 1; c <= 54; ++c)
                for (int d = c + 1; d <= 54; ++d)
                    for (int e = d + 1; e <= 54; ++e)
                        all.push_back(Comb({a, b, c, d, e}));
    ASSERT_EQ(all.size(), 3162510u);
    const auto Row = [](int a, int b) { return Tuples({{a, b}}).front(); };
    const std::size_t words = (all.size() + 63) / 64;
    std::mt19937 random(8);
    auto mix = Make("TstCombValMix2", env);
    std::vector<TStatDrawArray> selections(6);
    for (int a = 1; a <= 54; ++a)
        for (int b = a + 1; b <= 54; ++b)
            selections[1].push_back(Row(a, b));
    selections[2] = {Row(54, 1), Row(30, 2), Row(70, 80)};
    for (std::size_t k = 3; k < selections.size(); ++k)
        for (int r = 0; r < int(k * k * 20); ++r) {
            const int a = 1 + int(random() % 54);
            selections[k].push_back(Row(a, a + 1 + int(random() % 20)));
        }
    std::vector<std::uint64_t> whole(words);
    std::vector<std::uint64_t> each(words);
    for (std::size_t k = 0; k < selections.size(); ++k) {
        const stats::TSelection selection(selections[k]);
        for (const bool keep : {true, false}) {
            ASSERT_TRUE(mix->MarkWholeSet(selection, keep, whole.data()));
            mix->MarkCombs(all, selection, false, false, 1, keep, each.data());
            ASSERT_TRUE(whole == each) << "selection " << k << " keep " << keep;
        }
    }
    auto seq = Make("TstCombValSeq2", env);
    EXPECT_FALSE(seq->MarkWholeSet(stats::TSelection(selections[1]), true, whole.data()));
}

TEST(CombValueArchive, PairCountsOverAWindow)
{
    TDrawsArray draws;
    QString error;
    ASSERT_TRUE(core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), draws, &error))
        << error.toStdString();
    ASSERT_GE(draws.size(), 200u);
    const int last = int(draws.size()) - 1;
    const int first = last - 149;
    const stats::StatEnv env = Env(&draws);
    for (bool sorted : {false, true}) {
        // Every pair of positions p < q, in the order the numbers are read.
        std::map<std::pair<int, int>, int> counts;
        std::map<std::pair<int, int>, int> newest;
        for (int i = first; i <= last; ++i) {
            std::vector<int> v(draws[std::size_t(i)].Values, draws[std::size_t(i)].Values + 5);
            if (sorted)
                std::sort(v.begin(), v.end());
            for (int p = 0; p < 5; ++p)
                for (int q = p + 1; q < 5; ++q) {
                    ++counts[{v[std::size_t(p)], v[std::size_t(q)]}];
                    newest[{v[std::size_t(p)], v[std::size_t(q)]}] = draws[std::size_t(i)].Num;
                }
        }
        auto knm2 = Make("TstCombValMix2", env);
        TStatDrawArray table;
        knm2->InitValues(last, table);
        stats::TWorkArea work{};
        core::TLastValueArray lastValues;
        for (int i = first; i <= last; ++i)
            knm2->CalcDraw(i, last, sorted, table, work, lastValues);
        ASSERT_EQ(table.size(), counts.size());
        for (const auto& r : table) {
            const std::pair<int, int> key{r.Key.c[0], r.Key.c[1]};
            EXPECT_EQ(r.Key.c[2] | r.Key.c[3], 0);
            EXPECT_EQ(r.Count, counts.at(key));
            EXPECT_EQ(r.LastDraw, newest.at(key));
        }
        // Quadruples: at most five new rows per draw.
        auto knm4 = Make("TstCombValMix4", env);
        TStatDrawArray quads;
        for (int i = first; i <= last; ++i)
            knm4->CalcDraw(i, last, sorted, quads, work, lastValues);
        EXPECT_LE(quads.size(), 5u * 150u);
        int total = 0;
        for (const auto& r : quads)
            total += r.Count;
        EXPECT_EQ(total, 5 * 150);
    }
}

} // namespace
