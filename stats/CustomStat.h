#pragma once

// The abstract statistic and its five abstract descendants.
//
// A statistic turns the five numbers of a draw (or of a candidate combination) into one or
// more values and merges them into a value list. The table walks the draws of a window
// (InitValues, then CalcDraw per draw), the full-set distribution walks all combinations
// (CalcComb), and a filter asks every candidate whether it takes a selected value (TestComb).
// CalcComb and TestComb also come in a batch form over a span of combinations; the concrete
// families implement them through StatBatch (stats/StatBatch.h) so that the inner loop is a
// plain inlined call per combination.

#include "core/GameTypes.h"
#include "stats/StatClass.h"
#include "stats/StatKey.h"

#include <array>
#include <span>

namespace stats {

using core::TComb;
using core::TDrawRec;
using core::TLastValueArray;
using core::TStatDrawArray;
using core::TStatDrawRec;

// One item of the work area of the serial statistics: 12 bytes per number, channel or segment.
struct TWorkItem
{
    std::int32_t v[3] = {};
};
using TWorkArea = std::array<TWorkItem, core::NumberCount>;
static_assert(sizeof(TWorkArea) == 648);

class TCustomStat
{
public:
    TCustomStat(const StatClass& cls, const StatEnv& env, int param);
    virtual ~TCustomStat();
    TCustomStat(const TCustomStat&) = delete;
    TCustomStat& operator=(const TCustomStat&) = delete;

    const StatClass& statClass() const { return m_class; }
    // A fresh instance of the same method with the same settings, for a second core.
    std::unique_ptr<TCustomStat> Clone() const { return m_class.Create(m_class, m_env, Param); }
    // The caption for the instance's own parameter.
    QString GetName() const { return m_class.GetCaptionFmt(Param); }

    virtual QString ValueToText(const TStatDrawRec& value) const = 0;
    // The text as a decimal integer, 0 when it is not one.
    virtual std::int32_t TextToValue(const QString& text) const;
    std::int32_t ListValue(const QString& text) const;

    // Clears the template and pre-lists every value the statistic can take, with count 0.
    virtual void InitValues(int lastIndex, TStatDrawArray& list);
    // Copies the draw at index into CurDraw and, for kind D, the draw at refIndex into RefDraw;
    // an index outside the archive gives an all-zero record.
    void LoadDraws(int index, int refIndex, bool sorted);
    // Merges the values of one combination, without periods; nothing for classes without N.
    virtual void CalcComb(const TComb& comb, TStatDrawArray& list);
    // The same as CalcComb for each combination in turn.
    virtual void CalcCombs(std::span<const TComb> combs, TStatDrawArray& list);
    // Merges the values of the draw at index, with periods; lastIndex ends the window and is
    // the reference draw.
    void CalcDraw(int index, int lastIndex, bool sorted, TStatDrawArray& list, TWorkArea& work,
                  TLastValueArray& lastValues);
    // The number of the first draw from fromIndex to the newest one of the archive that has
    // the value, or -1.
    std::int32_t FindNext(const core::TStatKey& key, int fromIndex, int lastIndex, bool sorted);
    // FindNext for each key from its own index: the keys that start at the same draw share one
    // walk over the draws.
    std::vector<std::int32_t> FindNextMany(std::span<const core::TStatKey> keys, std::span<const int> fromIndex,
                                           int lastIndex, bool sorted);

    // Whether the combination has a value among the selected rows. Before a pass the caller
    // calls LoadDraws(-1, lastIndex, sorted) once.
    virtual bool TestComb(const TComb& comb, const TSelection& selected, bool remove, bool sorted, int lastIndex) = 0;
    // Whether the test asks the selection row by row from the five numbers alone: a combination
    // matches when one of the rows matches it, the same at every analysis point, so the matches
    // of a selection are those of its rows together.
    virtual bool MatchesRowByRow() const { return false; }
    // The positions of the combinations that have each value: keys[j] is had by the combinations
    // whose bit is set in bits[j] (bit i % 64 of word i / 64). For a statistic that matches row by
    // row, a row whose key is one of these values matches exactly those combinations. False, with
    // both lists empty, when the combinations have more than mostValues different values or the
    // statistic has no values of its own for a combination.
    virtual bool PositionsByValue(std::span<const TComb> combs, std::size_t mostValues,
                                  std::vector<core::TStatKey>& keys, std::vector<std::vector<std::uint64_t>>& bits)
    {
        keys.clear();
        bits.clear();
        (void)combs;
        (void)mostValues;
        return false;
    }
    // Each combination's values, in the order the statistic gives them, as an index into sets
    // (index[i] is the place of the values of combs[i]), at most 256 different ones. For a
    // statistic that matches row by row, a row matches the combinations whose values include its
    // key. False, with both lists empty, when the combinations have more different ones or the
    // statistic has no values of its own for a combination.
    virtual bool ValuesOfEach(std::span<const TComb> combs, std::vector<std::vector<core::TStatKey>>& sets,
                              std::vector<std::uint8_t>& index)
    {
        sets.clear();
        index.clear();
        (void)combs;
        return false;
    }
    // For a statistic whose test asks only whether a combination has one of some numbers: those
    // numbers for the selection (bit n for number n), as the test asks them of a combination whose
    // numbers are all below 64. False for a statistic whose test asks more.
    virtual bool MatchingNumbers(const TSelection& selected, std::uint64_t& numbers) const
    {
        (void)selected;
        numbers = 0;
        return false;
    }
    // MarkCombs over the whole set of combinations in the order of their numbers (the list
    // generated with no conditions), made from the runs that order has rather than combination by
    // combination; bits has room for the whole set. False, with nothing written, for a class
    // without such a pass.
    virtual bool MarkWholeSet(const TSelection& selected, bool keepMatching, std::uint64_t* bits)
    {
        (void)selected;
        (void)keepMatching;
        (void)bits;
        return false;
    }
    bool TestComb(const TComb& comb, const TStatDrawArray& selected, bool remove, bool sorted, int lastIndex);
    // matches[i] = TestComb(combs[i], ...) for every combination.
    virtual void TestCombs(std::span<const TComb> combs, const TSelection& selected, bool remove, bool sorted,
                           int lastIndex, std::uint8_t* matches);
    // Packs to out, in order, the combinations whose test result is keepMatching; returns how
    // many. out may be the storage of combs itself.
    virtual std::size_t KeepCombs(std::span<const TComb> combs, const TSelection& selected, bool remove, bool sorted,
                                  int lastIndex, bool keepMatching, TComb* out);
    // Sets bit i of bits (bit i % 64 of word i / 64) when combination i's test result is
    // keepMatching, and clears it otherwise; the words the span covers are written whole.
    virtual void MarkCombs(std::span<const TComb> combs, const TSelection& selected, bool remove, bool sorted,
                           int lastIndex, bool keepMatching, std::uint64_t* bits);

    std::int32_t Param = 0;
    const core::TDrawsArray* DrawsRef = nullptr;
    TDrawRec CurDraw;
    TDrawRec RefDraw;
    TStatDrawRec ValueTemplate;
    // What the current CalcDraw was called with, for the statistics that read draws around the
    // current one: its archive index, the end of the window and the sorted flag.
    int CurIndex = -1;
    int CurLastIndex = -1;
    bool CurSorted = false;

protected:
    // The values of CurDraw after the common part of CalcDraw has filled the template.
    virtual void drawValues(TStatDrawArray& list, TWorkArea& work, TLastValueArray& lastValues) = 0;

    // A copy of the archive draw at index, its numbers sorted when sorted is set; all zero
    // outside the archive.
    TDrawRec ReadDraw(int index, bool sorted) const;
    int drawCount() const { return DrawsRef ? int(DrawsRef->size()) : 0; }
    void merge(TStatDrawArray& list, const core::TStatKey& key, bool withPeriods);
    // Adds a pre-listed value with count 0.
    void preList(TStatDrawArray& list, const core::TStatKey& key);
    void beginComb();

private:
    const StatClass& m_class;
    StatEnv m_env;
};

// A single value per draw that can be charted.
class TCustomGraphStat : public TCustomStat
{
public:
    using TCustomStat::TCustomStat;
    // The single value of five numbers; index is the archive index they came from (-1 for a
    // combination).
    virtual std::int32_t CombValue(const std::uint8_t* numbers, int index, bool sorted, int lastIndex) = 0;
    std::int32_t DrawValue(int index, int lastIndex, bool sorted);
    QString ValueToText(const TStatDrawRec& value) const override;
};

// A list of values, one per number.
class TCustomValuesStat : public TCustomStat
{
public:
    using TCustomStat::TCustomStat;
    QString ValueToText(const TStatDrawRec& value) const override;
};

// Several numeric values per draw.
class TCustomNumbersStat : public TCustomStat
{
public:
    using TCustomStat::TCustomStat;
    QString ValueToText(const TStatDrawRec& value) const override;
};

// A count of five with a property, shown as "with:without".
class TCustomRatioStat : public TCustomGraphStat
{
public:
    using TCustomGraphStat::TCustomGraphStat;
    QString ValueToText(const TStatDrawRec& value) const override;
    std::int32_t TextToValue(const QString& text) const override;
};

// A five-bit mask over the positions, shown as five letters and the mask.
class TCustomMaskStat : public TCustomStat
{
public:
    using TCustomStat::TCustomStat;
    virtual QString GetClearLetter() const = 0;
    virtual QString GetSetLetter() const = 0;
    QString ValueToText(const TStatDrawRec& value) const override;
    std::int32_t TextToValue(const QString& text) const override;
};

// Decimal text of component 0.
QString ComponentText(const TStatDrawRec& value);
// The components 0..count-1 in decimal joined by ":".
QString ComponentsText(const TStatDrawRec& value, int count);
// The whole text as a decimal integer, 0 otherwise.
std::int32_t DecimalOrZero(const QString& text);

} // namespace stats
