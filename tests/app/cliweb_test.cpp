// The tool's words "draws download", "draws export" and "draws import", run as a separate process
// against a results site on 127.0.0.1.

#include "CliRunner.h"
#include "LocalServers.h"
#include "TestHelpers.h"
#include "TestPaths.h"
#include "core/DrawArchive.h"
#include "core/TextForms.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using testsupport::CliResult;

class CliWebTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), m_real));
        m_site.serveDraws(m_real);
    }

    QString file(const QString& name) const { return m_dir.filePath(name); }

    void writeConfig()
    {
        QFile ini(file(QStringLiteral("Vertoma_5x54.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write(QStringLiteral("[NETWORK]\r\nOperatorUrl=%1\r\nCaFile=%2\r\n")
                      .arg(m_site.url(), testsupport::TestCaFile())
                      .toUtf8());
    }

    CliResult run(const QStringList& args) { return testsupport::RunCli(m_dir.path(), args); }

    core::TDrawsArray archive() const
    {
        core::TDrawsArray draws;
        EXPECT_TRUE(core::LoadDrawsFile(file(QStringLiteral("Vertoma_5x54.ldr")), draws));
        return draws;
    }

    QTemporaryDir m_dir;
    core::TDrawsArray m_real;
    testsupport::OperatorSite m_site;
};

} // namespace

TEST_F(CliWebTest, DownloadPrintsEveryDrawAddedAndTheTotal)
{
    ASSERT_TRUE(core::SaveDrawsFile(file(QStringLiteral("Vertoma_5x54.ldr")),
                                    core::TDrawsArray(m_real.begin(), m_real.end() - 3)));
    writeConfig();
    const CliResult r = run({QStringLiteral("draws"), QStringLiteral("download")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << r.out.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("1112\t02/08/2026\t16;23;29;35;51\t5"));
    EXPECT_EQ(lines[1], QStringLiteral("1113\t09/08/2026\t22;25;28;31;32\t7"));
    EXPECT_EQ(lines[2], QStringLiteral("1114\t16/08/2026\t7;8;11;31;35\t1"));
    EXPECT_EQ(lines[3], QStringLiteral("Загружено тиражей: 3"));
    EXPECT_EQ(archive().size(), m_real.size());
    // Nothing new the next time.
    const CliResult again = run({QStringLiteral("draws"), QStringLiteral("download")});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.out.trimmed(), QStringLiteral("Загружено тиражей: 0"));
}

TEST_F(CliWebTest, RetriesAnswerYesAsOftenAsAsked)
{
    ASSERT_TRUE(core::SaveDrawsFile(file(QStringLiteral("Vertoma_5x54.ldr")),
                                    core::TDrawsArray(m_real.begin(), m_real.end() - 1)));
    writeConfig();
    m_site.failNext("16/08/2026", 2);
    CliResult r = run({QStringLiteral("draws"), QStringLiteral("download"), QStringLiteral("--retries"), QStringLiteral("1")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.count(QStringLiteral("Повторить попытку?")), 2) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("-> Нет")));
    EXPECT_EQ(r.out.trimmed(), QStringLiteral("Загружено тиражей: 0"));
    EXPECT_EQ(archive().size(), m_real.size() - 1);

    m_site.failNext("16/08/2026", 2);
    r = run({QStringLiteral("draws"), QStringLiteral("download"), QStringLiteral("--retries"), QStringLiteral("2")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.endsWith(QStringLiteral("Загружено тиражей: 1\n")));
    EXPECT_EQ(archive().size(), m_real.size());

    EXPECT_EQ(run({QStringLiteral("draws"), QStringLiteral("download"), QStringLiteral("--retries"), QStringLiteral("x")})
                  .exitCode,
              2);
}

TEST_F(CliWebTest, DownloadWithoutAnAddressSaysWhichKey)
{
    const CliResult r = run({QStringLiteral("draws"), QStringLiteral("download")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("OperatorUrl"))) << r.err.toStdString();
    EXPECT_TRUE(m_site.askedDates().empty());
}

TEST_F(CliWebTest, ExportAndImportRoundTrip)
{
    const QString shared = QStringLiteral(VERTOMA_SHARED_DATA_DIR "/draws_history_import.csv");
    CliResult r = run({QStringLiteral("draws"), QStringLiteral("import"), shared});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.trimmed(), QStringLiteral("Добавлено тиражей: 1114, пропущено строк: 0"));
    EXPECT_EQ(archive().size(), 1114u);

    const QString out = file(QStringLiteral("out.csv"));
    r = run({QStringLiteral("draws"), QStringLiteral("export"), out});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(testsupport::ReadFile(out), testsupport::ReadFile(shared));

    // The same file again adds nothing.
    r = run({QStringLiteral("draws"), QStringLiteral("import"), out});
    EXPECT_EQ(r.out.trimmed(), QStringLiteral("Добавлено тиражей: 0, пропущено строк: 1114"));
    EXPECT_EQ(run({QStringLiteral("draws"), QStringLiteral("import"), file(QStringLiteral("none.csv"))}).exitCode, 1);
    EXPECT_EQ(run({QStringLiteral("draws"), QStringLiteral("export")}).exitCode, 2);
}

TEST_F(CliWebTest, EveryNewWordHasHelp)
{
    for (const char* word : {"download", "export", "import"}) {
        const CliResult r = run({QStringLiteral("draws"), QString::fromLatin1(word), QStringLiteral("--help")});
        EXPECT_EQ(r.exitCode, 0) << word;
        EXPECT_TRUE(r.out.contains(QStringLiteral("draws ") + QString::fromLatin1(word))) << r.out.toStdString();
    }
    const CliResult usage = run({QStringLiteral("--help")});
    EXPECT_TRUE(usage.out.contains(QStringLiteral("draws download [--retries N]")));
}
