#include "StakeTestSupport.h"
#include "stakes/StakeIndex.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace stakes;
using namespace stakestest;

TEST(StakeIndexTest, KeysAreTheDrawAndTheNumbersInAnyOrder)
{
    StakeIndex index;
    EXPECT_FALSE(index.contains(1, Numbers({1, 2, 3, 4, 5})));
    EXPECT_TRUE(index.insert(1, Numbers({5, 4, 3, 2, 1})));
    EXPECT_FALSE(index.insert(1, Numbers({1, 2, 3, 4, 5}))) << "the same numbers in another order";
    EXPECT_TRUE(index.contains(1, Numbers({3, 1, 2, 5, 4})));
    EXPECT_FALSE(index.contains(2, Numbers({1, 2, 3, 4, 5})));
    EXPECT_FALSE(index.contains(1, Numbers({1, 2, 3, 4, 6})));
    EXPECT_FALSE(index.contains(1, Numbers({1, 2, 3, 4})));
    EXPECT_EQ(index.size(), 1u);
    index.clear();
    EXPECT_FALSE(index.contains(1, Numbers({1, 2, 3, 4, 5})));
    EXPECT_EQ(index.size(), 0u);
}

TEST(StakeIndexTest, SetsThatAreNoCombinationAreKeptExactlyToo)
{
    StakeIndex index;
    // Separators, six numbers, numbers out of range and repeats.
    for (const core::TValueSet& odd : {Numbers({}), Numbers({1, 2, 3, 4, 5, 6}), Numbers({0, 1, 2, 3, 4}),
                                       Numbers({1, 2, 3, 4, 55}), Numbers({1, 1, 2, 3, 4})}) {
        EXPECT_EQ(StakeIndex::CombRank(odd), -1);
        EXPECT_FALSE(index.contains(-1, odd));
        EXPECT_TRUE(index.insert(-1, odd));
        EXPECT_TRUE(index.contains(-1, odd));
        EXPECT_FALSE(index.contains(3, odd));
    }
    EXPECT_TRUE(index.contains(-1, Numbers({6, 5, 4, 3, 2, 1})));
    EXPECT_FALSE(index.contains(-1, Numbers({1, 2, 2, 3, 4}))) << "repeats count";
    EXPECT_FALSE(index.contains(-1, Numbers({1, 2, 3, 4, 5})));
    EXPECT_EQ(index.size(), 5u);
}

TEST(StakeIndexTest, EveryCombinationHasARankOfItsOwn)
{
    std::vector<bool> seen(3162510, false);
    int count = 0;
    for (int a = 1; a <= 50; ++a)
        for (int b = a + 1; b <= 51; ++b)
            for (int c = b + 1; c <= 52; ++c)
                for (int d = c + 1; d <= 53; ++d)
                    for (int e = d + 1; e <= 54; ++e) {
                        const std::int32_t rank = StakeIndex::CombRank(Numbers({e, c, a, d, b}));
                        ASSERT_GE(rank, 0);
                        ASSERT_LT(rank, 3162510);
                        ASSERT_FALSE(seen[std::size_t(rank)]) << a << ' ' << b << ' ' << c << ' ' << d << ' ' << e;
                        seen[std::size_t(rank)] = true;
                        ++count;
                    }
    EXPECT_EQ(count, 3162510);
}

TEST(StakeIndexTest, ManyStakesOfOneDrawAndFewOfManyDraws)
{
    QRandomGenerator random(3);
    const auto randomComb = [&] {
        std::set<int> numbers;
        while (numbers.size() < 5)
            numbers.insert(random.bounded(1, 55));
        std::vector<int> v(numbers.begin(), numbers.end());
        return Numbers({v[3], v[0], v[4], v[2], v[1]});
    };
    StakeIndex index;
    std::map<std::pair<int, int>, core::TValueSet> reference;
    // Draw 7 gets far more stakes than a small set holds, so it changes to a bit per combination
    // on the way; the other draws stay small.
    for (int i = 0; i < 150000; ++i) {
        const int draw = i % 5 == 0 ? random.bounded(1, 1000) : 7;
        const core::TValueSet set = randomComb();
        const bool fresh = reference.insert({{draw, StakeIndex::CombRank(set)}, set}).second;
        ASSERT_EQ(index.insert(draw, set), fresh) << i;
    }
    EXPECT_EQ(index.size(), reference.size());
    for (const auto& [key, set] : reference)
        ASSERT_TRUE(index.contains(key.first, set));
    int absent = 0;
    for (int i = 0; i < 100000; ++i) {
        const int draw = i % 2 ? 7 : random.bounded(1, 1000);
        const core::TValueSet set = randomComb();
        const bool expected = reference.count({draw, StakeIndex::CombRank(set)}) > 0;
        ASSERT_EQ(index.contains(draw, set), expected);
        absent += !expected;
    }
    EXPECT_GT(absent, 0);
}
