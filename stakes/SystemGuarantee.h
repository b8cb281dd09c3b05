#pragma once

// What a wheeling system really guarantees. Over every draw made of five of the system's N
// numbers, the best line is the one sharing most numbers with the draw; the smallest such best
// match over all C(N,5) draws is the guarantee. The block an author claims is checked against
// the same walk: the draws whose best match falls short of it are counted.

#include "stakes/SystemFile.h"

#include <cstdint>
#include <vector>

namespace stakes {

struct SystemGuaranteeResult
{
    int Guarantee = 0;         // the smallest best match, 0..5
    std::int64_t Draws = 0;    // C(N,5)
    std::int64_t Misses = 0;   // draws whose best match is below the claimed block
    std::int64_t Best[6] = {}; // draws by their best match
};

// lines hold positions 1..nums (5 <= nums <= 54); claimed is the block 0..5 to count misses of.
SystemGuaranteeResult SystemGuarantee(const std::vector<SystemLine>& lines, int nums, int claimed);

} // namespace stakes
