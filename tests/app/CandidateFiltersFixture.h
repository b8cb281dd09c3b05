#pragma once

// What the tests of filter conditions share: a plain enumeration of combinations to check the
// filters against, hooks that record the run log, and the candidate list with its statistics
// built from their parts over an archive the test writes.

#include "AnalysisParts.h"
#include "FakeUserIo.h"
#include "TestHelpers.h"
#include "TestPaths.h"
#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/StatisticsController.h"
#include "combos/Filters.h"
#include "core/DrawArchive.h"
#include "core/TextForms.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <bitset>
#include <cmath>
#include <functional>
#include <map>
#include <optional>

using namespace Qt::Literals::StringLiterals;
using testsupport::FakeUserIo;
using testsupport::MakeDraw;

namespace filtertest {

using Numbers = std::bitset<55>;
using Pred = std::function<bool(const core::TComb&)>;

inline Numbers numbers(std::initializer_list<int> list)
{
    Numbers s;
    for (int n : list)
        s.set(std::size_t(n));
    return s;
}

inline bool hasAny(const core::TComb& c, const Numbers& s)
{
    return std::any_of(c.v, c.v + 5, [&](std::uint8_t n) { return s.test(n); });
}

inline int sumOf(const core::TComb& c)
{
    return c.v[0] + c.v[1] + c.v[2] + c.v[3] + c.v[4];
}

// Visits every five-number subset of the set, ascending.
inline void forEachComb(const Numbers& pool, const std::function<void(const core::TComb&)>& f)
{
    std::vector<std::uint8_t> n;
    for (int i = 1; i <= 54; ++i)
        if (pool.test(std::size_t(i)))
            n.push_back(std::uint8_t(i));
    const std::size_t k = n.size();
    core::TComb c;
    for (std::size_t a = 0; a < k; ++a)
        for (std::size_t b = a + 1; b < k; ++b)
            for (std::size_t d = b + 1; d < k; ++d)
                for (std::size_t e = d + 1; e < k; ++e)
                    for (std::size_t g = e + 1; g < k; ++g) {
                        c.v[0] = n[a];
                        c.v[1] = n[b];
                        c.v[2] = n[d];
                        c.v[3] = n[e];
                        c.v[4] = n[g];
                        f(c);
                    }
}

inline std::size_t countCombs(const Numbers& pool, const Pred& keep)
{
    std::size_t count = 0;
    forEachComb(pool, [&](const core::TComb& c) { count += keep(c) ? 1 : 0; });
    return count;
}

// Decimal points between digits in the user's separator, as the table writes them.
inline QString local(QString text)
{
    static const QRegularExpression point(QStringLiteral("(\\d)\\.(\\d)"));
    return text.replace(point, u"\\1"_s + core::SystemDecimalPoint() + u"\\2"_s);
}

inline Numbers allNumbers()
{
    Numbers s;
    for (int i = 1; i <= 54; ++i)
        s.set(std::size_t(i));
    return s;
}

// Records what the run sees and decides when it stops.
class RecordingHooks : public combos::FilterRunHooks
{
public:
    bool logging() override { return true; }
    void log(const QString& line) override { lines << line; }
    bool stopRequested() override { return ++checks > stopAfter; }
    const core::TCdlData* savedCdl() override { return saved ? &*saved : nullptr; }

    QStringList lines;
    int checks = 0;
    int stopAfter = 1 << 30;
    std::optional<core::TCdlData> saved;
};

class CandidateFiltersBase : public ::testing::Test
{
protected:
    void open()
    {
        m_parts = std::make_unique<testsupport::AnalysisParts>(m_io, folder());
        m_parts->prepare();
        ASSERT_TRUE(m_parts->archive.load());
    }

    core::DataFolder folder() const { return {m_dir.path(), QStringLiteral("Vertoma_5x54"), m_dir.path()}; }
    testsupport::AnalysisParts& parts() { return *m_parts; }

    // The single variant of a filter text.
    combos::TFilterPart variant(const QString& text)
    {
        const combos::TFilterItem item = combos::FilterItemParse(text, parts().statistics.list());
        const combos::TFilterVarList list = combos::FilterVariantsBuild({item}, 1);
        EXPECT_EQ(list.size(), 1u) << text.toStdString();
        return list.front()[0];
    }

    void apply(const QString& text, combos::FilterRunHooks& hooks)
    {
        parts().candidates.filterApply(variant(text), hooks);
    }
    void apply(const QString& text)
    {
        combos::FilterRunHooks quiet;
        apply(text, quiet);
    }

    QString nameOf(const char* code)
    {
        const stats::TStatList& list = parts().statistics.list();
        return list.GetDisplayName(list.IndexOfCode(QString::fromLatin1(code)), true);
    }

    QTemporaryDir m_dir;
    FakeUserIo m_io;
    std::unique_ptr<testsupport::AnalysisParts> m_parts;
};

} // namespace filtertest
