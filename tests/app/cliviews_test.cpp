// The tool's words of the analysis pages, run as a separate process on a copy of the real
// archive; their output is checked against plain loops over the archive read here.

#include "CliRunner.h"
#include "TestPaths.h"
#include "core/DrawArchive.h"
#include "core/TextForms.h"

#include <QDate>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

struct CliResult
{
    int exitCode = -1;
    QStringList lines;
    QString err;
};

class CliViewsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString archive = m_dir.filePath(QStringLiteral("Vertoma_5x54.ldr"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), archive));
        QFile::setPermissions(archive, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        ASSERT_TRUE(core::LoadDrawsFile(archive, m_draws));
    }

    CliResult run(const QStringList& args)
    {
        const testsupport::CliResult r = testsupport::RunCli(m_dir.path(), args);
        return {r.exitCode, r.out.split(u'\n'), r.err};
    }
    const core::TDrawRec& draw(int fromNewest) const { return m_draws[m_draws.size() - 1 - std::size_t(fromNewest)]; }
    static int sumOf(const core::TDrawRec& d)
    {
        return d.Values[0] + d.Values[1] + d.Values[2] + d.Values[3] + d.Values[4];
    }

    QTemporaryDir m_dir;
    core::TDrawsArray m_draws;
};

} // namespace

TEST_F(CliViewsTest, GraphPrintsTheWindowTheAverageAndTheMostFrequentValue)
{
    const CliResult r = run({QStringLiteral("graph"), QStringLiteral("SUMS"), QStringLiteral("--len"),
                             QStringLiteral("10"), QStringLiteral("--offset"), QStringLiteral("5")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    ASSERT_GE(r.lines.size(), 13);
    EXPECT_EQ(r.lines[0], QStringLiteral("Тираж\tСумма тиража: все значения"));
    double total = 0;
    std::map<int, int> counts;
    for (int i = 0; i < 10; ++i) {
        const core::TDrawRec& d = draw(5 + 9 - i);
        EXPECT_EQ(r.lines[1 + i], QStringLiteral("%1\t%2").arg(d.Num).arg(sumOf(d)));
        total += sumOf(d);
        ++counts[sumOf(d)];
    }
    const QStringList average = r.lines[11].split(u'\t');
    EXPECT_EQ(average[0], QStringLiteral("Среднее значение"));
    EXPECT_NEAR(QString(average[1]).replace(u',', u'.').toDouble(), total / 10, 1e-4);
    EXPECT_TRUE(r.lines[12].startsWith(QStringLiteral("Наиболее часто встречающееся значение\t")));
    const int frequent = r.lines[12].section(u'\t', 1).toInt();
    for (const auto& [sum, n] : counts)
        EXPECT_LE(n, counts[frequent]);

    EXPECT_EQ(run({QStringLiteral("graph"), QStringLiteral("NUMS")}).exitCode, 2) << "no graph for a list of values";
    EXPECT_EQ(run({QStringLiteral("graph"), QStringLiteral("XXXX")}).exitCode, 2);
    EXPECT_EQ(
        run({QStringLiteral("graph"), QStringLiteral("SUMS"), QStringLiteral("--len"), QStringLiteral("0")}).exitCode,
        2);
    EXPECT_EQ(run({QStringLiteral("graph"), QStringLiteral("SUMS"), QStringLiteral("--offset"), QStringLiteral("1114")})
                  .exitCode,
              2);
}

TEST_F(CliViewsTest, LayoutOfOneDrawAndTheComparisonLists)
{
    CliResult r = run({QStringLiteral("layout"), QStringLiteral("--len"), QStringLiteral("1")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.lines[0], QStringLiteral("Кол-во\t%1").arg(draw(0).Num));
    EXPECT_EQ(r.lines[1], QStringLiteral("1\t7, 8, 11, 31, 35"));
    EXPECT_TRUE(r.lines[2].isEmpty());

    // Offset 1: the numbers of the newest draw are the next draw's, in brackets.
    r = run({QStringLiteral("layout"), QStringLiteral("--offset"), QStringLiteral("1")});
    ASSERT_EQ(r.exitCode, 0);
    const QString all = r.lines.join(u'\n');
    std::set<int> inWindow;
    for (int k = 1; k <= 100; ++k)
        inWindow.insert(std::begin(draw(k).Values), std::end(draw(k).Values));
    for (std::uint8_t n : draw(0).Values)
        EXPECT_EQ(all.contains(QStringLiteral("[%1]").arg(n)), inWindow.count(n) > 0) << int(n);
    EXPECT_EQ(r.lines[0].split(u'\t').value(1), QString::number(draw(1).Num));

    r = run({QStringLiteral("layout"), QStringLiteral("--compare"), QStringLiteral("--lens"),
             QStringLiteral("1,2,3,4,50")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.lines[0], QStringLiteral("Список\tТиражи\tКол-во\tНомера"));
    EXPECT_EQ(r.lines[1], QStringLiteral("1\t%1 - %1\t1\t7, 8, 11, 31, 35").arg(draw(0).Num));
    int list5 = 0;
    for (const QString& line : r.lines)
        if (line.startsWith(QStringLiteral("5\t"))) {
            EXPECT_EQ(line.section(u'\t', 1, 1), QStringLiteral("%1 - %2").arg(draw(49).Num).arg(draw(0).Num));
            list5 += int(line.section(u'\t', 3).split(QStringLiteral(", ")).size()) * line.section(u'\t', 2, 2).toInt();
        }
    EXPECT_EQ(list5, 250);
    EXPECT_EQ(
        run({QStringLiteral("layout"), QStringLiteral("--compare"), QStringLiteral("--lens"), QStringLiteral("1,2")})
            .exitCode,
        2);
}

TEST_F(CliViewsTest, WeekCountsAgainstTheCalendar)
{
    const CliResult r = run({QStringLiteral("week"), QStringLiteral("--len"), QStringLiteral("200")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    ASSERT_GE(r.lines.size(), 8);
    EXPECT_TRUE(r.lines[0].startsWith(QStringLiteral("День\t1\t2\t")));
    EXPECT_TRUE(r.lines[0].endsWith(QStringLiteral("\t54")));
    std::map<std::pair<int, int>, int> expected;
    for (int k = 0; k < 200; ++k) {
        const int day = QDate::fromString(core::DrawDateText(draw(k)), QStringLiteral("dd/MM/yyyy")).dayOfWeek();
        for (std::uint8_t n : draw(k).Values)
            ++expected[{n, day}];
    }
    for (int d = 1; d <= 7; ++d) {
        const QStringList cells = r.lines[d].split(u'\t');
        ASSERT_EQ(cells.size(), 55);
        for (int n = 1; n <= 54; ++n)
            ASSERT_EQ(cells[n].toInt(), (expected[{n, d}])) << n << " " << d;
    }
}

TEST_F(CliViewsTest, RepeatsRowsOfTheNewestDraws)
{
    const CliResult r = run({QStringLiteral("repeats"), QStringLiteral("--len"), QStringLiteral("5"),
                             QStringLiteral("--deep"), QStringLiteral("1")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.lines[0], QStringLiteral("Тираж\tСовпадений\tКол-во повторов\tСписок тиражей"));
    QStringList expected;
    for (int k = 0; k < 5; ++k) {
        int shared = 0;
        for (std::uint8_t n : draw(k).Values)
            shared += int(std::count(std::begin(draw(k + 1).Values), std::end(draw(k + 1).Values), n));
        if (shared)
            expected << QStringLiteral("%1\t%2\t1\t%3").arg(draw(k).Num).arg(shared).arg(draw(k + 1).Num);
    }
    EXPECT_EQ(r.lines.mid(1, expected.size()), expected);
    EXPECT_TRUE(r.lines.value(1 + expected.size()).isEmpty());
}

TEST_F(CliViewsTest, InfoOfACombinationAndOfADraw)
{
    CliResult r = run({QStringLiteral("info"), QStringLiteral("1;2;3;4;5")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.lines[0], QStringLiteral("Свойство\tЗначение"));
    EXPECT_FALSE(r.lines.join(u'\n').contains(QStringLiteral("Номер тиража:")));
    EXPECT_TRUE(r.lines.contains(QStringLiteral("Сумма тиража: все значения\t15")));
    EXPECT_TRUE(r.lines.contains(QStringLiteral("Количество четных чисел в тираже (Ч:Н)\t2")));

    r = run({QStringLiteral("info"), QStringLiteral("--draw"), QString::number(draw(3).Num)});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.lines[1], QStringLiteral("Номер тиража:\t%1").arg(draw(3).Num));
    EXPECT_EQ(r.lines[2], QStringLiteral("Дата тиража:\t%1").arg(core::DrawDateText(draw(3))));
    EXPECT_TRUE(r.lines.contains(QStringLiteral("Сумма тиража: все значения\t%1").arg(sumOf(draw(3)))));

    for (const char* bad : {"1;2;3;4", "1;2;3;4;55", "1;1;3;4;5", "a;b;c;d;e"})
        EXPECT_EQ(run({QStringLiteral("info"), QString::fromLatin1(bad)}).exitCode, 2) << bad;
    EXPECT_EQ(run({QStringLiteral("info"), QStringLiteral("--draw"), QStringLiteral("99999")}).exitCode, 2);
    EXPECT_EQ(run({QStringLiteral("info")}).exitCode, 2);
}

TEST_F(CliViewsTest, SumsAndTheirRanges)
{
    const CliResult r = run({QStringLiteral("sums")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.lines[0], QStringLiteral("Сумма\tТеоретически\tФактически"));
    std::map<int, int> actual;
    for (const core::TDrawRec& d : m_draws)
        ++actual[sumOf(d)];
    long long theory = 0, drawn = 0;
    for (int i = 1; i <= 246; ++i) {
        const QStringList cells = r.lines[i].split(u'\t');
        ASSERT_EQ(cells.size(), 3);
        ASSERT_EQ(cells[0].toInt(), 14 + i);
        ASSERT_EQ(cells[2].toInt(), actual[14 + i]);
        theory += cells[1].toLongLong();
        drawn += cells[2].toInt();
    }
    EXPECT_EQ(theory, 3162510);
    EXPECT_EQ(drawn, 1114);
    EXPECT_TRUE(r.lines[247].isEmpty());
    EXPECT_EQ(r.lines[248], QStringLiteral("Диапазон\tУровень\tОт\tДо"));
    for (int k = 0; k < 3; ++k) {
        const QStringList cells = r.lines[249 + k].split(u'\t');
        ASSERT_EQ(cells.size(), 4);
        EXPECT_EQ(cells[0], QString::fromLatin1(k == 0 ? "1/3" : k == 1 ? "1/2" : "2/3"));
        EXPECT_EQ(cells[2].toInt() + cells[3].toInt(), 275);
    }
}

TEST_F(CliViewsTest, EveryNewWordHasHelp)
{
    for (const char* word : {"graph", "layout", "week", "repeats", "info", "sums"}) {
        const CliResult r = run({QString::fromLatin1(word), QStringLiteral("--help")});
        EXPECT_EQ(r.exitCode, 0) << word;
        EXPECT_TRUE(
            r.lines.join(u'\n').contains(QStringLiteral("vertoma-cli [--data-dir DIR] ") + QString::fromLatin1(word)))
            << word;
        EXPECT_EQ(run({QString::fromLatin1(word), QStringLiteral("--nonsense")}).exitCode, 2) << word;
    }
    const CliResult usage = run({QStringLiteral("--help")});
    for (const char* word : {"graph CODE", "layout --compare", "week [", "repeats [", "info --draw NUM", "sums"})
        EXPECT_TRUE(usage.lines.join(u'\n').contains(QString::fromLatin1(word))) << word;
}
