#include "stakes/StakeIndex.h"

#include <algorithm>
#include <cstring>

namespace stakes {

namespace {

constexpr std::uint64_t Empty = ~std::uint64_t(0);

} // namespace

void StakeIndex::clear()
{
    m_slots.clear();
    m_size = 0;
}

void StakeIndex::reserve(std::size_t count)
{
    std::size_t capacity = 16;
    while (capacity < count * 2)
        capacity *= 2;
    if (capacity <= m_slots.size())
        return;
    std::vector<Key> old;
    old.swap(m_slots);
    m_slots.assign(capacity, Key{0, Empty});
    m_size = 0;
    for (const Key& k : old)
        if (k.head != Empty) {
            std::size_t i = hashOf(k) & (m_slots.size() - 1);
            while (m_slots[i].head != Empty)
                i = (i + 1) & (m_slots.size() - 1);
            m_slots[i] = k;
            ++m_size;
        }
}

StakeIndex::Key StakeIndex::keyOf(std::int32_t drawNum, const core::TValueSet& numbers)
{
    const int count = std::clamp(numbers.Count, 0, 8);
    std::uint8_t sorted[8] = {};
    std::copy(numbers.Values, numbers.Values + count, sorted);
    std::sort(sorted, sorted + count);
    Key key;
    std::memcpy(&key.values, sorted, sizeof sorted);
    // The count fits in a byte and never reaches 0xFF, so no key equals the empty marker.
    key.head = (std::uint64_t(std::uint32_t(drawNum)) << 8) | std::uint64_t(count);
    return key;
}

std::size_t StakeIndex::hashOf(const Key& key)
{
    // A 64-bit mix of both words (the finaliser of a well-known hash).
    std::uint64_t h = key.values * 0x9E3779B97F4A7C15ull ^ (key.head + 0x632BE59BD9B4E019ull);
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ull;
    h ^= h >> 33;
    return std::size_t(h);
}

void StakeIndex::grow()
{
    reserve(std::max<std::size_t>(8, m_size * 2 + 2));
}

bool StakeIndex::insert(std::int32_t drawNum, const core::TValueSet& numbers)
{
    if ((m_size + 1) * 2 > m_slots.size())
        grow();
    const Key key = keyOf(drawNum, numbers);
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hashOf(key) & mask;; i = (i + 1) & mask) {
        if (m_slots[i].head == Empty) {
            m_slots[i] = key;
            ++m_size;
            return true;
        }
        if (m_slots[i] == key)
            return false;
    }
}

bool StakeIndex::contains(std::int32_t drawNum, const core::TValueSet& numbers) const
{
    if (m_slots.empty())
        return false;
    const Key key = keyOf(drawNum, numbers);
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hashOf(key) & mask;; i = (i + 1) & mask) {
        if (m_slots[i].head == Empty)
            return false;
        if (m_slots[i] == key)
            return true;
    }
}

} // namespace stakes
