// Characteristic numbers (Quellin), series of presence and absence, and periods of return.
//
// Series and periods work on items: a number, the channel of a number or its segment. The
// series keep one work entry per item in the work area of the pass; the periods keep the last
// draw of every item in the pass's last-occurrence list.

#include "core/GameMath.h"
#include "core/StatAccum.h"
#include "core/TextFormat.h"
#include "stats/Families.h"
#include "stats/StatBatch.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace stats {

namespace {

using core::CombSize;
using core::NumberCount;

// The item of something that is not a number 1..54 (the zeros of a draw outside the archive),
// or of any number when the channels are undefined. It never takes part in a series or period.
constexpr std::uint16_t kNoItem = 0xFFFF;

// ---------------------------------------------------------------------------------------------
// Characteristic number

struct QuellinResult
{
    std::uint16_t value = 0; // the result, or the sum of the last two values for a pair
    bool pair = false;       // mode 2 with a last difference of 1: the pair (1, sum)
};

// Repeated absolute differences of neighbours down to two values x, y, then by mode: 0 the
// difference d; 1 x + y when d < 2, else d; 2 x + y when d = 0, the pair (1, x + y) when d = 1,
// else d.
QuellinResult Quellin(const std::uint8_t* v, int mode)
{
    int a[CombSize];
    for (int i = 0; i < CombSize; ++i)
        a[i] = v[i];
    for (int len = CombSize; len > 2; --len)
        for (int i = 0; i + 1 < len; ++i)
            a[i] = std::abs(a[i + 1] - a[i]);
    const int x = a[0];
    const int y = a[1];
    const int d = std::abs(y - x);
    switch (mode) {
    case 0:
        return {std::uint16_t(d), false};
    case 1:
        return {std::uint16_t(d < 2 ? x + y : d), false};
    default:
        if (d == 0)
            return {std::uint16_t(x + y), false};
        if (d == 1)
            return {std::uint16_t(x + y), true};
        return {std::uint16_t(d), false};
    }
}

template <class Self, int Mode> class TCustomQuellinGraphStat : public StatBatch<Self, TCustomGraphStat>
{
public:
    using StatBatch<Self, TCustomGraphStat>::StatBatch;
    template <class Out> void values(const std::uint8_t* v, Out&& out) const { out(KeyW(value(v))); }
    bool testComb(const std::uint8_t* v, const TSelection& s) const { return s.hasWord(1, value(v)); }
    std::int32_t CombValue(const std::uint8_t* numbers, int, bool, int) override { return value(numbers); }

private:
    static std::uint16_t value(const std::uint8_t* v) { return Quellin(v, Mode).value; }
};

class TstQuellin1 : public TCustomQuellinGraphStat<TstQuellin1, 0>
{
public:
    using TCustomQuellinGraphStat::TCustomQuellinGraphStat;
};

class TstQuellin2 : public TCustomQuellinGraphStat<TstQuellin2, 1>
{
public:
    using TCustomQuellinGraphStat::TCustomQuellinGraphStat;
};

// The numbers derived from the characteristic value of the last draw of the range, to keep or
// remove. Only the last draw adds values; each gets the count 1 when its number came in the
// draw that follows the range (there is one when the archive is analysed with an offset).
class TstQuellin3 : public StatBatch<TstQuellin3, TCustomStat>
{
public:
    using StatBatch::StatBatch;

    // Component 3 marks the pair (sum in component 0, 1 in component 1).
    static constexpr std::uint16_t kPairMark = 2;

    QString ValueToText(const TStatDrawRec& value) const override
    {
        QString text = QString::number(value.Key.c[0]);
        if (value.Key.c[3] == kPairMark)
            text += QStringLiteral(" (") + QString::number(value.Key.c[1]) + u')';
        return text;
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        for (int p = 0; p < CombSize; ++p)
            if (s.hasWord(1, v[p]))
                return true;
        return false;
    }

protected:
    void drawValues(TStatDrawArray& list, TWorkArea&, TLastValueArray&) override
    {
        if (CurDraw.Num != RefDraw.Num || CurDraw.Num <= 0)
            return;
        const core::TDrawRec next = ReadDraw(CurLastIndex + 1, false);
        const auto put = [&](const TStatKey& key) {
            const int n = key.c[0];
            ValueTemplate.Count = next.Num > 0 && n >= 1 && core::InDraw(n, next) ? 1 : 0;
            merge(list, key, false);
        };
        const QuellinResult q = Quellin(CurDraw.Values, 2);
        put(q.pair ? KeyW(q.value, 1, 0, kPairMark) : KeyW(q.value));
        // g = s, s - f, s - 2f, ... while g > f, with s = f^2 when it exceeds 53, else f^3;
        // s is a multiple of f, so for f >= 2 these are multiples of f. f = 0 or 1 gives none.
        const int f = q.value;
        if (f < 2)
            return;
        const int s = f * f > 53 ? f * f : f * f * f;
        for (int g = s; g > f; g -= f)
            if (g >= 1 && g <= NumberCount)
                put(KeyW(std::uint16_t(g)));
    }
};

// ---------------------------------------------------------------------------------------------
// Items of the series and periods

class NumberItems
{
public:
    explicit NumberItems(const StatEnv&) {}
    int first() const { return 1; }
    int last() const { return NumberCount; }
    std::uint16_t of(int n) const { return n >= 1 && n <= NumberCount ? std::uint16_t(n) : kNoItem; }
    QString text(int t) const { return QString::number(t); }
};

class ChannelItems
{
public:
    explicit ChannelItems(const StatEnv& env) : m_size(env.Config.ChannelSize) {}
    int first() const { return 1; }
    // No channel exists for a channel size below 1.
    int last() const { return m_size > 0 ? core::CeilDiv(NumberCount, m_size) : 0; }
    std::uint16_t of(int n) const
    {
        return m_size > 0 && n >= 1 && n <= NumberCount ? std::uint16_t((n - 1) / m_size + 1) : kNoItem;
    }
    QString text(int t) const { return core::FormatText(QStringLiteral("%.2d"), {std::int64_t(t)}); }

private:
    std::int32_t m_size;
};

class SegmentItems
{
public:
    explicit SegmentItems(const StatEnv& env) : m_map(env.Config.MatrixSegments)
    {
        const auto [lo, hi] = std::minmax_element(m_map.begin(), m_map.end());
        m_first = *lo;
        m_last = *hi;
    }
    int first() const { return m_first; }
    int last() const { return m_last; }
    std::uint16_t of(int n) const { return n >= 1 && n <= NumberCount ? m_map[std::size_t(n - 1)] : kNoItem; }
    QString text(int t) const { return QString::number(t); }

private:
    core::TSegmentMap m_map;
    int m_first = 0;
    int m_last = 0;
};

template <class Items> bool HasItem(const Items& items, const core::TDrawRec& draw, int t)
{
    for (int p = 0; p < CombSize; ++p)
        if (items.of(draw.Values[p]) == t)
            return true;
    return false;
}

template <class Items> QString ItemValueText(const Items& items, const TStatDrawRec& value)
{
    return items.text(value.Key.c[0]) + QStringLiteral(" x ") + QString::number(value.Key.c[1]);
}

// ---------------------------------------------------------------------------------------------
// Series

// The work entry of item t: t - 1 for the items 1..54. A segment map may hold the segment 0,
// which has no entry of its own; it borrows the last entry, which belongs to an item 54 that
// no segment map of digits 0..9 has. Should a range hold both 0 and 54, or an item above 54,
// those items have no entry and are left out of the series (-1).
int WorkSlot(int t, int last)
{
    if (t >= 1 && t <= NumberCount)
        return t - 1;
    if (t == 0 && last < NumberCount)
        return NumberCount - 1;
    return -1;
}

// One work entry: the length of the current run (its low 16 bits count), the number and the
// depth of the run's last draw.
enum WorkField { kRunCount = 0, kRunLastDraw = 1, kRunAge = 2 };

template <class Self, class Items, bool Groups> class TCustomSerialStat : public StatBatch<Self, TCustomStat>
{
public:
    TCustomSerialStat(const StatClass& cls, const StatEnv& env, int param)
        : StatBatch<Self, TCustomStat>(cls, env, param), m_items(env)
    {
    }

    QString ValueToText(const TStatDrawRec& value) const override { return ItemValueText(m_items, value); }
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        for (int p = 0; p < CombSize; ++p) {
            const std::uint16_t t = m_items.of(v[p]);
            if (t != kNoItem && s.hasWord(1, t))
                return true;
        }
        return false;
    }

protected:
    // Groups count the draws in a row that hold the item, pauses those that lack it. A run is
    // listed when it ends in a draw (for the items of the reference draw), and at the last draw
    // of the range the run still going on is listed too.
    void drawValues(TStatDrawArray& list, TWorkArea& work, TLastValueArray&) override
    {
        const std::int32_t age = this->ValueTemplate.Depth;
        const bool atLast = age == 1;
        const int last = m_items.last();
        for (int t = m_items.first(); t <= last; ++t) {
            const int slot = WorkSlot(t, last);
            if (slot < 0)
                continue;
            TWorkItem& e = work[std::size_t(slot)];
            if (HasItem(m_items, this->CurDraw, t) == Groups) {
                e.v[kRunCount] += 1;
                e.v[kRunLastDraw] = this->CurDraw.Num;
                e.v[kRunAge] = age;
                if (atLast && HasItem(m_items, this->RefDraw, t))
                    mergeRun(list, t, e);
            } else {
                if (runLength(e) > 0 && HasItem(m_items, this->RefDraw, t))
                    mergeRun(list, t, e);
                e = TWorkItem{};
            }
        }
    }

private:
    static std::uint16_t runLength(const TWorkItem& e) { return std::uint16_t(e.v[kRunCount]); }

    void mergeRun(TStatDrawArray& list, int t, const TWorkItem& e)
    {
        TStatDrawRec& rec = this->ValueTemplate;
        rec.LastDraw = e.v[kRunLastDraw];
        rec.PrevDraw = e.v[kRunLastDraw];
        rec.Depth = e.v[kRunAge];
        this->merge(list, KeyW(std::uint16_t(t), runLength(e)), true);
    }

    Items m_items;
};

class TstNumGroups : public TCustomSerialStat<TstNumGroups, NumberItems, true>
{
public:
    using TCustomSerialStat::TCustomSerialStat;
};

class TstNumPauses : public TCustomSerialStat<TstNumPauses, NumberItems, false>
{
public:
    using TCustomSerialStat::TCustomSerialStat;
};

class TstChnGroups : public TCustomSerialStat<TstChnGroups, ChannelItems, true>
{
public:
    using TCustomSerialStat::TCustomSerialStat;
};

class TstChnPauses : public TCustomSerialStat<TstChnPauses, ChannelItems, false>
{
public:
    using TCustomSerialStat::TCustomSerialStat;
};

class TstSgmGroups : public TCustomSerialStat<TstSgmGroups, SegmentItems, true>
{
public:
    using TCustomSerialStat::TCustomSerialStat;
};

class TstSgmPauses : public TCustomSerialStat<TstSgmPauses, SegmentItems, false>
{
public:
    using TCustomSerialStat::TCustomSerialStat;
};

// ---------------------------------------------------------------------------------------------
// Periods

// The value (item, period) for every number of a draw whose item came before, the period
// being the distance in draw numbers. A filter takes the combination as the draw after the
// reference draw: a selected period p of item t is realised when t came in the draw p - 1
// draws before the reference draw.
template <class Items> class TCustomPeriodsStat : public TCustomStat
{
public:
    TCustomPeriodsStat(const StatClass& cls, const StatEnv& env, int param) : TCustomStat(cls, env, param), m_items(env)
    {
    }

    QString ValueToText(const TStatDrawRec& value) const override { return ItemValueText(m_items, value); }

    bool TestComb(const TComb& comb, const TSelection& selected, bool remove, bool, int lastIndex) override
    {
        const std::vector<std::uint16_t> periods = selectedPeriods(selected);
        for (int p = 0; p < CombSize; ++p) {
            const std::uint16_t t = m_items.of(comb.v[p]);
            if (t != kNoItem && itemMatches(t, periods, selected, remove, lastIndex))
                return true;
        }
        return false;
    }

    void TestCombs(std::span<const TComb> combs, const TSelection& selected, bool remove, bool, int lastIndex,
                   std::uint8_t* matches) override
    {
        // Whether each number matches depends on its item alone: settle the 54 numbers once.
        const std::vector<std::uint16_t> periods = selectedPeriods(selected);
        std::array<std::uint8_t, 256> itemDone{};
        std::array<std::uint8_t, 256> itemMatch{};
        std::array<std::uint8_t, 256> numberMatch{};
        for (int n = 1; n <= NumberCount; ++n) {
            const std::uint16_t t = m_items.of(n);
            if (t == kNoItem || t > 255)
                continue;
            if (!itemDone[t]) {
                itemDone[t] = 1;
                itemMatch[t] = itemMatches(t, periods, selected, remove, lastIndex) ? 1 : 0;
            }
            numberMatch[std::size_t(n)] = itemMatch[t];
        }
        for (std::size_t i = 0; i < combs.size(); ++i) {
            const std::uint8_t* v = combs[i].v;
            matches[i] =
                numberMatch[v[0]] | numberMatch[v[1]] | numberMatch[v[2]] | numberMatch[v[3]] | numberMatch[v[4]];
        }
    }

protected:
    void drawValues(TStatDrawArray& list, TWorkArea&, TLastValueArray& lastValues) override
    {
        for (int p = 0; p < CombSize; ++p) {
            const std::uint16_t t = m_items.of(CurDraw.Values[p]);
            if (t == kNoItem)
                continue;
            core::TLastValueRec rec;
            rec.LastDraw = CurDraw.Num;
            rec.Key = KeyW(t);
            // -1 the first time, 0 for a second number with the same item in this draw.
            const std::int32_t period = core::LastValueUpdate(lastValues, rec);
            if (period > 0)
                merge(list, KeyW(t, std::uint16_t(std::min<std::int32_t>(period, 0xFFFF))), true);
        }
    }

private:
    // The distinct periods of the selected rows, ascending.
    static std::vector<std::uint16_t> selectedPeriods(const TSelection& s)
    {
        std::vector<std::uint16_t> periods;
        for (const TStatKey& k : s.keys())
            periods.push_back(k.c[1]);
        std::sort(periods.begin(), periods.end());
        periods.erase(std::unique(periods.begin(), periods.end()), periods.end());
        return periods;
    }

    // Some selected row (t, p) whose period is realised (keep) or not realised (remove).
    bool itemMatches(std::uint16_t t, const std::vector<std::uint16_t>& periods, const TSelection& s, bool remove,
                     int lastIndex) const
    {
        for (std::uint16_t p : periods) {
            if (!s.hasExact(t, p, 0, 0))
                continue;
            const core::TDrawRec earlier = ReadDraw(lastIndex - int(p) + 1, false);
            if (HasItem(m_items, earlier, t) != remove)
                return true;
        }
        return false;
    }

    Items m_items;
};

class TstNumPeriods : public TCustomPeriodsStat<NumberItems>
{
public:
    using TCustomPeriodsStat::TCustomPeriodsStat;
};

class TstChnPeriods : public TCustomPeriodsStat<ChannelItems>
{
public:
    using TCustomPeriodsStat::TCustomPeriodsStat;
};

class TstSgmPeriods : public TCustomPeriodsStat<SegmentItems>
{
public:
    using TCustomPeriodsStat::TCustomPeriodsStat;
};

} // namespace

const std::vector<FactoryEntry>& SerialStatFactories()
{
    static const std::vector<FactoryEntry> list = {
        {"TstNumGroups", &MakeStat<TstNumGroups>},   {"TstNumPauses", &MakeStat<TstNumPauses>},
        {"TstChnGroups", &MakeStat<TstChnGroups>},   {"TstChnPauses", &MakeStat<TstChnPauses>},
        {"TstSgmGroups", &MakeStat<TstSgmGroups>},   {"TstSgmPauses", &MakeStat<TstSgmPauses>},
        {"TstNumPeriods", &MakeStat<TstNumPeriods>}, {"TstChnPeriods", &MakeStat<TstChnPeriods>},
        {"TstSgmPeriods", &MakeStat<TstSgmPeriods>}, {"TstQuellin1", &MakeStat<TstQuellin1>},
        {"TstQuellin2", &MakeStat<TstQuellin2>},     {"TstQuellin3", &MakeStat<TstQuellin3>},
    };
    return list;
}

} // namespace stats
