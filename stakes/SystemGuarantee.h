#pragma once

// What a wheeling system really guarantees. Over every set of m drawn numbers among the
// system's N (m = 5 for a draw wholly inside the system), the best line is the one sharing most
// numbers with the set; the smallest such best match over all C(N,m) sets is the guarantee "t if
// m". The block an author claims is checked against the same walk: the sets whose best match
// falls short of it are counted.

#include "stakes/SystemFile.h"

#include <cstdint>
#include <vector>

namespace stakes {

struct SystemGuaranteeResult
{
    int Guarantee = 0;         // the smallest best match, 0..m
    std::int64_t Draws = 0;    // C(N,m)
    std::int64_t Misses = 0;   // sets whose best match is below the claimed block
    std::int64_t Best[6] = {}; // sets by their best match
};

// lines hold positions 1..nums (5 <= nums <= 54); claimed is the block 0..5 to count misses of;
// drawn is m, 1..5, the count of drawn numbers among the N.
SystemGuaranteeResult SystemGuarantee(const std::vector<SystemLine>& lines, int nums, int claimed, int drawn = 5);

} // namespace stakes
