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

SystemGuaranteeResult SystemGuarantee(const std::vector<SystemLine>& lines, int nums, int claimed)
{
    SystemGuaranteeResult result;
    if (nums < 5 || nums > SystemNumsMax)
        return result;
    std::int64_t draws = 1;
    for (int k = 0; k < 5; ++k)
        draws = draws * (nums - k) / (k + 1);
    result.Draws = draws;

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

    std::vector<Lanes> partial(4 * blocks);
    Lanes* s1 = partial.data();
    Lanes* s2 = s1 + blocks;
    Lanes* s3 = s2 + blocks;
    Lanes* s4 = s3 + blocks;
    const int n = nums;
    for (int a = 0; a < n - 4; ++a) {
        std::copy_n(row(a), blocks, s1);
        for (int b = a + 1; b < n - 3; ++b) {
            const Lanes* mb = row(b);
            for (std::size_t i = 0; i < blocks; ++i)
                s2[i] = s1[i] + mb[i];
            for (int c = b + 1; c < n - 2; ++c) {
                const Lanes* mc = row(c);
                for (std::size_t i = 0; i < blocks; ++i)
                    s3[i] = s2[i] + mc[i];
                for (int d = c + 1; d < n - 1; ++d) {
                    const Lanes* md = row(d);
                    for (std::size_t i = 0; i < blocks; ++i)
                        s4[i] = s3[i] + md[i];
                    for (int e = d + 1; e < n; ++e) {
                        const Lanes* me = row(e);
                        Lanes best{};
                        for (std::size_t i = 0; i < blocks; ++i)
                            best = lanesMax(best, s4[i] + me[i]);
                        int top = 0;
                        for (std::size_t j = 0; j < LaneWidth; ++j)
                            top = std::max(top, int(best[j]));
                        ++result.Best[top];
                    }
                }
            }
        }
    }
    result.Guarantee = 5;
    for (int k = 0; k <= 5; ++k) {
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
