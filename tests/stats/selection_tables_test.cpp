// The statistics that answer a filter's question from tables built for the pass: whatever the
// selection, a combination stays exactly when one of its own values is among the selected ones.

#include "StatTestSupport.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <set>

using namespace stattest;

namespace {

void checkAgainstValues(const char* className, const core::TConfigData& config, int param)
{
    QRandomGenerator random(5);
    const auto randomComb = [&] {
        std::set<int> numbers;
        while (numbers.size() < 5)
            numbers.insert(random.bounded(1, 55));
        std::vector<int> v(numbers.begin(), numbers.end());
        return Comb({v[0], v[1], v[2], v[3], v[4]});
    };
    // The combinations are also the draws of an archive, so the statistic lists the values of
    // each through its draw.
    std::vector<core::TComb> combs;
    core::TDrawsArray draws;
    for (int i = 0; i < 400; ++i) {
        combs.push_back(randomComb());
        const core::TComb& c = combs.back();
        draws.push_back(Draw(i + 1, {c.v[0], c.v[1], c.v[2], c.v[3], c.v[4]}));
    }
    const auto stat = Make(className, Env(&draws, config), param);
    std::vector<std::set<std::uint64_t>> keys;
    for (int i = 0; i < int(draws.size()); ++i) {
        std::set<std::uint64_t> k;
        for (const core::TStatDrawRec& r : DrawValues(*stat, i, i))
            k.insert(stats::KeyBits(r.Key));
        ASSERT_FALSE(k.empty()) << className;
        keys.push_back(k);
    }
    // Selections drawn from the values of the combinations, some with values none has, of a
    // few rows and of many.
    for (int round = 0; round < 40; ++round) {
        core::TStatDrawArray rows;
        const int size = round % 2 ? 3 : 60;
        while (int(rows.size()) < size) {
            const core::TStatDrawArray values = DrawValues(*stat, random.bounded(int(draws.size())), 0);
            core::TStatDrawRec r = values[std::size_t(random.bounded(int(values.size())))];
            if (round % 5 == 0)
                r.Key.c[1] = std::uint16_t(r.Key.c[1] + 70);
            rows.push_back(r);
        }
        std::set<std::uint64_t> selected;
        for (const auto& r : rows)
            selected.insert(stats::KeyBits(r.Key));
        const stats::TSelection selection(rows);
        std::vector<std::uint8_t> matches(combs.size());
        stat->TestCombs(combs, selection, false, false, 0, matches.data());
        int hits = 0;
        for (std::size_t i = 0; i < combs.size(); ++i) {
            bool expected = false;
            for (std::uint64_t k : keys[i])
                expected = expected || selected.count(k) > 0;
            hits += expected;
            ASSERT_EQ(matches[i] != 0, expected) << className << " round " << round << " comb " << i;
            ASSERT_EQ(stat->TestComb(combs[i], selection, false, false, 0), expected) << className;
        }
        if (round % 5 != 0) {
            EXPECT_GT(hits, 0) << className << " round " << round;
        }
    }
}

} // namespace

TEST(SelectionTables, MatrixValuesPerColumnAndRow)
{
    for (int cols : {6, 1, 7, 54}) {
        core::TConfigData config;
        config.MatrixCols = cols;
        checkAgainstValues("TstColValues", config, 0);
        checkAgainstValues("TstRowValues", config, 0);
    }
}

TEST(SelectionTables, CombinedValuesOfTwoThreeAndFourNumbers)
{
    for (const char* cls : {"TstCombValMix2", "TstCombValMix3", "TstCombValMix4", "TstCombValSeq2", "TstCombValSeq3",
                            "TstCombValSort2", "TstCombValSort3"})
        checkAgainstValues(cls, {}, 0);
    for (int start : {1, 3, 4})
        checkAgainstValues("TstCombValPos2", {}, start);
    checkAgainstValues("TstCombValPos3", {}, 2);
}
