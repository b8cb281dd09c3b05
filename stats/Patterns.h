#pragma once

// The two position patterns that the combination statistics share.
//
// Mix k: every set of k positions p1 < ... < pk of the five, in lexicographic order (10, 10
// and 5 sets for k = 2, 3, 4). Seq k: every run of k neighbouring positions, p ascending (4,
// 3 and 2 runs). A tuple holds the property of p1 in component 0, of p2 in component 1, and so
// on; the components after k are 0.

#include "stats/StatKey.h"

#include <array>
#include <cstdint>

namespace stats {

struct PositionSets
{
    int count = 0;
    std::array<std::array<std::uint8_t, 4>, 10> sets{};
};

constexpr PositionSets MakeMixSets(int k)
{
    PositionSets s;
    // Lexicographic order of the index sets.
    std::array<std::uint8_t, 4> idx{};
    for (int i = 0; i < k; ++i)
        idx[i] = std::uint8_t(i);
    while (true) {
        s.sets[s.count++] = idx;
        int i = k - 1;
        while (i >= 0 && idx[i] == 5 - k + i)
            --i;
        if (i < 0)
            break;
        ++idx[i];
        for (int j = i + 1; j < k; ++j)
            idx[j] = std::uint8_t(idx[j - 1] + 1);
    }
    return s;
}

constexpr PositionSets MakeSeqSets(int k)
{
    PositionSets s;
    for (int p = 0; p + k <= 5; ++p) {
        std::array<std::uint8_t, 4> idx{};
        for (int i = 0; i < k; ++i)
            idx[i] = std::uint8_t(p + i);
        s.sets[s.count++] = idx;
    }
    return s;
}

inline constexpr PositionSets kMixSets[5] = {{}, {}, MakeMixSets(2), MakeMixSets(3), MakeMixSets(4)};
inline constexpr PositionSets kSeqSets[5] = {{}, {}, MakeSeqSets(2), MakeSeqSets(3), MakeSeqSets(4)};

// Calls out(key) for every tuple of the pattern over the five properties prop[0..4].
template <class Out> inline void PatternTuples(const PositionSets& pattern, int k, const std::uint16_t* prop, Out&& out)
{
    for (int t = 0; t < pattern.count; ++t) {
        const auto& idx = pattern.sets[std::size_t(t)];
        TStatKey key;
        for (int i = 0; i < k; ++i)
            key.c[i] = prop[idx[std::size_t(i)]];
        out(key);
    }
}

// As PatternTuples, leaving out every tuple that holds the undefined property (a number that
// lies in no channel, column, row or segment).
template <class Prop, class Out>
inline void DefinedPatternTuples(const PositionSets& pattern, int k, const Prop* prop, Prop undefined, Out&& out)
{
    for (int t = 0; t < pattern.count; ++t) {
        const auto& idx = pattern.sets[std::size_t(t)];
        TStatKey key;
        bool defined = true;
        for (int i = 0; i < k; ++i) {
            key.c[i] = prop[idx[std::size_t(i)]];
            defined = defined && prop[idx[std::size_t(i)]] != undefined;
        }
        if (defined)
            out(key);
    }
}

static_assert(kMixSets[2].count == 10 && kMixSets[3].count == 10 && kMixSets[4].count == 5);
static_assert(kSeqSets[2].count == 4 && kSeqSets[3].count == 3 && kSeqSets[4].count == 2);
static_assert(kMixSets[2].sets[4][0] == 1 && kMixSets[2].sets[4][1] == 2); // (2,3) after (1,5)

} // namespace stats
