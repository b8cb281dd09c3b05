// Chain (transition) statistics: what followed, in the next draw, a number, channel or segment
// that the last draw of the range also holds.
//
// For a draw of the range whose predecessor resembles the last draw (the reference draw), the
// pair (item in the predecessor, item in the draw) is counted; the three-draw forms also ask
// the draw before the predecessor to resemble the draw before the reference draw. A filter
// takes the candidate as the draw that follows the reference draw and asks whether it holds
// one of the selected successors.

#include "core/GameMath.h"
#include "core/TextFormat.h"
#include "stats/Families.h"
#include "stats/StatBatch.h"

#include <algorithm>
#include <cstring>

namespace stats {

namespace {

using core::CombSize;
using core::NumberCount;
using core::TDrawRec;

// The item of something that is not a number 1..54 (the zeros of a draw outside the archive),
// or of any number when the channels are undefined. It takes part in no transition.
constexpr std::uint16_t kNoItem = 0xFFFF;

QString TwoDigits(int v)
{
    return core::FormatText(QStringLiteral("%.2d"), {std::int64_t(v)});
}

class NumberItems
{
public:
    explicit NumberItems(const StatEnv&) {}
    bool valid() const { return true; }
    std::uint16_t of(int n) const { return n >= 1 && n <= NumberCount ? std::uint16_t(n) : kNoItem; }
    QString text(int v) const { return QString::number(v); }
};

class ChannelItems
{
public:
    explicit ChannelItems(const StatEnv& env) : m_size(env.Config.ChannelSize) {}
    // No channel exists for a channel size below 1; the channel chains then count nothing.
    bool valid() const { return m_size > 0; }
    std::uint16_t of(int n) const
    {
        return m_size > 0 && n >= 1 && n <= NumberCount ? std::uint16_t((n - 1) / m_size + 1) : kNoItem;
    }
    QString text(int v) const { return TwoDigits(v); }
    // The counts a channel can hold, for the pre-listed successors of a count chain.
    int countRange() const { return m_size; }

private:
    std::int32_t m_size;
};

class SegmentItems
{
public:
    explicit SegmentItems(const StatEnv& env) : m_map(env.Config.MatrixSegments) {}
    bool valid() const { return true; }
    std::uint16_t of(int n) const { return n >= 1 && n <= NumberCount ? m_map[std::size_t(n - 1)] : kNoItem; }
    QString text(int v) const { return QString::number(v); }
    // Only the count 0 is pre-listed as a successor.
    int countRange() const { return 0; }

private:
    core::TSegmentMap m_map;
};

// The common part of every chain: where the current draw and the reference draw lie in the
// archive, and how the draws are read.
class TCustomChainStat : public TCustomStat
{
public:
    using TCustomStat::TCustomStat;

protected:
    struct Place
    {
        int index = -1; // the current draw
        int last = -1;  // the reference draw
        bool sorted = false;
    };

    // False when there is no draw to chain from: an empty archive or a draw without a number.
    bool locate(Place& place) const
    {
        if (drawCount() == 0 || CurDraw.Num <= 0)
            return false;
        place.index = CurIndex;
        place.last = CurLastIndex;
        place.sorted = CurSorted;
        return true;
    }
};

enum class Rule : std::uint8_t {
    All,    // every item of the predecessor that the reference draw holds -> every item of the draw
    Pos,    // per position whose item equals the reference's item there
    Pos3,   // per position, the two predecessors matching the two reference draws
    Count2, // the count of numbers in the parameter's group
    Count3,
};

// Positions 1..5, or only the parameter's position (AtParam).
template <class Self, class Items, Rule R, bool AtParam = false>
class TCustomChainItemsStat : public StatBatch<Self, TCustomChainStat>
{
    static constexpr bool kThree = R == Rule::Pos3 || R == Rule::Count3;
    static constexpr bool kCount = R == Rule::Count2 || R == Rule::Count3;
    // The component the successor is stored in.
    static constexpr int kNextWord = kThree ? 3 : 2;

public:
    TCustomChainItemsStat(const StatClass& cls, const StatEnv& env, int param)
        : StatBatch<Self, TCustomChainStat>(cls, env, param), m_items(env)
    {
    }

    void InitValues(int lastIndex, TStatDrawArray& list) override
    {
        TCustomStat::InitValues(lastIndex, list);
        if constexpr (kCount) {
            if (!m_items.valid())
                return;
            const std::uint16_t nLast = count(this->ReadDraw(lastIndex, false));
            const std::uint16_t nBefore = count(this->ReadDraw(lastIndex - 1, false));
            for (int k = 0; k <= m_items.countRange(); ++k)
                this->preList(list, kThree ? KeyW(nBefore, nLast, std::uint16_t(k)) : KeyW(nLast, std::uint16_t(k)));
        }
    }

    QString ValueToText(const TStatDrawRec& value) const override
    {
        const auto& c = value.Key.c;
        if constexpr (kThree)
            return m_items.text(c[0]) + u'-' + m_items.text(c[1]) + QStringLiteral(" -> ") + m_items.text(c[2]);
        else
            return m_items.text(c[0]) + QStringLiteral(" -> ") + m_items.text(c[1]);
    }

    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        if (!m_items.valid())
            return false;
        if constexpr (kCount) {
            return s.hasWord(kNextWord, count(v));
        } else {
            for (int p = 0; p < CombSize; ++p) {
                const std::uint16_t t = m_items.of(v[p]);
                if (t != kNoItem && s.hasWord(kNextWord, t))
                    return true;
            }
            return false;
        }
    }

protected:
    void drawValues(TStatDrawArray& list, TWorkArea&, TLastValueArray&) override
    {
        TCustomChainStat::Place place;
        if (!m_items.valid() || !this->locate(place))
            return;
        // The count chains read the earlier draws as stored; their order does not matter.
        const bool sorted = kCount ? false : place.sorted;
        const TDrawRec p1 = this->ReadDraw(place.index - 1, sorted);
        if (p1.Num <= 0)
            return;
        TDrawRec p2;
        TDrawRec r1;
        if constexpr (kThree) {
            p2 = this->ReadDraw(place.index - 2, sorted);
            if (p2.Num <= 0)
                return;
            r1 = this->ReadDraw(place.last - 1, sorted);
        }
        const TDrawRec& cur = this->CurDraw;
        const TDrawRec& ref = this->RefDraw;
        const auto put = [&](const TStatKey& key) { this->merge(list, key, true); };

        if constexpr (R == Rule::All) {
            for (int k = 0; k < CombSize; ++k) {
                const std::uint16_t a = m_items.of(p1.Values[k]);
                if (a == kNoItem || !hasItem(ref, a))
                    continue;
                for (int j = 0; j < CombSize; ++j) {
                    const std::uint16_t b = m_items.of(cur.Values[j]);
                    if (b != kNoItem)
                        put(KeyW(a, b));
                }
            }
        } else if constexpr (R == Rule::Pos || R == Rule::Pos3) {
            int from = 0;
            int to = CombSize - 1;
            if constexpr (AtParam) {
                if (this->Param < 1 || this->Param > CombSize)
                    return;
                from = to = this->Param - 1;
            }
            for (int k = from; k <= to; ++k) {
                const std::uint16_t a = m_items.of(p1.Values[k]);
                const std::uint16_t b = m_items.of(cur.Values[k]);
                if (a == kNoItem || b == kNoItem || a != m_items.of(ref.Values[k]))
                    continue;
                if constexpr (R == Rule::Pos) {
                    put(KeyW(a, b));
                } else {
                    const std::uint16_t c = m_items.of(p2.Values[k]);
                    if (c != kNoItem && c == m_items.of(r1.Values[k]))
                        put(KeyW(c, a, b));
                }
            }
        } else {
            const std::uint16_t n1 = count(p1);
            if (n1 != count(ref))
                return;
            if constexpr (R == Rule::Count2) {
                put(KeyW(n1, count(cur)));
            } else {
                const std::uint16_t n2 = count(p2);
                if (n2 == count(r1))
                    put(KeyW(n2, n1, count(cur)));
            }
        }
    }

private:
    bool hasItem(const TDrawRec& d, std::uint16_t t) const
    {
        for (int p = 0; p < CombSize; ++p)
            if (m_items.of(d.Values[p]) == t)
                return true;
        return false;
    }
    // The count of numbers whose group is the parameter.
    std::uint16_t count(const std::uint8_t* v) const
    {
        std::uint16_t n = 0;
        for (int p = 0; p < CombSize; ++p)
            n += m_items.of(v[p]) == this->Param ? 1 : 0;
        return n;
    }
    std::uint16_t count(const TDrawRec& d) const { return count(d.Values); }

    Items m_items;
};

// ---------------------------------------------------------------------------------------------
// Transitions inside channels: for a number x of the predecessor that the reference draw holds,
// the numbers of the draw that lie in the channel of x.

enum class Inside : std::uint8_t {
    All, // (x, y) for each such y, (x, 0) when there is none
    Suc, // (x, y) for each such y
    Bad, // (x, 0) when there is none
    Cnt, // (x, how many)
};

template <class Self, Inside M> class TCustomChainChannels2Inside : public StatBatch<Self, TCustomChainStat>
{
public:
    TCustomChainChannels2Inside(const StatClass& cls, const StatEnv& env, int param)
        : StatBatch<Self, TCustomChainStat>(cls, env, param), m_channels(env)
    {
    }

    QString ValueToText(const TStatDrawRec& value) const override
    {
        const auto& c = value.Key.c;
        if constexpr (M == Inside::Cnt)
            return QString::number(c[0]) + QStringLiteral(" -> ") + QString::number(c[1]);
        else
            return TwoDigits(c[0]) + QStringLiteral(" -> ") + TwoDigits(c[1]);
    }

    void prepareTest(bool, int lastIndex) { m_last = this->ReadDraw(lastIndex, false); }

    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        for (int i = 0; i < CombSize; ++i) {
            const std::uint16_t x = m_last.Values[i];
            if (x < 1 || x > NumberCount)
                continue;
            const std::uint16_t cx = m_channels.of(x);
            for (int j = 0; j < CombSize; ++j) {
                const bool sameChannel = cx != kNoItem && m_channels.of(v[j]) == cx;
                if constexpr (M == Inside::Cnt) {
                    if (sameChannel && s.hasWord(1, x))
                        return true;
                } else {
                    if (s.hasExact(x, v[j], 0, 0) || (sameChannel && s.hasExact(x, 0, 0, 0)))
                        return true;
                }
            }
        }
        return false;
    }

protected:
    void drawValues(TStatDrawArray& list, TWorkArea&, TLastValueArray&) override
    {
        TCustomChainStat::Place place;
        if (!m_channels.valid() || !this->locate(place))
            return;
        const TDrawRec p1 = this->ReadDraw(place.index - 1, false);
        if (p1.Num <= 0)
            return;
        const TDrawRec& cur = this->CurDraw;
        for (int k = 0; k < CombSize; ++k) {
            const std::uint8_t x = p1.Values[k];
            if (x < 1 || x > NumberCount || !core::InDraw(x, this->RefDraw))
                continue;
            const std::uint16_t cx = m_channels.of(x);
            std::uint16_t found = 0;
            for (int j = 0; j < CombSize; ++j) {
                const std::uint8_t y = cur.Values[j];
                if (m_channels.of(y) != cx)
                    continue;
                ++found;
                if constexpr (M == Inside::All || M == Inside::Suc)
                    this->merge(list, KeyW(x, y), true);
            }
            if constexpr (M == Inside::All || M == Inside::Bad)
                if (found == 0)
                    this->merge(list, KeyW(x, 0), true);
            if constexpr (M == Inside::Cnt)
                this->merge(list, KeyW(x, found), true);
        }
    }

private:
    ChannelItems m_channels;
    TDrawRec m_last; // the reference draw of a filter pass
};

// ---------------------------------------------------------------------------------------------
// The concrete classes differ only in their items and rules.
template <class Items, Rule R, bool AtParam>
class ChainOf final : public TCustomChainItemsStat<ChainOf<Items, R, AtParam>, Items, R, AtParam>
{
public:
    using TCustomChainItemsStat<ChainOf, Items, R, AtParam>::TCustomChainItemsStat;
};

template <Inside M> class InsideOf final : public TCustomChainChannels2Inside<InsideOf<M>, M>
{
public:
    using TCustomChainChannels2Inside<InsideOf, M>::TCustomChainChannels2Inside;
};

using TstChain2DrawsAll = ChainOf<NumberItems, Rule::All, false>;
using TstChain2DrawsPos = ChainOf<NumberItems, Rule::Pos, false>;
using TstChain2Pos = ChainOf<NumberItems, Rule::Pos, true>;
using TstChain3DrawsPos = ChainOf<NumberItems, Rule::Pos3, false>;
using TstChain3Pos = ChainOf<NumberItems, Rule::Pos3, true>;
using TstChain2ChannelsAll = ChainOf<ChannelItems, Rule::All, false>;
using TstChain2ChannelsPos = ChainOf<ChannelItems, Rule::Pos, false>;
using TstChain2Channel = ChainOf<ChannelItems, Rule::Pos, true>;
using TstChain3ChannelsPos = ChainOf<ChannelItems, Rule::Pos3, false>;
using TstChain3Channel = ChainOf<ChannelItems, Rule::Pos3, true>;
using TstChain2CnlCnt = ChainOf<ChannelItems, Rule::Count2, false>;
using TstChain3CnlCnt = ChainOf<ChannelItems, Rule::Count3, false>;
using TstChain2SegmentsAll = ChainOf<SegmentItems, Rule::All, false>;
using TstChain2SegmentsPos = ChainOf<SegmentItems, Rule::Pos, false>;
using TstChain2Segment = ChainOf<SegmentItems, Rule::Pos, true>;
using TstChain3SegmentsPos = ChainOf<SegmentItems, Rule::Pos3, false>;
using TstChain3Segment = ChainOf<SegmentItems, Rule::Pos3, true>;
using TstChain2SgmCnt = ChainOf<SegmentItems, Rule::Count2, false>;
using TstChain3SgmCnt = ChainOf<SegmentItems, Rule::Count3, false>;
using TstChainChannels2InsideAll = InsideOf<Inside::All>;
using TstChainChannels2InsideSuc = InsideOf<Inside::Suc>;
using TstChainChannels2InsideBad = InsideOf<Inside::Bad>;
using TstChainChannels2InsideCnt = InsideOf<Inside::Cnt>;

} // namespace

const std::vector<FactoryEntry>& ChainStatFactories()
{
    static const std::vector<FactoryEntry> list = {
        {"TstChain2DrawsAll", &MakeStat<TstChain2DrawsAll>},
        {"TstChain2DrawsPos", &MakeStat<TstChain2DrawsPos>},
        {"TstChain2Pos", &MakeStat<TstChain2Pos>},
        {"TstChain3DrawsPos", &MakeStat<TstChain3DrawsPos>},
        {"TstChain3Pos", &MakeStat<TstChain3Pos>},
        {"TstChain2ChannelsAll", &MakeStat<TstChain2ChannelsAll>},
        {"TstChain2ChannelsPos", &MakeStat<TstChain2ChannelsPos>},
        {"TstChain2Channel", &MakeStat<TstChain2Channel>},
        {"TstChain3ChannelsPos", &MakeStat<TstChain3ChannelsPos>},
        {"TstChain3Channel", &MakeStat<TstChain3Channel>},
        {"TstChain2CnlCnt", &MakeStat<TstChain2CnlCnt>},
        {"TstChain3CnlCnt", &MakeStat<TstChain3CnlCnt>},
        {"TstChainChannels2InsideAll", &MakeStat<TstChainChannels2InsideAll>},
        {"TstChainChannels2InsideSuc", &MakeStat<TstChainChannels2InsideSuc>},
        {"TstChainChannels2InsideBad", &MakeStat<TstChainChannels2InsideBad>},
        {"TstChainChannels2InsideCnt", &MakeStat<TstChainChannels2InsideCnt>},
        {"TstChain2SegmentsAll", &MakeStat<TstChain2SegmentsAll>},
        {"TstChain2SegmentsPos", &MakeStat<TstChain2SegmentsPos>},
        {"TstChain2Segment", &MakeStat<TstChain2Segment>},
        {"TstChain3SegmentsPos", &MakeStat<TstChain3SegmentsPos>},
        {"TstChain3Segment", &MakeStat<TstChain3Segment>},
        {"TstChain2SgmCnt", &MakeStat<TstChain2SgmCnt>},
        {"TstChain3SgmCnt", &MakeStat<TstChain3SgmCnt>},
    };
    return list;
}

} // namespace stats
