#include "StakeTestSupport.h"
#include "stakes/StakeIndex.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

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
    EXPECT_FALSE(index.contains(-1, Numbers({})));
    EXPECT_TRUE(index.insert(-1, Numbers({})));
    EXPECT_TRUE(index.contains(-1, Numbers({})));
    EXPECT_EQ(index.size(), 2u);
    index.clear();
    EXPECT_FALSE(index.contains(1, Numbers({1, 2, 3, 4, 5})));
}

TEST(StakeIndexTest, GrowingKeepsEveryKey)
{
    StakeIndex index;
    std::set<std::pair<int, std::uint64_t>> reference;
    QRandomGenerator random(3);
    for (int i = 0; i < 100000; ++i) {
        const int draw = random.bounded(1, 1000);
        const int a = random.bounded(1, 50);
        const auto set = Numbers({a, a + 1, a + 2, a + 3, a + 4});
        const bool fresh = reference.insert({draw, std::uint64_t(a)}).second;
        EXPECT_EQ(index.insert(draw, set), fresh);
    }
    EXPECT_EQ(index.size(), reference.size());
    for (const auto& [draw, a] : reference) {
        const int v = int(a);
        ASSERT_TRUE(index.contains(draw, Numbers({v + 4, v + 3, v + 2, v + 1, v})));
    }
}
