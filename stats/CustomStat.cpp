#include "stats/CustomStat.h"

#include "core/GameMath.h"
#include "core/StatAccum.h"

#include <map>
#include <unordered_map>
#include <vector>

namespace stats {

TCustomStat::TCustomStat(const StatClass& cls, const StatEnv& env, int param)
    : Param(param), DrawsRef(env.Draws), m_class(cls), m_env(env)
{
}

TCustomStat::~TCustomStat() = default;

std::int32_t TCustomStat::TextToValue(const QString& text) const
{
    return DecimalOrZero(text);
}

std::int32_t TCustomStat::ListValue(const QString& text) const
{
    return m_class.AllowsValueList() ? TextToValue(text) : 0;
}

void TCustomStat::InitValues(int, TStatDrawArray&)
{
    ValueTemplate = TStatDrawRec{};
}

TDrawRec TCustomStat::ReadDraw(int index, bool sorted) const
{
    if (index < 0 || index >= drawCount())
        return TDrawRec{};
    TDrawRec rec = (*DrawsRef)[std::size_t(index)];
    if (sorted)
        core::SortDrawValues(rec);
    return rec;
}

void TCustomStat::LoadDraws(int index, int refIndex, bool sorted)
{
    CurDraw = ReadDraw(index, sorted);
    if (m_class.Kind & KindD)
        RefDraw = ReadDraw(refIndex, sorted);
}

void TCustomStat::merge(TStatDrawArray& list, const core::TStatKey& key, bool withPeriods)
{
    ValueTemplate.Key = key;
    core::StatDrawMerge(list, ValueTemplate, withPeriods);
}

void TCustomStat::preList(TStatDrawArray& list, const core::TStatKey& key)
{
    ValueTemplate.Key = key;
    core::StatDrawMerge(list, ValueTemplate, false);
}

void TCustomStat::beginComb()
{
    ValueTemplate = TStatDrawRec{};
    ValueTemplate.Count = 1;
}

void TCustomStat::CalcComb(const TComb&, TStatDrawArray&)
{
    beginComb();
}

void TCustomStat::CalcCombs(std::span<const TComb> combs, TStatDrawArray& list)
{
    for (const TComb& c : combs)
        CalcComb(c, list);
}

void TCustomStat::CalcDraw(int index, int lastIndex, bool sorted, TStatDrawArray& list, TWorkArea& work,
                           TLastValueArray& lastValues)
{
    CurIndex = index;
    CurLastIndex = lastIndex;
    CurSorted = sorted;
    LoadDraws(index, lastIndex, sorted);
    ValueTemplate = TStatDrawRec{};
    ValueTemplate.LastDraw = CurDraw.Num;
    ValueTemplate.PrevDraw = CurDraw.Num;
    ValueTemplate.Depth = lastIndex - index + 1;
    ValueTemplate.Count = 1;
    drawValues(list, work, lastValues);
}

std::int32_t TCustomStat::FindNext(const core::TStatKey& key, int fromIndex, int lastIndex, bool sorted)
{
    const int count = drawCount();
    if (fromIndex >= count)
        return -1;
    TWorkArea work{};
    TStatDrawArray list;
    TLastValueArray lastValues;
    for (int i = std::max(fromIndex, 0); i < count; ++i) {
        list.clear();
        lastValues.clear();
        CalcDraw(i, lastIndex, sorted, list, work, lastValues);
        for (const TStatDrawRec& e : list)
            if (e.Key == key)
                return e.LastDraw;
    }
    return -1;
}

std::vector<std::int32_t> TCustomStat::FindNextMany(std::span<const core::TStatKey> keys,
                                                    std::span<const int> fromIndex, int lastIndex, bool sorted)
{
    std::vector<std::int32_t> found(keys.size(), -1);
    // The keys asked for from each start, and per key the queries that wait for it.
    std::map<int, std::vector<std::size_t>> starts;
    for (std::size_t q = 0; q < keys.size(); ++q)
        starts[std::max(fromIndex[q], 0)].push_back(q);
    const int count = drawCount();
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> waiting;
    TStatDrawArray list;
    TLastValueArray lastValues;
    for (const auto& [from, queries] : starts) {
        waiting.clear();
        for (std::size_t q : queries)
            waiting[KeyBits(keys[q])].push_back(q);
        // The same steps as FindNext takes from this start, asking about all its keys at once.
        TWorkArea work{};
        for (int i = from; i < count && !waiting.empty(); ++i) {
            list.clear();
            lastValues.clear();
            CalcDraw(i, lastIndex, sorted, list, work, lastValues);
            for (const TStatDrawRec& e : list) {
                const auto it = waiting.find(KeyBits(e.Key));
                if (it == waiting.end())
                    continue;
                for (std::size_t q : it->second)
                    found[q] = e.LastDraw;
                waiting.erase(it);
            }
        }
    }
    return found;
}

bool TCustomStat::TestComb(const TComb& comb, const TStatDrawArray& selected, bool remove, bool sorted, int lastIndex)
{
    return TestComb(comb, TSelection(selected), remove, sorted, lastIndex);
}

void TCustomStat::TestCombs(std::span<const TComb> combs, const TSelection& selected, bool remove, bool sorted,
                            int lastIndex, std::uint8_t* matches)
{
    for (std::size_t i = 0; i < combs.size(); ++i)
        matches[i] = TestComb(combs[i], selected, remove, sorted, lastIndex) ? 1 : 0;
}

std::size_t TCustomStat::KeepCombs(std::span<const TComb> combs, const TSelection& selected, bool remove, bool sorted,
                                   int lastIndex, bool keepMatching, TComb* out)
{
    constexpr std::size_t kBlock = 4096;
    std::uint8_t matches[kBlock];
    std::size_t n = 0;
    for (std::size_t start = 0; start < combs.size(); start += kBlock) {
        const std::size_t count = std::min(kBlock, combs.size() - start);
        TestCombs(combs.subspan(start, count), selected, remove, sorted, lastIndex, matches);
        for (std::size_t i = 0; i < count; ++i) {
            out[n] = combs[start + i];
            n += (matches[i] != 0) == keepMatching ? 1 : 0;
        }
    }
    return n;
}

void TCustomStat::MarkCombs(std::span<const TComb> combs, const TSelection& selected, bool remove, bool sorted,
                            int lastIndex, bool keepMatching, std::uint64_t* bits)
{
    constexpr std::size_t kBlock = 4096;
    std::uint8_t matches[kBlock];
    for (std::size_t start = 0; start < combs.size(); start += kBlock) {
        const std::size_t count = std::min(kBlock, combs.size() - start);
        TestCombs(combs.subspan(start, count), selected, remove, sorted, lastIndex, matches);
        for (std::size_t w = 0; w * 64 < count; ++w) {
            std::uint64_t word = 0;
            const std::size_t end = std::min<std::size_t>(64, count - w * 64);
            for (std::size_t j = 0; j < end; ++j)
                word |= std::uint64_t((matches[w * 64 + j] != 0) == keepMatching) << j;
            bits[(start + w * 64) / 64] = word;
        }
    }
}

std::int32_t TCustomGraphStat::DrawValue(int index, int lastIndex, bool sorted)
{
    const TDrawRec draw = ReadDraw(index, sorted);
    return CombValue(draw.Values, index, sorted, lastIndex);
}

QString TCustomGraphStat::ValueToText(const TStatDrawRec& value) const
{
    return ComponentText(value);
}

QString TCustomValuesStat::ValueToText(const TStatDrawRec& value) const
{
    return ComponentText(value);
}

QString TCustomNumbersStat::ValueToText(const TStatDrawRec& value) const
{
    return ComponentText(value);
}

QString TCustomRatioStat::ValueToText(const TStatDrawRec& value) const
{
    const int n = value.Key.c[0];
    return QStringLiteral("%1:%2").arg(n).arg(core::CombSize - n);
}

std::int32_t TCustomRatioStat::TextToValue(const QString& text) const
{
    const qsizetype colon = text.indexOf(u':');
    return DecimalOrZero(colon < 0 ? text : text.left(colon));
}

QString TCustomMaskStat::ValueToText(const TStatDrawRec& value) const
{
    const std::uint32_t mask = KeyHalf(value.Key, 1);
    QString letters;
    for (int p = 1; p <= core::CombSize; ++p)
        letters += (mask >> (core::CombSize - p)) & 1 ? GetSetLetter() : GetClearLetter();
    return core::FormatText(QStringLiteral("%s (%.3d)"), {letters, std::int64_t(mask)});
}

std::int32_t TCustomMaskStat::TextToValue(const QString& text) const
{
    const QString set = GetSetLetter();
    std::int32_t mask = 0;
    for (int p = 0; p < core::CombSize; ++p) {
        mask <<= 1;
        if (p < text.size() && QStringView(text).mid(p, 1) == set)
            mask |= 1;
    }
    return mask;
}

QString ComponentText(const TStatDrawRec& value)
{
    return QString::number(value.Key.c[0]);
}

QString ComponentsText(const TStatDrawRec& value, int count)
{
    QString s;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            s += u':';
        s += QString::number(value.Key.c[i]);
    }
    return s;
}

std::int32_t DecimalOrZero(const QString& text)
{
    // Leading blanks are skipped as the classic integer conversion does; anything else that
    // is not a plain decimal integer in 32 bits gives 0.
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool ok = false;
    const int v = QStringView(text).mid(i).toInt(&ok, 10);
    return ok ? v : 0;
}

} // namespace stats
