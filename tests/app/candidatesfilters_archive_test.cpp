// Filter conditions on the real archive, checked against a plain computation over the
// combinations, and the deviation from the full set.

#include "CandidateFiltersFixture.h"

using namespace filtertest;
using namespace Qt::Literals::StringLiterals;
using testsupport::FakeUserIo;
using testsupport::MakeDraw;

namespace {

// The real archive, the full set as the start list.
class CandidateFiltersArchive : public CandidateFiltersBase
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), folder().drawsFile()));
        QFile::setPermissions(folder().drawsFile(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        open();
        ASSERT_GT(parts().archive.draws().size(), 100u);
        core::TGenSettings full;
        ASSERT_TRUE(parts().candidates.generate(full, true));
        m_start = parts().candidates.combs();
    }

    struct NumberStats
    {
        int count = 0;
        int depth = 0; // 1 = the newest draw of the window, 0 = not drawn
    };

    // Counts and depths of the numbers over the window of n draws before the analysis point.
    std::array<NumberStats, 55> numberStats(int n)
    {
        std::array<NumberStats, 55> s{};
        const core::TDrawsArray& draws = parts().archive.draws();
        const int last = int(draws.size()) - 1 - parts().archive.offset();
        for (int i = std::max(0, last - n + 1); i <= last; ++i) {
            for (int k = 0; k < 5; ++k) {
                NumberStats& x = s[draws[std::size_t(i)].Values[k]];
                x.count += 1;
                x.depth = last - i + 1;
            }
        }
        return s;
    }

    std::size_t run(const QString& text)
    {
        parts().candidates.replace(m_start);
        apply(text);
        return parts().candidates.combs().size();
    }

    core::TCombsArray m_start;
};

} // namespace

TEST_F(CandidateFiltersArchive, FiltersAgreeWithAPlainComputation)
{
    const Numbers all = allNumbers();

    // Keep the combinations with a number last drawn at least 5 draws back among the last 10.
    {
        const auto s = numberStats(10);
        Numbers sel;
        for (int n = 1; n <= 54; ++n)
            sel.set(std::size_t(n), s[std::size_t(n)].depth >= 5);
        ASSERT_TRUE(sel.any());
        EXPECT_EQ(run(u"TMF1#NUMS:10#LMV:5#SF:1"_s),
                  countCombs(all, [&](const core::TComb& c) { return hasAny(c, sel); }));
        for (const core::TComb& c : parts().candidates.combs())
            ASSERT_TRUE(hasAny(c, sel));
    }

    // Walking up, remove every number until the first one drawn at least 3 times in 30 draws.
    {
        const auto s = numberStats(30);
        Numbers sel;
        for (int n = 1; n <= 54; ++n)
            sel.set(std::size_t(n), s[std::size_t(n)].count < 3);
        ASSERT_TRUE(sel.any());
        EXPECT_EQ(run(u"BMD1#NUMS:30#LNO:#SV:3"_s),
                  countCombs(all, [&](const core::TComb& c) { return !hasAny(c, sel); }));
    }

    // Keep the most frequent sum of the last 50 draws (the largest of equally frequent ones).
    {
        std::map<int, int> sums;
        const core::TDrawsArray& draws = parts().archive.draws();
        for (std::size_t i = draws.size() - 50; i < draws.size(); ++i) {
            const core::TDrawRec& d = draws[i];
            sums[d.Values[0] + d.Values[1] + d.Values[2] + d.Values[3] + d.Values[4]] += 1;
        }
        int best = 0;
        int bestCount = 0;
        for (const auto& [sum, count] : sums)
            if (count >= bestCount) {
                best = sum;
                bestCount = count;
            }
        EXPECT_EQ(run(u"TSF1#SUMS:50#LNO:#ST:1"_s),
                  countCombs(all, [&](const core::TComb& c) { return sumOf(c) == best; }));
    }

    // Keep numbers drawn fewer than 2 times (no mean period: 0) or with a mean period of at
    // most 8 in 40 draws, that is at least 5 times.
    {
        const auto s = numberStats(40);
        Numbers sel;
        for (int n = 1; n <= 54; ++n)
            sel.set(std::size_t(n), s[std::size_t(n)].count < 2 || s[std::size_t(n)].count >= 5);
        EXPECT_EQ(run(u"TMF1#NUMS:40#PAL:8#SF:1"_s),
                  countCombs(all, [&](const core::TComb& c) { return hasAny(c, sel); }));
    }

    // Row by row, remove the most frequent numbers of 15 draws until a million or fewer are
    // left: C(43,5) after eleven numbers. The eleven are the first of the order by count and
    // value, both descending.
    {
        const auto s = numberStats(15);
        std::vector<int> order;
        for (int n = 54; n >= 1; --n)
            order.push_back(n);
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return s[std::size_t(a)].count > s[std::size_t(b)].count; });
        EXPECT_EQ(run(u"TSD1#NUMS:15#LNO:#SC:1000000"_s), 962598u);
        Numbers present;
        for (const core::TComb& c : parts().candidates.combs())
            for (std::uint8_t n : c.v)
                present.set(n);
        for (std::size_t i = 0; i < order.size(); ++i)
            EXPECT_EQ(present.test(std::size_t(order[i])), i >= 11) << order[i];
    }

    // Five draws back: remove the numbers drawn at most once in the 20 draws before that point.
    {
        parts().archive.setOffset(5);
        const auto s = numberStats(20);
        Numbers sel;
        for (int n = 1; n <= 54; ++n)
            sel.set(std::size_t(n), s[std::size_t(n)].count <= 1);
        EXPECT_EQ(run(u"TMD1#NUMS:20#CDV:0,1#SF:1"_s),
                  countCombs(all, [&](const core::TComb& c) { return !hasAny(c, sel); }));
        parts().archive.setOffset(0);
    }
}

TEST_F(CandidateFiltersArchive, DeviationFromTheFullSet)
{
    // Every number is equally likely over the full set, so the norm of each is the midpoint of
    // the smallest and the largest count of the window, rounded half to even.
    parts().statistics.setPrefetchsEnabledForRun(true);
    // A window whose smallest and largest count have an even sum, so the midpoint is exact.
    int window = 50;
    std::array<NumberStats, 55> s{};
    int lo = 0;
    int hi = 0;
    for (;; ++window) {
        s = numberStats(window);
        lo = 1 << 30;
        hi = 0;
        for (int n = 1; n <= 54; ++n) {
            lo = std::min(lo, s[std::size_t(n)].count);
            hi = std::max(hi, s[std::size_t(n)].count);
        }
        if ((lo + hi) % 2 == 0)
            break;
    }
    const int norm = (lo + hi) / 2;
    Numbers sel;
    for (int n = 1; n <= 54; ++n)
        sel.set(std::size_t(n), s[std::size_t(n)].count - norm >= 2);
    ASSERT_TRUE(sel.any());
    ASSERT_FALSE(sel.all());
    EXPECT_EQ(run(u"TMF1#NUMS:%1#DMV:2#SF:1"_s.arg(window)),
              countCombs(allNumbers(), [&](const core::TComb& c) { return hasAny(c, sel); }));
}
