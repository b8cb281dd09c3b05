#pragma once

// "Is this combination already staked for this draw?" answered from memory: a set of (draw
// number, numbers) keys kept in step with the stakes file. Numbers are compared as sorted
// arrays, so the order a stake was written in does not matter.

#include "core/GameTypes.h"

#include <cstdint>
#include <vector>

namespace stakes {

class StakeIndex
{
public:
    void clear();
    void reserve(std::size_t count);
    // True when the key was not in the set yet.
    bool insert(std::int32_t drawNum, const core::TValueSet& numbers);
    bool contains(std::int32_t drawNum, const core::TValueSet& numbers) const;
    std::size_t size() const { return m_size; }

private:
    struct Key
    {
        std::uint64_t values; // the sorted numbers, one per byte
        std::uint64_t head;   // draw number and count; all ones marks an empty slot
        friend bool operator==(const Key&, const Key&) = default;
    };
    static Key keyOf(std::int32_t drawNum, const core::TValueSet& numbers);
    static std::size_t hashOf(const Key& key);
    void grow();

    std::vector<Key> m_slots;
    std::size_t m_size = 0;
};

} // namespace stakes
