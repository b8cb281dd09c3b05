#pragma once

// Small helpers for the statistics tests: make a statistic by class name and read the values
// it gives for one draw or one combination.

#include "core/GameTypes.h"
#include "stats/CustomStat.h"
#include "stats/StatClass.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "QtPrinters.h"

#include <memory>

namespace stattest {

using namespace Qt::Literals::StringLiterals;

inline QStringList Strs(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* t : texts)
        list << QString::fromUtf8(t);
    return list;
}

inline core::TDrawRec Draw(int num, std::initializer_list<int> numbers, int extra = 0)
{
    core::TDrawRec d;
    d.Num = num;
    int i = 0;
    for (int n : numbers)
        d.Values[i++] = std::uint8_t(n);
    d.Extra = std::uint8_t(extra);
    return d;
}

inline core::TComb Comb(std::initializer_list<int> numbers)
{
    core::TComb c;
    int i = 0;
    for (int n : numbers)
        c.v[i++] = std::uint8_t(n);
    return c;
}

inline stats::StatEnv Env(const core::TDrawsArray* draws, const core::TConfigData& config = {})
{
    stats::StatEnv env;
    env.Draws = draws;
    env.Config = config;
    return env;
}

inline std::unique_ptr<stats::TCustomStat> Make(const char* className, const stats::StatEnv& env, int param = 0)
{
    const stats::StatClass* cls = stats::FindStatClass(QString::fromLatin1(className));
    if (!cls || !cls->Create)
        return nullptr;
    return cls->Create(*cls, env, param);
}

// The texts of a value list in its order.
inline QStringList Texts(const stats::TCustomStat& stat, const core::TStatDrawArray& list)
{
    QStringList texts;
    for (const core::TStatDrawRec& r : list)
        texts << stat.ValueToText(r);
    return texts;
}

// The values of the draw at index, with the draw at lastIndex as the reference, into a fresh
// list (each value listed once, in order of first occurrence, with its count).
inline core::TStatDrawArray DrawValues(stats::TCustomStat& stat, int index, int lastIndex, bool sorted = false)
{
    core::TStatDrawArray list;
    stats::TWorkArea work{};
    core::TLastValueArray last;
    stat.CalcDraw(index, lastIndex, sorted, list, work, last);
    return list;
}

inline core::TStatDrawArray CombValues(stats::TCustomStat& stat, const core::TComb& comb)
{
    core::TStatDrawArray list;
    stat.CalcComb(comb, list);
    return list;
}

// The value list of a window first..last as the statistics table builds it: pre-listed values,
// then every draw with one work area and one last-occurrence list for the whole pass.
inline core::TStatDrawArray Table(stats::TCustomStat& stat, int first, int last, bool sorted = false)
{
    core::TStatDrawArray list;
    stat.InitValues(last, list);
    stats::TWorkArea work{};
    core::TLastValueArray lastValues;
    for (int i = first; i <= last; ++i)
        stat.CalcDraw(i, last, sorted, list, work, lastValues);
    return list;
}

inline core::TStatDrawArray PreListed(stats::TCustomStat& stat)
{
    core::TStatDrawArray list;
    stat.InitValues(0, list);
    return list;
}

// Selected table rows with the given keys.
inline core::TStatDrawArray Rows(std::initializer_list<core::TStatKey> keys)
{
    core::TStatDrawArray rows;
    for (const core::TStatKey& k : keys) {
        core::TStatDrawRec r;
        r.Key = k;
        rows.push_back(r);
    }
    return rows;
}

inline core::TConfigData WithChannelSize(int size)
{
    core::TConfigData cfg;
    cfg.ChannelSize = size;
    return cfg;
}

// The batch forms agree with single calls: a's CalcComb one at a time against b's CalcCombs,
// and b's TestCombs against a's TestComb with (at most two of) the values of the first draw as
// the selected rows. a and b are two instances of the same method.
inline void ExpectBatchFormsAgree(stats::TCustomStat& a, stats::TCustomStat& b, const std::vector<core::TComb>& combs,
                                  const char* cls)
{
    core::TStatDrawArray one, batch;
    for (const core::TComb& c : combs)
        a.CalcComb(c, one);
    b.CalcCombs(combs, batch);
    ASSERT_EQ(one.size(), batch.size()) << cls;
    for (std::size_t i = 0; i < one.size(); ++i) {
        EXPECT_EQ(one[i].Key, batch[i].Key) << cls;
        EXPECT_EQ(one[i].Count, batch[i].Count) << cls;
    }
    // Rows from the draw values (the pattern classes have no combination values).
    core::TStatDrawArray rows = DrawValues(a, 0, 0);
    rows.resize(std::min<std::size_t>(rows.size(), 2));
    std::vector<std::uint8_t> flags(combs.size());
    b.TestCombs(combs, stats::TSelection(rows), false, false, 0, flags.data());
    for (std::size_t i = 0; i < combs.size(); ++i)
        EXPECT_EQ(flags[i] != 0, a.TestComb(combs[i], rows, false, false, 0)) << cls << " " << i;
}

// Counts of a value list, in order.
inline std::vector<int> Counts(const core::TStatDrawArray& list)
{
    std::vector<int> counts;
    for (const core::TStatDrawRec& r : list)
        counts.push_back(r.Count);
    return counts;
}

} // namespace stattest
