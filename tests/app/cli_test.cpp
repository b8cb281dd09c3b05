// The command-line tool, run as a separate process on a data folder of its own.

#include "CliRunner.h"
#include "FakeUserIo.h"
#include "TestHelpers.h"
#include "TestPaths.h"
#include "app/Session.h"
#include "core/DrawArchive.h"
#include "core/TextForms.h"
#include "core/Version.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>
#include <map>

namespace {

using testsupport::CliResult;

class CliTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), archive()));
        QFile::setPermissions(archive(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    QString archive() const { return m_dir.filePath(QStringLiteral("Vertoma_5x54.ldr")); }

    CliResult run(const QStringList& args) { return testsupport::RunCli(m_dir.path(), args); }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(CliTest, DrawsListNewestFirstAsTheListShowsThem)
{
    const CliResult r = run({QStringLiteral("draws")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1115);
    EXPECT_EQ(lines[0], QStringLiteral("Тираж\t1\t2\t3\t4\t5\tE\tS\tДата тиража"));

    core::TDrawsArray draws;
    ASSERT_TRUE(core::LoadDrawsFile(archive(), draws));
    for (int row = 0; row < 1114; ++row) {
        const core::TDrawRec& d = draws[static_cast<std::size_t>(1113 - row)];
        const QStringList cells = lines[row + 1].split(QLatin1Char('\t'));
        ASSERT_EQ(cells.size(), 9);
        ASSERT_EQ(cells[0].toInt(), d.Num);
        int sum = 0;
        for (int k = 0; k < 5; ++k) {
            ASSERT_EQ(cells[1 + k].toInt(), d.Values[k]);
            sum += d.Values[k];
        }
        ASSERT_EQ(cells[6].toInt(), d.Extra);
        ASSERT_EQ(cells[7].toInt(), sum);
        ASSERT_EQ(cells[8], core::DrawDateText(d));
    }

    const CliResult sorted = run({QStringLiteral("draws"), QStringLiteral("--sorted")});
    const QStringList sortedLines = sorted.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (int row = 1; row < sortedLines.size(); ++row) {
        const QStringList cells = sortedLines[row].split(QLatin1Char('\t'));
        for (int k = 1; k < 5; ++k)
            ASSERT_LT(cells[k].toInt(), cells[k + 1].toInt()) << sortedLines[row].toStdString();
    }
}

TEST_F(CliTest, StatusPrintsTheThreePanels)
{
    CliResult r = run({QStringLiteral("status")});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QStringLiteral("Архив тиражей: 1114\nСледующий тираж: 1115\n\n"));
    r = run({QStringLiteral("status"), QStringLiteral("--offset"), QStringLiteral("1")});
    EXPECT_EQ(r.out, QStringLiteral("Архив тиражей: 1114\nСледующий тираж: 1114\n7;8;11;31;35\n"));
    for (const char* bad : {"1114", "-1", "x"}) {
        r = run({QStringLiteral("status"), QStringLiteral("--offset"), QString::fromLatin1(bad)});
        EXPECT_EQ(r.exitCode, 2) << bad;
        EXPECT_TRUE(r.out.isEmpty()) << bad;
        EXPECT_FALSE(r.err.isEmpty()) << bad;
    }
}

TEST_F(CliTest, AddValidatesAppendsAndSaves)
{
    const QByteArray before = testsupport::ReadFile(archive());
    for (const char* bad : {"5;12;12;40;54;7", "5;12;33;40;55;7", "5;12;33;40;54", "5;12;33;40;54;10"}) {
        const CliResult r = run({QStringLiteral("draws"), QStringLiteral("add"), QString::fromLatin1(bad)});
        EXPECT_EQ(r.exitCode, 2) << bad;
        EXPECT_TRUE(r.err.contains(QStringLiteral("Введена некорректная комбинация!"))) << bad;
    }
    CliResult r = run({QStringLiteral("draws"), QStringLiteral("add"), QStringLiteral("5;12;33;40;54;7"),
                       QStringLiteral("--date"), QStringLiteral("31/02/2026")});
    EXPECT_EQ(r.exitCode, 2);
    r = run({QStringLiteral("draws"), QStringLiteral("add"), QStringLiteral("5;12;33;40;54;7"), QStringLiteral("--num"),
             QStringLiteral("0")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(testsupport::ReadFile(archive()), before) << "refusals leave the archive untouched";
    EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("Vertoma_5x54.lsk"))));

    r = run({QStringLiteral("draws"), QStringLiteral("add"), QStringLiteral("54;12;33;40;5;7"),
             QStringLiteral("--date"), QStringLiteral("23/08/2026")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QByteArray after = testsupport::ReadFile(archive());
    ASSERT_EQ(after.size(), before.size() + 24);
    EXPECT_TRUE(after.startsWith(before));
    const core::TDrawRec added = core::UnpackDraw(after.constData() + before.size());
    EXPECT_EQ(added.Num, 1115);
    EXPECT_EQ(added.Values[0], 54);
    EXPECT_EQ(added.Extra, 7);
    EXPECT_EQ(core::DrawDateText(added), QStringLiteral("23/08/2026"));

    r = run({QStringLiteral("draws"), QStringLiteral("add"), QStringLiteral("1,2,3,4,5,0"), QStringLiteral("--num"),
             QStringLiteral("900")});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(run({QStringLiteral("draws")}).out.split(QLatin1Char('\n'))[1].startsWith(QStringLiteral("900\t")));
}

TEST_F(CliTest, DeleteRemovesThatDraw)
{
    CliResult r = run({QStringLiteral("draws"), QStringLiteral("delete"), QStringLiteral("500")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    core::TDrawsArray draws;
    ASSERT_TRUE(core::LoadDrawsFile(archive(), draws));
    ASSERT_EQ(draws.size(), 1113u);
    EXPECT_EQ(draws[498].Num, 499);
    EXPECT_EQ(draws[499].Num, 501);

    const QByteArray before = testsupport::ReadFile(archive());
    r = run({QStringLiteral("draws"), QStringLiteral("delete"), QStringLiteral("500")});
    EXPECT_EQ(r.exitCode, 2);
    r = run({QStringLiteral("draws"), QStringLiteral("delete"), QStringLiteral("abc")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(testsupport::ReadFile(archive()), before);
}

TEST_F(CliTest, WritesAreRefusedWhileAnotherInstanceHoldsTheFolder)
{
    testsupport::FakeUserIo io;
    app::Session running(io, core::DataFolder(m_dir.path(), QStringLiteral("Vertoma_5x54"), m_dir.path()));
    ASSERT_EQ(running.initialise(), app::Session::InitResult::Running);
    const QByteArray before = testsupport::ReadFile(archive());
    const CliResult r = run({QStringLiteral("draws"), QStringLiteral("add"), QStringLiteral("5;12;33;40;54;7")});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(r.err.contains(QStringLiteral("монопольный доступ")));
    EXPECT_EQ(testsupport::ReadFile(archive()), before);
    // Reading needs no hold.
    EXPECT_EQ(run({QStringLiteral("status")}).exitCode, 0);
}

TEST_F(CliTest, UsageErrors)
{
    // An archive that cannot be read is a failure, not an empty list.
    QFile::remove(archive());
    QDir(m_dir.path()).mkdir(QStringLiteral("Vertoma_5x54.ldr"));
    EXPECT_EQ(run({QStringLiteral("draws")}).exitCode, 1);
    EXPECT_EQ(run({QStringLiteral("status")}).exitCode, 1);

    EXPECT_EQ(run({}).exitCode, 2);
    EXPECT_EQ(run({QStringLiteral("frobnicate")}).exitCode, 2);
    EXPECT_EQ(run({QStringLiteral("draws"), QStringLiteral("--bogus")}).exitCode, 2);
    QProcess process;
    process.start(QStringLiteral(VERTOMA_CLI_PATH),
                  {QStringLiteral("--data-dir"), m_dir.filePath(QStringLiteral("nowhere")), QStringLiteral("draws")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 2);
}

// ---- statistics words

TEST_F(CliTest, MethodsListsTheSelectorInItsOrder)
{
    CliResult r = run({QStringLiteral("methods")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GT(lines.size(), 10);
    EXPECT_EQ(lines[0], QStringLiteral("NUMS\t{ num } Числа тиража [ N ]"));
    EXPECT_TRUE(lines.contains(QStringLiteral("POS3\t{ num } Число в 3 позиции тиража [ SNG ]")));
    for (const QString& line : lines)
        EXPECT_FALSE(line.startsWith(QStringLiteral("KNO"))) << "never offered";

    // Favourites and the ordered option of the names file shape the list.
    QFile names(m_dir.filePath(QStringLiteral("Vertoma_5x54.flt")));
    ASSERT_TRUE(names.open(QIODevice::WriteOnly));
    names.write("[FILTERS]\r\nFavorites=pos1,NUMS,EVEN\r\nOrdered=1\r\nShowGroupName=0\r\n");
    names.close();
    r = run({QStringLiteral("methods")});
    ASSERT_EQ(r.exitCode, 0);
    lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(lines, QStringList({QStringLiteral("EVEN\tКоличество четных чисел в тираже (Ч:Н) [ NG ]"),
                                  QStringLiteral("NUMS\tЧисла тиража [ N ]"),
                                  QStringLiteral("POS1\tЧисло в 1 позиции тиража [ SNG ]")}));
    EXPECT_EQ(run({QStringLiteral("methods"), QStringLiteral("extra")}).exitCode, 2);
}

TEST_F(CliTest, StatPrintsTheValueTable)
{
    const CliResult r = run({QStringLiteral("stat"), QStringLiteral("nums"), QStringLiteral("--len"),
                             QStringLiteral("10"), QStringLiteral("--offset"), QStringLiteral("5")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 55);
    const QStringList header = lines[0].split(QLatin1Char('\t'));
    ASSERT_EQ(header.size(), 20);
    EXPECT_EQ(header[0], QStringLiteral("Значение"));
    EXPECT_EQ(header[19], QStringLiteral("+/- КРН"));

    core::TDrawsArray draws;
    ASSERT_TRUE(core::LoadDrawsFile(archive(), draws));
    // Draws 1099..1108 (indexes 1099..1108 of 0..1113) are the window.
    std::map<int, int> counts;
    for (std::size_t i = draws.size() - 15; i < draws.size() - 5; ++i)
        for (int v : draws[i].Values)
            ++counts[v];
    for (int n = 1; n <= 54; ++n) {
        const QStringList cells = lines[n].split(QLatin1Char('\t'));
        ASSERT_EQ(cells.size(), 20);
        EXPECT_EQ(cells[0], QString::number(n)) << "array order: the pre-listed numbers";
        EXPECT_EQ(cells[1], QString::number(counts[n])) << n;
    }
}

TEST_F(CliTest, StatSortsAndFollowsTheNumericLocale)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    auto runWith = [&](const QString& locale, const QStringList& args) {
        QProcess process;
        env.insert(QStringLiteral("LC_ALL"), locale);
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(VERTOMA_CLI_PATH), QStringList{QStringLiteral("--data-dir"), m_dir.path()} + args);
        EXPECT_TRUE(process.waitForFinished(30000));
        return QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    };
    const QStringList c = runWith(QStringLiteral("C"), {QStringLiteral("stat"), QStringLiteral("EVEN"),
                                                        QStringLiteral("--sort"), QStringLiteral("1:desc")});
    ASSERT_GE(c.size(), 6);
    int previous = INT_MAX;
    for (int i = 1; i < c.size(); ++i) {
        const QStringList cells = c[i].split(QLatin1Char('\t'));
        const int count = cells[1].toInt();
        EXPECT_LE(count, previous);
        previous = count;
        EXPECT_TRUE(cells[2].contains(QLatin1Char('.'))) << cells[2].toStdString();
    }
    const QStringList ru = runWith(QStringLiteral("ru_RU.UTF-8"), {QStringLiteral("stat"), QStringLiteral("EVEN")});
    ASSERT_GE(ru.size(), 6);
    EXPECT_TRUE(ru[1].split(QLatin1Char('\t'))[2].contains(QLatin1Char(',')));
}

TEST_F(CliTest, StatRefusesBadInput)
{
    const QStringList bad[] = {
        {QStringLiteral("stat")},
        {QStringLiteral("stat"), QStringLiteral("NOPE")},
        {QStringLiteral("stat"), QStringLiteral("KNO2")},
        {QStringLiteral("stat"), QStringLiteral("NUMS"), QStringLiteral("--len"), QStringLiteral("0")},
        {QStringLiteral("stat"), QStringLiteral("NUMS"), QStringLiteral("--len")},
        {QStringLiteral("stat"), QStringLiteral("NUMS"), QStringLiteral("--offset"), QStringLiteral("1114")},
        {QStringLiteral("stat"), QStringLiteral("NUMS"), QStringLiteral("--sort"), QStringLiteral("20")},
        {QStringLiteral("stat"), QStringLiteral("NUMS"), QStringLiteral("--sort"), QStringLiteral("1:down")},
        {QStringLiteral("stat"), QStringLiteral("NUMS"), QStringLiteral("EVEN")},
    };
    for (const QStringList& args : bad) {
        const CliResult r = run(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << args.join(u' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty()) << args.join(u' ').toStdString();
    }
    EXPECT_TRUE(run({QStringLiteral("stat"), QStringLiteral("NOPE")}).err.contains(QStringLiteral("NOPE")));
}

TEST_F(CliTest, GenerateCountsAndWritesTheList)
{
    CliResult r = run({QStringLiteral("generate")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.trimmed(), QStringLiteral("3162510"));
    const QString out = m_dir.filePath(QStringLiteral("six.lcv"));
    r = run({QStringLiteral("generate"), QStringLiteral("--mode"), QStringLiteral("2"), QStringLiteral("--param"),
             QStringLiteral("1;2;3;4;5;6"), QStringLiteral("--out"), out});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.trimmed(), QStringLiteral("6"));
    EXPECT_EQ(testsupport::ReadFile(out).split('\n').first(), QByteArray("1;2;3;4;5\r"));
    r = run(
        {QStringLiteral("generate"), QStringLiteral("--mode"), QStringLiteral("4"), QStringLiteral("--param"), out});
    EXPECT_EQ(r.out.trimmed(), QStringLiteral("6")) << "mode 4 reads the file";
    EXPECT_EQ(run({QStringLiteral("generate"), QStringLiteral("--mode"), QStringLiteral("5")}).exitCode, 2);
    EXPECT_EQ(run({QStringLiteral("generate"), QStringLiteral("--mode"), QStringLiteral("4"), QStringLiteral("--param"),
                   m_dir.filePath(QStringLiteral("none.lcv"))})
                  .exitCode,
              1);
}

TEST_F(CliTest, PrefetchAndCompare)
{
    CliResult r = run({QStringLiteral("prefetch"), QStringLiteral("even"), QStringLiteral("SUMS")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("Prefetchs/Vertoma_5x54_EVEN.dfc")));
    EXPECT_EQ(QFileInfo(lines[1]).size(), 247 * 12) << "246 sums and the trailer";
    EXPECT_EQ(run({QStringLiteral("prefetch"), QStringLiteral("SUMC")}).exitCode, 2) << "no full-set distribution";
    EXPECT_EQ(run({QStringLiteral("prefetch")}).exitCode, 2);

    // The comparison builds a missing file first.
    r = run({QStringLiteral("stat"), QStringLiteral("PRIM"), QStringLiteral("--compare")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(m_dir.filePath(QStringLiteral("Prefetchs/Vertoma_5x54_PRIM.dfc"))));
    const QStringList rows = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GE(rows.size(), 6);
    int normSum = 0;
    for (int i = 1; i < rows.size(); ++i) {
        const QStringList cells = rows[i].split(QLatin1Char('\t'));
        bool ok = false;
        normSum += cells[3].toInt(&ok);
        EXPECT_TRUE(ok) << cells[3].toStdString();
        EXPECT_EQ(cells[4].toInt(), cells[1].toInt() - cells[3].toInt());
    }
    EXPECT_GT(normSum, 0);
    EXPECT_EQ(run({QStringLiteral("stat"), QStringLiteral("SUMC"), QStringLiteral("--compare")}).exitCode, 2);
}

TEST_F(CliTest, EveryWordHasHelpAndTheToolHasAVersion)
{
    for (const QStringList& args :
         {QStringList{QStringLiteral("draws"), QStringLiteral("--help")},
          QStringList{QStringLiteral("draws"), QStringLiteral("add"), QStringLiteral("--help")},
          QStringList{QStringLiteral("stat"), QStringLiteral("-h")},
          QStringList{QStringLiteral("filter"), QStringLiteral("--help")}}) {
        const CliResult r = run(args);
        EXPECT_EQ(r.exitCode, 0) << args.join(u' ').toStdString();
        const QString words = args.mid(0, args.size() - 1).join(u' ');
        EXPECT_TRUE(r.out.contains(QStringLiteral("vertoma-cli [--data-dir DIR] ") + words))
            << r.out.toStdString();
        EXPECT_TRUE(r.out.contains(QStringLiteral("--help"))) << r.out.toStdString();
    }
    const CliResult version = run({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    // Four numbers: the project's version and the build.
    EXPECT_EQ(version.out.trimmed(), QStringLiteral("vertoma-cli ") + core::ProgramVersion());
    EXPECT_TRUE(core::ProgramVersion().startsWith(QStringLiteral(VERTOMA_VERSION ".")));
    EXPECT_EQ(core::ProgramVersion().split(u'.').size(), 4);

    const CliResult usage = run({QStringLiteral("--help")});
    EXPECT_EQ(usage.exitCode, 0);
    EXPECT_TRUE(usage.out.contains(QStringLiteral("draws delete NUM")));
    const CliResult unknown = run({QStringLiteral("nonsense")});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("filter TEXT...")));
}

TEST_F(CliTest, AnEnglishLocaleGetsTheEnglishModule)
{
    const auto runIn = [this](const QString& lang, const QStringList& args) {
        return testsupport::RunCli(QStringLiteral(VERTOMA_CLI_PATH), m_dir.path(), args, 120000,
                                   testsupport::MessagesLocale(lang));
    };
    const QStringList refused{QStringLiteral("filter")};
    // Without the module even an English locale keeps the built-in texts.
    EXPECT_TRUE(runIn(QStringLiteral("en_US.UTF-8"), {QStringLiteral("--help")})
                    .out.startsWith(QStringLiteral("Использование:")));

    ASSERT_TRUE(QFile::copy(QStringLiteral(VERTOMA_TRANSLATIONS_DIR "/Vertoma_5x54_ENU.lng"),
                            m_dir.filePath(QStringLiteral("Vertoma_5x54_ENU.lng"))));
    const CliResult help = runIn(QStringLiteral("en_US.UTF-8"), {QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage:\n  vertoma-cli [--data-dir DIR] draws")))
        << help.out.toStdString();
    const CliResult wordHelp =
        runIn(QStringLiteral("en_GB.UTF-8"), {QStringLiteral("filter"), QStringLiteral("--help")});
    EXPECT_TRUE(wordHelp.out.contains(QStringLiteral("Apply the filter variants"))) << wordHelp.out.toStdString();
    const CliResult english = runIn(QStringLiteral("en_US.UTF-8"), refused);
    EXPECT_EQ(english.exitCode, 2);
    EXPECT_EQ(english.err, QStringLiteral("Give the filter text, e.g. TSD1#NUMS:10#LMV:5#SF:1\n"));

    // Any other locale keeps Russian, and LC_ALL decides over LANG.
    for (const char* lang : {"ru_RU.UTF-8", "C.UTF-8", "de_DE.UTF-8"}) {
        const CliResult other = runIn(QString::fromLatin1(lang), refused);
        EXPECT_EQ(other.exitCode, 2);
        EXPECT_EQ(other.err, QStringLiteral("Укажите текст фильтра, например: TSD1#NUMS:10#LMV:5#SF:1\n")) << lang;
    }
    QProcessEnvironment overridden = testsupport::MessagesLocale(QStringLiteral("en_US.UTF-8"));
    overridden.insert(QStringLiteral("LC_ALL"), QStringLiteral("ru_RU.UTF-8"));
    EXPECT_TRUE(testsupport::RunCli(QStringLiteral(VERTOMA_CLI_PATH), m_dir.path(), refused, 120000, overridden)
                    .err.startsWith(QStringLiteral("Укажите")));
}
