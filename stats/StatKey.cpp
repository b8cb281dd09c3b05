#include "stats/StatKey.h"

namespace stats {

using core::TStatDrawArray;
using core::TStatDrawRec;

void KeySet::insert(std::uint64_t key)
{
    if ((m_count + 1) * 2 > m_keys.size())
        grow();
    for (std::size_t i = slot(key);; i = (i + 1) & m_mask) {
        if (!m_used[i]) {
            m_used[i] = 1;
            m_keys[i] = key;
            ++m_count;
            return;
        }
        if (m_keys[i] == key)
            return;
    }
}

void KeySet::grow()
{
    std::vector<std::uint64_t> oldKeys = std::move(m_keys);
    std::vector<std::uint8_t> oldUsed = std::move(m_used);
    const std::size_t size = oldKeys.empty() ? 16 : oldKeys.size() * 2;
    m_keys.assign(size, 0);
    m_used.assign(size, 0);
    m_mask = size - 1;
    m_count = 0;
    for (std::size_t i = 0; i < oldKeys.size(); ++i)
        if (oldUsed[i])
            insert(oldKeys[i]);
}

TSelection::TSelection(const TStatDrawArray& rows) : m_rowCount(rows.size())
{
    m_keys.reserve(rows.size());
    for (const TStatDrawRec& r : rows) {
        const TStatKey& k = r.Key;
        m_keys.push_back(k);
        if (k.c[1] == 0 && k.c[2] == 0 && k.c[3] == 0)
            m_exactLow.insert(k.c[0]);
        else
            m_exact.insert(KeyBits(k));
        if (k.c[2] == 0)
            m_pairLow.insert(k.c[0]);
        else
            m_pair.insert(std::uint64_t(k.c[0]) | (std::uint64_t(k.c[2]) << 16));
        for (int b = 1; b <= 8; ++b) {
            const std::uint8_t v = KeyByte(k, b);
            m_bytes[b - 1][v >> 6] |= std::uint64_t{1} << (v & 63);
        }
        for (int c = 0; c < 4; ++c)
            m_words[c].insert(k.c[c]);
        for (int h = 1; h <= 2; ++h) {
            const std::uint32_t v = KeyHalf(k, h);
            if (v < 65536)
                m_halfLow[h - 1].insert(v);
            else
                m_halves[h - 1].insert(v);
        }
    }
}

bool HasExact(const TStatDrawArray& list, std::uint16_t v0, std::uint16_t v1, std::uint16_t v2, std::uint16_t v3)
{
    const TStatKey k = KeyW(v0, v1, v2, v3);
    for (const TStatDrawRec& r : list)
        if (r.Key == k)
            return true;
    return false;
}

bool HasPair(const TStatDrawArray& list, std::uint16_t v0, std::uint16_t v2)
{
    for (const TStatDrawRec& r : list)
        if (r.Key.c[0] == v0 && r.Key.c[2] == v2)
            return true;
    return false;
}

bool HasByte(const TStatDrawArray& list, int k, std::uint8_t b)
{
    for (const TStatDrawRec& r : list)
        if (KeyByte(r.Key, k) == b)
            return true;
    return false;
}

bool HasWord(const TStatDrawArray& list, int k, std::uint16_t w)
{
    for (const TStatDrawRec& r : list)
        if (r.Key.c[k - 1] == w)
            return true;
    return false;
}

bool HasHalf(const TStatDrawArray& list, int k, std::uint32_t h)
{
    for (const TStatDrawRec& r : list)
        if (KeyHalf(r.Key, k) == h)
            return true;
    return false;
}

KeyCounter::KeyCounter(TStatDrawArray& list) : m_list(list), m_direct(4096, 0), m_touched(list.size(), 0)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        index(KeyBits(list[i].Key), std::uint32_t(i));
}

void KeyCounter::index(std::uint64_t key, std::uint32_t pos)
{
    const TStatKey k =
        KeyW(std::uint16_t(key), std::uint16_t(key >> 16), std::uint16_t(key >> 32), std::uint16_t(key >> 48));
    if (k.c[0] < 512 && k.c[1] < 8 && k.c[2] == 0 && k.c[3] == 0) {
        std::uint32_t& slot = m_direct[k.c[0] | (std::uint32_t(k.c[1]) << 9)];
        if (slot == 0)
            slot = pos + 1;
        return;
    }
    if ((m_count + 1) * 2 > m_keys.size())
        grow();
    for (std::size_t i = slot(key);; i = (i + 1) & m_mask) {
        if (m_pos[i] == 0) {
            m_keys[i] = key;
            m_pos[i] = pos + 1;
            ++m_count;
            return;
        }
        if (m_keys[i] == key)
            return; // the list has no duplicate keys; keep the first
    }
}

void KeyCounter::grow()
{
    std::vector<std::uint64_t> oldKeys = std::move(m_keys);
    std::vector<std::uint32_t> oldPos = std::move(m_pos);
    const std::size_t size = oldKeys.empty() ? 64 : oldKeys.size() * 2;
    m_keys.assign(size, 0);
    m_pos.assign(size, 0);
    m_mask = size - 1;
    m_count = 0;
    for (std::size_t i = 0; i < oldKeys.size(); ++i)
        if (oldPos[i] != 0)
            index(oldKeys[i], oldPos[i] - 1);
}

void KeyCounter::addSlow(const TStatKey& key)
{
    const std::uint64_t bits = KeyBits(key);
    if (m_keys.empty())
        grow();
    for (std::size_t i = slot(bits);; i = (i + 1) & m_mask) {
        if (m_pos[i] == 0)
            break;
        if (m_keys[i] == bits) {
            countAt(m_pos[i] - 1);
            return;
        }
    }
    TStatDrawRec rec;
    rec.Count = 1;
    rec.Key = key;
    m_list.push_back(rec);
    index(bits, std::uint32_t(m_list.size() - 1));
}

void KeyCounter::finish()
{
    // A merge of a record without a draw resets the latest-draw fields of an entry that never
    // occurred and clears the previous draw of every entry it touches.
    for (std::size_t i = 0; i < m_touched.size(); ++i) {
        if (!m_touched[i])
            continue;
        TStatDrawRec& e = m_list[i];
        if (e.Depth == 0)
            e.LastDraw = 0;
        e.PrevDraw = 0;
    }
    std::fill(m_touched.begin(), m_touched.end(), 0);
}

} // namespace stats
