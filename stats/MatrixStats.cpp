// Matrix statistics: the numbers 1..54 laid out row by row with MatrixCols numbers per row.
// Which columns and rows a draw occupies, how many numbers each holds, how many are occupied,
// the occupied set as a bit mask, where numbers touch vertically (same column, neighbouring
// rows) or horizontally (same row, neighbouring columns), and the columns or rows that occur
// together over the Mix and Seq position patterns.
//
// Every statistic comes twice, once over columns and once over rows; one template with the
// axis as its argument serves both. A column count of 0 or less defines no matrix: then no
// number lies in a column or row, the listing statistics give no value and the counts give 0.
// The same holds for a number outside 1..54 (the all-zero record read outside the archive).
// A column count above 54 is taken as 54: the columns after the 54th could never hold a
// number, and the occupied-column mask still fits its key.

#include "stats/Families.h"
#include "stats/Patterns.h"
#include "stats/StatBatch.h"

#include <algorithm>
#include <bit>

namespace stats {

namespace {

constexpr std::uint8_t kNone = 0; // columns and rows count from 1
constexpr int kMaxItems = core::NumberCount;

class MatrixMap
{
public:
    explicit MatrixMap(std::int32_t cols)
    {
        m_col.fill(kNone);
        m_row.fill(kNone);
        if (cols <= 0)
            return;
        m_cols = std::min(cols, core::NumberCount);
        m_rows = (core::NumberCount + m_cols - 1) / m_cols;
        for (int n = 1; n <= core::NumberCount; ++n) {
            m_col[std::size_t(n)] = std::uint8_t((n - 1) % m_cols + 1);
            m_row[std::size_t(n)] = std::uint8_t((n - 1) / m_cols + 1);
        }
    }

    int cols() const { return m_cols; }
    int rows() const { return m_rows; }

    // The axis of a statistic (Cols: columns, else rows) and the one across it.
    template <bool Cols> int count() const { return Cols ? m_cols : m_rows; }
    template <bool Cols> int crossCount() const { return Cols ? m_rows : m_cols; }
    template <bool Cols> std::uint8_t item(std::uint8_t n) const { return Cols ? m_col[n] : m_row[n]; }
    template <bool Cols> std::uint8_t cross(std::uint8_t n) const { return Cols ? m_row[n] : m_col[n]; }

private:
    int m_cols = 0;
    int m_rows = 0;
    std::array<std::uint8_t, 256> m_col{};
    std::array<std::uint8_t, 256> m_row{};
};

// The base of the matrix statistics with several values per draw.
class TCustomMatrixStat : public TCustomNumbersStat
{
public:
    TCustomMatrixStat(const StatClass& cls, const StatEnv& env, int param)
        : TCustomNumbersStat(cls, env, param), m_map(env.Config.MatrixCols), ColCount(std::uint8_t(m_map.cols())),
          RowCount(std::uint8_t(m_map.rows()))
    {
    }

protected:
    const MatrixMap& matrix() const { return m_map; }

private:
    MatrixMap m_map;

public:
    const std::uint8_t ColCount; // K
    const std::uint8_t RowCount; // R = ceil(54 / K)
};

// The base of the matrix statistics with one value per draw.
class TCustomMatrixGraphStat : public TCustomGraphStat
{
public:
    TCustomMatrixGraphStat(const StatClass& cls, const StatEnv& env, int param)
        : TCustomGraphStat(cls, env, param), m_map(env.Config.MatrixCols), ColCount(std::uint8_t(m_map.cols())),
          RowCount(std::uint8_t(m_map.rows()))
    {
    }

protected:
    const MatrixMap& matrix() const { return m_map; }

private:
    MatrixMap m_map;

public:
    const std::uint8_t ColCount;
    const std::uint8_t RowCount;
};

template <bool Cols> std::array<std::uint8_t, kMaxItems + 1> CountPerItem(const MatrixMap& m, const std::uint8_t* v)
{
    std::array<std::uint8_t, kMaxItems + 1> counts{};
    for (int p = 0; p < core::CombSize; ++p)
        ++counts[m.item<Cols>(v[p])];
    return counts;
}

template <bool Cols> std::uint16_t DistinctItems(const MatrixMap& m, const std::uint8_t* v)
{
    std::uint64_t seen = 0;
    for (int p = 0; p < core::CombSize; ++p) {
        const std::uint8_t i = m.item<Cols>(v[p]);
        if (i != kNone)
            seen |= std::uint64_t{1} << (i - 1);
    }
    return std::uint16_t(std::popcount(seen));
}

template <bool Cols> std::uint16_t CountInItem(const MatrixMap& m, const std::uint8_t* v, std::int32_t item)
{
    std::uint16_t n = 0;
    for (int p = 0; p < core::CombSize; ++p) {
        const std::uint8_t i = m.item<Cols>(v[p]);
        n += (i != kNone && i == item) ? 1 : 0;
    }
    return n;
}

// The occupied items as a bit mask, item 1 the most significant of count() bits.
template <bool Cols> std::uint64_t ItemMask(const MatrixMap& m, const std::uint8_t* v)
{
    std::uint64_t occupied = 0;
    for (int p = 0; p < core::CombSize; ++p) {
        const std::uint8_t i = m.item<Cols>(v[p]);
        if (i != kNone)
            occupied |= std::uint64_t{1} << (m.count<Cols>() - i);
    }
    return occupied;
}

// The items that hold adjacent pairs (same item, neighbouring across), in order of the first
// pair, with the number of pairs in each.
struct AdjacentGroups
{
    int count = 0;
    std::uint8_t item[10] = {};
    std::uint8_t pairs[10] = {};
};

template <bool Cols> AdjacentGroups Adjacent(const MatrixMap& m, const std::uint8_t* v)
{
    std::uint8_t it[core::CombSize];
    std::uint8_t cr[core::CombSize];
    for (int p = 0; p < core::CombSize; ++p) {
        it[p] = m.item<Cols>(v[p]);
        cr[p] = m.cross<Cols>(v[p]);
    }
    AdjacentGroups g;
    for (int i = 0; i < core::CombSize; ++i) {
        if (it[i] == kNone)
            continue;
        for (int j = i + 1; j < core::CombSize; ++j) {
            if (it[j] != it[i] || (cr[i] + 1 != cr[j] && cr[j] + 1 != cr[i]))
                continue;
            int k = 0;
            while (k < g.count && g.item[k] != it[i])
                ++k;
            if (k == g.count)
                g.item[g.count++] = it[i];
            ++g.pairs[k];
        }
    }
    return g;
}

QString TwoComponentsText(const TStatDrawRec& value)
{
    return core::FormatText(QStringLiteral("%0:d x %1:d"),
                            {std::int64_t(value.Key.c[0]), std::int64_t(value.Key.c[1])});
}

// The column (row) of each number: COLS, ROWS.
template <bool Cols> class AxisItems : public StatBatch<AxisItems<Cols>, TCustomMatrixStat>
{
public:
    using StatBatch<AxisItems<Cols>, TCustomMatrixStat>::StatBatch;
    void InitValues(int lastIndex, TStatDrawArray& list) override
    {
        TCustomStat::InitValues(lastIndex, list);
        for (int i = 1; i <= this->matrix().template count<Cols>(); ++i)
            this->preList(list, KeyW(std::uint16_t(i)));
    }
    template <class Out> void values(const std::uint8_t* v, Out&& out) const
    {
        for (int p = 0; p < core::CombSize; ++p) {
            const std::uint8_t i = this->matrix().template item<Cols>(v[p]);
            if (i != kNone)
                out(KeyW(i));
        }
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        for (int p = 0; p < core::CombSize; ++p) {
            const std::uint8_t i = this->matrix().template item<Cols>(v[p]);
            if (i != kNone && s.hasWord(1, i))
                return true;
        }
        return false;
    }
};

// (column, numbers in it) for every column, zero counts included: COLV, ROWV.
template <bool Cols> class AxisValues : public StatBatch<AxisValues<Cols>, TCustomMatrixStat>
{
public:
    using StatBatch<AxisValues<Cols>, TCustomMatrixStat>::StatBatch;
    bool MatchesRowByRow() const override { return true; }
    void InitValues(int lastIndex, TStatDrawArray& list) override
    {
        TCustomStat::InitValues(lastIndex, list);
        const int most = std::min(this->matrix().template crossCount<Cols>(), core::CombSize);
        for (int i = 1; i <= this->matrix().template count<Cols>(); ++i)
            for (int n = 0; n <= most; ++n)
                this->preList(list, KeyW(std::uint16_t(i), std::uint16_t(n)));
    }
    template <class Out> void values(const std::uint8_t* v, Out&& out) const
    {
        const auto counts = CountPerItem<Cols>(this->matrix(), v);
        for (int i = 1; i <= this->matrix().template count<Cols>(); ++i)
            out(KeyW(std::uint16_t(i), counts[std::size_t(i)]));
    }
    // The selection as a table of (item, count), and the items selected with no number in them:
    // a combination then asks about its own few items and one mask, not about every item.
    void prepareSelection(const TSelection& s)
    {
        m_selected.fill(0);
        m_emptySelected = 0;
        const int items = this->matrix().template count<Cols>();
        for (const TStatKey& k : s.keys()) {
            if (k.c[0] < 1 || k.c[0] > items || k.c[1] > core::CombSize || k.c[2] != 0 || k.c[3] != 0)
                continue;
            m_selected[std::size_t(k.c[0])] |= std::uint8_t(1u << k.c[1]);
            if (k.c[1] == 0)
                m_emptySelected |= std::uint64_t{1} << (k.c[0] - 1);
        }
    }
    bool testComb(const std::uint8_t* v, const TSelection&) const
    {
        std::uint8_t items[core::CombSize];
        std::uint64_t occupied = 0;
        for (int p = 0; p < core::CombSize; ++p) {
            items[p] = this->matrix().template item<Cols>(v[p]);
            if (items[p] != kNone)
                occupied |= std::uint64_t{1} << (items[p] - 1);
        }
        if (m_emptySelected & ~occupied)
            return true;
        for (int p = 0; p < core::CombSize; ++p) {
            if (items[p] == kNone)
                continue;
            int count = 0;
            for (int q = 0; q < core::CombSize; ++q)
                count += items[q] == items[p] ? 1 : 0;
            if ((m_selected[items[p]] >> count) & 1)
                return true;
        }
        return false;
    }
    QString ValueToText(const TStatDrawRec& value) const override { return TwoComponentsText(value); }

private:
    // Bit n of entry i: the value (i, n) is selected.
    std::array<std::uint8_t, kMaxItems + 1> m_selected{};
    std::uint64_t m_emptySelected = 0;
};

// The number of occupied columns (rows): COLN, ROWN.
template <bool Cols> class AxisCount : public StatBatch<AxisCount<Cols>, TCustomMatrixGraphStat>
{
public:
    using StatBatch<AxisCount<Cols>, TCustomMatrixGraphStat>::StatBatch;
    void InitValues(int lastIndex, TStatDrawArray& list) override
    {
        TCustomStat::InitValues(lastIndex, list);
        const int most = std::min(this->matrix().template count<Cols>(), core::CombSize);
        for (int n = 1; n <= most; ++n)
            this->preList(list, KeyW(std::uint16_t(n)));
    }
    template <class Out> void values(const std::uint8_t* v, Out&& out) const
    {
        out(KeyW(DistinctItems<Cols>(this->matrix(), v)));
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        return s.hasWord(1, DistinctItems<Cols>(this->matrix(), v));
    }
    std::int32_t CombValue(const std::uint8_t* numbers, int, bool, int) override
    {
        return DistinctItems<Cols>(this->matrix(), numbers);
    }
};

// The occupied columns (rows) as a mask, column 1 the most significant bit: COLM, ROWM. A mask
// of up to 32 bits is the first half of the key; a wider one (up to 54 columns or rows) goes on
// into the second half.
template <bool Cols> class AxisMask : public StatBatch<AxisMask<Cols>, TCustomMatrixStat>
{
public:
    using StatBatch<AxisMask<Cols>, TCustomMatrixStat>::StatBatch;
    template <class Out> void values(const std::uint8_t* v, Out&& out) const
    {
        if (width() > 0)
            out(key(ItemMask<Cols>(this->matrix(), v)));
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        if (width() <= 0)
            return false;
        const std::uint64_t mask = ItemMask<Cols>(this->matrix(), v);
        if (width() <= 32)
            return s.hasHalf(1, std::uint32_t(mask));
        return s.hasExact(key(mask));
    }
    // "110100 (052)": one character per column, column 1 first, then the mask.
    QString ValueToText(const TStatDrawRec& value) const override
    {
        const std::uint64_t mask = KeyHalf(value.Key, 1) | (std::uint64_t(KeyHalf(value.Key, 2)) << 32);
        QString letters;
        for (int i = 1; i <= width(); ++i)
            letters += (mask >> (width() - i)) & 1 ? u'1' : u'0';
        return core::FormatText(QStringLiteral("%s (%.3d)"), {letters, std::int64_t(mask)});
    }
    // width() characters from the left, "1" a set bit; missing characters are clear bits. A
    // mask wider than 32 bits gives its low 32 bits.
    std::int32_t TextToValue(const QString& text) const override
    {
        std::uint64_t mask = 0;
        for (int i = 0; i < width(); ++i)
            mask = (mask << 1) | (i < text.size() && text[i] == u'1' ? 1u : 0u);
        return std::int32_t(std::uint32_t(mask));
    }

private:
    int width() const { return this->matrix().template count<Cols>(); }
    static TStatKey key(std::uint64_t mask) { return KeyHalves(std::uint32_t(mask), std::uint32_t(mask >> 32)); }
};

// (column, adjacent pairs in it + 1) for every column holding vertically adjacent numbers:
// COLA; rows with horizontally adjacent numbers: ROWA.
template <bool Cols> class AxisAdjacent : public StatBatch<AxisAdjacent<Cols>, TCustomMatrixStat>
{
public:
    using StatBatch<AxisAdjacent<Cols>, TCustomMatrixStat>::StatBatch;
    template <class Out> void values(const std::uint8_t* v, Out&& out) const
    {
        const AdjacentGroups g = Adjacent<Cols>(this->matrix(), v);
        for (int k = 0; k < g.count; ++k)
            out(KeyW(g.item[k], std::uint16_t(g.pairs[k] + 1)));
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        const AdjacentGroups g = Adjacent<Cols>(this->matrix(), v);
        for (int k = 0; k < g.count; ++k)
            if (s.hasExact(g.item[k], std::uint16_t(g.pairs[k] + 1), 0, 0))
                return true;
        return false;
    }
    QString ValueToText(const TStatDrawRec& value) const override { return TwoComponentsText(value); }
};

// The number of columns (rows) holding adjacent numbers: COLC, ROWC.
template <bool Cols> class AxisAdjacentCnt : public StatBatch<AxisAdjacentCnt<Cols>, TCustomMatrixGraphStat>
{
public:
    using StatBatch<AxisAdjacentCnt<Cols>, TCustomMatrixGraphStat>::StatBatch;
    template <class Out> void values(const std::uint8_t* v, Out&& out) const { out(KeyW(count(v))); }
    bool testComb(const std::uint8_t* v, const TSelection& s) const { return s.hasWord(1, count(v)); }
    std::int32_t CombValue(const std::uint8_t* numbers, int, bool, int) override { return count(numbers); }

private:
    std::uint16_t count(const std::uint8_t* v) const { return std::uint16_t(Adjacent<Cols>(this->matrix(), v).count); }
};

// How many numbers lie in column (row) Param: COL%d, ROW%d.
template <bool Cols> class AxisValCnt : public StatBatch<AxisValCnt<Cols>, TCustomMatrixGraphStat>
{
public:
    using StatBatch<AxisValCnt<Cols>, TCustomMatrixGraphStat>::StatBatch;
    // A column holds up to R numbers, a row up to K.
    void InitValues(int lastIndex, TStatDrawArray& list) override
    {
        TCustomStat::InitValues(lastIndex, list);
        for (int n = 1; n <= this->matrix().template crossCount<Cols>(); ++n)
            this->preList(list, KeyW(std::uint16_t(n)));
    }
    template <class Out> void values(const std::uint8_t* v, Out&& out) const { out(KeyW(count(v))); }
    bool testComb(const std::uint8_t* v, const TSelection& s) const { return s.hasWord(1, count(v)); }
    std::int32_t CombValue(const std::uint8_t* numbers, int, bool, int) override { return count(numbers); }

private:
    std::uint16_t count(const std::uint8_t* v) const { return CountInItem<Cols>(this->matrix(), v, this->Param); }
};

// The columns (rows) of the positions of a Mix or Seq pattern of K positions. A tuple with a
// position outside the matrix does not exist.
template <bool Cols, int K, bool Mix> class AxisPattern : public StatBatch<AxisPattern<Cols, K, Mix>, TCustomMatrixStat>
{
public:
    using StatBatch<AxisPattern<Cols, K, Mix>, TCustomMatrixStat>::StatBatch;
    template <class Out> void values(const std::uint8_t* v, Out&& out) const
    {
        std::uint8_t items[core::CombSize];
        for (int p = 0; p < core::CombSize; ++p)
            items[p] = this->matrix().template item<Cols>(v[p]);
        DefinedPatternTuples(Mix ? kMixSets[K] : kSeqSets[K], K, items, std::uint8_t(kNone), out);
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        bool found = false;
        values(v, [&](const TStatKey& k) { found = found || s.hasExact(k); });
        return found;
    }
    QString ValueToText(const TStatDrawRec& value) const override { return ComponentsText(value, K); }
};

using TstColumns = AxisItems<true>;
using TstRows = AxisItems<false>;
using TstColValues = AxisValues<true>;
using TstRowValues = AxisValues<false>;
using TstColCount = AxisCount<true>;
using TstRowCount = AxisCount<false>;
using TstColMask = AxisMask<true>;
using TstRowMask = AxisMask<false>;
using TstColAjacent = AxisAdjacent<true>;
using TstRowAjacent = AxisAdjacent<false>;
using TstColAjacentCnt = AxisAdjacentCnt<true>;
using TstRowAjacentCnt = AxisAdjacentCnt<false>;
using TstColValCnt = AxisValCnt<true>;
using TstRowValCnt = AxisValCnt<false>;
using TstCombColMix2 = AxisPattern<true, 2, true>;
using TstCombColMix3 = AxisPattern<true, 3, true>;
using TstCombColMix4 = AxisPattern<true, 4, true>;
using TstCombColSeq2 = AxisPattern<true, 2, false>;
using TstCombColSeq3 = AxisPattern<true, 3, false>;
using TstCombColSeq4 = AxisPattern<true, 4, false>;
using TstCombRowMix2 = AxisPattern<false, 2, true>;
using TstCombRowMix3 = AxisPattern<false, 3, true>;
using TstCombRowMix4 = AxisPattern<false, 4, true>;
using TstCombRowSeq2 = AxisPattern<false, 2, false>;
using TstCombRowSeq3 = AxisPattern<false, 3, false>;
using TstCombRowSeq4 = AxisPattern<false, 4, false>;

} // namespace

const std::vector<FactoryEntry>& MatrixStatFactories()
{
    static const std::vector<FactoryEntry> list = {
        {"TstColumns", &MakeStat<TstColumns>},
        {"TstRows", &MakeStat<TstRows>},
        {"TstColValues", &MakeStat<TstColValues>},
        {"TstRowValues", &MakeStat<TstRowValues>},
        {"TstColCount", &MakeStat<TstColCount>},
        {"TstRowCount", &MakeStat<TstRowCount>},
        {"TstColMask", &MakeStat<TstColMask>},
        {"TstRowMask", &MakeStat<TstRowMask>},
        {"TstColAjacent", &MakeStat<TstColAjacent>},
        {"TstRowAjacent", &MakeStat<TstRowAjacent>},
        {"TstColAjacentCnt", &MakeStat<TstColAjacentCnt>},
        {"TstRowAjacentCnt", &MakeStat<TstRowAjacentCnt>},
        {"TstCombColMix2", &MakeStat<TstCombColMix2>},
        {"TstCombColMix3", &MakeStat<TstCombColMix3>},
        {"TstCombColMix4", &MakeStat<TstCombColMix4>},
        {"TstCombColSeq2", &MakeStat<TstCombColSeq2>},
        {"TstCombColSeq3", &MakeStat<TstCombColSeq3>},
        {"TstCombColSeq4", &MakeStat<TstCombColSeq4>},
        {"TstCombRowMix2", &MakeStat<TstCombRowMix2>},
        {"TstCombRowMix3", &MakeStat<TstCombRowMix3>},
        {"TstCombRowMix4", &MakeStat<TstCombRowMix4>},
        {"TstCombRowSeq2", &MakeStat<TstCombRowSeq2>},
        {"TstCombRowSeq3", &MakeStat<TstCombRowSeq3>},
        {"TstCombRowSeq4", &MakeStat<TstCombRowSeq4>},
        {"TstColValCnt", &MakeStat<TstColValCnt>},
        {"TstRowValCnt", &MakeStat<TstRowValCnt>},
    };
    return list;
}

} // namespace stats
