#include "core/GameMath.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace core;

namespace {

TDrawRec makeDraw(std::initializer_list<int> values, int extra = 0)
{
    TDrawRec d;
    d.Num = 77;
    d.Extra = static_cast<std::uint8_t>(extra);
    int i = 0;
    for (int v : values)
        d.Values[i++] = static_cast<std::uint8_t>(v);
    return d;
}

TComb makeComb(int a, int b, int c, int d, int e)
{
    return TComb{{static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(c),
                  static_cast<std::uint8_t>(d), static_cast<std::uint8_t>(e)}};
}

} // namespace

TEST(GameMath, FactorialAndBinomial)
{
    EXPECT_EQ(Factorial(0), 1.0L);
    EXPECT_EQ(Factorial(20), static_cast<long double>(2432902008176640000ULL));

    EXPECT_EQ(Binomial(54, 5), 3162510);
    EXPECT_EQ(TotalCombs(), 3162510);
    EXPECT_EQ(Binomial(54, 27), 1946939425648112LL);
    EXPECT_EQ(Binomial(54, 1), 54);
    // k >= n counts as one way, even past n.
    EXPECT_EQ(Binomial(5, 5), 1);
    EXPECT_EQ(Binomial(3, 7), 1);
    for (int n = 2; n <= 54; ++n)
        for (int k = 1; k < n; ++k)
            ASSERT_EQ(Binomial(n, k), Binomial(n - 1, k - 1) + Binomial(n - 1, k)) << n << " " << k;
}

TEST(GameMath, HitCombinationsSplitTheFullSet)
{
    const std::int64_t expected[6] = {1906884, 1059380, 184240, 11760, 245, 1};
    std::int64_t total = 0;
    for (int k = 0; k <= 5; ++k) {
        EXPECT_EQ(HitCombinations(54, 5, k), expected[k]) << k;
        total += HitCombinations(54, 5, k);
    }
    EXPECT_EQ(total, TotalCombs());
    EXPECT_EQ(HitCombinations(54, 5, 6), 0);
    EXPECT_EQ(HitCombinations(5, 5, 5), 1);
}

TEST(GameMath, SumsAndGroups)
{
    EXPECT_EQ(RunSumUp(1, 5), MinSum);
    EXPECT_EQ(RunSumDown(54, 5), MaxSum);
    EXPECT_EQ(RunSumDown(7, 0), 0);

    EXPECT_EQ(CeilDiv(54, 6), 9);
    EXPECT_EQ(CeilDiv(55, 6), 10);
    EXPECT_EQ(CeilDiv(0, 6), 0);

    EXPECT_EQ(GroupCount(1, 54, 6), 9);
    EXPECT_EQ(GroupCount(1, 54, 5), 11);
    EXPECT_EQ(GroupCount(5, 10, 3), 2);
    EXPECT_EQ(GroupCount(0, 12, 4), 3); // from 0 the span is last, not last + 1
}

TEST(GameMath, MatrixCellsCoverEveryNumberOnce)
{
    for (int cols : {1, 6, 7, 10}) {
        for (int n = 1; n <= NumberCount; ++n) {
            const int col = MatrixCol(n, cols);
            const int row = MatrixRow(n, cols);
            ASSERT_GE(col, 1);
            ASSERT_LE(col, cols);
            ASSERT_EQ((row - 1) * cols + col, n);
        }
    }
    EXPECT_EQ(MatrixCol(54, 10), 4);
    EXPECT_EQ(MatrixRow(54, 10), 6);
}

TEST(GameMath, ShiftWrapsOnce)
{
    EXPECT_EQ(ShiftNumber(54, 1), 1);
    EXPECT_EQ(ShiftNumber(1, -1), 54);
    EXPECT_EQ(ShiftNumber(10, 0), 10);
    EXPECT_EQ(ShiftNumber(0, 0), 0);
    EXPECT_EQ(ShiftNumber(30, 24), 54);
    EXPECT_EQ(ShiftNumber(30, -29), 1);
    EXPECT_EQ(ShiftComb(makeComb(50, 51, 52, 53, 54), 5), makeComb(1, 2, 3, 4, 5));
    EXPECT_EQ(ShiftComb(makeComb(1, 20, 3, 40, 5), -3), makeComb(52, 17, 54, 37, 2));
}

TEST(GameMath, DiffChain)
{
    const std::uint8_t five[] = {1, 12, 30, 31, 54}; // 11 18 1 23 -> 7 17 22 -> 10 5 -> 5
    EXPECT_EQ(DiffChain(five, 5, 0), TByteArray{5});

    // 2 5 9 -> 3 4: the last difference is 1 and the pair sums to 7.
    const std::uint8_t three[] = {2, 5, 9};
    EXPECT_EQ(DiffChain(three, 3, 0), TByteArray{1});
    EXPECT_EQ(DiffChain(three, 3, 1), (TByteArray{7}));
    EXPECT_EQ(DiffChain(three, 3, 2), (TByteArray{1, 7}));

    const std::uint8_t equal[] = {5, 5};
    EXPECT_EQ(DiffChain(equal, 2, 0), TByteArray{0});
    EXPECT_EQ(DiffChain(equal, 2, 1), TByteArray{10});
    EXPECT_EQ(DiffChain(equal, 2, 2), TByteArray{10});

    const std::uint8_t apart[] = {7, 3};
    for (int mode = 0; mode <= 2; ++mode)
        EXPECT_EQ(DiffChain(apart, 2, mode), TByteArray{4}) << mode;
}

TEST(GameMath, NumberColorPalette)
{
    const std::uint32_t palette[19] = {0xAAFFAA, 0xAAFFFF, 0xFFFFAA, 0xAAAAFF, 0xFFAAAA, 0xAAD5FF, 0xFFAAD5,
                                       0xD4D4D4, 0xFFD5AA, 0xD5AAFF, 0xD5FFD5, 0xD5FFFF, 0xFFFFD5, 0xD5D5FF,
                                       0xFFD5D5, 0xD5EAFF, 0xFFD5EA, 0xE9E9E9, 0xFFEAD5};
    for (int g = 1; g <= 19; ++g)
        EXPECT_EQ(NumberColor(g, 1), palette[g - 1]) << g;
    EXPECT_EQ(NumberColor(0, 6), 255u);
    EXPECT_EQ(NumberColor(55, 6), 255u);
    EXPECT_EQ(NumberColor(54, 6), palette[8]);
    EXPECT_EQ(NumberColor(6, 6), palette[0]);
    EXPECT_EQ(NumberColor(38, 2), palette[18]);
    EXPECT_EQ(NumberColor(40, 2), palette[0]); // group 20 starts the palette again
}

TEST(GameMath, Membership)
{
    const TDrawRec draw = makeDraw({17, 3, 54, 21, 8});
    EXPECT_TRUE(InDraw(54, draw));
    EXPECT_FALSE(InDraw(4, draw));
    EXPECT_TRUE(InComb(3, makeComb(1, 2, 3, 4, 5)));
    EXPECT_FALSE(InComb(6, makeComb(1, 2, 3, 4, 5)));

    EXPECT_TRUE(GroupInDraw(9, draw, 6));  // 54
    EXPECT_FALSE(GroupInDraw(5, draw, 6)); // 25..30
    TSegmentMap table = defaultSegments();
    table[20] = 7; // number 21
    EXPECT_TRUE(TableInDraw(7, draw, table.data()));
    EXPECT_FALSE(TableInDraw(8, draw, table.data()));

    EXPECT_EQ(SameNumbersCount(draw, makeComb(3, 8, 17, 21, 54)), 5);
    EXPECT_EQ(SameNumbersCount(draw, makeComb(1, 3, 9, 21, 50)), 2);
    EXPECT_EQ(SameNumbersCount(draw, makeComb(1, 2, 4, 5, 6)), 0);
    EXPECT_EQ(SameNumbersCount2(draw, makeDraw({8, 9, 10, 54, 1})), 2);

    TByteArray arr;
    ByteArrayAddUnique(5, arr);
    ByteArrayAddUnique(5, arr);
    ByteArrayAdd(5, arr);
    EXPECT_EQ(arr, (TByteArray{5, 5}));
    EXPECT_TRUE(InByteArray(5, arr));
    EXPECT_FALSE(InByteArray(6, arr));
}

TEST(GameMath, ValueSets)
{
    const TDrawRec draw = makeDraw({40, 3, 17, 9, 25});
    const TValueSet set{4, {9, 40, 3, 50}};
    const TValueSet common = DrawIntersect(draw, set);
    ASSERT_EQ(common.Count, 3);
    EXPECT_EQ(common.Values[0], 3);
    EXPECT_EQ(common.Values[1], 9);
    EXPECT_EQ(common.Values[2], 40);

    EXPECT_TRUE(ValueSetEqual(TValueSet{3, {40, 3, 9}}, common));
    EXPECT_FALSE(ValueSetEqual(TValueSet{3, {40, 3, 10}}, common));
    EXPECT_FALSE(ValueSetEqual(TValueSet{2, {3, 9}}, common));

    const TValueSet fromComb = ValueSetFromComb(makeComb(5, 1, 4, 2, 3));
    EXPECT_EQ(fromComb.Count, 5);
    EXPECT_EQ(fromComb.Values[4], 3);
    EXPECT_EQ(CombFromDraw(draw), makeComb(40, 3, 17, 9, 25));
}

TEST(GameMath, DistinctNumbersStopAtAllNumbers)
{
    const TComb combs[] = {makeComb(5, 1, 2, 3, 4), makeComb(4, 5, 6, 7, 1)};
    EXPECT_EQ(DistinctNumbers(combs, 2), 7);
    EXPECT_EQ(DistinctNumbers(combs, 0), 0);
    EXPECT_EQ(CollectNumbers(combs, 2), (TByteArray{5, 1, 2, 3, 4, 6, 7}));

    // Eleven combinations cover 1..55; collection must stop at 54 numbers.
    std::vector<TComb> all;
    for (int first = 1; first <= 51; first += 5)
        all.push_back(makeComb(first, first + 1, first + 2, first + 3, first + 4));
    EXPECT_EQ(DistinctNumbers(all.data(), all.size()), NumberCount);
    const TByteArray numbers = CollectNumbers(all.data(), all.size());
    ASSERT_EQ(numbers.size(), std::size_t{NumberCount});
    EXPECT_EQ(numbers.back(), 54);
}

TEST(GameMath, SmallSorts)
{
    TComb c = makeComb(54, 3, 17, 3, 1);
    SortComb(c);
    EXPECT_EQ(c, makeComb(1, 3, 3, 17, 54));

    TDrawRec d = makeDraw({9, 8, 7, 6, 5}, 4);
    SortDrawValues(d);
    EXPECT_EQ(CombFromDraw(d), makeComb(5, 6, 7, 8, 9));
    EXPECT_EQ(d.Extra, 4);
    EXPECT_EQ(d.Num, 77);

    TValueSet s{3, {30, 10, 20, 2, 1}};
    SortValueSet(s);
    EXPECT_EQ(std::vector<int>(s.Values, s.Values + 5), (std::vector<int>{10, 20, 30, 2, 1}));
}

TEST(GameMath, ArraySortsAreStable)
{
    TIntArray ints{3, -1, 10, 3, 0};
    SortIntArrayDesc(ints);
    EXPECT_EQ(ints, (TIntArray{10, 3, 3, 0, -1}));

    TStatSimpleArray simple{{5, 0}, {2, 1}, {5, 2}, {-1, 3}, {2, 4}};
    SortStatSimple(simple);
    std::vector<std::pair<int, int>> got;
    for (const auto& e : simple)
        got.emplace_back(e.Key, e.Count);
    EXPECT_EQ(got, (std::vector<std::pair<int, int>>{{-1, 3}, {2, 1}, {2, 4}, {5, 0}, {5, 2}}));

    // Small and large arrays alike: keys ascending, components unsigned, equal keys in input order.
    for (int size : {7, 300}) {
        TStatDrawArray arr(static_cast<std::size_t>(size));
        for (int i = 0; i < size; ++i) {
            arr[i].Count = i;
            arr[i].Key.c[0] = (i * 7) % 3 == 0 ? 0x8000 : 0x7FFF;
            arr[i].Key.c[3] = static_cast<std::uint16_t>((i * 5) % 4);
        }
        StatDrawSort(arr);
        for (int i = 1; i < size; ++i) {
            const TStatKey& a = arr[i - 1].Key;
            const TStatKey& b = arr[i].Key;
            const bool ordered = std::lexicographical_compare(a.c, a.c + 4, b.c, b.c + 4);
            ASSERT_TRUE(ordered || (a == b && arr[i - 1].Count < arr[i].Count)) << size << " at " << i;
        }
        EXPECT_EQ(arr.front().Key.c[0], 0x7FFF);
        EXPECT_EQ(arr.back().Key.c[0], 0x8000);
    }
}

TEST(GameMath, DivisionRoundsHalvesToEven)
{
    EXPECT_EQ(DivRoundHalfEven(5, 2), 2);
    EXPECT_EQ(DivRoundHalfEven(7, 2), 4);
    EXPECT_EQ(DivRoundHalfEven(-5, 2), -2);
    EXPECT_EQ(DivRoundHalfEven(-7, 2), -4);
    EXPECT_EQ(DivRoundHalfEven(-40000, 2), -20000);
    EXPECT_EQ(DivRoundHalfEven(10, 3), 3);
    EXPECT_EQ(DivRoundHalfEven(-10, 3), -3);
    EXPECT_EQ(DivRoundHalfEven(11, 3), 4);
    EXPECT_EQ(DivRoundHalfEven(-11, 3), -4);
    EXPECT_EQ(RoundHalfEven(2.5L), 2);
    EXPECT_EQ(RoundHalfEven(-3.5L), -4);
}
