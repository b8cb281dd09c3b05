// A part of the full set held as positions: building it, combining parts, the filter verdicts
// over all or some positions against the packing pass, and making the list back.

#include "StatTestSupport.h"
#include "TestHelpers.h"

#include "combos/CombList.h"
#include "combos/CombSubset.h"
#include "core/GameMath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

using namespace stattest;
using namespace combos;

namespace {

const core::TCombsArray& fullSet()
{
    static const core::TCombsArray all = [] {
        core::TCombsArray list;
        GenerateCombs(0, QString(), list);
        return list;
    }();
    return all;
}

// A random part of the full set, each position with the given chance, as positions and as list.
std::pair<CombSubset, core::TCombsArray> randomPart(double chance, unsigned seed)
{
    std::mt19937 random(seed);
    std::bernoulli_distribution in(chance);
    core::TCombsArray list;
    for (const core::TComb& c : fullSet())
        if (in(random))
            list.push_back(c);
    return {CombSubset::OfSorted(fullSet(), list), list};
}

TEST(CombSubset, BuiltFromTheWholeSetFromAPartAndWithoutPositions)
{
    const core::TCombsArray& all = fullSet();
    const CombSubset whole = CombSubset::All(all.size());
    EXPECT_TRUE(whole.valid());
    EXPECT_EQ(whole.count(), all.size());
    core::TCombsArray back;
    whole.extract(all, back);
    EXPECT_TRUE(back == all);

    // Sizes that end inside a word keep the bits past the end clear.
    const CombSubset seventy = CombSubset::All(70);
    EXPECT_EQ(seventy.count(), 70u);
    EXPECT_EQ((seventy & CombSubset::All(70)).count(), 70u);

    const auto [part, list] = randomPart(0.3, 5);
    ASSERT_TRUE(part.valid());
    EXPECT_EQ(part.count(), list.size());
    part.extract(all, back);
    EXPECT_TRUE(back == list);

    const std::vector<std::size_t> gone{0, 63, 64, all.size() - 1};
    const CombSubset but = CombSubset::AllBut(all.size(), gone);
    EXPECT_EQ(but.count(), all.size() - gone.size());
    for (std::size_t p : gone)
        EXPECT_FALSE(but.contains(p)) << p;
    EXPECT_TRUE(but.contains(1));
    EXPECT_TRUE(but.contains(65));

    // A list that is not a part of the set in its order is refused.
    core::TCombsArray reversed{all[10], all[5]};
    EXPECT_FALSE(CombSubset::OfSorted(all, reversed).valid());
    core::TCombsArray foreign{Comb({1, 2, 3, 4, 60})};
    EXPECT_FALSE(CombSubset::OfSorted(all, foreign).valid());
    core::TCombsArray twice{all[3], all[3]};
    EXPECT_FALSE(CombSubset::OfSorted(all, twice).valid());
}

TEST(CombSubset, IntersectionDifferenceAndUnionMatchTheLists)
{
    const core::TCombsArray& all = fullSet();
    const auto [a, listA] = randomPart(0.5, 1);
    const auto [b, listB] = randomPart(0.2, 2);
    core::TCombsArray both;
    std::set_intersection(listA.begin(), listA.end(), listB.begin(), listB.end(), std::back_inserter(both),
                          [](const core::TComb& x, const core::TComb& y) {
                              return std::lexicographical_compare(std::begin(x.v), std::end(x.v), std::begin(y.v),
                                                                  std::end(y.v));
                          });
    core::TCombsArray out;
    const CombSubset ab = a & b;
    EXPECT_EQ(ab.count(), both.size());
    ab.extract(all, out);
    EXPECT_TRUE(out == both);

    const CombSubset onlyA = a.without(b);
    EXPECT_EQ(onlyA.count(), listA.size() - both.size());
    CombSubset joined = onlyA;
    joined |= ab;
    joined.extract(all, out);
    EXPECT_TRUE(out == listA);

    // Parts of different sizes do not combine.
    const CombSubset seventy = CombSubset::All(70);
    EXPECT_FALSE((a & CombSubset::All(10)).valid());

    // The counts without making a part, and the intersection in place, agree with the lists.
    EXPECT_EQ(a.countAnd(b), both.size());
    EXPECT_EQ(a.countWithout(b), listA.size() - both.size());
    EXPECT_EQ(a.countAnd(CombSubset::All(10)), 0u);
    CombSubset narrowed = a;
    narrowed &= b;
    EXPECT_EQ(narrowed.count(), both.size());
    narrowed.extract(all, out);
    EXPECT_TRUE(out == both);
    narrowed &= CombSubset::All(10);
    EXPECT_FALSE(narrowed.valid());

    // The union of several parts in one pass, and its complement, as the parts joined one by one.
    const auto [c, listC] = randomPart(0.1, 3);
    CombSubset joinedAll = a;
    joinedAll |= b;
    joinedAll |= c;
    const CombSubset* parts[] = {&a, &b, &c};
    const CombSubset united = CombSubset::Union(parts);
    EXPECT_EQ(united.count(), joinedAll.count());
    EXPECT_EQ(united.countAnd(joinedAll), joinedAll.count());
    const CombSubset none = CombSubset::Union(parts, true);
    EXPECT_EQ(none.count(), all.size() - joinedAll.count());
    EXPECT_EQ(none.countAnd(joinedAll), 0u);
    const CombSubset* mixed[] = {&a, &seventy};
    EXPECT_FALSE(CombSubset::Union(mixed).valid()) << "parts of different sizes";
    EXPECT_EQ(CombSubset::Union(std::span<const CombSubset* const>(parts, 1), true).count(), all.size() - a.count());
    // The same into a part that had other storage, larger and smaller.
    CombSubset into = CombSubset::All(all.size() * 2);
    into.setUnion(parts);
    EXPECT_EQ(into.size(), all.size());
    EXPECT_EQ(into.countAnd(united), united.count());
    EXPECT_EQ(into.count(), united.count());
    into = CombSubset::All(5);
    into.setUnion(parts, true);
    EXPECT_EQ(into.count(), none.count());
    EXPECT_EQ(into.countAnd(none), none.count());
    into.setUnion(mixed);
    EXPECT_FALSE(into.valid());

    // The k-th position, and a part reset and filled again.
    for (const std::size_t k : {std::size_t{0}, std::size_t{1}, both.size() / 2, both.size() - 1})
        EXPECT_TRUE(all[ab.nth(k)] == both[k]) << k;
    CombSubset reused = ab;
    reused.reset();
    EXPECT_FALSE(reused.valid());
    EXPECT_EQ(reused.count(), 0u);
    reused.setAll(70);
    EXPECT_EQ(reused.count(), 70u);
    EXPECT_TRUE(reused.contains(69));
    EXPECT_EQ(reused.nth(69), 69u);
}

TEST(CombSubset, VerdictsOverAllOrSomePositionsAreWhatThePackingPassKeeps)
{
    const core::TCombsArray& all = fullSet();
    core::TDrawsArray draws = {Draw(1, {1, 2, 3, 4, 5})};
    auto nums = Make("TstValues", Env(&draws));
    core::TStatDrawArray values(3);
    values[0].Key = stats::KeyW(7);
    values[1].Key = stats::KeyW(19);
    values[2].Key = stats::KeyW(41);
    nums->LoadDraws(-1, 0, false);
    const auto [part, list] = randomPart(0.25, 9);
    core::TCombsArray scratch;
    for (const bool exclude : {false, true}) {
        // Over the whole set, with both cores.
        core::TCombsArray expected;
        FilterByValues(*nums, values, exclude, false, 0, all, expected);
        const CombSubset whole = CombSubset::Filtered(*nums, values, exclude, false, 0, all);
        core::TCombsArray out;
        whole.extract(all, out);
        ASSERT_EQ(out.size(), expected.size()) << exclude;
        EXPECT_TRUE(out == expected);

        // Over the positions of a part only: the same as filtering its list.
        FilterByValues(*nums, values, exclude, false, 0, list, expected);
        const CombSubset some = part.filtered(*nums, values, exclude, false, 0, all, scratch);
        some.extract(all, out);
        ASSERT_EQ(out.size(), expected.size()) << exclude;
        EXPECT_TRUE(out == expected);
        EXPECT_EQ(some.without(part).count(), 0u);
    }
    // A statistic without a packing kernel of its own (periods of numbers) gives the same too.
    auto periods = Make("TstNumPeriods", Env(&draws));
    ASSERT_TRUE(periods);
    {
        core::TStatDrawArray one(1);
        one[0].Key = stats::KeyW(1);
        periods->LoadDraws(-1, 0, false);
        core::TCombsArray expected;
        FilterByValues(*periods, one, false, false, 0, list, expected);
        core::TCombsArray out;
        part.filtered(*periods, one, false, false, 0, all, scratch).extract(all, out);
        EXPECT_TRUE(out == expected);
    }
}

TEST(CombSubset, DrawnPositionsAreTheCombinationsTheExclusionTakesOut)
{
    const core::TCombsArray& all = fullSet();
    const core::TDrawsArray draws = {Draw(1, {5, 1, 3, 2, 4}), Draw(2, {54, 50, 51, 52, 53}),
                                     Draw(3, {10, 20, 30, 40, 50})};
    const auto drawn = DrawnPositions(all, draws, 0, 2);
    ASSERT_TRUE(drawn.has_value());
    ASSERT_EQ(drawn->size(), 3u);
    core::TCombsArray expected;
    ExcludeDraws(all, draws, 0, 2, expected);
    core::TCombsArray out;
    CombSubset::AllBut(all.size(), *drawn).extract(all, out);
    EXPECT_TRUE(out == expected);
    // A draw with a repeated number is not looked up.
    const core::TDrawsArray odd = {Draw(1, {1, 1, 2, 3, 4})};
    EXPECT_FALSE(DrawnPositions(all, odd, 0, 0).has_value());
}

} // namespace

// The positions whose byte value is chosen, against the value asked one by one: every value,
// sizes around a word and around the sixteen bytes the wide pass takes at once, storage reused.
TEST(CombSubset, PositionsOfChosenValues)
{
    std::mt19937 random(29);
    CombSubset part = CombSubset::All(100000);
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{15}, std::size_t{16},
                                   std::size_t{63}, std::size_t{64}, std::size_t{65}, std::size_t{1000},
                                   std::size_t{4099}}) {
        std::vector<std::uint8_t> values(size);
        for (std::size_t i = 0; i < size; ++i)
            values[i] = i < 256 ? std::uint8_t(i) : std::uint8_t(random());
        for (int round = 0; round < 4; ++round) {
            std::array<std::uint64_t, 4> chosen{};
            if (round == 1)
                chosen.fill(~std::uint64_t{0});
            if (round >= 2)
                for (std::uint64_t& w : chosen)
                    w = std::uint64_t(random()) << 32 | std::uint64_t(random());
            if (round == 3)
                chosen = {0, 0, 0, std::uint64_t{1} << 63}; // value 255 only
            part.setWhere(values, chosen);
            ASSERT_TRUE(part.valid());
            ASSERT_EQ(part.size(), size);
            std::size_t expected = 0;
            for (std::size_t i = 0; i < size; ++i) {
                const bool in = ((chosen[values[i] / 64] >> (values[i] % 64)) & 1) != 0;
                expected += in ? 1 : 0;
                ASSERT_EQ(part.contains(i), in) << "size " << size << " round " << round << " at " << i;
            }
            ASSERT_EQ(part.count(), expected) << "size " << size << " round " << round;
        }
    }
}

// The combinations of the whole set that have one of some numbers, against the generated list
// asked one by one: none, all, the first and last number, and random sets; and the complement.
TEST(CombSubset, WholeSetWithAnyOfSomeNumbers)
{
    core::TCombsArray all;
    GenerateCombs(0, QString(), all);
    ASSERT_EQ(all.size(), 3162510u);
    std::mt19937_64 random(5);
    const std::uint64_t everyNumber = ((std::uint64_t{1} << 55) - 1) & ~std::uint64_t{1};
    std::vector<std::uint64_t> sets = {0, everyNumber, std::uint64_t{1} << 1, std::uint64_t{1} << 54,
                                       (std::uint64_t{1} << 1) | (std::uint64_t{1} << 54)};
    for (int i = 0; i < 4; ++i)
        sets.push_back(random() & random() & everyNumber);
    CombSubset part = CombSubset::All(10);
    for (const std::uint64_t numbers : sets) {
        for (const bool invert : {false, true}) {
            part.setWithAnyNumber(numbers, invert);
            ASSERT_TRUE(part.valid());
            ASSERT_EQ(part.size(), all.size());
            std::size_t expected = 0;
            for (std::size_t i = 0; i < all.size(); ++i) {
                bool has = false;
                for (const std::uint8_t n : all[i].v)
                    has = has || ((numbers >> n) & 1) != 0;
                expected += has != invert ? 1 : 0;
                ASSERT_EQ(part.contains(i), has != invert) << std::hex << numbers << std::dec << " at " << i;
            }
            ASSERT_EQ(part.count(), expected) << std::hex << numbers;
        }
    }
}
