// Generation and the narrowing passes of the candidate list.

#include "StatTestSupport.h"
#include "TestHelpers.h"

#include "combos/CombList.h"
#include "core/GameMath.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace stattest;
using namespace combos;

namespace {

bool hasComb(const core::TCombsArray& list, std::initializer_list<int> numbers)
{
    const core::TComb c = Comb(numbers);
    return std::find(list.begin(), list.end(), c) != list.end();
}

TEST(Generation, CountsOfTheModes)
{
    core::TCombsArray all;
    GenerateCombs(0, QString(), all);
    ASSERT_EQ(all.size(), 3162510u);
    EXPECT_EQ(all.front(), Comb({1, 2, 3, 4, 5}));
    EXPECT_EQ(all.back(), Comb({50, 51, 52, 53, 54}));
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end(), [](const core::TComb& a, const core::TComb& b) {
        return std::lexicographical_compare(a.v, a.v + 5, b.v, b.v + 5);
    }));
    auto count = [](int mode, const char* param) {
        core::TCombsArray list;
        GenerateCombs(mode, QString::fromUtf8(param), list);
        return list.size();
    };
    EXPECT_EQ(count(2, "1;2;3;4;5;6"), 6u);
    EXPECT_EQ(count(2, " 1 , 2;3;4;5 ;6"), 6u);
    EXPECT_EQ(count(1, "1"), 292825u);  // C(53,4)
    EXPECT_EQ(count(3, "1"), 2869685u); // C(53,5)
    EXPECT_EQ(count(1, "x"), 0u) << "a word that is not a number is 0 and matches nothing";
    EXPECT_EQ(count(1, "300;999"), 0u) << "numbers above 255 are left out";
    EXPECT_EQ(count(3, ""), 3162510u);
    EXPECT_EQ(count(7, "1"), 3162510u) << "an unknown mode is the full list";
    EXPECT_EQ(GenNumbers(QStringLiteral("3; 7,x,300")).count(), 3u); // 0, 3, 7
}

TEST(Narrowing, ExcludeDrawsInAnyOrder)
{
    const core::TDrawsArray draws = {Draw(1, {5, 4, 3, 2, 1}), Draw(2, {10, 20, 30, 40, 50}), Draw(3, {1, 2, 3, 4, 6})};
    const core::TCombsArray src = {Comb({1, 2, 3, 4, 5}), Comb({10, 20, 30, 40, 50}), Comb({1, 2, 3, 4, 6}),
                                   Comb({50, 40, 30, 20, 10}), Comb({1, 2, 3, 4, 7})};
    core::TCombsArray out;
    int reports = 0;
    ExcludeDraws(src, draws, 0, 2, out, [&](double) { ++reports; });
    EXPECT_EQ(out, core::TCombsArray({Comb({1, 2, 3, 4, 7})}));
    EXPECT_EQ(reports, 5) << "one report per 1% of a five-combination list";
    ExcludeDraws(src, draws, 1, 1, out);
    EXPECT_EQ(out.size(), 3u);
    EXPECT_FALSE(hasComb(out, {50, 40, 30, 20, 10}));
    ExcludeDraws(src, draws, 2, 1, out);
    EXPECT_EQ(out, src) << "an empty window removes nothing";
    // A combination that is no valid five (read from a file) is compared number by number.
    const core::TCombsArray odd = {Comb({1, 2, 3, 4, 200}), Comb({1, 1, 2, 3, 4})};
    const core::TDrawsArray oddDraws = {Draw(1, {1, 2, 3, 4, 200}), Draw(2, {1, 1, 2, 3, 4})};
    ExcludeDraws(odd, oddDraws, 0, 1, out);
    EXPECT_TRUE(out.empty());
}

TEST(Narrowing, FilterByValuesKeepsOrRemoves)
{
    core::TCombsArray all;
    GenerateCombs(0, QString(), all);
    core::TDrawsArray draws = {Draw(1, {1, 2, 3, 4, 5})};
    auto nums = Make("TstValues", Env(&draws));
    core::TStatDrawArray values(2);
    values[0].Key = stats::KeyW(14);
    values[1].Key = stats::KeyW(54);
    nums->LoadDraws(-1, 0, false);
    core::TCombsArray kept;
    FilterByValues(*nums, values, false, false, 0, all, kept);
    // Combinations with 14 or 54: C(54,5) - C(52,5).
    EXPECT_EQ(kept.size(), std::size_t(core::Binomial(54, 5) - core::Binomial(52, 5)));
    for (const core::TComb& c : kept)
        ASSERT_TRUE(core::InComb(14, c) || core::InComb(54, c));
    core::TCombsArray removed;
    FilterByValues(*nums, values, true, false, 0, all, removed);
    EXPECT_EQ(removed.size() + kept.size(), all.size());
    for (const core::TComb& c : removed)
        ASSERT_FALSE(core::InComb(14, c) || core::InComb(54, c));

    // The sum statistic keeps the combinations of the selected sums, in order.
    auto sums = Make("TstSumValues", Env(&draws));
    if (sums) {
        core::TStatDrawArray sum15(1);
        sum15[0].Key = stats::KeyHalves(16);
        core::TCombsArray s;
        FilterByValues(*sums, sum15, false, false, 0, all, s);
        EXPECT_EQ(s, core::TCombsArray({Comb({1, 2, 3, 4, 6})}));
    }
}

TEST(Narrowing, FilterByValuesKeepsTheOrderOfAPlainLoopWhateverTheBuffers)
{
    core::TCombsArray all;
    GenerateCombs(0, QString(), all);
    core::TDrawsArray draws = {Draw(1, {1, 2, 3, 4, 5})};
    auto nums = Make("TstValues", Env(&draws));
    core::TStatDrawArray values(1);
    values[0].Key = stats::KeyW(27);
    nums->LoadDraws(-1, 0, false);
    core::TCombsArray scratch;
    // out starts empty, then holds a longer list, then a shorter one; scratch is reused.
    core::TCombsArray out;
    for (const bool exclude : {false, true, false}) {
        core::TCombsArray expected;
        std::copy_if(all.begin(), all.end(), std::back_inserter(expected),
                     [&](const core::TComb& c) { return core::InComb(27, c) != exclude; });
        FilterByValues(*nums, values, exclude, false, 0, all, out, &scratch);
        ASSERT_EQ(out.size(), expected.size());
        EXPECT_TRUE(out == expected) << "exclude " << exclude;
    }
    // The sum filter tests two neighbours at once: the same combinations, with either parity
    // of length.
    auto sums = Make("TstSumValues", Env(&draws));
    core::TStatDrawArray middle;
    for (std::uint32_t sum = 120; sum <= 150; sum += 3) {
        core::TStatDrawRec r;
        r.Key = stats::KeyHalves(sum);
        middle.push_back(r);
    }
    sums->LoadDraws(-1, 0, false);
    const auto inMiddle = [](const core::TComb& c) {
        const int sum = c.v[0] + c.v[1] + c.v[2] + c.v[3] + c.v[4];
        return sum >= 120 && sum <= 150 && sum % 3 == 0;
    };
    for (const std::size_t length : {all.size(), all.size() - 1, std::size_t(7), std::size_t(2), std::size_t(1)}) {
        // Short pieces come from the middle of the set, where both answers occur.
        const std::size_t from = std::min(all.size() - length, std::size_t(1'500'000));
        const std::span<const core::TComb> head = std::span<const core::TComb>(all).subspan(from, length);
        for (const bool exclude : {false, true}) {
            core::TCombsArray expected;
            std::copy_if(head.begin(), head.end(), std::back_inserter(expected),
                         [&](const core::TComb& c) { return inMiddle(c) != exclude; });
            FilterByValues(*sums, middle, exclude, false, 0, head, out, &scratch);
            EXPECT_TRUE(out == expected) << "length " << length << " exclude " << exclude;
        }
    }
    // A source just long enough to be shared by both cores, with an odd length.
    const std::span<const core::TComb> part = std::span<const core::TComb>(all).subspan(1000, 70001);
    core::TCombsArray expected;
    std::copy_if(part.begin(), part.end(), std::back_inserter(expected),
                 [](const core::TComb& c) { return core::InComb(27, c); });
    FilterByValues(*nums, values, false, false, 0, part, out);
    EXPECT_TRUE(out == expected);
}

TEST(Narrowing, DeleteSelectedAndFindInDraws)
{
    const core::TCombsArray src = {Comb({1, 2, 3, 4, 5}), Comb({2, 3, 4, 5, 6}), Comb({3, 4, 5, 6, 7})};
    core::TCombsArray out;
    DeleteSelected(src, {false, true}, out);
    EXPECT_EQ(out, core::TCombsArray({Comb({1, 2, 3, 4, 5}), Comb({3, 4, 5, 6, 7})}));

    core::TDrawsArray draws;
    for (int i = 1; i <= 40; ++i)
        draws.push_back(Draw(i, {i % 2 ? 5 : 1, 2, 3, 4, i % 2 ? 1 : 5}));
    draws.push_back(Draw(41, {7, 8, 9, 10, 11}));
    const QStringList found = FindInDraws(draws, Comb({1, 2, 3, 4, 5}));
    ASSERT_EQ(found.size(), 26) << "the search stops once it holds more than 25 draws";
    EXPECT_TRUE(found.front().contains(QStringLiteral("40"))) << "newest first: " << found.front().toStdString();
    EXPECT_TRUE(FindInDraws(draws, Comb({1, 2, 3, 4, 6})).isEmpty());
}

} // namespace

TEST(CombListExclusion, LookingUpTheDrawsInASortedListGivesWhatTestingEveryCombinationGives)
{
    TCombsArray all;
    GenerateCombs(0, QString(), all);
    ASSERT_TRUE(IsStrictlyAscending(all));
    // Drawn order, a draw repeated, and a window reaching past the archive's start.
    const core::TDrawsArray draws{testsupport::MakeDraw(1, {54, 3, 17, 9, 40}), testsupport::MakeDraw(2, {1, 2, 3, 4, 5}),
                                  testsupport::MakeDraw(3, {40, 17, 9, 3, 54}), testsupport::MakeDraw(4, {50, 51, 52, 53, 54})};
    for (const auto& [first, last] : {std::pair{0, 3}, std::pair{-2, 1}, std::pair{2, 2}, std::pair{3, 2}}) {
        TCombsArray slow, fast;
        ExcludeDraws(all, draws, first, last, slow, {});
        ASSERT_TRUE(ExcludeDrawsFromSorted(all, draws, first, last, fast));
        EXPECT_EQ(fast, slow) << first << ".." << last;
    }
    TCombsArray out{{{9, 9, 9, 9, 9}}};
    // A draw that is no five different numbers 1..54 is left to the full comparison.
    const core::TDrawsArray odd{testsupport::MakeDraw(1, {1, 1, 2, 3, 4})};
    EXPECT_FALSE(ExcludeDrawsFromSorted(all, odd, 0, 0, out));
    EXPECT_EQ(out.size(), 1u);
    EXPECT_FALSE(IsStrictlyAscending(TCombsArray{{{1, 2, 3, 4, 6}}, {{1, 2, 3, 4, 5}}}));
    EXPECT_FALSE(IsStrictlyAscending(TCombsArray{{{2, 1, 3, 4, 5}}}));
}
