// A player's week with the real programs: a fresh data folder, the draw history imported from
// CSV, two weekly downloads from the operator's site on 127.0.0.1, the statistics table and a
// filter from it, a script tested and run, its stakes checked by the next download, ratings
// turned back into a script line, a regular rule, a system game with a system from a running
// vertoma-host, the stakes exported, and a restart that finds everything as it was. Every step
// checks what the player would see against what the test works out from the draws itself.

#include "CliRunner.h"
#include "LocalServers.h"
#include "TestHelpers.h"
#include "TestPaths.h"
#include "XlsxReader.h"
#include "core/Cp1251.h"
#include "core/DrawArchive.h"
#include "core/GameMath.h"
#include "core/TextForms.h"
#include "online/SystemsLibrary.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>

using namespace Qt::StringLiterals;
using testsupport::CliResult;

namespace {

// Stake cost and prizes of the week (matches -> prize), in currency units.
constexpr int kCost = 2;
const std::map<int, int> kPrizes{{2, 4}, {3, 30}, {4, 1000}, {5, 100000}};

QString money(int units)
{
    return u"%1.00"_s.arg(units);
}

// The vertoma-host program on a free port of 127.0.0.1 with the test authority's certificate.
class HostProcess
{
public:
    explicit HostProcess(const QString& dataDir)
    {
        m_process.start(QStringLiteral(VERTOMA_HOST_PATH),
                        {u"--data"_s, dataDir, u"--port"_s, u"0"_s, u"--bind"_s, u"127.0.0.1"_s, u"--cert"_s,
                         QStringLiteral(VERTOMA_TEST_DATA_DIR "/net/server.pem"), u"--key"_s,
                         QStringLiteral(VERTOMA_TEST_DATA_DIR "/net/server.key")});
        if (!m_process.waitForStarted(10000))
            return;
        QByteArray out;
        while (!out.contains('\n') && m_process.waitForReadyRead(30000))
            out += m_process.readAllStandardOutput();
        const auto m = QRegularExpression(u"https://127\\.0\\.0\\.1:(\\d+)"_s).match(QString::fromUtf8(out));
        if (m.hasMatch())
            m_url = u"https://127.0.0.1:%1"_s.arg(m.captured(1));
    }
    ~HostProcess()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(10000))
            m_process.kill();
        m_process.waitForFinished(5000);
    }
    HostProcess(const HostProcess&) = delete;
    HostProcess& operator=(const HostProcess&) = delete;

    QString url() const { return m_url; }

private:
    QProcess m_process;
    QString m_url;
};

class WeekTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), m_real));
        ASSERT_GE(m_real.size(), 200u);
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }

    CliResult run(const QStringList& args)
    {
        CliResult r = testsupport::RunCli(m_dir.path(), args);
        EXPECT_EQ(r.exitCode, 0) << args.join(u' ').toStdString() << "\n" << r.err.toStdString();
        return r;
    }

    void writeConfig()
    {
        QString text = u"[NETWORK]\r\nOperatorUrl=%1\r\nServiceUrl=%2\r\nCaFile=%3\r\n"_s.arg(
            m_site.url(), m_host.url(), testsupport::TestCaFile());
        text += u"[CLIENT]\r\nUserName=Игрок\r\nUserMail=player@example.test\r\n"_s;
        text += u"[STAKES]\r\nCost=%1\r\nProfits=%2\r\n"_s.arg(kCost).arg(kPrizes.size());
        int i = 0;
        for (const auto& [matches, prize] : kPrizes) {
            text += u"Profit_%1_Overlap=%2\r\nProfit_%1_Profit=%3\r\n"_s.arg(i).arg(matches).arg(prize);
            ++i;
        }
        QFile ini(path(u"Vertoma_5x54.ini"_s));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write(cp1251::encode(text));
    }

    // The draws the archive should hold when it has the first count draws of the history.
    core::TDrawsArray firstDraws(std::size_t count) const
    {
        return core::TDrawsArray(m_real.begin(), m_real.begin() + std::ptrdiff_t(count));
    }

    void expectArchive(std::size_t count)
    {
        core::TDrawsArray archive;
        ASSERT_TRUE(core::LoadDrawsFile(path(u"Vertoma_5x54.ldr"_s), archive));
        ASSERT_EQ(archive.size(), count);
        for (std::size_t i = 0; i < count; ++i) {
            ASSERT_EQ(archive[i].Num, m_real[i].Num) << i;
            ASSERT_EQ(core::DrawDateText(archive[i]), core::DrawDateText(m_real[i])) << i;
            ASSERT_EQ(archive[i].Extra, m_real[i].Extra) << i;
            for (int k = 0; k < 5; ++k)
                ASSERT_EQ(archive[i].Values[k], m_real[i].Values[k]) << i << ":" << k;
        }
    }

    // The line the download prints for a draw it added.
    static QString downloadedLine(const core::TDrawRec& d)
    {
        return u"%1\t%2\t%3\t%4"_s.arg(d.Num)
            .arg(core::DrawDateText(d), core::CombText(core::CombFromDraw(d)))
            .arg(d.Extra);
    }

    // How often each number was drawn in the window of len draws ending at the draw with index last.
    std::array<int, 55> counts(int last, int len) const
    {
        std::array<int, 55> c{};
        for (int i = std::max(0, last - len + 1); i <= last; ++i)
            for (int k = 0; k < 5; ++k)
                ++c[m_real[std::size_t(i)].Values[k]];
        return c;
    }

    // The numbers drawn at least minCount times in that window.
    std::set<int> hotNumbers(int last, int len, int minCount) const
    {
        const auto c = counts(last, len);
        std::set<int> s;
        for (int x = 1; x <= 54; ++x)
            if (c[std::size_t(x)] >= minCount)
                s.insert(x);
        return s;
    }

    // Combinations of the full set with at least one of count given numbers.
    static qint64 withAnyOf(std::size_t count) { return core::Binomial(54, 5) - core::Binomial(54 - int(count), 5); }

    int matches(const QString& stakeText, const core::TDrawRec& draw) const
    {
        std::set<int> drawn;
        for (int k = 0; k < 5; ++k)
            drawn.insert(draw.Values[k]);
        int m = 0;
        for (const QString& n : stakeText.split(u';'))
            m += drawn.count(n.toInt()) ? 1 : 0;
        return m;
    }

    const core::TDrawRec& drawByNum(int num) const
    {
        for (const core::TDrawRec& d : m_real)
            if (d.Num == num)
                return d;
        ADD_FAILURE() << "no draw " << num;
        return m_real.front();
    }

    // The rows of the stakes list, separators left out; each a list of nine cells.
    QList<QStringList> stakeRows(const CliResult& r) const
    {
        QList<QStringList> rows;
        const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QStringList cells = lines[i].split(u'\t');
            EXPECT_EQ(cells.size(), 9) << lines[i].toStdString();
            if (cells.size() == 9 && !cells[0].isEmpty())
                rows << cells;
        }
        return rows;
    }

    // A checked stake row shows the draw's numbers, the matches, the matched numbers and the
    // profit as worked out here from the draw.
    void expectChecked(const QStringList& row)
    {
        const core::TDrawRec& draw = drawByNum(row[0].toInt());
        core::TComb sorted = core::CombFromDraw(draw);
        core::SortComb(sorted);
        EXPECT_EQ(row[4], core::CombText(sorted)) << row.join(u' ').toStdString();
        const int m = matches(row[2], draw);
        EXPECT_EQ(row[5], QString::number(m)) << row.join(u' ').toStdString();
        QStringList common;
        for (const QString& n : row[2].split(u';'))
            if (matches(n + u";0;0;0;0"_s, draw) == 1)
                common << n;
        EXPECT_EQ(row[6], common.join(u' ')) << row.join(u' ').toStdString();
        const int prize = kPrizes.count(m) ? kPrizes.at(m) : 0;
        EXPECT_EQ(QString(row[7]).replace(u',', u'.'), money(prize - kCost)) << row.join(u' ').toStdString();
    }

    QByteArray fileHash(const QString& name) const
    {
        QFile f(path(name));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }

    QTemporaryDir m_dir;
    QTemporaryDir m_hostDir;
    core::TDrawsArray m_real;
    testsupport::OperatorSite m_site;
    HostProcess m_host{m_hostDir.path()};
};

} // namespace

TEST_F(WeekTest, APlayersWeekFromTheFirstImportToARestart)
{
    const int n = int(m_real.size());
    const int total = int(core::Binomial(54, 5));
    ASSERT_FALSE(m_host.url().isEmpty()) << "vertoma-host did not start";
    writeConfig();

    // ---- 1. The history up to two draws ago, imported from the CSV file.
    {
        SCOPED_TRACE("import");
        const QByteArray csv =
            testsupport::ReadFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/draws_history_import.csv"));
        QList<QByteArray> lines = csv.split('\n');
        while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
            lines.removeLast();
        ASSERT_EQ(lines.size(), n);
        lines.resize(n - 2);
        QFile trimmed(path(u"history.csv"_s));
        ASSERT_TRUE(trimmed.open(QIODevice::WriteOnly));
        trimmed.write(lines.join('\n') + '\n');
        trimmed.close();

        CliResult r = run({u"draws"_s, u"import"_s, path(u"history.csv"_s)});
        EXPECT_EQ(r.out.trimmed(), u"Добавлено тиражей: %1, пропущено строк: 0"_s.arg(n - 2));
        r = run({u"status"_s});
        ASSERT_GE(r.lines().size(), 2);
        EXPECT_EQ(r.lines()[0], u"Архив тиражей: %1"_s.arg(n - 2));
        EXPECT_EQ(r.lines()[1], u"Следующий тираж: %1"_s.arg(m_real[std::size_t(n - 3)].Num + 1));
        r = run({u"draws"_s});
        ASSERT_EQ(r.lines().size(), 1 + n - 2);
        EXPECT_TRUE(r.lines()[1].startsWith(u"%1\t"_s.arg(m_real[std::size_t(n - 3)].Num))) << "the newest first";
        ASSERT_NO_FATAL_FAILURE(expectArchive(std::size_t(n - 2)));
    }

    // ---- 2. This week the operator's site has one new draw.
    m_site.serveDraws(firstDraws(std::size_t(n - 1)));
    {
        SCOPED_TRACE("first download");
        const CliResult r = run({u"draws"_s, u"download"_s});
        EXPECT_EQ(r.lines(), (QStringList{downloadedLine(m_real[std::size_t(n - 2)]), u"Загружено тиражей: 1"_s}));
        ASSERT_NO_FATAL_FAILURE(expectArchive(std::size_t(n - 1)));
    }
    const int last = n - 2; // index of the newest draw in the archive now
    const int nextNum = m_real[std::size_t(last)].Num + 1;

    // ---- 3. The statistics table of the numbers over 100 draws, and filters from its rows.
    constexpr int kLen = 100;
    std::set<int> hot;
    int minCount = 0;
    QList<int> byCount; // the values in the order of the table sorted by count, most first
    {
        SCOPED_TRACE("statistics and filter");
        CliResult r = run({u"stat"_s, u"NUMS"_s, u"--len"_s, QString::number(kLen), u"--sort"_s, u"1:desc"_s});
        const QStringList lines = r.lines();
        ASSERT_EQ(lines.size(), 1 + 54) << r.out.toStdString();
        EXPECT_TRUE(lines[0].startsWith(u"Значение\tКоличество\t"_s));
        const auto expected = counts(last, kLen);
        int previous = 1 << 30;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QStringList cells = lines[i].split(u'\t');
            ASSERT_EQ(cells.size(), 20);
            const int value = cells[0].toInt();
            ASSERT_TRUE(value >= 1 && value <= 54);
            EXPECT_EQ(cells[1].toInt(), expected[std::size_t(value)]) << value;
            EXPECT_LE(cells[1].toInt(), previous) << "sorted by count";
            previous = cells[1].toInt();
            byCount << value;
        }
        // The rows the player selects: the numbers drawn at least as often as the sixth row.
        minCount = expected[std::size_t(byCount[5])];
        hot = hotNumbers(last, kLen, minCount);
        ASSERT_GE(hot.size(), 6u);
        ASSERT_LT(hot.size(), 54u);

        // Keep the combinations with a number of those rows, chosen by the count column...
        r = run({u"filter"_s, u"TMF1#NUMS:%1#CMV:%2#SF:1"_s.arg(kLen).arg(minCount)});
        const QStringList kept = r.out.trimmed().split(u'\t');
        ASSERT_EQ(kept.size(), 2) << r.out.toStdString();
        EXPECT_EQ(kept[1].toLongLong(), withAnyOf(hot.size()));
        // ...and remove them, chosen by their values: the two lists split the full set.
        QStringList values;
        for (int x : hot)
            values << QString::number(x);
        r = run({u"filter"_s, u"TMD1#NUMS:%1#LVA:%2#SF:1"_s.arg(kLen).arg(values.join(u','))});
        const QStringList removed = r.out.trimmed().split(u'\t');
        ASSERT_EQ(removed.size(), 2) << r.out.toStdString();
        EXPECT_EQ(removed[1].toLongLong(), core::Binomial(54 - int(hot.size()), 5));
        EXPECT_EQ(kept[1].toLongLong() + removed[1].toLongLong(), total);
        EXPECT_LT(kept[1].toLongLong(), total) << "the list shrank";
    }

    // ---- 4. A script of two lines, tested over 20 draws and run for the next draw.
    const QString hotLine = u"FULL:0#FIRST|TMF1#NUMS:%1#CMV:%2#SF:1| | | | | | |горячие"_s.arg(kLen).arg(minCount);
    const QString freshLine = u"EXCL:10#LAST#NEX|TMD1#NUMS:20#LMV:5#SF:1| | | | | | |свежие"_s;
    constexpr int kTestCount = 20;
    QStringList scriptShown;
    {
        SCOPED_TRACE("script");
        run({u"script"_s, u"add"_s, hotLine});
        run({u"script"_s, u"add"_s, freshLine});
        CliResult r = run({u"script"_s, u"show"_s});
        scriptShown = r.lines();
        ASSERT_EQ(scriptShown.size(), 3) << r.out.toStdString();
        EXPECT_EQ(scriptShown[1].split(u'\t').value(0), u"горячие"_s);
        EXPECT_EQ(scriptShown[1].split(u'\t').value(2), u"TMF1#NUMS:%1#CMV:%2#SF:1"_s.arg(kLen).arg(minCount));
        EXPECT_EQ(scriptShown[2].split(u'\t').value(0), u"свежие"_s);
        EXPECT_EQ(scriptShown[2].split(u'\t').value(1), u"Исключить 10 тиражей; Последняя; Только новые ставки"_s);

        r = run({u"script"_s, u"test"_s, u"--count"_s, QString::number(kTestCount)});
        QStringList lines = r.lines();
        ASSERT_EQ(lines.size(), 2 * kTestCount + 1) << r.out.toStdString();
        EXPECT_EQ(lines.last(), QString::number(2 * kTestCount));
        // The first line's list, at each tested draw, holds the combinations with a number
        // drawn at least minCount times in the 100 draws before it.
        for (int t = 0; t < kTestCount; ++t) {
            const int at = last - kTestCount + t; // the analysis point: the draw before the tested one
            const QStringList cells = lines[2 * t].split(u'\t');
            ASSERT_EQ(cells.size(), 4) << lines[2 * t].toStdString();
            EXPECT_EQ(cells[0], u"1"_s);
            EXPECT_EQ(cells[1], u"1"_s) << "one variant";
            EXPECT_EQ(cells[2].toLongLong(), withAnyOf(hotNumbers(at, kLen, minCount).size())) << "draw index " << at;
            EXPECT_EQ(cells[3], u"1"_s);
            EXPECT_EQ(lines[2 * t + 1].split(u'\t').value(0), u"2"_s);
        }

        // Every tested stake is checked against its draw; the ratings add them up per line.
        r = run({u"stakes"_s});
        const QList<QStringList> rows = stakeRows(r);
        ASSERT_EQ(rows.size(), 2 * kTestCount);
        std::map<QString, std::array<int, 6>> histogram;
        std::map<QString, int> matched;
        for (int i = 0; i < rows.size(); ++i) {
            const QStringList& row = rows[i];
            EXPECT_EQ(row[0].toInt(), m_real[std::size_t(last - kTestCount + 1 + i / 2)].Num);
            EXPECT_EQ(row[1], u"Сценарий"_s);
            EXPECT_TRUE(row[8].contains(i % 2 == 0 ? u"горячие"_s : u"свежие"_s)) << row[8].toStdString();
            expectChecked(row);
            histogram[row[8]][std::size_t(row[5].toInt())] += 1;
            matched[row[8]] += row[5].toInt();
        }
        ASSERT_EQ(histogram.size(), 2u);
        r = run({u"ratings"_s});
        const QStringList ratings = r.lines();
        ASSERT_EQ(ratings.size(), 3) << r.out.toStdString();
        for (qsizetype i = 1; i < ratings.size(); ++i) {
            const QStringList cells = ratings[i].split(u'\t');
            ASSERT_EQ(cells.size(), 18);
            ASSERT_TRUE(histogram.count(cells[0])) << cells[0].toStdString();
            EXPECT_EQ(cells[1], QString::number(kTestCount));
            EXPECT_EQ(cells[2], QString::number(matched[cells[0]]));
            for (int m = 0; m <= 5; ++m)
                EXPECT_EQ(cells[6 + m], QString::number(histogram[cells[0]][std::size_t(m)])) << m;
        }

        // The run for the next draw: one stake per line, not checked yet.
        r = run({u"script"_s, u"run"_s});
        lines = r.lines();
        ASSERT_EQ(lines.size(), 3) << r.out.toStdString();
        EXPECT_EQ(lines[0], u"1\t1\t%1\t1"_s.arg(withAnyOf(hot.size())));
        EXPECT_EQ(lines[2], u"2"_s);
        const QList<QStringList> after = stakeRows(run({u"stakes"_s}));
        ASSERT_EQ(after.size(), 2 * kTestCount + 2);
        for (int i = 2 * kTestCount; i < after.size(); ++i) {
            EXPECT_EQ(after[i][0], QString::number(nextNum));
            EXPECT_EQ(after[i][4], QString()) << "the draw is not in yet";
            EXPECT_EQ(after[i][5], QString());
        }
    }

    QStringList ratingsShown;
    // ---- 5. Next week's download brings the draw the script played for and checks its stakes.
    m_site.serveDraws(m_real);
    {
        SCOPED_TRACE("second download and the check");
        CliResult r = run({u"draws"_s, u"download"_s});
        EXPECT_EQ(r.lines(), (QStringList{downloadedLine(m_real.back()), u"Загружено тиражей: 1"_s}));
        ASSERT_NO_FATAL_FAILURE(expectArchive(m_real.size()));
        ASSERT_EQ(m_real.back().Num, nextNum);

        const QList<QStringList> rows = stakeRows(run({u"stakes"_s}));
        ASSERT_EQ(rows.size(), 2 * kTestCount + 2);
        for (int i = 2 * kTestCount; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i][0], QString::number(nextNum));
            expectChecked(rows[i]);
        }
        // The download checked them already: a check by hand finds nothing left.
        r = run({u"stakes"_s, u"check"_s});
        EXPECT_EQ(r.out.trimmed(), u"0"_s);
        EXPECT_EQ(stakeRows(run({u"stakes"_s})), rows);
        ratingsShown = run({u"ratings"_s}).lines();
        ASSERT_EQ(ratingsShown.size(), 3);
        for (qsizetype i = 1; i < ratingsShown.size(); ++i)
            EXPECT_EQ(ratingsShown[i].split(u'\t').value(1), QString::number(kTestCount + 1))
                << "the run's stake rated";
    }

    // ---- 6. The best rating row back into the script.
    {
        SCOPED_TRACE("ratings to script");
        const QStringList scriptBefore = scriptShown;
        const QStringList& ratings = ratingsShown;
        int best = 1;
        for (int i = 2; i < ratings.size(); ++i)
            if (ratings[i].split(u'\t')[4].replace(u',', u'.').toDouble() >
                ratings[best].split(u'\t')[4].replace(u',', u'.').toDouble())
                best = i;
        const QString comment = ratings[best].split(u'\t')[0];
        run({u"ratings"_s, u"to-script"_s, QString::number(best)});
        const QStringList shown = run({u"script"_s, u"show"_s}).lines();
        scriptShown = shown;
        ASSERT_EQ(shown.size(), 4) << shown.join(u'\n').toStdString();
        EXPECT_EQ(shown.mid(0, 3), scriptBefore) << "the lines there stay as they were";
        // The new line repeats the rated line's options and filters.
        const QStringList added = shown[3].split(u'\t');
        const QStringList source = scriptBefore[comment.contains(u"горячие"_s) ? 1 : 2].split(u'\t');
        ASSERT_EQ(added.size(), 9);
        EXPECT_EQ(added.mid(1), source.mid(1)) << comment.toStdString();
    }

    // ---- 7. A regular rule and a system game with a system from the maker's host.
    const int stakeDraw = nextNum + 1;
    QList<int> ten;
    QStringList tablesShown;
    {
        SCOPED_TRACE("regular rule");
        run({u"tables"_s, u"add"_s, u"--comment"_s, u"Лесенка"_s, u"--start"_s, u"1;2;3;4;5"_s, u"--step"_s, u"1"_s});
        CliResult r = run({u"tables"_s, u"stake"_s, u"1"_s});
        EXPECT_EQ(r.lines(), QStringList{u"%1\t2;3;4;5;6"_s.arg(stakeDraw)});
        tablesShown = run({u"tables"_s}).lines();
        EXPECT_EQ(tablesShown.value(1), u"Лесенка\t1;2;3;4;5\t1\t2;3;4;5;6\t1"_s);
        const QList<QStringList> rows = stakeRows(run({u"stakes"_s}));
        ASSERT_FALSE(rows.isEmpty());
        EXPECT_EQ(rows.last()[0], QString::number(stakeDraw));
        EXPECT_EQ(rows.last()[2], u"2;3;4;5;6"_s);
        EXPECT_EQ(rows.last()[8], u"Лесенка"_s);
    }
    {
        SCOPED_TRACE("system game");
        // The maker publishes a system for ten numbers.
        online::ClientIdentity maker;
        maker.cl_name = u"Составитель"_s;
        maker.cl_mail = u"maker@example.test"_s;
        online::tSystemData system;
        system.nums = 10;
        system.olap = 3;
        system.csize = 3;
        system.title = u"Десятка"_s;
        system.descr = u"три комбинации"_s;
        system.author = u"Составитель"_s;
        system.cl_mail = maker.cl_mail;
        system.clist = u"1 2 3 4 5\r\n6 7 8 9 10\r\n1 3 5 7 9"_s;
        QString error;
        const int id =
            online::SystemsLibrary(online::ServiceClient({m_host.url(), testsupport::TestCaFile(), {}, {}}), maker)
                .upload(system, false, &error);
        ASSERT_GT(id, 0) << error.toStdString();

        CliResult r = run({u"systems"_s});
        ASSERT_EQ(r.lines().size(), 2) << r.out.toStdString();
        EXPECT_EQ(r.lines()[1].split(u'\t').value(0), QString::number(id));
        EXPECT_EQ(r.lines()[1].split(u'\t').value(1), u"Десятка"_s);
        r = run({u"systems"_s, u"download"_s, QString::number(id)});
        const QString file = u"5-10-3_%1.dat"_s.arg(id, 4, 10, QLatin1Char('0'));
        EXPECT_TRUE(QFileInfo::exists(path(u"Systems/"_s + file))) << r.out.toStdString();

        // The player's ten numbers: the ten most drawn of the table.
        ten = byCount.mid(0, 10);
        std::sort(ten.begin(), ten.end());
        QStringList tenText;
        for (int x : ten)
            tenText << QString::number(x);
        r = run({u"generate"_s, u"--mode"_s, u"2"_s, u"--param"_s, tenText.join(u';'), u"--out"_s, path(u"ten.lcv"_s)});
        EXPECT_EQ(r.out.trimmed(), QString::number(core::Binomial(10, 5)));
        const qsizetype before = stakeRows(run({u"stakes"_s})).size();
        r = run({u"systems"_s, u"play"_s, u"--all"_s, u"--in"_s, path(u"ten.lcv"_s)});
        EXPECT_TRUE(r.out.startsWith(u"Записей добавлено: "_s)) << r.out.toStdString();

        // The system's positions become the player's numbers.
        const QList<QStringList> rows = stakeRows(run({u"stakes"_s}));
        ASSERT_EQ(rows.size(), before + 3);
        const QList<std::array<int, 5>> positions{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {1, 3, 5, 7, 9}};
        for (int i = 0; i < 3; ++i) {
            const QStringList& row = rows[before + i];
            QStringList numbers;
            for (int p : positions[i])
                numbers << QString::number(ten[p - 1]);
            EXPECT_EQ(row[0], QString::number(stakeDraw));
            EXPECT_EQ(row[2], numbers.join(u';'));
            EXPECT_TRUE(row[8].contains(u"Системная игра для 10 чисел"_s)) << row[8].toStdString();
            EXPECT_TRUE(row[8].contains(file.chopped(4))) << row[8].toStdString();
        }
    }

    // ---- 8. The stakes exported to a workbook, cell for cell as the list shows them.
    QStringList stakesShown;
    {
        SCOPED_TRACE("export");
        stakesShown = run({u"stakes"_s}).lines();
        CliResult r = run({u"export"_s, u"stakes"_s, path(u"stakes.xlsx"_s)});
        EXPECT_TRUE(r.out.startsWith(u"Экспортировано строк: %1"_s.arg(stakesShown.size() - 1))) << r.out.toStdString();
        testsupport::XlsxBook book;
        QString error;
        ASSERT_TRUE(testsupport::ReadXlsx(path(u"stakes.xlsx"_s), book, &error)) << error.toStdString();
        ASSERT_FALSE(book.Sheets.isEmpty());
        const testsupport::XlsxSheet& sheet = book.Sheets.first();
        ASSERT_EQ(sheet.MaxRow, 4 + int(stakesShown.size()) - 1);
        for (int i = 0; i < stakesShown.size(); ++i) {
            const QStringList cells = stakesShown[i].split(u'\t');
            for (int c = 0; c < cells.size(); ++c) {
                QString shown = cells[c];
                QString written = sheet.cell(4 + i, c + 1);
                bool a = false;
                bool b = false;
                const double x = QString(shown).replace(u',', u'.').toDouble(&a);
                const double y = QString(written).replace(u',', u'.').toDouble(&b);
                if (a && b)
                    EXPECT_DOUBLE_EQ(x, y) << "row " << i << " column " << c;
                else
                    EXPECT_EQ(written, shown) << "row " << i << " column " << c;
            }
        }
    }

    // ---- 9. A restart: new processes find everything as it was, and reading changes nothing.
    {
        SCOPED_TRACE("restart");
        const QStringList files{u"Vertoma_5x54.ldr"_s, u"Vertoma_5x54.lsk"_s, u"Vertoma_5x54.lrt"_s,
                                u"Vertoma_5x54.lss"_s, u"Vertoma_5x54.ltb"_s};
        std::map<QString, QByteArray> hashes;
        for (const QString& f : files) {
            hashes[f] = fileHash(f);
            EXPECT_FALSE(hashes[f].isEmpty()) << f.toStdString();
        }
        const QStringList status = run({u"status"_s}).lines();
        ASSERT_GE(status.size(), 2);
        EXPECT_EQ(status[0], u"Архив тиражей: %1"_s.arg(n));
        EXPECT_EQ(status[1], u"Следующий тираж: %1"_s.arg(stakeDraw));
        EXPECT_EQ(run({u"stakes"_s}).lines(), stakesShown);
        // As the steps above left them: the system game and the rule's stake await their draw.
        EXPECT_EQ(run({u"ratings"_s}).lines(), ratingsShown);
        EXPECT_EQ(run({u"script"_s, u"show"_s}).lines(), scriptShown);
        EXPECT_EQ(run({u"tables"_s}).lines(), tablesShown);
        EXPECT_EQ(QDir(path(u"Systems"_s)).entryList(QDir::Files).size(), 1);
        for (const QString& f : files)
            EXPECT_EQ(fileHash(f), hashes[f]) << f.toStdString() << " changed by reading it";
    }
}
