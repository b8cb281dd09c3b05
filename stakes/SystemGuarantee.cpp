#include "stakes/SystemGuarantee.h"

#include <algorithm>
#include <cstring>

namespace stakes {

namespace {

// Sixteen lines at once, one register wide: one byte per line holds how many of its positions
// the draw so far has.
using Lanes = std::uint8_t __attribute__((vector_size(16)));
constexpr std::size_t LaneWidth = sizeof(Lanes);

inline Lanes lanesMax(Lanes a, Lanes b)
{
    const Lanes greater = reinterpret_cast<Lanes>(a > b);
    return (a & greater) | (b & ~greater);
}

} // namespace

SystemGuaranteeResult SystemGuarantee(const std::vector<SystemLine>& lines, int nums, int claimed, int drawn)
{
    SystemGuaranteeResult result;
    if (nums < 5 || nums > SystemNumsMax || drawn < 1 || drawn > 5)
        return result;
    std::int64_t sets = 1;
    for (int k = 0; k < drawn; ++k)
        sets = sets * (nums - k) / (k + 1);
    result.Draws = sets;

    // member[p] has a 1 in the byte of every line that holds position p + 1.
    const std::size_t blocks = std::max<std::size_t>(1, (lines.size() + LaneWidth - 1) / LaneWidth);
    std::vector<Lanes> member(std::size_t(nums) * blocks);
    std::memset(static_cast<void*>(member.data()), 0, member.size() * sizeof(Lanes));
    for (std::size_t l = 0; l < lines.size(); ++l) {
        for (std::uint8_t p : lines[l]) {
            if (p >= 1 && p <= nums)
                member[std::size_t(p - 1) * blocks + l / LaneWidth][l % LaneWidth] = 1;
        }
    }
    const auto row = [&](int p) { return member.data() + std::size_t(p) * blocks; };

    // partial[d] holds, per line, how many of the first d + 1 chosen numbers it has.
    std::vector<Lanes> partial(std::size_t(drawn) * blocks);
    const auto level = [&](int d) { return partial.data() + std::size_t(d) * blocks; };
    const int n = nums;
    const int last = drawn - 1;
    int chosen[5] = {};
    int depth = 0;
    chosen[0] = 0;
    // An explicit stack over the chosen numbers in increasing order; the last one sums into a
    // register instead of a level.
    while (depth >= 0) {
        if (chosen[depth] > n - drawn + depth) {
            --depth;
            if (depth >= 0)
                ++chosen[depth];
            continue;
        }
        const Lanes* m = row(chosen[depth]);
        if (depth < last) {
            Lanes* to = level(depth);
            if (depth == 0) {
                std::copy_n(m, blocks, to);
            } else {
                const Lanes* from = level(depth - 1);
                for (std::size_t i = 0; i < blocks; ++i)
                    to[i] = from[i] + m[i];
            }
            ++depth;
            chosen[depth] = chosen[depth - 1] + 1;
            continue;
        }
        // The last number: every choice of it completes one set.
        const Lanes* from = last > 0 ? level(last - 1) : nullptr;
        for (int e = chosen[depth]; e < n; ++e) {
            const Lanes* me = row(e);
            Lanes best{};
            if (from) {
                for (std::size_t i = 0; i < blocks; ++i)
                    best = lanesMax(best, from[i] + me[i]);
            } else {
                for (std::size_t i = 0; i < blocks; ++i)
                    best = lanesMax(best, me[i]);
            }
            int top = 0;
            for (std::size_t j = 0; j < LaneWidth; ++j)
                top = std::max(top, int(best[j]));
            ++result.Best[top];
        }
        chosen[depth] = n; // done with this level
    }
    result.Guarantee = drawn;
    for (int k = 0; k <= drawn; ++k) {
        if (result.Best[k] > 0) {
            result.Guarantee = k;
            break;
        }
    }
    for (int k = 0; k < std::clamp(claimed, 0, 6); ++k)
        result.Misses += result.Best[k];
    return result;
}

} // namespace stakes
