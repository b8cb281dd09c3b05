#include "StatTestSupport.h"

#include <gtest/gtest.h>

using namespace stattest;
using core::TDrawsArray;
using core::TStatDrawArray;

namespace {

class NumberStats : public ::testing::Test
{
protected:
    // Drawn in this order; the second draw holds 1 and no even number.
    TDrawsArray draws = {Draw(1, {2, 7, 14, 33, 50}), Draw(2, {11, 1, 53, 27, 45}, 7)};
    stats::StatEnv env = Env(&draws);

    QStringList drawTexts(const char* cls, int index, int param = 0)
    {
        auto stat = Make(cls, env, param);
        return Texts(*stat, DrawValues(*stat, index, index));
    }
};

TEST_F(NumberStats, WorkedDrawGivesEveryValueAndText)
{
    EXPECT_EQ(drawTexts("TstValues", 0), Strs({"2", "7", "14", "33", "50"}));
    EXPECT_EQ(drawTexts("TstEvenCount", 0), Strs({"3:2"}));
    EXPECT_EQ(drawTexts("TstSmallCount", 0), Strs({"3:2"}));
    EXPECT_EQ(drawTexts("TstPrimeCount", 0), Strs({"2:3"}));
    EXPECT_EQ(drawTexts("TstEvenValues", 0), Strs({"ЧнЧнЧ (010)"}));
    EXPECT_EQ(drawTexts("TstSmallValues", 0), Strs({"11122 (003)"}));
    EXPECT_EQ(drawTexts("TstPrimeValues", 0), Strs({"ППССС (024)"}));
    EXPECT_EQ(drawTexts("TstPosVal", 0, 1), Strs({"2"}));
    EXPECT_EQ(drawTexts("TstPosVal", 0, 5), Strs({"50"}));
}

TEST_F(NumberStats, DigitsCountTwiceWhenRepeated)
{
    auto stat = Make("TstDigits", env);
    const TStatDrawArray list = DrawValues(*stat, 0, 0);
    // 2, 7, 1, 4, 3, 3, 5, 0: the digit 3 once listed, counted twice.
    EXPECT_EQ(Texts(*stat, list), Strs({"2", "7", "1", "4", "3", "5", "0"}));
    EXPECT_EQ(Counts(list), std::vector<int>({1, 1, 1, 1, 2, 1, 1}));
    EXPECT_EQ(list[4].MinPeriod, 0) << "a value twice in one draw has an interval of 0";
}

TEST_F(NumberStats, OneCountsAsPrimeOddAndSmall)
{
    // 11, 1, 53, 27, 45: primes 11, 1, 53; all odd; small 11, 1, 27.
    EXPECT_EQ(drawTexts("TstPrimeCount", 1), Strs({"3:2"}));
    EXPECT_EQ(drawTexts("TstEvenCount", 1), Strs({"0:5"}));
    EXPECT_EQ(drawTexts("TstSmallCount", 1), Strs({"3:2"}));
    EXPECT_EQ(drawTexts("TstEvenValues", 1), Strs({"ннннн (031)"}));
}

TEST_F(NumberStats, PreListedValuesAndANewValueAtTheEnd)
{
    auto even = Make("TstEvenCount", env);
    TStatDrawArray list;
    even->InitValues(1, list);
    stats::TWorkArea work{};
    core::TLastValueArray last;
    even->CalcDraw(1, 1, false, list, work, last);
    // 1..5 pre-listed, the count 0 of a draw without even numbers appended.
    EXPECT_EQ(Texts(*even, list), Strs({"1:4", "2:3", "3:2", "4:1", "5:0", "0:5"}));
    EXPECT_EQ(Counts(list), std::vector<int>({0, 0, 0, 0, 0, 1}));

    auto small = Make("TstSmallValues", env);
    TStatDrawArray smallList;
    small->InitValues(1, smallList);
    EXPECT_TRUE(smallList.empty());
    auto prime = Make("TstPrimeValues", env);
    TStatDrawArray primeList;
    prime->InitValues(1, primeList);
    EXPECT_EQ(primeList.size(), 32u);
    auto nums = Make("TstValues", env);
    TStatDrawArray numList;
    nums->InitValues(1, numList);
    ASSERT_EQ(numList.size(), 54u);
    EXPECT_EQ(nums->ValueToText(numList.back()), u"54"_s);
}

TEST_F(NumberStats, SortedDrawReordersPositions)
{
    auto pos = Make("TstPosVal", env, 1);
    EXPECT_EQ(Texts(*pos, DrawValues(*pos, 1, 1, false)), Strs({"11"}));
    EXPECT_EQ(Texts(*pos, DrawValues(*pos, 1, 1, true)), Strs({"1"}));
    auto graph = dynamic_cast<stats::TCustomGraphStat*>(pos.get());
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->DrawValue(1, 1, false), 11);
    EXPECT_EQ(graph->DrawValue(1, 1, true), 1);
}

TEST_F(NumberStats, TextToValueReadsRatiosAndMasks)
{
    auto even = Make("TstEvenCount", env);
    EXPECT_EQ(even->TextToValue(u"2:3"_s), 2);
    EXPECT_EQ(even->TextToValue(u"2"_s), 2);
    auto mask = Make("TstEvenValues", env);
    EXPECT_EQ(mask->TextToValue(u"ЧнЧн"_s), 10);
    EXPECT_EQ(mask->TextToValue(u"ЧнЧнЧ (010)"_s), 10);
    auto nums = Make("TstValues", env);
    EXPECT_EQ(nums->TextToValue(u"17"_s), 17);
    EXPECT_EQ(nums->TextToValue(u"x17"_s), 0);
}

TEST_F(NumberStats, TestCombLooksUpTheSelectedRows)
{
    auto nums = Make("TstValues", env);
    TStatDrawArray rows(1);
    rows[0].Key = stats::KeyW(14);
    EXPECT_TRUE(nums->TestComb(Comb({1, 2, 3, 14, 20}), rows, false, false, 0));
    EXPECT_FALSE(nums->TestComb(Comb({1, 2, 3, 15, 20}), rows, false, false, 0));

    auto evenMask = Make("TstEvenValues", env);
    rows[0].Key = stats::KeyHalves(10); // ЧнЧнЧ
    EXPECT_TRUE(evenMask->TestComb(Comb({2, 3, 4, 5, 6}), rows, false, false, 0));
    EXPECT_FALSE(evenMask->TestComb(Comb({1, 3, 4, 5, 6}), rows, false, false, 0));

    auto ext = Make("TstPosExt", env, 1);
    rows[0].Key = stats::KeyW(0);
    EXPECT_FALSE(ext->TestComb(Comb({1, 2, 3, 4, 5}), rows, false, false, 0));
    EXPECT_TRUE(CombValues(*ext, Comb({1, 2, 3, 4, 5})).empty());
    auto graph = dynamic_cast<stats::TCustomGraphStat*>(ext.get());
    EXPECT_EQ(graph->CombValue(Comb({1, 2, 3, 4, 5}).v, -1, false, 1), 0);
    EXPECT_EQ(graph->DrawValue(1, 1, false), 7);
}

TEST_F(NumberStats, BatchFormsAgreeWithSingleCalls)
{
    const std::vector<core::TComb> combs = {Comb({1, 2, 3, 4, 5}), Comb({2, 7, 14, 33, 50}), Comb({10, 20, 30, 40, 50}),
                                            Comb({1, 2, 3, 4, 5})};
    for (const char* cls : {"TstValues", "TstDigits", "TstEvenCount", "TstPrimeValues", "TstSmallValues"}) {
        auto a = Make(cls, env);
        auto b = Make(cls, env);
        TStatDrawArray one, batch;
        for (const core::TComb& c : combs)
            a->CalcComb(c, one);
        b->CalcCombs(combs, batch);
        ASSERT_EQ(one.size(), batch.size()) << cls;
        for (std::size_t i = 0; i < one.size(); ++i) {
            EXPECT_EQ(one[i].Key, batch[i].Key) << cls;
            EXPECT_EQ(one[i].Count, batch[i].Count) << cls;
        }
        TStatDrawArray rows(one.begin(), one.begin() + 1);
        std::vector<std::uint8_t> flags(combs.size());
        const stats::TSelection sel(rows);
        b->TestCombs(combs, sel, false, false, 0, flags.data());
        for (std::size_t i = 0; i < combs.size(); ++i)
            EXPECT_EQ(flags[i] != 0, a->TestComb(combs[i], rows, false, false, 0)) << cls;
    }
}

} // namespace
