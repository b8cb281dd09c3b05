#pragma once

// "Is this combination already staked for this draw?" answered from memory, kept in step with
// the stakes file. Numbers are compared as sets, so the order a stake was written in does not
// matter. Five different numbers 1..54 (every stake the program makes) are kept per draw by
// their rank among all combinations: in a small hash set while a draw has few stakes, and in a
// bit per combination once it has many, which is then both smaller and faster. Any other set of
// numbers goes to a general set.

#include "core/GameTypes.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace stakes {

class StakeIndex
{
public:
    StakeIndex();
    ~StakeIndex();
    StakeIndex(StakeIndex&&) noexcept;
    StakeIndex& operator=(StakeIndex&&) noexcept;

    void clear();
    // True when the key was not in the set yet.
    bool insert(std::int32_t drawNum, const core::TValueSet& numbers);
    bool contains(std::int32_t drawNum, const core::TValueSet& numbers) const;
    std::size_t size() const { return m_size; }

    // The rank 0..3,162,509 of five different numbers 1..54 in any order; -1 for anything else.
    static std::int32_t CombRank(const core::TValueSet& numbers);

private:
    struct Draw;
    Draw& drawOf(std::int32_t drawNum);
    const Draw* findDraw(std::int32_t drawNum) const;

    std::unordered_map<std::int32_t, std::unique_ptr<Draw>> m_draws;
    // The draw asked for last: stakes of one batch share it.
    mutable std::int32_t m_lastNum = 0;
    mutable Draw* m_last = nullptr;
    // Sets that are not five different numbers 1..54: the draw and the sorted numbers.
    struct OddKey
    {
        std::int32_t drawNum;
        std::int32_t count;
        std::uint64_t values;
        friend bool operator==(const OddKey&, const OddKey&) = default;
    };
    struct OddHash
    {
        std::size_t operator()(const OddKey& k) const;
    };
    std::unordered_set<OddKey, OddHash> m_odd;
    std::size_t m_size = 0;
};

} // namespace stakes
