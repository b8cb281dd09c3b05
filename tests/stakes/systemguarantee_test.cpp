// The guarantee of a system: the smallest best match over every draw of five of its numbers.

#include "stakes/SystemGuarantee.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>

using namespace stakes;

namespace {

// The straightforward walk, one set of m numbers and one line at a time.
SystemGuaranteeResult slowGuarantee(const std::vector<SystemLine>& lines, int n, int claimed, int m = 5)
{
    SystemGuaranteeResult r;
    for (unsigned set = 0; set < (1u << n); ++set) {
        if (std::popcount(set) != m)
            continue;
        int best = 0;
        for (const SystemLine& line : lines) {
            int hits = 0;
            for (int p : line)
                hits += (set >> (p - 1)) & 1u;
            best = std::max(best, hits);
        }
        ++r.Draws;
        ++r.Best[best];
        r.Misses += best < claimed ? 1 : 0;
    }
    r.Guarantee = m;
    for (int k = m; k >= 0; --k)
        if (r.Best[k] > 0)
            r.Guarantee = k;
    return r;
}

std::vector<SystemLine> randomSystem(int n, int count, unsigned seed)
{
    std::mt19937 rng(seed);
    std::vector<std::uint8_t> positions(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        positions[std::size_t(i)] = std::uint8_t(i + 1);
    std::vector<SystemLine> lines;
    for (int i = 0; i < count; ++i) {
        std::shuffle(positions.begin(), positions.end(), rng);
        lines.push_back({positions[0], positions[1], positions[2], positions[3], positions[4]});
    }
    return lines;
}

} // namespace

TEST(SystemGuaranteeTest, SmallSystemsWorkedOutByHand)
{
    // Six numbers, every five of them: each draw is a line.
    std::vector<SystemLine> full6;
    for (int skip = 1; skip <= 6; ++skip) {
        SystemLine line{};
        int k = 0;
        for (int p = 1; p <= 6; ++p)
            if (p != skip)
                line[std::size_t(k++)] = std::uint8_t(p);
        full6.push_back(line);
    }
    SystemGuaranteeResult g = SystemGuarantee(full6, 6, 5);
    EXPECT_EQ(g.Draws, 6);
    EXPECT_EQ(g.Guarantee, 5);
    EXPECT_EQ(g.Misses, 0);

    // Seven numbers, one line 1..5: a draw holds none, one or both of 6 and 7.
    g = SystemGuarantee({SystemLine{1, 2, 3, 4, 5}}, 7, 4);
    EXPECT_EQ(g.Draws, 21);
    EXPECT_EQ(g.Guarantee, 3);
    EXPECT_EQ(g.Best[5], 1);
    EXPECT_EQ(g.Best[4], 10);
    EXPECT_EQ(g.Best[3], 10);
    EXPECT_EQ(g.Misses, 10) << "block 4 fails where the draw holds both 6 and 7";

    // Ten numbers in two halves: a draw splits k : 5-k, and the better half has at least 3.
    g = SystemGuarantee({SystemLine{1, 2, 3, 4, 5}, SystemLine{6, 7, 8, 9, 10}}, 10, 4);
    EXPECT_EQ(g.Draws, 252);
    EXPECT_EQ(g.Guarantee, 3);
    EXPECT_EQ(g.Best[5], 2);
    EXPECT_EQ(g.Best[4], 50);
    EXPECT_EQ(g.Best[3], 200);
    EXPECT_EQ(g.Misses, 200);
    EXPECT_EQ(SystemGuarantee({SystemLine{1, 2, 3, 4, 5}, SystemLine{6, 7, 8, 9, 10}}, 10, 3).Misses, 0);

    // No lines: every draw's best is 0.
    g = SystemGuarantee({}, 8, 1);
    EXPECT_EQ(g.Guarantee, 0);
    EXPECT_EQ(g.Misses, 56);
    EXPECT_EQ(SystemGuarantee({SystemLine{1, 2, 3, 4, 5}}, 4, 1).Draws, 0) << "fewer than five numbers";
}

TEST(SystemGuaranteeTest, AgreesWithTheStraightforwardWalk)
{
    // More than one block of 32 lines, and a count that leaves a partial block.
    for (const auto& [n, count, seed] :
         {std::tuple{11, 70, 1u}, std::tuple{12, 33, 2u}, std::tuple{14, 5, 3u}, std::tuple{9, 1, 4u}}) {
        const std::vector<SystemLine> lines = randomSystem(n, count, seed);
        for (int m = 1; m <= 5; ++m) {
            for (int claimed : {0, 3, 5}) {
                const SystemGuaranteeResult fast = SystemGuarantee(lines, n, claimed, m);
                const SystemGuaranteeResult slow = slowGuarantee(lines, n, claimed, m);
                EXPECT_EQ(fast.Guarantee, slow.Guarantee) << n << " " << count << " m=" << m;
                EXPECT_EQ(fast.Draws, slow.Draws);
                EXPECT_EQ(fast.Misses, slow.Misses);
                for (int k = 0; k <= 5; ++k)
                    EXPECT_EQ(fast.Best[k], slow.Best[k]) << n << " " << count << " m=" << m << " k=" << k;
            }
        }
    }
}
