#include "StatTestSupport.h"
#include "TestPaths.h"
#include "core/DrawArchive.h"
#include "stats/StatList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <random>

using namespace stattest;
using core::TDrawsArray;
using core::TStatDrawArray;

namespace {

// A value of the statistic: the integer in the first half of the key (component 0 alone for
// up to four digits).
std::uint32_t ValueOf(const core::TStatDrawRec& r)
{
    return stats::KeyHalf(r.Key, 1);
}

TStatDrawArray Rows(std::initializer_list<std::uint32_t> values)
{
    TStatDrawArray rows;
    for (std::uint32_t v : values) {
        core::TStatDrawRec r;
        r.Key = stats::KeyHalves(v);
        rows.push_back(r);
    }
    return rows;
}

stats::TCustomGraphStat& Graph(const std::unique_ptr<stats::TCustomStat>& stat)
{
    auto* graph = dynamic_cast<stats::TCustomGraphStat*>(stat.get());
    EXPECT_NE(graph, nullptr);
    return *graph;
}

// floor(frac(a / b) * 10^digits) in integers, for a / b away from a digit boundary (where the
// extended arithmetic may land on either side).
std::int64_t ExactShred(std::int64_t a, std::int64_t b, int digits, bool* boundary = nullptr)
{
    std::int64_t scale = 1;
    for (int i = 0; i < digits; ++i)
        scale *= 10;
    const std::int64_t scaled = (a % b) * scale;
    if (boundary)
        *boundary = scaled % b == 0;
    return scaled / b;
}

class ShreddingStats : public ::testing::Test
{
protected:
    // Drawn in this order.
    TDrawsArray draws = {Draw(101, {2, 7, 14, 33, 50}), Draw(102, {11, 1, 53, 27, 45}, 7),
                         Draw(103, {40, 3, 9, 21, 30}), Draw(104, {8, 44, 16, 5, 39}), Draw(105, {1, 2, 3, 4, 5})};
    stats::StatEnv env = Env(&draws);

    std::unique_ptr<stats::TCustomStat> make(int param, const char* formula = nullptr, int digits = -1)
    {
        stats::StatEnv e = env;
        if (formula)
            e.Shredding.Formula[param - 1] = QString::fromLatin1(formula);
        if (digits >= 0)
            e.Shredding.Digits[param - 1] = std::uint8_t(digits);
        return Make("TstShreddingStat", e, param);
    }

    QStringList drawTexts(stats::TCustomStat& stat, int index, bool sorted = false)
    {
        return Texts(stat, DrawValues(stat, index, index, sorted));
    }
};

TEST_F(ShreddingStats, RegistryEntry)
{
    const stats::StatClass* cls = stats::FindStatClass(u"TstShreddingStat"_s);
    ASSERT_NE(cls, nullptr);
    EXPECT_TRUE(cls->IsAvailable());
    EXPECT_EQ(cls->GetCodeFmt(2), u"SHR2"_s);
    EXPECT_EQ(cls->GetCaptionFmt(1), u"Метод шинковки 1: %s"_s);
    EXPECT_EQ(cls->GetHelpCode(1), u"SHRx"_s);
    EXPECT_EQ(cls->GetFlags(), stats::KindS | stats::KindN | stats::KindG);
    EXPECT_EQ(cls->Category, 12);
    EXPECT_EQ(cls->GetParamRange(env), std::make_pair(1, 3));

    // The method list inserts each configured formula into its caption and hands it on.
    stats::TStatList list;
    list.setDraws(&draws);
    core::TShreddingData shredding;
    shredding.Formula[2] = u"n1*2+0.25"_s;
    list.setShredding(shredding);
    list.Fill();
    const int first = list.IndexOfCode(u"SHR1"_s);
    ASSERT_GE(first, 0);
    EXPECT_EQ(list.Items(first).GetCaptionText(), u"Метод шинковки 1: (n1+n2+n3)/(n4+n5)"_s);
    const int third = list.IndexOfCode(u"shr3"_s);
    ASSERT_GE(third, 0);
    auto stat = list.CreateStat(third);
    EXPECT_EQ(drawTexts(*stat, 0), Strs({"25"}));
}

TEST_F(ShreddingStats, DefaultFormulasOfTheWorkedDraw)
{
    auto first = make(1);
    auto second = make(2);
    auto third = make(3);
    // 23 / 83 = 0.27710..., and 83 / 23 = 3.60869... without its integer part.
    EXPECT_EQ(drawTexts(*first, 0), Strs({"27"}));
    EXPECT_EQ(drawTexts(*second, 0), Strs({"60"}));
    // 11, 1, 53, 27, 45: (11 + 53 + 45) / (1 + 27) = 3.892...
    EXPECT_EQ(drawTexts(*third, 1), Strs({"89"}));
    EXPECT_EQ(Graph(first).DrawValue(0, 0, false), 27);
    EXPECT_EQ(Graph(second).CombValue(Comb({2, 7, 14, 33, 50}).v, -1, false, 0), 60);
    EXPECT_EQ(first->TextToValue(u"27"_s), 27);
    // In stored order: 40, 3, 9 over 21, 30 gives 52 / 51; sorted 3, 9, 21 over 30, 40 gives 33 / 70.
    EXPECT_EQ(drawTexts(*first, 2, false), Strs({"1"}));
    EXPECT_EQ(drawTexts(*first, 2, true), Strs({"47"}));
    // Nothing is pre-listed.
    TStatDrawArray list;
    first->InitValues(3, list);
    EXPECT_TRUE(list.empty());
}

TEST_F(ShreddingStats, AnyErrorGivesZero)
{
    auto syntax = make(1, "(n1+n2)*");
    auto parens = make(1, "(n1+n2");
    auto empty = make(1, "");
    for (int i = 0; i < int(draws.size()); ++i) {
        EXPECT_EQ(drawTexts(*syntax, i), Strs({"0"}));
        EXPECT_EQ(drawTexts(*parens, i), Strs({"0"}));
        EXPECT_EQ(drawTexts(*empty, i), Strs({"0"}));
    }
    // Only the draw whose second number is 7 divides by zero.
    auto division = make(2, "n1/(n2-7)");
    EXPECT_EQ(drawTexts(*division, 0), Strs({"0"}));
    EXPECT_EQ(drawTexts(*division, 1), Strs({"83"})); // 11 / -6 = -1.8333...
    auto logarithm = make(3, "LN(n1-11)+0.5");
    EXPECT_EQ(drawTexts(*logarithm, 1), Strs({"0"}));
    auto root = make(3, "SQRT(n2-n1)");
    EXPECT_EQ(drawTexts(*root, 1), Strs({"0"}));
    EXPECT_EQ(drawTexts(*root, 0), Strs({"23"})); // sqrt(5) = 2.236...
    // e^4000 still fits the extended range, e^22000 does not.
    auto overflow = make(1, "EXP(n1*2000)/EXP(n1*2000)+0.5");
    EXPECT_EQ(drawTexts(*overflow, 0), Strs({"50"}));
    EXPECT_EQ(drawTexts(*overflow, 1), Strs({"0"}));
    auto longest = make(1, ("0.5" + std::string(2045, ' ')).c_str());
    EXPECT_EQ(drawTexts(*longest, 0), Strs({"50"}));
    auto tooLong = make(1, ("0.5" + std::string(2046, ' ')).c_str());
    EXPECT_EQ(drawTexts(*tooLong, 0), Strs({"0"}));
}

TEST_F(ShreddingStats, DigitsGiveTheLengthOfTheValue)
{
    auto none = make(1, nullptr, 0);
    for (int i = 0; i < int(draws.size()); ++i)
        EXPECT_EQ(drawTexts(*none, i), Strs({"0"}));
    auto three = make(1, "1/7", 3); // 0.142857...
    EXPECT_EQ(drawTexts(*three, 0), Strs({"142"}));
    auto negative = make(1, "-1/7", 4); // the sign is dropped with the integer part
    EXPECT_EQ(drawTexts(*negative, 0), Strs({"1428"}));
    // Five digits, as the dialog allows, are more than component 0 holds.
    auto five = make(1, "(70000+0.5)/100000", 5);
    const TStatDrawArray list = DrawValues(*five, 0, 0);
    EXPECT_EQ(Texts(*five, list), Strs({"70000"}));
    EXPECT_TRUE(five->TestComb(Comb({1, 2, 3, 4, 5}), Rows({70000}), false, false, 0));
    EXPECT_FALSE(five->TestComb(Comb({1, 2, 3, 4, 5}), Rows({70000 & 0xFFFF}), false, false, 0));
    // More than nine digits would not fit: nine are kept.
    auto many = make(2, "1/3", 12);
    EXPECT_EQ(drawTexts(*many, 0), Strs({"333333333"}));
}

TEST_F(ShreddingStats, EarlierDrawsInDrawsCombinationsAndTests)
{
    // Four digits of (a + 0.5) / 10000 are a, with no rounding question.
    auto prev = make(1, "(n1*100+p1+0.5)/10000", 4);
    auto before = make(2, "(p2*100+t3+0.5)/10000", 4);
    EXPECT_EQ(drawTexts(*prev, 0), Strs({"200"})); // no draw before the first
    EXPECT_EQ(drawTexts(*prev, 1), Strs({"1102"}));
    EXPECT_EQ(drawTexts(*prev, 3), Strs({"840"}));
    EXPECT_EQ(drawTexts(*before, 1), Strs({"700"}));
    EXPECT_EQ(drawTexts(*before, 2), Strs({"114"})); // p2 = 1, t3 = 14
    EXPECT_EQ(drawTexts(*before, 3), Strs({"353"}));
    // Sorted: the earlier draws are sorted too.
    EXPECT_EQ(drawTexts(*prev, 3, true), Strs({"503"}));
    EXPECT_EQ(drawTexts(*before, 3, true), Strs({"927"})); // 3 9 21 30 40 and 1 11 27 45 53
    EXPECT_EQ(Graph(prev).DrawValue(2, 3, false), 4011);
    EXPECT_EQ(Graph(prev).DrawValue(2, 3, true), 301);
    EXPECT_EQ(Graph(before).CombValue(Comb({1, 2, 3, 4, 5}).v, 3, false, 3), 353);
    EXPECT_EQ(Graph(before).CombValue(Comb({1, 2, 3, 4, 5}).v, -1, false, 3), 0);

    // The full set has no earlier draws.
    EXPECT_EQ(Texts(*prev, CombValues(*prev, Comb({9, 10, 11, 12, 13}))), Strs({"900"}));

    // A candidate follows the reference draw (index 2: 40 3 9 21 30, before it 11 1 53 27 45).
    const TStatDrawArray rows = Rows({540, 4040, 1240});
    EXPECT_TRUE(prev->TestComb(Comb({5, 6, 7, 8, 9}), rows, false, false, 2));
    EXPECT_TRUE(prev->TestComb(Comb({12, 13, 14, 15, 16}), rows, false, false, 2));
    EXPECT_FALSE(prev->TestComb(Comb({6, 7, 8, 9, 10}), rows, false, false, 2));
    EXPECT_FALSE(prev->TestComb(Comb({5, 6, 7, 8, 9}), rows, false, true, 2)); // 503
    EXPECT_TRUE(prev->TestComb(Comb({5, 6, 7, 8, 9}), Rows({503}), false, true, 2));
    EXPECT_TRUE(before->TestComb(Comb({1, 2, 3, 4, 5}), Rows({353}), false, false, 2));
    EXPECT_FALSE(before->TestComb(Comb({1, 2, 3, 4, 5}), Rows({353}), false, false, 3));
    EXPECT_TRUE(before->TestComb(Comb({1, 2, 3, 4, 5}), Rows({4409}), false, false, 3)); // p2 = 44, t3 = 9
}

TEST_F(ShreddingStats, AscendingDrawInASortedPass)
{
    // Draw 105 reads the same sorted or not, the draw before it does not: a pass over the
    // window knows from the draws before which order it runs in.
    for (bool sorted : {false, true}) {
        auto prev = make(1, "(n1*100+p1+0.5)/10000", 4);
        TStatDrawArray table;
        stats::TWorkArea work{};
        core::TLastValueArray lastValues;
        for (int i = 0; i < int(draws.size()); ++i)
            prev->CalcDraw(i, int(draws.size()) - 1, sorted, table, work, lastValues);
        ASSERT_EQ(table.size(), draws.size());
        EXPECT_EQ(prev->ValueToText(table.back()), sorted ? u"105"_s : u"108"_s);
        EXPECT_EQ(Graph(prev).DrawValue(4, 4, sorted), sorted ? 105 : 108);
    }
}

const TDrawsArray& RealDraws()
{
    static const TDrawsArray draws = [] {
        TDrawsArray d;
        core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), d);
        return d;
    }();
    return draws;
}

std::array<int, 5> NumbersOf(const core::TDrawRec& d, bool sorted)
{
    std::array<int, 5> v;
    for (int i = 0; i < 5; ++i)
        v[std::size_t(i)] = d.Values[i];
    if (sorted)
        std::sort(v.begin(), v.end());
    return v;
}

// The dividend and divisor of the default formula 1, 2 or 3.
std::pair<int, int> DefaultFraction(int param, const std::array<int, 5>& v)
{
    if (param == 1)
        return {v[0] + v[1] + v[2], v[3] + v[4]};
    if (param == 2)
        return {v[3] + v[4], v[0] + v[1] + v[2]};
    return {v[0] + v[2] + v[4], v[1] + v[3]};
}

// The expected value of a default formula: the quotient of the two sums in extended precision,
// two digits of its fraction; away from a digit boundary that is the exact integer result.
std::uint32_t ExpectedDefault(int param, const std::array<int, 5>& v, std::int32_t single)
{
    const auto [a, b] = DefaultFraction(param, v);
    const long double x = static_cast<long double>(a) / b;
    const auto direct = static_cast<std::int64_t>(std::trunc((x - std::trunc(x)) * 100));
    bool boundary = false;
    const std::int64_t exact = ExactShred(a, b, 2, &boundary);
    if (boundary)
        EXPECT_TRUE(direct == exact || direct == exact - 1) << a << "/" << b;
    else
        EXPECT_EQ(direct, exact) << a << "/" << b;
    EXPECT_EQ(single, direct) << a << "/" << b;
    return std::uint32_t(direct);
}

TEST(ShreddingArchive, DefaultFormulasOverTheRealArchive)
{
    const TDrawsArray& draws = RealDraws();
    ASSERT_GE(draws.size(), 1000u);
    const int last = int(draws.size()) - 1;
    for (bool sorted : {false, true}) {
        for (int param = 1; param <= 3; ++param) {
            auto stat = Make("TstShreddingStat", Env(&draws), param);
            TStatDrawArray table;
            stat->InitValues(last, table);
            stats::TWorkArea work{};
            core::TLastValueArray lastValues;
            for (int i = 0; i <= last; ++i)
                stat->CalcDraw(i, last, sorted, table, work, lastValues);

            std::map<std::uint32_t, int> counts;
            std::map<std::uint32_t, int> lastDraw;
            for (int i = 0; i <= last; ++i) {
                const std::uint32_t v = ExpectedDefault(param, NumbersOf(draws[std::size_t(i)], sorted),
                                                        Graph(stat).DrawValue(i, last, sorted));
                ++counts[v];
                lastDraw[v] = draws[std::size_t(i)].Num;
            }
            ASSERT_EQ(table.size(), counts.size()) << param;
            for (const core::TStatDrawRec& r : table) {
                EXPECT_EQ(r.Count, counts[ValueOf(r)]) << param << " " << ValueOf(r);
                EXPECT_EQ(r.LastDraw, lastDraw[ValueOf(r)]) << param << " " << ValueOf(r);
            }
        }
    }
}

TEST(ShreddingArchive, EarlierDrawsOverTheRealArchive)
{
    const TDrawsArray& draws = RealDraws();
    ASSERT_GE(draws.size(), 1000u);
    stats::StatEnv env = Env(&draws);
    env.Shredding.Formula[0] = u"(n1*100+p1+0.5)/10000"_s;
    env.Shredding.Formula[1] = u"(p2*100+t3+0.5)/10000"_s;
    env.Shredding.Digits[0] = env.Shredding.Digits[1] = 4;
    const int first = 400;
    const int last = int(draws.size()) - 20;
    auto number = [&](int index, int position, bool sorted) {
        return index < 0 ? 0 : NumbersOf(draws[std::size_t(index)], sorted)[std::size_t(position - 1)];
    };
    for (bool sorted : {false, true}) {
        for (int param = 1; param <= 2; ++param) {
            auto stat = Make("TstShreddingStat", env, param);
            auto expected = [&](int i) {
                return param == 1 ? number(i, 1, sorted) * 100 + number(i - 1, 1, sorted)
                                  : number(i - 1, 2, sorted) * 100 + number(i - 2, 3, sorted);
            };
            TStatDrawArray table;
            stats::TWorkArea work{};
            core::TLastValueArray lastValues;
            std::map<std::uint32_t, int> counts;
            for (int i = first; i <= last; ++i) {
                stat->CalcDraw(i, last, sorted, table, work, lastValues);
                ++counts[std::uint32_t(expected(i))];
                EXPECT_EQ(Graph(stat).DrawValue(i, last, sorted), expected(i)) << i;
            }
            ASSERT_EQ(table.size(), counts.size());
            for (const core::TStatDrawRec& r : table)
                EXPECT_EQ(r.Count, counts[ValueOf(r)]) << ValueOf(r);

            // The next occurrence of a value, searched to the newest draw of the archive.
            const std::uint32_t probe = std::uint32_t(expected(first + 10));
            int next = -1;
            for (int i = first + 11; i < int(draws.size()) && next < 0; ++i)
                if (std::uint32_t(expected(i)) == probe)
                    next = draws[std::size_t(i)].Num;
            EXPECT_EQ(stat->FindNext(stats::KeyHalves(probe), first + 11, last, sorted), next);
            EXPECT_EQ(stat->FindNext(stats::KeyHalves(probe), first + 10, last, sorted),
                      draws[std::size_t(first + 10)].Num);
        }
    }
}

TEST(ShreddingArchive, FilteringAfterTheReferenceDraw)
{
    const TDrawsArray& draws = RealDraws();
    ASSERT_GE(draws.size(), 1000u);
    stats::StatEnv env = Env(&draws);
    env.Shredding.Formula[0] = u"(n1*100+p1+0.5)/10000"_s;
    env.Shredding.Formula[1] = u"(n5*100+t5+0.5)/10000"_s;
    env.Shredding.Digits[0] = env.Shredding.Digits[1] = 4;
    const int last = int(draws.size()) - 5;
    std::mt19937 rng(7);
    std::vector<core::TComb> combs;
    for (int k = 0; k < 5000; ++k) {
        std::vector<int> all(54);
        for (int n = 0; n < 54; ++n)
            all[std::size_t(n)] = n + 1;
        std::shuffle(all.begin(), all.end(), rng);
        std::sort(all.begin(), all.begin() + 5);
        combs.push_back(Comb({all[0], all[1], all[2], all[3], all[4]}));
    }
    for (bool sorted : {false, true}) {
        const int p1 = NumbersOf(draws[std::size_t(last)], sorted)[0];
        const int t5 = NumbersOf(draws[std::size_t(last - 1)], sorted)[4];
        const TStatDrawArray rows1 = Rows({std::uint32_t(3 * 100 + p1), std::uint32_t(17 * 100 + p1)});
        const TStatDrawArray rows2 = Rows({std::uint32_t(54 * 100 + t5), std::uint32_t(50 * 100 + t5)});
        auto first = Make("TstShreddingStat", env, 1);
        auto second = Make("TstShreddingStat", env, 2);
        std::vector<std::uint8_t> batch1(combs.size()), batch2(combs.size());
        first->TestCombs(combs, stats::TSelection(rows1), false, sorted, last, batch1.data());
        second->TestCombs(combs, stats::TSelection(rows2), true, sorted, last, batch2.data());
        int matched = 0;
        for (std::size_t i = 0; i < combs.size(); ++i) {
            const core::TComb& c = combs[i];
            const bool want1 = c.v[0] == 3 || c.v[0] == 17;
            const bool want2 = c.v[4] == 54 || c.v[4] == 50;
            matched += want1 ? 1 : 0;
            EXPECT_EQ(first->TestComb(c, rows1, false, sorted, last), want1);
            EXPECT_EQ(batch1[i] != 0, want1);
            EXPECT_EQ(second->TestComb(c, rows2, true, sorted, last), want2);
            EXPECT_EQ(batch2[i] != 0, want2);
        }
        EXPECT_GT(matched, 0);
    }
}

TEST(ShreddingArchive, FullSetInOneBatchAgreesWithSingleCombinations)
{
    const TDrawsArray& draws = RealDraws();
    auto batch = Make("TstShreddingStat", Env(&draws), 1);
    auto single = Make("TstShreddingStat", Env(&draws), 1);
    std::vector<core::TComb> all;
    all.reserve(3162510);
    for (int a = 1; a <= 50; ++a)
        for (int b = a + 1; b <= 51; ++b)
            for (int c = b + 1; c <= 52; ++c)
                for (int d = c + 1; d <= 53; ++d)
                    for (int e = d + 1; e <= 54; ++e)
                        all.push_back(Comb({a, b, c, d, e}));
    ASSERT_EQ(all.size(), 3162510u);
    TStatDrawArray full;
    batch->CalcCombs(all, full);

    std::vector<int> counts(100);
    for (const core::TComb& c : all) {
        const std::array<int, 5> v = {c.v[0], c.v[1], c.v[2], c.v[3], c.v[4]};
        ++counts[ExpectedDefault(1, v, Graph(single).CombValue(c.v, -1, false, 0))];
    }
    ASSERT_EQ(full.size(), std::size_t(std::count_if(counts.begin(), counts.end(), [](int n) { return n > 0; })));
    for (const core::TStatDrawRec& r : full)
        EXPECT_EQ(r.Count, counts.at(ValueOf(r))) << ValueOf(r);

    // Single CalcComb calls list the same values in the same order.
    TStatDrawArray one;
    const std::span<const core::TComb> head(all.data(), 20000);
    for (const core::TComb& c : head)
        single->CalcComb(c, one);
    TStatDrawArray part;
    batch->CalcCombs(head, part);
    ASSERT_EQ(one.size(), part.size());
    for (std::size_t i = 0; i < one.size(); ++i) {
        EXPECT_EQ(one[i].Key, part[i].Key);
        EXPECT_EQ(one[i].Count, part[i].Count);
    }
}

} // namespace
