// The filter word of the command-line tool, run as a separate process on a data folder of its own.

#include "CliRunner.h"
#include "TestHelpers.h"
#include "TestPaths.h"
#include "core/DrawArchive.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <bitset>

namespace {

using Numbers = std::bitset<55>;

using testsupport::CliResult;

class CliFilterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), archive()));
        QFile::setPermissions(archive(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        ASSERT_TRUE(core::LoadDrawsFile(archive(), m_draws));
    }

    QString archive() const { return m_dir.filePath(QStringLiteral("Vertoma_5x54.ldr")); }

    CliResult run(const QStringList& args) { return testsupport::RunCli(m_dir.path(), args); }

    // The numbers last drawn at least minDepth draws back in the window of n draws ending
    // offset draws before the newest (1 = the newest draw of the window).
    Numbers deepNumbers(int n, int minDepth, int offset = 0) const
    {
        int depth[55] = {};
        const int last = int(m_draws.size()) - 1 - offset;
        for (int i = std::max(0, last - n + 1); i <= last; ++i)
            for (int k = 0; k < 5; ++k)
                depth[m_draws[std::size_t(i)].Values[k]] = last - i + 1;
        Numbers s;
        for (int x = 1; x <= 54; ++x)
            s.set(std::size_t(x), depth[x] >= minDepth);
        return s;
    }

    // Combinations of the full set with at least one of the numbers.
    static std::size_t fullSetWithAny(const Numbers& s)
    {
        std::size_t count = 0;
        for (int a = 1; a <= 50; ++a)
            for (int b = a + 1; b <= 51; ++b)
                for (int c = b + 1; c <= 52; ++c)
                    for (int d = c + 1; d <= 53; ++d)
                        for (int e = d + 1; e <= 54; ++e)
                            count += (s.test(std::size_t(a)) || s.test(std::size_t(b)) || s.test(std::size_t(c)) ||
                                      s.test(std::size_t(d)) || s.test(std::size_t(e)))
                                         ? 1
                                         : 0;
        return count;
    }

    QTemporaryDir m_dir;
    core::TDrawsArray m_draws;
};

} // namespace

TEST_F(CliFilterTest, EveryVariantOnTheFullSet)
{
    const CliResult r = run({QStringLiteral("filter"), QStringLiteral("TMF1#NUMS:10,20#LMV:3-5;1#SF:1")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6);
    int i = 0;
    for (int draws : {10, 20}) {
        for (int depth : {3, 4, 5}) {
            const QStringList cells = lines[i++].split(QLatin1Char('\t'));
            ASSERT_EQ(cells.size(), 2);
            EXPECT_EQ(cells[0], QStringLiteral("TMF1#NUMS:%1#LMV:%2#SF:1").arg(draws).arg(depth));
            EXPECT_EQ(cells[1].toULongLong(), fullSetWithAny(deepNumbers(draws, depth))) << draws << ' ' << depth;
        }
    }

    // The analysis point five draws back.
    const CliResult back = run({QStringLiteral("filter"), QStringLiteral("TMF1#NUMS:10#LMV:5#SF:1"),
                                QStringLiteral("--offset"), QStringLiteral("5")});
    ASSERT_EQ(back.exitCode, 0) << back.err.toStdString();
    EXPECT_EQ(back.out, QStringLiteral("TMF1#NUMS:10#LMV:5#SF:1\t%1\n").arg(fullSetWithAny(deepNumbers(10, 5, 5))));
}

TEST_F(CliFilterTest, StartListFromAFileAndTheLastVariantWritten)
{
    // All combinations of 1..8, in the file's own form.
    QByteArray text;
    std::vector<std::array<int, 5>> start;
    for (int a = 1; a <= 8; ++a)
        for (int b = a + 1; b <= 8; ++b)
            for (int c = b + 1; c <= 8; ++c)
                for (int d = c + 1; d <= 8; ++d)
                    for (int e = d + 1; e <= 8; ++e) {
                        start.push_back({a, b, c, d, e});
                        text += QStringLiteral("%1;%2;%3;%4;%5\r\n").arg(a).arg(b).arg(c).arg(d).arg(e).toLatin1();
                    }
    const QString in = m_dir.filePath(QStringLiteral("start.lcv"));
    const QString out = m_dir.filePath(QStringLiteral("left.lcv"));
    {
        QFile f(in);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }

    // Depth 1000 selects nothing, so the first variant leaves the list whole; depth 1 keeps the
    // combinations with a number of the last 10 draws.
    const CliResult r = run({QStringLiteral("filter"), QStringLiteral("TMF1#NUMS:10#LMV:1000,1#SF:1"),
                             QStringLiteral("--in"), in, QStringLiteral("--out"), out});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const Numbers drawn = deepNumbers(10, 1);
    QByteArray expected;
    for (const auto& c : start)
        if (std::any_of(c.begin(), c.end(), [&](int n) { return drawn.test(std::size_t(n)); }))
            expected +=
                QStringLiteral("%1;%2;%3;%4;%5\r\n").arg(c[0]).arg(c[1]).arg(c[2]).arg(c[3]).arg(c[4]).toLatin1();
    ASSERT_FALSE(expected.isEmpty());
    ASSERT_LT(expected.size(), text.size()) << "the last 10 draws miss some of 1..8";
    EXPECT_EQ(
        r.out,
        QStringLiteral("TMF1#NUMS:10#LMV:1000#SF:1\t56\nTMF1#NUMS:10#LMV:1#SF:1\t%1\n").arg(expected.count('\n')));
    EXPECT_EQ(testsupport::ReadFile(out), expected);

    // Two filters of a line: every pair of their variants.
    const CliResult two = run({QStringLiteral("filter"), QStringLiteral("TMF1#NUMS:10#LMV:1000,1#SF:1"),
                               QStringLiteral("TMD1#NUMS:10#LVA:1,2#SF:1"), QStringLiteral("--in"), in});
    ASSERT_EQ(two.exitCode, 0) << two.err.toStdString();
    const QStringList lines = two.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QStringLiteral("TMF1#NUMS:10#LMV:1000#SF:1 + TMD1#NUMS:10#LVA:1,2#SF:1\t6"));
}

TEST_F(CliFilterTest, RefusalsAndFailures)
{
    const auto refused = [&](const QStringList& args, const QString& message) {
        const CliResult r = run(QStringList{QStringLiteral("filter")} + args);
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains(message)) << r.err.toStdString();
    };
    refused({QStringLiteral("TSD1#XXXX:10#LNO:#SF:1")},
            QStringLiteral("Некорректное описание фильтра: TSD1#XXXX:10#LNO:#SF:1!"));
    refused({QStringLiteral("TSD1#NUMS:1-10#LNO:#SF:1")},
            QStringLiteral("Некорректное описание фильтра: TSD1#NUMS:1-10#LNO:#SF:1!"));
    refused({QStringLiteral("TSD1#NUMS:10#LDV:x#SF:1")},
            QStringLiteral("Некорректное описание фильтра: TSD1#NUMS:10#LDV:x#SF:1!"));
    refused({QStringLiteral("##")}, QStringLiteral("Некорректное описание фильтра: ##!"));
    // A range longer than memory holds: the cure, then the reason.
    refused({QStringLiteral("TSD1#NUMS:1-2147483647;1#LNO:#SF:1")},
            QStringLiteral("Вы задали слишком много вариантов фильтров - программа не сможет обработать их все!\n"
                           "Пожалуйста, уменьшите в каждом из фильтров количество вариантов длины выборки и глубины, "
                           "а затем повторите попытку.\n\nНедостаточно памяти"));
    refused({}, QStringLiteral("TSD1#NUMS:10#LMV:5#SF:1"));
    refused({QStringLiteral("TSD1#NUMS:10"), QStringLiteral("--out")}, QStringLiteral("Не указано значение"));
    refused({QStringLiteral("TSD1#NUMS:10"), QStringLiteral("--bogus")}, QStringLiteral("--bogus"));
    refused({QStringLiteral("TSD1#NUMS:10"), QStringLiteral("--offset"), QStringLiteral("1114")},
            QStringLiteral("1114"));

    // A list condition meets a row without a minimum period: the filter fails.
    const CliResult r = run({QStringLiteral("filter"), QStringLiteral("TSD1#NUMS:6#PIR:1#SF:1")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("'-'"))) << r.err.toStdString();
}

TEST_F(CliFilterTest, AFilterThatSelectsNoRowIsToldOnStderrOnly)
{
    // Even/odd as the table shows it typed as digits: no draw has 23 or 32 even numbers.
    const CliResult none = run({QStringLiteral("filter"), QStringLiteral("TMD1#EVEN:10#LVA:23,2,32#SF:1")});
    ASSERT_EQ(none.exitCode, 0) << none.err.toStdString();
    const QString list = none.out.split(u'\t').value(1).trimmed();
    EXPECT_EQ(none.out.split(u'\t').value(0), QStringLiteral("TMD1#EVEN:10#LVA:23,2,32#SF:1"));
    EXPECT_LT(list.toULongLong(), 3162510u) << "the value 2 exists and narrows";
    EXPECT_TRUE(none.err.isEmpty()) << none.err.toStdString();

    const CliResult empty = run({QStringLiteral("filter"), QStringLiteral("TMD1#EVEN:10#LVA:23,32#SF:1"),
                                 QStringLiteral("TSD1#NUMS:5#LMV:4000#SF:1")});
    ASSERT_EQ(empty.exitCode, 0) << empty.err.toStdString();
    EXPECT_EQ(empty.out, QStringLiteral("TMD1#EVEN:10#LVA:23,32#SF:1 + TSD1#NUMS:5#LMV:4000#SF:1\t3162510\n"));
    const QStringList warnings = empty.err.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(warnings.size(), 2) << empty.err.toStdString();
    EXPECT_TRUE(warnings[0].contains(QStringLiteral("TMD1#EVEN:10#LVA:23,32#SF:1")));
    EXPECT_TRUE(warnings[0].endsWith(QStringLiteral("Таких значений у статистики нет: 23; 32.")))
        << warnings[0].toStdString();
    EXPECT_TRUE(warnings[1].contains(QStringLiteral("TSD1#NUMS:5#LMV:4000#SF:1")));
    EXPECT_FALSE(warnings[1].contains(QStringLiteral("Таких значений"))) << "a depth is no value of the table";
}
